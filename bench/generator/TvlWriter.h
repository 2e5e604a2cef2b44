#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// Library files as an agency publishes a letting, for the tests, the sample and the fuzz seeds:
// the program itself only reads them.

struct TvlMemberFile {
    std::string m_strFileName;
    std::string m_strDescription;
    std::string m_bytes;
    uint32_t m_dwTimeStamp = 0; // in the library version's form (see DosTimeStamp)
};

struct TvlLibraryContents {
    std::string m_strTitle;
    int16_t m_nVersion = 101;
    std::vector<TvlMemberFile> m_members;
};

// The library's bytes: header, fields and title, then each member's entry and data block.
std::string MakeTvlLibrary(const TvlLibraryContents& contents);

// A local time as the MS-DOS date and time of libraries before version 101.
uint32_t DosTimeStamp(std::time_t time);
