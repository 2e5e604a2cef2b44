#include "platform/ui/dialogs/FileFilter.h"


namespace platform {
namespace {

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Trimmed(std::string_view text)
{
    std::size_t first = 0, last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return std::string(text.substr(first, last - first));
}

// Qt matches "*.*" only against names with a dot; the program's users mean every file.
std::string QtPattern(const std::string& pattern)
{
    return pattern == "*.*" ? "*" : pattern;
}

// "Proposal Files (*.TVB)" -> "Proposal Files": the description's own list of patterns, which
// the patterns that really match replace. Words in parentheses stay.
std::string WithoutPatternList(const std::string& description)
{
    const std::size_t open = description.rfind('(');
    if (open == std::string::npos || description.back() != ')')
        return description;
    const std::string inner = description.substr(open + 1, description.size() - open - 2);
    if (inner.find_first_of("*?") == std::string::npos)
        return description;
    return Trimmed(std::string_view(description).substr(0, open));
}

} // namespace

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter)
{
    std::vector<FileFilterEntry> entries;
    const std::vector<std::string> parts = Split(filter, '|');
    // Pairs end at the first empty description ("||" closes the string).
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break;
        FileFilterEntry entry{parts[i], {}};
        for (const std::string& pattern : Split(parts[i + 1], ';')) {
            std::string trimmed = Trimmed(pattern);
            if (!trimmed.empty())
                entry.patterns.push_back(std::move(trimmed));
        }
        if (entry.patterns.empty())
            entry.patterns.push_back("*");
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string QtNameFilter(const FileFilterEntry& entry)
{
    // Qt reads the patterns from the last parentheses and shows the whole text: each pattern once.
    std::string text = WithoutPatternList(entry.description) + " (";
    for (std::size_t i = 0; i < entry.patterns.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += QtPattern(entry.patterns[i]);
    }
    return text + ")";
}

std::string ExtensionForType(const FileFilterEntry* type, std::string_view defaultExtension)
{
    if (defaultExtension.empty() || !type || type->patterns.size() != 1)
        return std::string(defaultExtension);
    const std::string& pattern = type->patterns.front();
    const bool plain = pattern.starts_with("*.") && pattern.size() > 2 &&
                       pattern.find_first_of("*?[]", 2) == std::string::npos;
    return plain ? pattern.substr(2) : std::string(defaultExtension);
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension)
{
    if (extension.empty() || path.empty())
        return path;
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', nameStart) != std::string::npos || nameStart == path.size())
        return path;
    return path + (extension.front() == '.' ? "" : ".") + std::string(extension);
}

} // namespace platform
