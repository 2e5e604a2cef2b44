#pragma once

// What the two scrolling coloured views share: the colour scheme of their controls, the layout
// that follows their size, and how both meet the view's erasing, sizing and control colours.
#include "controls/views/ControlLayout.h"
#include "controls/views/ViewColorScheme.h"

#include <string>
#include <utility>

class CBrush;
class CDC;
class CScrollView;
class CWnd;

class CColoredViewCore {
public:
    explicit CColoredViewCore(CScrollView& view) : m_view(view) {}

    int SetBackgroundColors(COLORREF color1, COLORREF color2, COLORREF textColor);
    int SetBackgroundBitmap(const std::string& path, COLORREF backColor, COLORREF textColor);
    void ClearBackground();
    bool HasBackground() const { return m_scheme.GetMode() != CViewBackground::kNone; }

    // The background over the client area, scrolled with the content; true when painted.
    bool PaintBackground(CDC& dc) const;
    CBrush* ChildColors(CDC& dc, CWnd& child, CBrush* frameworkBrush);
    // Before the view's own size handling: the controls follow the new size.
    void Relayout(int width, int height) { m_layout.Relayout(width, height); }
    // After it: a gradient is stretched over the new height.
    void AfterSize();

    CViewColorScheme& Scheme() { return m_scheme; }
    const CViewColorScheme& Scheme() const { return m_scheme; }
    CControlLayout& Layout() { return m_layout; }

private:
    int ContentHeight() const;

    CScrollView& m_view;
    CViewColorScheme m_scheme;
    CControlLayout m_layout;
};

// A scrolling view class over the core: its background setters, and the erasing, control colours
// and sizing that the core takes part in.
template <class Base>
class CColoredViewOf : public Base {
public:
    template <class... Args>
    explicit CColoredViewOf(Args&&... args) : Base(std::forward<Args>(args)...), m_core(*this)
    {
    }

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

    bool OnEraseBkgnd(CDC* dc) override { return m_core.PaintBackground(*dc) || Base::OnEraseBkgnd(dc); }
    CBrush* OnCtlColor(CDC* dc, CWnd* child, UINT ctlColor) override
    {
        CBrush* brush = Base::OnCtlColor(dc, child, ctlColor);
        return child ? m_core.ChildColors(*dc, *child, brush) : brush;
    }
    void OnSize(UINT type, int cx, int cy) override
    {
        m_core.Relayout(cx, cy);
        Base::OnSize(type, cx, cy);
        m_core.AfterSize();
    }

protected:
    // True when the background was painted.
    bool PaintBackground(CDC& dc) const { return m_core.PaintBackground(dc); }

    CColoredViewCore m_core;
};
