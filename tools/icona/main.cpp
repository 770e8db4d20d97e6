// Draws the program's desktop icon, three rising bars in the chart's bracket colours and a euro sign.
// Usage: icona <output.png>
// The icon is committed as assets/vareldo.png; run this tool only to redraw it.

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <array>

namespace {

constexpr int iconSize = 256;

struct Bar {
    QRect box;
    QColor colour;
};

// Red, blue and green are the colours of the three brackets in the program's chart.
const std::array<Bar, 3> bars{{
    {QRect(54, 142, 42, 62), QColor(0xff, 0x00, 0x00)},
    {QRect(107, 110, 42, 94), QColor(0x00, 0x00, 0xff)},
    {QRect(160, 74, 42, 130), QColor(0x00, 0x80, 0x00)},
}};

void drawFrame(QPainter& painter)
{
    QPainterPath outer;
    outer.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    painter.fillPath(outer, QColor(0xf2, 0x8c, 0x1c));
    QPainterPath inner;
    inner.addRoundedRect(QRectF(26, 26, 204, 204), 30, 30);
    painter.fillPath(inner, Qt::white);
}

void drawBars(QPainter& painter)
{
    for (const Bar& bar : bars) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(bar.box), 5, 5);
        painter.fillPath(shape, bar.colour);
    }
    painter.setPen(QPen(QColor(0x1a, 0x1a, 0x1a), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(44, 210, 212, 210);
}

void drawEuroSign(QPainter& painter)
{
    QFont font;
    font.setFamilies({QStringLiteral("Open Sans"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(84);
    font.setWeight(QFont::ExtraBold);
    painter.setFont(font);
    painter.setPen(QColor(0x1a, 0x1a, 0x1a));
    painter.drawText(QRect(36, 26, 110, 104), Qt::AlignCenter, QStringLiteral("€"));
}

QImage drawIcon()
{
    QImage icon(iconSize, iconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawFrame(painter);
    drawBars(painter);
    drawEuroSign(painter);
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    // The tool never shows a window; fonts still need a GUI platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream errors(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        errors << "usage: icona <output.png>\n";
        return 2;
    }
    const QString outputPath = arguments.at(1);
    if (!drawIcon().save(outputPath, "PNG")) {
        errors << "cannot write " << outputPath << '\n';
        return 1;
    }
    return 0;
}
