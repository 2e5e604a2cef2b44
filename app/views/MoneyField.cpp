#include "app/views/MoneyField.h"

#include "platform/ui/controls/WholeText.h"
#include "platform/ui/window/Wnd.h"

void ShowMoney(CWnd* field, std::string_view text)
{
    if (!field)
        return;
    field->SetWindowText(text);
    WidenToWholeText(*field);
}
