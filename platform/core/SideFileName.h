#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The path of a hidden helper file beside `target`: ".<name><suffix>" in the target's folder.
// A name the file system takes must not make its helper's too long: the name is cut (never inside
// a UTF-8 character) so that the whole helper name fits the folder's name limit.
std::string SideFilePath(const std::string& target, std::string_view suffix);

// The same, for a file system whose names hold at most `nameMax` bytes.
std::string SideFileName(std::string_view fileName, std::string_view suffix, std::size_t nameMax);

} // namespace platform
