#pragma once
// A small borderless pop-up that shows one line of text near a point, such as the row a
// dragged thumb would show. It never takes the focus and is only hidden between uses.
#include <string>

#include "platform/ui/window/Wnd.h"

class CGridHint : public CWnd {
public:
    // Makes the window, with its background brush (the tool-tip colour when none); the owner's
    // client area is where the hint stays and what its points are measured in.
    bool Create(CWnd* owner, CBrush* background = nullptr);
    int SetText(const char* text, bool repaint);
    const std::string& GetText() const { return m_text; }
    int SetAlignment(int flags);
    int SetHintFont(CFont* font);
    void Hide();
    void Show();
    // Places the hint at (x, y) of the owner's client area as the alignment says, at least
    // minimumWidth wide, kept inside that area, and shows it.
    void MoveHint(int x, int y, int minimumWidth);
    // Where MoveHint put it, in the owner's client coordinates.
    CRect GetPlacement() const { return m_placement; }

protected:
    void OnPaint() override;
    bool OnEraseBkgnd(CDC* dc) override;

private:
    CFont* HintFont() const;
    CRect Placed(int x, int y, int width) const;

    CWnd* m_owner = nullptr;
    std::string m_text;
    COLORREF m_textColor = 0;
    COLORREF m_backColor = 0xE0FFFF;  // behind the text
    COLORREF m_brushColor = 0;        // the window's background
    int m_alignment = 1;
    CFont* m_font = nullptr;
    int m_lineHeight = 0;
    CRect m_placement;
};
