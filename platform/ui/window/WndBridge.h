#pragma once

// Internal to the window layer: the link between a window and its widget.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/ui/window/WinTypes.h"

class CWnd;

namespace platform {

// Sits on the widget as an event filter and hands events to the window.
class WndBridge : public QObject {
public:
    WndBridge(CWnd* wnd, QWidget* widget);
    // The widget went away under the window (its parent was deleted): the window lets go.
    ~WndBridge() override;
    CWnd* Window() const { return m_wnd; }
    void Disconnect() { m_wnd = nullptr; }
    // Mouse and wheel events of a part of the widget (a scroll area's viewport) go to the
    // window too.
    void WatchPart(QWidget* part);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsPart(const QObject* object) const;

    CWnd* m_wnd;
    QWidget* m_widget;
    std::vector<QPointer<QWidget>> m_parts;
};

// Counts the handlers of a window running, so that it is not deleted under them.
class DispatchScope {
public:
    explicit DispatchScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~DispatchScope() { --m_depth; }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

private:
    int& m_depth;
};

// The widget of a plain window. Windows hear every mouse move, buttons down or not.
class WndWidget : public QWidget {
public:
    explicit WndWidget(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

protected:
    // A focus change repaints a window only when its own handler invalidates it.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}
};

// Which window a widget belongs to (null when none).
CWnd* WindowOfWidget(const QWidget* widget);
void RegisterWidget(QWidget* widget, CWnd* wnd);
void UnregisterWidget(QWidget* widget);
// The window handling a mouse event right now, for SetCursor.
CWnd* MouseEventWindow();
void SetMouseEventWindow(CWnd* wnd);
// Connects focus changes to OnKillFocus/OnSetFocus, once.
void EnsureFocusTracking();
// The program's colour for disabled text in the application's palette (WndColors.cpp).
void EnsureProgramPalette();
void ForgetCapture(CWnd* wnd);

} // namespace platform
