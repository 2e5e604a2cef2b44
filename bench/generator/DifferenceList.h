#pragma once

#include "model/records/Prop.h"

#include <bit>
#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

// Collects the differences of two proposals under the path of the part compared.
namespace proposal_differences {

inline std::string Show(const std::string& text)
{
    std::string shown = "\"";
    for (unsigned char c : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, c < 32 || c > 126 ? "\\x%02X" : "%c", c);
        shown += escaped;
    }
    return shown + "\"";
}

inline std::string Show(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

template <class Integer>
    requires std::is_integral_v<Integer>
std::string Show(Integer value)
{
    return std::to_string(value);
}

inline std::string Show(const CNumberFormat& format) { return Show(format.m_byWidth) + "." + Show(format.m_byDecimals); }

inline std::string Show(const CByteBlock& block)
{
    return block.IsUnchangedMarker() ? "(unchanged marker)" : std::to_string(block.GetBytes().size()) + " bytes";
}

// Doubles compare by their bits, so that two equal "not entered" values or NaNs are the same.
template <class T>
bool Same(const T& a, const T& b)
{
    if constexpr (std::is_same_v<T, double>)
        return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
    else
        return a == b;
}

class Differences {
public:
    Differences(std::vector<std::string>& found, std::string path) : m_found(found), m_path(std::move(path)) {}

    Differences Within(const std::string& name) const { return Differences(m_found, m_path + name + " "); }

    template <class T>
    void Field(const char* name, const T& a, const T& b)
    {
        if (!Same(a, b))
            m_found.push_back(m_path + name + ": " + Show(a) + " / " + Show(b));
    }

    template <class T, size_t N>
    void Field(const char* name, const std::array<T, N>& a, const std::array<T, N>& b)
    {
        for (size_t i = 0; i < N; ++i)
            Field((std::string(name) + "[" + std::to_string(i) + "]").c_str(), a[i], b[i]);
    }

    template <class T>
    void Field(const char* name, const std::vector<T>& a, const std::vector<T>& b)
    {
        Field((std::string(name) + " count").c_str(), a.size(), b.size());
        for (size_t i = 0; i < a.size() && i < b.size(); ++i)
            Field((std::string(name) + "[" + std::to_string(i) + "]").c_str(), a[i], b[i]);
    }

    // Records paired by position; a null slot only equals a null slot.
    template <class T, class Compare>
    void List(const char* name, const CDataArray<T>& a, const CDataArray<T>& b, Compare compare)
    {
        Field((std::string(name) + " count").c_str(), a.GetSize(), b.GetSize());
        for (int i = 0; i < a.GetSize() && i < b.GetSize(); ++i)
            Pair(std::string(name) + "[" + std::to_string(i) + "]", a.GetAt(i), b.GetAt(i), compare);
    }

    template <class T, class Compare>
    void Map(const char* name, const CDataMap<T>& a, const CDataMap<T>& b, Compare compare)
    {
        for (const auto& [key, record] : a)
            Pair(std::string(name) + "[" + Show(key) + "]", record.get(), b.Lookup(key), compare);
        for (const auto& [key, record] : b)
            if (!a.Lookup(key))
                Pair(std::string(name) + "[" + Show(key) + "]", static_cast<const T*>(nullptr), record.get(), compare);
    }

    template <class T, class Compare>
    void Pair(const std::string& name, const T* a, const T* b, Compare compare)
    {
        if (a && b)
            compare(Within(name), *a, *b);
        else if (a || b)
            m_found.push_back(m_path + name + ": " + (a ? "present / missing" : "missing / present"));
    }

private:
    std::vector<std::string>& m_found;
    std::string m_path;
};

void CompareForm(Differences d, const CWinMeta& a, const CWinMeta& b);
void CompareHeader(Differences d, const CPropHeader& a, const CPropHeader& b);

} // namespace proposal_differences
