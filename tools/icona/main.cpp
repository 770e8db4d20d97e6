// Draws the program's desktop icon, three rising bars in the chart's bracket colours and a euro
// sign, as the PNG files of every hicolor size and as one scalable SVG.
// Usage: icona <hicolor-folder>
// The icons are committed below assets/icons/hicolor; run this tool only to redraw them.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <array>

namespace {

// Every shape is given on a 256-pixel square and scaled to the size drawn.
constexpr double designSize = 256;
constexpr std::array<int, 6> pixelSizes{16, 32, 48, 64, 128, 256};
const QString iconName = QStringLiteral("vareldo");

struct Shape {
    QRectF box;
    double radius;
    QColor colour;
};

const QColor ink(0x1a, 0x1a, 0x1a);

// An orange frame round a white card; red, blue and green are the colours of the three
// brackets in the program's chart.
const std::array<Shape, 5> shapes{{
    {QRectF(8, 8, 240, 240), 44, QColor(0xf2, 0x8c, 0x1c)},
    {QRectF(26, 26, 204, 204), 30, Qt::white},
    {QRectF(54, 142, 42, 62), 5, QColor(0xff, 0x00, 0x00)},
    {QRectF(107, 110, 42, 94), 5, QColor(0x00, 0x00, 0xff)},
    {QRectF(160, 74, 42, 130), 5, QColor(0x00, 0x80, 0x00)},
}};

struct Baseline {
    QPointF from;
    QPointF to;
    double width;
};
const Baseline baseline{QPointF(44, 210), QPointF(212, 210), 7};

const QRectF euroBox(36, 26, 110, 104);

// The euro sign as an outline, centred in its box, so that the PNG files and the SVG show the
// same glyph whatever fonts the viewer has.
QPainterPath euroSign()
{
    QFont font;
    font.setFamilies({QStringLiteral("Open Sans"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(84);
    font.setWeight(QFont::ExtraBold);
    const QString euro = QStringLiteral("€");
    const QFontMetricsF metrics(font);
    const QPointF origin(euroBox.center().x() - metrics.horizontalAdvance(euro) / 2,
                         euroBox.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath path;
    path.addText(origin, font, euro);
    // Glyph outlines are drawn for the non-zero rule; overlapping strokes must not cut holes.
    path.setFillRule(Qt::WindingFill);
    return path;
}

QImage drawIcon(int size, const QPainterPath& euro)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);
    for (const Shape& shape : shapes) {
        QPainterPath path;
        path.addRoundedRect(shape.box, shape.radius, shape.radius);
        painter.fillPath(path, shape.colour);
    }
    painter.setPen(QPen(ink, baseline.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(baseline.from, baseline.to);
    painter.fillPath(euro, ink);
    return icon;
}

QString svgPathData(const QPainterPath& path)
{
    QString data;
    QTextStream out(&data);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            out << 'M' << element.x << ' ' << element.y;
            break;
        case QPainterPath::LineToElement:
            out << 'L' << element.x << ' ' << element.y;
            break;
        case QPainterPath::CurveToElement:
            out << 'C' << element.x << ' ' << element.y;
            break;
        case QPainterPath::CurveToDataElement:
            out << ' ' << element.x << ' ' << element.y;
            break;
        }
    }
    return data;
}

QString colourName(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString drawSvg(const QPainterPath& euro)
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << designSize << "\" height=\""
        << designSize << "\" viewBox=\"0 0 " << designSize << ' ' << designSize << "\">\n";
    for (const Shape& shape : shapes) {
        out << "  <rect x=\"" << shape.box.x() << "\" y=\"" << shape.box.y() << "\" width=\""
            << shape.box.width() << "\" height=\"" << shape.box.height() << "\" rx=\""
            << shape.radius << "\" fill=\"" << colourName(shape.colour) << "\"/>\n";
    }
    out << "  <line x1=\"" << baseline.from.x() << "\" y1=\"" << baseline.from.y() << "\" x2=\""
        << baseline.to.x() << "\" y2=\"" << baseline.to.y() << "\" stroke=\"" << colourName(ink)
        << "\" stroke-width=\"" << baseline.width << "\" stroke-linecap=\"round\"/>\n"
        << "  <path fill=\"" << colourName(ink) << "\" fill-rule=\"nonzero\" d=\""
        << svgPathData(euro) << "\"/>\n"
        << "</svg>\n";
    return svg;
}

bool makeFolderFor(const QString& path) { return QDir().mkpath(QFileInfo(path).path()); }

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    const QByteArray contents = text.toUtf8();
    return makeFolderFor(path) && file.open(QIODevice::WriteOnly)
        && file.write(contents) == contents.size();
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
        errors << "usage: icona <hicolor-folder>\n";
        return 2;
    }
    const QDir hicolor(arguments.at(1));
    const QPainterPath euro = euroSign();
    for (int size : pixelSizes) {
        const QString path = hicolor.filePath(
            QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(iconName));
        if (!makeFolderFor(path) || !drawIcon(size, euro).save(path, "PNG")) {
            errors << "cannot write " << path << '\n';
            return 1;
        }
    }
    const QString svgPath = hicolor.filePath(QStringLiteral("scalable/apps/%1.svg").arg(iconName));
    if (!writeText(svgPath, drawSvg(euro))) {
        errors << "cannot write " << svgPath << '\n';
        return 1;
    }
    return 0;
}
