// Form templates of the section, alternate and option views and of the firm item grid view, in
// dialog units of their font.
#include "platform/ui/controls/Static.h"
#include "platform/ui/dialogs/DialogTemplate.h"
#include "resources/Resources.h"

namespace resources {
namespace {

using namespace dlg;

constexpr const char* kFace = "MS Sans Serif";
constexpr DWORD kValueBox = SS_SUNKEN | SS_NOPREFIX | SS_CENTERIMAGE;

// The section's number and total in boxes beside their labels, its alternate code above the right
// end of the description, which takes the rest of the view.
const DialogItemTemplate kSection[] = {
    LText("Section Number:", 0, 10, 12, 62, 8),
    LText("", 1036, 76, 10, 70, 12, kValueBox),
    LText("Section Total:", 0, 10, 28, 62, 8),
    LText("", 1037, 76, 26, 70, 12, kValueBox | SS_RIGHT),
    LText("Description:", 0, 10, 46, 62, 8),
    LText("", 1008, 250, 44, 60, 12, kValueBox | SS_CENTER),
    LText("", 1005, 10, 60, 300, 80, SS_SUNKEN | SS_NOPREFIX),
};

const DialogItemTemplate kSectionNote[] = {
    LText("No proposal is open.", 1035, 10, 10, 320, 140, SS_NOPREFIX),
};

// The firm item grid takes the place of 1011 and then the whole view.
const DialogItemTemplate kFirmItemGrid[] = {
    Placeholder(1011, 0, 0, 20, 20),
};

const DialogTemplate kTemplates[] = {
    {130, nullptr, 320, 150, kFace, 8, kSection, std::size(kSection)},
    {134, nullptr, 340, 160, kFace, 8, kSectionNote, std::size(kSectionNote)},
    {314, nullptr, 20, 20, kFace, 8, kFirmItemGrid, std::size(kFirmItemGrid)},
};

} // namespace

void RegisterSectionAndFirmForms()
{
    RegisterDialogTemplates(kTemplates);
}

} // namespace resources
