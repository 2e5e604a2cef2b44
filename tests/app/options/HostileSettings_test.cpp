// A settings file damaged or written by hand: each damage named with what the sheet shows for
// it, and what OK writes back, so that nothing odd in the file is made worse or lost silently.
#include "tests/app/options/OptionsTestSupport.h"


namespace {

using namespace optionstest;

struct Damage {
    const char* name;
    const char* group;
    const char* value;
    const char* text;
    int tab;
    // What the page shows, and what the group holds after OK.
    std::function<void(COptionsSheet&)> shown;
    const char* storedName;
    std::optional<std::string> stored;
};

class HostileSettings : public OptionsTest, public ::testing::WithParamInterface<Damage> {
protected:
    // The damage written, and the settings loaded again as the program would find them at start.
    static void Damaged(const Damage& damage)
    {
        CProfileStore store;
        OpenSettingsGroup(store, damage.group);
        store.WriteProfileStringValue(damage.value, damage.text);
        store.CloseProfileKey();
        LoadOptionSettings();
    }
};

void FieldsAsStored(COptionsSheet& sheet)
{
    auto& grid = sheet.m_exportPage.GetGrid();
    EXPECT_EQ(grid.RowTexts(0), (std::vector<std::string>{"LineNumber", "6"}));
    EXPECT_EQ(grid.RowTexts(1), (std::vector<std::string>{"", "9"})); // id 77 names no field
    EXPECT_EQ(grid.RowTexts(2), (std::vector<std::string>{"UnitPrice", "16"}));
}

const Damage kDamages[] = {
    {"FieldIdOutsideTheTable", "IO\\Export", "Fields", "1,77,6", 3, FieldsAsStored, "Fields", "1,6"},
    {"SizeOutOfRange", "IO\\Export", "FieldSizes", "-5,99999,3", 3,
     [](COptionsSheet& sheet) {
         EXPECT_EQ(sheet.m_exportPage.GetGrid().RowTexts(0), (std::vector<std::string>{"LineNumber", "6"}));
     },
     "FieldSizes", "6,6,3,16,6,16,40"},
    {"FormatOutsideTheTable", "IO\\Import", "Format", "42", 4, {}, "Format", "0"},
    {"ProxyModeSeven", "Proxy", "UseProxy", "7", 6,
     [](COptionsSheet& sheet) {
         EXPECT_FALSE(sheet.m_proxyPage.GetDlgItem(COptionsProxyPage::IDC_ADDRESS)->IsWindowEnabled());
     },
     "UseProxy", "0"},
    {"NegativePort", "Proxy", "Port", "-1", 6,
     [](COptionsSheet& sheet) { EXPECT_EQ(sheet.m_proxyPage.GetDlgItem(COptionsProxyPage::IDC_PORT)->GetWindowText(), "0"); },
     "Port", "0"},
    {"UnitRowWithoutConversion", "Units", "Unit00", "IN,mm", 2,
     [](COptionsSheet& sheet) { EXPECT_EQ(sheet.m_unitsPage.GetGrid().RowTexts(0)[0], "IN"); }, "Unit00",
     "IN,mm,25.4,inch - millimeter"},
    {"AgencyWithAnEmptyId", "Bidder\\IDS", "TXDOT", "", 1,
     [](COptionsSheet& sheet) { EXPECT_EQ(sheet.m_agencyIDPage.GetGrid().RowTexts(0)[0], "TXDOT"); }, "TXDOT",
     std::nullopt},
};

} // namespace

TEST_P(HostileSettings, TheSheetShowsWhatCanBeShownAndWritesBackSoundValues)
{
    Damaged(GetParam());
    RunOn(GetParam().tab, [&] {
        if (GetParam().shown)
            GetParam().shown(sheet);
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(sheet.HasEnded());
    const std::string group = GetParam().group;
    EXPECT_EQ(Stored(group, GetParam().storedName), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Damages, HostileSettings, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });
