#pragma once

// The base of the form views whose controls are made at run time: the node it shows, the form
// font and its measures, the configured background, and the tree's commands passed on to the
// tree.
#include "controls/views/ColoredScrollView.h"

class CDV2 : public CColoredScrollView {
    DECLARE_DYNAMIC(CDV2)
    DECLARE_MESSAGE_MAP()
public:
    CDV2();

    // The form font: "MS Sans Serif", height 10 + sizeDelta; forms of their own font override it.
    virtual void CreateFormFont(CFont& font, int sizeDelta, int weight);

    bool PreCreateWindow(CREATESTRUCT& create) override;
    void OnInitialUpdate() override;
    // Hint 4660: the background changed in the options; hint 0: the figures are shown again.
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    // What the view shows of the proposal, shown afresh: the figures may have changed.
    virtual void ShowFigures() {}
    bool OnEraseBkgnd(CDC* dc) override;

    int m_iNodeIndex = 0;
    int m_iNodeType = 0;

protected:
    void OnTreeCommand(UINT id);
    void OnUpdateTreeCommand(CCmdUI* ui);

    CFont m_formFont;
    COLORREF m_crButtonFace;
    COLORREF m_crButtonText;
    int m_iLineHeight = 0;
    int m_iCharHeight = 0;
    int m_iCharWidth = 0;
    int m_iBorderX = 0;
    int m_iBorderY = 0;
    int m_iFieldGap = 0;

private:
    void MeasureFormFont();
};
