// Qt's file dialog as the real modal services set it up: the type list names each pattern once,
// names match whatever their case, and picking a type lets the caller rename the file.
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/TestEnvironment.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testsupport::ModalStep;
using testsupport::OfClass;

constexpr const char* kProposalFilter = "Tarvello Files (*.TV*)|*.tv*|Proposal Files (*.TVB)|*.tvb|Proposal "
                                        "Libraries (*.TVL)|*.TVL|AllFiles (*.*)|*.*||";

QStringList TypeList(QWidget* dialog)
{
    QStringList types;
    if (auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < combo->count(); ++i)
            types << combo->itemText(i);
    return types;
}

QStringList Names(const QListView& view)
{
    QStringList names;
    const QModelIndex root = view.rootIndex();
    for (int row = 0; row < view.model()->rowCount(root); ++row)
        names << view.model()->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

// The names the dialog lists for the type, once it has read the folder (in the background)
// and sorted out what the type shows.
// The names the dialog lists under the type. It filters its folder in the background, and until
// then shows what the type before listed: the names are given time to become the expected ones.
QStringList Listed(QFileDialog& dialog, const QString& type, const QStringList& expected)
{
    dialog.selectNameFilter(type);
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view)
        return {};
    (void)QTest::qWaitFor([&] { return Names(*view) == expected; });
    return Names(*view);
}

QComboBox* TypeBox(QWidget* dialog)
{
    return dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
}

QLineEdit* NameBox(QWidget* dialog)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

class FileDialog : public ::testing::Test {
protected:
    FileDialog()
    {
        for (const char* name : {"A.TVB", "b.tvb", "c.TvL", "d.csv"})
            testsupport::WriteTextFile(m_folder / name, "x");
    }

    std::optional<platform::FileDialogResult> Run(const platform::FileDialogRequest& request,
                                                  std::deque<ModalStep> steps)
    {
        testsupport::ModalSteps user(std::move(steps));
        auto chosen = platform::QtModalServices().FileDialog(request);
        EXPECT_TRUE(user.AllDone()) << "steps left undone";
        EXPECT_EQ(user.Strays(), 0);
        return chosen;
    }

    testsupport::TempFolder m_folder;
};

} // namespace

TEST_F(FileDialog, TheTypeListNamesEachPatternOnceAndNamesMatchInAnyCase)
{
    platform::FileDialogRequest request;
    request.filter = kProposalFilter;
    request.filterIndex = 2;
    request.initialFolder = m_folder.Path();
    const QStringList kProposals{"A.TVB", "b.tvb"}, kLibraries{"c.TvL"}, kAll{"A.TVB", "b.tvb", "c.TvL", "d.csv"};
    QStringList types, proposals, libraries, all;
    Run(request, {{OfClass<QFileDialog>(), [&](QWidget* window) {
                       auto* dialog = qobject_cast<QFileDialog*>(window);
                       types = TypeList(dialog);
                       proposals = Listed(*dialog, types.value(1), kProposals);
                       libraries = Listed(*dialog, types.value(2), kLibraries);
                       all = Listed(*dialog, types.value(3), kAll);
                       dialog->reject();
                   }}});
    EXPECT_EQ(types, (QStringList{"Tarvello Files (*.tv*)", "Proposal Files (*.tvb)", "Proposal Libraries (*.TVL)",
                                  "AllFiles (*)"}));
    EXPECT_EQ(proposals, kProposals);
    EXPECT_EQ(libraries, kLibraries);
    EXPECT_EQ(all, kAll);
}

TEST_F(FileDialog, PickingATypeRenamesTheTypedFileAndTheChoiceComesBackWithIt)
{
    platform::FileDialogRequest request;
    request.open = false;
    request.filter = "Comma Delimited (*.CSV)|*.CSV|Tab Delimited (*.TAB)|*.TAB||";
    request.initialFolder = m_folder.Path();
    request.initialName = "prices.CSV";
    request.defaultExtension = "CSV";
    std::vector<int> picked;
    request.onTypeChange = [&](int index, const std::string& typed) {
        picked.push_back(index);
        return typed.substr(0, typed.rfind('.')) + ".TAB";
    };
    QString shown;
    const auto chosen = Run(request, {{OfClass<QFileDialog>(), [&](QWidget* dialog) {
                                           QComboBox* types = TypeBox(dialog);
                                           ASSERT_NE(types, nullptr);
                                           QTest::keyClick(types, Qt::Key_Down);
                                           shown = NameBox(dialog)->text();
                                           QTest::keyClick(NameBox(dialog), Qt::Key_Return);
                                       }}});
    EXPECT_EQ(picked, std::vector<int>{2});
    EXPECT_EQ(shown, "prices.TAB");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->filterIndex, 2);
    EXPECT_EQ(std::filesystem::path(chosen->path).filename(), "prices.TAB");
}

TEST_F(FileDialog, ANameTypedWithoutAnExtensionTakesThatOfTheTypePicked)
{
    platform::FileDialogRequest request;
    request.open = false;
    request.filter = "Comma Delimited (*.CSV)|*.CSV|Tab Delimited (*.TAB)|*.TAB|All Files (*.*)|*.*||";
    request.initialFolder = m_folder.Path();
    request.defaultExtension = "CSV";
    const auto saveAs = [&](int downs) {
        return Run(request, {{OfClass<QFileDialog>(), [downs](QWidget* dialog) {
                                  for (int i = 0; i < downs; ++i)
                                      QTest::keyClick(TypeBox(dialog), Qt::Key_Down);
                                  NameBox(dialog)->setText("prices");
                                  QTest::keyClick(NameBox(dialog), Qt::Key_Return);
                              }}});
    };
    const auto tab = saveAs(1);
    ASSERT_TRUE(tab.has_value());
    EXPECT_EQ(std::filesystem::path(tab->path).filename(), "prices.TAB");
    // A type of every file leaves the dialog's default.
    const auto all = saveAs(2);
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(std::filesystem::path(all->path).filename(), "prices.CSV");
}
