#include "platform/shell.hpp"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <vector>

#include "Func_/cp932.hpp"

extern char** environ;

namespace drafnova::platform {

bool ShellOpen(const std::string& path) {
    // Without a desktop session xdg-open would fall back to a text browser in
    // the terminal; say no instead and let the caller tell where the file is.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        return false;
    }
    std::string program = "xdg-open";
    std::string nativePath = Cp932ToUtf8(path);
    std::vector<char*> argv = {program.data(), nativePath.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    // xdg-open hands the file on and returns at once.
    int status = 0;
    if (waitpid(child, &status, 0) < 0) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace drafnova::platform
