#include "model/reports/TemplateSectionText.h"

#include <algorithm>
#include <cctype>

namespace {

std::string_view TrimmedBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameWithoutCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// "[name]", blanks and tabs allowed around the name.
bool StartsSection(std::string_view line, std::string_view name)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    return SameWithoutCase(TrimmedBlanks(line.substr(1, line.size() - 2)), name);
}

void AppendSection(std::string& out, std::string_view name, std::string_view sectionText)
{
    out.append("[").append(name).append("]\n").append(sectionText);
    if (!sectionText.empty() && sectionText.back() != '\n')
        out.push_back('\n');
}

} // namespace

SectionRewrite ReplaceTemplateSection(std::string_view config, std::string_view name, std::string_view sectionText)
{
    SectionRewrite result;
    result.text.reserve(config.size() + sectionText.size() + name.size() + 4);
    bool inReplaced = false;
    while (!config.empty()) {
        const size_t end = config.find('\n');
        std::string_view line = config.substr(0, end);
        config = end == std::string_view::npos ? std::string_view() : config.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (StartsSection(line, name)) {
            AppendSection(result.text, name, sectionText);
            result.replaced = inReplaced = true;
            continue;
        }
        if (inReplaced && !line.empty() && line.front() == '[')
            inReplaced = false;
        if (!inReplaced || (!line.empty() && line.front() == ';'))
            result.text.append(line).push_back('\n');
    }
    if (!result.replaced)
        AppendSection(result.text, name, sectionText);
    return result;
}
