#pragma once

// The summary blocks under the bond and firm forms: rows of static texts in a frame, each row
// 7/4 character heights below the one before, every text one and a half characters high and
// half a character apart. The block is centred on one of its boxes.
#include "platform/ui/window/WinTypes.h"

#include <memory>
#include <vector>

class CFont;
class CWnd;

struct SummaryText {
    UINT id;
    int widthChars;
    DWORD style;      // SS_* alignment, SS_SUNKEN for a value box
    const char* text; // null: empty
};

struct SummaryRow {
    int stepsDown;    // rows of 7/4 character heights from the row before
    int indentChars;  // from the margin
    bool framed;      // inside the frame
    std::vector<SummaryText> texts;
};

// The frame of a block.
inline constexpr UINT kSummaryFrameId = 1092;

using CreatedWindows = std::vector<std::unique_ptr<CWnd>>;

// Makes the frame and the rows as children of the window, from the top of its client area, in
// the font; the new windows join `created`.
void BuildSummaryBlock(CWnd* window, CreatedWindows& created, CFont* font, int cx, int cy,
                       const std::vector<SummaryRow>& rows);

// Moves the block down to top (-1: where it is) and centres it: width is the larger of
// minWidth and contentWidth plus the margin; the frame ends a margin short of it and the
// anchor box's right edge falls on its middle.
void LayoutSummaryBlock(CWnd* window, const std::vector<SummaryRow>& rows, UINT anchorId, int top,
                        int minWidth, int contentWidth);

// The bottom of the block's lowest text shown, and the block's height from its frame's top; 0
// when the window has no block.
int SummaryBlockBottom(CWnd* window, const std::vector<SummaryRow>& rows);
int SummaryBlockHeight(CWnd* window, const std::vector<SummaryRow>& rows);
