#pragma once
// A folder of its own for one test, removed afterwards, and whole-file helpers.
// Paths handed to the tool are CP932 texts; on disk they are the platform's.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"

namespace drafnova::testing {

// The native path of a CP932 path.
inline std::filesystem::path NativePath(const std::string& cp932) {
    const std::string utf8 = Cp932ToUtf8(cp932);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "tmp_";
        if (info != nullptr) name += std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name) {
            if (c == '/' || c == '\\') c = '_';
        }
        native_ = std::filesystem::current_path() / name;
        std::filesystem::remove_all(native_);
        std::filesystem::create_directories(native_);
        const std::u8string utf8 = native_.u8string();
        path_ = Utf8ToCp932(std::string(utf8.begin(), utf8.end()));
        path_ += std::string(1, static_cast<char>(std::filesystem::path::preferred_separator));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(native_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as a CP932 text ending with a separator.
    const std::string& Path() const { return path_; }
    // A CP932 path inside the folder.
    std::string operator/(const std::string& name) const { return path_ + name; }
    // Names of everything in the folder (UTF-8), sorted.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(native_)) {
            const std::u8string name = entry.path().filename().u8string();
            names.emplace_back(name.begin(), name.end());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path native_;
    std::string path_;
};

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& cp932Path) {
    std::ifstream in(NativePath(cp932Path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::string& cp932Path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(NativePath(cp932Path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void WriteFileText(const std::string& cp932Path, const std::string& text) {
    WriteFileBytes(cp932Path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

inline bool Exists(const std::string& cp932Path) {
    return std::filesystem::exists(NativePath(cp932Path));
}

}  // namespace drafnova::testing
