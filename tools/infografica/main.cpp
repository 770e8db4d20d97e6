// Draws the infographic of the introduction page and saves it as a JPEG.
// Usage: infografica <output.jpg>
// The picture is committed as assets/infografica.jpg; run this tool only to redraw it.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <array>

namespace {

constexpr int pictureWidth = 768;
constexpr int pictureHeight = 582;
constexpr int jpegQuality = 90;

const QColor ink(0x1a, 0x1a, 0x1a);
const QColor softInk(0x55, 0x55, 0x55);
const QColor orange(0xf2, 0x8c, 0x1c);
const QColor hatchLine(0xc8, 0xc8, 0xc8);
const QColor trackBackground(0xf4, 0xf4, 0xf4);
const QColor bandGrey(0xe6, 0xe6, 0xe6);
const QColor figureRed(0xd0, 0x10, 0x10);

struct BracketRow {
    QString range;
    int ratePercent;
};

const std::array<BracketRow, 3> bracketRows{{
    {QStringLiteral("fino a 28.000"), 23},
    {QStringLiteral("da 28.000 a 50.000"), 35},
    {QStringLiteral("oltre 50.000"), 43},
}};

struct FigureBox {
    QString title;
    QString figure;
    QStringList caption;
};

const std::array<FigureBox, 2> figureBoxes{{
    {QStringLiteral("NO TAX AREA"), QStringLiteral("8.500 €"),
     {QStringLiteral("per i lavoratori dipendenti,"),
      QStringLiteral("ora uguale a quella dei pensionati")}},
    {QStringLiteral("TAGLIO DELLE DETRAZIONI"), QStringLiteral("260 €"),
     {QStringLiteral("in meno per chi ha un reddito"),
      QStringLiteral("complessivo oltre 50.000 euro")}},
}};

// Open Sans first; Liberation Sans keeps the metrics close where it is missing.
QFont sansFont(int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("Open Sans"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void drawHeadline(QPainter& painter)
{
    painter.setPen(ink);
    painter.setFont(sansFont(46, QFont::ExtraBold));
    painter.drawText(QRect(0, 14, pictureWidth, 62), Qt::AlignCenter,
                     QStringLiteral("NUOVA IRPEF 2024"));

    painter.fillRect(QRect(pictureWidth / 2 - 60, 80, 120, 5), orange);

    painter.setPen(softInk);
    painter.setFont(sansFont(19, QFont::Normal));
    painter.drawText(QRect(0, 92, pictureWidth, 30), Qt::AlignCenter,
                     QStringLiteral("Nel 2024 solo gli scaglioni di reddito scendono da quattro a tre"));
}

constexpr int rangeLeft = 48;
constexpr int rateLeft = 330;
constexpr int rateWidth = 80;
constexpr int trackLeft = 420;
constexpr int trackWidth = 300;
constexpr int trackHeight = 30;
constexpr int firstRowTop = 192;
constexpr int rowPitch = 58;
// A full track stands for 50 %, so the three bars keep the proportions of their rates.
constexpr int fullTrackPercent = 50;

void drawColumnHeads(QPainter& painter)
{
    painter.setPen(ink);
    painter.setFont(sansFont(15, QFont::Bold));
    painter.drawText(QRect(rangeLeft, 146, 260, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("SCAGLIONI DI REDDITO (euro)"));
    painter.drawText(QRect(rateLeft, 146, trackLeft + trackWidth - rateLeft, 24),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ALIQUOTE"));
    painter.fillRect(QRect(rangeLeft, 174, trackLeft + trackWidth - rangeLeft, 2), ink);
}

void drawRateBar(QPainter& painter, const QRect& track, int ratePercent)
{
    painter.fillRect(track, trackBackground);
    painter.save();
    painter.setClipRect(track);
    painter.setPen(QPen(hatchLine, 2));
    for (int x = track.left() - track.height(); x < track.right(); x += 8)
        painter.drawLine(x, track.bottom(), x + track.height(), track.top());
    painter.restore();

    const int filled = track.width() * ratePercent / fullTrackPercent;
    painter.fillRect(QRect(track.left(), track.top(), filled, track.height()), orange);
    painter.setPen(QPen(hatchLine, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(track.adjusted(0, 0, -1, -1));
}

void drawBracketRows(QPainter& painter)
{
    int top = firstRowTop;
    for (const BracketRow& row : bracketRows) {
        painter.setPen(ink);
        painter.setFont(sansFont(21, QFont::DemiBold));
        painter.drawText(QRect(rangeLeft, top, rateLeft - rangeLeft, trackHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, row.range);

        painter.setFont(sansFont(24, QFont::ExtraBold));
        painter.drawText(QRect(rateLeft, top, rateWidth, trackHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1 %").arg(row.ratePercent));

        drawRateBar(painter, QRect(trackLeft, top, trackWidth, trackHeight), row.ratePercent);
        top += rowPitch;
    }
}

constexpr int bandTop = 372;
constexpr int boxMargin = 18;
constexpr int boxGap = 24;

void drawFigureBox(QPainter& painter, const QRect& box, const FigureBox& content)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(box), 10, 10);
    painter.fillPath(outline, Qt::white);
    painter.setPen(QPen(QColor(0xc4, 0xc4, 0xc4), 1));
    painter.drawPath(outline);
    painter.fillRect(QRect(box.left() + 20, box.top() + 46, box.width() - 40, 3), orange);

    painter.setPen(ink);
    painter.setFont(sansFont(17, QFont::Bold));
    painter.drawText(QRect(box.left(), box.top() + 12, box.width(), 30), Qt::AlignCenter,
                     content.title);

    painter.setPen(figureRed);
    painter.setFont(sansFont(50, QFont::ExtraBold));
    painter.drawText(QRect(box.left(), box.top() + 52, box.width(), 66), Qt::AlignCenter,
                     content.figure);

    painter.setPen(ink);
    painter.setFont(sansFont(15, QFont::Normal));
    int lineTop = box.top() + 124;
    for (const QString& line : content.caption) {
        painter.drawText(QRect(box.left(), lineTop, box.width(), 22), Qt::AlignCenter, line);
        lineTop += 21;
    }
}

void drawBottomBand(QPainter& painter)
{
    painter.fillRect(QRect(0, bandTop, pictureWidth, pictureHeight - bandTop), bandGrey);
    const int boxWidth = (pictureWidth - 4 * boxMargin - boxGap) / 2;
    const int boxHeight = pictureHeight - bandTop - 2 * boxMargin;
    int left = 2 * boxMargin;
    for (const FigureBox& content : figureBoxes) {
        drawFigureBox(painter, QRect(left, bandTop + boxMargin, boxWidth, boxHeight), content);
        left += boxWidth + boxGap;
    }
}

QImage drawInfographic()
{
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawHeadline(painter);
    drawColumnHeads(painter);
    drawBracketRows(painter);
    drawBottomBand(painter);
    return picture;
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
        errors << "usage: infografica <output.jpg>\n";
        return 2;
    }
    const QString outputPath = arguments.at(1);
    if (!drawInfographic().save(outputPath, "JPG", jpegQuality)) {
        errors << "cannot write " << outputPath << '\n';
        return 1;
    }
    return 0;
}
