#include "controls/grid/GridCell.h"

#include <gtest/gtest.h>

#include "platform/ui/draw/SystemMetrics.h"

TEST(GridCell, UnsetPropertiesReadAsTheirDefaults)
{
    CGridCell cell;
    EXPECT_EQ(cell.GetPropertyMask(), 0u);
    EXPECT_EQ(cell.GetText(), nullptr);
    EXPECT_EQ(cell.GetTextLength(), 0);
    EXPECT_EQ(cell.GetExtraData(), nullptr);
    EXPECT_EQ(cell.GetDataType(), GRID_TYPE_TEXT);
    EXPECT_EQ(cell.GetTextColor(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(cell.GetBackColor(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(cell.GetHighlightTextColor(), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(cell.GetHighlightBackColor(), GetSysColor(COLOR_HIGHLIGHT));
    std::string label = "kept";
    EXPECT_EQ(cell.GetLabelText(&label), 1);
    EXPECT_EQ(label, "kept");
    short origin;
    int columns, rows;
    EXPECT_EQ(cell.GetJoinInfo(&origin, &columns, &rows), 1);
    cell.SetReadOnly(7);
    EXPECT_EQ(cell.GetReadOnly(), 1);
}

TEST(GridCell, TextNumberAndBoolSetTextAndDataType)
{
    CGridCell cell;
    cell.SetText(static_cast<const char*>(nullptr));
    EXPECT_STREQ(cell.GetText(), "");
    EXPECT_EQ(cell.GetPropertyMask(), GridCellBits::Text | GridCellBits::DataType);

    cell.SetNumber(2.5);
    EXPECT_STREQ(cell.GetText(), "2.500000");
    EXPECT_EQ(cell.GetDataType(), GRID_TYPE_NUMBER);
    cell.SetDecimals(2);
    cell.SetNumber(2.5);
    EXPECT_STREQ(cell.GetText(), "2.50");
    cell.SetDecimals(0);
    cell.SetNumber(-1234.5);
    EXPECT_STREQ(cell.GetText(), "-1234");  // round half to even, as printf does
    cell.SetDecimals(-3);
    cell.SetNumber(1e300);
    EXPECT_EQ(std::string(cell.GetText()).size(), 301u + 7u);

    cell.SetBool(true);
    EXPECT_STREQ(cell.GetText(), "1");
    EXPECT_EQ(cell.GetDataType(), GRID_TYPE_BOOL);
}

TEST(GridCell, ReadsTextAsBooleanAndNumber)
{
    const struct {
        const char* text;
        bool boolean;
        double number;
    } cases[] = {
        {"t", true, 0.0},      {"True", true, 0.0},    {"7", true, 7.0},    {"0", false, 0.0},
        {"", false, 0.0},      {"false", false, 0.0},  {"  -2.5e1x", true, -25.0},
        {"+3", true, 3.0},     {"--3", false, 0.0},    {"0.000", false, 0.0},
    };
    for (const auto& c : cases) {
        CGridCell cell;
        cell.SetText(c.text);
        EXPECT_EQ(cell.GetBool(), c.boolean) << c.text;
        EXPECT_DOUBLE_EQ(cell.GetNumber(), c.number) << c.text;
    }
    CGridCell noText;
    EXPECT_FALSE(noText.GetBool());
    EXPECT_EQ(noText.GetNumber(), 0.0);
}

TEST(GridCell, ExactCopyReplacesTheMaskAndMergeKeepsWhatTheSourceLacks)
{
    CGridCell source;
    source.SetBackColor(RGB(9, 9, 9));
    source.SetMask("999");
    source.SetCellType(2);
    source.SetCellTypeEx(0x1100);
    const uint32_t sourceMask =
        GridCellBits::BackColor | GridCellBits::Mask | GridCellBits::CellType | GridCellBits::CellTypeEx;

    CGridCell exact;
    exact.SetText("old");
    exact.SetAlignment(2);
    exact.CopyFrom(source);
    EXPECT_EQ(exact.GetPropertyMask(), sourceMask);
    EXPECT_EQ(exact.GetText(), nullptr);
    EXPECT_EQ(exact.GetBackColor(), RGB(9, 9, 9));
    EXPECT_STREQ(exact.GetMask(), "999");
    EXPECT_EQ(exact.GetCellType(), 2);
    EXPECT_EQ(exact.GetCellTypeEx(), 0x1100);

    CGridCell merged;
    merged.SetText("old");
    merged.SetBackColor(RGB(1, 1, 1));
    merged.AddFrom(source);
    EXPECT_STREQ(merged.GetText(), "old");
    EXPECT_EQ(merged.GetBackColor(), RGB(9, 9, 9));  // set in the source: the source wins

    CGridCell target;
    source.AddTo(&target);
    source.CopyTo(&target);
    EXPECT_EQ(target.GetPropertyMask(), sourceMask);
}

TEST(GridCell, ExtraDataIsOwnedAndDuplicatedOnCopy)
{
    CGridCell cell;
    const char bytes[] = {'a', '\0', 'b'};
    cell.SetExtraData(bytes, sizeof bytes);
    CGridCell copy;
    copy.SetExtraData("zzzzzz", 6);
    copy.CopyFrom(cell);
    ASSERT_EQ(copy.GetExtraDataLength(), 3u);
    EXPECT_NE(copy.GetExtraData(), cell.GetExtraData());
    EXPECT_EQ(std::string(static_cast<const char*>(copy.GetExtraData()), 3), std::string(bytes, 3));

    cell.ClearAll();
    EXPECT_EQ(cell.GetPropertyMask(), 0u);
    EXPECT_EQ(cell.GetExtraData(), nullptr);
    EXPECT_EQ(copy.GetExtraDataLength(), 3u);

    copy.CopyFrom(copy);  // a copy onto itself keeps everything
    EXPECT_EQ(copy.GetExtraDataLength(), 3u);
}

TEST(GridCell, JoinInformationTravelsAsThreeFields)
{
    CGridCell origin;
    origin.SetJoinInfo(1, 3, 2);
    CGridCell copy;
    copy.AddFrom(origin);
    short flag;
    int columns, rows;
    ASSERT_EQ(copy.GetJoinInfo(&flag, &columns, &rows), 0);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(columns, 3);
    EXPECT_EQ(rows, 2);
}
