#pragma once
// A fresh folder for one test, removed with everything in it afterwards. Its
// path is given as CP932 text with a trailing separator, as the core takes it.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "Func_/cp932.hpp"

namespace drafnova::testing {

// The CP932 form of a native path.
inline std::string Cp932Path(const std::filesystem::path& path) {
#ifdef _WIN32
    return Utf16ToCp932(path.u16string());
#else
    return Utf8ToCp932(path.string());
#endif
}

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> serial{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const std::string leaf =
            "drafnova-test-" + std::to_string(stamp) + "-" + std::to_string(serial.fetch_add(1));
        native_ = std::filesystem::temp_directory_path() / leaf;
        std::filesystem::create_directories(native_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(native_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Native() const { return native_; }
    // The folder as CP932 text ending with the platform's separator.
    std::string Path() const { return Cp932Path(native_ / ""); }
    // A name inside the folder; name is CP932.
    std::string operator/(const std::string& name) const { return Path() + name; }

private:
    std::filesystem::path native_;
};

// The native path of a UTF-8 literal inside folder.
inline std::filesystem::path NativeChild(const TempFolder& folder, std::u8string_view name) {
    return folder.Native() / std::filesystem::path(name);
}

}  // namespace drafnova::testing
