#include "app/forms/TemplateGeometry.h"

#include "model/records/FieldInfo.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kMaxLines = 1000;
constexpr int kMaxColumns = 1000;
constexpr int kMaxWidthChars = 400;
constexpr int kDefaultWidthChars = 10;
constexpr int kMaxDialogUnits = 30000;
constexpr int kDefaultDialogUnitWidth = 40;

int Held(int64_t value, int low, int high)
{
    return int(std::clamp<int64_t>(value, low, high));
}

// A size from the file: none or a negative one gives the default.
int SizeOr(int32_t value, int fallback, int high)
{
    return value > 0 ? std::min<int>(value, high) : fallback;
}

} // namespace

CRect HeldInsideForm(CRect rect, int minWidth, int minHeight)
{
    const int width = Held(rect.Width(), minWidth, kMaxFormPixels);
    const int height = Held(rect.Height(), minHeight, kMaxFormPixels);
    const int left = Held(rect.left, 0, kMaxFormPixels - width);
    const int top = Held(rect.top, 0, kMaxFormPixels - height);
    return {left, top, left + width, top + height};
}

CRect DialogUnitRect(const CFieldInfo& field, const FormMetrics& m)
{
    const int64_t x = Held(field.m_iX, 0, kMaxDialogUnits);
    const int64_t y = Held(field.m_iY, 0, kMaxDialogUnits);
    const int64_t width = SizeOr(field.m_iWidth, kDefaultDialogUnitWidth, kMaxDialogUnits);
    const int64_t height = SizeOr(field.m_iHeight, kDefaultDialogUnitHeight, kMaxDialogUnits);
    const int64_t left = x * m.charWidth / 4;
    const int64_t top = y * m.charHeight / 8;
    const CRect rect(Held(left, 0, kMaxFormPixels), Held(top, 0, kMaxFormPixels),
                     Held(left + width * m.charWidth / 4, 0, 2 * kMaxFormPixels),
                     Held(top + height * m.charHeight / 8, 0, 2 * kMaxFormPixels));
    return HeldInsideForm(rect, 1, 1);
}

CTextLayout::CTextLayout(const FormMetrics& metrics, std::function<int(std::string_view)> measure)
    : m_metrics(metrics), m_measure(std::move(measure))
{
}

int CTextLayout::LineOf(const CFieldInfo& field)
{
    return Held(field.m_iY, 0, kMaxLines);
}

int CTextLayout::ColumnOf(const CFieldInfo& field)
{
    return Held(field.m_iX, 0, kMaxColumns);
}

int CTextLayout::WidthOf(const CFieldInfo& field)
{
    return SizeOr(field.m_iWidth, kDefaultWidthChars, kMaxWidthChars);
}

CRect CTextLayout::Place(const CFieldInfo& field, const std::string& lineText)
{
    const FormMetrics& m = m_metrics;
    const int line = LineOf(field);
    const int column = ColumnOf(field);
    CRect rect;
    rect.top = line * m.lineHeight;
    rect.bottom = rect.top + m.charHeight + 2 * m.borderY;
    if (line != m_line) {
        m_line = line;
        m_textPosition = 0;
        m_left = m.charWidth;
    }
    rect.left = m_left;
    if (column > m_textPosition) {
        const size_t from = std::min(size_t(m_textPosition), lineText.size());
        const size_t to = std::min(size_t(column), lineText.size());
        const std::string_view before = std::string_view(lineText).substr(from, to - from);
        // Fields stand on the form's character grid, so those of one column line up whatever
        // the width of the text before them.
        const int onGrid = m.charWidth + column * m.charWidth;
        rect.left = std::max(rect.left + m_measure(before) + m.fieldGap, onGrid);
        rect.bottom = rect.top + m.charHeight + 4 * m.borderY;
    }
    rect.right = rect.left + WidthOf(field) * m.charWidth + 2 * m.borderX;
    m_textPosition = column + WidthOf(field);
    return HeldInsideForm(rect, 1, 1);
}

void CTextLayout::Made(const CRect& control)
{
    m_left = control.right + m_metrics.fieldGap;
}
