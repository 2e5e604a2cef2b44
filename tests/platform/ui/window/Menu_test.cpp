// Menus built and changed at run time, by position and by command, through sub-menus.
#include "platform/ui/docview/MenuResource.h"
#include "platform/ui/window/Menu.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const CMenu& menu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        texts.push_back(menu.GetMenuItemID(i) == 0 ? "-" : menu.GetMenuString(UINT(i), MF_BYPOSITION));
    return texts;
}

// The Edit menu of the bar as the document rewrites it after an opening.
struct EditMenu {
    CMenu bar;
    CMenu* edit = nullptr;
    EditMenu()
    {
        bar.CreateMenu();
        CMenu popup;
        popup.CreatePopupMenu();
        popup.AppendMenu(MF_STRING, 57634, "&Copy\tCtrl+C");
        popup.AppendMenu(MF_SEPARATOR);
        popup.AppendMenu(MF_STRING, 32800, "&Add DBE Vendor");
        popup.AppendMenu(MF_STRING, 32803, "&Delete DBE Vendor");
        bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(&popup), "&Edit");
        edit = bar.GetSubMenu(0);
    }
};

} // namespace

TEST(Menu, ItemsAreInsertedRenamedAndRemovedByPositionOrByCommandThroughSubMenus)
{
    EditMenu m;
    ASSERT_NE(m.edit, nullptr);
    EXPECT_EQ(m.bar.GetMenuItemID(0), UINT(-1)); // a sub-menu
    EXPECT_EQ(m.edit->GetMenuItemID(1), 0u);     // a separator

    // From the bar, by command, the sub-menu's item is found.
    EXPECT_TRUE(m.bar.ModifyMenu(32800, MF_BYCOMMAND | MF_STRING, 32800, "&Add MBE Firm "));
    EXPECT_TRUE(m.bar.InsertMenu(32803, MF_BYCOMMAND | MF_STRING, 32806, "Add DBE &Items"));
    EXPECT_TRUE(m.edit->InsertMenu(UINT(-1), MF_BYPOSITION | MF_SEPARATOR));
    EXPECT_EQ(Texts(*m.edit), (std::vector<std::string>{"&Copy\tCtrl+C", "-", "&Add MBE Firm ",
                                                        "Add DBE &Items", "&Delete DBE Vendor", "-"}));
    EXPECT_TRUE(m.bar.RemoveMenu(32806, MF_BYCOMMAND));
    EXPECT_TRUE(m.edit->RemoveMenu(4, MF_BYPOSITION)); // the closing separator
    EXPECT_FALSE(m.edit->RemoveMenu(9, MF_BYPOSITION));
    EXPECT_FALSE(m.bar.InsertMenu(4242, MF_BYCOMMAND, 1, "x")); // no such command
    EXPECT_EQ(m.edit->GetMenuItemCount(), 4);

    EXPECT_EQ(m.bar.EnableMenuItem(32803, MF_BYCOMMAND | MF_GRAYED), UINT(MF_ENABLED));
    EXPECT_EQ(m.bar.CheckMenuItem(32803, MF_BYCOMMAND | MF_CHECKED), UINT(MF_UNCHECKED));
    EXPECT_EQ(m.bar.GetMenuState(32803, MF_BYCOMMAND), UINT(MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(m.bar.EnableMenuItem(4242, MF_BYCOMMAND), UINT(-1));
    EXPECT_FALSE(m.bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(&m.bar), "itself"));
}

TEST(Menu, ASubMenuOutlivesTheObjectItWasBuiltWithAndSharedMenusSeeEachOthersChanges)
{
    EditMenu m; // its pop-up object went at the end of the constructor
    CMenu shown;
    shown.Attach(m.bar.Data());
    int changes = 0;
    shown.SetChangeListener([&] { ++changes; });
    m.bar.ModifyMenu(0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(m.edit), "&Change");
    EXPECT_EQ(shown.GetMenuString(0, MF_BYPOSITION), "&Change");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shown.GetSubMenu(0)->GetMenuItemCount(), 4);
}

TEST(Menu, LoadedFromItsResource)
{
    const MenuItemResource items[] = {{57601, "&Open\tCtrl+O"}, {0, nullptr}, {57665, "E&xit"}};
    const MenuPopupResource popups[] = {{"&File", items, std::size(items)}};
    const MenuResource resource{300, popups, std::size(popups)};
    platform::ResourceRegistration<MenuResource> registered{resource};
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(300));
    EXPECT_EQ(menu.GetMenuString(0, MF_BYPOSITION), "&File");
    EXPECT_EQ(Texts(*menu.GetSubMenu(0)), (std::vector<std::string>{"&Open\tCtrl+O", "-", "E&xit"}));
    EXPECT_FALSE(CMenu().LoadMenu(301));
    EXPECT_EQ(CMenu().GetMenuItemCount(), -1);
}
