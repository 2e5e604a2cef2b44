#pragma once

#include <optional>
#include <string>
#include <string_view>

// Strict base64 decoding (RFC 4648 alphabet): the text's length must be a multiple of four,
// '=' may only pad the last group, and any other character makes the text invalid.
std::optional<std::string> DecodeBase64(std::string_view text);
