// Sent, posted and registered messages, timers and notifications of windows.
#include "platform/ui/window/Wnd.h"

#include "platform/ui/window/WndBridge.h"

#include <QTimer>
#include <QWidget>
#include <map>
#include <strings.h>

namespace {

struct Caseless {
    bool operator()(const std::string& a, const std::string& b) const
    {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};

} // namespace

UINT RegisterWindowMessage(const char* name)
{
    static std::map<std::string, UINT, Caseless> ids;
    if (!name || !*name)
        return 0;
    auto [it, added] = ids.emplace(name, WM_REGISTERED_FIRST + UINT(ids.size()));
    return it->second;
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_widget || !m_bridge)
        return false;
    QPointer<platform::WndBridge> bridge(m_bridge);
    QTimer::singleShot(0, m_bridge, [bridge, message, wParam, lParam] {
        if (bridge && bridge->Window())
            bridge->Window()->SendMessage(message, wParam, lParam);
    });
    return true;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::DispatchScope scope(m_dispatchDepth);
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 1 : 0;
    case WM_NOTIFY: {
        LRESULT result = 0;
        OnNotify(wParam, lParam, &result);
        return result;
    }
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        auto* bar = reinterpret_cast<CScrollBar*>(lParam);
        if (message == WM_HSCROLL)
            OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
        else
            OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
        return 0;
    }
    case WM_SETTEXT:
        SetWindowText(lParam ? reinterpret_cast<const char*>(lParam) : "");
        return 1;
    case WM_GETTEXTLENGTH:
        return GetWindowTextLength();
    case WM_SETFONT:
        SetFont(reinterpret_cast<CFont*>(wParam), lParam != 0);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetFont());
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: {
        const UINT repeat = LOWORD(lParam) ? LOWORD(lParam) : 1;
        const UINT flags = HIWORD(lParam);
        const bool passed = PassedOn([&] {
            if (message == WM_KEYDOWN)
                OnKeyDown(UINT(wParam), repeat, flags);
            else if (message == WM_KEYUP)
                OnKeyUp(UINT(wParam), repeat, flags);
            else
                OnChar(UINT(wParam), repeat, flags);
        });
        if (passed)
            DefaultKey(message, wParam);
        return 0;
    }
    case WM_GETDLGCODE:
        return LRESULT(OnGetDlgCode());
    case WM_SETREDRAW:
        SetRedraw(wParam != 0);
        return 0;
    case WM_PRINTCLIENT:
        PrintClient(reinterpret_cast<CDC*>(wParam));
        return 0;
    default:
        return OnMessage(message, wParam, lParam);
    }
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    return OnCmdMsg(LOWORD(wParam), int(HIWORD(wParam)), nullptr);
}

bool CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return false;
    CmdNotify notify{header, result};
    return OnCmdMsg(header->idFrom, CN_NOTIFY, &notify);
}

LRESULT CWnd::OnMessage(UINT, WPARAM, LPARAM)
{
    return 0;
}

void CWnd::NotifyParent(UINT code)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(m_id), WORD(code)),
                            reinterpret_cast<LPARAM>(this));
}

LRESULT CWnd::NotifyParent(NMHDR* header, UINT code)
{
    CWnd* parent = GetParent();
    if (!parent || !header)
        return 0;
    header->hwndFrom = this;
    header->idFrom = m_id;
    header->code = code;
    return parent->SendMessage(WM_NOTIFY, m_id, reinterpret_cast<LPARAM>(header));
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, void*)
{
    if (!m_widget || id == 0)
        return 0;
    auto& timer = m_timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, m_bridge, [this, id] { OnTimer(id); });
    }
    timer->start(int(std::min<UINT>(elapseMs, 0x7FFFFFFF)));
    return id;
}

bool CWnd::KillTimer(UINT_PTR id)
{
    return m_timers.erase(id) > 0;
}
