#pragma once

// The commands that the form views leave to the proposal tree, which owns printing and the
// firm commands: print, print quote, preview, and adding and deleting firms and firm items.
#include "platform/ui/docview/CmdTarget.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "resources/ResourceIds.h"

// Offers the command (or its update query) to the tree view of the main window; false when
// there is none or it did not handle it.
bool RouteToTreeView(UINT id, int code, void* extra);

// The map entries of a form view that passes these commands and their update queries on, to
// its OnTreeCommand and OnUpdateTreeCommand.
#define ON_TREE_COMMANDS()                                                                         \
    ON_COMMAND_RANGE(ID_FILE_PRINT, ID_FILE_PRINT, OnTreeCommand)                                  \
    ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, OnTreeCommand)                  \
    ON_COMMAND_RANGE(resources::ID_PRINT_QUOTE, resources::ID_PRINT_QUOTE, OnTreeCommand)          \
    ON_COMMAND_RANGE(resources::ID_ADD_DBE, resources::ID_DELETE_WBE_ITEM, OnTreeCommand)          \
    ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_PRINT, ID_FILE_PRINT, OnUpdateTreeCommand)                  \
    ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, OnUpdateTreeCommand)  \
    ON_UPDATE_COMMAND_UI_RANGE(resources::ID_PRINT_QUOTE, resources::ID_PRINT_QUOTE,               \
                               OnUpdateTreeCommand)                                                \
    ON_UPDATE_COMMAND_UI_RANGE(resources::ID_ADD_DBE, resources::ID_DELETE_WBE_ITEM, OnUpdateTreeCommand)

// The update query of a passed-on command: disabled when the tree does not answer it.
inline void UpdateTreeCommand(CCmdUI* ui)
{
    if (!RouteToTreeView(ui->m_nID, CN_UPDATE_COMMAND_UI, ui))
        ui->Enable(false);
}
