// Configuration files to import come from elsewhere: every damaged one is read without harm,
// its values mended or refused, and the file itself is never written.
#include "model/settings/OptionSettings.h"
#include "tests/model/settings/SettingsTestSupport.h"

#include <functional>

using testsupport::ReadTextFile;
using testsupport::WriteTextFile;

namespace {

std::string Section(const std::string& group)
{
    return "[HKEY_CURRENT_USER\\" + kSettingsBase + "\\" + group + "]\n";
}

struct Corruption {
    const char* name;
    std::string bytes;
    int answer;
    std::function<bool()> holds; // on the records loaded
};

bool IsDefaultImport()
{
    return GetBidderInfo() && GetBidderInfo()->Get(BIDDER_NAME) == "Unknown" &&
           *GetIOFormatSettings() == DefaultIOFormatSettings() && GetUnitList().size() == 46;
}

std::string Many(const std::string& pattern, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Unit" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=" + pattern + "\n";
    return text;
}

constexpr char kBinary[] = "\0\xff\x01[\0]\n=\n\xfe";

const Corruption kCorruptions[] = {
    {"EmptyFile", "", 1, IsDefaultImport},
    {"BinaryBytes", std::string(kBinary, sizeof kBinary - 1), 1, IsDefaultImport},
    {"NoLineEnds", std::string(100000, 'x'), 1, IsDefaultImport},
    {"HeaderNeverClosed", Section("Bidder").substr(0, 30) + "\nName=Evil\n", 1, IsDefaultImport},
    {"FormatBeyondTable", Section("IO\\Export") + "Format=70000\nFields=1\n", 1,
     [] { return GetIOFormatSettings()->m_export.m_iFormat == kCsvFormatIndex; }},
    {"FieldsNotNumbers", Section("IO\\Export") + "Fields=abc,def\nFieldSizes=x\n", 1,
     [] { return GetIOFormatSettings()->m_export.FieldCount() == 0; }},
    {"ThousandFields", Section("IO\\Export") + "Fields=" + std::string(1999, ',') + "\n", 1,
     [] { return GetIOFormatSettings()->m_export.FieldCount() == 0; }},
    {"HugeWidths", Section("IO\\Export") + "Fields=1,2\nFieldSizes=99999999999,-99999999999\n", 1,
     [] { return GetIOFormatSettings()->m_export.m_iSizes[0] == 6 && GetIOFormatSettings()->m_export.m_iSizes[1] == 6; }},
    {"UnitRowsTooShort", Section("Units") + "Unit00=IN\nUnit01=,\nUnit02=A,B,2\n", 1,
     [] { return GetUnitList().size() == 1 && GetUnitList()[0].m_strUnit == "A"; }},
    {"UnitFormulaTooDeep", Section("Units") + "Unit00=A,B," + std::string(5000, '(') + "1\n", 1,
     [] { return GetUnitList().size() == 1 && !IsEvalValueValid(GetUnitList()[0].m_dFactor); }},
    {"UnitFormulaDividesByZero", Section("Units") + "Unit00=A,B,1/0\n", 1,
     [] { return GetUnitList().size() == 1; }},
    {"TwoHundredUnitRows", Section("Units") + Many("A,B,2", 200), 1,
     [] { return GetUnitList().size() == std::size_t(kMaxUnitRows); }},
    {"UnitRowsOnlyBroken", Section("Units") + Many("broken", 3), 1, IsDefaultImport},
    {"ProxyModeAndPortOutOfRange", Section("Proxy") + "UseProxy=-7\nPort=123456\n", 1,
     [] { return GetProxySettings() == CProxySettings{PROXY_DIRECT, "", 0}; }},
    {"AgencyNamesThatCannotBeStored", Section("Bidder\\IDS") + "A B=1\n=2\n X =3\n", 1,
     IsDefaultImport},
};

class HostileConfiguration : public SettingsTest, public ::testing::WithParamInterface<Corruption> {};

TEST_P(HostileConfiguration, IsReadWithoutHarmAndNeverWritten)
{
    const Corruption& c = GetParam();
    const std::string file = IniPath("hostile.ini");
    WriteTextFile(file, c.bytes);
    CProfileStore running;
    EXPECT_EQ(LoadOptionSettings(file, &running), c.answer);
    EXPECT_TRUE(c.holds());
    EXPECT_EQ(ReadTextFile(file), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Corruptions, HostileConfiguration, ::testing::ValuesIn(kCorruptions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, AnOversizedConfigurationFileIsRefused)
{
    const std::string file = IniPath("huge.ini");
    WriteTextFile(file, std::string(platform::IniFile::kMaxBytes + 1, ';'));
    CProfileStore running;
    EXPECT_EQ(LoadOptionSettings(file, &running), 0);
    EXPECT_EQ(GetBidderInfo(), nullptr);
}

} // namespace
