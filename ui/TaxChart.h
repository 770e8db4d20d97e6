#pragma once

#include "core/NamedControls.h"

#include <QString>

#include <vector>

class QChartView;

namespace vareldo {

struct CalculationState;

struct ChartPoint {
    double value = 0;
    QString label;
    Rgb colour = 0;
};

struct ChartSeries {
    QString title;
    std::vector<ChartPoint> points;
};

// The one series of a rebuild: the tax of brackets 1, 2 and 3 in their colours.
ChartSeries BracketTaxSeries(const CalculationState& state);

// Title and anti-aliasing of the empty chart the window starts with.
void PrepareTaxChart(QChartView& view);

// Replaces whatever the chart shows by the given series.
void ShowSeries(QChartView& view, const ChartSeries& series);

} // namespace vareldo
