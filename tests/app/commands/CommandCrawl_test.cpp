// Every command from every state, the real way; see CommandCrawl.h.
#include "tests/app/commands/CommandCrawl.h"

using crawl::CommandCrawl;
using crawl::Proposal;
using crawl::State;

namespace {

// A node of the sample, selected in tree mode.
State On(const char* name, int type, int index = 0)
{
    return {name, Proposal::Sample, false, NodeRef{type, index}};
}

// The first node of the type, whatever its index.
constexpr int kFirst = -1;

} // namespace

TEST_F(CommandCrawl, WithNoProposal)
{
    Crawl({{"no proposal", Proposal::None}});
}

TEST_F(CommandCrawl, OnTheProposalAndItsSchedule)
{
    Crawl({
        On("the proposal", NODE_PROPOSAL),
        On("the schedule", NODE_SCHEDULE),
        {"the schedule grid", Proposal::Sample, true, NodeRef{NODE_SCHEDULE, 0}},
        {"a price typed in the schedule grid", Proposal::Sample, true, NodeRef{NODE_SCHEDULE, 0}, true},
        On("a section", NODE_SECTION, kFirst),
        On("an alternate item group", NODE_ALT_ITEM_GROUP, kFirst),
        On("an alternate item choice", NODE_ALT_ITEM_CHOICE, kFirst),
        On("an item option group", NODE_OPT_ITEM_GROUP, kFirst),
        On("an item option choice", NODE_OPT_ITEM_CHOICE, kFirst),
        On("an item", NODE_ITEM, kFirst),
        {"a price field of an item's form", Proposal::Sample, false, NodeRef{NODE_ITEM, kFirst}, false, crawl::Focus::LineEdit},
    });
}

TEST_F(CommandCrawl, OnTheFirmNodes)
{
    Crawl({
        On("the DBE list", NODE_DBE_LIST),         On("the MBE list", NODE_MBE_LIST),
        On("the WBE list", NODE_WBE_LIST),         On("a DBE firm", NODE_DBE_FIRM),
        On("an MBE firm", NODE_MBE_FIRM),          On("a WBE firm", NODE_WBE_FIRM),
        On("a DBE item grid", NODE_DBE_ITEM_GRID), On("an MBE item grid", NODE_MBE_ITEM_GRID),
        On("a WBE item grid", NODE_WBE_ITEM_GRID), On("a DBE firm item", NODE_DBE_ITEM),
        On("an MBE firm item", NODE_MBE_ITEM),     On("a WBE firm item", NODE_WBE_ITEM),
        {"the notes of a firm item's form", Proposal::Sample, false, NodeRef{NODE_DBE_ITEM, 0}, false, crawl::Focus::Notes},
    });
}

// The firm forms stay alive while hidden: a command that closes the proposal must not leave
// them pointing at it.
TEST_F(CommandCrawl, WithTheFirmFormsKeptHidden)
{
    const State state{"the schedule, each kind's firm form kept", Proposal::Sample, false, NodeRef{NODE_SCHEDULE, 0},
                      false, crawl::Focus::Tree,
                      {NodeRef{NODE_DBE_FIRM, 0}, NodeRef{NODE_MBE_FIRM, 0}, NodeRef{NODE_WBE_FIRM, 0}}};
    Reach(state);
    ASSERT_FALSE(HasFatalFailure());
    for (int slot = 0; slot < 3; ++slot)
        ASSERT_NE(Frame().GetSplitter().GetKeptView(slot), nullptr) << slot;
    Crawl({state});
}

TEST_F(CommandCrawl, OnTheFormNodes)
{
    Crawl({
        On("the proposal sites", NODE_SITES),
        On("a miscellaneous form", NODE_MISC, 0),
        On("another miscellaneous form", NODE_MISC, 1),
        On("the bid bond", NODE_BOND),
        {"the template information", Proposal::SampleWithTemplates, false, NodeRef{NODE_TEMPLATE_INFO, 0}},
        {"a data template", Proposal::SampleWithTemplates, false, NodeRef{NODE_DATA_TEMPLATE, kFirst}},
    });
}

TEST_F(CommandCrawl, InLettingMode)
{
    Crawl({
        {"the letting", Proposal::Letting, false, NodeRef{NODE_LETTING, 0}},
        {"the letting's open proposal", Proposal::Letting, false, NodeRef{NODE_PROPOSAL, 0}},
        {"the letting's schedule", Proposal::Letting, false, NodeRef{NODE_SCHEDULE, 0}},
        {"a firm of the letting's proposal", Proposal::Letting, false, NodeRef{NODE_DBE_FIRM, 0}},
        {"another proposal of the letting", Proposal::Letting, false, NodeRef{NODE_PROPOSAL, 1}},
    });
}

TEST_F(CommandCrawl, OnAlternateSections)
{
    Crawl({
        {"an alternate section group", Proposal::Sections, false, NodeRef{NODE_ALT_SECTION_GROUP, kFirst}},
        {"an alternate section choice", Proposal::Sections, false, NodeRef{NODE_ALT_SECTION_CHOICE, kFirst}},
        {"a section of an alternate", Proposal::Sections, false, NodeRef{NODE_SECTION, kFirst}},
    });
}
