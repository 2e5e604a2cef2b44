#pragma once

#include <optional>
#include <string>
#include <string_view>

class CProfileStore;

// The settings groups below the program's base key.
inline constexpr std::string_view kBidderGroup = "Bidder";
inline constexpr std::string_view kBidderIdsKey = "IDS"; // below "Bidder"
inline constexpr std::string_view kBidderIdsGroup = "Bidder\\IDS";
inline constexpr std::string_view kExportFormatGroup = "IO\\Export";
inline constexpr std::string_view kImportFormatGroup = "IO\\Import";
inline constexpr std::string_view kUnitsGroup = "Units";
inline constexpr std::string_view kProxyGroup = "Proxy";
inline constexpr std::string_view kUrlGroup = "URL";
inline constexpr std::string_view kDirectoriesGroup = "Directories";

// What a group's loader does when its values are missing: write the defaults into the store (the
// program's own settings), or only take them in memory (a configuration file being imported,
// which is read and never changed).
enum class DefaultsPolicy { Write, InMemory };

// Opens the group below the program's base key; an empty name opens the base key itself.
bool OpenSettingsGroup(CProfileStore& store, std::string_view group);

// The value of the open group when it is there and not empty.
std::optional<std::string> ReadNonEmptyValue(CProfileStore& store, std::string_view name);
