// The main window's menu and accelerators.
#include "platform/ui/docview/MenuResource.h"
#include "platform/ui/window/VirtualKeys.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

namespace resources {
namespace {

const MenuItemResource kFile[] = {
    {ID_FILE_OPEN, "&Open Proposal...\tCtrl+O"}, {ID_OPEN_LETTING, "Open &Letting...\tCtrl+L"},
    {ID_FILE_SAVE, "&Save\tCtrl+S"},             {ID_FILE_SAVE_AS, "Save &As..."},
    {0, nullptr},                                {ID_OPEN_AMENDMENT, "&Load Amendment..."},
    {0, nullptr},                                {ID_FILE_PRINT, "&Print...\tCtrl+P"},
    {ID_PRINT_QUOTE, "Print &Quote ..."},        {ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
    {ID_FILE_PRINT_SETUP, "P&rint Setup..."},    {0, nullptr},
    {ID_FILE_MRU_FILE1, "Recent File"},          {0, nullptr},
    {ID_APP_EXIT, "E&xit"},
};
const MenuItemResource kEdit[] = {
    {ID_EDIT_COPY, "&Copy\tCtrl+C"},     {ID_EDIT_PASTE, "&Paste\tCtrl+V"},
    {0, nullptr},                        {ID_ADD_DBE, "&Add DBE Vendor"},
    {ID_DELETE_DBE, "&Delete DBE Vendor"}, {ID_ADD_MBE, "Add MBE &Vendor"},
    {ID_DELETE_MBE, "Delete MBE Ve&ndor"}, {ID_ADD_WBE, "Add WBE Vend&or"},
    {ID_DELETE_WBE, "Delete WBE Vendo&r"}, {0, nullptr},
};
const MenuItemResource kTools[] = {
    {ID_CHECK_ZOD, "&Check Zod...\tF4"},  {0, nullptr},
    {ID_IMPORT_PROPOSAL, "&Import Proposal..."}, {ID_EXPORT_PROPOSAL, "&Export Proposal..."},
    {0, nullptr},                         {ID_JOINT_BID, "Mark as &Joint bid\tCtrl-J"},
    {0, nullptr},                         {ID_DIGITAL_IDS, "Manage &Digital IDs..."},
    {ID_SUBMIT_ZOD, "&Submit Zod..."},    {ID_VIEW_SUBMITTED, "&View Submitted Bids..."},
    {0, nullptr},                         {ID_IMPORT_CONFIGURATION, "I&mport Configuration..."},
    {ID_EXPORT_CONFIGURATION, "E&xport Configuration..."}, {0, nullptr},
    {ID_OPTIONS, "&Options..."},
};
const MenuItemResource kView[] = {
    {ID_VIEW_TOOLBAR, "&Toolbar"}, {ID_VIEW_STATUS_BAR, "&Status Bar"}, {0, nullptr},
    {ID_ALTERNATE_UNITS, "Alternate &Units\tCtrl-U"}, {0, nullptr},
    {ID_TOGGLE_ITEM_GRID, "Item &Grid\tCtrl-G"},
};
const MenuItemResource kHelp[] = {
    {ID_HELP_FINDER, "&Help Topics\tF1"}, {0, nullptr}, {ID_APP_ABOUT, "&About Zod..."},
};
const MenuPopupResource kPopups[] = {
    {"&File", kFile, std::size(kFile)},    {"&Edit", kEdit, std::size(kEdit)},
    {"&Tools", kTools, std::size(kTools)}, {"&View", kView, std::size(kView)},
    {"&Help", kHelp, std::size(kHelp)},
};
const MenuResource kMainMenu{IDR_MAINFRAME, kPopups, std::size(kPopups)};

const AcceleratorResource kKeys[] = {
    {FCONTROL, 'C', ID_EDIT_COPY},        {FCONTROL, 'G', ID_TOGGLE_ITEM_GRID},
    {FCONTROL, 'J', ID_JOINT_BID},        {FCONTROL, 'L', ID_OPEN_LETTING},
    {FCONTROL, 'N', ID_FILE_NEW},         {FCONTROL, 'O', ID_FILE_OPEN},
    {FCONTROL, 'P', ID_FILE_PRINT},       {FCONTROL, 'R', ID_REFERENCE_PRICE},
    {FCONTROL, 'S', ID_FILE_SAVE},        {FCONTROL, 'U', ID_ALTERNATE_UNITS},
    {FCONTROL, 'V', ID_EDIT_PASTE},       {FALT, VK_BACK, ID_EDIT_UNDO},
    {FSHIFT, VK_DELETE, ID_EDIT_CUT},     {0, VK_F1, ID_HELP},
    {FSHIFT, VK_F1, ID_CONTEXT_HELP},     {0, VK_F1 + 1, ID_FILE_OPEN},
    {0, VK_F1 + 2, ID_FILE_SAVE},         {0, VK_F1 + 3, ID_CHECK_ZOD},
    {0, VK_F1 + 4, ID_FILE_PRINT},        {0, VK_F1 + 5, ID_NEXT_PANE},
    {FSHIFT, VK_F1 + 5, ID_PREV_PANE},    {0, VK_F1 + 8, ID_JOINT_BID},
    {FCONTROL, 'X', ID_EDIT_CUT},         {FCONTROL, 'Z', ID_EDIT_UNDO},
};
const AcceleratorTable kAccelerators{IDR_MAINFRAME, kKeys, std::size(kKeys)};

} // namespace

void RegisterMenus()
{
    static const platform::ResourceRegistration<MenuResource> menu{kMainMenu};
    static const platform::ResourceRegistration<AcceleratorTable> keys{kAccelerators};
}

} // namespace resources
