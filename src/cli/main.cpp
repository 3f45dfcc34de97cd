// drafnova-cli: creates a new JWW drawing from settings given on the command
// line, or shows the header settings of an existing drawing.

#include <exception>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "cli/commands.hpp"
#include "cli/terminal.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

int RunAndReport(const std::vector<std::string>& arguments) {
    try {
        return drafnova::cli::Run(arguments);
    } catch (const drafnova::cli::UsageError& error) {
        drafnova::cli::Err(std::string(error.what()) + "\n");
        return drafnova::cli::kExitError;
    } catch (const std::exception& error) {
        drafnova::cli::Err(drafnova::Sj(u8"Error: ") + error.what() + "\n");
        return drafnova::cli::kExitError;
    }
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(drafnova::Utf16ToCp932(reinterpret_cast<const char16_t*>(argv[i])));
    }
    return RunAndReport(arguments);
}
#else
int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(drafnova::Utf8ToCp932(argv[i]));
    return RunAndReport(arguments);
}
#endif
