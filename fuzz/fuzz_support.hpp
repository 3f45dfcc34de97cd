#pragma once
// What the fuzz targets share: a folder of this process's own for the files
// the targets write, and a check that stops the run with a message.

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace drafnova::fuzz {

// Stops the run (libFuzzer then saves the input) when an invariant fails.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// A folder of this process's own, ending with "/", removed when the process
// ends normally. In memory (/dev/shm) where there is one, because the targets
// write and sync a file on every run.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string name = std::string(base) + "/drafnova-fuzz-XXXXXX";
        if (::mkdtemp(name.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        static const std::string removed = name;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removed, ignored);
        });
        return name + "/";
    }();
    return folder;
}

// Writes bytes as the whole file at path (an ASCII path inside the scratch
// folder, so that it is the same text in CP932 and UTF-8).
inline void WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    FUZZ_CHECK(out.good());
}

}  // namespace drafnova::fuzz
