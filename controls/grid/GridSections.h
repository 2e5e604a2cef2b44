#pragma once
// The control's other child windows. Each is a window of its own, laid out by the control;
// the headings, bars and tabs take their own painting and input in their own files.
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSection.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/window/Wnd.h"

class CGridTopHdg : public CGridSection<CWnd> {};

class CGridSideHdg : public CGridSection<CWnd> {
public:
    CGridRedrawList& GetRedrawList() { return m_redrawList; }

private:
    CGridRedrawList m_redrawList;
};

class CGridCnrBtn : public CGridSection<CWnd> {};

class CGridVScroll : public CGridSection<CScrollBar> {};

class CGridHScroll : public CGridSection<CScrollBar> {};

class CGridTab : public CGridSection<CWnd> {};

// The pop-up that shows hints beside the pointer; hidden between uses.
class CGridHint : public CWnd {};

// The default in-place editor.
class CGridEdit : public CEdit {
public:
    void SetGrid(CGridCtrl* grid) { m_grid = grid; }
    CGridCtrl* GetGrid() const { return m_grid; }

private:
    CGridCtrl* m_grid = nullptr;
};
