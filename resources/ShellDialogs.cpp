// Dialog templates of the application shell's dialogs, in dialog units of their font.
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "resources/Resources.h"

namespace resources {
namespace {

using namespace dlg;

constexpr const char* kFace = "MS Sans Serif";
constexpr UINT kList = 1045;

// The bidder ID request. Its lower part, the company details, is hidden until asked for by
// taking 280 pixels off the dialog: at the screen's usual resolution the details take exactly
// the bottom 187 dialog units (8-point font: 1.5 pixels a unit).
const DialogItemTemplate kBidderId[] = {
    LText("", 1044, 7, 7, 182, 36),
    LText("Agency:", 0, 7, 48, 50, 8),
    LText("", 1043, 60, 48, 129, 8, SS_NOPREFIX),
    LText("&Bidder ID:", 0, 7, 62, 50, 8),
    EditText(1042, 60, 60, 129, 12),
    DefPushButton("OK", IDOK, 198, 7, 60, 14),
    PushButton("Cancel", IDCANCEL, 198, 24, 60, 14),
    PushButton("&More Details ...", 3, 198, 59, 60, 14),
    GroupBox("Company Details", 0, 7, 79, 251, 178),
    LText("Company &name:", 0, 15, 97, 55, 8),
    EditText(300, 74, 95, 176, 12),
    LText("Address &1:", 0, 15, 115, 55, 8),
    EditText(301, 74, 113, 176, 12),
    LText("Address &2:", 0, 15, 133, 55, 8),
    EditText(302, 74, 131, 176, 12),
    LText("&City:", 0, 15, 151, 55, 8),
    EditText(303, 74, 149, 176, 12),
    LText("&State:", 0, 15, 169, 55, 8),
    EditText(305, 74, 167, 50, 12),
    RText("&Zip:", 0, 130, 169, 28, 8),
    EditText(306, 162, 167, 88, 12),
    LText("&Phone:", 0, 15, 187, 55, 8),
    EditText(304, 74, 185, 176, 12),
    LText("&Fax:", 0, 15, 205, 55, 8),
    EditText(307, 74, 203, 176, 12),
    LText("Pa&ger:", 0, 15, 223, 55, 8),
    EditText(308, 74, 221, 176, 12),
    LText("&E-mail:", 0, 15, 241, 55, 8),
    EditText(309, 74, 239, 176, 12),
};

// A list with OK and another button under it. Check Zod's messages are long: a wider list.
const DialogItemTemplate kAmendmentChanges[] = {
    ListBox(kList, 7, 7, 286, 158, LBS_NOTIFY),
    DefPushButton("OK", IDOK, 187, 172, 50, 14),
    PushButton("Print", 1138, 243, 172, 50, 14),
};
const DialogItemTemplate kBidErrors[] = {
    ListBox(kList, 7, 7, 406, 178, LBS_NOTIFY),
    DefPushButton("OK", IDOK, 307, 192, 50, 14),
    PushButton("Print Errors", 1137, 363, 192, 50, 14),
};

// A list to choose from, OK and Cancel beside it.
const DialogItemTemplate kChoose[] = {
    ListBox(kList, 7, 7, 136, 146, LBS_NOTIFY),
    DefPushButton("OK", IDOK, 150, 7, 50, 14),
    PushButton("Cancel", IDCANCEL, 150, 24, 50, 14),
};

// The copy to a removable drive after saving; the note in place of the list when none is there.
const DialogItemTemplate kRemovableDrive[] = {
    LText("File Saved.", 0, 7, 7, 216, 8),
    LText("Would you also like to save the file to a removable drive?", 0, 7, 19, 216, 8),
    ListBox(kList, 7, 33, 150, 44, LBS_NOTIFY),
    Hidden(LText("No removable drive is mounted.", 1083, 7, 35, 150, 20)),
    DefPushButton("Save to Drive", 4, 164, 33, 59, 14),
    PushButton("Cancel", IDCANCEL, 164, 51, 59, 14),
    AutoCheckBox("Continue to ask this in the future", 1082, 7, 84, 216, 10),
};

const DialogItemTemplate kNewInstallation[] = {
    CText("Welcome to\nTarvello Zod!", 1129, 7, 7, 216, 34),
    LText("Before you can get started, Zod needs to collect some information about your company.  "
          "Press OK to go to the Bidder Information window.", 0, 7, 48, 216, 32),
    DefPushButton("OK", IDOK, 90, 86, 50, 14),
};

// The picture (420 by 260 pixels, the splash's) at the top left, the buttons under it.
const DialogItemTemplate kAbout[] = {
    Item(ControlClass::Static, "", 308, SS_BITMAP, 0, 0, 280, 174),
    PushButton("Credits", 5, 166, 180, 50, 14),
    DefPushButton("OK", IDOK, 223, 180, 50, 14),
};

const DialogItemTemplate kDigitalIds[] = {
    LText("Digital IDs are used to submit, withdraw, or verify bids and to verify bonds "
          "electronically over the Internet", 0, 7, 7, 286, 18),
    ListBox(kList, 7, 30, 200, 110, LBS_NOTIFY),
    PushButton("Delete ID", 302, 213, 30, 80, 14),
    PushButton("Export ID To File", 1058, 213, 48, 80, 14),
    PushButton("Import ID From File", 1057, 213, 66, 80, 14),
    DefPushButton("OK", IDOK, 213, 108, 80, 14),
    PushButton("Cancel", IDCANCEL, 213, 126, 80, 14),
};

const DialogTemplate kTemplates[] = {
    {100, "About Tarvello Zod", 280, 201, kFace, 8, kAbout, std::size(kAbout)},
    {136, "Amendment Changes", 300, 193, kFace, 8, kAmendmentChanges, std::size(kAmendmentChanges)},
    {137, "Zod Errors", 420, 213, kFace, 8, kBidErrors, std::size(kBidErrors)},
    {138, "Bidder ID Not Found", 265, 264, kFace, 8, kBidderId, std::size(kBidderId)},
    {139, "New Installation", 230, 107, kFace, 8, kNewInstallation, std::size(kNewInstallation)},
    {142, "Digital IDs", 300, 147, kFace, 8, kDigitalIds, std::size(kDigitalIds)},
    {164, "Select Proposal", 207, 160, kFace, 8, kChoose, std::size(kChoose)},
    {207, "", 160, 92, kFace, 8, nullptr, 0},
    {210, "Tarvello Credits", 200, 150, kFace, 8, nullptr, 0},
    {212, "Zod - Save to Removable Drive", 230, 101, kFace, 8, kRemovableDrive, std::size(kRemovableDrive)},
    {312, "Select Letting", 207, 160, kFace, 8, kChoose, std::size(kChoose)},
};

} // namespace

void RegisterShellDialogs()
{
    RegisterDialogTemplates(kTemplates);
}

} // namespace resources
