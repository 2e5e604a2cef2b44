#include "controls/grid/GridCell.h"

#include "platform/ui/draw/SystemMetrics.h"

int CGridCell::Store(uint32_t bit)
{
    m_setMask |= bit;
    return 0;
}

void CGridCell::ClearAll()
{
    m_setMask = 0;
    m_text.clear();
    m_extraData.clear();
    m_extraData.shrink_to_fit();
}

int CGridCell::SetText(const char* text)
{
    m_text = text ? text : "";
    m_dataType = GRID_TYPE_TEXT;
    return Store(GridCellBits::Text | GridCellBits::DataType);
}

const char* CGridCell::GetText() const
{
    return IsPropertySet(GridCellBits::Text) ? m_text.c_str() : nullptr;
}

int CGridCell::GetTextLength() const
{
    return IsPropertySet(GridCellBits::Text) ? static_cast<int>(m_text.size()) : 0;
}

int CGridCell::SetMask(const char* mask)
{
    m_mask = mask ? mask : "";
    return Store(GridCellBits::Mask);
}

const char* CGridCell::GetMask() const
{
    return IsPropertySet(GridCellBits::Mask) ? m_mask.c_str() : nullptr;
}

int CGridCell::SetLabelText(const char* label)
{
    m_label = label ? label : "";
    return Store(GridCellBits::Label);
}

const char* CGridCell::GetLabelText() const
{
    return IsPropertySet(GridCellBits::Label) ? m_label.c_str() : nullptr;
}

int CGridCell::GetLabelText(std::string* label) const
{
    if (!IsPropertySet(GridCellBits::Label))
        return 1;
    *label = m_label;
    return 0;
}

int CGridCell::SetDataType(short type) { m_dataType = type; return Store(GridCellBits::DataType); }
short CGridCell::GetDataType() const { return IsPropertySet(GridCellBits::DataType) ? m_dataType : GRID_TYPE_TEXT; }
int CGridCell::SetDecimals(short decimals) { m_decimals = decimals; return Store(GridCellBits::Decimals); }
short CGridCell::GetDecimals() const { return IsPropertySet(GridCellBits::Decimals) ? m_decimals : 0; }

int CGridCell::SetReadOnly(int readOnly) { m_readOnly = readOnly ? 1 : 0; return Store(GridCellBits::ReadOnly); }
int CGridCell::GetReadOnly() const { return IsPropertySet(GridCellBits::ReadOnly) ? m_readOnly : 0; }
int CGridCell::SetReserved(int value) { m_reserved = value; return Store(GridCellBits::Reserved); }
int CGridCell::GetReserved() const { return IsPropertySet(GridCellBits::Reserved) ? m_reserved : 0; }
int CGridCell::SetCellType(int index) { m_cellType = index; return Store(GridCellBits::CellType); }
int CGridCell::GetCellType() const { return IsPropertySet(GridCellBits::CellType) ? m_cellType : 0; }
int CGridCell::SetCellTypeEx(int style) { m_cellTypeEx = style; return Store(GridCellBits::CellTypeEx); }
int CGridCell::GetCellTypeEx() const { return IsPropertySet(GridCellBits::CellTypeEx) ? m_cellTypeEx : 0; }

COLORREF CGridCell::ColorOr(uint32_t bit, COLORREF value, int sysColor) const
{
    return IsPropertySet(bit) ? value : GetSysColor(sysColor);
}

int CGridCell::SetTextColor(COLORREF color) { m_textColor = color; return Store(GridCellBits::TextColor); }
COLORREF CGridCell::GetTextColor() const { return ColorOr(GridCellBits::TextColor, m_textColor, COLOR_WINDOWTEXT); }
int CGridCell::SetBackColor(COLORREF color) { m_backColor = color; return Store(GridCellBits::BackColor); }
COLORREF CGridCell::GetBackColor() const { return ColorOr(GridCellBits::BackColor, m_backColor, COLOR_WINDOW); }
int CGridCell::SetHighlightTextColor(COLORREF color)
{
    m_highlightTextColor = color;
    return Store(GridCellBits::HighlightTextColor);
}
COLORREF CGridCell::GetHighlightTextColor() const
{
    return ColorOr(GridCellBits::HighlightTextColor, m_highlightTextColor, COLOR_HIGHLIGHTTEXT);
}
int CGridCell::SetHighlightBackColor(COLORREF color)
{
    m_highlightBackColor = color;
    return Store(GridCellBits::HighlightBackColor);
}
COLORREF CGridCell::GetHighlightBackColor() const
{
    return ColorOr(GridCellBits::HighlightBackColor, m_highlightBackColor, COLOR_HIGHLIGHT);
}

int CGridCell::SetAlignment(short flags) { m_alignment = flags; return Store(GridCellBits::Alignment); }
short CGridCell::GetAlignment() const { return IsPropertySet(GridCellBits::Alignment) ? m_alignment : 0; }
int CGridCell::SetBorderStyle(short style) { m_borderStyle = style; return Store(GridCellBits::BorderStyle); }
short CGridCell::GetBorderStyle() const { return IsPropertySet(GridCellBits::BorderStyle) ? m_borderStyle : 0; }
int CGridCell::SetBorderPen(CPen* pen) { m_borderPen = pen; return Store(GridCellBits::BorderPen); }
CPen* CGridCell::GetBorderPen() const { return IsPropertySet(GridCellBits::BorderPen) ? m_borderPen : nullptr; }
int CGridCell::SetFont(CFont* font) { m_font = font; return Store(GridCellBits::Font); }
CFont* CGridCell::GetFont() const { return IsPropertySet(GridCellBits::Font) ? m_font : nullptr; }
int CGridCell::SetBitmap(CBitmap* bitmap) { m_bitmap = bitmap; return Store(GridCellBits::Bitmap); }
CBitmap* CGridCell::GetBitmap() const { return IsPropertySet(GridCellBits::Bitmap) ? m_bitmap : nullptr; }

int CGridCell::SetExtraData(const void* data, uint32_t length)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (bytes)
        m_extraData.assign(bytes, bytes + length);
    else
        m_extraData.assign(length, 0);
    return Store(GridCellBits::ExtraData);
}

const void* CGridCell::GetExtraData() const
{
    return IsPropertySet(GridCellBits::ExtraData) && !m_extraData.empty() ? m_extraData.data() : nullptr;
}

uint32_t CGridCell::GetExtraDataLength() const
{
    return IsPropertySet(GridCellBits::ExtraData) ? static_cast<uint32_t>(m_extraData.size()) : 0;
}

int CGridCell::SetJoinInfo(short origin, int columnOffset, int rowOffset)
{
    m_joinOrigin = origin;
    m_joinColumnOffset = columnOffset;
    m_joinRowOffset = rowOffset;
    return Store(GridCellBits::JoinInfo);
}

int CGridCell::GetJoinInfo(short* origin, int* columnOffset, int* rowOffset) const
{
    if (!IsPropertySet(GridCellBits::JoinInfo))
        return 1;
    *origin = m_joinOrigin;
    *columnOffset = m_joinColumnOffset;
    *rowOffset = m_joinRowOffset;
    return 0;
}

int CGridCell::SetCellAdjust(CGridCellAdjust* adjust) { m_adjust = adjust; return Store(GridCellBits::CellAdjust); }
CGridCellAdjust* CGridCell::GetCellAdjust() const
{
    return IsPropertySet(GridCellBits::CellAdjust) ? m_adjust : nullptr;
}
int CGridCell::SetStyleCell(CGridCell* style) { m_styleCell = style; return Store(GridCellBits::StyleCell); }
CGridCell* CGridCell::GetStyleCell() const
{
    return IsPropertySet(GridCellBits::StyleCell) ? m_styleCell : nullptr;
}
