// The sheet over the program with the sample open: every page as the bidder sees it, compared
// with its reference picture (ZOD_WRITE_PICTURES=<folder> keeps the pictures drawn), and a
// colour change that repaints the open forms at once.
#include "app/options/OptionsSheet.h"
#include "app/views/ViewBackgrounds.h"
#include "model/settings/BidderSettings.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/PictureMatch.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QTabBar>

namespace {

const char* const kPages[] = {"bidder-information", "agency-id", "units", "export-format",
                              "import-format", "misc", "proxy"};

class OptionsOverSample : public ShellTest {
protected:
    void OpenSample()
    {
        Store("WindowMetrics", "BackgroundType", "1");
        Store("WindowMetrics", "TopColor", "0,0,128");
        Store("WindowMetrics", "BottomColor", "90,140,220");
        AnswerAmendmentReport();
        AnswerBidderId();
        StartOn(InLetting("sample.tvb"));
        ASSERT_NE(Prop(), nullptr);
        CBidderInfo* bidder = GetBidderInfo();
        bidder->m_texts = {bidder->Get(BIDDER_AGENCY_CODE), bidder->Get(BIDDER_ID), "Ace Paving & Grading, Inc.",
                           "1200 Quarry Road", "Suite 4", "Round Rock", "TX", "78664", "512-555-0142",
                           "512-555-0143", "", "bids@acepaving.example"};
    }

    // The sheet up over the main window while the script works it.
    void RunSheet(COptionsSheet& sheet, const std::function<void()>& script)
    {
        m_script.AnswerDialog([&sheet, script](platform::ModalDialog&) {
            sheet.ModalWindow()->show();
            QApplication::processEvents();
            script();
        });
        sheet.DoModal();
    }

    static void ShowTab(COptionsSheet& sheet, int index)
    {
        auto* tabs = sheet.ModalWindow()->findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(OptionsOverSample, EveryPageLooksAsItsReference)
{
    OpenSample();
    COptionsSheet sheet("ZOD Options", AfxGetMainWnd());
    RunSheet(sheet, [&] {
        for (int index = 0; index < int(std::size(kPages)); ++index) {
            ShowTab(sheet, index);
            const QImage picture = sheet.ModalWindow()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QString name = QString("options20-%1.png").arg(kPages[index]);
            if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
                picture.save(QDir(folder).filePath(name));
            EXPECT_TRUE(testsupport::MatchesPicture(picture, QImage(QString(ZOD_FIXTURES) + "/pictures/" + name)))
                << kPages[index];
        }
    });
}

TEST_F(OptionsOverSample, ANewBackgroundColourRepaintsTheOpenFormsAtOnce)
{
    OpenSample();
    QWidget* tree = Tree().GetWidget();
    const auto bottomLeft = [tree] {
        return tree->grab().toImage().pixelColor(2, tree->height() - 3);
    };
    const QColor before = bottomLeft();
    COptionsSheet sheet("ZOD Options", AfxGetMainWnd());
    RunSheet(sheet, [&] {
        ShowTab(sheet, 5);
        m_script.AnswerColor(MakeColorRef(250, 200, 40));
        QTest::mouseClick(sheet.m_miscPage.GetDlgItem(1125)->GetWidget(), Qt::LeftButton);
        auto* buttons = sheet.ModalWindow()->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    Settle();
    EXPECT_EQ(m_app->m_crBottomColor, MakeColorRef(250, 200, 40));
    const QColor after = bottomLeft();
    EXPECT_NE(after, before);
    EXPECT_GT(after.red(), 200);
    EXPECT_LT(after.blue(), 100);
}
