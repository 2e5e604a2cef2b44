#pragma once

#include <string>
#include <string_view>

// Texts of proposal records are Windows-1252 bytes. An absent text and an empty one are the same
// value, so std::string needs no separate null state; equality is byte for byte, case-sensitive.
inline bool TextsEqual(std::string_view a, std::string_view b) { return a == b; }

// In an amendment record a text holding only the byte 1 means "the current value stays".
inline constexpr std::string_view kUnchangedText{"\x01", 1};

inline bool IsUnchangedMarker(std::string_view text) { return text == kUnchangedText; }

// A record moved whole from an amendment must not carry the marker into the proposal.
inline void StripUnchangedMarker(std::string& text)
{
    if (IsUnchangedMarker(text))
        text.clear();
}
