#include "platform/core/PaperSetting.h"

#include "platform/core/Environment.h"
#include "platform/core/Files.h"

#include <algorithm>
#include <cctype>
#include <langinfo.h>
#include <locale.h>

namespace platform {
namespace {

constexpr std::size_t kMaxNameLength = 32;     // "halfletter", "11x17"; longer is no paper name
constexpr std::size_t kMaxFileBytes = 1 << 16; // a papersize file holds one line

bool IsNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
}

std::string PaperNameInFile(const std::string& path)
{
    const std::optional<std::string> text = ReadWholeFile(path, nullptr, kMaxFileBytes);
    return text ? PaperNameIn(*text) : std::string();
}

// glibc hands the LC_PAPER numbers out in the place of the text pointer.
int PaperNumber(nl_item item, locale_t locale)
{
    union {
        const char* text;
        unsigned int number;
    } value{};
    value.text = nl_langinfo_l(item, locale);
    return int(value.number);
}

} // namespace

std::string PaperNameIn(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '#') {
            const std::size_t end = text.find('\n', at);
            at = end == std::string_view::npos ? text.size() : end + 1;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++at;
        } else {
            break;
        }
    }
    std::string name;
    for (; at < text.size() && !std::isspace(static_cast<unsigned char>(text[at])) && text[at] != '#'; ++at) {
        if (!IsNameCharacter(text[at]) || name.size() == kMaxNameLength)
            return std::string();
        name += char(std::tolower(static_cast<unsigned char>(text[at])));
    }
    return name;
}

std::string ConfiguredPaperName()
{
    if (const std::optional<std::string> size = GetEnvironment("PAPERSIZE"); size && !size->empty())
        return PaperNameIn(*size);
    if (const std::optional<std::string> file = GetEnvironment("PAPERCONF"); file && !file->empty())
        return PaperNameInFile(*file);
    return PaperNameInFile("/etc/papersize");
}

std::optional<PaperMillimetres> LocalePaper()
{
    const locale_t locale = newlocale(LC_PAPER_MASK, "", locale_t(nullptr));
    if (locale == locale_t(nullptr))
        return std::nullopt;
    const PaperMillimetres paper{PaperNumber(_NL_PAPER_WIDTH, locale), PaperNumber(_NL_PAPER_HEIGHT, locale)};
    freelocale(locale);
    if (paper.width <= 0 || paper.height <= 0)
        return std::nullopt;
    return paper;
}

} // namespace platform
