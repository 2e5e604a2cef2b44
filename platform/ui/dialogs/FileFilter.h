#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One entry of a "Description|patterns|...||" filter string.
struct FileFilterEntry {
    std::string description;
    std::vector<std::string> patterns; // "*.txt", split at ';'
};

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);

// The entry as a Qt name filter, each pattern named once: "Proposal Files (*.tvb)". Qt's own
// file dialog matches it ignoring case, as the program's users expect of "*.TVB"; "*.*" also
// matches names without a dot.
std::string QtNameFilter(const FileFilterEntry& entry);

// The extension for a name typed without one under the chosen type (null: none chosen): the
// type's own when it names exactly one ("*.TAB" gives "TAB"), else the default. Without a
// default, none.
std::string ExtensionForType(const FileFilterEntry* type, std::string_view defaultExtension);

// The name with the default extension added when it has none ("" leaves it as it is).
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

} // namespace platform
