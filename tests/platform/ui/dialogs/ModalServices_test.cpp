#include "platform/ui/dialogs/FileFilter.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"

#include <QPrinter>
#include <gtest/gtest.h>

using namespace platform;

TEST(FileFilter, ParsesFrameworkFilterStrings)
{
    const auto entries = ParseFileFilter("Text (*.txt)|*.txt|Proposal Files|*.tvb;*.tvl|All Files|*.*||");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].description, "Proposal Files");
    EXPECT_EQ(entries[1].patterns, (std::vector<std::string>{"*.tvb", "*.tvl"}));
    // Broken strings give what can be read, never more.
    EXPECT_TRUE(ParseFileFilter("").empty());
    EXPECT_TRUE(ParseFileFilter("||x|y").empty());
    EXPECT_EQ(ParseFileFilter("Only a name").size(), 0u);
    EXPECT_EQ(ParseFileFilter("Name|").front().patterns, (std::vector<std::string>{"*"}));
}

TEST(FileFilter, QtFilterNamesEachPatternOnce)
{
    const auto qt = [](const char* filter) { return QtNameFilter(ParseFileFilter(filter).front()); };
    // The description's own list gives way to the patterns that match.
    EXPECT_EQ(qt("Proposal Files (*.TVB)|*.tvb||"), "Proposal Files (*.tvb)");
    EXPECT_EQ(qt("Tarvello Files (*.TV*)|*.tv*||"), "Tarvello Files (*.tv*)");
    EXPECT_EQ(qt("Proposals|*.tvb;*.tvl||"), "Proposals (*.tvb *.tvl)");
    // "*.*" also matches names without a dot.
    EXPECT_EQ(qt("All Files (*.*)|*.*||"), "All Files (*)");
    // Words in parentheses are no pattern list and stay.
    EXPECT_EQ(qt("Bids (old)|*.bak||"), "Bids (old) (*.bak)");
}

TEST(FileFilter, ATypeOfOneExtensionGivesItToNamesTypedWithout)
{
    const auto types = ParseFileFilter("Tab (*.TAB)|*.TAB|Tarvello|*.tv*|Both|*.tvb;*.tvl|All|*.*||");
    ASSERT_EQ(types.size(), 4u);
    EXPECT_EQ(ExtensionForType(&types[0], "CSV"), "TAB");
    for (std::size_t wild = 1; wild < types.size(); ++wild)
        EXPECT_EQ(ExtensionForType(&types[wild], "CSV"), "CSV") << types[wild].description;
    EXPECT_EQ(ExtensionForType(nullptr, ".ini"), ".ini");
    // A dialog without a default extension adds none.
    EXPECT_EQ(ExtensionForType(&types[0], ""), "");
}

TEST(FileFilter, DefaultExtensionOnlyForNamesWithoutOne)
{
    EXPECT_EQ(WithDefaultExtension("/a/bid", ".TVB"), "/a/bid.TVB");
    EXPECT_EQ(WithDefaultExtension("/a/bid", "ini"), "/a/bid.ini");
    EXPECT_EQ(WithDefaultExtension("/a.d/bid.001", "tvb"), "/a.d/bid.001");
    EXPECT_EQ(WithDefaultExtension("/a.d/bid", "tvb"), "/a.d/bid.tvb");
    EXPECT_EQ(WithDefaultExtension("/a/", "tvb"), "/a/");
    EXPECT_EQ(WithDefaultExtension("/a/bid", ""), "/a/bid");
}

TEST(ScriptedModalServices, AnswersInOrderAndRecordsTheQuestions)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    script.AnswerMessageBox(IDNO);
    script.AnswerFile("/tmp/bid.tvb", 2);
    script.AnswerCancel();

    EXPECT_EQ(ZodMessageBox("Save changes to bid?", "Zod", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    FileDialogRequest open;
    open.title = "Open Proposal";
    const auto chosen = Modal().FileDialog(open);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, "/tmp/bid.tvb");
    EXPECT_EQ(chosen->filterIndex, 2);
    EXPECT_FALSE(Modal().ChooseFolder({"Choose a Letting Directory", "/"}));
    EXPECT_TRUE(script.AllAnswered());

    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].caption, "Zod");
    EXPECT_EQ(script.MessageBoxes()[0].type, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(script.FileDialogs()[0].title, "Open Proposal");
}

TEST(ScriptedModalServices, UnansweredOrMismatchedQuestionsCountAsCancelAndAreReported)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    EXPECT_EQ(AfxMessageBox("No *.TVB or *.TVL files found in directory!"), IDOK);
    EXPECT_EQ(AfxMessageBox("q", MB_YESNO), IDNO);
    script.AnswerColor(0x00FF00);
    EXPECT_FALSE(Modal().FileDialog({}));
    QPrinter printer;
    PrintRequest print{&printer};
    EXPECT_FALSE(Modal().PrintDialog(print));
    EXPECT_EQ(script.Unexpected().size(), 4u);
    EXPECT_FALSE(script.AllAnswered());
}

TEST(ScriptedModalServices, InstallationIsScoped)
{
    ModalServices* before = &Modal();
    {
        ScriptedModalServices script;
        ScopedModalServices installed(script);
        EXPECT_EQ(&Modal(), &script);
    }
    EXPECT_EQ(&Modal(), before);
}

TEST(ScriptedModalServices, PickingAnotherFileTypeLetsTheCallerRewriteTheTypedName)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    FileDialogRequest request;
    request.filter = "Comma Delimited (*.CSV)|*.CSV|Tab Delimited (*.TAB)|*.TAB||";
    request.filterIndex = 1;
    std::vector<int> picked;
    request.onTypeChange = [&](int index, const std::string& typed) {
        picked.push_back(index);
        return typed.substr(0, typed.rfind('.')) + (index == 2 ? ".TAB" : ".CSV");
    };
    script.AnswerFile("/bids/prices.CSV", 2);
    const auto chosen = Modal().FileDialog(request);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(picked, std::vector<int>{2});
    EXPECT_EQ(chosen->path, "/bids/prices.TAB");
    script.AnswerFile("/bids/same.CSV", 1); // the same type: nothing asked
    EXPECT_EQ(Modal().FileDialog(request)->path, "/bids/same.CSV");
    EXPECT_EQ(picked.size(), 1u);
}
