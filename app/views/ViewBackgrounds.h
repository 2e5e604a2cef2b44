#pragma once

// The background the user configured (plain, gradient from the top to the bottom colour, or a
// bitmap file), applied to a form view through its painter.
#include "app/startup/BidApp.h"

enum : int {
    BACKGROUND_PLAIN = 0,
    BACKGROUND_GRADIENT = 1,
    BACKGROUND_BITMAP = 2,
};

// With clearPlain a plain background removes the one set before; a bitmap is laid over
// bitmapBackColor (-1: none).
template <class View>
void ApplyConfiguredBackground(View& view, bool clearPlain, COLORREF bitmapBackColor)
{
    const CBidApp* app = GetBidApp();
    if (!app)
        return;
    switch (app->m_iBackgroundType) {
    case BACKGROUND_PLAIN:
        if (clearPlain)
            view.ClearBackground();
        break;
    case BACKGROUND_GRADIENT:
        view.SetBackgroundColors(app->m_crTopColor, app->m_crBottomColor, COLORREF(-1));
        break;
    case BACKGROUND_BITMAP:
        view.SetBackgroundBitmap(app->m_strBackgroundBitmap, bitmapBackColor, COLORREF(-1));
        break;
    default: break;
    }
}

// The top colour, under a bitmap.
inline COLORREF ConfiguredTopColor()
{
    const CBidApp* app = GetBidApp();
    return app ? app->m_crTopColor : COLORREF(-1);
}
