// A bid printed to a PDF file on a full disk: the bidder is told why, and a PDF of that name from
// before stays whole; no file is left where there was none.
#include "platform/core/Paths.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "resources/ResourceIds.h"
#include "tests/app/tree/PrintTestSupport.h"
#include "tests/support/TestEnvironment.h"

namespace {

class PdfFullDisk : public PrintTest {
protected:
    // The disk takes no more than a few kilobytes of any file while the bid prints by Ctrl+P;
    // what the bidder is told, and the files of the folder while he reads it.
    QString PrintOntoFullDisk(const std::string& pdf, std::size_t& filesWhileTold)
    {
        platform::QtModalServices real;
        platform::ScopedModalServices installed(real);
        QString told;
        const testsupport::ModalStep tell = printsteps::Told(told);
        testsupport::ModalSteps user({printsteps::PrintToPdf(pdf), {tell.isFor, [&](QWidget* box) {
                                          filesWhileTold = testsupport::FilesIn(platform::FolderOf(pdf));
                                          tell.act(box);
                                      }}});
        {
            testsupport::FileSizeLimit full(4096);
            QTest::keyClick(Frame().GetWidget(), Qt::Key_P, Qt::ControlModifier);
            Settle();
        }
        EXPECT_TRUE(user.AllDone());
        EXPECT_EQ(user.Strays(), 0);
        return told;
    }
};

} // namespace

TEST_F(PdfFullDisk, CtrlPSaysWhyAndLeavesTheEarlierPdfWhole)
{
    OpenSampleToPrint();
    ASSERT_NE(Prop(), nullptr);
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    const std::string folder = m_folder / "pdfs";
    std::filesystem::create_directory(folder);
    const std::string pdf = folder + "/bid.pdf";
    m_script.AnswerPrint(pdf);
    ASSERT_TRUE(Frame().SendCommand(ID_FILE_PRINT));
    const std::string before = testsupport::ReadTextFile(pdf);
    ASSERT_GT(before.size(), 4096u);

    std::size_t files = 0;
    const QString told = PrintOntoFullDisk(pdf, files);
    EXPECT_TRUE(told.startsWith("The PDF file was not written.")) << told.toStdString();
    EXPECT_TRUE(told.contains(QString::fromStdString(pdf))) << told.toStdString();
    EXPECT_TRUE(testsupport::ReadTextFile(pdf) == before) << "the old PDF stays whole";
    EXPECT_EQ(files, 1u) << "no temporary file beside it";

    const std::string fresh = folder + "/new.pdf";
    EXPECT_FALSE(PrintOntoFullDisk(fresh, files).isEmpty());
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(files, 1u);
}

// The quote goes the same way: said, and the file of that name left as it was.
TEST_F(PdfFullDisk, TheQuoteSaysWhyAndLeavesTheEarlierPdfWhole)
{
    OpenSampleToPrint();
    ASSERT_NE(Prop(), nullptr);
    const std::string pdf = m_folder / "quote.pdf";
    testsupport::WriteTextFile(pdf, "the quote printed yesterday");
    m_script.AnswerPrint(pdf);
    m_script.AnswerMessageBox(IDOK);
    {
        testsupport::FileSizeLimit full(4096);
        ASSERT_TRUE(Frame().SendCommand(resources::ID_PRINT_QUOTE));
    }
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    EXPECT_NE(m_script.MessageBoxes()[0].text.find("The PDF file was not written."), std::string::npos)
        << m_script.MessageBoxes()[0].text;
    EXPECT_EQ(testsupport::ReadTextFile(pdf), "the quote printed yesterday");
    EXPECT_TRUE(m_script.AllAnswered());
}
