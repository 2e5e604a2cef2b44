// Copying cells: exact copies replace the destination's mask, merges keep what the
// source does not set.
#include "controls/grid/GridCell.h"

void CGridCell::CopyProperties(const CGridCell& source, CGridCell& destination)
{
    if (&source == &destination)
        return;
    const uint32_t bits = source.m_setMask;
    destination.m_setMask |= bits;
    auto copyIf = [bits](uint32_t bit, auto& to, const auto& from) {
        if (bits & bit)
            to = from;
    };
    copyIf(GridCellBits::CellAdjust, destination.m_adjust, source.m_adjust);
    copyIf(GridCellBits::StyleCell, destination.m_styleCell, source.m_styleCell);
    copyIf(GridCellBits::Text, destination.m_text, source.m_text);
    copyIf(GridCellBits::Mask, destination.m_mask, source.m_mask);
    copyIf(GridCellBits::Label, destination.m_label, source.m_label);
    copyIf(GridCellBits::DataType, destination.m_dataType, source.m_dataType);
    copyIf(GridCellBits::ReadOnly, destination.m_readOnly, source.m_readOnly);
    copyIf(GridCellBits::Reserved, destination.m_reserved, source.m_reserved);
    copyIf(GridCellBits::Decimals, destination.m_decimals, source.m_decimals);
    copyIf(GridCellBits::CellType, destination.m_cellType, source.m_cellType);
    copyIf(GridCellBits::CellTypeEx, destination.m_cellTypeEx, source.m_cellTypeEx);
    copyIf(GridCellBits::TextColor, destination.m_textColor, source.m_textColor);
    copyIf(GridCellBits::BackColor, destination.m_backColor, source.m_backColor);
    copyIf(GridCellBits::HighlightTextColor, destination.m_highlightTextColor, source.m_highlightTextColor);
    copyIf(GridCellBits::HighlightBackColor, destination.m_highlightBackColor, source.m_highlightBackColor);
    copyIf(GridCellBits::BorderStyle, destination.m_borderStyle, source.m_borderStyle);
    copyIf(GridCellBits::BorderPen, destination.m_borderPen, source.m_borderPen);
    copyIf(GridCellBits::Font, destination.m_font, source.m_font);
    copyIf(GridCellBits::Bitmap, destination.m_bitmap, source.m_bitmap);
    copyIf(GridCellBits::Alignment, destination.m_alignment, source.m_alignment);
    copyIf(GridCellBits::ExtraData, destination.m_extraData, source.m_extraData);
    copyIf(GridCellBits::JoinInfo, destination.m_joinOrigin, source.m_joinOrigin);
    copyIf(GridCellBits::JoinInfo, destination.m_joinColumnOffset, source.m_joinColumnOffset);
    copyIf(GridCellBits::JoinInfo, destination.m_joinRowOffset, source.m_joinRowOffset);
}

void CGridCell::CopyTo(CGridCell* destination) const
{
    if (!destination || destination == this)
        return;
    destination->m_setMask = m_setMask;
    CopyProperties(*this, *destination);
}

void CGridCell::CopyFrom(const CGridCell& source)
{
    source.CopyTo(this);
}

void CGridCell::AddTo(CGridCell* destination) const
{
    if (destination)
        CopyProperties(*this, *destination);
}

void CGridCell::AddFrom(const CGridCell& source)
{
    CopyProperties(source, *this);
}
