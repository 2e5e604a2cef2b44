// Every money figure on the screen shows whole with its symbol: on a proposal in euros whose bid
// passes ten thousand million, the status bar's total, with the item grid's Extension column
// narrowed too, and every figure of every form.
#include "app/items/DVItemScheduleGrid.h"
#include "model/check/Recalc.h"
#include "model/files/TvbFile.h"
#include "platform/ui/controls/WholeText.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/PictureMatch.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <map>

namespace {

constexpr const char* kSymbol = "EUR ";
constexpr int kPricedItem = 6;           // 0060: 15,280 SY, no alternate
constexpr double kPrice = 654'450.27;    // its extension 10,000,000,125.60
constexpr UINT kBondAmount = 5003;
constexpr int kWideTree = 1000; // of a window 1280 wide

class MoneyShownWhole : public ShellTest {
protected:
    // The sample as its agency would publish it in euros, the bidder's price of one item making
    // the bid pass ten thousand million.
    void OpenSample(bool gridMode, int treeWidth = 300)
    {
        std::unique_ptr<CProp> prop;
        ASSERT_EQ(LoadTvbFile(prop, InLetting("sample.tvb"), false), 0);
        prop->m_strFurtherReferences[0] = kSymbol;
        prop->m_items[kPricedItem]->m_fUnitPrice = kPrice;
        ASSERT_EQ(SaveTvbFile(*prop, InLetting("sample.tvb")), 0);
        // Without its amendments, which price that item afresh.
        Store("Misc", "AutoLoad", "0");
        OpenSampleInWindow(treeWidth, gridMode);
        ASSERT_GE(Prop()->m_dItemsTotal, 1e10);
    }

    // The money figures shown in the window and its children, and whether each shows whole.
    static void AddFigures(const QWidget& window, std::map<std::string, bool>& figures)
    {
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            const QString text = child->property("text").toString();
            if (child->isVisible() && text.contains(kSymbol))
                figures[text.toStdString()] = child->width() >= platform::WholeTextWidth(*child);
        }
    }
    std::map<std::string, bool> FiguresShown() const
    {
        std::map<std::string, bool> figures;
        AddFigures(*Frame().GetWidget(), figures);
        return figures;
    }
    // Every figure shown whole, and at least `least` of them.
    static void ExpectWhole(const std::map<std::string, bool>& figures, std::size_t least, const std::string& where)
    {
        EXPECT_GE(figures.size(), least) << where;
        for (const auto& [text, whole] : figures)
            EXPECT_TRUE(whole) << where << ": " << text;
    }
    // ZOD_WRITE_PICTURES=<folder> keeps the picture drawn, to look at or to take as the reference.
    static void ExpectLooksAsItsReference(QWidget& window, const QString& name)
    {
        const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
            picture.save(QDir(folder).filePath(name));
        EXPECT_TRUE(testsupport::MatchesPicture(picture, QImage(QString(ZOD_FIXTURES) + "/pictures/" + name))) << name.toStdString();
    }
    void ExpectWholeOn(NodeRef node, std::size_t least)
    {
        ASSERT_TRUE(ClickNode(node)) << node.type;
        ExpectWhole(FiguresShown(), least, "node type " + std::to_string(node.type));
    }
};

} // namespace

class NarrowedColumn : public MoneyShownWhole, public ::testing::WithParamInterface<int> {};

// A wide tree leaves the grid a narrow Extension column, to which the status bar's pane is sized.
TEST_P(NarrowedColumn, TheStatusBarAndTheGridViewsShowTheTotalsWhole)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample(true, GetParam()));
    ExpectWholeOn({NODE_SCHEDULE, 0}, 2);
    auto* view = dynamic_cast<CDV_ItemScheduleGrid*>(Frame().GetSplitter().GetRightView());
    ASSERT_NE(view, nullptr);
    CItemGrid& grid = view->GetItemGrid();
    const int extension = grid.GetColumnWidth(grid.GetDisplayColumn(CBidDataSource::COL_EXTENSION));
    if (GetParam() == kWideTree) {
        EXPECT_LT(extension, 100) << "the Extension column is not narrowed";
    }
    ExpectWholeOn({NODE_SITES, 0}, 2);
}

INSTANTIATE_TEST_SUITE_P(TreeWidths, NarrowedColumn, ::testing::Values(300, kWideTree));

// The bidder narrows the Extension column: a figure without room in it shows "#", never the
// amount cut at its left.
TEST_F(MoneyShownWhole, AFigureWithoutRoomInANarrowedColumnShowsHashes)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample(true));
    ASSERT_TRUE(ClickNode({NODE_SCHEDULE, 0}));
    auto* view = dynamic_cast<CDV_ItemScheduleGrid*>(Frame().GetSplitter().GetRightView());
    ASSERT_NE(view, nullptr);
    CItemGrid& grid = view->GetItemGrid();
    grid.SetColumnWidth(grid.GetDisplayColumn(CBidDataSource::COL_EXTENSION), 90);
    Settle();
    QGuiApplication::clipboard()->clear();
    Frame().UpdateCommandUI();
    Settle();
    ExpectLooksAsItsReference(*Frame().GetWidget(), "money-narrowed-grid.png");
}

TEST_F(MoneyShownWhole, InEveryForm)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample(false));
    ExpectWholeOn({NODE_PROPOSAL, 0}, 4);
    ExpectWholeOn({NODE_SCHEDULE, 0}, 2);
    ExpectWholeOn({NODE_SECTION, 0}, 2);
    ExpectWholeOn({NODE_ITEM, kPricedItem}, 3);
    ExpectWholeOn({NODE_DBE_LIST, 0}, 3);
    ExpectWholeOn({NODE_DBE_FIRM, 0}, 3);
    ExpectWholeOn({NODE_BOND, 0}, 2);

    // A bond of ten thousand million typed into the bond form's money field.
    CWnd* amount = Frame().GetSplitter().GetRightView()->GetDlgItem(kBondAmount);
    ASSERT_NE(amount, nullptr);
    QTest::mouseClick(amount->GetWidget(), Qt::LeftButton);
    QTest::keyClicks(amount->GetWidget(), "10000000000");
    QTest::keyClick(amount->GetWidget(), Qt::Key_Tab);
    Settle();
    EXPECT_EQ(amount->GetWindowText(), "EUR 10,000,000,000.00");
    ExpectWhole(FiguresShown(), 3, "the bond typed");
}

TEST_F(MoneyShownWhole, TheSectionFormLooksAsItsReference)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample(false));
    ASSERT_TRUE(ClickNode({NODE_SECTION, 0}));
    // Paste's button follows the clipboard, which earlier tests may have filled.
    QGuiApplication::clipboard()->clear();
    Frame().UpdateCommandUI();
    Settle();
    ExpectLooksAsItsReference(*Frame().GetWidget(), "money-section.png");
}
