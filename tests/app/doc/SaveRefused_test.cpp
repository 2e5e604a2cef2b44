// A save that writes nothing says so: what the file format cannot hold is named with the file,
// and with no proposal open nothing is saved in silence.
#include "model/records/Item.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <filesystem>

TEST_F(CommandTest, ASaveRefusedForAListTooLongNamesTheFileAndTheList)
{
    Store("Misc", "FloppySave", "0");
    StartOnSample();
    Activate();
    const std::string path = Doc().GetPathName();
    const std::string published = testsupport::ReadTextFile(path);
    // A schedule of 64,000 items in 1,600 sections: more rows than the file can count.
    const CItem& item = *Prop()->m_items[1];
    while (Prop()->m_items.GetSize() < 65600) {
        auto copy = std::make_unique<CItem>();
        copy->CopyFrom(item);
        copy->m_strLineNum = std::to_string(Prop()->m_items.GetSize());
        Prop()->m_items.Add(std::move(copy));
    }
    Doc().SetModifiedFlag();

    AnswerOk();
    PressCtrl(Qt::Key_S);
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->text, "Cannot write file\n\n" + path +
                                       "\n\nThe proposal has 65,600 items and sections; a proposal file holds at "
                                       "most 65,535.");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(testsupport::ReadTextFile(path) == published) << "the file saved last is kept";
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(CommandTest, ASaveWithoutAProposalSaysThatNothingWasSaved)
{
    StartEmpty();
    const std::string path = m_folder / "nothing.tvb";
    AnswerOk();
    EXPECT_FALSE(Doc().OnSaveDocument(path));
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_NE(LastMessage()->text.find("nothing was saved to " + path), std::string::npos) << LastMessage()->text;
    EXPECT_FALSE(std::filesystem::exists(path));
}
