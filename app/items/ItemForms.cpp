#include "app/items/ItemForms.h"

#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/dialogs/DialogTemplate.h"

#include <iterator>
#include <memory>
#include <vector>

namespace {

using namespace dlg;

constexpr const char* kFace = "MS Sans Serif";
constexpr DWORD kValue = SS_SUNKEN | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
constexpr DWORD kAmount = SS_SUNKEN | SS_NOPREFIX | SS_RIGHT;
constexpr DWORD kEntry = ES_RIGHT | ES_AUTOHSCROLL;

// Labels at the left, values in sunken boxes beside them, rows 16 units apart.
const DialogItemTemplate kItem[] = {
    LText("Line Number:", 0, 7, 9, 52, 8),
    LText("", 1000, 62, 7, 70, 12, kValue),
    LText("Item Number:", 0, 146, 9, 48, 8),
    LText("", 1001, 196, 7, 110, 12, kValue),
    LText("Alternate:", 0, 7, 25, 52, 8),
    LText("", 1008, 62, 23, 70, 12, kValue),
    LText("Quantity:", 0, 7, 41, 52, 8),
    EditText(1002, 62, 39, 70, 12, kEntry),
    LText("Unit:", 0, 146, 41, 48, 8),
    LText("", 1006, 196, 39, 70, 12, kValue),
    LText("Unit Price:", 0, 7, 57, 52, 8),
    EditText(1007, 62, 55, 70, 12, kEntry),
    Hidden(LText("Fixed Price", 1009, 146, 57, 60, 8)),
    LText("Extension:", 0, 7, 73, 52, 8),
    LText("", 1004, 62, 71, 70, 12, kAmount),
    Hidden(AutoCheckBox("Use It", 1081, 146, 72, 60, 10)),
    LText("Description:", 0, 7, 91, 60, 8),
    LText("", 1005, 7, 102, 299, 76, SS_SUNKEN | SS_NOPREFIX),
    PushButton("Prev Item", 1011, 192, 186, 55, 14),
    PushButton("Next Item", 1010, 251, 186, 55, 14),
};

const DialogItemTemplate kSchedule[] = {
    LText("Contract ID:", 0, 7, 9, 60, 8),
    LText("", 1015, 70, 7, 120, 12, kValue),
    LText("Call Order:", 0, 7, 25, 60, 8),
    LText("", 1016, 70, 23, 120, 12, kValue),
    LText("Letting Date:", 0, 7, 41, 60, 8),
    LText("", 1018, 70, 39, 120, 12, kValue),
    LText("Total Items:", 0, 7, 57, 60, 8),
    LText("", 1033, 70, 55, 50, 12, kAmount),
    LText("Total Sections:", 0, 7, 73, 60, 8),
    LText("", 1026, 70, 71, 50, 12, kAmount),
    LText("Zod Total:", 0, 7, 89, 60, 8),
    LText("", 1025, 70, 87, 120, 12, kAmount),
};

// The grid takes the place of 1011; the total's label and value lie in the strip under it.
const DialogItemTemplate kItemGrid[] = {
    Placeholder(1011, 0, 0, 300, 160, WS_TABSTOP),
    RText("Items Total:", 1012, 160, 166, 56, 8),
    LText("", 1013, 220, 164, 80, 12, kAmount),
};

const DialogItemTemplate kSiteGrid[] = {
    Placeholder(1011, 0, 0, 300, 160, WS_TABSTOP),
    RText("Time Total:", 1127, 160, 166, 56, 8),
    LText("", 1128, 220, 164, 80, 12, kAmount),
};

const DialogTemplate kForms[] = {
    {131, nullptr, 313, 207, kFace, 8, kItem, std::size(kItem)},
    {132, nullptr, 300, 180, kFace, 8, kItemGrid, std::size(kItemGrid)},
    {133, nullptr, 200, 106, kFace, 8, kSchedule, std::size(kSchedule)},
    {311, nullptr, 300, 180, kFace, 8, kSiteGrid, std::size(kSiteGrid)},
};

} // namespace

void RegisterItemForms()
{
    static const auto registered = [] {
        std::vector<std::unique_ptr<platform::ResourceRegistration<DialogTemplate>>> all;
        for (const DialogTemplate& form : kForms)
            all.push_back(std::make_unique<platform::ResourceRegistration<DialogTemplate>>(form));
        return all;
    }();
    (void)registered;
}
