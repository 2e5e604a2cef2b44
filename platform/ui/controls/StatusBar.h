#pragma once

// A status bar: a row of panes, each with an indicator id, a style and a width. The first
// pane (ID_SEPARATOR) is the message pane. A pane text starting with one tab is centred, with
// two tabs right-aligned.
#include "platform/ui/controls/ControlBar.h"
#include "platform/ui/docview/FrameworkIds.h"

#include <QLabel>
#include <QPointer>
#include <string>
#include <string_view>
#include <vector>


constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
constexpr UINT SBPS_DISABLED = 0x04000000; // the text is not shown
constexpr UINT SBPS_STRETCH = 0x08000000;  // takes the room the others leave

class CStatusBar : public CControlBar {
public:
    using CWnd::Create;
    bool Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT id = AFX_IDW_STATUS_BAR);

    // Replaces the panes. texts, when given, are the panes' first texts, and each pane is
    // made as wide as its first text; the message pane stretches.
    bool SetIndicators(const UINT* ids, int count, const char* const* texts = nullptr);
    int GetCount() const { return int(m_panes.size()); }
    UINT GetItemID(int index) const; // ID_SEPARATOR when out of range
    int CommandToIndex(UINT id) const; // -1 when no pane has it

    // Out-of-range indexes are ignored (false, or empty answers).
    bool SetPaneText(int index, std::string_view text, bool update = true);
    std::string GetPaneText(int index) const;
    // width: of the text area in pixels; a pane shows wider while its text needs more room.
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    UINT GetPaneStyle(int index) const;
    void SetPaneStyle(int index, UINT style);

    // Indicator panes are never disabled for want of a handler: they are not commands.
    void OnUpdateCmdUI(CCmdTarget* target, bool disableIfNoHandler) override;

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    bool PaintsItself() const override { return false; }
    // The window text is the message pane's.
    void SetWidgetText(const QString& text) override;
    QString WidgetText() const override;

private:
    struct Pane {
        UINT id;
        UINT style;
        int width;
        std::string text; // as set, tabs included
        QPointer<QLabel> label; // gone with the bar's widget
    };
    bool ValidIndex(int index) const { return index >= 0 && index < GetCount(); }
    void ShowPane(const Pane& pane);

    std::vector<Pane> m_panes;
};
