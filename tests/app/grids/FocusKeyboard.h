#pragma once

// The bidder's keys, each pressed and released on whatever has the focus at that moment (the
// grid, then the editor it opens, then the grid again).
#include <QApplication>
#include <QTest>

#include <string>

class FocusKeyboard {
public:
    QWidget* Focus() const { return QApplication::focusWidget(); }
    void Type(const std::string& text)
    {
        for (char c : text)
            QTest::keyClicks(Focus(), QString(QChar(c)));
    }
    // Commands of accelerators are queued: they have run when the key returns.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Focus(), key, modifiers);
        QCoreApplication::processEvents();
    }
    // Typed into the current cell or field and entered.
    void Enter(const std::string& text)
    {
        Type(text);
        Key(Qt::Key_Return);
    }
};
