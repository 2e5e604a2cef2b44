#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "platform/ui/docview/WinApp.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <gtest/gtest.h>

using platform::ScriptedModalServices;
using platform::ScopedModalServices;

namespace {

// Leaves its document when it goes, as every view must.
struct HintView : platform::DocumentView {
    ~HintView() override
    {
        if (document)
            document->RemoveView(this);
    }
    CDocument* document = nullptr;
    std::vector<LPARAM> hints;
    void OnDocumentUpdate(DocumentView*, LPARAM hint, void*) override { hints.push_back(hint); }
    void OnDocumentAttached(CDocument* doc) override { document = doc; }
};

struct SavingDoc : CDocument {
    std::vector<std::string> saved;
    bool saveResult = true;
    bool OnSaveDocument(const std::string& path) override
    {
        saved.push_back(path);
        return saveResult && CDocument::OnSaveDocument(path);
    }
};

} // namespace

TEST(Document, HintsReachEveryViewButTheSender)
{
    CDocument doc;
    HintView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a); // once only
    EXPECT_EQ(a.document, &doc);
    doc.UpdateAllViews(nullptr, 500);
    doc.UpdateAllViews(&a, 0x00030011);
    doc.RemoveView(&b);
    EXPECT_EQ(b.document, nullptr);
    doc.UpdateAllViews(nullptr, 4660);
    EXPECT_EQ(a.hints, (std::vector<LPARAM>{500, 4660}));
    EXPECT_EQ(b.hints, (std::vector<LPARAM>{500, 0x00030011}));
}

TEST(Document, SavePromptAnswers)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    CWinApp app;
    app.LoadStdProfileSettings();
    QTemporaryDir dir;
    const std::string path = dir.filePath("bid.tvb").toStdString();
    std::ofstream(path) << "x";

    SavingDoc doc;
    EXPECT_TRUE(doc.SaveModified()); // not modified: nothing asked
    EXPECT_TRUE(script.MessageBoxes().empty());

    doc.SetPathName(path);
    doc.SetModifiedFlag();
    script.AnswerMessageBox(IDCANCEL);
    EXPECT_FALSE(doc.SaveModified());
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "Save changes to bid.tvb?");
    EXPECT_EQ(script.MessageBoxes()[0].type, unsigned(MB_YESNOCANCEL | MB_ICONEXCLAMATION));

    script.AnswerMessageBox(IDNO);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(doc.saved.empty());
    EXPECT_TRUE(doc.IsModified());

    script.AnswerMessageBox(IDYES);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(doc.saved, (std::vector<std::string>{path}));
    EXPECT_FALSE(doc.IsModified());

    // A failing save is no permission to go on and lose the changes.
    doc.SetModifiedFlag();
    doc.saveResult = false;
    script.AnswerMessageBox(IDYES);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(script.AllAnswered());
    EXPECT_EQ(app.GetRecentFileList()->GetCount(), 1u);
}

TEST(Document, SaveWithoutPathOrOnReadOnlyFileAsksForAName)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    QTemporaryDir dir;
    const std::string locked = dir.filePath("locked.tvb").toStdString();
    std::ofstream(locked) << "x";
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);

    SavingDoc doc;
    CSingleDocTemplate tmpl(128, "Zod\n\nBid\nProposal Files (*.tvb)\n.tvb\nBid.Document\nTarvello Zod Document",
                            nullptr, nullptr, nullptr);
    doc.SetDocTemplate(&tmpl);
    script.AnswerCancel();
    EXPECT_FALSE(doc.DoFileSave());
    ASSERT_EQ(script.FileDialogs().size(), 1u);
    EXPECT_FALSE(script.FileDialogs()[0].open);
    EXPECT_EQ(script.FileDialogs()[0].filter, "Proposal Files (*.tvb)|*.tvb|All Files (*.*)|*.*||");
    EXPECT_EQ(script.FileDialogs()[0].defaultExtension, ".tvb");

    doc.SetPathName(locked, false);
    const std::string copy = dir.filePath("copy.tvb").toStdString();
    script.AnswerFile(copy);
    // Without any write permission: not for the super-user either.
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(doc.saved, (std::vector<std::string>{copy}));
    EXPECT_EQ(doc.GetPathName(), copy);
    EXPECT_EQ(doc.GetTitle(), "copy.tvb");
}

namespace {

int g_framesDestroyed = 0;
bool g_failFrame = false;

class FakeFrame : public CCmdTarget, public CRuntimeObject, public platform::MainFrameLink {
    DECLARE_DYNCREATE(FakeFrame)
public:
    CDocument* shown = nullptr;
    bool LoadFrame(UINT, CDocument*, const CRuntimeClass*) override { return !g_failFrame; }
    void InitialUpdateFrame(CDocument* doc, bool) override { shown = doc; }
    void UpdateCommandUI() override {}
    void OnUpdateFrameTitle(bool) override {}
    bool SendCommand(UINT) override { return false; }
    void DestroyFrame() override { ++g_framesDestroyed; delete this; }
};
IMPLEMENT_DYNCREATE_ROOT(FakeFrame)

struct OpeningDoc : CDocument {
    DECLARE_DYNCREATE(OpeningDoc)
public:
    int opened = 0;
    bool OnOpenDocument(const std::string& path) override
    {
        ++opened;
        return path.find("bad") == std::string::npos;
    }
};
IMPLEMENT_DYNCREATE(OpeningDoc, CDocument)

} // namespace

TEST(SingleDocTemplate, ReusesOneDocumentAndFrame)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    g_framesDestroyed = 0;
    g_failFrame = false;
    {
        CSingleDocTemplate tmpl(128, "Zod", RUNTIME_CLASS(OpeningDoc), RUNTIME_CLASS(FakeFrame), nullptr);
        CDocument* first = tmpl.OpenDocumentFile("");
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->GetTitle(), "Untitled");
        CDocument* second = tmpl.OpenDocumentFile("/bids/a.tvb");
        EXPECT_EQ(second, first);
        EXPECT_EQ(second->GetPathName(), "/bids/a.tvb");
        // A failed open keeps the frame and the document as they were.
        EXPECT_EQ(tmpl.OpenDocumentFile("/bids/bad.tvb"), nullptr);
        EXPECT_EQ(tmpl.GetDocument(), first);
        EXPECT_EQ(first->GetPathName(), "/bids/a.tvb");
        // A modified document whose save prompt is cancelled stays open.
        first->SetModifiedFlag();
        script.AnswerMessageBox(IDCANCEL);
        EXPECT_EQ(tmpl.OpenDocumentFile("/bids/b.tvb"), nullptr);
        EXPECT_EQ(static_cast<OpeningDoc*>(first)->opened, 2);
    }
    EXPECT_EQ(g_framesDestroyed, 1);

    g_failFrame = true;
    CSingleDocTemplate failing(128, "Zod", RUNTIME_CLASS(OpeningDoc), RUNTIME_CLASS(FakeFrame), nullptr);
    EXPECT_EQ(failing.OpenDocumentFile(""), nullptr);
    EXPECT_EQ(g_framesDestroyed, 2);
}
