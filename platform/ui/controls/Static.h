#pragma once

// Static controls: texts (left, centred, right; word-wrapped unless told otherwise; "&" marks a
// mnemonic unless SS_NOPREFIX), bitmaps, and etched, sunken or coloured frames and rectangles.
// Without SS_NOTIFY a static lets clicks through to the window beneath it.
#include "platform/ui/window/Wnd.h"

constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;
constexpr DWORD SS_ICON = 0x0003;
constexpr DWORD SS_BLACKRECT = 0x0004;
constexpr DWORD SS_GRAYRECT = 0x0005;
constexpr DWORD SS_WHITERECT = 0x0006;
constexpr DWORD SS_BLACKFRAME = 0x0007;
constexpr DWORD SS_GRAYFRAME = 0x0008;
constexpr DWORD SS_WHITEFRAME = 0x0009;
constexpr DWORD SS_SIMPLE = 0x000B;
constexpr DWORD SS_LEFTNOWORDWRAP = 0x000C;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_ETCHEDHORZ = 0x0010;
constexpr DWORD SS_ETCHEDVERT = 0x0011;
constexpr DWORD SS_ETCHEDFRAME = 0x0012;
constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD SS_NOPREFIX = 0x0080;
constexpr DWORD SS_NOTIFY = 0x0100;
constexpr DWORD SS_CENTERIMAGE = 0x0200;
constexpr DWORD SS_SUNKEN = 0x1000;

constexpr UINT STN_CLICKED = 0;
constexpr UINT STN_DBLCLK = 1;

class CBitmap;
class QLabel;

class CStatic : public CWnd {
public:
    // SS_BITMAP statics: the picture shown (copied; null removes it); the previous one. Without
    // SS_CENTERIMAGE the control takes the bitmap's size.
    CBitmap* SetBitmap(CBitmap* bitmap);
    CBitmap* GetBitmap() const { return m_bitmap; }
    std::string GetClassName() const override { return "Static"; }

    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    bool CanAdopt(const QWidget* widget) const override;
    bool PaintsItself() const override { return false; }
    UINT CtlColorKind() const override { return CTLCOLOR_STATIC; }
    void ApplyStyle(DWORD oldStyle, DWORD oldExStyle) override;
    void SetWidgetText(const QString& text) override;
    QString WidgetText() const override { return m_text; }

private:
    QLabel* Label() const;
    void ShowText();

    QString m_text; // as set, mnemonic marks included
    CBitmap* m_bitmap = nullptr;
};
