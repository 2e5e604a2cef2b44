#pragma once

#include <string>
#include <string_view>

// Results of ExtractTvlMember.
enum TvlExtractResult : int {
    kTvlExtracted = 0,
    kTvlExtractCannotOpen = 1,   // the library cannot be opened
    kTvlExtractCannotRead = 2,   // an entry or a data block cannot be read whole
    kTvlExtractNoMatch = 3,
    kTvlExtractCannotCreate = 4, // an output file cannot be written
    kTvlExtractExists = 5,       // an output file is there already and may not be replaced
    kTvlExtractBadName = 6,      // a matching member's name is not a plain file name
    kTvlExtractedBeforeDamage = 7, // members were copied whole; the library is damaged after them
};

// Whether the result left the matching members beside the library whole.
inline bool TvlMembersExtracted(int result)
{
    return result == kTvlExtracted || result == kTvlExtractedBeforeDamage;
}

// Whether extracting may replace a file of the member's name: the caller asks the user.
enum class TvlExisting { Refuse, Replace };

// Where a member goes: the library's folder and the member's file name (Windows-1252, as the
// library holds it, made UTF-8 for the file system).
std::string TvlMemberPath(const std::string& libraryPath, std::string_view memberName);

// Copies every member whose file name matches one of the ";"-separated wildcard patterns (case
// ignored) into the library's folder. A member name is a file name, never a path. Each copy goes
// to a temporary file first and takes the member's name only once complete. Stops at the first
// failure; members copied before it stay, and when the library cannot be read on after them the
// result says so. A TvlExtractResult; the library error says more.
int ExtractTvlMember(const std::string& libraryPath, std::string_view patterns, TvlExisting existing);
// The same into another folder.
int ExtractTvlMemberInto(const std::string& libraryPath, std::string_view patterns, const std::string& folder,
                         TvlExisting existing);
