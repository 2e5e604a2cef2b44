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

// A list with OK and another button under it.
const DialogItemTemplate kAmendmentChanges[] = {
    ListBox(kList, 7, 7, 286, 158, LBS_NOTIFY),
    DefPushButton("OK", IDOK, 187, 172, 50, 14),
    PushButton("&Print", 1138, 243, 172, 50, 14),
};
const DialogItemTemplate kBidErrors[] = {
    ListBox(kList, 7, 7, 286, 158, LBS_NOTIFY),
    DefPushButton("OK", IDOK, 187, 172, 50, 14),
    PushButton("Print &Errors", 1137, 243, 172, 50, 14),
};

// A list to choose from, OK and Cancel beside it.
const DialogItemTemplate kChoose[] = {
    ListBox(kList, 7, 7, 136, 146, LBS_NOTIFY),
    DefPushButton("OK", IDOK, 150, 7, 50, 14),
    PushButton("Cancel", IDCANCEL, 150, 24, 50, 14),
};

const DialogItemTemplate kFloppy[] = {
    LText("File Saved.", 0, 7, 7, 216, 8),
    LText("Would you also like to save the file to floppy disk?", 0, 7, 21, 216, 8),
    DefPushButton("Save to &A:", 4, 7, 40, 60, 14),
    PushButton("Save to &B:", 3, 73, 40, 60, 14),
    PushButton("Cancel", IDCANCEL, 163, 40, 60, 14),
    AutoCheckBox("&Continue to ask this in the future", 1082, 7, 64, 216, 10),
};

const DialogItemTemplate kNewInstallation[] = {
    CText("Welcome to\nTarvello Zod!", 1129, 7, 7, 216, 34),
    LText("Before you can get started, Zod needs to collect some information about your company.  "
          "Press OK to go to the Bidder Information window.", 0, 7, 48, 216, 32),
    DefPushButton("OK", IDOK, 90, 86, 50, 14),
};

// The picture (240 by 150 pixels) fills the upper left; the release line is painted right of it.
const DialogItemTemplate kAbout[] = {
    Item(ControlClass::Static, "", 308, SS_BITMAP, 0, 0, 160, 92),
    DefPushButton("OK", IDOK, 232, 100, 50, 14),
    PushButton("&Credits", 5, 176, 100, 50, 14),
};

const DialogItemTemplate kDigitalIds[] = {
    LText("Digital IDs are used to submit, withdraw, or verify bids and to verify bonds "
          "electronically over the Internet", 0, 7, 7, 236, 18),
    ListBox(kList, 7, 30, 170, 110, LBS_NOTIFY),
    PushButton("&Delete ID", 302, 183, 30, 60, 14),
    PushButton("&Export ID To File", 1058, 183, 48, 60, 14),
    PushButton("&Import ID From File", 1057, 183, 66, 60, 14),
    DefPushButton("OK", IDOK, 183, 108, 60, 14),
    PushButton("Cancel", IDCANCEL, 183, 126, 60, 14),
};

const DialogTemplate kTemplates[] = {
    {100, "About Tarvello Zod", 289, 121, kFace, 8, kAbout, std::size(kAbout)},
    {136, "Amendment Changes", 300, 193, kFace, 8, kAmendmentChanges, std::size(kAmendmentChanges)},
    {137, "Zod Errors", 300, 193, kFace, 8, kBidErrors, std::size(kBidErrors)},
    {138, "Bidder ID Not Found", 265, 264, kFace, 8, kBidderId, std::size(kBidderId)},
    {139, "New Installation", 230, 107, kFace, 8, kNewInstallation, std::size(kNewInstallation)},
    {142, "Digital IDs", 250, 147, kFace, 8, kDigitalIds, std::size(kDigitalIds)},
    {164, "Select Proposal", 207, 160, kFace, 8, kChoose, std::size(kChoose)},
    {207, "", 160, 92, kFace, 8, nullptr, 0},
    {210, "Tarvello Credits", 200, 150, kFace, 8, nullptr, 0},
    {212, "Zod - Save to Floppy", 230, 81, kFace, 8, kFloppy, std::size(kFloppy)},
    {312, "Select Letting", 207, 160, kFace, 8, kChoose, std::size(kChoose)},
};

} // namespace

void RegisterShellDialogs()
{
    static const std::vector<std::unique_ptr<platform::ResourceRegistration<DialogTemplate>>> registered = [] {
        std::vector<std::unique_ptr<platform::ResourceRegistration<DialogTemplate>>> all;
        for (const DialogTemplate& dialogTemplate : kTemplates)
            all.push_back(std::make_unique<platform::ResourceRegistration<DialogTemplate>>(dialogTemplate));
        return all;
    }();
}

} // namespace resources
