#include "model/text/TextUtil.h"

#include "model/text/CharClass.h"

namespace {

bool SameChar(char a, char b, bool exactCase)
{
    return exactCase ? a == b : AsciiToUpper(a) == AsciiToUpper(b);
}

} // namespace

bool WildcardMatch(std::string_view text, std::string_view pattern, bool exactCase)
{
    // Greedy with one backtrack point (the last '*'): linear in practice, never exponential.
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t starPattern = kNone;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || SameChar(pattern[p], text[t], exactCase))) {
            ++p;
            ++t;
        } else if (starPattern != kNone) {
            p = starPattern + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool MatchesAnyPattern(std::string_view text, std::string_view patterns, bool exactCase)
{
    for (;;) {
        const std::size_t semicolon = patterns.find(';');
        if (WildcardMatch(text, patterns.substr(0, semicolon), exactCase))
            return true;
        if (semicolon == std::string_view::npos)
            return false;
        patterns.remove_prefix(semicolon + 1);
    }
}
