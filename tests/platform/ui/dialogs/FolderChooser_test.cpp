// The folder dialog itself, driven by typing a folder and pressing Enter: with a root set, only the
// root and the folders below it come back as a choice, and a folder outside it is refused aloud.
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace {

using testsupport::ModalStep;
using testsupport::OfClass;

// The dialog lists folders in the background; the user reads the list before typing a name.
void WaitForListing(QFileDialog& dialog)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!model)
        return;
    const QModelIndex folder = model->index(dialog.directory().absolutePath());
    for (int tries = 0; tries < 500 && model->rowCount(folder) == 0; ++tries)
        QTest::qWait(10);
}

// The user browses to `from` (when given), types the folder's name (none: the folder browsed to)
// and presses Enter.
ModalStep TypeFolder(const std::string& name, const std::string& from = "", std::string* startedIn = nullptr)
{
    return {OfClass<QFileDialog>(), [name, from, startedIn](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                if (startedIn)
                    *startedIn = dialog->directory().absolutePath().toStdString();
                if (!from.empty())
                    dialog->setDirectory(QString::fromStdString(from));
                WaitForListing(*dialog);
                auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                ASSERT_NE(edit, nullptr);
                edit->clear();
                QTest::keyClicks(edit, QString::fromStdString(name));
                QTest::keyClick(edit, Qt::Key_Return);
            }};
}

ModalStep ReadAndCloseMessage(std::string* text)
{
    return {OfClass<QMessageBox>(), [text](QWidget* modal) {
                *text = qobject_cast<QMessageBox*>(modal)->text().toStdString();
                QTest::keyClick(modal, Qt::Key_Return);
            }};
}

ModalStep Cancel()
{
    return {OfClass<QFileDialog>(), [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }};
}

class FolderChooser : public ::testing::Test {
protected:
    FolderChooser()
    {
        std::filesystem::create_directories(m_folder / "root/L01");
        std::filesystem::create_directories(m_folder / "outside");
    }

    std::optional<std::string> Choose(const std::string& root, std::deque<ModalStep> steps)
    {
        platform::FolderRequest request;
        request.rootFolder = root;
        testsupport::ModalSteps user(std::move(steps));
        const std::optional<std::string> chosen = platform::QtModalServices().ChooseFolder(request);
        EXPECT_TRUE(user.AllDone()) << "steps left undone";
        return chosen;
    }

    testsupport::TempFolder m_folder;
};

bool SamePath(const std::string& a, const std::string& b)
{
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

} // namespace

TEST_F(FolderChooser, AFolderBelowTheRootIsChosenAndTheDialogStartsAtTheRoot)
{
    std::string startedIn;
    const std::optional<std::string> chosen = Choose(m_folder / "root", {TypeFolder("L01", "", &startedIn)});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(SamePath(*chosen, m_folder / "root/L01")) << *chosen;
    EXPECT_TRUE(SamePath(startedIn, m_folder / "root")) << startedIn;
}

TEST_F(FolderChooser, AFolderOutsideTheRootIsRefusedAndAnotherMayBeChosen)
{
    std::string message;
    const std::optional<std::string> chosen =
        Choose(m_folder / "root", {TypeFolder("outside", m_folder.Path()), ReadAndCloseMessage(&message),
                                   TypeFolder("", m_folder / "root")});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(SamePath(*chosen, m_folder / "root")) << *chosen;
    EXPECT_NE(message.find(m_folder / "outside"), std::string::npos) << message;
    EXPECT_NE(message.find("is not inside " + (m_folder / "root")), std::string::npos) << message;
}

TEST_F(FolderChooser, CancellingAfterARefusalChoosesNothing)
{
    std::string message;
    EXPECT_FALSE(Choose(m_folder / "root", {TypeFolder("outside", m_folder.Path()), ReadAndCloseMessage(&message), Cancel()})
                     .has_value());
    EXPECT_FALSE(message.empty());
}

TEST_F(FolderChooser, WithoutARootAnyFolderIsChosen)
{
    const std::optional<std::string> chosen = Choose("", {TypeFolder("outside", m_folder.Path())});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(SamePath(*chosen, m_folder / "outside")) << *chosen;
}
