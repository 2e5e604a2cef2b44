#pragma once

#include <QApplication>

#include <memory>
#include <string>

// Why no window can be opened on the Qt platform asked for (platform empty: Qt's choice), with
// the display variables as set; empty when nothing is missing.
std::string MissingDisplayMessage(const std::string& platform, const char* display,
                                  const char* waylandDisplay);

// The Qt application object. Without a display it answers null after saying so in one line on
// standard error, with how to run headless, instead of letting Qt abort the process.
std::unique_ptr<QApplication> MakeQtApplication(int& argc, char** argv);
