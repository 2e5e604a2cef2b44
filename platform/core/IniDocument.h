#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The text of an INI file with the rules of the Windows private-profile functions: section and
// key names without case, values trimmed and unquoted, the first of duplicate keys wins (sections
// of the same name count as one). Changes keep every other line as it was, comments included.
class IniDocument {
public:
    IniDocument() : IniDocument(std::string_view()) {}
    explicit IniDocument(std::string_view text);

    // The lines end as the first line of the original ended (LF or CR LF), with a final one.
    std::string Text() const;

    bool HasSection(std::string_view section) const;
    std::optional<std::string> GetValue(std::string_view section, std::string_view key) const;
    // Each key once with its first value, in the order of its first appearance.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

    // The caller has checked that the names and the value are storable (IniLine.h). The first
    // entry of the key takes the value; a new key goes after the section's last line.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Every entry of the key goes, so that no later duplicate shows through. False when none.
    bool DeleteValue(std::string_view section, std::string_view key);
    // Every section of the name, and with subSections those below it ("name\..."). False when none.
    bool DeleteSection(std::string_view section, bool subSections);
    // An empty section at the end when there is none of that name. False when there was one.
    bool AddSection(std::string_view section);

private:
    struct Section {
        std::string header; // the raw header line; empty for the lines before the first header
        std::optional<std::string> name; // none: the lines before it, or a broken header
        std::vector<std::string> lines;
    };

    // The entry line of the key: the first in the sections of the name, or null.
    std::string* FindEntry(std::string_view section, std::string_view key);
    const std::string* FindEntry(std::string_view section, std::string_view key) const;
    const Section* FindSection(std::string_view section) const;
    Section* FindSection(std::string_view section);

    std::vector<Section> m_sections;
    bool m_crlf = false;
};

} // namespace platform
