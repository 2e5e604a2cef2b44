#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A print format from a template applied to a 32-bit value as printf would: literal text and
// "%%", and at most one integer conversion (d, i, u, o, x or X, with flags, a width and a
// precision of at most 512, and length letters). Nothing else is let through to printf:
// nullopt for a format that asks for more.
std::optional<std::string> FormatInteger(std::string_view format, uint32_t value);
