#include "model/settings/BidderIds.h"
#include "model/settings/DefaultUnitRows.h"
#include "model/settings/OptionSettings.h"
#include "model/settings/ServerUrls.h"
#include "platform/core/Environment.h"
#include "tests/model/settings/SettingsTestSupport.h"

#include <sys/stat.h>

using testsupport::ReadTextFile;
using testsupport::WriteTextFile;
using Values = std::vector<std::pair<std::string, std::string>>;

namespace {

ino_t InodeOf(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

std::string IniSection(const std::string& group)
{
    return "[HKEY_CURRENT_USER\\" + kSettingsBase + "\\" + group + "]\n";
}

class OptionSettings : public SettingsTest {};

TEST_F(OptionSettings, FirstStartWritesExactlyTheDefaultsAndASecondWritesNothing)
{
    ASSERT_EQ(LoadOptionSettings(), 1);
    EXPECT_EQ(StoredGroup("Bidder"),
              (Values{{"Name", "Unknown"}, {"Addr1", ""}, {"Addr2", ""}, {"City", ""},
                      {"State", ""}, {"Zip", ""}, {"Phone", ""}, {"Fax", ""}, {"Pager", ""},
                      {"Email", ""}}));
    EXPECT_EQ(StoredGroup("IO\\Export"), (Values{{"Format", "0"},
                                                {"Fields", "1,2,3,4,5,6,8"},
                                                {"FieldSizes", "6,6,15,16,6,16,40"},
                                                {"Labels", "1"}}));
    EXPECT_EQ(StoredGroup("IO\\Import"), (Values{{"Format", "0"},
                                                {"Fields", "1,2,3,4,5,6,8"},
                                                {"FieldSizes", "6,6,15,16,6,16,40"}}));
    const Values units = StoredGroup("Units");
    ASSERT_EQ(units.size(), 46u);
    EXPECT_EQ(units.front(), (std::pair<std::string, std::string>{"Unit00", "IN,mm,25.4,inch - millimeter"}));
    EXPECT_EQ(units.back(), (std::pair<std::string, std::string>{"Unit45", "CWT,kg,45.3592,100 lbs - kilogram"}));
    EXPECT_EQ(StoredGroup("URL"), (Values{{"URL0", kDefaultBidServerUrl}}));
    EXPECT_EQ(StoredGroup("Directories"),
              (Values{{"InstallDir", platform::ExecutableDirectory() + "/"}}));
    EXPECT_EQ(StoredGroup("Proxy"), Values{});
    EXPECT_EQ(StoredGroup("Bidder\\IDS"), Values{});

    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Unknown");
    EXPECT_EQ(*GetIOFormatSettings(), DefaultIOFormatSettings());
    EXPECT_EQ(GetUnitList().size(), 46u);

    const std::string written = ReadTextFile(RegistryFile());
    const ino_t inode = InodeOf(RegistryFile());
    ResetSettingsRecords();
    ASSERT_EQ(LoadOptionSettings(), 1);
    EXPECT_EQ(InodeOf(RegistryFile()), inode);
    EXPECT_EQ(ReadTextFile(RegistryFile()), written);
    EXPECT_EQ(GetUnitList().size(), 46u);
}

TEST_F(OptionSettings, ImportReadsTheFileWithoutWritingIntoIt)
{
    const std::string file = IniPath("shared.ini");
    const std::string text = "; from the office\n" + IniSection("Bidder") + "Name=Acme Paving\nCity=Ames\n" +
                             IniSection("Units") + "Unit00=SY,m2,2,\"square yard, paved\"\n" +
                             IniSection("Bidder\\IDS") + "IDOT=abc1\n";
    WriteTextFile(file, text);
    CProfileStore running;
    ASSERT_EQ(LoadOptionSettings(file, &running), 1);
    EXPECT_EQ(ReadTextFile(file), text);

    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_CITY), "Ames");
    ASSERT_EQ(GetUnitList().size(), 1u);
    EXPECT_EQ(GetUnitList()[0].m_strDescription, "square yard, paved");
    EXPECT_EQ(*GetIOFormatSettings(), DefaultIOFormatSettings());
    EXPECT_EQ(StoredGroup("Bidder").front(), (std::pair<std::string, std::string>{"Name", "Acme Paving"}));
    EXPECT_EQ(StoredGroup("Bidder\\IDS"), (Values{{"IDOT", "ABC1"}}));
    EXPECT_EQ(StoredGroup("Units"), (Values{{"Unit00", "SY,m2,2,\"square yard, paved\""}}));
    EXPECT_EQ(StoredGroup("IO\\Export").size(), 4u);
}

TEST_F(OptionSettings, ImportLeavesNoStaleUnitRowsBehind)
{
    CProfileStore running;
    ASSERT_EQ(LoadOptionSettings(), 1);
    ASSERT_EQ(StoredGroup("Units").size(), 46u);
    const std::string file = IniPath("two.ini");
    WriteTextFile(file, IniSection("Units") + "Unit00=A,B,2\nUnit01=C,D,3\n");
    ASSERT_EQ(LoadOptionSettings(file, &running), 1);
    EXPECT_EQ(StoredGroup("Units"), (Values{{"Unit00", "A,B,2,"}, {"Unit01", "C,D,3,"}}));
}

TEST_F(OptionSettings, ImportOfAFileThatIsNotThereChangesNothing)
{
    CProfileStore running;
    EXPECT_EQ(LoadOptionSettings(IniPath("missing.ini"), &running), 0);
    EXPECT_FALSE(std::filesystem::exists(IniPath("missing.ini")));
    EXPECT_FALSE(std::filesystem::exists(RegistryFile()));
    EXPECT_EQ(GetBidderInfo(), nullptr);
    EXPECT_EQ(LoadOptionSettings(m_folder.Path(), &running), 0); // a folder
}

TEST_F(OptionSettings, ExportAndImportCarryEverythingOver)
{
    CProfileStore running;
    ASSERT_EQ(LoadOptionSettings(), 1);
    CBidderIdList ids;
    for (int i = 0; i < 300; ++i)
        ids.emplace_back("AGENCY" + std::to_string(i), "ID" + std::to_string(i));
    SaveBidderIDList(running, ids);
    GetBidderInfo()->Set(BIDDER_ADDRESS1, "1 Main St, Suite \"B\"");
    GetProxySettings() = {PROXY_MANUAL, "proxy.local", 3128};
    CIOFormatSettings formats = DefaultIOFormatSettings();
    for (std::size_t i = 0; i < kMaxFlatFileFields; ++i) {
        formats.m_export.m_iFields[i] = int32_t(i % 18 + 1);
        formats.m_export.m_iSizes[i] = int32_t(1000 + i);
    }
    formats.m_import.m_iFormat = 4;
    SetIOFormatSettings(std::make_unique<CIOFormatSettings>(formats));
    std::vector<CUnitRow> rows(GetUnitList());
    rows.push_back({"LS", "ls", "1", std::string(400, 'd') + ", lump \"sum\"", 1});
    SetUnitList(rows);

    const std::string file = IniPath("export.ini");
    WriteTextFile(file, IniSection("Stale") + "x=1\n");
    ASSERT_TRUE(ExportConfiguration(running, file));
    EXPECT_EQ(ReadTextFile(file).find("Stale"), std::string::npos);

    ResetSettingsRecords();
    testsupport::TempFolder other;
    testsupport::ScopedEnvironment otherConfig("XDG_CONFIG_HOME", other.Path().c_str());
    CProfileStore elsewhere;
    ASSERT_EQ(LoadOptionSettings(file, &elsewhere), 1);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_ADDRESS1), "1 Main St, Suite \"B\"");
    EXPECT_EQ(GetProxySettings(), (CProxySettings{PROXY_MANUAL, "proxy.local", 3128}));
    EXPECT_EQ(*GetIOFormatSettings(), formats);
    ASSERT_EQ(GetUnitList().size(), 47u);
    EXPECT_EQ(GetUnitList().back().m_strDescription, rows.back().m_strDescription);
    CBidderIdList upper = ids;
    EXPECT_EQ(ReadBidderIDValues(elsewhere), upper);
}

// A failed export says why and leaves what was there, whole.
TEST_F(OptionSettings, AnExportThatCannotBeWrittenChangesNothing)
{
    CProfileStore running;
    LoadOptionSettings();
    std::string error;
    EXPECT_FALSE(ExportConfiguration(running, IniPath("no/such/folder/x.ini"), &error));
    EXPECT_NE(error.find("no/such/folder/x.ini"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(IniPath("no/such/folder/x.ini")));

    const std::string file = IniPath("shared.ini");
    WriteTextFile(file, IniSection("Kept") + "x=1\n");
    {
        testsupport::FileSizeLimit limit(64);
        EXPECT_FALSE(ExportConfiguration(running, file, &error));
    }
    EXPECT_EQ(ReadTextFile(file), IniSection("Kept") + "x=1\n");
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);
}

} // namespace
