// Told apart from the readers so that they stay free of the screen.
#include "app/grids/Refusal.h"

#include "platform/ui/dialogs/ModalServices.h"

void ShowRefusal(const TypedEntry& entry)
{
    ZodMessageBox(entry.refusal, "Invalid " + entry.field, MB_OK | MB_ICONEXCLAMATION);
}
