#pragma once

// How recorded drawing calls read: "FillRect 0,0,10,10 #ffffff".
#include "platform/ui/draw/GdiObjects.h"

#include <QRect>
#include <QRegion>
#include <string>
#include <string_view>

namespace platform::dcrecord {

inline QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

std::string Rect(const RECT& r);           // "l,t,r,b"
std::string Point(int x, int y);           // "x,y"
std::string Color(COLORREF c);             // "#rrggbb"
std::string Pen(const CPen& pen);          // "solid 1 #000000"
std::string Font(const CFont& font);       // "SelectFont \"Arial\" -11 400"
std::string Quoted(std::string_view text); // the bytes in double quotes
std::string Region(const QRegion& region); // its rectangles, "l,t,r,b;l,t,r,b"
std::string Hex(UINT value);               // "0x25"

} // namespace platform::dcrecord
