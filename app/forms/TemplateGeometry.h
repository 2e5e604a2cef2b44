#pragma once

// Where the fields of an agency form stand. A field is placed either in dialog units, or on
// the form's character grid: its line and column, after the line's text before it. The numbers
// come from the proposal file, so every one is held within what a screen can show: a form
// whose geometry is absurd is still shown, with its fields of a usable size inside the form.
#include "platform/ui/window/Geometry.h"

#include <functional>
#include <string>
#include <string_view>

class CFieldInfo;

// The measures of the form font and the window borders, in pixels.
struct FormMetrics {
    int charWidth = 8;
    int charHeight = 16;
    int lineHeight = 26;
    int borderX = 2;
    int borderY = 2;
    int fieldGap = 2;
};

// No form is wider or taller than this; a field's place is held inside it.
inline constexpr int kMaxFormPixels = 16000;
// Dialog-unit heights of 0 become this (the field remembers it).
inline constexpr int kDefaultDialogUnitHeight = 10;

// The rectangle of a field placed in dialog units.
CRect DialogUnitRect(const CFieldInfo& field, const FormMetrics& metrics);

// Keeps a rectangle inside the form with at least the given size.
CRect HeldInsideForm(CRect rect, int minWidth, int minHeight);

// Places the fields of the character grid one after another, in field order.
class CTextLayout {
public:
    // measure gives the width of a piece of a line's text in the form font.
    CTextLayout(const FormMetrics& metrics, std::function<int(std::string_view)> measure);

    // The field's rectangle on its line, after the line's text that comes before its column.
    CRect Place(const CFieldInfo& field, const std::string& lineText);
    // The control as made: the next field of the line starts after it.
    void Made(const CRect& control);

    // The field's line and column, held within the grid's limits.
    static int LineOf(const CFieldInfo& field);
    static int ColumnOf(const CFieldInfo& field);
    // The field's width in characters; none given means ten.
    static int WidthOf(const CFieldInfo& field);

private:
    FormMetrics m_metrics;
    std::function<int(std::string_view)> m_measure;
    int m_line = -1;
    int m_textPosition = 0;
    int m_left = 0;
};
