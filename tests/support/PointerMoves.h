#pragma once

// Moving the pointer with no button held. QTest moves the platform's own pointer then; on an
// X server the widget hears of it only when the server's motion event comes back, after QTest
// has returned, so a click or a check straight after would see the old position.
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTest>

namespace testsupport {

inline void HoverMouse(QWidget* widget, QPoint pos)
{
    const QPoint global = widget->mapToGlobal(pos);
    if (QCursor::pos() == global) {
        QTest::mouseMove(widget, pos);
        return;
    }
    struct Heard : QObject {
        QPoint at;
        bool seen = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::MouseMove &&
                static_cast<QMouseEvent*>(event)->globalPosition().toPoint() == at)
                seen = true;
            return false;
        }
    } heard;
    heard.at = global;
    qApp->installEventFilter(&heard);
    QTest::mouseMove(widget, pos);
    // Bounded, so a move the platform never reports cannot hang the test; the test's own checks
    // then fail.
    const QDeadlineTimer deadline(5000);
    while (!heard.seen && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    qApp->removeEventFilter(&heard);
}

// Pressed over `from` (after the pointer has come there), moved and released over `to`.
inline void DragMouse(QWidget* widget, QPoint from, QPoint to)
{
    HoverMouse(widget, from);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

} // namespace testsupport
