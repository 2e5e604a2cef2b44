#pragma once

// A toolbar: one button per command id, pictures cut from a bitmap strip, a tip per command.
// A click sends WM_COMMAND with the button's id to the owner; the update pass enables and
// checks the buttons.
#include "platform/ui/controls/ControlBar.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/draw/ImageList.h"

#include <QAction>
#include <QPointer>
#include <string_view>
#include <vector>

class QToolBar;

constexpr DWORD TBSTYLE_FLAT = 0x0800;

// The buttons of a toolbar resource; its pictures are the bitmap resource of the same id, one
// imageWidth wide per button that is not a separator.
struct ToolBarResource {
    UINT id;
    int imageWidth;
    const UINT* buttons;
    std::size_t count;
};

class CToolBar : public CControlBar {
public:
    using CWnd::Create;
    bool Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT id = AFX_IDW_TOOLBAR);
    bool CreateEx(CWnd* parent, DWORD controlStyle = TBSTYLE_FLAT,
                  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);

    // Buttons, pictures and tips from the resources: the toolbar and bitmap of that id, each
    // button's prompt from the string tables. False when a resource is missing.
    bool LoadToolBar(UINT resourceId);
    // Replaces the buttons; ID_SEPARATOR makes a separator.
    bool SetButtons(const UINT* ids, int count);
    // Pictures for the buttons in order (separators take none), each imageWidth wide; pixels
    // of the mask colour are transparent. Buttons beyond the strip show no picture.
    bool SetBitmap(const QImage& strip, int imageWidth, COLORREF mask = RGB(192, 192, 192));
    // The command's prompt; the part after its last newline, when there is one, is the tip.
    // Shown only by a bar made with CBRS_TOOLTIPS.
    bool SetToolTipText(UINT id, std::string_view prompt);

    int GetCount() const { return int(m_ids.size()); }
    UINT GetItemID(int index) const; // ID_SEPARATOR when out of range
    int CommandToIndex(UINT id) const; // -1 when no button has it
    bool IsButtonEnabled(UINT id) const;
    bool IsButtonChecked(UINT id) const;

    void OnUpdateCmdUI(CCmdTarget* target, bool disableIfNoHandler) override;

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    void ConnectWidget() override;
    bool PaintsItself() const override { return false; }

private:
    QToolBar* Bar() const;
    QAction* ActionOf(UINT id) const;
    void ApplyImages();
    void Clicked(UINT id);
    void Prompt(UINT id); // 0: the pointer left

    std::vector<UINT> m_ids;
    std::vector<QPointer<QAction>> m_actions; // null for separators; owned by the bar widget
    CImageList m_images;
};
