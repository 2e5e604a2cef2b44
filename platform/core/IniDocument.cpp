#include "platform/core/IniDocument.h"

#include "platform/core/IniLine.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace platform {
namespace {

bool IsEntryOf(const std::string& line, std::string_view key)
{
    const IniLine parsed = ParseIniLine(line);
    return parsed.kind == IniLine::Kind::Entry && SameIniName(parsed.name, key);
}

std::string EntryLine(std::string_view key, std::string_view value)
{
    return std::string(key) + '=' + QuoteIniValue(value);
}

} // namespace

IniDocument::IniDocument(std::string_view text)
{
    const std::size_t firstBreak = text.find('\n');
    m_crlf = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';
    m_sections.emplace_back();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = WithoutTrailingCr(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const IniLine parsed = ParseIniLine(line);
        if (parsed.kind == IniLine::Kind::Section || parsed.kind == IniLine::Kind::BrokenSection) {
            Section& section = m_sections.emplace_back();
            section.header = line;
            if (parsed.kind == IniLine::Kind::Section)
                section.name = std::string(parsed.name);
        } else {
            m_sections.back().lines.emplace_back(line);
        }
    }
}

std::string IniDocument::Text() const
{
    const std::string_view lineEnd = m_crlf ? "\r\n" : "\n";
    std::string text;
    for (const Section& section : m_sections) {
        if (&section != &m_sections.front())
            text.append(section.header).append(lineEnd);
        for (const std::string& line : section.lines)
            text.append(line).append(lineEnd);
    }
    return text;
}

const std::string* IniDocument::FindEntry(std::string_view section, std::string_view key) const
{
    for (const Section& candidate : m_sections) {
        if (!candidate.name || !SameIniName(*candidate.name, section))
            continue;
        for (const std::string& line : candidate.lines)
            if (IsEntryOf(line, key))
                return &line;
    }
    return nullptr;
}

std::string* IniDocument::FindEntry(std::string_view section, std::string_view key)
{
    return const_cast<std::string*>(std::as_const(*this).FindEntry(section, key));
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const
{
    for (const Section& candidate : m_sections)
        if (candidate.name && SameIniName(*candidate.name, section))
            return &candidate;
    return nullptr;
}

IniDocument::Section* IniDocument::FindSection(std::string_view section)
{
    return const_cast<Section*>(std::as_const(*this).FindSection(section));
}

bool IniDocument::HasSection(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

std::optional<std::string> IniDocument::GetValue(std::string_view section,
                                                 std::string_view key) const
{
    const std::string* line = FindEntry(section, key);
    if (line == nullptr)
        return std::nullopt;
    return std::string(UnquoteIniValue(ParseIniLine(*line).value));
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> entries;
    std::unordered_set<std::string> seen; // in lower case: a section may hold many keys
    for (const Section& candidate : m_sections) {
        if (!candidate.name || !SameIniName(*candidate.name, section))
            continue;
        for (const std::string& line : candidate.lines) {
            const IniLine parsed = ParseIniLine(line);
            if (parsed.kind == IniLine::Kind::Entry && seen.insert(LowerIniName(parsed.name)).second)
                entries.emplace_back(parsed.name, UnquoteIniValue(parsed.value));
        }
    }
    return entries;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    if (std::string* line = FindEntry(section, key)) {
        // The key keeps the spelling the file gave it.
        *line = EntryLine(ParseIniLine(*line).name, value);
        return;
    }
    Section* target = FindSection(section);
    if (target == nullptr) {
        AddSection(section);
        target = &m_sections.back();
    }
    // Blank lines that separate it from the next section stay after the new entry.
    auto lastText = std::find_if(target->lines.rbegin(), target->lines.rend(),
                                 [](const std::string& line) {
                                     return ParseIniLine(line).kind != IniLine::Kind::Blank;
                                 });
    target->lines.insert(lastText.base(), EntryLine(key, value));
}

bool IniDocument::DeleteValue(std::string_view section, std::string_view key)
{
    bool deleted = false;
    for (Section& candidate : m_sections) {
        if (!candidate.name || !SameIniName(*candidate.name, section))
            continue;
        deleted |= std::erase_if(candidate.lines,
                                 [&](const std::string& line) { return IsEntryOf(line, key); }) > 0;
    }
    return deleted;
}

bool IniDocument::DeleteSection(std::string_view section, bool subSections)
{
    return std::erase_if(m_sections, [&](const Section& candidate) {
               if (!candidate.name)
                   return false;
               return subSections ? IsIniSubSection(*candidate.name, section)
                                  : SameIniName(*candidate.name, section);
           }) > 0;
}

bool IniDocument::AddSection(std::string_view section)
{
    if (FindSection(section) != nullptr)
        return false;
    Section& added = m_sections.emplace_back();
    added.header = "[" + std::string(section) + "]";
    added.name = std::string(section);
    return true;
}

} // namespace platform
