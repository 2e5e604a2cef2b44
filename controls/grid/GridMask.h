#pragma once
// The input mask of the masked editor. Each of the characters "09#L?Aa&C" is an input
// position; a backslash makes the character after it a literal; every other character is a
// literal, which the editor puts in by itself.
#include <string>
#include <string_view>

class CGridMask {
public:
    CGridMask() = default;
    explicit CGridMask(std::string_view mask);

    bool IsOn() const { return !m_pattern.empty(); }
    std::size_t Length() const { return m_pattern.size(); }
    bool IsLiteralAt(std::size_t position) const;
    char LiteralAt(std::size_t position) const;
    // Whether the character may stand at the position (positions past the end take nothing).
    bool Accepts(std::size_t position, unsigned char c) const;
    // The text fitted to the mask: literals where they belong, characters that do not fit the
    // next input position dropped.
    std::string Remask(std::string_view text) const;

private:
    std::string m_pattern;   // the mask character at input positions, 8 at literals
    std::string m_literals;  // the literal at literal positions, 8 at input positions
};
