#pragma once

// The crawl: every command of the menu bar, the toolbar, the accelerators and the tree's pop-up
// menu, issued the real way from every state the bidder can be in, with every question the
// command asks answered yes, then again answered no. None may end the program, and after each
// the views must paint and agree with the document. One program serves a state: it is brought
// back to the state cheaply after a command moved it (a node clicked again, the sample opened
// again), started anew only when a command closed it.
#include "app/items/DVItemScheduleGrid.h"
#include "bench/generator/ProposalFiles.h"
#include "model/check/Recalc.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/commands/CrawlChecks.h"
#include "tests/app/commands/CrawlRoutes.h"

#include <QPointer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

namespace crawl {

enum class Proposal { None, Sample, SampleWithTemplates, Letting, Sections };

// Where the keyboard is after the node was clicked: the tree, or a click into the right pane
// (its view, or the first control of a kind on it).
enum class Focus { Tree, Pane, LineEdit, ComboBox, Notes };

struct State {
    std::string name;
    Proposal proposal = Proposal::Sample;
    bool gridMode = false;
    std::optional<NodeRef> node{}; // clicked in the tree
    bool typing = false;         // a price being typed in the schedule grid
    Focus focus = Focus::Tree;
    std::vector<NodeRef> before{}; // clicked first (firm forms shown, then kept while hidden)
};

// What a state looks like, cheaply: when a command changed it, the state is brought back.
struct Look {
    bool window = false;
    bool proposal = false;
    bool letting = false;
    int gridMode = 0;
    int nodes = 0; // tree nodes: firms and items added or deleted, another proposal of a letting
    std::optional<NodeRef> selected;
    QPointer<QWidget> focus;
    bool typing = false;
    bool bars = false; // the toolbar and the status bar shown

    bool operator==(const Look&) const = default;
};

class CommandCrawl : public CommandTest {
protected:
    CommandCrawl();

    // Each state in turn, every route from it, questions answered yes and then no.
    void Crawl(const std::vector<State>& states);
    // Brings the program into the state, with every question it asks answered yes.
    void Reach(const State& state);
    // Every question asked from now on is answered yes, or every one no.
    void AnswerEverything(bool accept);

private:
    // True when the command asked a question.
    bool Step(const State& state, const Route& route, bool accept);
    int QuestionsAsked() const;
    ::testing::AssertionResult Issue(const Route& route);
    ::testing::AssertionResult RightClick(const Route& route);
    std::vector<Route> RoutesFrom(const State& state);

    bool HasPristine(const State& state);
    void Restart(const std::string& switches);
    void OpenProposal(const State& state);
    void ClickNode(NodeRef node);
    void ClickTree();
    std::optional<NodeRef> FirstOfType(HTREEITEM item, int type) const;
    void StartTyping();
    void ClickInPane(Focus focus);
    Look LookNow() const;
    void CloseOtherWindows();

    std::string FileFor(const platform::FileDialogRequest& request);
    std::string FreshCopy(const std::string& folder, std::initializer_list<const char*> names);
    std::string FreshSample() { return FreshCopy(Letting(), {"sample.tvb", "sample.001", "sample.002"}) + "/sample.tvb"; }
    std::string FreshLetting() { return FreshCopy(Letting(), {"sample.tvb", "sample.001", "sample.002", "sample.tvl"}); }
    std::string FreshSections();

    int m_copies = 0;
    std::string m_lettingFolder; // what Open Letting is answered
    std::string m_sections;      // a generated proposal with alternate sections and its amendments
    std::string m_switches;      // of the running program
    Proposal m_opened = Proposal::None;
    std::map<std::pair<Proposal, bool>, int> m_pristineNodes; // the tree as each proposal opened
    Look m_look;                 // of the state the crawl is in
};

} // namespace crawl
