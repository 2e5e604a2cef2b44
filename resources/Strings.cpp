// String tables: the document string, the status bar's texts and the commands' prompts. The
// default unit rows are the model's (model/settings/DefaultUnitRows), which has no Qt to read these.
#include "platform/ui/window/StringTable.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

namespace resources {
namespace {

const StringResource kProgram[] = {
    {IDR_MAINFRAME, "Zod\n\nBid\nProposal Files (*.tvb)\n.tvb\nBid.Document\nTarvello Zod Document"},
    {IDS_REGISTRY_BASE, "Software\\Wendrick\\Tarvello\\Zod"},
    {IDS_TOTAL_LABEL, "Zod Total:"},
    {IDS_TOTAL, "\t\t$0.00"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
};

// A command's prompt: the status bar's text, then after a newline its tool tip.
const StringResource kPrompts[] = {
    {ID_FILE_OPEN, "Open a Proposal File\nOpen Proposal"},
    {ID_OPEN_LETTING, "Open an entire Letting Open\nLetting"},
    {ID_OPEN_AMENDMENT, "Open a Proposal Amendment File\nOpen Amendment"},
    {ID_FILE_SAVE, "Save the Proposal/Zod\nSave"},
    {ID_FILE_SAVE_AS, "Save the bid with a new name\nSave As"},
    {ID_PRINT_QUOTE, "Print the quoted items in the active document\nPrint Quote"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_CHECK_ZOD, "Check Zod\nCheck Zod"},
    {ID_OPTIONS, "Zod Program Options"},
    {ID_JOINT_BID, "Toggle Joint Zod Flag"},
    {ID_IMPORT_PROPOSAL, "Import Proposal from a flat file"},
    {ID_EXPORT_PROPOSAL, "Export Proposal to a flat file"},
    {ID_EXPORT_CONFIGURATION,
     "Export Configuration.  Use this to share program settings for multiple users."},
    {ID_IMPORT_CONFIGURATION,
     "Import Configuration.  Use this to import settings from another Zod Installation"},
    {ID_GRID_VIEW, "Items in grid view\nGrid View"},
    {ID_TREE_VIEW, "Items in tree view\nTree View"},
    {ID_TOGGLE_ITEM_GRID, "Toggle between Item / Tree Views"},
    {ID_ALTERNATE_UNITS, "View Items Using Alternate Units"},
    {ID_SUBMIT_ZOD, "Submit Zod\nSubmit Zod"},
    {ID_DIGITAL_IDS, "Digital ID management"},
    {ID_VIEW_SUBMITTED, "View Submitted Bids"},
};

const StringTable kTables[] = {
    {1, kProgram, std::size(kProgram)},
    {2, kPrompts, std::size(kPrompts)},
};

} // namespace

void RegisterStrings()
{
    static const platform::ResourceRegistration<StringTable> program{kTables[0]};
    static const platform::ResourceRegistration<StringTable> prompts{kTables[1]};
}

} // namespace resources
