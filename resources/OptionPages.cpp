// Dialog templates of the pages of the options sheet, in dialog units of their font. All pages
// are one size, so the sheet does not change size between them.
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/dialogs/DialogTemplate.h"
#include "resources/Resources.h"

namespace resources {
namespace {

using namespace dlg;

constexpr const char* kFace = "MS Sans Serif";
constexpr int kPageWidth = 352;
constexpr int kPageHeight = 196;
constexpr UINT kGrid = 1011;

// The company: labels on the left, the edits in the tab order of the record's texts.
const DialogItemTemplate kBidderInformation[] = {
    GroupBox("Company", 0, 7, 7, 338, 172),
    LText("Company &name:", 0, 17, 24, 62, 8),
    EditText(300, 82, 22, 253, 12),
    LText("Address &1:", 0, 17, 41, 62, 8),
    EditText(301, 82, 39, 253, 12),
    LText("Address &2:", 0, 17, 58, 62, 8),
    EditText(302, 82, 56, 253, 12),
    LText("&City:", 0, 17, 75, 62, 8),
    EditText(303, 82, 73, 253, 12),
    LText("&State:", 0, 17, 92, 62, 8),
    EditText(305, 82, 90, 60, 12),
    RText("&Zip:", 0, 150, 92, 30, 8),
    EditText(306, 184, 90, 151, 12),
    LText("&Phone:", 0, 17, 109, 62, 8),
    EditText(304, 82, 107, 253, 12),
    LText("&Fax:", 0, 17, 126, 62, 8),
    EditText(307, 82, 124, 253, 12),
    LText("Pa&ger:", 0, 17, 143, 62, 8),
    EditText(308, 82, 141, 253, 12),
    LText("&E-mail:", 0, 17, 160, 62, 8),
    EditText(309, 82, 158, 253, 12),
};

// The four row buttons under a grid.
#define ZOD_ROW_BUTTONS                                                                            \
    PushButton("&Insert Row", 301, 7, 177, 55, 14), PushButton("&Delete Row", 302, 66, 177, 55, 14), \
        PushButton("Row &Up", 1048, 125, 177, 55, 14), PushButton("Row D&own", 1047, 184, 177, 55, 14)

const DialogItemTemplate kAgencyIds[] = {
    Placeholder(kGrid, 7, 7, 338, 164, WS_TABSTOP),
    ZOD_ROW_BUTTONS,
};

const DialogItemTemplate kUnits[] = {
    LText("Units are searched from top to bottom.", 0, 7, 7, 338, 8),
    Placeholder(kGrid, 7, 19, 338, 152, WS_TABSTOP),
    ZOD_ROW_BUTTONS,
};

// The format at the top left, the two layout buttons at the top right, then the field grid.
#define ZOD_FORMAT_CHOOSER                                                                         \
    LText("&Format:", 0, 7, 9, 28, 8), ComboBox(300, 38, 7, 56, 100, CBS_DROPDOWNLIST | WS_VSCROLL)
#define ZOD_FORMAT_LAYOUT(getFormat)                                                               \
    PushButton("Restore Defaults", 1049, 202, 6, 68, 14), PushButton(getFormat, 1050, 274, 6, 71, 14), \
        Placeholder(kGrid, 7, 25, 338, 146, WS_TABSTOP), ZOD_ROW_BUTTONS

const DialogItemTemplate kExportFormat[] = {
    ZOD_FORMAT_CHOOSER,
    AutoCheckBox("Export Labels", 307, 102, 8, 64, 10),
    ZOD_FORMAT_LAYOUT("&Get Import Format"),
};

const DialogItemTemplate kImportFormat[] = {
    ZOD_FORMAT_CHOOSER,
    ZOD_FORMAT_LAYOUT("&Get Export Format"),
};

#undef ZOD_FORMAT_LAYOUT
#undef ZOD_FORMAT_CHOOSER
#undef ZOD_ROW_BUTTONS

// One colour: its name, its swatch (clickable for the form colours) and its "..." button.
#define ZOD_COLOR_ROW(name, y, swatch, swatchStyle, button)                                     \
    LText(name, 0, 190, y + 2, 66, 8), Item(ControlClass::Static, "", swatch, swatchStyle, 260, y, 46, 12), \
        PushButton("...", button, 312, y, 24, 12)

const DialogItemTemplate kMisc[] = {
    GroupBox("Options", 0, 7, 7, 165, 182),
    AutoCheckBox("Save Before Printing", 1064, 14, 22, 152, 10),
    AutoCheckBox("Check Before Printing", 1065, 14, 37, 152, 10),
    AutoCheckBox("Delete Warnings", 1066, 14, 52, 152, 10),
    AutoCheckBox("Show Splash Screen at Startup", 1067, 14, 67, 152, 10),
    AutoCheckBox("Save Window Position on Exit", 1068, 14, 82, 152, 10),
    AutoCheckBox("Ask to save to floppy when saving", 1082, 14, 97, 152, 10),
    AutoCheckBox("Automatically load Amendments", 1144, 14, 112, 152, 10),
    GroupBox("Colors", 0, 180, 7, 165, 182),
    AutoCheckBox("Enable Custom Colors", 1069, 190, 21, 148, 10),
    Hidden(LText("(Requires Hicolor Display)", 1035, 190, 22, 148, 8)),
    ZOD_COLOR_ROW("Form top:", 38, 1122, SS_NOTIFY, 1124),
    ZOD_COLOR_ROW("Form bottom:", 54, 1123, SS_NOTIFY, 1125),
    ZOD_COLOR_ROW("Grid top:", 70, 1126, 0, 1128),
    ZOD_COLOR_ROW("Grid bottom:", 86, 1127, 0, 1129),
    ZOD_COLOR_ROW("Grid selection:", 102, 1130, 0, 1132),
    ZOD_COLOR_ROW("Grid labels:", 118, 1131, 0, 1133),
    LText("Forms:", 0, 190, 139, 70, 8),
    LText("Grids:", 0, 266, 139, 70, 8),
    Item(ControlClass::Static, "", 1134, 0, 190, 149, 70, 32),
    Item(ControlClass::Static, "", 1135, 0, 266, 149, 70, 32),
};

#undef ZOD_COLOR_ROW

// The three ways to connect, one group; the proxy's address and port under them.
const DialogItemTemplate kProxy[] = {
    GroupBox("Connection", 0, 7, 7, 338, 112),
    AutoRadioButton("Direct Connection to the Internet", 1120, 17, 22, 200, 10, WS_GROUP | WS_TABSTOP),
    AutoRadioButton("Manual Proxy Configuration", 1121, 17, 37, 200, 10),
    AutoRadioButton("Use Windows Proxy Settings", 1122, 17, 52, 200, 10),
    LText("Proxy &server:", 0, 31, 73, 50, 8),
    EditText(1069, 84, 71, 150, 12),
    LText("&Port:", 0, 31, 92, 50, 8),
    EditText(1072, 84, 90, 40, 12),
};

const DialogTemplate kTemplates[] = {
    {102, "Misc.", kPageWidth, kPageHeight, kFace, 8, kMisc, std::size(kMisc)},
    {187, "Proxy", kPageWidth, kPageHeight, kFace, 8, kProxy, std::size(kProxy)},
    {200, "Bidder Information", kPageWidth, kPageHeight, kFace, 8, kBidderInformation, std::size(kBidderInformation)},
    {201, "Agency/ID", kPageWidth, kPageHeight, kFace, 8, kAgencyIds, std::size(kAgencyIds)},
    {202, "Export Format", kPageWidth, kPageHeight, kFace, 8, kExportFormat, std::size(kExportFormat)},
    {203, "Import Format", kPageWidth, kPageHeight, kFace, 8, kImportFormat, std::size(kImportFormat)},
    {206, "Units", kPageWidth, kPageHeight, kFace, 8, kUnits, std::size(kUnits)},
};

} // namespace

void RegisterOptionPages()
{
    RegisterDialogTemplates(kTemplates);
}

} // namespace resources
