#include "model/settings/IniReader.h"

#include "model/text/TextUtil.h"
#include "platform/core/IniLine.h"

#include <sys/stat.h>

using platform::IniLine;

namespace {

thread_local int g_lastError = kIniReaderOk;

bool EndsSection(const IniLine& line)
{
    return line.kind == IniLine::Kind::Section || line.kind == IniLine::Kind::BrokenSection;
}

// A line as the text holds it: without CRs before its line feed or anything after a NUL.
void CleanLine(std::string& line)
{
    const std::string_view text(line);
    line.resize(platform::WithoutTrailingCr(text.substr(0, text.find('\0'))).size());
}

} // namespace

int GetIniReaderError()
{
    return g_lastError;
}

bool IsIniSectionHeader(std::string_view line, std::string_view name)
{
    const IniLine parsed = platform::ParseIniLine(line);
    return parsed.kind == IniLine::Kind::Section && platform::SameIniName(parsed.name, name);
}

CIniSection::CIniSection(std::FILE* file) : m_file(file), m_reader(file) {}

CIniSection::~CIniSection()
{
    std::fclose(m_file);
}

bool CIniSection::FindSection(std::string_view name)
{
    std::string line;
    while (ReadLine(m_reader, line, ";", kMaxIniLine + 2) >= 0) {
        if (line.size() <= kMaxIniLine && IsIniSectionHeader(line, name)) {
            m_ended = false;
            return true;
        }
    }
    m_ended = true;
    return false;
}

bool CIniSection::ReadSectionLine(std::string& line)
{
    while (!m_ended) {
        if (ReadLine(m_reader, line, ";", kMaxIniLine + 2) < 0)
            break;
        // Even an overlong line that begins with '[' ends the section.
        if (EndsSection(platform::ParseIniLine(line)))
            break;
        if (line.size() > kMaxIniLine)
            continue;
        CleanLine(line);
        return true;
    }
    m_ended = true;
    return false;
}

bool CIniSection::ReadPair(std::string& key, std::string& value)
{
    std::string line;
    while (ReadSectionLine(line)) {
        const IniLine parsed = platform::ParseIniLine(line);
        if (parsed.kind == IniLine::Kind::Entry) {
            key = parsed.name;
            value = parsed.value;
            return true;
        }
    }
    return false;
}

std::unique_ptr<CIniSection> OpenIniSection(const std::string& path, std::string_view name)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        g_lastError = kIniCannotOpen;
        return nullptr;
    }
    auto section = std::make_unique<CIniSection>(file);
    struct stat info{};
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        g_lastError = kIniCannotOpen;
        return nullptr;
    }
    if (!section->FindSection(name)) {
        g_lastError = kIniSectionMissing;
        return nullptr;
    }
    g_lastError = kIniReaderOk;
    return section;
}

bool ReadIniSectionPairs(KeyValueList& list, const std::string& path, std::string_view section)
{
    const std::unique_ptr<CIniSection> reader = OpenIniSection(path, section);
    if (!reader)
        return false;
    std::string key;
    std::string value;
    while (reader->ReadPair(key, value))
        KeyValueListSet(list, std::move(key), std::move(value), false);
    return true;
}

std::string ReadSectionText(CIniSection& section, bool skipBlank)
{
    std::string text;
    std::string line;
    while (section.ReadSectionLine(line)) {
        if (skipBlank && IsBlankString(line))
            continue;
        // A line that no longer fits is dropped; a shorter one after it may still fit.
        if (text.size() + line.size() + 1 <= kMaxIniSectionBody)
            text.append(line).append(1, '\n');
    }
    return text;
}

int ReadIniSection(const std::string& path, std::string_view section, std::string& text,
                   bool skipBlank)
{
    const std::unique_ptr<CIniSection> reader = OpenIniSection(path, section);
    if (!reader)
        return GetIniReaderError();
    text = ReadSectionText(*reader, skipBlank);
    return kIniReaderOk;
}

bool ReadIniSectionBody(KeyValueList& list, const std::string& path, std::string_view section,
                        bool skipBlank)
{
    std::string text;
    if (ReadIniSection(path, section, text, skipBlank) != kIniReaderOk)
        return false;
    KeyValueListSet(list, std::string(section), std::move(text), false);
    return true;
}
