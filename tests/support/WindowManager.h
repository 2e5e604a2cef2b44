#pragma once

// A window manager on the test's own X server, for what only a window manager does: the close
// button of a title bar, and which window it keeps above which. On X one is started (openbox)
// unless one runs already; it stays until the server ends. Started after the program has had
// input, it gives the program's new windows no focus (nor does one started again). Elsewhere
// (offscreen) there is none, and a close comes from the window system as a manager would send it.
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace testsupport {

class WindowManager {
public:
    // True when windows are managed from now on.
    static bool Start()
    {
        if (!OnX())
            return false;
        if (!Answers()) {
            // Detached, its output nowhere: the test's output ends when the test does.
            QProcess manager;
            manager.setProgram("openbox");
            manager.setArguments({"--sm-disable"});
            manager.setStandardOutputFile(QProcess::nullDevice());
            manager.setStandardErrorFile(QProcess::nullDevice());
            if (!manager.startDetached())
                return false;
        }
        return QTest::qWaitFor([] { return Answers(); });
    }

    static bool OnX() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
    // Whether windows here are managed: on X, a manager has said it is there.
    static bool Answers() { return OnX() && Run("wmctrl", {"-m"}).has_value(); }

    // The title bar's close button pressed: the manager asks the window to close (off X the
    // window system's close event comes instead). True once the request has reached the window.
    static bool PressCloseButton(QWidget* window)
    {
        CloseRequests requests(window);
        if (Answers())
            Run("wmctrl", {"-i", "-c", QString::number(window->winId())});
        else if (QWindow* handle = window->windowHandle())
            handle->close();
        return QTest::qWaitFor([&requests] { return requests.count > 0; });
    }

    // Whether the manager shows `upper` above `lower` (both of its top-level windows).
    static bool Above(QWidget* upper, QWidget* lower)
    {
        const QList<WId> order = StackingBottomUp();
        const auto at = [&order](QWidget* window) { return order.indexOf(window->winId()); };
        return at(upper) >= 0 && at(lower) >= 0 && at(upper) > at(lower);
    }

private:
    // Counts the close requests that reach a window.
    class CloseRequests : public QObject {
    public:
        explicit CloseRequests(QWidget* window) { window->installEventFilter(this); }
        int count = 0;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Close)
                ++count;
            return QObject::eventFilter(watched, event);
        }
    };

    // The managed windows from the bottom up, as the manager publishes them on the root.
    static QList<WId> StackingBottomUp()
    {
        const QString line = Run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).value_or(QString());
        QList<WId> order;
        for (const QString& word : line.mid(line.indexOf('#') + 1).split(',', Qt::SkipEmptyParts)) {
            bool ok = false;
            const WId id = word.trimmed().toULongLong(&ok, 0);
            if (ok)
                order.append(id);
        }
        return order;
    }

    // What a tool printed, when it ended well.
    static std::optional<QString> Run(const QString& program, const QStringList& arguments)
    {
        QProcess tool;
        tool.start(program, arguments);
        if (!tool.waitForFinished() || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
            return std::nullopt;
        return QString::fromLatin1(tool.readAllStandardOutput());
    }
};

} // namespace testsupport
