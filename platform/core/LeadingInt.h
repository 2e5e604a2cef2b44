#pragma once

#include <string_view>

// The leading decimal integer of a text, as the old atoi read it (blanks, a sign, digits; 0 when
// none), saturated at the int range instead of overflowing.
int ParseLeadingInt(std::string_view text);
