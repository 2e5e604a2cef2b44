// The question before another proposal opens, in the real message box under a window manager:
// neither Escape nor the close button answers it, so the changed bid waits for Yes or No.
#include "model/files/TvbFile.h"
#include "model/records/Item.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/WindowManager.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

// Message boxes are the real ones; every other question is still the script's.
class RealMessageBoxes : public platform::ModalServices {
public:
    explicit RealMessageBoxes(platform::ModalServices& others) : m_others(others) {}

    int MessageBox(const platform::MessageBoxRequest& request) override { return m_real.MessageBox(request); }
    std::optional<platform::FileDialogResult> FileDialog(const platform::FileDialogRequest& request) override
    {
        return m_others.FileDialog(request);
    }
    std::optional<std::string> ChooseFolder(const platform::FolderRequest& request) override
    {
        return m_others.ChooseFolder(request);
    }
    std::optional<std::uint32_t> ChooseColor(const platform::ColorRequest& request) override
    {
        return m_others.ChooseColor(request);
    }
    bool PrintDialog(platform::PrintRequest& request) override { return m_others.PrintDialog(request); }
    int RunModal(platform::ModalDialog& dialog, QWidget* parent) override { return m_others.RunModal(dialog, parent); }
    UINT TrackMenu(const platform::MenuRequest& request) override { return m_others.TrackMenu(request); }

private:
    platform::ModalServices& m_others;
    platform::QtModalServices m_real;
};

class SaveQuestion : public CommandTest {
protected:
    SaveQuestion() { (void)testsupport::WindowManager::Start(); }
};

} // namespace

TEST_F(SaveQuestion, EscapeAndTheCloseButtonLeaveItAskedAndYesKeepsTheChangedPrice)
{
    Store("Misc", "FloppySave", "0");
    StartOnSample();
    Activate();
    int index = 0;
    while (Prop()->m_items[index]->IsSection())
        ++index;
    Prop()->m_items[index]->m_fUnitPrice = 12.5;
    Doc().SetModifiedFlag();

    RealMessageBoxes boxes(m_script);
    platform::ScopedModalServices installed(boxes);
    m_script.AnswerFile(InLetting("sample.tvb"));
    bool askedAfterEscape = false, askedAfterClose = false;
    testsupport::ModalSteps steps({{testsupport::OfClass<QMessageBox>(), [&](QWidget* box) {
                                        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
                                        QTest::keyClick(box, Qt::Key_Escape);
                                        QCoreApplication::processEvents();
                                        askedAfterEscape = box->isVisible();
                                        if (!askedAfterEscape)
                                            return;
                                        ASSERT_TRUE(testsupport::WindowManager::PressCloseButton(box));
                                        QCoreApplication::processEvents();
                                        askedAfterClose = box->isVisible();
                                        if (askedAfterClose)
                                            static_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
                                    }}});
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(askedAfterEscape);
    EXPECT_TRUE(askedAfterClose);
    EXPECT_EQ(steps.Strays(), 0);

    std::unique_ptr<CProp> saved;
    ASSERT_EQ(LoadTvbFile(saved, InLetting("sample.tvb"), false), 0);
    EXPECT_DOUBLE_EQ(saved->m_items[index]->m_fUnitPrice, 12.5);
}
