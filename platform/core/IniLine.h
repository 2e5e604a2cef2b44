#pragma once

#include <string>
#include <string_view>

namespace platform {

// One line of an INI-style text, as both the settings files and the program's own INI reader
// see it. Names and values are views into the line, trimmed of blanks and tabs.
struct IniLine {
    enum class Kind {
        Blank,
        Comment,       // first non-blank character ';'
        Section,       // "[name]": name is the text between the brackets
        BrokenSection, // '[' without ']': ends the section before it but names none
        Entry,         // "key=value", split at the first '='
        Other,         // text without '=': belongs to its section but holds no value
    };
    Kind kind = Kind::Blank;
    std::string_view name;
    std::string_view value;
};

// Text after a NUL byte is not part of the line (C strings ended there), nor are CRs before
// the line feed (files written on Windows).
IniLine ParseIniLine(std::string_view line);
std::string_view WithoutTrailingCr(std::string_view line);

std::string_view TrimIniBlanks(std::string_view text);

// Section and key names compare without regard to ASCII case.
bool SameIniName(std::string_view a, std::string_view b);
std::string LowerIniName(std::string_view name);
// name is section or a section below it ("A\B" is below "a").
bool IsIniSubSection(std::string_view name, std::string_view section);

// A value read back loses its enclosing pair of matching quotes ('"' or '\''). Writing quotes
// a value that would otherwise not read back as written (enclosing blanks or quotes).
std::string_view UnquoteIniValue(std::string_view value);
std::string QuoteIniValue(std::string_view value);

// What a line-based file can hold: no line breaks or NULs anywhere, no ']' in a section name,
// no '=' in a key, no blanks around names, and no key that would read as a comment or header.
bool IsStorableIniSection(std::string_view section);
bool IsStorableIniKey(std::string_view key);
bool IsStorableIniValue(std::string_view value);

} // namespace platform
