#include "platform/ui/dialogs/FileFilter.h"

#include <cctype>

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

// "*.tvb" -> "*.[tT][vV][bB]"
std::string CaseFreePattern(const std::string& pattern)
{
    if (pattern == "*.*")
        return "*";
    std::string out;
    for (char c : pattern) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u) && u < 0x80) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
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
    // Qt reads the patterns from the last parentheses, so the description's own stay visible.
    std::string text = entry.description + " (";
    for (std::size_t i = 0; i < entry.patterns.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += CaseFreePattern(entry.patterns[i]);
    }
    return text + ")";
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
