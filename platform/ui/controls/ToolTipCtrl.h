#pragma once

// Tool tips: tools are windows, or rectangles of a window, each with a text or with a text
// asked for when it shows (TTN_NEEDTEXT). Shown through Qt's tool tip.
#include "platform/ui/window/Wnd.h"

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

constexpr UINT TTN_NEEDTEXT = UINT(-520);
constexpr UINT TTF_IDISHWND = 0x0001;

// TTN_NEEDTEXT: the owner fills szText or points lpszText at a text of its own (which must
// end with a zero and stay valid until the handler returns).
struct NMTTDISPINFO {
    NMHDR hdr; // idFrom: the tool's id (a window tool's: the window's control id)
    char* lpszText;
    char szText[80];
    UINT uFlags; // TTF_IDISHWND for window tools
    LPARAM lParam;
};

namespace platform {
class ToolTipFilter;
}

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;
    using CWnd::Create;
    bool Create(CWnd* parent, DWORD style = 0);

    // Without a rectangle the tool is the whole window and its parent is asked for a callback
    // text; with one, the tool is that part of the window, asked of the window itself.
    bool AddTool(CWnd* window, const char* text = LPSTR_TEXTCALLBACK, const RECT* rect = nullptr,
                 UINT_PTR toolId = 0);
    void DelTool(CWnd* window, UINT_PTR toolId = 0);
    void UpdateTipText(const char* text, CWnd* window, UINT_PTR toolId = 0);
    void Activate(bool activate);
    int SetMaxTipWidth(int width); // pixels; longer tips break between words; the old width
    int GetToolCount() const;

    // What the tip shows for a point of a window's client area; empty when nothing.
    std::string TipTextAt(CWnd* window, CPoint point);

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;

private:
    friend class platform::ToolTipFilter;
    struct Tool {
        CWnd* window;
        QPointer<QWidget> widget; // the tool is gone when its window's widget is
        UINT_PTR id;
        bool wholeWindow;
        CRect rect;
        bool callback;
        std::string text;
    };
    bool Alive(const Tool& tool) const;
    Tool* Find(CWnd* window, UINT_PTR id);
    std::string AskText(const Tool& tool);
    QString Wrapped(const std::string& text) const;
    bool ShowTip(QWidget* widget, const QPoint& point, const QPoint& global);

    std::vector<Tool> m_tools;
    std::unique_ptr<platform::ToolTipFilter> m_filter;
    bool m_active = true;
    int m_maxWidth = -1;
};
