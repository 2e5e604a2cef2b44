#include "app/startup/BidApp.h"
#include "app/startup/QtStartup.h"

#include <QTimer>

#include <cstdlib>

namespace {

// For the start-up benchmark and smoke test: the whole start and shut-down with nobody there to
// close the window. Showing the splash runs the event loop before the main window exists, so
// the close waits for it.
void CloseMainWindowOnceMade(CBidApp& app)
{
    QTimer::singleShot(0, qApp, [&app] {
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->PostMessage(WM_CLOSE);
        else
            CloseMainWindowOnceMade(app);
    });
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QApplication> qtApplication = MakeQtApplication(argc, argv);
    if (!qtApplication)
        return 1;
    CBidApp app;
    if (std::getenv("ZOD_CLOSE_AFTER_START") != nullptr)
        CloseMainWindowOnceMade(app);
    return app.Run(argc, argv);
}
