#include "platform/ui/QtText.h"

#include "platform/core/Codepage.h"

#include <QFile>

namespace platform {

QString ToQString(std::string_view cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string FromQString(const QString& text)
{
    return Utf8ToCp1252(text.toStdString());
}

QString PathToQString(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToLocal8(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace platform
