// Values moved between a dialog's controls and its members, checked on the way back; the
// window menu's close entry.
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/dialogs/DataExchange.h"
#include "platform/ui/dialogs/Dialog.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "platform/ui/window/Menu.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

constexpr UINT kDialogId = 950;
constexpr UINT kName = 300, kPort = 301, kDirect = 302, kManual = 303, kSystem = 304, kAsk = 305,
               kFormat = 306;

const DialogItemTemplate kItems[] = {
    dlg::EditText(kName, 7, 7, 100, 12),
    dlg::EditText(kPort, 7, 23, 40, 12),
    dlg::AutoRadioButton("&Direct", kDirect, 7, 40, 60, 10, WS_GROUP | WS_TABSTOP),
    dlg::AutoRadioButton("&Manual", kManual, 7, 52, 60, 10),
    dlg::AutoRadioButton("&System", kSystem, 7, 64, 60, 10),
    dlg::AutoCheckBox("&Ask again", kAsk, 7, 78, 60, 10, WS_GROUP),
    dlg::ComboBox(kFormat, 7, 92, 60, 60, CBS_DROPDOWNLIST | WS_VSCROLL),
    dlg::DefPushButton("OK", IDOK, 70, 110, 50, 14),
};
const DialogTemplate kTemplate{kDialogId, "Proxy", 130, 130, "MS Sans Serif", 8, kItems, std::size(kItems)};

struct ProxyDialog : CDialog {
    ProxyDialog() : CDialog(kDialogId) {}
    std::string name = "proxy.example";
    int port = 8080;
    int mode = 1;
    int ask = 1;
    int format = 2;
    bool OnInitDialog() override
    {
        auto* formats = dynamic_cast<CComboBox*>(GetDlgItem(kFormat));
        for (const char* code : {"CSV", "CS2", "TAB"})
            formats->AddString(code);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, kName, name);
        DDV_MaxChars(dx, name, 20);
        DDX_Text(dx, kPort, port);
        DDX_Radio(dx, kDirect, mode);
        DDX_Check(dx, kAsk, ask);
        DDX_CBIndex(dx, kFormat, format);
    }
};

struct DataExchange : ::testing::Test {
    platform::ResourceRegistration<DialogTemplate> registered{kTemplate};
    platform::ScriptedModalServices script;
    platform::ScopedModalServices installed{script};
    ProxyDialog dialog;
};

} // namespace

TEST_F(DataExchange, ValuesGoIntoTheControlsAndComeBackCheckedOnOk)
{
    script.AnswerDialog([&](platform::ModalDialog&) {
        auto* port = dynamic_cast<CEdit*>(dialog.GetDlgItem(kPort));
        EXPECT_EQ(dialog.GetDlgItem(kName)->GetWindowText(), "proxy.example");
        EXPECT_EQ(port->GetWindowText(), "8080");
        EXPECT_EQ(dynamic_cast<CButton*>(dialog.GetDlgItem(kManual))->GetCheck(), BST_CHECKED);
        EXPECT_EQ(dynamic_cast<CComboBox*>(dialog.GetDlgItem(kFormat))->GetCurSel(), 2);

        // A port that is no number keeps the dialog open, says why and points at it.
        port->SetWindowText("80a");
        dialog.OnOK();
        EXPECT_FALSE(dialog.HasEnded());
        ASSERT_EQ(script.MessageBoxes().size(), 1u);
        EXPECT_EQ(script.MessageBoxes()[0].text, "Please enter an integer.");

        port->SetWindowText(" 3128 ");
        dynamic_cast<CButton*>(dialog.GetDlgItem(kSystem))->SendMessage(BM_CLICK);
        dynamic_cast<CButton*>(dialog.GetDlgItem(kAsk))->SendMessage(BM_CLICK);
        dialog.GetDlgItem(kName)->SetWindowText("cache.example");
        dialog.OnOK();
    });
    script.AnswerMessageBox(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.port, 3128);
    EXPECT_EQ(dialog.mode, 2);
    EXPECT_EQ(dialog.ask, 0);
    EXPECT_EQ(dialog.name, "cache.example");
    EXPECT_EQ(dialog.format, 2);
}

TEST_F(DataExchange, TooLongATextIsRefused)
{
    script.AnswerDialog([&](platform::ModalDialog&) {
        EXPECT_EQ(dynamic_cast<CEdit*>(dialog.GetDlgItem(kName))->GetLimitText(), 20u);
        dialog.GetDlgItem(kName)->SetWindowText(std::string(21, 'x'));
        dialog.OnOK();
    });
    script.AnswerMessageBox(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(script.MessageBoxes().back().text, "Please enter no more than 20 characters.");
}

TEST(WindowMenu, WithoutItsCloseEntryAWindowCannotBeClosed)
{
    CWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_VISIBLE | WS_CAPTION | WS_SYSMENU, CRect(0, 0, 100, 80), nullptr, 0));
    CMenu* menu = window.GetSystemMenu(false);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND));
    EXPECT_FALSE(window.CanClose());
    EXPECT_FALSE(window.GetWidget()->windowFlags() & Qt::WindowCloseButtonHint);
    window.GetWidget()->close();
    EXPECT_TRUE(window.IsWindow());
    window.GetSystemMenu(true); // back as it was
    EXPECT_TRUE(window.CanClose());
    window.GetWidget()->close();
    EXPECT_FALSE(window.IsWindow());
}
