#pragma once
// The project's error types. Messages are code page 932 text fit to show a
// user; the front ends convert them to the platform's text when they show them.

#include <stdexcept>
#include <string>

namespace drafnova {

// Base of every error the tool raises on purpose.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A file could not be opened, created, read, written, renamed or deleted.
class IoError : public Error {
public:
    explicit IoError(const std::string& message) : Error(message) {}
};

// No printer, or the chosen printer cannot be asked for its page.
class PrinterError : public Error {
public:
    explicit PrinterError(const std::string& message) : Error(message) {}
};

// Index or count outside its table. std::out_of_range, so that .at() and our
// own checks raise the same kind.
using RangeError = std::out_of_range;

}  // namespace drafnova
