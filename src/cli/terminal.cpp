#include "cli/terminal.hpp"

#include <cstdio>
#include <iostream>

#include "Func_/cp932.hpp"

#ifdef _WIN32
#include <io.h>
#define DRAFNOVA_ISATTY _isatty
#define DRAFNOVA_FILENO _fileno
#else
#include <unistd.h>
#define DRAFNOVA_ISATTY isatty
#define DRAFNOVA_FILENO fileno
#endif

namespace drafnova::cli {

void Out(const std::string& cp932) {
    std::cout << Cp932ToUtf8(cp932);
    std::cout.flush();
}

void Err(const std::string& cp932) {
    std::cerr << Cp932ToUtf8(cp932);
    std::cerr.flush();
}

bool InputIsTerminal() { return DRAFNOVA_ISATTY(DRAFNOVA_FILENO(stdin)) != 0; }

bool ReadAnswer(std::string& line) { return static_cast<bool>(std::getline(std::cin, line)); }

}  // namespace drafnova::cli
