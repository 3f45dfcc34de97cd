#include "cli/cli_host.hpp"

#include "Func_/cp932.hpp"
#include "cli/terminal.hpp"
#include "platform/shell.hpp"

namespace drafnova::cli {

void TCliHost::Inform(const std::string& text) { Err(text + "\n"); }

bool TCliHost::Confirm(const std::string& text) {
    if (assumeYes_) return true;
    // Without a terminal nobody can answer: the safe answer keeps the file.
    if (!InputIsTerminal()) {
        Err(text + Sj(u8" (no terminal to answer on: not overwritten; --yes overwrites)\n"));
        return false;
    }
    Err(text + " [y/N] ");
    std::string answer;
    if (!ReadAnswer(answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "YES";
}

void TCliHost::OpenDocument(const std::string& path) {
    written_ = true;
    if (open_ && platform::ShellOpen(path)) return;
    Err(Sj(u8"Written: ") + path + "\n");
}

}  // namespace drafnova::cli
