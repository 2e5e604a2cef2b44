#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/ImageList.h"
#include "platform/ui/controls/TreeCtrl.h"
#include "platform/ui/window/VirtualKeys.h"

#include <QIcon>
#include <QTest>
#include <QTreeWidget>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr UINT kTreeId = 50;

// A parent that logs what its tree tells it and answers as the test wants.
class TreeHost : public CWnd {
public:
    std::vector<std::string> heard;
    bool vetoSelection = false;
    bool vetoExpanding = false;
    bool expandedWhileAsked = false;
    CTreeCtrl* tree = nullptr;
    std::string callbackText = "asked";
    int callbackImage = 3;
    bool overlongText = false;

    std::string Name(HTREEITEM item) const
    {
        return item ? tree->GetItemText(item) : std::string("-");
    }
    void OnSelChanging(NMHDR* header, LRESULT* result)
    {
        auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        heard.push_back("changing " + Name(info->itemOld.hItem) + ">" + Name(info->itemNew.hItem) +
                        " by " + std::to_string(info->action));
        *result = vetoSelection;
    }
    bool rebuildOnChange = false;
    void OnSelChanged(NMHDR* header, LRESULT*)
    {
        auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        if (rebuildOnChange) { // as a view does that rebuilds the tree on a selection
            rebuildOnChange = false;
            tree->DeleteAllItems();
            tree->SelectItem(tree->InsertItem("rebuilt"));
            return;
        }
        heard.push_back("changed " + Name(info->itemOld.hItem) + ">" + Name(info->itemNew.hItem) +
                        " by " + std::to_string(info->action) + " old data " +
                        std::to_string(info->itemOld.lParam));
    }
    void OnExpanding(NMHDR* header, LRESULT* result)
    {
        auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        expandedWhileAsked = tree->GetItemState(info->itemNew.hItem, TVIS_EXPANDED) != 0;
        heard.push_back("expanding " + Name(info->itemNew.hItem) + " " + std::to_string(info->action));
        *result = vetoExpanding;
    }
    void OnExpanded(NMHDR* header, LRESULT*)
    {
        auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        heard.push_back("expanded " + Name(info->itemNew.hItem) + " " + std::to_string(info->action));
    }
    int textRequests = 0;
    void OnDispInfo(NMHDR* header, LRESULT*)
    {
        auto* info = reinterpret_cast<NMTVDISPINFO*>(header);
        textRequests += (info->item.mask & TVIF_TEXT) != 0;
        if (info->item.mask & TVIF_TEXT) {
            if (overlongText)
                std::memset(info->item.pszText, 'x', size_t(info->item.cchTextMax)); // no zero
            else
                std::snprintf(info->item.pszText, size_t(info->item.cchTextMax), "%s %ld",
                              callbackText.c_str(), long(info->item.lParam));
        }
        if (info->item.mask & TVIF_IMAGE)
            info->item.iImage = callbackImage;
        if (info->item.mask & TVIF_SELECTEDIMAGE)
            info->item.iSelectedImage = callbackImage + 1;
    }
    void OnKey(NMHDR* header, LRESULT*)
    {
        heard.push_back("key " + std::to_string(reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey));
    }
    void OnDouble(NMHDR*, LRESULT* result)
    {
        heard.push_back("dblclk");
        *result = 1; // handled: the item must not open
    }
    void OnRightClick(NMHDR*, LRESULT*) { heard.push_back("rclick"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TreeHost, CWnd)
    ON_NOTIFY(TVN_SELCHANGING, kTreeId, OnSelChanging)
    ON_NOTIFY(TVN_SELCHANGED, kTreeId, OnSelChanged)
    ON_NOTIFY(TVN_ITEMEXPANDING, kTreeId, OnExpanding)
    ON_NOTIFY(TVN_ITEMEXPANDED, kTreeId, OnExpanded)
    ON_NOTIFY(TVN_GETDISPINFO, kTreeId, OnDispInfo)
    ON_NOTIFY(TVN_KEYDOWN, kTreeId, OnKey)
    ON_NOTIFY(NM_DBLCLK, kTreeId, OnDouble)
    ON_NOTIFY(NM_RCLICK, kTreeId, OnRightClick)
END_MESSAGE_MAP()

class TreeCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Create(nullptr, "host", WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
        ASSERT_TRUE(tree.Create(nullptr, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT,
                                CRect(0, 0, 300, 300), &host, kTreeId));
        host.tree = &tree;
        host.GetWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.GetWidget()));
    }
    QTreeWidget* Widget() { return static_cast<QTreeWidget*>(tree.GetWidget()); }
    QWidget* Viewport() { return Widget()->viewport(); }
    // The middle of an item's label, in client coordinates.
    QPoint LabelOf(HTREEITEM item)
    {
        for (QTreeWidgetItemIterator it(Widget()); *it; ++it)
            if (QString::fromLatin1(tree.GetItemText(item).c_str()) == (*it)->text(0))
                return Widget()->visualItemRect(*it).center();
        return {};
    }
    std::vector<std::string> Children(HTREEITEM parent)
    {
        std::vector<std::string> names;
        for (HTREEITEM c = tree.GetChildItem(parent); c; c = tree.GetNextSiblingItem(c))
            names.push_back(tree.GetItemText(c));
        return names;
    }

    TreeHost host;
    CTreeCtrl tree;
};

// Images of one colour each: red 0, 40, 80, ...
QImage ColourStrip(int count, int green = 0)
{
    QImage strip(16 * count, 16, QImage::Format_RGB32);
    for (int i = 0; i < count; ++i)
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y)
                strip.setPixel(i * 16 + x, y, qRgb(i * 40, green, 0));
    return strip;
}

} // namespace

TEST_F(TreeCtrlTest, InsertPlacesFirstLastSortedAndAfterASibling)
{
    HTREEITEM root = tree.InsertItem("root");
    tree.InsertItem("m", root);
    tree.InsertItem("b", root, TVI_FIRST);
    HTREEITEM z = tree.InsertItem("z", root, TVI_LAST);
    tree.InsertItem("Q", root, TVI_SORT); // before z, case ignored
    tree.InsertItem("a", root, TVI_SORT); // sorted among unsorted siblings: first place it fits
    tree.InsertItem("after z", root, z);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"a", "b", "m", "Q", "z", "after z"}));

    HTREEITEM other = tree.InsertItem("other");
    EXPECT_EQ(tree.InsertItem("x", root, other), nullptr); // not a child of root
    EXPECT_EQ(tree.GetCount(), 8u);
}

TEST_F(TreeCtrlTest, NavigationFollowsSiblingsParentsAndExpansion)
{
    HTREEITEM a = tree.InsertItem("a");
    HTREEITEM a1 = tree.InsertItem("a1", a);
    HTREEITEM a2 = tree.InsertItem("a2", a);
    HTREEITEM b = tree.InsertItem("b");
    EXPECT_EQ(tree.GetRootItem(), a);
    EXPECT_EQ(tree.GetChildItem(TVI_ROOT), a);
    EXPECT_EQ(tree.GetChildItem(a), a1);
    EXPECT_EQ(tree.GetNextSiblingItem(a1), a2);
    EXPECT_EQ(tree.GetNextSiblingItem(a2), nullptr);
    EXPECT_EQ(tree.GetPrevSiblingItem(a2), a1);
    EXPECT_EQ(tree.GetPrevSiblingItem(a), nullptr);
    EXPECT_EQ(tree.GetParentItem(a2), a);
    EXPECT_EQ(tree.GetParentItem(a), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(a));
    EXPECT_FALSE(tree.ItemHasChildren(b));

    EXPECT_EQ(tree.GetNextVisibleItem(a), b); // collapsed
    tree.Expand(a, TVE_EXPAND);
    EXPECT_EQ(tree.GetNextVisibleItem(a), a1);
    EXPECT_EQ(tree.GetPrevVisibleItem(b), a2);
    EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), TVIS_EXPANDED);
    tree.Expand(a, TVE_TOGGLE);
    EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), 0u);
    EXPECT_TRUE(host.heard.empty()); // the program's expansion is not announced
}

TEST_F(TreeCtrlTest, ProgramSelectionIsAskedAnnouncedAndMayBeVetoed)
{
    HTREEITEM a = tree.InsertItem("a");
    HTREEITEM b = tree.InsertItem("b");
    tree.SetItemData(a, 7);
    ASSERT_TRUE(tree.SelectItem(a));
    EXPECT_EQ(tree.GetSelectedItem(), a);
    EXPECT_EQ(tree.GetItemState(a, TVIS_SELECTED), TVIS_SELECTED);
    host.vetoSelection = true;
    EXPECT_FALSE(tree.SelectItem(b));
    EXPECT_EQ(tree.GetSelectedItem(), a);
    EXPECT_EQ(host.heard, (std::vector<std::string>{"changing ->a by 0", "changed ->a by 0 old data 0",
                                                    "changing a>b by 0"}));
}

TEST_F(TreeCtrlTest, UserSelectionCarriesItsCauseAndAVetoKeepsTheHighlight)
{
    HTREEITEM a = tree.InsertItem("a");
    HTREEITEM b = tree.InsertItem("b");
    tree.SelectItem(a);
    host.heard.clear();
    tree.SetFocus();
    QTest::keyClick(Widget(), Qt::Key_Down);
    EXPECT_EQ(tree.GetSelectedItem(), b);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, LabelOf(a));
    EXPECT_EQ(tree.GetSelectedItem(), a);
    EXPECT_EQ(host.heard, (std::vector<std::string>{"key 40", "changing a>b by 2",
                                                    "changed a>b by 2 old data 0",
                                                    "changing b>a by 1", "changed b>a by 1 old data 0"}));

    host.rebuildOnChange = true; // the tree is emptied under the click that selects
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, LabelOf(b));
    ASSERT_EQ(tree.GetCount(), 1u);
    EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), "rebuilt");
    ASSERT_NE(Widget()->currentItem(), nullptr); // keys go on from the new selection
    EXPECT_EQ(Widget()->currentItem()->text(0), "rebuilt");
    a = tree.GetSelectedItem();
    b = tree.InsertItem("b");

    host.vetoSelection = true;
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, LabelOf(b));
    QTest::keyClick(Widget(), Qt::Key_Down);
    EXPECT_EQ(tree.GetSelectedItem(), a);
    ASSERT_EQ(Widget()->selectedItems().size(), 1);
    EXPECT_EQ(Widget()->selectedItems().front()->text(0), "rebuilt");
}

TEST_F(TreeCtrlTest, DeletingTheSelectionMovesItAndNeverHandsOutTheDeadHandle)
{
    HTREEITEM p = tree.InsertItem("p");
    HTREEITEM a = tree.InsertItem("a", p);
    HTREEITEM b = tree.InsertItem("b", p);
    HTREEITEM bChild = tree.InsertItem("b child", b);
    tree.SetItemData(b, 42);
    tree.Expand(p, TVE_EXPAND);
    tree.Expand(b, TVE_EXPAND);
    tree.SelectItem(bChild);
    host.heard.clear();

    ASSERT_TRUE(tree.DeleteItem(b)); // the selection lies inside: previous sibling takes it
    EXPECT_EQ(tree.GetSelectedItem(), a);
    EXPECT_EQ(host.heard, (std::vector<std::string>{"changed ->a by 0 old data 0"}));
    ASSERT_TRUE(tree.DeleteItem(a)); // no sibling left: the parent
    EXPECT_EQ(tree.GetSelectedItem(), p);
    EXPECT_EQ(tree.GetCount(), 1u);

    for (HTREEITEM dead : {a, b, bChild}) {
        EXPECT_EQ(tree.GetItemText(dead), "");
        EXPECT_EQ(tree.GetItemData(dead), 0u);
        EXPECT_FALSE(tree.SetItemText(dead, "x"));
        EXPECT_FALSE(tree.SelectItem(dead));
        EXPECT_FALSE(tree.DeleteItem(dead));
        EXPECT_EQ(tree.InsertItem("orphan", dead), nullptr);
        EXPECT_EQ(tree.GetNextSiblingItem(dead), nullptr);
    }
    // A new item never takes an old handle's number.
    HTREEITEM fresh = tree.InsertItem("fresh", p);
    EXPECT_NE(fresh, a);
    EXPECT_NE(fresh, b);

    host.heard.clear();
    tree.SetItemData(p, 9);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(tree.GetItemText(p), "");
    EXPECT_EQ(host.heard, (std::vector<std::string>{"changed ->- by 0 old data 9"}));
}

namespace {

class CountingTree : public CTreeCtrl {
public:
    UINT countAtDestroy = 0;
    void OnDestroy() override { countAtDestroy = GetCount(); }
};

} // namespace

TEST_F(TreeCtrlTest, HandlesOfAnotherTreeAreRefused)
{
    CountingTree second;
    ASSERT_TRUE(second.Create(nullptr, "", WS_CHILD, CRect(0, 0, 50, 50), &host, kTreeId + 1));
    HTREEITEM mine = tree.InsertItem("mine");
    HTREEITEM theirs = second.InsertItem("theirs");
    EXPECT_EQ(second.GetItemText(mine), "");
    EXPECT_FALSE(tree.DeleteItem(theirs));
    EXPECT_EQ(second.InsertItem("x", mine), nullptr);
    second.DestroyWindow();
    EXPECT_EQ(second.countAtDestroy, 1u); // the items are there to be cleaned up
    EXPECT_EQ(second.GetItemText(theirs), ""); // gone with its window
    EXPECT_EQ(second.InsertItem("x"), nullptr);
}

TEST_F(TreeCtrlTest, UserExpansionIsAskedAndMayBeRefused)
{
    HTREEITEM a = tree.InsertItem("a");
    tree.InsertItem("a1", a);
    tree.SelectItem(a);
    tree.SetFocus();
    host.heard.clear();
    host.vetoExpanding = true;
    QTest::keyClick(Widget(), Qt::Key_Right);
    EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), 0u);
    EXPECT_FALSE(host.expandedWhileAsked); // asked before the change shows
    host.vetoExpanding = false;
    QTest::keyClick(Widget(), Qt::Key_Right);
    EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), TVIS_EXPANDED);
    EXPECT_EQ(host.heard, (std::vector<std::string>{"key 39", "expanding a 2", "key 39",
                                                    "expanding a 2", "expanded a 2"}));
}

TEST_F(TreeCtrlTest, ClosingOverTheSelectionMovesItUpAndEnsureVisibleOpensAncestors)
{
    HTREEITEM a = tree.InsertItem("a");
    HTREEITEM a1 = tree.InsertItem("a1", a);
    HTREEITEM deep = tree.InsertItem("deep", a1);
    EXPECT_TRUE(tree.EnsureVisible(deep));
    EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), TVIS_EXPANDED);
    EXPECT_EQ(tree.GetItemState(a1, TVIS_EXPANDED), TVIS_EXPANDED);
    EXPECT_EQ(host.heard, (std::vector<std::string>{"expanding a 2", "expanded a 2", "expanding a1 2",
                                                    "expanded a1 2"}));
    tree.SelectItem(deep);
    host.heard.clear();
    tree.Expand(a, TVE_COLLAPSE);
    EXPECT_EQ(tree.GetSelectedItem(), a);
    EXPECT_EQ(host.heard.back(), "changed deep>a by 0 old data 0");
}

TEST_F(TreeCtrlTest, TextsAndImagesOnDemandAreAskedOfTheParentAndBounded)
{
    HTREEITEM item = tree.InsertItem(LPSTR_TEXTCALLBACK, I_IMAGECALLBACK, I_IMAGECALLBACK);
    tree.SetItemData(item, 5);
    EXPECT_EQ(tree.GetItemText(item), "asked 5");
    host.callbackText = "caf\xE9";
    EXPECT_EQ(Widget()->topLevelItem(0)->text(0), QString::fromUtf8("café 5"));
    // Repainting at once asks again, so texts that changed behind the tree show.
    host.textRequests = 0;
    tree.Invalidate();
    tree.UpdateWindow();
    EXPECT_GT(host.textRequests, 0);
    host.overlongText = true; // the parent fills the whole buffer without a terminator
    EXPECT_EQ(tree.GetItemText(item), std::string(259, 'x'));

    CImageList images;
    ASSERT_TRUE(images.Create(ColourStrip(6), 16, 0, CLR_NONE));
    tree.SetImageList(&images, TVSIL_NORMAL);
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &images);
    auto icon = Widget()->topLevelItem(0)->data(0, Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Normal).toImage().pixel(8, 8), qRgb(3 * 40, 0, 0));
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Selected).toImage().pixel(8, 8), qRgb(4 * 40, 0, 0));
    host.callbackImage = 99; // no such image: drawn empty, not read past the list
    icon = Widget()->topLevelItem(0)->data(0, Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(qAlpha(icon.pixmap(16, 16).toImage().pixel(8, 8)), 0);
}

// Qt keeps whatever an icon draws in its pixmap cache under the icon's key: a tree that made its
// icons anew at every paint filled that cache as it was drawn again and again.
TEST_F(TreeCtrlTest, RepaintsShowTheSameIconsUntilTheImagesChange)
{
    HTREEITEM first = tree.InsertItem("first", 1, 2);
    tree.InsertItem("second", 1, 2);
    CImageList images, others;
    ASSERT_TRUE(images.Create(ColourStrip(6), 16, 0, CLR_NONE));
    ASSERT_TRUE(others.Create(ColourStrip(6, 200), 16, 0, CLR_NONE));
    tree.SetImageList(&images, TVSIL_NORMAL);
    auto iconOf = [this](int row) { return Widget()->topLevelItem(row)->data(0, Qt::DecorationRole).value<QIcon>(); };
    const qint64 shown = iconOf(0).cacheKey();
    tree.Invalidate();
    tree.UpdateWindow();
    EXPECT_EQ(iconOf(0).cacheKey(), shown);
    EXPECT_EQ(iconOf(1).cacheKey(), shown); // the same images, the same icon
    tree.SetImageList(&images, TVSIL_NORMAL);
    EXPECT_EQ(iconOf(0).cacheKey(), shown);

    // Never a stale icon: other images, or another list, show at once.
    tree.SetItemImage(first, 3, 4);
    EXPECT_NE(iconOf(0).cacheKey(), shown);
    EXPECT_EQ(iconOf(0).pixmap(16, 16, QIcon::Normal).toImage().pixel(8, 8), qRgb(3 * 40, 0, 0));
    EXPECT_EQ(iconOf(0).pixmap(16, 16, QIcon::Selected).toImage().pixel(8, 8), qRgb(4 * 40, 0, 0));
    EXPECT_EQ(iconOf(1).cacheKey(), shown);
    tree.SetImageList(&others, TVSIL_NORMAL);
    EXPECT_EQ(iconOf(1).pixmap(16, 16, QIcon::Normal).toImage().pixel(8, 8), qRgb(1 * 40, 200, 0));
}

TEST_F(TreeCtrlTest, StatesRoundTripAndStateImagesStandBeforeTheImage)
{
    HTREEITEM item = tree.InsertItem("item", 1, 2);
    tree.SetItemState(item, TVIS_BOLD | INDEXTOSTATEIMAGEMASK(2), TVIS_BOLD | TVIS_STATEIMAGEMASK);
    EXPECT_EQ(tree.GetItemState(item, TVIS_BOLD | TVIS_STATEIMAGEMASK), TVIS_BOLD | INDEXTOSTATEIMAGEMASK(2));
    EXPECT_TRUE(Widget()->topLevelItem(0)->font(0).bold());
    tree.SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(tree.GetSelectedItem(), item);
    int image = 0, selected = 0;
    ASSERT_TRUE(tree.GetItemImage(item, image, selected));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selected, 2);

    CImageList states, normal;
    ASSERT_TRUE(states.Create(8, 8, ILC_COLOR32, 3, 0));
    ASSERT_TRUE(normal.Create(16, 16, ILC_COLOR32, 3, 0));
    tree.SetImageList(&states, TVSIL_STATE);
    tree.SetImageList(&normal, TVSIL_NORMAL);
    EXPECT_EQ(Widget()->iconSize(), QSize(24, 16));
    UINT where = 0;
    QRect cell = Widget()->visualItemRect(Widget()->topLevelItem(0));
    EXPECT_EQ(tree.HitTest(CPoint(cell.left() + 2, cell.center().y()), &where), item);
    EXPECT_EQ(where, TVHT_ONITEMSTATEICON);
    tree.HitTest(CPoint(cell.left() + 12, cell.center().y()), &where);
    EXPECT_EQ(where, TVHT_ONITEMICON);
    tree.HitTest(CPoint(cell.left() + 30, cell.center().y()), &where);
    EXPECT_EQ(where, TVHT_ONITEMLABEL);
    EXPECT_EQ(tree.HitTest(CPoint(5, 290), &where), nullptr);
    EXPECT_EQ(where, TVHT_NOWHERE);
    EXPECT_EQ(tree.HitTest(CPoint(-4, cell.center().y()), &where), nullptr);
    EXPECT_EQ(where, TVHT_TOLEFT);
}

TEST_F(TreeCtrlTest, MouseAndKeysReachTheParent)
{
    HTREEITEM a = tree.InsertItem("a");
    tree.InsertItem("a1", a);
    HTREEITEM b = tree.InsertItem("b");
    tree.SelectItem(b);
    host.heard.clear();
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, LabelOf(a));
    EXPECT_EQ(tree.GetSelectedItem(), b); // the right button does not select
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(20, Viewport()->height() - 5));
    EXPECT_EQ(tree.GetSelectedItem(), b); // nor does a click below the items
    EXPECT_EQ(Widget()->selectedItems().size(), 1);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, LabelOf(a));
    EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), 0u); // the parent handled the double click
    tree.SetFocus();
    QTest::keyClick(Widget(), Qt::Key_F2);
    ASSERT_GE(host.heard.size(), 3u);
    EXPECT_EQ(host.heard.front(), "rclick");
    EXPECT_NE(std::find(host.heard.begin(), host.heard.end(), "dblclk"), host.heard.end());
    EXPECT_EQ(host.heard.back(), "key " + std::to_string(VK_F1 + 1));
}

namespace {

// A tree that paints its own background under the items.
class StripedTree : public CTreeCtrl {
public:
    bool OnEraseBkgnd(CDC* dc) override
    {
        dc->FillSolidRect(0, 0, 1000, 1000, RGB(0, 200, 0));
        return true;
    }
};

} // namespace

TEST_F(TreeCtrlTest, BackgroundIsErasedBeneathTheItemsAndScrollingCountsItems)
{
    EXPECT_EQ(tree.SetBkColor(RGB(0, 0, 220)), COLORREF(-1));
    EXPECT_EQ(tree.SetTextColor(RGB(200, 0, 0)), COLORREF(-1));
    EXPECT_EQ(Widget()->palette().color(QPalette::Text), QColor(200, 0, 0));
    for (int i = 0; i < 40; ++i)
        tree.InsertItem(("item " + std::to_string(i)).c_str());
    const QPoint empty(Viewport()->width() - 3, Viewport()->height() / 2);
    EXPECT_EQ(Viewport()->grab().toImage().pixel(empty), qRgb(0, 0, 220));
    SCROLLINFO info{};
    ASSERT_TRUE(tree.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(info.nMax - info.nMin + 1, 40); // one position per item
    EXPECT_GT(info.nPage, 0u);
    EXPECT_FALSE(tree.GetScrollInfo(7, &info));
    EXPECT_GT(tree.GetItemHeight(), 0);

    StripedTree striped;
    ASSERT_TRUE(striped.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, kTreeId + 2));
    striped.InsertItem("x");
    auto* viewport = static_cast<QTreeWidget*>(striped.GetWidget())->viewport();
    EXPECT_EQ(viewport->grab().toImage().pixel(viewport->width() - 3, viewport->height() - 3),
              qRgb(0, 200, 0));
}
