#pragma once

#include "tests/support/TestEnvironment.h"

#include <optional>
#include <string>

// The shared test folder and environment helpers, as the model tests call them: files are
// written by name, and a variable's value is optional (std::nullopt unsets it).
class TempFolder : public testsupport::TempFolder {
public:
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = *this / name;
        testsupport::WriteTextFile(path, bytes);
        return path;
    }
};

class ScopedEnvironment : public testsupport::ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value)
        : testsupport::ScopedEnvironment(name, value ? value->c_str() : nullptr)
    {
    }
};
