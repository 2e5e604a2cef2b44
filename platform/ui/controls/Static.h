#pragma once

#include "platform/ui/window/Wnd.h"

constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;

// A label.
class CStatic : public CWnd {
protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    bool PaintsItself() const override { return false; }
    void SetWidgetText(const QString& text) override;
    QString WidgetText() const override;
};
