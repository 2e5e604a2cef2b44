#pragma once

#include <QImage>

#include <string>

class CBitmap;

// The splash picture: the program's name and version over a road running into the distance.
QImage DrawSplashPicture(const std::string& version);
// The same picture as a bitmap to select into a memory DC (the splash window, the About box).
bool CreateSplashBitmap(CBitmap& bitmap, const std::string& version);
