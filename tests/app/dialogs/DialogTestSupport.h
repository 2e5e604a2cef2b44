#pragma once

// Dialogs run modally with the modal services scripted: the script works the dialog with real
// mouse and key events while it is up.
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "platform/core/PageSink.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/dialogs/Dialog.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "resources/Resources.h"
#include "tests/support/TestEnvironment.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace dialogtest {

// The dialog's window as the user sees it: shown, laid out and painted.
inline QWidget* Shown(CDialog& dialog)
{
    QWidget* window = dialog.ModalWindow();
    window->show();
    QApplication::processEvents();
    return window;
}

inline void Click(CWnd* control, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control->GetWidget(), Qt::LeftButton, modifiers,
                      control->GetWidget()->rect().center());
}

inline QListWidget* ListWidget(CWnd* list)
{
    return list ? qobject_cast<QListWidget*>(list->GetWidget()) : nullptr;
}

// A click on a line of a list box, or a double click.
inline void ClickLine(CWnd* list, int line, bool twice = false)
{
    QListWidget* widget = ListWidget(list);
    ASSERT_NE(widget, nullptr);
    const QPoint at = widget->visualItemRect(widget->item(line)).center();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (twice)
        QTest::mouseDClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

inline std::vector<std::string> Lines(CWnd* window)
{
    std::vector<std::string> lines;
    const auto* list = dynamic_cast<CListBox*>(window);
    for (int i = 0; list && i < list->GetCount(); ++i)
        lines.push_back(list->GetText(i));
    return lines;
}

// What `print` prints through the line printer, as a text stream: lines, and a form feed a page.
inline std::string PrintedText(const std::function<void()>& print)
{
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    CTextPrinterTarget target;
    target.m_pSink = &sink;
    OpenTextPrinter(0, target);
    print();
    CloseTextPrinter(true);
    return out.str();
}

// A proposal with what the printed lists put at their head.
inline std::unique_ptr<CProp> HeadedProposal()
{
    auto prop = std::make_unique<CProp>();
    prop->m_strContractId = "C-1042";
    prop->m_strLettingId = "L2024-05";
    prop->m_strCallOrder = "017";
    prop->m_strAgencyId = "TXDOT";
    prop->m_iLettingDate = 1715342400; // 10 May 2024, noon UTC
    prop->m_iAmendmentCount = 2;
    prop->m_pBidder = std::make_unique<CBidderInfo>();
    prop->m_pBidder->Set(BIDDER_AGENCY_CODE, "TXDOT");
    prop->m_pBidder->Set(BIDDER_ID, "V0042917");
    prop->m_pBidder->Set(BIDDER_NAME, "Ace Paving & Grading, Inc.");
    return prop;
}

class DialogTest : public ::testing::Test {
protected:
    DialogTest() { resources::RegisterAll(); }

    // Runs the dialog modally with the script; the result of the run.
    int Run(CDialog& dialog, const std::function<void()>& script)
    {
        m_script.AnswerDialog([&dialog, script](platform::ModalDialog&) {
            Shown(dialog);
            script();
        });
        return dialog.DoModal();
    }

    // The texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const platform::MessageBoxRequest& box : m_script.MessageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    testsupport::TempFolder m_folder;
    testsupport::ScopedEnvironment m_config{"XDG_CONFIG_HOME", (m_folder / "config").c_str()};
    testsupport::ScopedEnvironment m_data{"XDG_DATA_HOME", (m_folder / "data").c_str()};
    platform::ScriptedModalServices m_script;
    platform::ScopedModalServices m_installed{m_script};
};

} // namespace dialogtest
