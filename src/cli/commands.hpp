#pragma once
// The commands of drafnova-cli. Arguments and messages are CP932 texts.

#include <stdexcept>
#include <string>
#include <vector>

#include "builder/settings.hpp"

namespace drafnova::cli {

// Exit codes: written (or shown), refused or declined, any error (a command
// line that cannot be carried out included).
inline constexpr int kExitWritten = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitError = 2;

// A command line that cannot be carried out as written; the message says why.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// Runs the command line (without the program name) and gives the exit code.
int Run(const std::vector<std::string>& arguments);

// What "new" was asked to do besides the drawing's settings.
struct TNewOptions {
    bool AssumeYes = false;
    bool Open = true;
    std::string IniFile;  // empty: the settings file beside the program, if any
    bool SaveSettings = false;
    std::string Printer;  // empty: the default printer
};

// Applies the options of "new" to settings (which hold the defaults or the
// loaded settings file) and fills options. Raises UsageError.
void ApplyNewArguments(const std::vector<std::string>& arguments, TCreateSettings& settings,
                       TNewOptions& options);

// Only the options that choose where settings come from (--ini), so that the
// file can be loaded before the other options apply over it.
TNewOptions ScanNewOptions(const std::vector<std::string>& arguments);

}  // namespace drafnova::cli
