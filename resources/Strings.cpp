// String tables: the document string, the status bar's texts, the commands' prompts and the
// default unit rows.
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

// Unit, alternate unit, conversion formula, description.
const StringResource kUnits[] = {
    {200, "IN,mm,25.4,inch - millimeter"},
    {201, "IN,cm,2.54,inch - centimeter"},
    {202, "LF,m,0.304,linear foot - meter"},
    {203, "GLF,GLm,0.304,gross linear foot - gross linear meter"},
    {204, "L.F.,m,0.304,linear foot - meter"},
    {205, "FT,m,0.304,foot - meter"},
    {206, "YD,m,0.304 * 3,yard - meter"},
    {207, "MI,km,1.609344,mile - kilometer"},
    {208, "LM,Lkm,1.609344,linear mile - linear kilometer"},
    {209, "GLM,GLkm,1.609344,gross linear mile - gross linear kilometer"},
    {210, "MLF,m,304,1000 linear foot - meter"},
    {211, "SQIN,cm2,2.54 ^ 2,square inch - square centimeter"},
    {212, "SQIN,mm2,25.4 ^ 2,square inch - square millimeter"},
    {213, "SF,m2,0.304 ^ 2,square foot - square meter"},
    {214, "S.F.,m2,0.304 ^ 2,square foot - square meter"},
    {215, "SQFT,m2,0.304 ^ 2,square foot - square meter"},
    {216, "SY,m2,(0.304 * 3) ^ 2,square yard - square meter"},
    {217, "S.Y.,m2,(0.304 * 3) ^ 2,square yard - square meter"},
    {218, "SQYD,m2,(0.304 * 3) ^ 2,square yard - square meter"},
    {219, "ACRE,m2,4046.856,acre        - square meter"},
    {220, "SQMI,km2,1.609344 ^ 2,square mile - square kilometer"},
    {221, "MSY,m2,1000 *(0.304*3) ^2,1000 square yard - square meter"},
    {222, "CUIN,cm3,2.54 ^ 3,cubic inch - cubic centimeter"},
    {223, "CUIN,mm3,25.4 ^ 3,cubic inch - cubic millimeter"},
    {224, "CI,cm3,2.54 ^ 3,cubic inch - cubic centimeter"},
    {225, "C.I.,cm3,2.54 ^ 3,cubic inch - cubic centimeter"},
    {226, "CY,m3,(0.304 * 3) ^ 3,cubic yard - cubic meter"},
    {227, "C.Y.,m3,(0.304 * 3) ^ 3,cubic yard - cubic meter"},
    {228, "CUYD,m3,(0.304 * 3) ^ 3,cubic yard - cubic meter"},
    {229, "CF,m3,0.304 ^ 3,cubic foot - cubic meter"},
    {230, "C.F.,m3,0.304 ^ 3,cubic foot - cubic meter"},
    {231, "CUFT,m3,0.304 ^ 3,cubic foot - cubic meter"},
    {232, "ACFT,m3,4046.856 * 0.304,acre foot  - cubic meter"},
    {233, "GAL,l,3.78541,gallon     - litre"},
    {234, "GL,l,3.78541,gallon     - litre"},
    {235, "MGAL,l,3785.41,1000 gallon     - litre"},
    {236, "M/G,l,3785.41,1000 gallon     - litre"},
    {237, "BBL,l,3.78541 * 42,barrel(petroleum) - litre"},
    {238, "BF,m3,12^2 * 0.0254^3,Board Feet - cubic meter"},
    {239, "B.F.,m3,12^2 * 0.0254^3,Board Feet - cubic meter"},
    {240, "MBF,m3,12^2 * 0.0254^3*1000,1000 Board Feet - cubic meter"},
    {241, "LB,kg,0.453592,pound - kilogram"},
    {242, "TON,Mg,0.453592 * 2,ton - Megagram"},
    {243, "TON,mton,0.453592 * 2,ton - metric ton (Megagram)"},
    {244, "TN,Mg,0.453592 * 2,ton - Megagram"},
    {245, "CWT,kg,45.3592,100 lbs - kilogram"},
};

const StringTable kTables[] = {
    {1, kProgram, std::size(kProgram)},
    {2, kPrompts, std::size(kPrompts)},
    {3, kUnits, std::size(kUnits)},
};

} // namespace

void RegisterStrings()
{
    static const platform::ResourceRegistration<StringTable> program{kTables[0]};
    static const platform::ResourceRegistration<StringTable> prompts{kTables[1]};
    static const platform::ResourceRegistration<StringTable> units{kTables[2]};
}

} // namespace resources
