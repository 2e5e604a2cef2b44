#include "model/records/ItemColumns.h"
#include "tests/model/settings/SettingsTestSupport.h"

using Values = std::vector<std::pair<std::string, std::string>>;

namespace {

class IOFormats : public SettingsTest {
protected:
    const CIOFormatSettings& Load()
    {
        CProfileStore store;
        LoadIOFormats(store, DefaultsPolicy::Write);
        return *GetIOFormatSettings();
    }
    static std::vector<int32_t> Fields(const CIOFormatSide& side)
    {
        return {side.m_iFields.begin(), side.m_iFields.begin() + std::ptrdiff_t(side.FieldCount())};
    }
    static std::vector<int32_t> Sizes(const CIOFormatSide& side)
    {
        return {side.m_iSizes.begin(), side.m_iSizes.begin() + std::ptrdiff_t(side.FieldCount())};
    }
};

struct FieldCase {
    const char* name;
    const char* format;
    const char* fields;
    const char* sizes;
    int expectedFormat;
    std::vector<int32_t> expectedFields;
    std::vector<int32_t> expectedSizes;
};

class IOFormatCases : public IOFormats, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(IOFormatCases, KeepsWhatTheRecordCanHoldAndMendsTheRest)
{
    const FieldCase& c = GetParam();
    StoreGroup("IO\\Export", {{"Format", c.format}, {"Fields", c.fields}, {"FieldSizes", c.sizes}});
    const CIOFormatSettings& formats = Load();
    EXPECT_EQ(formats.m_export.m_iFormat, c.expectedFormat);
    EXPECT_EQ(Fields(formats.m_export), c.expectedFields);
    EXPECT_EQ(Sizes(formats.m_export), c.expectedSizes);
}

std::string Repeated(const char* item, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? "," : "") + std::string(item);
    return text;
}

const std::string kThirtyOne = Repeated("9", 31);
const std::string kThirtyOneSizes = Repeated("4000", 31);

INSTANTIATE_TEST_SUITE_P(
    Fields, IOFormatCases,
    ::testing::Values(
        FieldCase{"FormatBeyondTable", "7", "1", "5", 0, {1}, {5}},
        FieldCase{"NegativeFormat", "-3", "1", "5", 0, {1}, {5}},
        FieldCase{"ZeroEndsTheIds", "4", "1,2,,4", "1,2,3,4", 4, {1, 2}, {1, 2}},
        FieldCase{"MissingSizesTakeTheDefault", "0", "3,8,99", "7", 0, {3, 8, 99}, {7, 40, 8}},
        FieldCase{"SizesOutOfRange", "0", "1,1,1", "0,-4,4097", 0, {1, 1, 1}, {6, 6, 6}},
        FieldCase{"ThirtyOfThirtyOne", "6", kThirtyOne.c_str(), kThirtyOneSizes.c_str(), 6,
                  std::vector<int32_t>(30, 9), std::vector<int32_t>(30, 4000)},
        FieldCase{"EmptyListIsNoFields", "1", "", "", 1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IOFormats, ThirtyFieldsAndTheirWidthsSurviveASaveAndALoad)
{
    auto formats = std::make_unique<CIOFormatSettings>(DefaultIOFormatSettings());
    for (std::size_t i = 0; i < kMaxFlatFileFields; ++i) {
        formats->m_import.m_iFields[i] = int32_t(18 - i % 18);
        formats->m_import.m_iSizes[i] = int32_t(i % 3 == 0 ? 0 : 100 + i); // 0: not given
    }
    CIOFormatSettings expected = *formats;
    for (std::size_t i = 0; i < kMaxFlatFileFields; i += 3)
        expected.m_import.m_iSizes[i] = GetItemColumnDefaultSize(expected.m_import.m_iFields[i]);
    SetIOFormatSettings(std::move(formats));
    CProfileStore store;
    SaveIOFormats(store, 0);
    EXPECT_TRUE(StoredGroup("IO\\Export").empty());
    SaveIOFormats(store, 1);
    SetIOFormatSettings(nullptr);
    EXPECT_EQ(Load(), expected);
}

} // namespace
