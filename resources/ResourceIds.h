#pragma once

// Ids of the program's resources and of the commands its menus, toolbar and accelerators name.
#include "platform/ui/docview/FrameworkIds.h"

namespace resources {

enum : unsigned {
    IDR_MAINFRAME = 128,  // menu, accelerators, toolbar, document string
    IDS_REGISTRY_BASE = 129,
    IDB_TREE_STATES = 131,
    IDI_ZOD = 222, // the window icon
    IDS_TOTAL_LABEL = 305,
    IDS_TOTAL = 306,
};

// Commands of the program's own.
enum : unsigned {
    ID_OPEN_AMENDMENT = 32771,
    ID_REFERENCE_PRICE = 32772,
    ID_CHECK_ZOD = 32774,
    ID_IMPORT_PROPOSAL = 32775,
    ID_EXPORT_PROPOSAL = 32776,
    ID_JOINT_BID = 32777,
    ID_DIGITAL_IDS = 32779,
    ID_SUBMIT_ZOD = 32780,
    ID_OPTIONS = 32782,
    ID_GRID_VIEW = 32783,
    ID_TREE_VIEW = 32787,
    ID_ALTERNATE_UNITS = 32789,
    ID_TOGGLE_ITEM_GRID = 32790,
    ID_ADD_DBE = 32800,
    ID_ADD_MBE = 32801,
    ID_ADD_WBE = 32802,
    ID_DELETE_DBE = 32803,
    ID_DELETE_MBE = 32804,
    ID_DELETE_WBE = 32805,
    ID_ADD_DBE_ITEM = 32806,
    ID_ADD_MBE_ITEM = 32807,
    ID_ADD_WBE_ITEM = 32808,
    ID_DELETE_DBE_ITEM = 32809,
    ID_DELETE_MBE_ITEM = 32810,
    ID_DELETE_WBE_ITEM = 32811,
    ID_VIEW_SUBMITTED = 32812,
    ID_PRINT_QUOTE = 32813,
    ID_IMPORT_CONFIGURATION = 32816,
    ID_EXPORT_CONFIGURATION = 32817,
    ID_OPEN_LETTING = 32819,
    ID_NEW_INSTALLATION = 32899,
};

} // namespace resources
