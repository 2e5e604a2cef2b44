#include "model/reports/TemplateFormat.h"

#include "model/text/TextUtil.h"

#include <algorithm>

namespace {

constexpr std::size_t kWholeText = 4096;

// "S.L": L characters from position S (from 1); S 0 is 1 and L 0 the whole rest.
std::string Substring(const std::string& text, const std::string& spec)
{
    const std::size_t separator = spec.find('.');
    const int start = std::max(1, ParseLeadingInt(spec));
    const int length = separator == std::string::npos ? 0 : std::max(0, ParseLeadingInt(spec.substr(separator + 1)));
    const std::size_t from = std::size_t(start - 1);
    if (from >= text.size())
        return {};
    return text.substr(from, length == 0 ? kWholeText : std::size_t(length));
}

std::string Replace(std::string text, const std::string& pair)
{
    if (pair.size() >= 2)
        std::replace(text.begin(), text.end(), pair[0], pair[1]);
    return text;
}

std::string FromFirst(const std::string& text, const std::string& part)
{
    const std::size_t at = text.find(part);
    return at == std::string::npos ? text : text.substr(at);
}

} // namespace

std::string ApplyTextOptions(std::string text, const std::vector<CTextOption>& options)
{
    for (const CTextOption& option : options) {
        switch (option.m_iId) {
        case OPT_SUBSTRING: text = Substring(text, option.m_strValue); break;
        case OPT_REPLACE: text = Replace(std::move(text), option.m_strValue); break;
        case OPT_STRSTR: text = FromFirst(text, option.m_strValue); break;
        case OPT_STRIP: TrimLeftChars(text, option.m_strValue); break;
        case OPT_CLIP: TrimRightChars(text, option.m_strValue); break;
        default: RemoveChars(text, option.m_strValue); break;
        }
    }
    return text;
}
