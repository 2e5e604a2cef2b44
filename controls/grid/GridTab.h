#pragma once
// The sheet tab strip in the bottom strip, left of the horizontal scroll bar: up to 64 tabs
// after a pair of scroll arrows; its right edge can be dragged to make it wider.
#include <memory>
#include <string>
#include <vector>

#include "controls/grid/GridSection.h"
#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Wnd.h"

class CGridTab : public CGridSection<CWnd> {
public:
    static constexpr int kMaxTabs = 64;
    static constexpr UINT kArrowsId = 100;

    CGridTab();
    ~CGridTab() override;

    // The tab's index, or -1 when the strip is full.
    int AddTab(const char* label, int width, int id);
    int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
    int GetCurrentTab() const { return m_currentTab; }
    int GetScrollOffset() const { return m_offset; }
    int GetLargestOffset() const;

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;

private:
    struct Tab {
        std::string label;
        int width;
        int id;
    };

    int TabAt(CPoint point) const;
    int TabLeft(int index) const;
    void SelectTab(int index);
    void ScrollTo(int offset, int largest);

    std::vector<Tab> m_tabs;
    int m_currentTab = -1;
    int m_offset = 0;
    int m_arrowsWidth;
    CScrollBar m_arrows;
    CFont m_font;
    bool m_sizeArmed = false;
    bool m_sizing = false;
};
