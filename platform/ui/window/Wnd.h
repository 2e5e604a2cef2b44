#pragma once

// A window: owns a QWidget and turns its events into the virtual On... handlers of the
// screens. Handlers that leave an event to the platform call the base version (the default
// processing); an override that does not call it consumes the event.
#include "platform/ui/docview/CmdTarget.h"
#include "platform/ui/window/Cursor.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Geometry.h"
#include "platform/ui/window/Notifications.h"

#include <QPointer>
#include <QRegion>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include <QWidget> // complete: QPointer<QWidget> members are used inline
class QEvent;
class QPainter;
class QTimer;
class CDC;
class CScrollBar;

constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

constexpr UINT SIZE_RESTORED = 0;
constexpr UINT SIZE_MINIMIZED = 1;
constexpr UINT SIZE_MAXIMIZED = 2;

// What a window wants of the dialog keys (OnGetDlgCode).
constexpr UINT DLGC_WANTARROWS = 0x0001;
constexpr UINT DLGC_WANTTAB = 0x0002;
constexpr UINT DLGC_WANTALLKEYS = 0x0004;
constexpr UINT DLGC_WANTCHARS = 0x0080;

struct CREATESTRUCT {
    CWnd* parent;
    UINT id;
    DWORD style;
    CRect rect;
    std::string name; // Windows-1252
};

namespace platform {
class WndBridge;
}

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    // Makes the window. The class name is not used (kept for the familiar call shape); the
    // window text is Windows-1252. False when the window exists or the parent has none.
    virtual bool Create(const char* className, const char* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id);
    // Adopts a widget made elsewhere (frames, dialog layouts); the widget is not owned.
    bool Attach(QWidget* widget, UINT id = 0);
    QWidget* Detach();
    virtual bool DestroyWindow();

    QWidget* GetWidget() const { return m_widget; }
    QWidget* GetSafeHwnd() const { return m_widget; }
    bool IsWindow() const { return m_widget != nullptr; }
    // The window of a widget, or of its nearest ancestor that has one.
    static CWnd* FromWidget(QWidget* widget);

    UINT GetDlgCtrlID() const { return m_id; }
    void SetDlgCtrlID(UINT id) { m_id = id; }
    // A child window by id: direct children first, then their descendants.
    CWnd* GetDlgItem(UINT id) const;
    CWnd* GetParent() const;
    CWnd* GetTopLevelParent() const;
    DWORD GetStyle() const { return m_style; }
    DWORD GetExStyle() const { return m_exStyle; }
    void ModifyStyleEx(DWORD remove, DWORD add) { m_exStyle = (m_exStyle & ~remove) | add; }

    bool ShowWindow(int command); // true when it was visible before
    bool IsWindowVisible() const;
    bool EnableWindow(bool enable = true); // true when it was disabled before
    bool IsWindowEnabled() const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const RECT* rect, bool repaint = true);
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const; // screen coordinates
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;

    void Invalidate(bool erase = true);
    void InvalidateRect(const RECT* rect, bool erase = true); // null: the whole client area
    void ValidateRect(const RECT* rect);                      // null: the whole client area
    // True when part of the window waits to be painted; its bounds go to rect.
    bool GetUpdateRect(RECT* rect, bool erase = false) const;
    void UpdateWindow(); // paints the waiting part now

    void SetWindowText(std::string_view text); // Windows-1252
    std::string GetWindowText() const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, bool redraw = true);
    CFont* GetFont() const; // the stock GUI font when none was set

    CWnd* SetFocus(); // the window that had the focus
    static CWnd* GetFocus();
    CWnd* SetCapture(); // the window that had the capture
    static CWnd* GetCapture();

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, void* unused = nullptr); // 0 on failure
    bool KillTimer(UINT_PTR id);

    // Queued: the message is handled after the current event, never inside this call. A
    // window destroyed meanwhile drops it.
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Handlers.
    virtual int OnCreate(CREATESTRUCT* create);
    virtual void OnDestroy() {}
    virtual void OnClose();
    virtual void OnPaint();
    virtual bool OnEraseBkgnd(CDC* dc);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    // delta is a whole multiple of WHEEL_DELTA; finer wheel steps are summed until they make one.
    virtual bool OnMouseWheel(UINT flags, short delta, CPoint screenPoint);
    virtual void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags);
    virtual void OnKeyUp(UINT virtualKey, UINT repeatCount, UINT flags);
    virtual void OnChar(UINT charCode, UINT repeatCount, UINT flags); // Windows-1252 code
    virtual UINT OnGetDlgCode() { return 0; }
    virtual void OnSetFocus(CWnd* losing);
    virtual void OnKillFocus(CWnd* gaining);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    virtual void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    // A control notification or command arrives here and goes to OnCmdMsg.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_USER + n, WM_APP + n and registered messages.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The Qt widget of this kind of window; controls return theirs.
    virtual QWidget* CreateWidget(QWidget* parent, DWORD style);
    // Plain windows paint through OnEraseBkgnd/OnPaint; controls let Qt paint them.
    virtual bool PaintsItself() const { return true; }
    // How the window text reaches the widget; controls put it where their widget shows it.
    virtual void SetWidgetText(const QString& text);
    virtual QString WidgetText() const;
    // Tells the parent about a control event, through its OnCommand.
    void NotifyParent(UINT code);
    // Through the parent's OnNotify; header's window, id and code are filled in.
    LRESULT NotifyParent(NMHDR* header, UINT code);
    // Called by a base handler: the current event goes on to the platform.
    void Default() { m_defaultWanted = true; }
    // Strips at the right and bottom edges that belong to the window's own scroll bars: the
    // client area leaves them out.
    void SetNonClientEdges(int right, int bottom) { m_nonClient = CSize(right, bottom); }
    // Mouse and wheel events of a part of the widget (a scroll area's viewport) reach the
    // handlers too, in the part's coordinates (the client area of a scrolling control).
    void ForwardInputOf(QWidget* part);

private:
    friend class platform::WndBridge;
    friend class CPaintDC;
    friend class CClientDC;
    void Bind(QWidget* widget, bool owned);
    void Unbind();
    void ForgetWidget(); // the widget is gone or no longer ours
    bool Dispatch(QEvent* event); // true when the event was consumed
    bool DispatchPaint(QEvent* event);
    bool DispatchMouse(QEvent* event);
    bool DispatchWheel(QEvent* event);
    bool DispatchKey(QEvent* event);
    void DispatchSize();
    void DestroyChildren();

    QPointer<QWidget> m_widget;
    bool m_ownsWidget = false;
    platform::WndBridge* m_bridge = nullptr;
    UINT m_id = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    CFont* m_font = nullptr;
    std::map<UINT_PTR, std::unique_ptr<QTimer>> m_timers;
    QRegion m_invalid;      // waiting to be painted
    QPainter* m_paintPainter = nullptr; // during a paint of a plain window
    bool m_inPaint = false;
    QRect m_paintRect;
    bool m_defaultWanted = false;
    int m_wheelRemainder = 0;
    CSize m_lastSize{-1, -1};
    CSize m_nonClient;
    int m_dispatchDepth = 0;
};

// Ids from 0xC000 up, one per name (names compare without case), stable for the program's run.
UINT RegisterWindowMessage(const char* name);
bool ReleaseCapture();
