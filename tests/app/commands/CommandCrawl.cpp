#include "tests/app/commands/CommandCrawl.h"

#include "model/files/TvbFile.h"
#include "model/settings/BidderIds.h"

namespace crawl {
namespace {

constexpr int kFirmKindCount = 3;

std::string Describe(const std::optional<NodeRef>& node)
{
    return node ? std::to_string(node->type) + "/" + std::to_string(node->index) : std::string("none");
}

int CountNodes(const CTreeCtrl& tree, HTREEITEM item)
{
    int count = 0;
    for (; item; item = tree.GetNextSiblingItem(item))
        count += 1 + CountNodes(tree, tree.GetChildItem(item));
    return count;
}

// The pop-up menu a node of the tree offers: a list adds a firm of its kind, a firm adds and
// deletes; other nodes offer none.
std::vector<UINT> ContextCommands(const std::optional<NodeRef>& node)
{
    if (node && node->type >= NODE_DBE_LIST && node->type < NODE_DBE_LIST + kFirmKindCount)
        return {ID_ADD_DBE + UINT(node->type - NODE_DBE_LIST)};
    if (node && node->type >= NODE_DBE_FIRM && node->type < NODE_DBE_FIRM + kFirmKindCount)
        return {ID_ADD_DBE + UINT(node->type - NODE_DBE_FIRM), ID_DELETE_DBE + UINT(node->type - NODE_DBE_FIRM)};
    return {0};
}

std::string ContextRouteName(UINT command)
{
    const char* kinds[] = {"DBE", "MBE", "WBE"};
    if (command >= ID_ADD_DBE && command < ID_ADD_DBE + kFirmKindCount)
        return std::string("right-click > Add ") + kinds[command - ID_ADD_DBE];
    if (command >= ID_DELETE_DBE && command < ID_DELETE_DBE + kFirmKindCount)
        return std::string("right-click > Delete ") + kinds[command - ID_DELETE_DBE];
    return "right-click, no menu";
}

} // namespace

CommandCrawl::CommandCrawl()
{
    Store("Misc", "FloppySave", "0");
    // The bidder has given an ID for the agency before.
    std::unique_ptr<CProp> sample;
    EXPECT_EQ(LoadTvbFile(sample, InLetting("sample.tvb"), false), 0);
    CProfileStore store(CProfileStore::UserRegistry{});
    EXPECT_TRUE(sample && SaveBidderIDs(store, sample->m_strAgencyId, "V0042917"));
    std::filesystem::create_directories(m_folder / "out");
}

void CommandCrawl::Crawl(const std::vector<State>& states)
{
    for (const State& state : states) {
        // A command that asks nothing does the same whatever the answers: only those that asked
        // are issued again with every question answered no.
        Reach(state);
        std::vector<Route> asking;
        for (const Route& route : RoutesFrom(state)) {
            if (Step(state, route, true))
                asking.push_back(route);
            if (HasFatalFailure())
                return;
        }
        Reach(state);
        for (const Route& route : asking) {
            Step(state, route, false);
            if (HasFatalFailure())
                return;
        }
    }
}

// The questions the fallback answers; a pop-up menu is answered by the route itself.
int CommandCrawl::QuestionsAsked() const
{
    return int(m_script.MessageBoxes().size() + m_script.FileDialogs().size() + m_script.FolderRequests().size() +
               m_script.DialogTitles().size()) + m_script.PrintDialogsShown();
}

std::vector<Route> CommandCrawl::RoutesFrom(const State& state)
{
    std::vector<Route> routes = MenuRoutes(Frame());
    // The recent files are one command: the first stands for them.
    std::erase_if(routes, [](const Route& route) {
        return route.command > ID_FILE_MRU_FILE1 && route.command <= ID_FILE_MRU_LAST;
    });
    for (std::vector<Route> more : {ToolbarRoutes(Frame()), AcceleratorRoutes()})
        routes.insert(routes.end(), more.begin(), more.end());
    if (state.proposal != Proposal::None)
        for (const UINT command : ContextCommands(state.node))
            routes.push_back({Route::ContextMenu, command, ContextRouteName(command)});
    return routes;
}

bool CommandCrawl::Step(const State& state, const Route& route, bool accept)
{
    if (LookNow() != m_look)
        Reach(state);
    if (HasFatalFailure())
        return false;
    AnswerEverything(accept);
    const int asked = QuestionsAsked();
    std::printf("[crawl] %s, answering %s: %s\n", state.name.c_str(), accept ? "yes" : "no", route.name.c_str());
    std::fflush(stdout);
    const std::string where = state.name + (accept ? ", yes: " : ", no: ") + route.name;
    EXPECT_TRUE(Issue(route)) << where;
    Settle();
    CloseOtherWindows();
    if (!m_app->m_pMainWnd) {
        EXPECT_EQ(route.command, UINT(ID_APP_EXIT)) << where << " closed the program";
        return QuestionsAsked() > asked;
    }
    PaintEveryView(Frame());
    EXPECT_TRUE(ViewsAgree(Frame(), Doc())) << where;
    EXPECT_TRUE(m_script.AllAnswered()) << where << ": " << Unanswered();
    return QuestionsAsked() > asked;
}

::testing::AssertionResult CommandCrawl::Issue(const Route& route)
{
    switch (route.kind) {
    case Route::Menu: return ChooseEntryByKeys(Frame(), route.menuLetter, route.command);
    case Route::Accelerator: return PressKey(Frame(), route.key);
    case Route::Toolbar: return ClickButton(Frame(), route.command);
    case Route::ContextMenu: return RightClick(route);
    }
    return ::testing::AssertionFailure() << "no such route";
}

// A right-click on the selected node; its pop-up menu answers with the route's command.
::testing::AssertionResult CommandCrawl::RightClick(const Route& route)
{
    auto* widget = static_cast<QTreeWidget*>(TreeCtrl().GetWidget());
    QTreeWidgetItem* item = widget->currentItem();
    if (!item)
        return ::testing::AssertionFailure() << "no node to right-click";
    const std::size_t menus = m_script.MenusShown().size();
    if (route.command)
        m_script.AnswerMenu(route.command);
    QTest::mouseClick(widget->viewport(), Qt::RightButton, {}, widget->visualItemRect(item).center());
    const bool shown = m_script.MenusShown().size() > menus;
    if (shown != (route.command != 0))
        return ::testing::AssertionFailure() << (shown ? "a pop-up menu where none belongs" : "no pop-up menu");
    return ::testing::AssertionSuccess();
}

void CommandCrawl::Reach(const State& state)
{
    // The program is brought back with every question answered yes, as the bidder would.
    AnswerEverything(true);
    const std::string switches = state.proposal == Proposal::SampleWithTemplates ? "/Templates" : "";
    if (!m_app || !m_app->m_pMainWnd || m_switches != switches || (state.proposal == Proposal::None && Prop()))
        Restart(switches);
    if (HasFatalFailure())
        return;
    if (state.proposal != Proposal::None && !HasPristine(state))
        OpenProposal(state);
    ASSERT_EQ(Prop() != nullptr, state.proposal != Proposal::None) << state.name << ": " << Unanswered();
    for (const UINT bar : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
        if (Frame().GetDlgItem(bar)->GetWidget()->isHidden())
            Frame().SendCommand(bar);
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget())) << state.name; // the keyboard's window before any click
    for (const NodeRef node : state.before)
        ClickNode(node);
    if (state.node)
        ClickNode(*state.node);
    else if (state.focus == Focus::Tree)
        ClickTree();
    if (state.focus != Focus::Tree)
        ClickInPane(state.focus);
    if (state.typing)
        StartTyping();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget())) << state.name;
    Settle();
    m_look = LookNow();
}

// The proposal of the state as it was opened, in the state's mode: no firm or item added or
// deleted, no other proposal opened.
bool CommandCrawl::HasPristine(const State& state)
{
    if (!Prop() || m_opened != state.proposal || Doc().IsLettingMode() != (state.proposal == Proposal::Letting))
        return false;
    if (Doc().m_iGridMode != int(state.gridMode))
        Frame().SendCommand(state.gridMode ? ID_GRID_VIEW : ID_TREE_VIEW);
    const auto pristine = m_pristineNodes.find({state.proposal, state.gridMode});
    return pristine != m_pristineNodes.end() && pristine->second == LookNow().nodes;
}

void CommandCrawl::Restart(const std::string& switches)
{
    if (m_app) {
        const std::unique_ptr<CBidApp> app = std::move(m_app);
        Stop(*app);
    }
    m_switches = switches;
    m_opened = Proposal::None;
    bool started = false;
    m_app = Start(switches.empty() ? std::vector<std::string>{} : std::vector<std::string>{switches}, &started);
    Settle();
    ASSERT_TRUE(started);
    (void)QTest::qWaitForWindowActive(Frame().GetWidget());
}

void CommandCrawl::OpenProposal(const State& state)
{
    Doc().SetModifiedFlag(false);
    if (state.proposal == Proposal::Letting) {
        m_script.AnswerFolder(FreshLetting());
        ASSERT_TRUE(Frame().SendCommand(ID_OPEN_LETTING));
    } else {
        Doc().ChangeFlag(DOC_LETTING_MODE, 0);
        Doc().OpenProposalFile(state.proposal == Proposal::Sections ? FreshSections() : FreshSample());
    }
    Settle();
    ASSERT_NE(Prop(), nullptr) << state.name << ": " << Unanswered();
    m_opened = state.proposal;
    if (Doc().m_iGridMode != int(state.gridMode))
        Frame().SendCommand(state.gridMode ? ID_GRID_VIEW : ID_TREE_VIEW);
    Settle();
    m_pristineNodes[{state.proposal, state.gridMode}] = LookNow().nodes;
}

std::string CommandCrawl::FreshSections()
{
    if (m_sections.empty()) {
        // Enough sections that some are alternates of others.
        ProposalShape shape = SampleShape();
        shape.m_items = 120;
        shape.m_itemsPerSection = 10;
        std::string error;
        m_sections = m_folder / "sections";
        std::filesystem::create_directories(m_sections);
        EXPECT_TRUE(WriteAmendedProposalFiles(shape, m_sections + "/sections", error)) << error;
    }
    return FreshCopy(m_sections, {"sections.tvb", "sections.001", "sections.002"}) + "/sections.tvb";
}

// The node clicked, as the bidder clicks it: selected, and the tree has the focus. An index
// below 0 stands for the first node of the type.
void CommandCrawl::ClickNode(NodeRef node)
{
    if (node.index < 0)
        node = FirstOfType(TreeCtrl().GetRootItem(), node.type).value_or(node);
    const HTREEITEM target = Tree().FindNode(node);
    ASSERT_NE(target, nullptr) << "no node " << Describe(node);
    TreeCtrl().EnsureVisible(target);
    auto* widget = static_cast<QTreeWidget*>(TreeCtrl().GetWidget());
    std::optional<QPoint> at;
    for (QTreeWidgetItemIterator it(widget); *it && !at; ++it)
        if (const QRect row = widget->visualItemRect(*it);
            !row.isEmpty() && TreeCtrl().HitTest(CPoint(row.center().x(), row.center().y())) == target)
            at = row.center();
    ASSERT_TRUE(at) << "node " << Describe(node) << " is not on the screen";
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, *at);
    Settle();
    ASSERT_EQ(Tree().SelectedNode(), node);
}

// A click on the tree where no node is.
void CommandCrawl::ClickTree()
{
    auto* widget = static_cast<QTreeWidget*>(TreeCtrl().GetWidget());
    const QPoint below(widget->viewport()->width() / 2, widget->viewport()->height() - 4);
    ASSERT_EQ(widget->itemAt(below), nullptr);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, below);
    Settle();
    ASSERT_TRUE(QApplication::focusWidget() == widget || widget->isAncestorOf(QApplication::focusWidget()));
}

std::optional<NodeRef> CommandCrawl::FirstOfType(HTREEITEM item, int type) const
{
    for (; item; item = TreeCtrl().GetNextSiblingItem(item)) {
        if (const std::optional<NodeRef> node = Tree().NodeOf(item); node && node->type == type)
            return node;
        if (const std::optional<NodeRef> below = FirstOfType(TreeCtrl().GetChildItem(item), type))
            return below;
    }
    return std::nullopt;
}

// The keyboard in the right pane: a click on its view where no control is, or a control of the
// kind tabbed to.
void CommandCrawl::ClickInPane(Focus focus)
{
    QWidget* pane = Frame().GetSplitter().GetPane(0, 1)->GetWidget();
    if (focus == Focus::Pane) {
        const QPoint middle(pane->width() / 2, pane->height() / 2);
        QWidget* target = pane->childAt(middle) ? pane->childAt(middle) : pane;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(pane, middle));
    } else {
        const char* kind = focus == Focus::LineEdit ? "QLineEdit" : focus == Focus::ComboBox ? "QComboBox" : "QPlainTextEdit";
        QWidget* control = nullptr;
        for (QWidget* child : pane->findChildren<QWidget*>())
            if (!control && child->inherits(kind) && child->isVisible() && child->isEnabled())
                control = child;
        ASSERT_NE(control, nullptr) << "no " << kind << " in the pane";
        control->setFocus(Qt::TabFocusReason);
    }
    Settle();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused && (focused == pane || pane->isAncestorOf(focused)))
        << "the keyboard is not in the pane but on " << (focused ? focused->metaObject()->className() : "nothing");
}

// The schedule grid's cursor on the first item's unit price, a price half typed.
void CommandCrawl::StartTyping()
{
    auto* view = dynamic_cast<CDV_ItemScheduleGrid*>(Frame().GetSplitter().GetRightView());
    ASSERT_NE(view, nullptr);
    view->ShowItem(FindNextItem(*Prop(), -1, 1));
    Settle();
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    QTest::keyClicks(QApplication::focusWidget(), "12");
    ASSERT_TRUE(view->GetItemGrid().IsEditing());
}

Look CommandCrawl::LookNow() const
{
    Look look;
    look.window = m_app && m_app->m_pMainWnd;
    if (!look.window || !GetMainDocument())
        return look;
    look.proposal = Prop() != nullptr;
    look.letting = Doc().IsLettingMode();
    look.gridMode = Doc().m_iGridMode;
    look.nodes = CountNodes(TreeCtrl(), TreeCtrl().GetRootItem());
    look.selected = Tree().SelectedNode();
    look.focus = QApplication::focusWidget();
    look.bars = !Frame().GetToolBar().GetWidget()->isHidden() && !Frame().GetStatusBar().GetWidget()->isHidden();
    const auto* grid = dynamic_cast<CDV_ItemScheduleGrid*>(Frame().GetSplitter().GetRightView());
    look.typing = grid && const_cast<CDV_ItemScheduleGrid*>(grid)->GetItemGrid().IsEditing();
    return look;
}

// A window a command left open beside the main window (the print preview) is closed by its key.
void CommandCrawl::CloseOtherWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && m_app->m_pMainWnd && window != Frame().GetWidget() && !window->inherits("QMenu")) {
            QTest::keyClick(window, Qt::Key_Escape);
            Settle();
        }
}

void CommandCrawl::AnswerEverything(bool accept)
{
    if (m_lettingFolder.empty())
        m_lettingFolder = FreshLetting();
    m_script.AnswerEveryQuestion({accept, [this](const platform::FileDialogRequest& request) { return FileFor(request); },
                                  m_lettingFolder, m_folder / "out/crawl.pdf"});
}

// Proposals opened are fresh copies of the sample; an amendment is one the sample has already;
// anything else is written and read again in one place, with the extension asked for.
std::string CommandCrawl::FileFor(const platform::FileDialogRequest& request)
{
    if (request.title == "Open Proposal")
        return FreshSample();
    if (request.title == "Open Amendment File")
        return InLetting("sample.002");
    std::string extension = request.defaultExtension.empty() ? ".dat" : request.defaultExtension;
    if (extension.front() != '.')
        extension.insert(0, ".");
    return m_folder / ("out/crawl" + extension);
}

std::string CommandCrawl::FreshCopy(const std::string& folder, std::initializer_list<const char*> names)
{
    const std::string copy = m_folder / ("copies/" + std::to_string(++m_copies));
    std::filesystem::create_directories(copy);
    for (const char* name : names)
        std::filesystem::copy_file(folder + "/" + name, copy + "/" + name);
    return copy;
}

} // namespace crawl
