#pragma once

// A window: owns a QWidget and turns its events into the virtual On... handlers of the
// screens. Handlers that leave an event to the platform call the base version (the default
// processing); an override that does not call it consumes the event.
#include "platform/ui/docview/CmdTarget.h"
#include "platform/ui/window/Cursor.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Geometry.h"
#include "platform/ui/window/Notifications.h"
#include "platform/ui/window/WindowStyles.h"

#include <QPointer>
#include <QRegion>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <QWidget> // complete: QPointer<QWidget> members are used inline
class QEvent;
class QImage;
class QKeyEvent;
class QPainter;
class QTimer;
class CDC;
class CScrollBar;

struct CREATESTRUCT {
    CWnd* parent;
    UINT id;
    DWORD style;
    CRect rect;
    std::string name; // Windows-1252
    DWORD exStyle = 0;
};

// Where a top-level window is, and where it goes back to when it stops being maximised.
struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = SW_SHOWNORMAL;
    CPoint ptMinPosition;
    CPoint ptMaxPosition;
    CRect rcNormalPosition; // screen coordinates
};

class CDataExchange;
class CMenu;

namespace platform {
class WndBridge;
}

class CWnd : public CCmdTarget {
public:
    CWnd();
    // A window still alive here is taken down without this object's OnDestroy, which can no
    // longer run: destroy windows (DestroyWindow, or their parent's) before their objects go.
    ~CWnd() override;

    // Makes the window. The class name is not used (kept for the familiar call shape); the
    // window text is Windows-1252. A child without WS_VISIBLE stays hidden until shown; a
    // WS_POPUP window is a top-level window owned by the parent, placed in screen coordinates.
    // False when the window exists or the parent has none.
    virtual bool Create(const char* className, const char* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id);
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    // Adopts a widget made elsewhere (a dialog's, a combo box's edit part); with owned, the
    // widget goes when the window is destroyed.
    bool Attach(QWidget* widget, UINT id = 0, bool owned = false);
    QWidget* Detach();
    // Takes over the parent's dialog item: this object gets the item's window, id, place and
    // input; the object that had it lets go. False when there is no such item or this kind of
    // window cannot take that kind of control.
    bool SubclassDlgItem(UINT id, CWnd* parent);
    // OnDestroy runs once, then the children go, then the window, then PostNcDestroy.
    virtual bool DestroyWindow();
    // A window made by class belongs to its window: the object is deleted when it is destroyed.
    void SetDeleteWithWindow(bool deleteWithWindow = true) { m_deleteWithWindow = deleteWithWindow; }

    QWidget* GetWidget() const { return m_widget; }
    QWidget* GetSafeHwnd() const { return m_widget; }
    bool IsWindow() const { return m_widget != nullptr; }
    // The window of a widget, or of its nearest ancestor that has one.
    static CWnd* FromWidget(QWidget* widget);
    // The Windows class name of this kind of window ("Edit", "Button", "Static", ...).
    virtual std::string GetClassName() const { return "ZodWnd"; }

    UINT GetDlgCtrlID() const { return m_id; }
    void SetDlgCtrlID(UINT id) { m_id = id; }
    // A direct child window by id (children of children are not searched).
    CWnd* GetDlgItem(UINT id) const;
    // The direct child windows, first made first; a window's own parts (a scroll view's scroll
    // bars) are not among them.
    std::vector<CWnd*> GetChildWindows() const;
    // The parent of a child, the owner of a pop-up; null for others.
    CWnd* GetParent() const;
    // Moves the window under another parent (null: a top-level window), keeping its place in
    // the new parent's client area; the old parent.
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetTopLevelParent() const;
    bool IsChild(const CWnd* window) const; // window is a descendant of this one

    // The creation style with the state that changes at run time: visible, disabled.
    DWORD GetStyle() const;
    DWORD GetExStyle() const { return m_exStyle; }
    // The changed bits take effect (visibility, enabling, borders, a control's own styles);
    // flags with SWP_FRAMECHANGED or not, the frame is redrawn. True when anything changed.
    bool ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    bool ShowWindow(int command); // true when it was visible before
    bool IsWindowVisible() const; // itself and every ancestor shown
    bool IsIconic() const;
    bool IsZoomed() const;
    bool EnableWindow(bool enable = true); // true when it was disabled before
    bool IsWindowEnabled() const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const RECT* rect, bool repaint = true);
    // insertAfter: HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or a sibling to go
    // behind. Coordinates as MoveWindow's.
    bool SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void BringWindowToTop() { SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
    bool GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    bool SetWindowPlacement(const WINDOWPLACEMENT* placement);
    // Over the owner (the alternate window, or the parent; the screen's work area without one).
    void CenterWindow(CWnd* alternateOwner = nullptr);
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
    // Off while a window is filled, so that it shows once, whole; on again repaints it.
    void SetRedraw(bool redraw = true);
    // The window's own painting (a control's, without the OnPaint of a subclass) into dc.
    void PrintClient(CDC* dc);
    // Moves the client area's image (or the scroll rectangle's) by dx, dy: what it uncovers
    // waits to be painted, and child windows move along when the whole area scrolls.
    void ScrollWindow(int dx, int dy, const RECT* scrollRect = nullptr, const RECT* clipRect = nullptr);

    void SetWindowText(std::string_view text); // Windows-1252
    std::string GetWindowText() const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, bool redraw = true);
    CFont* GetFont() const; // the stock GUI font when none was set
    // The window's icon: the picture registered under the id; false when there is none.
    bool SetIcon(UINT resourceId);

    // Moves values between the controls and the members named in DoDataExchange: to the
    // controls, or (save) back, checking them; false, with the user told and the control
    // focused, when a value does not pass.
    bool UpdateData(bool saveAndValidate = true);
    virtual void DoDataExchange(CDataExchange*) {}

    // The window's menu; frames show theirs in a menu bar. Other windows have none.
    virtual bool SetMenu(CMenu* menu);
    virtual CMenu* GetMenu() const { return nullptr; }
    // The window menu of a top-level window; removing or disabling SC_CLOSE takes away the
    // close box and the closing it offers.
    CMenu* GetSystemMenu(bool revert);
    bool CanClose() const;

    CWnd* SetFocus(); // the window that had the focus
    static CWnd* GetFocus();
    // Makes the window's top-level window the active one (a closed dialog leaves none active
    // where no window manager picks the next); the window that was active, or null.
    CWnd* SetActiveWindow();
    CWnd* SetCapture(); // the window that had the capture
    static CWnd* GetCapture();

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, void* unused = nullptr); // 0 on failure
    bool KillTimer(UINT_PTR id);

    // Queued: the message is handled after the current event, never inside this call. A
    // window destroyed meanwhile drops it.
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Handlers. Keys, characters and mouse buttons are this window's alone: what its handler
    // passes on (the base version) goes to its own default processing, never to its parent.
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
    // delta is a whole multiple of WHEEL_DELTA; finer wheel steps are summed until they make
    // one. Passed on, the wheel goes to the window's own processing and then to its parent.
    virtual bool OnMouseWheel(UINT flags, short delta, CPoint screenPoint);
    virtual void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags);
    virtual void OnKeyUp(UINT virtualKey, UINT repeatCount, UINT flags);
    virtual void OnChar(UINT charCode, UINT repeatCount, UINT flags); // Windows-1252 code
    virtual UINT OnGetDlgCode() { return 0; }
    // Whether the window may keep a key from the frame's accelerators when it has the focus;
    // false leaves the key to them.
    virtual bool MayKeepFromAccelerators(const QKeyEvent& key) const { return (void)key, true; }
    virtual void OnSetFocus(CWnd* losing);
    virtual void OnKillFocus(CWnd* gaining);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    virtual void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    // A child control is about to paint: the brush for its background (null: its own), with
    // text colour and background mode set on dc. TRANSPARENT leaves the parent's painting
    // under a static's text.
    virtual CBrush* OnCtlColor(CDC* dc, CWnd* child, UINT ctlColor);
    // A pop-up menu of this window is about to show: the place to update its items.
    virtual void OnInitMenuPopup(CMenu* popup, UINT index, bool systemMenu);
    // The pointer is on a menu item (id), or the menu closed (flags 0xFFFF, id 0).
    virtual void OnMenuSelect(UINT id, UINT flags, CMenu* menu);
    // A control notification or command arrives here and goes to OnCmdMsg.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_USER + n, WM_APP + n and registered messages.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The Qt widget of this kind of window; controls return theirs.
    virtual QWidget* CreateWidget(QWidget* parent, DWORD style);
    // Connects a control's widget signals after the window is bound (Create, Attach and taking
    // over a dialog item), with Context() as context and the slot wrapped in Guard: a slot
    // reaches this object only while it holds the widget.
    virtual void ConnectWidget() {}
    QObject* Context() const;
    template <class Function>
    auto Guard(Function function)
    {
        return [bridge = QPointer<QObject>(Context()), window = this, function](auto&&... args) {
            if (!StillBound(bridge, window))
                return;
            if constexpr (std::is_invocable_v<const Function&, decltype(args)...>)
                function(args...);
            else
                function(); // the slot does not want the signal's arguments
        };
    }
    // A child window that belongs to this window's frame rather than its content.
    virtual bool IsOwnPart(const CWnd* child) const { return (void)child, false; }
    // Whether this kind of window can take over a widget made for another window object.
    virtual bool CanAdopt(const QWidget* widget) const;
    // Plain windows paint through OnEraseBkgnd/OnPaint; controls let Qt paint them.
    virtual bool PaintsItself() const { return true; }
    // The kind of child this control is to OnCtlColor (CTLCOLOR_*); -1: it asks nobody.
    virtual UINT CtlColorKind() const { return UINT(-1); }
    // A control applies the style bits that its widget shows (borders, alignment, read-only).
    virtual void ApplyStyle(DWORD oldStyle, DWORD oldExStyle);
    // Called after the window is gone; windows made by class delete themselves here.
    virtual void PostNcDestroy();
    // For the destructor of a class whose OnDestroy matters: the window goes while this
    // class's OnDestroy can still run, and the object is not deleted a second time.
    void DestroyWindowFromDestructor()
    {
        m_deleteWithWindow = false;
        DestroyWindow();
    }
    // How the window text reaches the widget; controls put it where their widget shows it.
    virtual void SetWidgetText(const QString& text);
    virtual QString WidgetText() const;
    // Tells the parent about a control event, through its OnCommand.
    void NotifyParent(UINT code);
    // Through the parent's OnNotify; header's window, id and code are filled in.
    LRESULT NotifyParent(NMHDR* header, UINT code);
    // Called by a base handler: the current event goes on to the window's default processing.
    void Default() { m_defaultWanted = true; }
    // Strips at the right and bottom edges that belong to the window's own scroll bars: the
    // client area leaves them out.
    void SetNonClientEdges(int right, int bottom);
    // The widget rectangle of a rectangle of the client area (borders lie outside it).
    QRect WidgetRectOf(const CRect& client) const;
    // Mouse and wheel events of a part of the widget (a scroll area's viewport) reach the
    // handlers too, in the part's coordinates (the client area of a scrolling control).
    void ForwardInputOf(QWidget* part);
    // The window's painting covers every pixel of it, so nothing under it is painted first:
    // for windows that repaint often and large (a grid's cells).
    void SetOpaquePaint(bool opaque = true);

private:
    static bool StillBound(const QPointer<QObject>& bridge, const CWnd* window);
    friend class platform::WndBridge;
    friend class CPaintDC;
    friend class CClientDC;
    friend class CWindowDC;
    void Bind(QWidget* widget, bool owned);
    void Unbind();
    void ForgetWidget(); // the widget is gone or no longer ours
    void TearDown();     // children and widget, after OnDestroy
    void ApplyInitialStyle(DWORD style);
    void UpdateBorders();
    int BorderWidth() const;
    QPoint ClientOrigin() const { return QPoint(m_border, m_border); }
    QPoint ParentOrigin() const;
    // True when the event was consumed; part: it arrived at a part of the widget.
    bool Dispatch(QEvent* event, bool part = false);
    bool DispatchPaint(QEvent* event);
    void PaintBorder(QPainter& painter);
    bool DispatchMouse(QEvent* event);
    bool DispatchWheel(QEvent* event, bool part);
    bool DispatchKey(QEvent* event);
    bool KeyIsFromDescendant(const QEvent* event) const;
    void DispatchSize();
    void DestroyChildren();
    // Runs one handler; true when it passed the event on.
    template <class Handler>
    bool PassedOn(Handler&& handler);
    // The window's default processing of a key or character sent as a message.
    void DefaultKey(UINT message, WPARAM wParam);
    void DrawOverlay(QPainter& painter);
    // The colours the parent's OnCtlColor gives this control, put into its widget's palette.
    void ApplyParentColors();
    QImage* Overlay(); // drawing of client DCs between paints

    QPointer<QWidget> m_widget;
    bool m_ownsWidget = false;
    platform::WndBridge* m_bridge = nullptr;
    UINT m_id = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    int m_border = 0;
    CFont* m_font = nullptr;
    std::map<UINT_PTR, std::unique_ptr<QTimer>> m_timers;
    QRegion m_invalid;      // waiting to be painted, widget coordinates
    QPainter* m_paintPainter = nullptr; // during a paint of a plain window
    bool m_inPaint = false;
    QRect m_paintRect;
    bool m_defaultWanted = false;
    bool m_destroying = false;
    bool m_printingClient = false;
    bool m_deleteWithWindow = false;
    int m_wheelRemainder = 0;
    CSize m_lastSize{-1, -1};
    CSize m_nonClient;
    int m_dispatchDepth = 0;
    std::unique_ptr<QImage> m_overlay;
    std::unique_ptr<CMenu> m_systemMenu;
};

template <class Handler>
bool CWnd::PassedOn(Handler&& handler)
{
    const bool outer = m_defaultWanted;
    m_defaultWanted = false;
    handler();
    const bool passed = m_defaultWanted;
    m_defaultWanted = outer;
    return passed;
}

// Ids from 0xC000 up, one per name (names compare without case), stable for the program's run.
UINT RegisterWindowMessage(const char* name);
bool ReleaseCapture();

// SystemParametersInfo: SPI_GETWORKAREA fills a RECT with the primary screen's area that
// panels and docks leave free.
constexpr UINT SPI_GETWORKAREA = 0x0030;
bool SystemParametersInfo(UINT action, UINT param, void* value, UINT winIni);
