#pragma once
// The in-place editors. CGridCellEditor holds what every editor of a cell does: it ends the edit
// when it loses the focus, handing its text to the control with the way the user left it
// (cancelled, or going on in which cell). CGridEdit is the control's own editor, which grows
// with its text.
#include "platform/ui/controls/Edit.h"

class CGridCtrl;

class CGridCellEditor : public CEdit {
public:
    void SetGrid(CGridCtrl* grid) { m_grid = grid; }
    CGridCtrl* GetGrid() const { return m_grid; }

    void OnSetFocus(CWnd* losing) override;
    void OnKillFocus(CWnd* gaining) override;
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
    void OnChar(UINT key, UINT repeatCount, UINT flags) override;
    UINT OnGetDlgCode() override;

protected:
    // Up and Down stay in the text (a grown editor) instead of ending the edit.
    virtual bool KeepsUpAndDown() const { return false; }
    // A typed character may be refused before the control's hook sees it.
    virtual bool AcceptsChar(UINT*) { return true; }
    // Leaves the edit: the focus goes back to the control, which ends it.
    void Leave(int continueEditing, int columnStep, int rowStep);

    CGridCtrl* m_grid = nullptr;
    int m_cancelled = 0;
    int m_continue = 0;
    int m_nextColumn = -1;
    int m_nextRow = -1;
};

class CGridEdit : public CGridCellEditor {
public:
    void SetAutoSize(int flag) { m_autoSize = flag ? 1 : 0; }
    bool HasGrown() const;
    void OnSetFocus(CWnd* losing) override;

protected:
    void ConnectWidget() override;
    bool KeepsUpAndDown() const override { return HasGrown(); }

private:
    void AutoSize();
    int GrownRight(const CRect& editor, const CRect& measured, const CRect& holder) const;
    int GrownBottom(const CRect& editor, const CRect& measured, const CRect& holder) const;

    int m_startHeight = 0;
    int m_autoSize = 1;
};
