#include "model/eval/EvaluatorNumber.h"

#include <charconv>
#include <cstddef>
#include <system_error>

namespace {

constexpr std::size_t kMaxConverted = 127;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsExponentMark(char c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

const char* SkipDigits(const char* p)
{
    while (IsDigit(*p))
        ++p;
    return p;
}

// The end of the literal's body (after sign and blanks): digits, ".", digits, exponent.
const char* BodyEnd(const char* p)
{
    p = SkipDigits(p);
    if (*p == '.')
        p = SkipDigits(p + 1);
    if (IsExponentMark(*p)) {
        ++p;
        if (*p == '+' || *p == '-')
            ++p;
        p = SkipDigits(p);
    }
    return p;
}

// Whether a converted text that is out of a double's range is too large (else too small): the
// decimal exponent of its first significant digit decides, and out-of-range values lie far
// from zero on either side.
bool IsTooLarge(const char* text, const char* end)
{
    const char* p = text;
    if (*p == '-')
        ++p;
    long magnitude = -1;
    bool seenPoint = false;
    bool significant = false;
    for (; p < end && (IsDigit(*p) || *p == '.'); ++p) {
        if (*p == '.') {
            seenPoint = true;
        } else if (!seenPoint && (significant || *p != '0')) {
            significant = true;
            ++magnitude;
        } else if (seenPoint && !significant) {
            if (*p != '0')
                significant = true;
            else
                --magnitude;
        }
    }
    long exponent = 0;
    if (p < end && *p == 'e') {
        ++p;
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+'))
            ++p;
        for (; p < end && IsDigit(*p) && exponent < 100000; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent >= 0;
}

}  // namespace

bool StartsEvalNumber(const char* p)
{
    if (*p == '+' || *p == '-') {
        ++p;
        while (IsBlank(*p))
            ++p;
    }
    return IsDigit(*p) || *p == '.';
}

EvalNumber ReadEvalNumber(const char* position)
{
    char text[kMaxConverted + 1];
    std::size_t length = 0;
    const char* p = position;
    if (*p == '+' || *p == '-') {
        if (*p == '-')
            text[length++] = '-';
        ++p;
        while (IsBlank(*p))
            ++p;
    }
    if (*p == '.')
        text[length++] = '0';
    const char* end = BodyEnd(p);
    for (; p < end && length < kMaxConverted; ++p)
        text[length++] = IsExponentMark(*p) ? 'e' : *p;

    double value = 0.0;
    const std::from_chars_result result = std::from_chars(text, text + length, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (IsTooLarge(text, text + length))
            return {end, 0.0, true};
        value = text[0] == '-' ? -0.0 : 0.0;
    }
    return {end, value, false};
}
