#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Splits lines of separated fields as SplitToList(line, separator, quoted, true) does: with
// quoted, '"' toggles quoting and '""' inside quotes gives one quote; each field loses its blanks
// and tabs around it (only blanks when the separator is a tab). A field without quotes is handed
// out where it lies in the line; only quoted ones are copied, into storage kept from row to row.
class CFlatFieldSplitter {
public:
    // At most the first `wanted` fields; they stay valid until the next call and while the line does.
    std::span<const std::string_view> Split(std::string_view line, char separator, bool quoted, std::size_t wanted);

private:
    std::vector<std::string_view> m_fields;
    std::vector<std::string> m_unquoted; // one per field position
};
