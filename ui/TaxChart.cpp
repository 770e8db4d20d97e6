#include "ui/TaxChart.h"

#include "core/CalculationState.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace vareldo {

ChartSeries BracketTaxSeries(const CalculationState& state)
{
    return {QStringLiteral("Imposte per Scaglione"),
            {{state.Tasse[1], QStringLiteral("Scaglione 1"), ColourRed},
             {state.Tasse[2], QStringLiteral("Scaglione 2"), ColourBlue},
             {state.Tasse[3], QStringLiteral("Scaglione 3+"), ColourGreen}}};
}

void PrepareTaxChart(QChartView& view)
{
    view.chart()->setTitle(QStringLiteral("ISTOGRAMMA : IMPOSTE PER SCAGLIONI"));
    view.setRenderHint(QPainter::Antialiasing);
    // Each bar's label and colour name it below the bar; a legend would repeat them.
    view.chart()->legend()->hide();
    // The box is small: the plot takes what the frame and margins would waste.
    view.chart()->layout()->setContentsMargins(0, 0, 0, 0);
    view.chart()->setBackgroundRoundness(0);
    view.chart()->setMargins(QMargins(4, 4, 4, 4));
}

namespace {

// From zero to the farthest bar; a range stays open when every bar is zero.
void fitValueAxis(QValueAxis& values, const ChartSeries& series)
{
    double lowest = 0;
    double highest = 0;
    for (const ChartPoint& point : series.points) {
        lowest = std::min(lowest, point.value);
        highest = std::max(highest, point.value);
    }
    if (lowest == highest)
        highest = 1;
    values.setRange(lowest, highest);
    values.applyNiceNumbers();
}

// The drawn bars already have this series' shape: same places, labels and colours.
QStackedBarSeries* sameShape(QChart& chart, const ChartSeries& series)
{
    const QList<QAbstractSeries*> shown = chart.series();
    if (shown.size() != 1)
        return nullptr;
    auto* bars = qobject_cast<QStackedBarSeries*>(shown.front());
    if (!bars || bars->count() != static_cast<int>(series.points.size()))
        return nullptr;
    const QList<QBarSet*> sets = bars->barSets();
    for (qsizetype place = 0; place < sets.size(); ++place) {
        const ChartPoint& point = series.points[static_cast<std::size_t>(place)];
        if (sets[place]->label() != point.label || sets[place]->color() != QColor::fromRgb(point.colour))
            return nullptr;
    }
    return bars;
}

} // namespace

void ShowSeries(QChartView& view, const ChartSeries& series)
{
    QChart& chart = *view.chart();
    // Rebuilding the chart's items costs more than the whole calculation: when only the
    // values differ, the bars drawn last time take the new ones.
    if (QStackedBarSeries* bars = sameShape(chart, series)) {
        bars->setName(series.title);
        const QList<QBarSet*> sets = bars->barSets();
        for (qsizetype place = 0; place < sets.size(); ++place)
            sets[place]->replace(place, series.points[static_cast<std::size_t>(place)].value);
        for (QAbstractAxis* axis : chart.axes(Qt::Vertical))
            if (auto* values = qobject_cast<QValueAxis*>(axis))
                fitValueAxis(*values, series);
        // The scene takes the new values, but the view is not told that it changed.
        view.viewport()->update();
        return;
    }

    chart.removeAllSeries();
    // Taking an axis off the chart hands it back to us.
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }

    // A bar set has one colour, so each point gets a set of its own that is zero
    // in the other categories; stacking keeps every bar centred on its category.
    auto* bars = new QStackedBarSeries(&chart);
    bars->setName(series.title);
    QStringList labels;
    const auto count = static_cast<qsizetype>(series.points.size());
    for (qsizetype place = 0; place < count; ++place) {
        const ChartPoint& point = series.points[static_cast<std::size_t>(place)];
        auto* set = new QBarSet(point.label);
        set->setColor(QColor::fromRgb(point.colour));
        set->setBorderColor(QColor::fromRgb(point.colour));
        for (qsizetype other = 0; other < count; ++other)
            set->append(other == place ? point.value : 0.0);
        bars->append(set);
        labels << point.label;
    }
    chart.addSeries(bars);

    auto* categories = new QBarCategoryAxis(&chart);
    categories->append(labels);
    // The chart's box is narrow: small labels, never cut to an ellipsis.
    QFont labelFont(QStringLiteral("Segoe UI"));
    labelFont.setPixelSize(11);
    categories->setLabelsFont(labelFont);
    categories->setTruncateLabels(false);
    chart.addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);

    auto* values = new QValueAxis(&chart);
    chart.addAxis(values, Qt::AlignLeft);
    bars->attachAxis(values);
    values->setLabelFormat(QStringLiteral("%.0f"));
    fitValueAxis(*values, series);
}

} // namespace vareldo
