#include "ui/TaxChart.h"

#include "core/CalculationState.h"
#include "text/NumberWriting.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace vareldo {

ChartSeries BracketTaxSeries(const CalculationState& state)
{
    return {QStringLiteral("Imposte per Scaglione"),
            {{state.Tasse[1], QStringLiteral("Scaglione 1"), ColourRed},
             {state.Tasse[2], QStringLiteral("Scaglione 2"), ColourBlue},
             {state.Tasse[3], QStringLiteral("Scaglione 3+"), ColourGreen}}};
}

namespace {

constexpr int Margin = 6;
constexpr int TitlePixels = 12;
constexpr int LabelPixels = 11;
constexpr int WantedIntervals = 5;
constexpr double WrittenInFull = 1e17; // "%.0f" writes every digit below this

// Values the scale can place; a value that is not finite draws no bar.
bool drawable(double value)
{
    return std::isfinite(value);
}

// The range of the value scale and the values it marks, always holding zero.
struct ValueScale {
    double lowest = 0;
    double highest = 1;
    std::vector<double> ticks;

    // Where a value lies between the bottom (0) and the top (1) of the scale; halves keep
    // the difference of two values near the double's limit finite.
    double fraction(double value) const
    {
        return (value / 2 - lowest / 2) / (highest / 2 - lowest / 2);
    }
};

// 1, 2 or 5 times a power of ten, and never below one: the labels show whole euro.
double roundStep(double rawStep)
{
    if (!(rawStep > 1))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rawStep)));
    for (const double multiple : {1.0, 2.0, 5.0})
        if (rawStep <= multiple * power)
            return multiple * power;
    return 10 * power;
}

ValueScale roundScale(double lowest, double highest)
{
    ValueScale scale;
    const double step = roundStep(highest / WantedIntervals - lowest / WantedIntervals);
    const double below = std::ceil(-lowest / step);
    // Bars of zero alone still get a scale from 0 to 1.
    const double above = below == 0 ? std::max(1.0, std::ceil(highest / step)) : std::ceil(highest / step);
    scale.lowest = -below * step;
    scale.highest = above * step;
    // A rounded end past the double's range stays at the farthest bar.
    if (!std::isfinite(scale.lowest))
        scale.lowest = lowest;
    if (!std::isfinite(scale.highest))
        scale.highest = highest;
    for (double place = -below; place <= above; ++place) {
        const double tick = place * step;
        if (tick >= scale.lowest && tick <= scale.highest)
            scale.ticks.push_back(tick);
    }
    return scale;
}

// Zero and the ends only, for values whose round marks would not be short.
ValueScale endsScale(double lowest, double highest)
{
    ValueScale scale;
    scale.lowest = lowest;
    scale.highest = highest > 0 || lowest == 0 ? std::max(highest, 1.0) : 0.0;
    if (scale.lowest < 0)
        scale.ticks.push_back(scale.lowest);
    scale.ticks.push_back(0);
    if (scale.highest > 0)
        scale.ticks.push_back(scale.highest);
    return scale;
}

QString tickText(double tick, bool shortest)
{
    return shortest ? FloatToStr(tick) : Format(u"%.0f", {tick});
}

QFont sized(QFont font, int pixels, bool bold)
{
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// The scale, its labels and their widest width for the points shown in a box.
struct ScaleLayout {
    ValueScale scale;
    QStringList labels;
    int labelWidth = 0;
};

ScaleLayout layOutScale(const std::vector<ChartSeries>& series, const QFontMetrics& metrics, int roomForLabels)
{
    double lowest = 0;
    double highest = 0;
    for (const ChartSeries& one : series)
        for (const ChartPoint& point : one.points)
            if (drawable(point.value)) {
                lowest = std::min(lowest, point.value);
                highest = std::max(highest, point.value);
            }

    ScaleLayout layout;
    const auto fill = [&](ValueScale scale, bool shortest) {
        layout.scale = std::move(scale);
        layout.labels.clear();
        layout.labelWidth = 0;
        for (const double tick : layout.scale.ticks) {
            layout.labels << tickText(tick, shortest);
            layout.labelWidth = std::max(layout.labelWidth, metrics.horizontalAdvance(layout.labels.back()));
        }
        return layout.labelWidth <= roomForLabels;
    };
    // Round marks while their digits are written in full; far beyond any tax, zero and the
    // ends alone, in the shortest writing that fits.
    if (std::max(-lowest, highest) < WrittenInFull && fill(roundScale(lowest, highest), false))
        return layout;
    if (fill(endsScale(lowest, highest), false))
        return layout;
    fill(endsScale(lowest, highest), true);
    return layout;
}

// A screen reader announces the chart as a chart, not as an anonymous pane.
QAccessibleInterface* accessibleAsChart(const QString& className, QObject* object)
{
    if (className == QLatin1String(TaxChart::staticMetaObject.className()) && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

TaxChart::TaxChart(QWidget* parent) : QWidget(parent), title_(QStringLiteral("ISTOGRAMMA : IMPOSTE PER SCAGLIONI"))
{
    static const bool chartRoleInstalled = [] {
        QAccessible::installFactory(accessibleAsChart);
        return true;
    }();
    (void)chartRoleInstalled;
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title_);
}

void TaxChart::RemoveAllSeries()
{
    series_.clear();
    modelChanged();
}

void TaxChart::AddSeries(ChartSeries series)
{
    series_.push_back(std::move(series));
    modelChanged();
}

void TaxChart::modelChanged()
{
    // A screen reader cannot see the bars: their labels and amounts are told in words.
    QStringList bars;
    for (const ChartSeries& one : series_)
        for (const ChartPoint& point : one.points)
            bars << point.label + QStringLiteral(": ") + FormatFloat(u"#,##0.00", point.value);
    setAccessibleDescription(bars.join(QStringLiteral("; ")));
    update();
}

QStringList TaxChart::ScaleLabels() const
{
    if (series_.empty())
        return {};
    return layOutScale(series_, QFontMetrics(sized(font(), LabelPixels, false)), width() / 4).labels;
}

void TaxChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QPalette& colours = palette();
    const QColor ground = colours.color(QPalette::Base);
    const QColor ink = colours.color(QPalette::Text);
    painter.fillRect(rect(), ground);

    const QFont titleFont = sized(font(), TitlePixels, true);
    const QFont labelFont = sized(font(), LabelPixels, false);
    const QFontMetrics titleMetrics(titleFont);
    const QFontMetrics labelMetrics(labelFont);

    const QRect titleBox(Margin, Margin, width() - 2 * Margin, titleMetrics.height());
    painter.setFont(titleFont);
    painter.setPen(ink);
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     titleMetrics.elidedText(title_, Qt::ElideRight, titleBox.width()));

    // The plot: below the title, above one line of point labels, right of the scale.
    const int halfLabel = labelMetrics.height() / 2;
    QRect plot(Margin, titleBox.bottom() + 1 + Margin + halfLabel, 0, 0);
    plot.setRight(width() - 1 - Margin);
    plot.setBottom(height() - 1 - Margin - labelMetrics.height() - 2);

    if (!series_.empty()) {
        const ScaleLayout layout = layOutScale(series_, labelMetrics, width() / 4);
        const ValueScale& scale = layout.scale;
        plot.setLeft(Margin + layout.labelWidth + 4);
        const auto yOf = [&](double value) {
            return static_cast<int>(std::lround(plot.bottom() - scale.fraction(value) * plot.height()));
        };

        // Lines and bars lie on whole pixels: drawn crisp in their exact colours, and cheaply;
        // the texts stay anti-aliased.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(labelFont);
        const QColor grid = mixed(ground, ink, 0.15);
        for (std::size_t place = 0; place < scale.ticks.size(); ++place) {
            const int y = yOf(scale.ticks[place]);
            painter.setPen(grid);
            painter.drawLine(plot.left(), y, plot.right(), y);
            painter.setPen(ink);
            // A mark's label stays inside the box even at the ends of the scale.
            const int top = std::clamp(y - halfLabel, 0, height() - labelMetrics.height());
            painter.drawText(QRect(Margin, top, layout.labelWidth, labelMetrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, layout.labels[place]);
        }

        std::size_t count = 0;
        for (const ChartSeries& one : series_)
            count += one.points.size();
        const double slot = plot.width() / static_cast<double>(std::max<std::size_t>(count, 1));
        const int zero = yOf(0);
        std::size_t place = 0;
        for (const ChartSeries& one : series_)
            for (const ChartPoint& point : one.points) {
                const int left = static_cast<int>(std::lround(plot.left() + slot * (place + 0.25)));
                const int right = static_cast<int>(std::lround(plot.left() + slot * (place + 0.75)));
                if (drawable(point.value)) {
                    // A bar stands on the zero line or hangs below it, never covering it.
                    const int end = yOf(point.value);
                    const QRect bar = end <= zero ? QRect(QPoint(left, end), QPoint(right - 1, zero - 1))
                                                  : QRect(QPoint(left, zero + 1), QPoint(right - 1, end));
                    painter.fillRect(bar, QColor::fromRgb(point.colour));
                }
                const QRect labelBox(static_cast<int>(plot.left() + slot * place), plot.bottom() + 3,
                                     static_cast<int>(slot), labelMetrics.height());
                painter.setPen(ink);
                painter.drawText(labelBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                                 labelMetrics.elidedText(point.label, Qt::ElideRight, labelBox.width()));
                ++place;
            }
        painter.setPen(mixed(ground, ink, 0.6));
        painter.drawLine(plot.left(), zero, plot.right(), zero);
        painter.drawLine(plot.left(), plot.top(), plot.left(), plot.bottom());
        painter.setRenderHint(QPainter::Antialiasing);
    }

    if (hasFocus()) {
        QPen frame(colours.color(QPalette::Highlight), 2);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

} // namespace vareldo
