// The flat-file dialog's name follows the file type picked: the typed name keeps its part before
// the extension and takes the type's, as far as the pattern holds file-name characters.
#include "app/dialogs/ExFileDialog.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"

#include <gtest/gtest.h>

namespace {

struct TypeCase {
    std::string typed;
    std::string pattern;
    std::string expected;
};

const TypeCase kTypeCases[] = {
    {"prices.csv", "*.TAB", "prices.TAB"},
    {"prices", "*.DIF", "prices.DIF"},
    {"my.bid.prices.csv", "*.WK1", "my.bid.prices.WK1"},
    {"prices.csv", "*.*", "prices."},
    {"prices.csv", "*.tvb;*.tvl", "prices.tvb"},
    {"prices.csv", "*.C?V", "prices.C"},
    {"prices.csv", "", "prices"},
    {"prices.csv", "*.$%'-_@ ~`!()^#&+,.=[]", "prices.$%'-_@ ~`!()^#&+,.=[]"},
    {"prices.csv", "*.\xE9t\xFF", "prices.\xE9t\xFF"},
    {"prices.csv", std::string("*.A\0B", 5), "prices.A"},
    {"prices.csv", "*.a/b", "prices.a"},
    // A dot in a folder's name is no extension.
    {"bids.2024/prices", "*.CSV", "bids.2024/prices.CSV"},
    {std::string(300, 'p') + ".csv", "*.CSV", std::string(259, 'p')},
    {std::string(256, 'p') + ".csv", "*.CSV", std::string(256, 'p') + ".CS"},
};

class FileTypeName : public ::testing::TestWithParam<TypeCase> {};

constexpr const char* kFilter = "Comma Delimited (*.CSV)|*.CSV|Tab Delimited (*.TAB)|*.TAB|All Files (*.*)|*.*||";

} // namespace

TEST_P(FileTypeName, KeepsTheNameAndTakesTheTypesExtension)
{
    EXPECT_EQ(NameForFileType(GetParam().typed, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Types, FileTypeName, ::testing::ValuesIn(kTypeCases));

TEST(ExFileDialog, PickingAnotherTypeRenamesTheFileAndCancelChoosesNothing)
{
    platform::ScriptedModalServices script;
    platform::ScopedModalServices installed(script);
    CExFileDialog dialog(false, "CSV", "prices.CSV", OFN_OVERWRITEPROMPT, kFilter);
    script.AnswerFile("/bids/prices.CSV", 3);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/bids/prices.");
    EXPECT_EQ(dialog.GetFilterIndex(), 3);

    script.AnswerFile("/bids/other.CSV", 2);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/bids/other.TAB");

    script.AnswerCancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "/bids/other.TAB");
}
