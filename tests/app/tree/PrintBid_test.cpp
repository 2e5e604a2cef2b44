// The bid of the sample printed to a PDF file through the print dialog: the pages of the text
// report, with the bid total's line on them.
#include "model/reports/ReportPages.h"
#include "platform/core/PageSink.h"
#include "platform/ui/print/PrintPreview.h"
#include "resources/ResourceIds.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/app/tree/PrintTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>

#include <sstream>

namespace {

// The bid's report as text: a form feed ends each page.
std::string ReportText(CProp& prop)
{
    CReportPages pages;
    EXPECT_FALSE(BuildReportPages(prop, CReportRequest(), pages));
    std::ostringstream stream;
    platform::StreamPageSink text(stream);
    EXPECT_TRUE(SendReportPages(pages, text));
    return stream.str();
}

using PrintBidTest = PrintTest;

} // namespace

TEST_F(PrintBidTest, TheBidPrintedToPdfHasThePagesOfTheTextReportAndItsTotal)
{
    OpenSampleToPrint();
    ASSERT_NE(Prop(), nullptr);

    const std::string report = ReportText(*Prop());
    const std::size_t at = report.find("Bid Total");
    ASSERT_NE(at, std::string::npos);
    const std::string totalLine = Squeezed(report.substr(at, report.find('\n', at) - at));

    const std::string pdf = m_folder / "bid.pdf";
    m_script.AnswerPrint(pdf);
    ASSERT_TRUE(Frame().SendCommand(ID_FILE_PRINT));
    EXPECT_EQ(PdfPageCount(pdf), int(std::count(report.begin(), report.end(), '\f')));
    EXPECT_NE(Squeezed(PdfText(pdf)).find(totalLine), std::string::npos) << totalLine;
    EXPECT_TRUE(m_script.AllAnswered());
}

TEST_F(PrintBidTest, TheQuotePrintsAndTheBidPreviewsPageByPage)
{
    OpenSampleToPrint();
    ASSERT_NE(Prop(), nullptr);

    const std::string quote = m_folder / "quote.pdf";
    m_script.AnswerPrint(quote);
    ASSERT_TRUE(Frame().SendCommand(resources::ID_PRINT_QUOTE));
    EXPECT_GT(PdfPageCount(quote), 0);
    EXPECT_NE(Squeezed(PdfText(quote)).find(Prop()->m_strContractId), std::string::npos);

    ASSERT_TRUE(Frame().SendCommand(ID_FILE_PRINT_PREVIEW));
    platform::PrintPreviewWindow* preview = platform::ActivePreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->CurrentPage(), 1u);
    EXPECT_TRUE(preview->CanGoNext());
    preview->NextPage();
    EXPECT_EQ(preview->CurrentPage(), 2u);
    preview->ClosePreview();
    EXPECT_TRUE(m_script.AllAnswered());
}

// The installer's signer ("Misc" "SIGNER") is the name under the bid's certification.
TEST_F(PrintBidTest, CtrlPSignsTheBidWithTheSignerOfTheSettings)
{
    Store("Misc", "SIGNER", "Robin Quarry");
    OpenSampleToPrint();
    ASSERT_NE(Prop(), nullptr);
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    const std::string pdf = m_folder / "signed.pdf";
    m_script.AnswerPrint(pdf);
    QTest::keyClick(Frame().GetWidget(), Qt::Key_P, Qt::ControlModifier);
    Settle();
    EXPECT_TRUE(m_script.AllAnswered());
    EXPECT_NE(Squeezed(PdfText(pdf)).find("I certify this bid. ______________________________ Robin Quarry"),
              std::string::npos);
}

// Ctrl+P on a machine without a printer: Qt's own print dialog shows printing to a PDF file, and
// the file holds the bid's pages with its text.
TEST_F(PrintBidTest, CtrlPPrintsTheBidToAPdfFileChosenInTheRealPrintDialog)
{
    OpenSampleToPrint();
    ASSERT_NE(Prop(), nullptr);
    const std::string report = ReportText(*Prop());
    Frame().GetWidget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame().GetWidget()));

    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    const std::string pdf = m_folder / "bid.pdf";
    QString shown;
    testsupport::ModalSteps user({{testsupport::OfClass<QPrintDialog>(), [&](QWidget* dialog) {
                                       auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                                       auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                                       ASSERT_TRUE(printers && file);
                                       shown = printers->currentText();
                                       printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
                                       file->setText(QString::fromStdString(pdf));
                                       qobject_cast<QDialog*>(dialog)->accept();
                                   }}});
    QTest::keyClick(Frame().GetWidget(), Qt::Key_P, Qt::ControlModifier);
    Settle();
    EXPECT_TRUE(user.AllDone());
    EXPECT_EQ(user.Strays(), 0); // no "The printer could not be started."
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(shown, "Print to File (PDF)");
    }
    EXPECT_EQ(PdfPageCount(pdf), int(std::count(report.begin(), report.end(), '\f')));
    const std::string text = Squeezed(PdfText(pdf));
    for (const std::string& expected : {Prop()->m_strContractId, std::string("V0042917"), std::string("Bid Total")})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

// Print Quote by keys with saving first: the save's question, then the print dialog, both
// escaped; the keyboard is back on the main window, though the print dialog came up before the
// window system had given it back after the question.
TEST_F(PrintBidTest, AQuoteCancelledAfterTheSaveQuestionGivesTheKeysBack)
{
    Store("Misc", "PrintSave", "1");
    Store("Misc", "PrintCheck", "0");
    AnswerAmendmentReport();
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    const auto escape = [](QWidget* window) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
    };
    testsupport::ModalSteps user({{testsupport::Titled("Zod - Save to Removable Drive"), escape},
                                  {testsupport::OfClass<QPrintDialog>(), escape}});
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_Q));
    testsupport::RunPending();
    Settle();
    EXPECT_TRUE(user.AllDone());
    EXPECT_EQ(user.Strays(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this, focused] {
        return QApplication::activeWindow() == Frame().GetWidget() && QApplication::focusWidget() == focused;
    }));
}

// File > Print Setup by keys chooses where the prints after it go and on which paper: Ctrl+P's
// print dialog starts from the PDF file set up there, and the bid comes out on Letter.
TEST_F(PrintBidTest, ThePrinterSetUpInPrintSetupIsWhereTheNextPrintGoes)
{
    OpenSampleToPrint();
    ASSERT_NE(Prop(), nullptr);
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    const std::string pdf = m_folder / "set-up.pdf";
    QString startedWith;
    testsupport::ModalSteps user(
        {printsteps::SetUpPaper("Letter", false),
         printsteps::PrintToPdf(pdf, [&](QPrintDialog& dialog) {
             startedWith = dialog.findChild<QComboBox*>(QStringLiteral("printers"))->currentText();
         })});
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_R));
    testsupport::RunPending();
    QTest::keyClick(Frame().GetWidget(), Qt::Key_P, Qt::ControlModifier);
    Settle();
    EXPECT_TRUE(user.AllDone());
    EXPECT_EQ(user.Strays(), 0);
    EXPECT_EQ(startedWith, CPrintSetupDialog::kPdfPrinter);
    EXPECT_EQ(PdfPageSize(pdf), "612 x 792");
    EXPECT_GT(PdfPageCount(pdf), 0);
}
