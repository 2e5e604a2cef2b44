#pragma once

// A scrolling view over a painted background (gradient or tiled bitmap), whose controls take
// matching colours and follow its size.
#include "controls/views/ColoredViewCore.h"
#include "platform/ui/docview/ScrollView.h"

class CColoredScrollView : public CScrollView {
    DECLARE_DYNAMIC(CColoredScrollView)
public:
    CColoredScrollView();

    int SetBackgroundColors(COLORREF color1, COLORREF color2, COLORREF textColor)
    {
        return m_core.SetBackgroundColors(color1, color2, textColor);
    }
    int SetBackgroundBitmap(const std::string& path, COLORREF backColor, COLORREF textColor)
    {
        return m_core.SetBackgroundBitmap(path, backColor, textColor);
    }
    void ClearBackground() { m_core.ClearBackground(); }
    bool HasBackground() const { return m_core.HasBackground(); }

    CViewColorScheme& GetColorScheme() { return m_core.Scheme(); }
    CControlLayout& GetControlLayout() { return m_core.Layout(); }

    bool OnEraseBkgnd(CDC* dc) override;
    CBrush* OnCtlColor(CDC* dc, CWnd* child, UINT ctlColor) override;
    void OnSize(UINT type, int cx, int cy) override;

protected:
    // True when the background was painted.
    bool PaintBackground(CDC& dc) const { return m_core.PaintBackground(dc); }

private:
    CColoredViewCore m_core;
};
