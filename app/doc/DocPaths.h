#pragma once

// Parts of a file path as the document's commands need them.
#include <string>

// The part after the last '/'.
std::string FileNameOf(const std::string& path);
// The file name before its extension (the whole name when it has none).
std::string BaseNameOf(const std::string& path);
// The file name's extension without its dot; empty when the name has none.
std::string ExtensionOf(const std::string& path);
// The folder, without a trailing '/'; empty for a bare name.
std::string FolderOf(const std::string& path);
// Whether the file name ends in ".tvl", in any case.
bool IsLibraryPath(const std::string& path);
