// Settings that cannot be written are told to the user once, with the file and the reason, at the
// Options OK that failed or at File > Exit; what he chose stays in force for the run. Through the
// real menu, the real options sheet and the real exit.
#include "model/records/BidderInfo.h"
#include "model/settings/OptionSettings.h"
#include "model/settings/UnitTable.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/options/OptionsTestSupport.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

class UnsavedSettings : public CommandTest {
protected:
    ~UnsavedSettings() override { chmod(SettingsFolder().c_str(), 0755); }

    std::string SettingsFolder() const { return m_folder / "config/Tarvello"; }

    // In the options sheet, when it comes: the company's name typed over, then `beforeOk` and OK.
    void AnswerOptions(const char* name, const std::function<void()>& beforeOk = [] {})
    {
        m_script.AnswerDialog([name, beforeOk](platform::ModalDialog& modal) {
            auto& sheet = dynamic_cast<COptionsSheet&>(modal);
            CWnd* company = sheet.m_bidderInfoPage.GetDlgItem(300);
            QTest::keyClick(company->GetWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(company->GetWidget(), name);
            beforeOk();
            optionstest::Press(sheet, QDialogButtonBox::Ok);
        });
    }
    // Tools > Options by keys, the company renamed there; the messages that follow are read and
    // answered.
    void RenameCompany(const char* name, int messages, const std::function<void()>& beforeOk = [] {})
    {
        AnswerOptions(name, beforeOk);
        AnswerOk(messages);
        ChooseByKeys(Qt::Key_T, {Qt::Key_O});
    }

    void ExitByKeys()
    {
        ChooseByKeys(Qt::Key_F, {Qt::Key_X});
        EXPECT_EQ(EndProgram(), 0);
    }

    std::vector<std::string> Told() const
    {
        std::vector<std::string> texts;
        for (const platform::MessageBoxRequest& box : m_script.MessageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    std::string Refusal(const std::string& reason) const
    {
        return "Settings could not be saved to " + RegistryFile() + ": " + reason;
    }
};

} // namespace

TEST_F(UnsavedSettings, AnOkThatCannotWriteSaysSoOnceAndTheExitDoesNotRepeatIt)
{
    StartEmpty();
    const std::string before = testsupport::ReadTextFile(RegistryFile());
    chmod(RegistryFile().c_str(), 0444);
    RenameCompany("Summit Asphalt", 1);
    ASSERT_EQ(Told(), std::vector<std::string>{Refusal("Permission denied")});
    EXPECT_TRUE(m_script.MessageBoxes().back().type & MB_ICONEXCLAMATION);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Summit Asphalt") << "in force for the run";

    ExitByKeys();
    EXPECT_EQ(Told().size(), 1u);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
    EXPECT_TRUE(testsupport::ReadTextFile(RegistryFile()) == before);
}

// The unit table is in force for the run too, not read back from the file that kept the old one.
TEST_F(UnsavedSettings, UnitsTypedAtAnOkThatCannotWriteHoldForTheRun)
{
    StartEmpty();
    chmod(RegistryFile().c_str(), 0444);
    const std::size_t rows = GetUnitList().size();
    m_script.AnswerDialog([rows](platform::ModalDialog& modal) {
        auto& sheet = dynamic_cast<COptionsSheet&>(modal);
        // Shown as the user sees it, for the clicks in its grid.
        sheet.ModalWindow()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet.ModalWindow()));
        optionstest::ClickTab(sheet, 2);
        COptionsCommonGrid& grid = sheet.m_unitsPage.GetGrid();
        optionstest::ClickCell(grid, 0, 0);
        for (std::size_t row = 0; row < rows; ++row)
            QTest::keyClick(grid.GetCellArea()->GetWidget(), Qt::Key_Down);
        optionstest::TypeIntoCell(grid, "HR", Qt::Key_Tab);
        optionstest::TypeIntoCell(grid, "h", Qt::Key_Tab);
        optionstest::TypeIntoCell(grid, "1");
        optionstest::Press(sheet, QDialogButtonBox::Ok);
    });
    AnswerOk();
    ChooseByKeys(Qt::Key_T, {Qt::Key_O});
    EXPECT_EQ(Told(), std::vector<std::string>{Refusal("Permission denied")});
    ASSERT_EQ(GetUnitList().size(), rows + 1);
    EXPECT_EQ(GetUnitList()[rows].m_strUnit, "HR");
    EXPECT_EQ(GetUnitList()[rows].m_dFactor, 1.0);
}

TEST_F(UnsavedSettings, AnImportedConfigurationThatCannotBeKeptSaysWhy)
{
    StartEmpty();
    const std::string configuration = m_folder / "office.ini";
    CProfileStore running;
    ASSERT_TRUE(ExportConfiguration(running, configuration));
    chmod(RegistryFile().c_str(), 0444);
    m_script.AnswerFile(configuration);
    AnswerOk(2);
    ChooseByKeys(Qt::Key_T, {Qt::Key_M});
    ASSERT_EQ(Told().size(), 2u);
    EXPECT_EQ(Told()[1], Refusal("Permission denied"));
}

TEST_F(UnsavedSettings, TheExitThatCannotWriteSaysSo)
{
    StartEmpty();
    chmod(RegistryFile().c_str(), 0444);
    AnswerOk();
    ExitByKeys();
    EXPECT_EQ(Told(), std::vector<std::string>{Refusal("Permission denied")});
}

TEST_F(UnsavedSettings, AFullDiskAtTheOkIsToldWithItsReason)
{
    StartEmpty();
    std::unique_ptr<testsupport::FileSizeLimit> full;
    RenameCompany("Summit Asphalt", 1, [&full] { full = std::make_unique<testsupport::FileSizeLimit>(64); });
    full.reset();
    EXPECT_EQ(Told(), std::vector<std::string>{Refusal("File too large")});
    EXPECT_EQ(Stored("Bidder", "Name"), "Ridgeline Paving");
}

// A first run in a settings folder that cannot be written: the answers hold for the run, and the
// user learns they could not be kept.
TEST_F(UnsavedSettings, AFirstRunsAnswersThatCannotBeKeptAreToldAtItsOk)
{
    Store("Bidder", "Name", "Unknown");
    chmod(SettingsFolder().c_str(), 0555);
    m_script.AnswerDialogWith(IDOK); // the welcome
    AnswerOptions("Summit Asphalt");
    AnswerOk();
    StartEmpty();
    EXPECT_EQ(m_script.DialogTitles(), (std::vector<std::string>{"New Installation", "ZOD Options"}));
    EXPECT_EQ(Told(), std::vector<std::string>{Refusal("Permission denied")});
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Summit Asphalt");
    EXPECT_EQ(Stored("Bidder", "Name"), "Unknown");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}
