// The default cell drawing read from a recording device context: text running on into empty
// neighbours and where it must not, cut texts, border groups, boxes and bitmaps of no size.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

namespace {

// Columns of 75; texts written through the grid into its memory source.
class Drawing : public ::testing::Test {
protected:
    Drawing()
    {
        grid.SetColumnCount(4, 0);
        grid.SetRowCount(2, 0);
    }
    // The recorded text outputs of one cell, drawn by its type.
    std::vector<std::string> Texts(int column, int row)
    {
        CRecordingDC dc;
        CGridCell cell;
        grid.GetCell(column, row, &cell);
        CRect rect(75 * column, 20 * row, 75 * column + 75, 20 * row + 20);
        grid.GetCellType(cell.GetCellType())->OnDraw(&dc, &rect, column, row, &cell, 0, 0);
        std::vector<std::string> texts;
        for (const std::string& line : dc.Recording())
            if (line.starts_with("ExtTextOut") || line.starts_with("DrawText"))
                texts.push_back(line);
        return texts;
    }
    static bool Shows(const std::vector<std::string>& texts, const std::string& text)
    {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& line) { return line.ends_with("\"" + text + "\""); });
    }

    CGridCtrl grid;
    const std::string longText = "Crushed aggregate base course, class 2";
};

}  // namespace

TEST_F(Drawing, ALongTextRunsOnIntoTheEmptyCellsToItsRight)
{
    grid.QuickSetText(0, 0, longText.c_str());
    const auto next = Texts(1, 0);
    ASSERT_TRUE(Shows(next, longText));
    // Started where the text starts in its own cell: 75 pixels left of this one.
    EXPECT_TRUE(next.front().starts_with("ExtTextOut " + std::to_string(75 + 4 - 75) + ",")) << next.front();
    EXPECT_FALSE(Shows(Texts(3, 0), longText));  // the text ends before column 3
}

TEST_F(Drawing, TextDoesNotRunOnWhereTheCellOrItsSourceForbidsIt)
{
    grid.QuickSetText(0, 0, longText.c_str());
    grid.QuickSetText(0, 1, longText.c_str());
    CGridCell rightAligned;
    grid.ReadDataSourceCell(0, 1, &rightAligned);
    rightAligned.SetAlignment(2);
    grid.SetCell(0, 1, &rightAligned);
    EXPECT_FALSE(Shows(Texts(1, 1), longText));  // set to the right: it runs left, not on

    grid.QuickSetText(1, 0, "own");
    EXPECT_FALSE(Shows(Texts(1, 0), longText));
    grid.QuickSetText(1, 0, "");
    grid.QuickSetCellType(1, 0, GRID_CELLTYPE_DROPLIST);
    EXPECT_FALSE(Shows(Texts(1, 0), longText));
    grid.QuickSetCellType(1, 0, GRID_CELLTYPE_NORMAL);
    grid.QuickSetCellTypeEx(1, 0, 4);
    EXPECT_FALSE(Shows(Texts(1, 0), longText));
    grid.QuickSetCellTypeEx(1, 0, 0);
    ASSERT_TRUE(Shows(Texts(1, 0), longText));
    grid.GetGridInfo()->m_cellOverlap = 0;
    EXPECT_FALSE(Shows(Texts(1, 0), longText));
}

TEST_F(Drawing, AnEllipsisCutsOnlyATextThatLeavesLessThanSixPixels)
{
    CDC measure;
    const std::string text = "Excavation";
    const int width = measure.GetTextExtent(text).cx;
    CGridCell cell;
    cell.SetText(text);
    cell.SetCellTypeEx(4);
    CGridCellType& type = *grid.GetCellType(0);
    for (const int room : {width + 6, width + 5}) {
        CRecordingDC dc;
        CRect rect(0, 0, room, 20);
        type.DrawText(&dc, &rect, 0, 0, 0, &cell, 0, 0);
        const bool cut = dc.Recording().back().ends_with("\"...\"");
        EXPECT_EQ(cut, room == width + 5) << room;
    }
}

// A figure cut at its left would read as a smaller amount: one without room is all "#", a
// heading keeps its right end.
TEST_F(Drawing, AFigureSetToTheRightWithoutRoomShowsHashesNeverItsRightEnd)
{
    CDC measure;
    const std::string figure = "EUR 10,000,000,125.60";
    const int width = measure.GetTextExtent(figure).cx + grid.GetGridInfo()->m_textMargin;
    CGridCell cell;
    cell.SetText(figure);
    cell.SetAlignment(2);
    CGridCellType& type = *grid.GetCellType(0);
    const auto drawn = [&](int room, int row) {
        CRecordingDC dc;
        CRect rect(0, 0, room, 20);
        type.DrawText(&dc, &rect, 0, 0, row, &cell, 0, 0);
        return dc.Recording().back();
    };
    EXPECT_TRUE(drawn(width, 0).ends_with("\"" + figure + "\"")) << drawn(width, 0);
    for (const int room : {width - 1, 40, 3}) {
        const std::string line = drawn(room, 0);
        EXPECT_EQ(line.find_first_of("0123456789", line.find('"')), std::string::npos) << room << ": " << line;
    }
    EXPECT_NE(drawn(40, 0).find("\"####"), std::string::npos) << drawn(40, 0);
    EXPECT_TRUE(drawn(40, -1).ends_with("\"" + figure + "\""));
}

TEST_F(Drawing, EachSideTakesTheInsetOfTheLastBorderGroupDrawnOnIt)
{
    CGridCellType& type = *grid.GetCellType(0);
    CRecordingDC dc;
    const CRect rect(0, 0, 50, 20);
    const auto inner = [&](short style, int edge) {
        grid.GetGridInfo()->m_edgeWidth = edge;
        CGridCell cell;
        cell.SetBorderStyle(style);
        CRect result;
        type.DrawBorder(&dc, &rect, &cell, &result);
        return result;
    };
    EXPECT_EQ(inner(0, 1), CRect(0, 0, 49, 19));            // grid lines close the right and bottom
    EXPECT_EQ(inner(0x1 | 0x10, 1), CRect(2, 0, 49, 19));   // single then double on the left
    EXPECT_EQ(inner(0x100 | 0x8, 1), CRect(3, 0, 49, 19));  // a triple left, a single bottom
    EXPECT_EQ(inner(0x1000, 2), CRect(2, 2, 48, 18));        // sunken: no grid lines, both edges
    grid.EnableGridLines(0);
    CGridCell plain;
    CRect result;
    type.DrawBorder(&dc, &rect, &plain, &result);
    EXPECT_EQ(result, rect);
}

TEST_F(Drawing, BoxesAndBitmapsWithoutRoomDrawNothingAndDivideByNothing)
{
    EXPECT_EQ(CGridCheckBoxType::BoxOf(CRect(0, 0, 75, 20)), CRect(3, 4, 15, 16));
    EXPECT_EQ(CGridCheckBoxType::BoxOf(CRect(0, 0, 75, 40)).Width(), 12);
    CGridCell cell;
    cell.SetBool(true);
    CRecordingDC dc;
    CRect low(0, 0, 75, 10);  // a box of 4 pixels is not drawn
    grid.GetCellType(GRID_CELLTYPE_CHECKBOX)->OnDraw(&dc, &low, 0, 0, &cell, 0, 0);
    for (const std::string& line : dc.Recording())
        EXPECT_FALSE(line.starts_with("Rectangle")) << line;

    CBitmap empty;
    empty.CreateBitmap(0, 0, 1, 32, nullptr);
    CRecordingDC bitmapDC;
    CRect rect(0, 0, 40, 20);
    EXPECT_EQ(grid.GetCellType(0)->DrawBitmap(&bitmapDC, &empty, &rect, 0), empty.GetSize().cy > 0 ? 5 : 0);
    CRect tiny(0, 0, 3, 3);
    CBitmap picture;
    picture.CreateBitmap(16, 16, 1, 32, nullptr);
    EXPECT_EQ(grid.GetCellType(0)->DrawBitmap(&bitmapDC, &picture, &tiny, 0), 0);
    CRect shorter(0, 0, 40, 12);  // 8 pixels high: the bitmap shrinks to 8 by 8
    EXPECT_EQ(grid.GetCellType(0)->DrawBitmap(&bitmapDC, &picture, &shorter, 0), 12);
}

// Every x of the recorded drawing: the points of lines and texts, both edges of rectangles.
std::vector<int> DrawnXs(const std::vector<std::string>& recording)
{
    std::vector<int> xs;
    for (const std::string& line : recording) {
        std::size_t at = 0;
        while ((at = line.find_first_of("-0123456789", at)) != std::string::npos) {
            std::size_t end = line.find_first_not_of("-0123456789,", at);
            const std::string token = line.substr(at, end == std::string::npos ? end : end - at);
            at = end;
            std::vector<int> numbers;
            for (std::size_t from = 0; from <= token.size();) {
                const std::size_t comma = std::min(token.find(',', from), token.size());
                numbers.push_back(std::stoi(token.substr(from, comma - from)));
                from = comma + 1;
            }
            if (numbers.size() == 2 || numbers.size() == 4)
                xs.push_back(numbers[0]);
            if (numbers.size() == 4)
                xs.push_back(numbers[2]);
        }
    }
    return xs;
}

TEST_F(Drawing, ADropListNarrowerThanItsButtonPaintsNothingLeftOfItsCell)
{
    grid.QuickSetText(1, 0, "CY");
    grid.QuickSetCellType(1, 0, GRID_CELLTYPE_DROPLIST);
    CGridCell cell;
    grid.GetCell(1, 0, &cell);
    for (const int width : {4, 10, 18, 30}) {
        CRecordingDC dc;
        CRect rect(75, 0, 75 + width, 20);
        grid.GetCellType(GRID_CELLTYPE_DROPLIST)->OnDraw(&dc, &rect, 1, 0, &cell, 0, 1);
        ASSERT_FALSE(dc.Recording().empty());
        for (const int x : DrawnXs(dc.Recording()))
            EXPECT_GE(x, 75) << "cell " << width << " wide: " << ::testing::PrintToString(dc.Recording());
    }
}
