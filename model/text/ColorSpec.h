#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Colours are 0x00BBGGRR values.
using ColorRef = uint32_t;

constexpr ColorRef MakeColorRef(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | ColorRef(green & 0xFF) << 8 | ColorRef(blue & 0xFF) << 16;
}

// The system colours a colour text may name (-1 window, -2 button face). Plain defaults here;
// the GUI layer may set the real ones.
struct SystemColors {
    ColorRef window = MakeColorRef(255, 255, 255);
    ColorRef buttonFace = MakeColorRef(240, 240, 240);
};
SystemColors& CurrentSystemColors();

// "red,green,blue" in decimal.
std::string FormatColorSpec(ColorRef color);

// Up to four comma-separated integers: -1 the window colour, -2 the button face, -3 and -4 two
// fixed blues; otherwise red, green and blue, each modulo 256.
ColorRef ParseColorSpec(std::string_view text);
