#pragma once

#include <span>
#include <string_view>

// The unit rows a new installation starts with, as stored: unit, alternate unit, conversion
// formula and description joined by ",". Their factors are data the agencies' formulas may rely
// on; they stay as the program always had them.
std::span<const std::string_view> DefaultUnitRows();
