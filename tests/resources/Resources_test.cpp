// The program's resources as the screens find them.
#include "platform/ui/controls/ToolBar.h"
#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/docview/MenuResource.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/StringTable.h"
#include "platform/ui/window/Wnd.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>
#include <set>

using namespace resources;

TEST(Resources, TheMainMenuAcceleratorsStringsAndPicturesAreThere)
{
    RegisterAll();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    EXPECT_EQ(menu.GetMenuItemCount(), 5);
    EXPECT_EQ(menu.GetMenuString(ID_FILE_MRU_FILE1, MF_BYCOMMAND), "Recent File");
    EXPECT_EQ(menu.GetSubMenu(1)->GetMenuItemCount(), 10); // the Edit menu's closing separator included
    const AcceleratorTable* keys = platform::ResourceRegistry<AcceleratorTable>::Find(IDR_MAINFRAME);
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->count, 24u);

    EXPECT_EQ(platform::LoadResourceString(IDS_TOTAL), "\t\t$0.00");
    EXPECT_EQ(platform::LoadResourceString(ID_FILE_OPEN), "Open a Proposal File\nOpen Proposal");

    // Every toolbar button has its picture in the strip, on the transparent grey.
    const ToolBarResource* toolbar = platform::ResourceRegistry<ToolBarResource>::Find(IDR_MAINFRAME);
    ASSERT_NE(toolbar, nullptr);
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDR_MAINFRAME));
    const auto buttons = std::count_if(toolbar->buttons, toolbar->buttons + toolbar->count,
                                       [](UINT id) { return id != ID_SEPARATOR; });
    EXPECT_EQ(strip.GetSize().cx, toolbar->imageWidth * buttons);
    EXPECT_EQ(strip.Image().pixelColor(0, 0), QColor(192, 192, 192));
    CBitmap tree;
    ASSERT_TRUE(tree.LoadBitmap(IDB_TREE_STATES));
    EXPECT_EQ(tree.GetSize(), CSize(6 * 16, 16));
    EXPECT_EQ(tree.Image().pixelColor(0, 0), QColor(0, 0, 255));

    CWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", 0, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_TRUE(window.SetIcon(IDI_ZOD));
    EXPECT_FALSE(window.GetWidget()->windowIcon().isNull());
    EXPECT_FALSE(window.SetIcon(4242));
}

TEST(Resources, DialogTemplatesHaveDistinctIdsAndControlsInsideTheirDialog)
{
    RegisterAll();
    for (UINT id : {100u, 136u, 137u, 138u, 139u, 142u, 164u, 207u, 210u, 212u, 312u}) {
        const DialogTemplate* dialogTemplate = platform::FindDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr) << id;
        std::set<UINT> ids;
        for (std::size_t i = 0; i < dialogTemplate->count; ++i) {
            const DialogItemTemplate& item = dialogTemplate->items[i];
            EXPECT_TRUE(item.id == 0 || ids.insert(item.id).second) << id << " " << item.id;
            EXPECT_GE(item.x, 0);
            EXPECT_LE(item.x + item.cx, dialogTemplate->cx) << id << " " << item.id;
            if (item.kind != ControlClass::ComboBox) {
                EXPECT_LE(item.y + item.cy, dialogTemplate->cy) << id << " " << item.id;
            }
        }
    }
}
