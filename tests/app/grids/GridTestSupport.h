#pragma once

// One of the proposal's grids on the offscreen platform, hosted in a window of its own that
// counts what the grid tells its host, over a small proposal made here. Driven with real keys.
#include "app/grids/GridHost.h"
#include "controls/grid/GridArea.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "tests/app/grids/FocusKeyboard.h"
#include "tests/model/support/BidTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class GridHostWindow : public CWnd, public CGridHost {
public:
    void RefreshTotals() override { ++m_refreshes; }
    void OnGridChange() override { ++m_changes; }

    int m_refreshes = 0;
    int m_changes = 0;
};

template <class Grid>
class HostedGrid : public FocusKeyboard {
public:
    static constexpr UINT kGridId = 1011;

    explicit HostedGrid(CProp* prop, int width = 520, int height = 300)
    {
        m_host.Create(nullptr, "grid host", WS_POPUP, CRect(40, 40, 40 + width, 40 + height), nullptr, 0);
        m_place.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, width, height), &m_host, kGridId);
        grid.SetProposal(prop);
        grid.AttachToDialogItem(kGridId, &m_host);
        grid.SetSideHeadingWidth(0);
        grid.SizeColumns(width);
        m_host.ShowWindow(SW_SHOW);
        m_host.GetWidget()->activateWindow();
        m_active = QTest::qWaitForWindowActive(m_host.GetWidget());
        grid.GetCellArea()->SetFocus();
    }
    ~HostedGrid() { m_host.DestroyWindow(); }

    bool IsActive() const { return m_active; }
    GridHostWindow& Host() { return m_host; }
    std::string Text(int column, int row)
    {
        std::string text;
        grid.QuickGetText(column, row, &text);
        return text;
    }
    CGridCell Cell(int column, int row)
    {
        CGridCell cell;
        grid.GetCell(column, row, &cell);
        return cell;
    }
    QPoint CellCentre(int column, int row)
    {
        CRect rect;
        grid.GetCellRect(&column, &row, &rect);
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    void Click(int column, int row)
    {
        QTest::mouseClick(grid.GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier, CellCentre(column, row));
    }

    Grid grid;

private:
    GridHostWindow m_host;
    CWnd m_place;
    bool m_active = false;
};

#define REQUIRE_FOCUS(hosted)                                                                      \
    if (!(hosted).IsActive())                                                                      \
    GTEST_FAIL() << "the platform gives no window the focus"

// Message boxes answered (and written down) by the test.
class ScriptedTest : public ::testing::Test {
protected:
    // One message box was shown, titled `caption`, its text holding `part`.
    ::testing::AssertionResult ToldOnce(const std::string& caption, const std::string& part) const
    {
        const auto& boxes = m_script.MessageBoxes();
        if (boxes.size() != 1)
            return ::testing::AssertionFailure() << boxes.size() << " message boxes";
        if (boxes[0].caption != caption || boxes[0].text.find(part) == std::string::npos)
            return ::testing::AssertionFailure() << boxes[0].caption << ": " << boxes[0].text;
        return ::testing::AssertionSuccess();
    }

    platform::ScriptedModalServices m_script;
    platform::ScopedModalServices m_installed{m_script};
};
