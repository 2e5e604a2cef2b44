#include "app/grids/GridColors.h"

#include "app/startup/BidApp.h"
#include "app/views/ViewBackgrounds.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <algorithm>

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kLightGrey = 0xE0E0E0;
constexpr COLORREF kPaleYellow = 0xFFFF40;

int Lighten(int channel)
{
    return channel + (255 - channel) / 2;
}

int Between(int from, int to, int i, int n)
{
    return from + (to - from) * i / n;
}

} // namespace

bool DisplayHasManyColors()
{
    CDC screen;
    return screen.GetDeviceCaps(BITSPIXEL) > 8;
}

bool IsGridColorMode(bool manyColors)
{
    const CBidApp* app = GetBidApp();
    return manyColors && app && app->m_iBackgroundType == BACKGROUND_GRADIENT;
}

COLORREF GridHighlightColor(bool manyColors)
{
    if (!manyColors)
        return kPaleYellow;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (face == kWhite)
        return kLightGrey;
    return RGB(Lighten(GetRValue(face)), Lighten(GetGValue(face)), Lighten(GetBValue(face)));
}

COLORREF GridShadeColor(int i, int n)
{
    const CBidApp* app = GetBidApp();
    const COLORREF top = app ? app->m_crGridTopColor : kWhite;
    const COLORREF bottom = app ? app->m_crGridBottomColor : kWhite;
    if (n <= 0)
        return top;
    i = std::clamp(i, 0, n);
    return RGB(Between(GetRValue(top), GetRValue(bottom), i, n), Between(GetGValue(top), GetGValue(bottom), i, n),
               Between(GetBValue(top), GetBValue(bottom), i, n));
}

COLORREF GridSelectionColor()
{
    const CBidApp* app = GetBidApp();
    return app ? app->m_crGridSelectionColor : GetSysColor(COLOR_HIGHLIGHT);
}

COLORREF GridLabelColor()
{
    const CBidApp* app = GetBidApp();
    return app ? app->m_crGridLabelColor : GetSysColor(COLOR_ACTIVECAPTION);
}
