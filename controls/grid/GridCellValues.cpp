// Numbers and booleans kept as the cell's text, written and read without the locale.
#include "controls/grid/GridCell.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace {

constexpr int kDefaultDecimals = 6;  // what "%lf" prints

std::string FormatFixed(double value, int decimals)
{
    // Room for the largest double's integer digits, sign, point and the decimals.
    std::vector<char> buffer(std::size_t(decimals) + 330);
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Reads the longest leading number as the C library's atof does; 0 when there is none.
double ReadLeadingNumber(const std::string& text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && IsBlank(*begin))
        ++begin;
    bool negative = false;
    if (begin != end && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    if (begin != end && (*begin == '+' || *begin == '-'))
        return 0.0;  // a second sign is no number
    double value = 0.0;
    std::from_chars(begin, end, value, std::chars_format::general);
    return negative ? -value : value;
}

}  // namespace

int CGridCell::SetNumber(double value)
{
    // A negative count of decimals means none was given, as with printf's precision.
    const short decimals = GetDecimals();
    const bool useDecimals = IsPropertySet(GridCellBits::Decimals) && decimals >= 0;
    m_text = FormatFixed(value, useDecimals ? decimals : kDefaultDecimals);
    m_dataType = GRID_TYPE_NUMBER;
    return Store(GridCellBits::Text | GridCellBits::DataType);
}

double CGridCell::GetNumber() const
{
    return IsPropertySet(GridCellBits::Text) ? ReadLeadingNumber(m_text) : 0.0;
}

int CGridCell::SetBool(bool value)
{
    m_text.assign(1, value ? '1' : '0');
    m_dataType = GRID_TYPE_BOOL;
    return Store(GridCellBits::Text | GridCellBits::DataType);
}

bool CGridCell::GetBool() const
{
    if (GetTextLength() == 0)
        return false;
    if (m_text[0] == 'T' || m_text[0] == 't')
        return true;
    return GetNumber() != 0.0;
}
