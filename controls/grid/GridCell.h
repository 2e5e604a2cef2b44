#pragma once
// A grid cell: a bag of optional properties, each guarded by one bit of the set-mask.
// An unset property reads as its default, so one cell can be layered from a column
// default, a data source and a style cell.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/window/WinTypes.h"

class CBitmap;
class CFont;
class CPen;
class CGridCell;

// Set-mask bits, one per property.
struct GridCellBits {
    static constexpr uint32_t Text = 0x1;
    static constexpr uint32_t Mask = 0x2;
    static constexpr uint32_t Label = 0x4;
    static constexpr uint32_t DataType = 0x8;
    static constexpr uint32_t Reserved = 0x10;
    static constexpr uint32_t CellType = 0x20;
    static constexpr uint32_t CellTypeEx = 0x40;
    static constexpr uint32_t TextColor = 0x80;
    static constexpr uint32_t BackColor = 0x100;
    static constexpr uint32_t HighlightTextColor = 0x200;
    static constexpr uint32_t HighlightBackColor = 0x400;
    static constexpr uint32_t BorderStyle = 0x800;
    static constexpr uint32_t BorderPen = 0x1000;
    static constexpr uint32_t Font = 0x2000;
    static constexpr uint32_t Bitmap = 0x4000;
    static constexpr uint32_t Alignment = 0x8000;
    static constexpr uint32_t ExtraData = 0x10000;
    static constexpr uint32_t JoinInfo = 0x20000;
    static constexpr uint32_t CellAdjust = 0x200000;
    static constexpr uint32_t StyleCell = 0x800000;
    static constexpr uint32_t ReadOnly = 0x1000000;
    static constexpr uint32_t Decimals = 0x2000000;
};

// Cell data types.
constexpr short GRID_TYPE_TEXT = 1;
constexpr short GRID_TYPE_NUMBER = 2;
constexpr short GRID_TYPE_BOOL = 3;

// Adjusts a cell after it was read for display.
class CGridCellAdjust {
public:
    virtual ~CGridCellAdjust() = default;
    virtual void AdjustCell(CGridCell* cell) = 0;
};

class CGridCell {
public:
    // Whole-mask access.
    uint32_t GetPropertyMask() const { return m_setMask; }
    void SetPropertyMask(uint32_t mask) { m_setMask = mask; }
    bool IsPropertySet(uint32_t bits) const { return (m_setMask & bits) != 0; }
    void ClearAll();

    // Texts. Getters answer null when the property is not set.
    int SetText(const char* text);
    int SetText(const std::string& text) { return SetText(text.c_str()); }
    const char* GetText() const;
    int GetTextLength() const;
    int SetMask(const char* mask);
    const char* GetMask() const;
    int SetLabelText(const char* label);
    const char* GetLabelText() const;
    int GetLabelText(std::string* label) const;  // 1 when not set

    // Typed values stored as text.
    int SetNumber(double value);
    double GetNumber() const;
    int SetBool(bool value);
    bool GetBool() const;
    int SetDataType(short type);
    short GetDataType() const;
    int SetDecimals(short decimals);
    short GetDecimals() const;

    int SetReadOnly(int readOnly);
    int GetReadOnly() const;
    int SetReserved(int value);
    int GetReserved() const;
    int SetCellType(int index);
    int GetCellType() const;
    int SetCellTypeEx(int style);
    int GetCellTypeEx() const;

    // Colours default to the system colours of a window and its highlight.
    int SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    int SetBackColor(COLORREF color);
    COLORREF GetBackColor() const;
    int SetHighlightTextColor(COLORREF color);
    COLORREF GetHighlightTextColor() const;
    int SetHighlightBackColor(COLORREF color);
    COLORREF GetHighlightBackColor() const;

    int SetAlignment(short flags);
    short GetAlignment() const;
    int SetBorderStyle(short style);
    short GetBorderStyle() const;
    int SetBorderPen(CPen* pen);
    CPen* GetBorderPen() const;
    int SetFont(CFont* font);
    CFont* GetFont() const;
    int SetBitmap(CBitmap* bitmap);
    CBitmap* GetBitmap() const;

    // The cell owns a copy of the block.
    int SetExtraData(const void* data, uint32_t length);
    const void* GetExtraData() const;
    uint32_t GetExtraDataLength() const;

    int SetJoinInfo(short origin, int columnOffset, int rowOffset);
    int GetJoinInfo(short* origin, int* columnOffset, int* rowOffset) const;  // 1 when not set

    int SetCellAdjust(CGridCellAdjust* adjust);
    CGridCellAdjust* GetCellAdjust() const;
    int SetStyleCell(CGridCell* style);
    CGridCell* GetStyleCell() const;

    // Copies the source's set properties into the destination; the destination's mask
    // gains the source's bits.
    static void CopyProperties(const CGridCell& source, CGridCell& destination);
    // Exact copies: the destination ends with the source's mask.
    void CopyTo(CGridCell* destination) const;
    void CopyFrom(const CGridCell& source);
    // Merges: properties the source lacks stay as they were.
    void AddTo(CGridCell* destination) const;
    void AddFrom(const CGridCell& source);

private:
    int Store(uint32_t bit);
    COLORREF ColorOr(uint32_t bit, COLORREF value, int sysColor) const;

    uint32_t m_setMask = 0;
    CGridCellAdjust* m_adjust = nullptr;
    CGridCell* m_styleCell = nullptr;
    std::string m_text;
    std::string m_mask;
    std::string m_label;
    short m_dataType = 0;
    int m_readOnly = 0;
    int m_reserved = 0;
    short m_decimals = 0;
    int m_cellType = 0;
    int m_cellTypeEx = 0;
    COLORREF m_textColor = 0;
    COLORREF m_backColor = 0;
    COLORREF m_highlightTextColor = 0;
    COLORREF m_highlightBackColor = 0;
    short m_borderStyle = 0;
    CPen* m_borderPen = nullptr;
    CFont* m_font = nullptr;
    CBitmap* m_bitmap = nullptr;
    short m_alignment = 0;
    std::vector<unsigned char> m_extraData;
    short m_joinOrigin = 0;
    int m_joinColumnOffset = 0;
    int m_joinRowOffset = 0;
};
