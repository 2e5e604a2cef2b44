// Every accelerator reaches its command wherever the keyboard is: the tree, the form of each
// kind of node and a field on it, an empty pane, a cell of a grid, a price being typed. The keys
// an edit control takes as its own (copy, paste, cut, undo) are left out; the keys of commands
// that are never available (help, cut and undo of the window) too.
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "tests/app/commands/CommandCrawl.h"

using namespace crawl;

namespace {

class AcceleratorFocus;
// What shows that a command ran: a count that changes when it does.
using Measure = std::function<long(const AcceleratorFocus&)>;

struct Accelerator {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    const char* command;
    Measure measure;
    bool needsProposal = true;
    bool gridOnly = false; // only the schedule grid has it
};

class AcceleratorFocus : public CommandCrawl {
protected:
    long Folders() const { return long(m_script.FolderRequests().size()); }
    long Files() const { return long(m_script.FileDialogs().size()); }
    long Messages() const { return long(m_script.MessageBoxes().size()); }
    long Asked() const { return long(m_script.MessageBoxes().size() + m_script.DialogTitles().size()); }
    long Printers() const { return m_script.PrintDialogsShown(); }
    long Flag(int bit) const { return Prop() ? TestFlagBit(Prop()->m_wFlags, bit) : -1; }
    long Modified() const { return Doc().IsModified(); }
    long GridMode() const { return Doc().m_iGridMode; }
    long ActiveView() const { return long(reinterpret_cast<std::intptr_t>(Frame().GetActiveView())); }

    std::vector<Accelerator> Accelerators() const
    {
        using F = AcceleratorFocus;
        auto by = [](long (F::*measure)() const) { return [measure](const F& test) { return (test.*measure)(); }; };
        auto flag = [](int bit) { return [bit](const F& test) { return test.Flag(bit); }; };
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, none;
        return {
            {ctrl, Qt::Key_L, "Open Letting", by(&F::Folders), false},
            {ctrl, Qt::Key_O, "Open Proposal", by(&F::Files), false},
            {none, Qt::Key_F2, "Open Proposal", by(&F::Files), false},
            {ctrl, Qt::Key_N, "New, asking to save the changes", by(&F::Messages)},
            {ctrl, Qt::Key_S, "Save", by(&F::Modified)},
            {none, Qt::Key_F3, "Save", by(&F::Modified)},
            {ctrl, Qt::Key_P, "Print", by(&F::Printers)},
            {none, Qt::Key_F5, "Print", by(&F::Printers)},
            {none, Qt::Key_F4, "Check Zod", by(&F::Asked)},
            {ctrl, Qt::Key_J, "Joint Bid", flag(JOINT_BID)},
            {none, Qt::Key_F9, "Joint Bid", flag(JOINT_BID)},
            {ctrl, Qt::Key_U, "Alternate Units", flag(PROP_SHOW_ALT_UNITS)},
            {ctrl, Qt::Key_G, "Item Grid", by(&F::GridMode)},
            {ctrl, Qt::Key_R, "Reference Price", by(&F::Messages), true, true},
            {none, Qt::Key_F6, "Next Pane", by(&F::ActiveView), false},
            {shift, Qt::Key_F6, "Previous Pane", by(&F::ActiveView), false},
        };
    }

    // The keys of the table left out: an edit control's own, and those of commands never
    // available (help, the window's cut and undo).
    static std::set<std::string> LeftOut()
    {
        return {"Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Shift+Del", "Alt+Backspace", "F1", "Shift+F1"};
    }

    // Each key pressed where the state leaves the keyboard; it runs its command exactly where
    // the command is available.
    void PressEveryKeyIn(const State& state)
    {
        for (const Accelerator& accelerator : Accelerators()) {
            const std::string key = QKeySequence(accelerator.modifiers | accelerator.key).toString().toStdString();
            std::printf("[keys] %s: %s\n", state.name.c_str(), key.c_str());
            std::fflush(stdout);
            Reach(state);
            AnswerEverything(false); // every question the command asks is cancelled
            if (HasFatalFailure())
                return;
            if (Prop())
                Doc().SetModifiedFlag(true);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr) << state.name;
            const bool runs = (!accelerator.needsProposal || Prop()) && (!accelerator.gridOnly || state.gridMode);
            const long before = accelerator.measure(*this);
            QTest::keyClick(Frame().GetWidget()->windowHandle(), accelerator.key, accelerator.modifiers);
            Settle();
            EXPECT_EQ(accelerator.measure(*this) != before, runs)
                << key << " (" << accelerator.command << ") on "
                << focus->metaObject()->className() << ", " << state.name;
        }
    }
};

State Sample(const char* name, NodeRef node, Focus focus, bool gridMode = false)
{
    return {name, Proposal::Sample, gridMode, node, false, focus};
}

} // namespace

TEST_F(AcceleratorFocus, WithNoProposalFromTheEmptyPaneAndTheEmptyTree)
{
    PressEveryKeyIn({"the empty pane", Proposal::None, false, std::nullopt, false, Focus::Pane});
    ASSERT_FALSE(HasFatalFailure());
    PressEveryKeyIn({"the empty tree", Proposal::None, false, std::nullopt, false, Focus::Tree});

    // A key added to the table is pressed here too, or left out on purpose.
    std::set<std::string> pressed;
    for (const Accelerator& accelerator : Accelerators())
        pressed.insert(QKeySequence(accelerator.modifiers | accelerator.key).toString().toStdString());
    for (const Route& route : AcceleratorRoutes())
        EXPECT_TRUE(pressed.count(route.name) + LeftOut().count(route.name) == 1) << route.name;
}

TEST_F(AcceleratorFocus, FromTheTreeAndTheFormsOfTheNodes)
{
    for (const State& state : {
             Sample("the tree", {NODE_SCHEDULE, 0}, Focus::Tree),
             Sample("the proposal's form", {NODE_PROPOSAL, 0}, Focus::Pane),
             Sample("the schedule's form", {NODE_SCHEDULE, 0}, Focus::Pane),
             Sample("a section's form", {NODE_SECTION, 0}, Focus::Pane),
             Sample("a price field of an item's form", {NODE_ITEM, 1}, Focus::LineEdit),
             Sample("the DBE list's form", {NODE_DBE_LIST, 0}, Focus::Pane),
             Sample("a firm's form", {NODE_DBE_FIRM, 0}, Focus::Pane),
             Sample("a list on a firm's form", {NODE_DBE_FIRM, 0}, Focus::ComboBox),
             Sample("a field of a firm item's form", {NODE_DBE_ITEM, 0}, Focus::LineEdit),
             Sample("the notes of a firm item's form", {NODE_DBE_ITEM, 0}, Focus::Notes),
             Sample("a field of a miscellaneous form", {NODE_MISC, 0}, Focus::LineEdit),
             Sample("the bid bond's form", {NODE_BOND, 0}, Focus::Pane),
         })
        if (PressEveryKeyIn(state); HasFatalFailure())
            return;
}

TEST_F(AcceleratorFocus, FromTheGrids)
{
    for (const State& state : {
             Sample("a cell of the schedule grid", {NODE_SCHEDULE, 0}, Focus::Pane, true),
             State{"a price typed in the schedule grid", Proposal::Sample, true, NodeRef{NODE_SCHEDULE, 0}, true},
             Sample("a cell of the site grid", {NODE_SITES, 0}, Focus::Pane),
             Sample("a cell of a firm's item grid", {NODE_DBE_ITEM_GRID, 0}, Focus::Pane),
         })
        if (PressEveryKeyIn(state); HasFatalFailure())
            return;
}

TEST_F(AcceleratorFocus, FromTheLettingsForm)
{
    PressEveryKeyIn({"the letting's form", Proposal::Letting, false, NodeRef{NODE_LETTING, 0}, false, Focus::Pane});
}
