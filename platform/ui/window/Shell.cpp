#include "platform/ui/window/Shell.h"

#include "platform/ui/window/PathText.h"
#include "platform/ui/window/WinText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMimeData>
#include <QUrl>

namespace platform {

bool SetClipboardText(const std::string& cp1252)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(ToQString(cp1252));
    return true;
}

std::optional<std::string> GetClipboardText()
{
    if (!ClipboardHasText())
        return std::nullopt;
    return FromQString(QGuiApplication::clipboard()->text());
}

bool ClipboardHasText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasText();
}

bool OpenUrl(const std::string& url)
{
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    return parsed.isValid() && !parsed.scheme().isEmpty() && QDesktopServices::openUrl(parsed);
}

void Beep()
{
    QApplication::beep();
}

} // namespace platform
