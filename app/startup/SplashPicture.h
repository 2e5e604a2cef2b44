#pragma once

#include <QImage>

#include <string>

// The splash picture: the program's name and version over a road running into the distance.
QImage DrawSplashPicture(const std::string& version);
