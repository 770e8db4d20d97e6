// Measures candidate faces against the widths the window's designed face gives its
// auto-sized labels, and their line spacing, so that the substitute is chosen by numbers.
//
//   fontfit                    every installed candidate, at its own width and at the
//                              stretch that brings the mean width to the designed one
//   fontfit FAMILY [STRETCH]   one face, label by label, optionally stretched (percent)
//
// The one-character labels ("0") are shown but left out of mean and worst: at 6 px one
// pixel of rounding is 16 %, whatever the face.

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRect>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace {

struct Sample {
    const char* control;
    const char* text;
    int pixelHeight;
    bool bold;
    int designedWidth; // of the designed face, from the window's layout
};

// The window's single-line, auto-sized labels with their designed widths.
const Sample Samples[] = {
    {"Label1", "IRPEF Imposta di Reddito sulle Persone Fisiche 2024 a tre scaglioni", 21, true, 653},
    {"LabelREDDITOTOT", "SCEGLIERE UN REDDITO TOTALE", 12, false, 173},
    {"Label6", "REDDITO TOTALE(Imponibile) - eventuali DEDUZIONI", 12, false, 282},
    {"LabelRedditoRimanente", "0", 12, false, 6},
    {"LabDa1", "___", 12, false, 15},
    {"LabScaglione1", "Scaglione 1", 12, true, 63},
    {"ALIQUOTA", "ALIQUOTA  %", 12, false, 74},
    {"LabelRedditoRimanente1", "LabelRedditoRimanente1", 12, false, 132},
    {"LabelRisultatoTasse", "0", 27, true, 16},
    {"Label9", "CALCOLA PERCENT.", 12, true, 106},
    {"Label5", "IMPORTO", 12, true, 55},
    {"Label7", "PERCENT %", 12, true, 63},
    {"Label8", "RISULTATO", 12, true, 62},
    {"LabelDetrazioni", "DETRAZIONI riducono l' imposta", 11, true, 169},
    {"LabelDeduzioni", "DEDUZIONI riducono l'imponibile", 11, true, 175},
};

const char* const Candidates[] = {
    "Open Sans", "Noto Sans", "DejaVu Sans", "Liberation Sans", "Arimo",
    "Cantarell", "Lato", "Roboto", "Carlito", "Clear Sans", "Cabin", "FreeSans", "Verana Sans",
    "Junction", "Inter", "Karla",
};

QFont face(const QString& family, int stretch, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    if (stretch != 100)
        font.setStretch(stretch);
    return font;
}

// The width a label's size hint gets: whole pixels around the laid-out text.
int labelWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).boundingRect(QRect(), Qt::AlignLeft, text).width();
}

double measure(const QString& family, int stretch, bool detailed, bool print = true)
{
    const QFont regular = face(family, stretch, 12, false);
    const QFontInfo info(regular);
    if (info.family() != family) {
        if (print)
            std::printf("%-16s not installed (got %s)\n", qPrintable(family), qPrintable(info.family()));
        return 0;
    }
    double sumRatio = 0, worst = 0;
    int n = 0;
    int sumDesigned = 0, sumShown = 0;
    if (detailed && print)
        std::printf("%-22s %9s %7s %7s %7s\n", "control", "designed", "exact", "label", "ratio");
    for (const Sample& s : Samples) {
        const QFont font = face(family, stretch, s.pixelHeight, s.bold);
        const QString text = QString::fromUtf8(s.text);
        const double exact = QFontMetricsF(font).horizontalAdvance(text);
        const int shown = labelWidth(font, text);
        const double ratio = exact / s.designedWidth;
        if (text.size() > 1) {
            sumRatio += ratio;
            worst = std::max(worst, std::abs(ratio - 1));
            ++n;
            sumDesigned += s.designedWidth;
            sumShown += shown;
        }
        if (detailed && print)
            std::printf("%-22s %9d %7.2f %7d %+6.1f%%\n", s.control, s.designedWidth, exact, shown,
                        (ratio - 1) * 100);
    }
    if (!print)
        return sumRatio / n;
    const QFontMetricsF metrics(regular);
    // Qt's own wrapped label rounds each line's place up; the window's wrapped labels set their
    // lines the spacing rounded to the nearest pixel apart. A three-line box is 48 px high.
    const qreal spacing = metrics.lineSpacing();
    const int windowPitch = qRound(spacing);
    std::printf("%-16s stretch %3d  mean %+5.1f%%  worst %5.1f%%  sum %4d/%4d  spacing %.2f px "
                "(ascent %.2f descent %.2f leading %.2f)  lines apart: Qt %d px, window %d px, "
                "three lines end at %.2f px\n",
                qPrintable(family), stretch, (sumRatio / n - 1) * 100, worst * 100, sumShown, sumDesigned,
                spacing, metrics.ascent(), metrics.descent(), metrics.leading(), int(std::ceil(spacing)),
                windowPitch, 2 * windowPitch + metrics.ascent() + metrics.descent());
    return sumRatio / n;
}

// The whole-percent stretch whose mean width ratio is nearest to 1.
int fittingStretch(const QString& family)
{
    int best = 100;
    double bestError = 1e9;
    for (int stretch = 85; stretch <= 115; ++stretch) {
        const double error = std::abs(measure(family, stretch, false, false) - 1);
        if (error < bestError) {
            bestError = error;
            best = stretch;
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (!arguments.isEmpty()) {
        measure(arguments.value(0), arguments.value(1, QStringLiteral("100")).toInt(), true);
        return 0;
    }
    for (const char* family : Candidates) {
        const QString name = QString::fromUtf8(family);
        if (measure(name, 100, false) == 0)
            continue;
        const int stretch = fittingStretch(name);
        if (stretch != 100)
            measure(name, stretch, false);
    }
    return 0;
}
