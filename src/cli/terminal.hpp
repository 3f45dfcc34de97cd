#pragma once
// Text to and from the terminal: the core speaks CP932, the terminal UTF-8.

#include <string>

namespace drafnova::cli {

// Writes CP932 text to standard output or standard error as UTF-8.
void Out(const std::string& cp932);
void Err(const std::string& cp932);

// True when standard input is a terminal a question can be asked on.
bool InputIsTerminal();

// Reads one line from standard input; false at its end.
bool ReadAnswer(std::string& line);

}  // namespace drafnova::cli
