// Configuration export and import through the Tools menu: the option groups in an INI file that
// another installation reads.
#include "model/records/BidderInfo.h"
#include "model/settings/BidderSettings.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <filesystem>

class ConfigurationCommands : public CommandTest {
protected:
    void SetUp() override { StartEmpty(); }

    std::string Path(const std::string& name) const { return m_folder / name; }
};

TEST_F(ConfigurationCommands, AnExportReadsBackIntoAnotherInstallation)
{
    const std::string file = Path("shared.ini");
    testsupport::WriteTextFile(file, "[stale]\nold=1\n");
    m_script.AnswerFile(file);
    AnswerOk();
    Choose(ID_EXPORT_CONFIGURATION);
    const platform::FileDialogRequest& asked = m_script.FileDialogs().back();
    EXPECT_EQ(asked.title, "Export Zod Configuration File");
    EXPECT_EQ(asked.filter, "Ini Files (*.ini)|*.ini|All Files (*.*)|*.*||");
    EXPECT_FALSE(asked.open);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->text, "Configuration successfully exported to file\n" + file);
    EXPECT_EQ(m_app->m_strExportFile, file);
    const std::string written = testsupport::ReadTextFile(file);
    EXPECT_NE(written.find("Ridgeline Paving"), std::string::npos);
    EXPECT_EQ(written.find("stale"), std::string::npos);
    // Nothing is left beside it.
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(file).parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);

    // Another company's settings come in; the file read stays as it was.
    std::string other = written;
    other.replace(other.find("Ridgeline Paving"), 16, "Summit Asphalt");
    testsupport::WriteTextFile(file, other);
    m_script.AnswerFile(file);
    AnswerOk();
    Choose(ID_IMPORT_CONFIGURATION);
    EXPECT_EQ(m_script.FileDialogs().back().title, "Import Zod Configuration File");
    EXPECT_EQ(LastMessage()->text, "Configuration successfully read from file\n" + file);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Summit Asphalt");
    EXPECT_EQ(Stored("Bidder", "Name"), "Summit Asphalt");
    EXPECT_EQ(testsupport::ReadTextFile(file), other);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// The shared settings file may be a link (to a network folder, say): the export lands where the
// link points, and the link stays.
TEST_F(ConfigurationCommands, AnExportThroughALinkToALinkKeepsTheLinks)
{
    namespace fs = std::filesystem;
    fs::create_directory(Path("shared"));
    testsupport::WriteTextFile(Path("shared/zod.ini"), "[stale]\nold=1\n");
    fs::create_symlink("shared/zod.ini", Path("zod.ini"));
    fs::create_symlink(Path("zod.ini"), Path("settings.ini"));
    m_script.AnswerFile(Path("settings.ini"));
    AnswerOk();
    Choose(ID_EXPORT_CONFIGURATION);
    EXPECT_EQ(LastMessage()->text, "Configuration successfully exported to file\n" + Path("settings.ini"));
    EXPECT_EQ(fs::read_symlink(Path("zod.ini")), "shared/zod.ini");
    EXPECT_EQ(fs::read_symlink(Path("settings.ini")), Path("zod.ini"));
    const std::string written = testsupport::ReadTextFile(Path("shared/zod.ini"));
    EXPECT_NE(written.find("Ridgeline Paving"), std::string::npos);
    EXPECT_EQ(written.find("stale"), std::string::npos);
}

TEST_F(ConfigurationCommands, AFailedExportLeavesNoFileAndSaysSo)
{
    const std::string file = Path("no such folder/shared.ini");
    m_script.AnswerFile(file);
    AnswerOk();
    Choose(ID_EXPORT_CONFIGURATION);
    EXPECT_EQ(LastMessage()->text, "Could not export configuration to file\n" + file);
    EXPECT_FALSE(std::filesystem::exists(file));
    m_script.AnswerFile(Path("missing.ini"));
    AnswerOk();
    Choose(ID_IMPORT_CONFIGURATION);
    EXPECT_EQ(LastMessage()->text, "Could not import configuration from file\n" + Path("missing.ini"));
}

TEST_F(ConfigurationCommands, TheRunningSettingsFileItselfIsOnlyRemembered)
{
    const std::string before = testsupport::ReadTextFile(RegistryFile());
    for (const UINT command : {ID_EXPORT_CONFIGURATION, ID_IMPORT_CONFIGURATION}) {
        m_script.AnswerFile(RegistryFile());
        Choose(command);
        EXPECT_EQ(m_app->m_strExportFile, RegistryFile());
    }
    EXPECT_TRUE(m_script.MessageBoxes().empty()) << Unanswered();
    EXPECT_EQ(testsupport::ReadTextFile(RegistryFile()), before);
}
