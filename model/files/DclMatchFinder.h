#pragma once

#include "model/files/DclWorkArea.h"

#include <cstddef>

struct CDclMatch {
    std::size_t m_length = 0;
    std::size_t m_distance = 0; // 1 is the byte just before
};

// Finds earlier occurrences of the bytes at a window position through the hash of their first two
// bytes (4 x first + 5 x second): the positions of a stretch of the window are sorted by hash,
// each hash's positions in window order, so a position's candidates are the ones listed just
// before it.
class CDclMatchFinder {
public:
    CDclMatchFinder(CDclImplodeArea& area, std::size_t dictionarySize)
        : m_area(area), m_dictionarySize(dictionarySize)
    {
    }

    // Lists the positions from..to-1; each needs a following byte in the window.
    void Index(std::size_t from, std::size_t to);

    // The longest earlier match of at most `longest` bytes within the dictionary, nearest first;
    // the search ends at the first match longer than 10. A position not listed has none.
    CDclMatch Find(std::size_t at, std::size_t longest) const;

private:
    std::size_t HashAt(std::size_t at) const
    {
        return 4u * m_area.m_window[at] + 5u * m_area.m_window[at + 1];
    }
    std::size_t MatchLength(std::size_t at, std::size_t earlier, std::size_t longest) const;

    CDclImplodeArea& m_area;
    std::size_t m_dictionarySize;
    std::size_t m_from = 0;
    std::size_t m_to = 0;
};
