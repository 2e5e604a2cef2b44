#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/print/PrintPreview.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "platform/ui/print/ViewPrinting.h"
#include "tests/platform/ui/support/ViewTestSupport.h"
#include "tests/support/PdfPages.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace viewtest;
using platform::ScriptedModalServices;
using Lines = std::vector<std::string>;

namespace {

Lines operator+(Lines first, const Lines& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

namespace {

struct PrintSetup {
    ScriptedModalServices script;
    platform::ScopedModalServices installed{script};
    QTemporaryDir dir;
    std::string pdf = dir.filePath("bid.pdf").toStdString();
    CFrameWnd frame;
    std::unique_ptr<NoteView> view = std::make_unique<NoteView>();

    explicit PrintSetup(UINT pages)
    {
        NoteView::pages = pages;
        Calls().clear();
        frame.Create(nullptr, "print", WS_OVERLAPPED, CRect(0, 0, 400, 300), nullptr, 0);
        view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &frame,
                     AFX_IDW_PANE_FIRST, nullptr);
        frame.SetActiveView(view.get());
    }
};

} // namespace

TEST(ViewPrinting, TwoPagesThroughTheViewReachThePdf)
{
    PrintSetup s(2);
    s.script.AnswerPrint(s.pdf);
    EXPECT_TRUE(s.frame.SendCommand(ID_FILE_PRINT));
    EXPECT_EQ(Calls(), (Lines{"prepare", "begin", "print 1", "print 2", "end"}));
    EXPECT_EQ(PdfPageCount(s.pdf), 2);
    ASSERT_EQ(s.view->drawAreas.size(), 2u);
    EXPECT_GT(s.view->drawAreas[0].Width(), 1000); // printer dots, not screen pixels
    EXPECT_EQ(s.view->drawAreas[0], s.view->drawAreas[1]);
    EXPECT_EQ(s.script.PrintDialogsShown(), 1);
}

TEST(ViewPrinting, CancelledOrUnknownOrFailingJobs)
{
    {
        PrintSetup s(2);
        s.script.AnswerCancel();
        EXPECT_FALSE(platform::PrintView(*s.view, false));
        EXPECT_EQ(Calls(), (Lines{"prepare"}));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(s.pdf)));
    }
    {
        // Without a page count the view prints its first page only.
        PrintSetup s(0);
        s.script.AnswerPrint(s.pdf);
        EXPECT_TRUE(platform::PrintView(*s.view, false));
        EXPECT_EQ(Calls(), (Lines{"prepare", "begin", "print 1", "end"}));
        EXPECT_EQ(PdfPageCount(s.pdf), 1);
    }
    {
        // A device that cannot start is a failure, said so, never a success.
        PrintSetup s(2);
        s.script.AnswerPrint("/nonexistent-folder/x/bid.pdf");
        s.script.AnswerMessageBox(IDOK);
        EXPECT_FALSE(platform::PrintView(*s.view, false));
        EXPECT_EQ(Calls(), (Lines{"prepare"}));
        ASSERT_EQ(s.script.MessageBoxes().size(), 1u);
        EXPECT_TRUE(s.script.AllAnswered());
    }
}

namespace {

// A print dialog whose user asks for pages 2 to 9.
struct PageRangeAnswer : ScriptedModalServices {
    bool PrintDialog(platform::PrintRequest& request) override
    {
        const bool accepted = ScriptedModalServices::PrintDialog(request);
        request.fromPage = 2;
        request.toPage = 9;
        return accepted;
    }
};

} // namespace

TEST(ViewPrinting, AChosenPageRangeIsCutToThePagesTheViewHas)
{
    PrintSetup s(3);
    PageRangeAnswer range;
    platform::ScopedModalServices installed(range);
    range.AnswerPrint(s.pdf);
    EXPECT_TRUE(platform::PrintView(*s.view, false));
    EXPECT_EQ(Calls(), (Lines{"prepare", "begin", "print 2", "print 3", "end"}));
    EXPECT_EQ(PdfPageCount(s.pdf), 2);
}

namespace {

// A print dialog whose user asks for copies of pages 1 to 2, collated or not.
struct CopiesAnswer : ScriptedModalServices {
    int copies = 2;
    bool collate = false;
    bool PrintDialog(platform::PrintRequest& request) override
    {
        const bool accepted = ScriptedModalServices::PrintDialog(request);
        request.printer->setCopyCount(copies);
        request.printer->setCollateCopies(collate);
        return accepted;
    }
};

} // namespace

// Two copies: collated, one copy after the other; else each page twice. With no page count the
// view ends after its first page, and so does each copy.
TEST(ViewPrinting, ThePdfHoldsTheCopiesOnePageAfterTheOtherOrOneCopyAfterTheOther)
{
    struct Case {
        UINT pages;
        bool collate;
        Lines printed;
    };
    for (const Case& c : {Case{2, true, {"print 1", "print 2", "print 1", "print 2"}},
                          Case{2, false, {"print 1", "print 1", "print 2", "print 2"}},
                          Case{0, true, {"print 1", "print 1"}}}) {
        PrintSetup s(c.pages);
        CopiesAnswer copies;
        copies.collate = c.collate;
        platform::ScopedModalServices installed(copies);
        copies.AnswerPrint(s.pdf);
        EXPECT_TRUE(platform::PrintView(*s.view, false));
        EXPECT_EQ(Calls(), Lines({"prepare", "begin"}) + c.printed + Lines{"end"});
        EXPECT_EQ(PdfPageCount(s.pdf), int(c.printed.size()));
    }
}

namespace {

bool HasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white)
                return true;
    return false;
}

} // namespace

TEST(PrintPreview, PagesTurnByButtonsAndKeysAndTheJobEndsOnClose)
{
    PrintSetup s(2);
    EXPECT_TRUE(s.frame.SendCommand(ID_FILE_PRINT_PREVIEW));
    platform::PrintPreviewWindow* preview = platform::ActivePreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(s.script.PrintDialogsShown(), 0); // a preview asks for no printer
    EXPECT_EQ(preview->CurrentPage(), 1u);
    EXPECT_TRUE(HasInk(preview->PageImage()));
    EXPECT_FALSE(preview->PrevButton()->isEnabled());

    QTest::keyClick(preview, Qt::Key_PageDown);
    EXPECT_EQ(preview->CurrentPage(), 2u);
    EXPECT_FALSE(preview->NextButton()->isEnabled());
    QTest::keyClick(preview, Qt::Key_PageDown); // no third page
    EXPECT_EQ(preview->CurrentPage(), 2u);
    preview->PrevButton()->click();
    EXPECT_EQ(preview->CurrentPage(), 1u);
    EXPECT_TRUE(preview->NextButton()->text().contains('&')); // reachable by Alt+letter
    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_EQ(platform::ActivePreview(), nullptr);
    EXPECT_EQ(Calls(), (Lines{"prepare", "begin", "print 1", "print 2", "print 1", "end"}));

    // Print from the preview ends the preview and prints the whole job.
    Calls().clear();
    ASSERT_TRUE(platform::PreviewView(*s.view));
    s.script.AnswerPrint(s.pdf);
    platform::ActivePreview()->PrintButton()->click();
    EXPECT_EQ(platform::ActivePreview(), nullptr);
    EXPECT_EQ(PdfPageCount(s.pdf), 2);
    EXPECT_EQ(Calls(), (Lines{"prepare", "begin", "print 1", "end", "prepare", "begin", "print 1",
                              "print 2", "end"}));
    ProcessEvents();
}

TEST(PrintPreview, AViewThatGoesAwayClosesItsPreviewWithoutBeingAsked)
{
    PrintSetup s(2);
    ASSERT_TRUE(platform::PreviewView(*s.view));
    Calls().clear();
    s.view.reset();
    EXPECT_EQ(platform::ActivePreview(), nullptr);
    EXPECT_TRUE(Calls().empty());
    ProcessEvents();
}

TEST(DCMapMode, TwipsPlaceLinesDownThePageAtPhysicalSize)
{
    QImage page(400, 200, QImage::Format_RGB32); // 96 dots per inch: 240 twips are 16 dots
    page.fill(Qt::white);
    QPainter painter(&page);
    CDC dc(&painter);
    CFont font;
    font.CreateFont(240, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New");
    dc.SelectObject(&font);
    EXPECT_EQ(dc.SetMapMode(MM_TWIPS), MM_TEXT);
    EXPECT_EQ(dc.SetMapMode(99), 0);
    dc.TextOut(0, -240 * 2, "___"); // third line: its underscores sit low in rows 32..47
    const int saved = dc.SaveDC();
    dc.SetMapMode(MM_TEXT);
    dc.RestoreDC(saved);
    EXPECT_EQ(dc.GetMapMode(), MM_TWIPS);
    painter.end();

    int top = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y) != Qt::white) {
                top = top < 0 ? y : top;
                bottom = y;
            }
    EXPECT_GE(top, 40); // upright: the underscores are at the bottom of their line
    EXPECT_LT(bottom, 48);
}
