#include "app/startup/QtStartup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kHeadlessHint =
    "To run Zod without a display, start it with QT_QPA_PLATFORM=offscreen.";

bool IsUnset(const char* variable)
{
    return variable == nullptr || *variable == '\0';
}

// "-platform name" on the command line wins over QT_QPA_PLATFORM, as in Qt.
std::string RequestedPlatform(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return argv[i + 1];
    const char* variable = std::getenv("QT_QPA_PLATFORM");
    return variable ? variable : "";
}

void SayNoWindow(const std::string& reason)
{
    std::fprintf(stderr, "Zod cannot open its window: %s. %s\n", reason.c_str(), kHeadlessHint);
}

// Qt's messages while the platform starts: a fatal one ends the program with one line of ours
// instead of an abort; the others are shown once Qt has started.
std::vector<QString>& HeldMessages()
{
    static std::vector<QString> messages;
    return messages;
}

void HoldStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        const QString first = HeldMessages().empty() ? text : HeldMessages().front();
        SayNoWindow(first.section('\n', 0, 0).trimmed().toStdString());
        std::_Exit(1);
    }
    HeldMessages().push_back(text);
}

} // namespace

std::string MissingDisplayMessage(const std::string& platform, const char* display,
                                  const char* waylandDisplay)
{
    const std::string name = platform.substr(0, platform.find(':'));
    if (name.empty() && IsUnset(display) && IsUnset(waylandDisplay))
        return "no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    if (name == "xcb" && IsUnset(display))
        return "no X display was found (DISPLAY is not set)";
    if (name.rfind("wayland", 0) == 0 && IsUnset(waylandDisplay))
        return "no Wayland display was found (WAYLAND_DISPLAY is not set)";
    return {};
}

std::unique_ptr<QApplication> MakeQtApplication(int& argc, char** argv)
{
    const std::string missing = MissingDisplayMessage(RequestedPlatform(argc, argv),
                                                      std::getenv("DISPLAY"),
                                                      std::getenv("WAYLAND_DISPLAY"));
    if (!missing.empty()) {
        SayNoWindow(missing);
        return nullptr;
    }
    const QtMessageHandler previous = qInstallMessageHandler(HoldStartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : HeldMessages())
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    HeldMessages().clear();
    return application;
}
