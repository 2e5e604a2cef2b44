#pragma once

#include <cstddef>
#include <string>

// The expanded stream of a firm pick list without its count: entries of a firm ID, a name and an
// address, each ended by a NUL, with the repeats of real lists. The same for the same arguments.
std::string GeneratePickListText(std::size_t entries, unsigned seed);
