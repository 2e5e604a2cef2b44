#include "tests/model/support/PickLists.h"

#include "model/text/FlagWord.h"
#include "platform/core/Environment.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using Entries = std::vector<std::string>;

CSAStringArray* ListOf(CProp& prop, CWinMeta& form, const CFieldInfo& field, std::string* error = nullptr)
{
    return GetPickList(&prop, &form, &field, error);
}

struct TextList {
    const char* label;
    const char* fileName;
    const char* listName;
    std::string contents;
    Entries entries;
};

class PickListText : public PickListTest, public ::testing::WithParamInterface<TextList> {};

// Comment and blank lines are left out and a line is cut at 4096 characters; names are matched
// without regard to case, and only the capital ".BIN" means a record file.
TEST_P(PickListText, KeepsItsLines)
{
    m_folder.Write(GetParam().fileName, GetParam().contents);
    EXPECT_EQ(EntriesOf(ListOf(m_prop, m_form, AddListField(m_form, GetParam().listName))), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Files, PickListText, ::testing::Values(
    TextList{"comments", "names.txt", "names.txt", "; certified firms\nA\n\n \t\nB\r\n   ; retired firms\nC", {"A", "B", "C"}},
    TextList{"long_line", "long.txt", "long.txt", std::string(5000, 'x') + "\nB\n", {std::string(4096, 'x'), "B"}},
    TextList{"other_case", "firms.txt", "FIRMS.TXT", "Acme\n", {"Acme"}},
    TextList{"lower_bin", "names.bin", "names.bin", "A\nB\n", {"A", "B"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PickListTest, BlankNameOrMissingPartsGiveNoListAndNoError)
{
    std::string error = "old";
    EXPECT_EQ(ListOf(m_prop, m_form, AddListField(m_form, " \t "), &error), nullptr);
    EXPECT_EQ(error, "");
    EXPECT_EQ(GetPickList(nullptr, &m_form, m_form.m_fields.GetAtOrNull(0), &error), nullptr);
    EXPECT_EQ(GetPickList(&m_prop, &m_form, nullptr, &error), nullptr);
    EXPECT_EQ(error, "");
}

TEST_F(PickListTest, ListCarriedByTheProposalIsTakenFromIt)
{
    m_prop.NewPickList("Colors", 0)->Add("Red");
    m_folder.Write("Colors", "from a file\n");
    CFieldInfo& field = AddListField(m_form, "Colors");
    ChangeFlagBit(&field.m_wFlags, FIELD_LIST_IN_PROPOSAL, 1);
    EXPECT_EQ(ListOf(m_prop, m_form, field), m_prop.GetPickList("Colors", 0));
    EXPECT_EQ(m_prop.m_secondLists.GetCount(), 0);
}

// A missing file, or a name that leads out of the folder and is never looked for.
TEST_F(PickListTest, FilesNotFoundAreNamed)
{
    std::filesystem::create_directory(m_folder.Path() + "/sub");
    m_folder.Write("sub/x.txt", "secret\n");
    m_folder.Write("letting.tvb", "secret\n");
    for (const char* name : {" NOPE.TXT ", "sub/x.txt", "sub\\x.txt", "../" , "..", "/etc/passwd", "C:x.txt"}) {
        std::string error;
        EXPECT_EQ(ListOf(m_prop, m_form, AddListField(m_form, name), &error), nullptr) << name;
        EXPECT_EQ(error, "Cannot open the file '" + std::string(name[0] == ' ' ? "NOPE.TXT" : name) + "'");
    }
    EXPECT_EQ(FindPickListFile("./letting.tvb"), "");
    EXPECT_EQ(FindPickListFile("letting.tvb"), m_folder.Path() + "/letting.tvb");
}

// A file of that name beside the program, removed again afterwards.
class ProgramFolderFile {
public:
    explicit ProgramFolderFile(const std::string& text)
        : m_name("zod-list-" + std::to_string(getpid()) + ".txt"),
          m_path(platform::ExecutableDirectory() + "/" + m_name)
    {
        std::ofstream(m_path) << text;
    }
    ~ProgramFolderFile() { std::filesystem::remove(m_path); }
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
    std::string m_path;
};

TEST_F(PickListTest, ProposalFolderComesBeforeTheProgramFolder)
{
    const ProgramFolderFile beside("program\n");
    m_folder.Write(beside.Name(), "proposal\n");
    EXPECT_EQ(EntriesOf(ListOf(m_prop, m_form, AddListField(m_form, beside.Name()))), (Entries{"proposal"}));
    std::filesystem::remove(m_folder.Path() + "/" + beside.Name());
    CProp other;
    EXPECT_EQ(EntriesOf(ListOf(other, m_form, *m_form.m_fields.GetAtOrNull(0))), (Entries{"program"}));
}

TEST_F(PickListTest, FileIsReadOncePerProposal)
{
    m_folder.Write("once.txt", "first\n");
    const CFieldInfo& field = AddListField(m_form, "once.txt");
    CSAStringArray* list = ListOf(m_prop, m_form, field);
    m_folder.Write("once.txt", "second\n");
    EXPECT_EQ(ListOf(m_prop, m_form, field), list);
    EXPECT_EQ(EntriesOf(list), (Entries{"first"}));
}

TEST_F(PickListTest, BinListIsReadFromItsRecordsAndRemembersItsColumn)
{
    const std::string path = WriteBinList("DBE.BIN", {"D0001 Acme Paving", "", "D0002 Bridge & Sons"}, 8);
    AddListField(m_form, "other.txt");
    CSAStringArray* list = ListOf(m_prop, m_form, AddListField(m_form, "DBE.BIN"));
    EXPECT_EQ(EntriesOf(list), (Entries{"D0001 Acme Paving", "", "D0002 Bridge & Sons"}));
    EXPECT_EQ(list->m_iColumn, 1);
    EXPECT_EQ(m_prop.GetPickList(path, kFilePickLists), list);
    EXPECT_EQ(m_prop.m_referenceLists.GetCount(), 0);
}

TEST_F(PickListTest, DamagedBinListKeepsTheEntriesBeforeTheDamage)
{
    const std::string path = WriteBinList("CUT.BIN", {"first", "second", "third"}, 8);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 6);
    std::string error;
    CSAStringArray* list = ListOf(m_prop, m_form, AddListField(m_form, "CUT.BIN"), &error);
    EXPECT_EQ(EntriesOf(list), (Entries{"first", "second"}));
    EXPECT_NE(error.find("'" + path + "' holds only 2 of its 3 entries"), std::string::npos) << error;
}

} // namespace
