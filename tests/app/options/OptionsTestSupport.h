#pragma once

// The options sheet run modally over the program's settings (a fresh settings file, every
// option group loaded), worked with real mouse and key events while it is up.
#include "app/options/OptionsSheet.h"
#include "app/startup/BidApp.h"
#include "controls/grid/GridArea.h"
#include "controls/grid/GridEdit.h"
#include "model/settings/BidderSettings.h"
#include "model/settings/OptionSettings.h"
#include "model/settings/ProxySettings.h"
#include "model/settings/SettingsGroups.h"
#include "model/settings/UnitTable.h"
#include "platform/core/SettingsStore.h"
#include "tests/app/dialogs/DialogTestSupport.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>

namespace optionstest {

// The value as the settings file holds it.
inline std::optional<std::string> Stored(std::string_view group, std::string_view name)
{
    CProfileStore store;
    OpenSettingsGroup(store, group);
    return store.GetProfileStringValue(name);
}

inline void Click(CWnd* control)
{
    dialogtest::Click(control);
}

// A click on a tab of the sheet, as the user chooses a page.
inline void ClickTab(CPropertySheet& sheet, int index)
{
    auto* tabs = sheet.ModalWindow()->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
}

inline void Press(CPropertySheet& sheet, QDialogButtonBox::StandardButton which)
{
    auto* buttons = sheet.ModalWindow()->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QTest::mouseClick(buttons->button(which), Qt::LeftButton);
}

inline bool ApplyEnabled(CPropertySheet& sheet)
{
    auto* buttons = sheet.ModalWindow()->findChild<QDialogButtonBox*>();
    return buttons && buttons->button(QDialogButtonBox::Apply)->isEnabled();
}

inline std::string CellText(CGridCtrl& grid, int column, int row)
{
    std::string text;
    grid.QuickGetText(column, row, &text);
    return text;
}

inline QPoint CellPoint(CGridCtrl& grid, int column, int row, bool rightEdge = false)
{
    CRect rect;
    grid.GetCellRect(&column, &row, &rect);
    return rightEdge ? QPoint(rect.right - 4, rect.CenterPoint().y) : QPoint(rect.CenterPoint().x, rect.CenterPoint().y);
}

inline void ClickCell(CGridCtrl& grid, int column, int row)
{
    QTest::mouseClick(grid.GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier, CellPoint(grid, column, row));
}

// Typed into the current cell: the first key opens the editor (unless one is open already, as
// after Return or Tab), the rest go to the editor, and the end key closes it.
inline void TypeIntoCell(CGridCtrl& grid, const std::string& text, Qt::Key end = Qt::Key_Return)
{
    const char* rest = text.c_str();
    if (!grid.IsEditing())
        QTest::keyClicks(grid.GetCellArea()->GetWidget(), QString::fromLatin1(rest++, 1));
    ASSERT_TRUE(grid.IsEditing());
    QWidget* editor = grid.GetActiveEditor()->GetWidget();
    QTest::keyClicks(editor, QString::fromLatin1(rest));
    QTest::keyClick(editor, end);
}

class OptionsTest : public dialogtest::DialogTest {
protected:
    OptionsTest() { LoadOptionSettings(); }
    ~OptionsTest() override
    {
        SetBidderInfo(nullptr);
        SetIOFormatSettings(nullptr);
        FreeUnitList();
        GetProxySettings() = {};
    }

    // The sheet up, its window active, on the page of that tab; the script works it.
    int RunOn(int tab, const std::function<void()>& script)
    {
        return Run(sheet, [this, tab, script] {
            QWidget* window = sheet.ModalWindow();
            window->activateWindow();
            m_active = QTest::qWaitForWindowActive(window);
            if (tab != 0)
                ClickTab(sheet, tab);
            script();
        });
    }

    CBidApp app;
    COptionsSheet sheet{"ZOD Options"};
    bool m_active = false;
};

} // namespace optionstest
