#pragma once

// A scroll bar with Windows semantics: the range is nMin..nMax inclusive, the thumb covers
// nPage of it, so the largest position is nMax - nPage + 1. The bar does not move itself: it
// reports SB_* requests to its parent's OnHScroll/OnVScroll, which sets the new position.
#include "platform/ui/window/Wnd.h"

// Which scroll bar of a window.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;

constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};

class QScrollBar;

class CScrollBar : public CWnd {
public:
    bool SetScrollInfo(const SCROLLINFO* info, bool redraw = true);
    bool GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
    int SetScrollPos(int pos, bool redraw = true); // the previous position
    int GetScrollPos() const { return m_pos; }
    void SetScrollRange(int minPos, int maxPos, bool redraw = true);
    void GetScrollRange(int* minPos, int* maxPos) const;
    int GetScrollLimit() const; // the largest position

    std::string GetClassName() const override { return "ScrollBar"; }

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    void ConnectWidget() override;
    bool CanAdopt(const QWidget* widget) const override;
    bool PaintsItself() const override { return false; }

private:
    void Apply();
    void Action(int action);
    void Report(UINT code, int pos);
    QScrollBar* Bar() const;

    int m_min = 0;
    int m_max = 100;
    UINT m_page = 0;
    int m_pos = 0;
    bool m_vertical = false;
};
