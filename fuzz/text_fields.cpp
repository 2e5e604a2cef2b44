// The text helpers that read fields of outside files: tokens, quoting, lists, wildcards, colours.
#include "model/text/ColorSpec.h"
#include "model/text/Dates.h"
#include "model/text/TextUtil.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t half = text.size() / 2;
    const std::string_view left = std::string_view(text).substr(0, half);
    const std::string_view right = std::string_view(text).substr(half);

    SplitToList(text, ",", true, true);
    SplitToList(text, "\t", false, true);
    UnquoteField(text);
    QuoteCsvField(text);
    WildcardMatch(left, right, false);
    MatchesAnyPattern(right, left, true);
    SubstituteArgs(text, {"a", "b", "c"});
    SplitPath(text, int(size % 16));
    GetTextLine(text, int(size % 5));
    std::vector<int> values;
    ParseIntList(values, text, 30);
    FormatIntList(values, size % 4);
    ParseColorSpec(text);
    std::string digits = text;
    InsertThousandsCommas(digits);

    std::string_view cursor = text;
    std::string piece;
    while (NextIdentifier(cursor, piece, true, true) != 0) {
    }
    cursor = text;
    while (NextToken(cursor, piece, nullptr, ";,", true, true) > 0) {
    }
    return 0;
}
