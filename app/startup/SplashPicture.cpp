#include "app/startup/SplashPicture.h"

#include "platform/ui/draw/GdiObjects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 260;
constexpr int kHorizon = 150;

QFont SplashFont(int pixels, bool bold)
{
    QFont font(platform::FontFamilyFor("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void DrawSky(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(18, 44, 82));
    sky.setColorAt(1, QColor(64, 122, 170));
    painter.fillRect(0, 0, kWidth, kHorizon, sky);
    painter.fillRect(0, kHorizon, kWidth, kHeight - kHorizon, QColor(92, 128, 74));
}

// A road narrowing to the horizon, its centre line dashed ever shorter.
void DrawRoad(QPainter& painter)
{
    const double vanishX = kWidth * 0.72;
    QPainterPath road;
    road.moveTo(vanishX - 4, kHorizon);
    road.lineTo(vanishX + 4, kHorizon);
    road.lineTo(kWidth + 40, kHeight);
    road.lineTo(kWidth * 0.30, kHeight);
    road.closeSubpath();
    painter.fillPath(road, QColor(58, 58, 62));

    const double baseX = kWidth * 0.30 + (kWidth + 40 - kWidth * 0.30) / 2;
    const auto lineX = [&](double y) {
        return vanishX + (baseX - vanishX) * (y - kHorizon) / (kHeight - kHorizon);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(246, 196, 48));
    for (double y = kHeight; y > kHorizon + 4;) {
        const double length = (y - kHorizon) * 0.28;
        const double width = 1 + (y - kHorizon) * 0.05;
        const double top = y - length;
        QPolygonF dash;
        dash << QPointF(lineX(y) - width, y) << QPointF(lineX(y) + width, y)
             << QPointF(lineX(top) + width * 0.8, top) << QPointF(lineX(top) - width * 0.8, top);
        painter.drawPolygon(dash);
        y = top - length * 0.8;
    }
}

void DrawTitle(QPainter& painter, const std::string& version)
{
    painter.setPen(QColor(255, 255, 255));
    painter.setFont(SplashFont(72, true));
    painter.drawText(QPoint(28, 92), "Zod");
    painter.setFont(SplashFont(18, false));
    painter.setPen(QColor(222, 234, 246));
    painter.drawText(QPoint(32, 122), QString::fromStdString("Version " + version));
    painter.setFont(SplashFont(13, false));
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRect(16, kHeight - 30, kWidth / 2, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     "Bids for public construction");
}

} // namespace

QImage DrawSplashPicture(const std::string& version)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSky(painter);
    DrawRoad(painter);
    DrawTitle(painter, version);
    painter.setPen(QColor(10, 24, 44));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
    return image;
}

bool CreateSplashBitmap(CBitmap& bitmap, const std::string& version)
{
    const QImage picture = DrawSplashPicture(version).convertToFormat(QImage::Format_RGB32);
    return bitmap.CreateBitmap(picture.width(), picture.height(), 1, 32, picture.constBits());
}
