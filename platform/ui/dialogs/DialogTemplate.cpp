#include "platform/ui/dialogs/DialogTemplate.h"

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/draw/GdiObjects.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace platform {
namespace {

int MulDiv(int value, int numerator, int denominator)
{
    // Rounded to the nearest, halves away from zero, as the platform's MulDiv.
    const long long product = (long long)value * numerator;
    const long long half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

int ScreenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? int(screen->logicalDotsPerInchY() + 0.5) : 96;
}

std::unique_ptr<CWnd> MakeControl(ControlClass kind)
{
    switch (kind) {
    case ControlClass::Static: return std::make_unique<CStatic>();
    case ControlClass::Button: return std::make_unique<CButton>();
    case ControlClass::Edit: return std::make_unique<CEdit>();
    case ControlClass::ComboBox: return std::make_unique<CComboBox>();
    case ControlClass::ListBox: return std::make_unique<CListBox>();
    case ControlClass::ScrollBar: return std::make_unique<CScrollBar>();
    case ControlClass::Window: return std::make_unique<CWnd>();
    }
    return nullptr;
}

CRect PixelRect(const DialogItemTemplate& item, const DialogBaseUnits& base)
{
    const int left = DialogUnitsToPixelsX(item.x, base);
    const int top = DialogUnitsToPixelsY(item.y, base);
    return CRect(left, top, left + DialogUnitsToPixelsX(item.cx, base),
                 top + DialogUnitsToPixelsY(item.cy, base));
}

bool TakesFocus(const QWidget* widget)
{
    return widget->focusPolicy() & Qt::TabFocus;
}

// Tab order follows the table; a label's mnemonic goes to the next control that takes focus.
void LinkControls(const ControlList& made)
{
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < made.size(); ++i) {
        QWidget* widget = made[i]->GetWidget();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            for (std::size_t j = i + 1; j < made.size(); ++j) {
                if (!TakesFocus(made[j]->GetWidget()))
                    continue;
                label->setBuddy(made[j]->GetWidget());
                made[i]->SetWindowText(made[i]->GetWindowText()); // shows the mnemonic now
                break;
            }
        }
        if (!TakesFocus(widget))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

bool CreateDialogFont(const DialogTemplate& dialogTemplate, const std::optional<DialogFont>& font,
                      CFont& made)
{
    const std::string face = font ? font->face : std::string(dialogTemplate.fontFace ? dialogTemplate.fontFace : "");
    const int points = font ? font->pointSize : dialogTemplate.pointSize;
    const int dpi = font && font->dpi > 0 ? font->dpi : ScreenDpi();
    made.DeleteObject();
    return made.CreateFont(-MulDiv(std::max(points, 1), dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0,
                           0, 0, 0, 0, face.c_str());
}

DialogBaseUnits BaseUnitsOf(const CFont& font)
{
    // The average width of the letters, rounded, and the height of a line: what the platform
    // measures a dialog font by.
    const QFontMetrics metrics(font.QtFont());
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int DialogUnitsToPixelsX(int units, const DialogBaseUnits& base)
{
    return MulDiv(units, base.cx, 4);
}

int DialogUnitsToPixelsY(int units, const DialogBaseUnits& base)
{
    return MulDiv(units, base.cy, 8);
}

BuiltDialog BuildDialogTemplate(CWnd& owner, const DialogTemplate& dialogTemplate, CFont& font)
{
    BuiltDialog built;
    const DialogBaseUnits base = BaseUnitsOf(font);
    built.size = CSize(DialogUnitsToPixelsX(dialogTemplate.cx, base),
                       DialogUnitsToPixelsY(dialogTemplate.cy, base));
    for (std::size_t i = 0; i < dialogTemplate.count; ++i) {
        const DialogItemTemplate& item = dialogTemplate.items[i];
        std::unique_ptr<CWnd> control = MakeControl(item.kind);
        CRect place = PixelRect(item, base);
        if (!control || !control->CreateEx(item.exStyle, nullptr, item.text, item.style | WS_CHILD,
                                           place, &owner, item.id))
            return {};
        control->SetFont(&font, false);
        // A combo box's height is its list's; the box itself is as high as its font needs.
        if (auto* box = qobject_cast<QComboBox*>(control->GetWidget())) {
            place.bottom = place.top + box->sizeHint().height();
            control->MoveWindow(&place, false);
        }
        built.controls.push_back(std::move(control));
    }
    LinkControls(built.controls);
    return built;
}

} // namespace platform
