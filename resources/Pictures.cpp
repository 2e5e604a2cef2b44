// The program's pictures, drawn for it: the toolbar's buttons, the proposal tree's states and the
// window icon. The splash and About picture is drawn in code (app/SplashPicture).
#include "platform/ui/controls/ToolBar.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/ResourceRegistry.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

namespace resources {
namespace {

#include "resources/pictures/icon.xpm"
#include "resources/pictures/toolbar.xpm"
#include "resources/pictures/tree.xpm"

const BitmapResource kPictures[] = {
    {IDR_MAINFRAME, kToolbarPicture},
    {IDB_TREE_STATES, kTreePicture},
    {IDI_ZOD, kIconPicture},
};

// One picture per button, 16 pixels wide, on light grey (the transparent colour).
const UINT kButtons[] = {
    ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR, ID_EDIT_COPY, ID_EDIT_PASTE, ID_SEPARATOR,
    ID_FILE_PRINT, ID_SEPARATOR, ID_CHECK_ZOD, ID_SUBMIT_ZOD, ID_SEPARATOR, ID_TOGGLE_ITEM_GRID,
    ID_SEPARATOR, ID_APP_ABOUT,
};
const ToolBarResource kToolBar{IDR_MAINFRAME, 16, kButtons, std::size(kButtons)};

} // namespace

void RegisterPictures()
{
    static const platform::ResourceRegistration<BitmapResource> toolbar{kPictures[0]};
    static const platform::ResourceRegistration<BitmapResource> tree{kPictures[1]};
    static const platform::ResourceRegistration<BitmapResource> icon{kPictures[2]};
    static const platform::ResourceRegistration<ToolBarResource> buttons{kToolBar};
}

} // namespace resources
