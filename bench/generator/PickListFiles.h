#pragma once

#include <string>

// The pick lists that the miscellaneous forms of a generated proposal read from files beside the
// proposal, as an agency ships them with its lettings: a text list and a ".BIN" list of
// compressed records.
inline constexpr const char* kPlantListFile = "PLANTS.TXT";
inline constexpr const char* kSignerTitleListFile = "TITLES.BIN";

// Writes both into the folder; false with `error` naming the file and what went wrong.
bool WritePickListFiles(const std::string& folder, std::string& error);
