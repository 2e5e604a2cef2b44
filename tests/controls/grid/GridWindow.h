#pragma once
// A grid shown in a window of its own on the offscreen platform, with a fixed font, for tests
// that drive it with real key and mouse events; and a grid that starts editing as soon as a
// character is typed, as the application's grids do.
#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridSections.h"

// Typing a character into the cells opens the editor with it, as the item grid does.
class TypingGrid : public CGridCtrl {
public:
    void OnGridChar(UINT* key, int processed) override
    {
        if (!processed && *key >= ' ')
            StartEditCurrentWithKey(static_cast<int>(*key));
    }
};

template <class Grid = TypingGrid>
class GridWindow {
public:
    // Columns 75 wide and rows 20 high under a heading band of 20 and beside one of 40.
    GridWindow(int columns, int rows, int width = 400, int height = 240)
    {
        m_host.Create(nullptr, "grid host", WS_POPUP, CRect(40, 40, 40 + width, 40 + height), nullptr, 0);
        grid.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, width, height), &m_host, 100);
        grid.SetDefaultFont(grid.AddFont("Arial", -12, 400));
        grid.SetColumnCount(columns, 0);
        grid.SetRowCount(rows, 0);
        grid.RecalcLayout();
        m_host.ShowWindow(SW_SHOW);
        m_host.GetWidget()->activateWindow();
        m_active = QTest::qWaitForWindowActive(m_host.GetWidget());
        grid.GetCellArea()->SetFocus();
    }
    ~GridWindow() { m_host.DestroyWindow(); }

    // False when the platform gives no window the focus: keyboard tests cannot run then.
    bool IsActive() const { return m_active; }
    QWidget* Cells() const { return grid.GetCellArea()->GetWidget(); }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    // The centre of a cell in the cell area.
    QPoint CellCentre(int column, int row)
    {
        int c = column, r = row;
        CRect rect;
        grid.GetCellRect(&c, &r, &rect);
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    // Each key goes to the window that has the focus when it is typed.
    void Type(const char* text)
    {
        for (const char* c = text; *c; ++c)
            QTest::keyClicks(Focus(), QString(QChar(*c)));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(Focus(), key, modifiers); }
    std::string Text(int column, int row)
    {
        std::string text;
        grid.QuickGetText(column, row, &text);
        return text;
    }

    Grid grid;

private:
    CWnd m_host;
    bool m_active = false;
};

#define REQUIRE_FOCUS(window)                                                    \
    if (!(window).IsActive())                                                    \
    GTEST_FAIL() << "the platform gives no window the focus"
