#include "platform/ui/draw/SystemMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <array>

namespace {

constexpr std::array<COLORREF, 25> kColors = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0),       // desktop
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application workspace
    RGB(0, 120, 215),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // grey text
    RGB(0, 0, 0),       // button text
    RGB(0, 0, 0),       // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3-D dark shadow
    RGB(227, 227, 227), // 3-D light
    RGB(0, 0, 0),       // tool-tip text
    RGB(255, 255, 225), // tool-tip background
};

int ScreenExtent(bool width)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return width ? 1024 : 768;
    return width ? screen->geometry().width() : screen->geometry().height();
}

} // namespace

COLORREF GetSysColor(int index)
{
    return index >= 0 && index < int(kColors.size()) ? kColors[size_t(index)] : 0;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return ScreenExtent(true);
    case SM_CYSCREEN: return ScreenExtent(false);
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL:
    case SM_CYVTHUMB: case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXICON: case SM_CYICON: return 32;
    case SM_CYMENU: return 20;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    default: return 0;
    }
}
