// Field places from the proposal file: a sound form lays out as its geometry says; an absurd
// one is still laid out, every field of a usable size inside the form.
#include "app/forms/TemplateGeometry.h"
#include "model/records/FieldInfo.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr FormMetrics kMetrics{8, 16, 26, 2, 2, 2};

CFieldInfo Field(int x, int y, int width, int height)
{
    CFieldInfo field;
    field.m_iX = x;
    field.m_iY = y;
    field.m_iWidth = width;
    field.m_iHeight = height;
    return field;
}

int Measure(std::string_view text)
{
    return int(text.size()) * 6;
}

::testing::AssertionResult Usable(const CRect& rect)
{
    if (rect.left < 0 || rect.top < 0 || rect.right > kMaxFormPixels || rect.bottom > kMaxFormPixels)
        return ::testing::AssertionFailure() << "outside the form";
    if (rect.Width() < 1 || rect.Height() < 1)
        return ::testing::AssertionFailure() << "no size";
    return ::testing::AssertionSuccess();
}

struct Corruption {
    const char* name;
    int x, y, width, height;
};

const Corruption kCorruptions[] = {
    {"zero size", 10, 2, 0, 0},
    {"negative size", 10, 2, -40, -12},
    {"negative place", -500, -300, 20, 10},
    {"far right", INT_MAX, 3, 20, 10},
    {"far down", 4, INT_MAX, 20, 10},
    {"huge size", 0, 0, INT_MAX, INT_MAX},
    {"everything smallest", INT_MIN, INT_MIN, INT_MIN, INT_MIN},
};

class AbsurdGeometry : public ::testing::TestWithParam<Corruption> {};

} // namespace

TEST_P(AbsurdGeometry, InDialogUnitsTheFieldStaysUsableInsideTheForm)
{
    const Corruption& c = GetParam();
    EXPECT_TRUE(Usable(DialogUnitRect(Field(c.x, c.y, c.width, c.height), kMetrics))) << c.name;
}

TEST_P(AbsurdGeometry, OnTheCharacterGridTheFieldStaysUsableInsideTheForm)
{
    const Corruption& c = GetParam();
    CTextLayout layout(kMetrics, Measure);
    const CRect placed = layout.Place(Field(c.x, c.y, c.width, c.height), std::string(300, 'x'));
    EXPECT_TRUE(Usable(placed)) << c.name;
    layout.Made(placed);
    EXPECT_TRUE(Usable(layout.Place(Field(c.x, c.y, c.width, c.height), "Label:"))) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Fields, AbsurdGeometry, ::testing::ValuesIn(kCorruptions));

TEST(TemplateGeometry, DialogUnitsAreQuarterCharactersAcrossAndEighthsDown)
{
    const CRect rect = DialogUnitRect(Field(40, 16, 20, 8), kMetrics);
    EXPECT_EQ(rect, CRect(80, 32, 120, 48));
}

TEST(TemplateGeometry, AZeroDialogUnitHeightIsTheDefaultHeight)
{
    EXPECT_EQ(DialogUnitRect(Field(0, 0, 4, 0), kMetrics).Height(), kDefaultDialogUnitHeight * 16 / 8);
}

TEST(TemplateGeometry, AFieldStandsAfterItsLinesTextAndTheNextAfterTheFirst)
{
    CTextLayout layout(kMetrics, Measure);
    const std::string line = "Name:          Amount:";
    const CRect name = layout.Place(Field(6, 2, 8, 0), line);
    EXPECT_EQ(name.top, 2 * 26);
    EXPECT_GE(name.left, 8 + 5 * 6 + 2);
    EXPECT_EQ(name.Width(), 8 * 8 + 4);
    layout.Made(name);
    const CRect amount = layout.Place(Field(22, 2, 10, 0), line);
    EXPECT_GT(amount.left, name.right);
    EXPECT_EQ(amount.top, name.top);
}

TEST(TemplateGeometry, ANewLineStartsAtTheLeftAgain)
{
    CTextLayout layout(kMetrics, Measure);
    layout.Made(layout.Place(Field(0, 0, 30, 0), ""));
    const CRect next = layout.Place(Field(0, 1, 5, 0), "");
    EXPECT_EQ(next.left, 8);
    EXPECT_EQ(next.top, 26);
}
