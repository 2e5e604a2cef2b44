#include "platform/ui/window/PathText.h"

#include "platform/core/Paths.h"

#include <QFile>

namespace platform {

QString PathToQString(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToLocal8(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string PathForDisplay(std::string_view path)
{
    return PathToText(path);
}

} // namespace platform
