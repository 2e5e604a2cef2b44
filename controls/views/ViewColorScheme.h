#pragma once

// The colours a coloured view gives its child controls: the text colour, transparent static
// texts over the view's background, and for edits and lists a brush of the background beneath
// them (the gradient's colour at their height, or the back colour under a bitmap).
#include "controls/views/ViewBackground.h"

#include <memory>

class CDC;
class CWnd;

// Whether colouring is possible at all: the screen has more than 8 bits per pixel.
bool ScreenHasColors();

class CViewColorScheme {
public:
    CViewColorScheme();

    // Values of -1 keep what is stored. 0 without an owner window; else 1. The owner's children
    // are repainted with the new colours.
    int Setup(CWnd* owner, COLORREF backColor, COLORREF textColor, int mode);
    bool IsSetUp() const { return m_bSetUp != 0; }
    int GetMode() const { return m_iMode; }
    COLORREF GetTextColor() const { return m_crTextColor; }
    COLORREF GetBackColor() const { return m_crBackColor; }
    // Colours on screens of 8 bits per pixel or fewer too.
    void SetForce(bool force) { m_bForce = force; }

    CViewBackground& Background() { return m_background; }
    const CViewBackground& Background() const { return m_background; }

    // Paints the background into the area when the scheme has one; 1 when it painted.
    int PaintBackground(CDC& dc, const CBackgroundArea& area) const;
    // The brush for a child control about to paint, with text colour and mode set on dc; the
    // framework's brush when the scheme leaves the child alone. scrollY and height place the
    // child within the content (the larger of the client height and the total height).
    CBrush* ChildColors(CDC& dc, CWnd& child, CBrush* frameworkBrush, int scrollY, int height);

private:
    COLORREF ChildGradientColor(CWnd& child, int scrollY, int height) const;

    CWnd* m_pOwner = nullptr;
    COLORREF m_crTextColor;
    COLORREF m_crBackColor;
    std::unique_ptr<CBrush> m_pBrush;
    int m_bForce = 0;
    int m_bSetUp = 0;
    int m_iMode = CViewBackground::kNone;
    CViewBackground m_background;
};
