// What a bidder sees on choosing a section, an alternate or an option node of the schedule, and
// what the views show when there is nothing to show.
#include "app/sections/DVSection.h"
#include "app/sections/DVSectionNotes.h"
#include "model/records/Item.h"
#include "tests/app/sections/SectionTestSupport.h"

#include <memory>

namespace {

constexpr const char* kAltItemGroup = "Alternate Item Group %s\r\nThere are %d item choices in this alternate group";
constexpr const char* kOptItemGroup = "Item Option Group %s\r\nThere are %d choices for this group.\r\n\r\n"
                                      "You must Zod exactly one of the choices. ";

bool StartsWith(const std::string& text, std::string_view start)
{
    return text.compare(0, start.size(), start) == 0;
}

std::string Filled(const char* pattern, const std::string& code, int count)
{
    std::string text(pattern);
    text.replace(text.find("%s"), 2, code);
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(count));
    return text;
}

// A schedule of one section and item rows with the given alternate codes.
std::unique_ptr<CProp> ScheduleWithCodes(std::initializer_list<const char*> codes)
{
    auto prop = std::make_unique<CProp>();
    auto section = std::make_unique<CItem>();
    section->m_wFlags = 1 << ITEM_IS_SECTION;
    section->m_strLineNum = "0001";
    prop->m_items.Add(std::move(section));
    for (const char* code : codes) {
        auto item = std::make_unique<CItem>();
        item->m_wFlags = 1 << ITEM_IS_ALTERNATE;
        item->m_strAltCode = code;
        prop->m_items.Add(std::move(item));
    }
    return prop;
}

} // namespace

TEST_F(SectionViewTest, ASectionShowsItsNumberTotalCodeAndDescription)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CItem& section = *Prop()->m_items[0];
    ASSERT_TRUE(section.IsSection());
    section.m_strAltCode = "B2A";
    CView* view = Show({NODE_SECTION, 0});
    ASSERT_NE(dynamic_cast<CDV_Section*>(view), nullptr);

    EXPECT_EQ(TextOf(*view, CDV_Section::IDC_SECTION_NUMBER), section.m_strLineNum);
    EXPECT_EQ(TextOf(*view, CDV_Section::IDC_SECTION_TOTAL), "584,789.38");
    EXPECT_EQ(TextOf(*view, CDV_Section::IDC_DESCRIPTION), section.m_strLongDesc);
    EXPECT_EQ(TextOf(*view, CDV_Section::IDC_ALTERNATE), "B2A");
}

TEST_F(SectionViewTest, TheDescriptionGrowsWithTheViewAndTheCodeKeepsToItsRightEnd)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CView* view = Show({NODE_SECTION, 0});
    ASSERT_NE(view, nullptr);
    auto rectOf = [view](UINT id) {
        CRect rect;
        view->GetDlgItem(id)->GetWindowRect(&rect);
        view->ScreenToClient(&rect);
        return rect;
    };
    for (int width : {1280, 900}) {
        Frame().MoveWindow(0, 0, width, 700);
        Settle();
        CRect client;
        view->GetClientRect(&client);
        const CRect description = rectOf(CDV_Section::IDC_DESCRIPTION);
        const CRect code = rectOf(CDV_Section::IDC_ALTERNATE);
        EXPECT_EQ(description.right, client.right - description.left) << width;
        EXPECT_GT(description.bottom, client.bottom - 3 * description.left) << width;
        EXPECT_LE(description.bottom, client.bottom) << width;
        EXPECT_NEAR(code.right, description.right, 2) << width;
        EXPECT_LT(code.bottom, description.top) << width;
    }
}

TEST_F(SectionViewTest, AlternateAndOptionGroupsNameTheirGroupAndCountTheirChoices)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    const int alternate = FirstRowWith(ITEM_IS_ALTERNATE);
    const int option = FirstRowWith(ITEM_IS_OPTION);
    ASSERT_GE(alternate, 0);
    ASSERT_GE(option, 0);

    CView* view = Show({NODE_ALT_ITEM_GROUP, alternate});
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(StartsWith(TextOf(*view, CDV_SectionNote::IDC_NOTE), Filled(kAltItemGroup, "01", 2)));

    view = Show({NODE_OPT_ITEM_GROUP, option});
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(TextOf(*view, CDV_SectionNote::IDC_NOTE), Filled(kOptItemGroup, "02", 2));
}

TEST_F(SectionViewTest, AChoiceNamesItsFullCode)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    const int alternate = FirstRowWith(ITEM_IS_ALTERNATE);
    ASSERT_GE(alternate, 0);
    const std::string code = Prop()->m_items[alternate]->m_strAltCode;
    CView* view = Show({NODE_ALT_ITEM_CHOICE, alternate});
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(StartsWith(TextOf(*view, CDV_SectionNote::IDC_NOTE), "Alternate Item Choice " + code + "\r\nAll of"));
}

namespace {

struct NoteCase {
    const char* name;
    std::unique_ptr<CDV_SectionNote> (*make)();
    const char* start; // the text's first line
};

template <class View>
std::unique_ptr<CDV_SectionNote> Make()
{
    return std::make_unique<View>();
}

class SectionNotes : public ::testing::TestWithParam<NoteCase> {};

} // namespace

TEST_P(SectionNotes, NameTheCodeOfTheirFirstRow)
{
    const auto prop = ScheduleWithCodes({"A1A", "A1B", "A1C", "A1B", "A2A"});
    const std::string text = GetParam().make()->NoteText(*prop, 1);
    EXPECT_TRUE(StartsWith(text, GetParam().start)) << text;
    // Nothing beyond the list, not even the pattern.
    EXPECT_EQ(GetParam().make()->NoteText(*prop, 6), "");
    EXPECT_EQ(GetParam().make()->NoteText(*prop, -1), "");
}

INSTANTIATE_TEST_SUITE_P(
    Views, SectionNotes,
    ::testing::Values(
        NoteCase{"AltSectionGroup", Make<CDV_AltSectionGroup>,
                 "Alternate Section Group A1\r\nThere are 3 section choices in this alternate group\r\n"},
        NoteCase{"OptSectionGroup", Make<CDV_OptSectionGroup>,
                 "Section Option Group A1\r\nThere are 3 choices for this group.\r\n"},
        NoteCase{"AltSectionChoice", Make<CDV_AltSectionChoice>, "Alternate Section Choice A1A\r\nAll of"},
        NoteCase{"OptSectionChoice", Make<CDV_OptSectionChoice>, "Section Option Choice A1A\r\nAll of"},
        NoteCase{"AltItemGroup", Make<CDV_AltItemGroup>,
                 "Alternate Item Group A1\r\nThere are 3 item choices in this alternate group\r\n"},
        NoteCase{"OptItemGroup", Make<CDV_OptItemGroup>, "Item Option Group A1\r\nThere are 3 choices for this group.\r\n"},
        NoteCase{"AltItemChoice", Make<CDV_AltItemChoice>, "Alternate Item Choice A1A\r\nAll of"},
        NoteCase{"OptItemChoice", Make<CDV_OptItemChoice>, "Item Option Choice A1A\r\nAll of"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SectionNoteText, ACodeHoldingPlaceholdersIsShownAsItStands)
{
    const auto groups = ScheduleWithCodes({"%dA", "%dB"});
    EXPECT_TRUE(StartsWith(CDV_AltItemGroup().NoteText(*groups, 1), "Alternate Item Group %d\r\nThere are 2 item"));
    const auto choices = ScheduleWithCodes({"%s%d"});
    EXPECT_TRUE(StartsWith(CDV_OptItemChoice().NoteText(*choices, 1), "Item Option Choice %s%d\r\n"));
}

TEST_F(SectionViewTest, WithoutAProposalOrPastTheListTheFormsKeepTheirPlaceholders)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CBidView& splitter = Frame().GetSplitter();
    const int pastTheList = Prop()->m_items.GetSize();
    struct Made {
        const CRuntimeClass* viewClass;
        int index;
        CDocument* document;
    };
    for (const Made& made : {Made{RUNTIME_CLASS(CDV_AltItemGroup), 1, nullptr},
                             Made{RUNTIME_CLASS(CDV_OptSectionChoice), pastTheList, &Doc()}}) {
        splitter.DeleteView(0, 1);
        CView* view = CreateNodeView(splitter, 0, 1, made.viewClass, CSize(400, 300), made.index, NODE_ALT_ITEM_GROUP,
                                     made.document);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(TextOf(*view, CDV_SectionNote::IDC_NOTE), "No proposal is open.");
    }
    for (CDocument* document : {static_cast<CDocument*>(nullptr), static_cast<CDocument*>(&Doc())}) {
        splitter.DeleteView(0, 1);
        CView* view = CreateNodeView(splitter, 0, 1, RUNTIME_CLASS(CDV_Section), CSize(400, 300), pastTheList,
                                     NODE_SECTION, document);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(TextOf(*view, CDV_Section::IDC_SECTION_NUMBER), "");
        EXPECT_EQ(TextOf(*view, CDV_Section::IDC_DESCRIPTION), "");
    }
}
