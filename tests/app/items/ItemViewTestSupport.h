#pragma once

// The program on the sample, in grid or tree mode, with the main window active so that the
// bidder's keys reach the screens, and the form view of the right pane at hand.
#include "app/items/DVItem.h"
#include "app/items/DVItemScheduleGrid.h"
#include "app/items/DVSiteGrid.h"
#include "model/text/NumberFormat.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/app/grids/FocusKeyboard.h"

class ItemViewTest : public ShellTest, public FocusKeyboard {
protected:
    // The sample opened in an active main window, so that keys reach it.
    void OpenSample(bool gridMode)
    {
        ASSERT_NO_FATAL_FAILURE(ShellTest::OpenSample(gridMode));
        Frame().GetWidget()->activateWindow();
        m_active = QTest::qWaitForWindowActive(Frame().GetWidget());
    }

    template <class View>
    View* Show(NodeRef node)
    {
        if (!Tree().SelectNode(node))
            return nullptr;
        Settle();
        return dynamic_cast<View*>(Frame().GetSplitter().GetRightView());
    }

    std::string StatusTotal() { return Frame().GetStatusBar().GetPaneText(2); }
    CItem& Row(int index) const { return *Prop()->m_items[index]; }
    // A total as the status bar and the views show it, with the proposal's amount format.
    std::string Formatted(double total) const
    {
        const CNumberFormat& format = Prop()->m_numberFormats[NUMFMT_AMOUNT];
        return FormatAmount(total, format.m_byWidth, format.m_byDecimals, true, Prop()->GetCurrencySymbol(0));
    }

    bool m_active = false;
};

#define REQUIRE_ACTIVE_WINDOW()                                                                    \
    if (!m_active)                                                                                 \
    GTEST_FAIL() << "the platform gives no window the focus"
