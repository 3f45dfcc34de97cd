#pragma once
// Asking the desktop to open a file with the program associated with it.

#include <string>

namespace drafnova::platform {

// Hands path (CP932) to the desktop's opener without waiting for the program
// it starts. False when there is no opener to ask (for instance no desktop
// session) or the request could not be made. The path is passed as one
// argument and never interpreted by a shell.
bool ShellOpen(const std::string& path);

}  // namespace drafnova::platform
