// A proposal the bidder may not write, or one in a folder he may not write, is never replaced:
// Save goes on to Save As, and a name there that still cannot be written is refused with the
// reason, the file kept as it was and the changes kept unsaved.
#include "model/records/Item.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/support/ModalSteps.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <deque>
#include <sys/stat.h>

namespace {

using testsupport::ModalStep;
using testsupport::OfClass;

class ReadOnlySave : public CommandTest {
protected:
    ~ReadOnlySave() override { chmod(Letting().c_str(), 0755); }

    // The sample opened, a price changed.
    void StartChanged()
    {
        Store("Misc", "FloppySave", "0");
        StartOnSample();
        Activate();
        m_path = Doc().GetPathName();
        m_published = testsupport::ReadTextFile(m_path);
        Prop()->m_items[1]->m_fUnitPrice += 1;
        Doc().SetModifiedFlag();
    }

    // The Save As dialog offers the proposal's own name; the bidder puts `name` in its place (empty:
    // keeps it) and presses Enter.
    ModalStep SaveAs(const std::string& name = {})
    {
        return {OfClass<QFileDialog>(), [this, name](QWidget* dialog) {
                    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
                    auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    ASSERT_NE(box, nullptr);
                    m_offered = box->text().toStdString();
                    // Once the folder is listed: listing it selects the offered file, which puts
                    // its name back in the box.
                    auto* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
                    ASSERT_NE(files, nullptr);
                    EXPECT_TRUE(QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; }));
                    QApplication::processEvents();
                    // Set whole, not typed: the name box's completer list can take the Return.
                    if (!name.empty())
                        box->setText(QString::fromStdString(name));
                    QTest::keyClick(box, Qt::Key_Return);
                }};
    }
    // A message read and answered with a key; a button's letter clicks it a moment later.
    ModalStep Message(Qt::Key answer = Qt::Key_Return)
    {
        return {OfClass<QMessageBox>(), [this, answer](QWidget* box) {
                    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
                    m_told.push_back(qobject_cast<QMessageBox*>(box)->text().toStdString());
                    QTest::keyClick(box, answer);
                    EXPECT_TRUE(QTest::qWaitFor([box] { return !box->isVisible(); }));
                }};
    }
    // Ctrl+S, with Qt's own dialogs worked by the steps as they come.
    void SaveByKeys(std::deque<ModalStep> steps)
    {
        platform::QtModalServices real;
        platform::ScopedModalServices installed(real);
        testsupport::ModalSteps user(std::move(steps));
        Activate();
        PressCtrl(Qt::Key_S);
        Settle();
        EXPECT_TRUE(user.AllDone());
        EXPECT_EQ(user.Strays(), 0);
    }

    std::string m_path;
    std::string m_published;
    std::string m_offered;
    std::vector<std::string> m_told;
};

} // namespace

TEST_F(ReadOnlySave, AReadOnlyProposalIsNotReplacedThroughSaveAs)
{
    StartChanged();
    chmod(m_path.c_str(), 0444);
    SaveByKeys({SaveAs(), Message(Qt::Key_Y), Message()});
    EXPECT_EQ(m_offered, "sample.tvb");
    ASSERT_EQ(m_told.size(), 2u);
    EXPECT_NE(m_told[0].find("Do you want to replace it?"), std::string::npos) << m_told[0];
    EXPECT_EQ(m_told[1], "Cannot write file " + m_path + ": the file is read-only.");
    EXPECT_TRUE(testsupport::ReadTextFile(m_path) == m_published) << "the file stays as it was";
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().GetPathName(), m_path);
}

TEST_F(ReadOnlySave, AProposalInAFolderThatCannotBeWrittenIsSavedElsewhereAfterSayingWhy)
{
    StartChanged();
    chmod(Letting().c_str(), 0555);
    const std::string reason = "Cannot write file " + m_path + ": its folder cannot be written.";
    // Saved as the same name all the same: refused, with the same reason.
    SaveByKeys({Message(), SaveAs(), Message(Qt::Key_Y), Message()});
    EXPECT_EQ(m_told, (std::vector<std::string>{reason, m_told.at(1), reason}));
    EXPECT_TRUE(Doc().IsModified());

    const std::string elsewhere = m_folder / "sample.tvb";
    SaveByKeys({Message(), SaveAs(elsewhere)});
    EXPECT_EQ(m_told.back(), reason);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().GetPathName(), elsewhere);
    EXPECT_TRUE(testsupport::ReadTextFile(m_path) == m_published);
    EXPECT_FALSE(testsupport::ReadTextFile(elsewhere) == m_published) << "saved with the new price";
}
