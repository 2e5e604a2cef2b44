// The keys of a window's accelerators reach them from an edit control, unless the key is one an
// edit control handles itself; and a paste of anything but text leaves a multi-line edit alone.
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/EditKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QShortcut>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class EditKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.Create(nullptr, "window", WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
        window.GetWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.GetWidget()));
    }

    // An accelerator of the window, counting its presses.
    void Accelerator(QKeyCombination key)
    {
        auto* shortcut = new QShortcut(QKeySequence(key), window.GetWidget());
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, [this, key] { pressed.push_back(key); });
    }

    // Pressed as the keyboard does: through the window, to whatever has the focus.
    void Press(QKeyCombination key)
    {
        QTest::keyClick(window.GetWidget()->windowHandle(), key.key(), key.keyboardModifiers());
    }

    CWnd window;
    std::vector<QKeyCombination> pressed;
};

QKeyEvent Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {})
{
    return QKeyEvent(QEvent::KeyPress, key, modifiers, text);
}

} // namespace

TEST(EditKeys, AnEditKeepsTypingMovingDeletingAndTheClipboardAndUndoKeysOnly)
{
    using platform::IsEditControlKey;
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_A, {}, "a")));
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_A, Qt::ShiftModifier, "A")));
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_5, Qt::KeypadModifier, "5")));
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_Home, Qt::ShiftModifier)));
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier)));
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_Delete, Qt::ShiftModifier))); // cut
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_Insert, Qt::ShiftModifier))); // paste
    for (const Qt::Key key : {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_A, Qt::Key_Insert})
        EXPECT_TRUE(IsEditControlKey(Key(key, Qt::ControlModifier))) << key;
    EXPECT_TRUE(IsEditControlKey(Key(Qt::Key_Backspace, Qt::AltModifier))); // undo

    // Qt's own line editing keys (Ctrl+U deletes the line, Ctrl+K to its end) and everything
    // the program binds are not the edit's.
    for (const Qt::Key key : {Qt::Key_U, Qt::Key_K, Qt::Key_L, Qt::Key_G, Qt::Key_C})
        EXPECT_FALSE(IsEditControlKey(Key(key, Qt::ControlModifier | Qt::ShiftModifier, ""))) << key;
    for (const Qt::Key key : {Qt::Key_U, Qt::Key_K, Qt::Key_L, Qt::Key_J, Qt::Key_R})
        EXPECT_FALSE(IsEditControlKey(Key(key, Qt::ControlModifier))) << key;
    EXPECT_FALSE(IsEditControlKey(Key(Qt::Key_F4)));
    EXPECT_FALSE(IsEditControlKey(Key(Qt::Key_Escape)));
    EXPECT_FALSE(IsEditControlKey(Key(Qt::Key_Return, {}, "\r")));
    EXPECT_FALSE(IsEditControlKey(Key(Qt::Key_F, Qt::AltModifier)));
}

TEST_F(EditKeysTest, CtrlUInALineEditOrAnEditableComboBoxIsTheWindowsAcceleratorAndDeletesNothing)
{
    const QKeyCombination ctrlU(Qt::ControlModifier, Qt::Key_U);
    Accelerator(ctrlU);
    CEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, "15,280", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &window, 20));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 30, 100, 50), &window, 30));
    combo.SetWindowText("D0012");
    for (CWnd* control : {static_cast<CWnd*>(&edit), static_cast<CWnd*>(&combo)}) {
        pressed.clear();
        control->SetFocus();
        ASSERT_TRUE(QTest::qWaitFor([control] { return control->GetWidget()->hasFocus(); }));
        Press(ctrlU);
        EXPECT_EQ(pressed, std::vector<QKeyCombination>{ctrlU}) << control->GetClassName();
    }
    EXPECT_EQ(edit.GetWindowText(), "15,280");
    EXPECT_EQ(combo.GetWindowText(), "D0012");
}

TEST_F(EditKeysTest, TheEditsOwnKeysStayWithIt)
{
    const QKeyCombination ctrlZ(Qt::ControlModifier, Qt::Key_Z), shiftDelete(Qt::ShiftModifier, Qt::Key_Delete);
    Accelerator(ctrlZ);
    Accelerator(shiftDelete);
    CEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &window, 20));
    edit.SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&edit] { return edit.GetWidget()->hasFocus(); }));
    QTest::keyClicks(edit.GetWidget(), "3.69");
    edit.SetSel(0, -1);
    Press(shiftDelete); // cut
    EXPECT_EQ(edit.GetWindowText(), "");
    Press(ctrlZ); // and undone
    EXPECT_EQ(edit.GetWindowText(), "3.69");
    EXPECT_TRUE(pressed.empty());
}

// A fresh X session has nothing on its clipboard.
TEST_F(EditKeysTest, PastingAnEmptyClipboardIntoAMultiLineEditInsertsNothing)
{
    CEdit notes;
    ASSERT_TRUE(notes.Create(nullptr, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 80), &window, 20));
    notes.SetWindowText("call the plant");
    QGuiApplication::clipboard()->clear();
    notes.SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&notes] { return notes.GetWidget()->hasFocus(); }));
    Press(QKeyCombination(Qt::ControlModifier, Qt::Key_V));
    notes.Paste();
    EXPECT_EQ(notes.GetWindowText(), "call the plant");

    QGuiApplication::clipboard()->setText(" at six");
    ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::clipboard()->text() == " at six"; }));
    notes.SetSel(-1, -1);
    notes.SetSel(14, 14);
    Press(QKeyCombination(Qt::ControlModifier, Qt::Key_V));
    EXPECT_EQ(notes.GetWindowText(), "call the plant at six");
}
