#pragma once

#include "model/settings/KeyValueList.h"
#include "model/text/LineReader.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// Reader of INI-style texts: section header lines ("[name]") each followed by lines of a key,
// '=' and a value (server replies, small data files). Section names compare without case.
// Lines whose first non-blank character is ';' are comments. CR before a line feed and anything
// after a NUL byte are not part of a line.

enum : int { kIniReaderOk = 0, kIniCannotOpen = 1, kIniSectionMissing = 2 };

// The result of the last opening of a section on this thread (wizard pages read server
// replies on their worker threads).
int GetIniReaderError();

// Longer lines are skipped as a whole, never cut; a section body read whole stops taking lines
// at the second limit.
constexpr std::size_t kMaxIniLine = std::size_t(1) << 20;
constexpr std::size_t kMaxIniSectionBody = std::size_t(16) << 20;

// True for "[", blanks, the name, blanks, "]".
bool IsIniSectionHeader(std::string_view line, std::string_view name);

// One section of a stream: found, then read pair by pair or line by line up to the next line
// that begins with '['.
class CIniSection {
public:
    explicit CIniSection(std::FILE* file); // takes the stream over
    ~CIniSection();

    CIniSection(const CIniSection&) = delete;
    CIniSection& operator=(const CIniSection&) = delete;

    // Reads past the header of the section; false when the stream has none.
    bool FindSection(std::string_view name);
    // The next line holding '=' (key before the first '=', value after it, both trimmed);
    // lines without '=' are skipped. False at the end of the section.
    bool ReadPair(std::string& key, std::string& value);
    // The next line of the section as it stands, comments left out. False at its end.
    bool ReadSectionLine(std::string& line);

private:
    std::FILE* m_file;
    CCountingReader m_reader;
    bool m_ended = false;
};

// The file positioned after the header of the section, or null with the error code set.
std::unique_ptr<CIniSection> OpenIniSection(const std::string& path, std::string_view name);

// Adds the section's pairs to the list (a key given twice keeps its last value). False when
// the file cannot be opened or has no such section.
bool ReadIniSectionPairs(KeyValueList& list, const std::string& path, std::string_view section);

// The section's lines, each followed by a line feed; with skipBlank blank lines are left out.
// kIniReaderOk, kIniCannotOpen or kIniSectionMissing.
int ReadIniSection(const std::string& path, std::string_view section, std::string& text,
                   bool skipBlank);
// The same from a section already found.
std::string ReadSectionText(CIniSection& section, bool skipBlank);

// Stores the section's text (untrimmed) in the list under the section's name.
bool ReadIniSectionBody(KeyValueList& list, const std::string& path, std::string_view section,
                        bool skipBlank);
