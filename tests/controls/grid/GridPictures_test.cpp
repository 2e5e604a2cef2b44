// The grid drawn as a bidder sees it, one picture per group of cell types, compared with
// reference pictures: borders, alignment, colours, text running on, a selection, the current
// cell, headings. ZOD_WRITE_PICTURES=<folder> keeps the pictures drawn, to look at or to take
// as references.
#include <QDir>
#include <QImage>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

#include "platform/ui/draw/SystemMetrics.h"
#include "tests/controls/grid/GridWindow.h"
#include "tests/support/PictureMatch.h"

namespace {

const QString kPictures = QString(ZOD_FIXTURES) + "/pictures/";

using Fill = std::function<void(CGridCtrl&)>;

void Headings(CGridCtrl& grid, std::initializer_list<const char*> titles)
{
    int column = 0;
    for (const char* title : titles)
        grid.QuickSetText(column++, -1, title);
    for (int row = 0; row < grid.GetRowCount(); ++row)
        grid.QuickSetText(-1, row, std::to_string(row + 1).c_str());
}

void Set(CGridCtrl& grid, int column, int row, const std::function<void(CGridCell&)>& change)
{
    CGridCell cell;
    grid.ReadDataSourceCell(column, row, &cell);
    change(cell);
    grid.SetCell(column, row, &cell);
}

// Texts: alignments, colours, a bold font, borders, a long description running on, an ellipsis,
// a wrapped note, a joined row, and a selected block.
void Texts(CGridCtrl& grid)
{
    grid.SetMultiSelectMode(1);
    Headings(grid, {"Item", "Description", "Quantity", "Unit", "Unit Price"});
    const int bold = grid.AddFont("Arial", -12, 700);
    const char* items[] = {"0110-01", "0210-02", "0340-05", "0500-01"};
    const char* prices[] = {"12.50", "1,204.00", "", "0.75"};
    for (int row = 0; row < 4; ++row) {
        grid.QuickSetText(0, row, items[row]);
        grid.QuickSetText(2, row, row == 3 ? "" : "1,250.000");
        grid.QuickSetText(3, row, "CY");
        grid.QuickSetText(4, row, prices[row]);
        Set(grid, 2, row, [](CGridCell& c) { c.SetAlignment(2); });
        Set(grid, 3, row, [](CGridCell& c) { c.SetAlignment(4); });
        Set(grid, 4, row, [](CGridCell& c) { c.SetAlignment(2); c.SetBackColor(RGB(255, 255, 204)); });
    }
    grid.QuickSetText(1, 0, "Excavation, unclassified, including haul");
    grid.QuickSetText(1, 1, "Crushed aggregate base course, class 2, compacted in place");
    Set(grid, 1, 1, [](CGridCell& c) { c.SetCellTypeEx(4); });
    grid.QuickSetText(1, 2, "Asphalt");
    grid.QuickSetText(1, 3, "Traffic control, signs and barricades");
    Set(grid, 1, 2, [&](CGridCell& c) { c.SetFont(grid.GetFont(bold)); c.SetTextColor(RGB(160, 0, 0)); });
    Set(grid, 0, 4, [](CGridCell& c) { c.SetText("Alternate A: joined across the row"); c.SetJoinInfo(1, 4, 0); });
    for (int column = 1; column < 5; ++column)
        Set(grid, column, 4, [column](CGridCell& c) { c.SetJoinInfo(0, -column, 0); });
    Set(grid, 0, 5, [](CGridCell& c) { c.SetText("Sunken"); c.SetBorderStyle(0x1000); });
    Set(grid, 1, 5, [](CGridCell& c) { c.SetText("Raised"); c.SetBorderStyle(0x2000); c.SetBackColor(GetSysColor(COLOR_BTNFACE)); });
    Set(grid, 2, 5, [](CGridCell& c) { c.SetText("Double"); c.SetBorderStyle(0xF0); c.SetAlignment(4 | 0x20); });
    Set(grid, 3, 5, [](CGridCell& c) { c.SetText("Wrapped note text"); c.SetCellTypeEx(2); });
    Set(grid, 4, 5, [](CGridCell& c) { c.SetText("Bottom"); c.SetAlignment(2 | 0x10); });
    grid.SetRowHeight(5, 34);
    grid.SetColumnWidth(1, 150);
    grid.GotoCell(4, 0);
    grid.SelectRange(2, 2, 4, 3);
}

// Drop lists, with and without their button, the current one pressed open.
void DropLists(CGridCtrl& grid)
{
    Headings(grid, {"Unit", "Kind", "Note"});
    const char* units[] = {"CY", "SY", "LF", "EA"};
    for (int row = 0; row < 4; ++row) {
        grid.QuickSetText(0, row, units[row]);
        grid.QuickSetCellType(0, row, GRID_CELLTYPE_DROPLIST);
        grid.QuickSetLabelText(0, row, "CY\nSY\nLF\nEA\n");
        grid.QuickSetText(1, row, row % 2 ? "Lump sum" : "Unit price");
        grid.QuickSetCellType(1, row, GRID_CELLTYPE_DROPLIST);
        grid.QuickSetCellTypeEx(1, row, 0x200);
    }
    grid.GotoCell(1, 2);
}

// Check boxes: plain, flat and sunken boxes, ticks and crosses, a read-only one, labels.
void CheckBoxes(CGridCtrl& grid)
{
    Headings(grid, {"Use", "Flat", "Sunken cross"});
    const int styles[] = {0, 0x200, 0x1100};
    for (int column = 0; column < 3; ++column) {
        grid.SetColumnWidth(column, 110);
        for (int row = 0; row < 4; ++row) {
            Set(grid, column, row, [&](CGridCell& c) {
                c.SetBool(row % 2 == 0);
                c.SetCellType(GRID_CELLTYPE_CHECKBOX);
                c.SetCellTypeEx(styles[column]);
                c.SetLabelText("Use this item");
                c.SetReadOnly(row == 3);
            });
        }
    }
    grid.GotoCell(0, 1);
}

// Arrows of the four kinds, plain and on the current row.
void Arrows(CGridCtrl& grid)
{
    Headings(grid, {"Next", "Back", "Last", "First"});
    const int styles[] = {0x10, 0x20, 0x40, 0x80};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row)
            Set(grid, column, row, [&](CGridCell& c) { c.SetCellType(GRID_CELLTYPE_ARROW); c.SetCellTypeEx(styles[column]); });
    grid.SetHighlightRow(1);
    grid.GotoCell(0, 1);
}

struct Picture {
    const char* name;
    int columns;
    int rows;
    int width;
    int height;
    Fill fill;
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << picture.name;
}

class GridPicture : public ::testing::TestWithParam<Picture> {};

}  // namespace

TEST_P(GridPicture, LooksAsItsReference)
{
    const Picture& picture = GetParam();
    GridWindow<CGridCtrl> window(picture.columns, picture.rows, picture.width, picture.height);
    REQUIRE_FOCUS(window);
    picture.fill(window.grid);
    window.grid.RecalcLayout();
    window.grid.RedrawAll();
    window.grid.GetCellArea()->SetFocus();
    ASSERT_TRUE(window.grid.GetCellArea()->HasFocus());
    const QImage image = window.grid.GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QString("grid-%1.png").arg(picture.name);
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        image.save(QDir(folder).filePath(name));
    EXPECT_TRUE(testsupport::MatchesPicture(image, QImage(kPictures + name)));
}

INSTANTIATE_TEST_SUITE_P(CellTypes, GridPicture,
                         ::testing::Values(Picture{"text", 5, 6, 530, 174, Texts},
                                           Picture{"droplist", 3, 4, 290, 104, DropLists},
                                           Picture{"checkbox", 3, 4, 375, 104, CheckBoxes},
                                           Picture{"arrow", 4, 3, 345, 84, Arrows}),
                         [](const auto& info) { return std::string(info.param.name); });
