#pragma once

// The base of the proposal's form views made from a dialog template: the node of the proposal
// tree it shows, the configured background, and the tree's commands passed on to the tree.
#include "controls/views/DynaFormView.h"

class CDV : public CDynaFormView {
    DECLARE_DYNAMIC(CDV)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT kBlankTemplate = 101;

    explicit CDV(UINT templateId = kBlankTemplate);

    void OnInitialUpdate() override;
    // Hint 4660: the background changed in the options; hint 0: the figures are shown again.
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    // What the view shows of the proposal, shown afresh: the figures may have changed.
    virtual void ShowFigures() {}

    int m_iNodeIndex = 0;
    int m_iNodeType = 0;

protected:
    void OnTreeCommand(UINT id);
    void OnUpdateTreeCommand(CCmdUI* ui);
};
