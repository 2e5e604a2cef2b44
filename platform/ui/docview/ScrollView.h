#pragma once

// A view larger than its window: the document's total size is set in pixels (MM_TEXT), scroll
// bars appear when it does not fit, and OnPrepareDC moves the drawing by the scroll position.
// Child windows scroll with the content.
#include "platform/ui/draw/DC.h"
#include "platform/ui/docview/View.h"

#include <memory>

class CScrollBar;

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();
    ~CScrollView() override;

    static constexpr CSize sizeDefault{0, 0};
    // Only the text mapping mode is offered. A zero page size is a tenth of the total, a zero
    // line size a tenth of the page.
    void SetScrollSizes(int mapMode, SIZE total, const SIZE& page = sizeDefault,
                        const SIZE& line = sizeDefault);
    CSize GetTotalSize() const { return m_total; }
    CPoint GetScrollPosition() const { return m_position; }
    // Clamped to the scrollable range.
    void ScrollToPosition(POINT position);

    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* bar) override;
    bool OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    int OnCreate(CREATESTRUCT* create) override;

    // The bars, for tests and callers that check whether they show.
    bool HasHorzBar() const { return m_showHorz; }
    bool HasVertBar() const { return m_showVert; }

protected:
    bool IsOwnPart(const CWnd* child) const override;

private:
    void UpdateBars();
    int Scrolled(UINT code, UINT position, int current, int page, int line, int limit) const;
    CPoint Limit() const;

    std::unique_ptr<CScrollBar> m_horz;
    std::unique_ptr<CScrollBar> m_vert;
    CSize m_total;
    CSize m_page;
    CSize m_line;
    CPoint m_position;
    CSize m_pageUsed; // the page sizes in effect (defaults worked out)
    CSize m_lineUsed;
    bool m_showHorz = false;
    bool m_showVert = false;
    bool m_updating = false;
};
