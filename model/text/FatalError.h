#pragma once

#include <stdexcept>
#include <string>

// An error the current operation cannot recover from. It never ends the process: the program
// catches it at its top, reports what() ("Error: " + message) and keeps the user's data.
class CFatalError : public std::runtime_error {
public:
    explicit CFatalError(const std::string& message) : std::runtime_error("Error: " + message) {}
};

// Throws CFatalError with the printf-style message.
[[noreturn]] void FatalError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes "Warning: " and the printf-style message and a line feed to standard output; returns 0.
int Warning(const char* format, ...) __attribute__((format(printf, 1, 2)));
