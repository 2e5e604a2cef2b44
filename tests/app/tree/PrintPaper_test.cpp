// Paper, orientation and copies of the printed bid through the real menus and dialogs: the paper
// of Print Setup, else the system's, for Print, Print Quote and Print Preview alike; a landscape
// choice printed upright with a word; the copies asked for in the print dialog.
#include "platform/ui/dialogs/QtModalServices.h"
#include "platform/ui/print/PrintPreview.h"
#include "tests/app/tree/PrintTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class PrintPaper : public PrintTest {
protected:
    // The sample opened; from then on the dialogs are the real ones.
    void Open()
    {
        OpenSampleToPrint();
        ASSERT_NE(Prop(), nullptr);
        ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
        m_installed.emplace(m_real);
    }
    void PrintSetupByKeys()
    {
        ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_R));
        testsupport::RunPending();
    }
    void PrintByKeys()
    {
        ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
        QTest::keyClick(Frame().GetWidget(), Qt::Key_P, Qt::ControlModifier);
        Settle();
    }

    platform::QtModalServices m_real;
    std::optional<platform::ScopedModalServices> m_installed;
};

// The preview's page in inches, from its pixels at 96 to the inch.
QSizeF PreviewInches(const platform::PrintPreviewWindow& preview)
{
    return QSizeF(preview.PageImage().size()) / 96.0;
}

} // namespace

TEST_F(PrintPaper, WithoutPrintSetupAPdfTakesTheSystemsPaper)
{
    Open();
    for (const auto& [paper, size] : {std::pair{"letter", "612 x 792"}, std::pair{"a4", "595 x 842"}}) {
        testsupport::ScopedEnvironment setting("PAPERSIZE", paper);
        const std::string pdf = m_folder / (std::string(paper) + ".pdf");
        testsupport::ModalSteps user({printsteps::PrintToPdf(pdf)});
        PrintByKeys();
        EXPECT_TRUE(user.AllDone());
        EXPECT_EQ(PdfPageSize(pdf), size);
    }
}

TEST_F(PrintPaper, ThePaperOfPrintSetupIsKeptForTheQuoteAndThePreview)
{
    testsupport::ScopedEnvironment a4("PAPERSIZE", "a4");
    Open();
    const std::string quote = m_folder / "quote.pdf";
    QString offered;
    testsupport::ModalSteps user({printsteps::SetUpPaper("Legal", false, &offered), printsteps::PrintToPdf(quote)});
    PrintSetupByKeys();
    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_Q));
    testsupport::RunPending();
    Settle();
    EXPECT_TRUE(user.AllDone());
    EXPECT_EQ(user.Strays(), 0);
    EXPECT_EQ(offered, "A4") << "the system's paper first";
    EXPECT_EQ(PdfPageSize(quote), "612 x 1008");

    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_V));
    testsupport::RunPending();
    platform::PrintPreviewWindow* preview = platform::ActivePreview();
    ASSERT_NE(preview, nullptr);
    // Legal less the printer's margins of a seventh of an inch.
    EXPECT_NEAR(PreviewInches(*preview).width(), 8.5 - 0.28, 0.05);
    EXPECT_NEAR(PreviewInches(*preview).height(), 14 - 0.28, 0.05);
    preview->ClosePreview();
}

TEST_F(PrintPaper, ALandscapeChoiceIsSaidAndPrintedUpright)
{
    Open();
    const std::string pdf = m_folder / "upright.pdf";
    QString told, toldInPreview;
    testsupport::ModalSteps user(
        {printsteps::SetUpPaper("Letter", true), printsteps::PrintToPdf(pdf), printsteps::Told(told),
         printsteps::Told(toldInPreview)});
    PrintSetupByKeys();
    PrintByKeys();
    EXPECT_EQ(told, "This report cannot be printed in landscape mode");
    EXPECT_EQ(PdfPageSize(pdf), "612 x 792");

    ASSERT_TRUE(testsupport::ChooseByKeys(Frame().GetWidget(), Qt::Key_F, Qt::Key_V));
    testsupport::RunPending();
    EXPECT_TRUE(user.AllDone());
    EXPECT_EQ(toldInPreview, told);
    platform::PrintPreviewWindow* preview = platform::ActivePreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_LT(PreviewInches(*preview).width(), PreviewInches(*preview).height());
    preview->ClosePreview();
}

TEST_F(PrintPaper, TwoCopiesOfPagesTwoToThreeAreFourPagesOneCopyAfterTheOther)
{
    Open();
    const std::string pdf = m_folder / "copies.pdf";
    testsupport::ModalSteps user({printsteps::PrintToPdf(pdf, [](QPrintDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
        dialog.findChild<QSpinBox*>(QStringLiteral("to"))->setValue(3);
        dialog.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(2);
        dialog.findChild<QCheckBox*>(QStringLiteral("collate"))->setChecked(true);
    })});
    PrintByKeys();
    EXPECT_TRUE(user.AllDone());
    ASSERT_EQ(PdfPageCount(pdf), 4);
    EXPECT_NE(PdfText(pdf, 1), PdfText(pdf, 2));
    EXPECT_EQ(PdfText(pdf, 1), PdfText(pdf, 3));
    EXPECT_EQ(PdfText(pdf, 2), PdfText(pdf, 4));
}
