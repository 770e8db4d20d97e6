#pragma once

#include "core/NamedControls.h"

#include <QString>
#include <QWidget>

#include <vector>

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

// A bar chart of one title and a list of series whose points each carry their own colour:
// the bars stand side by side in list order on a value scale that always holds zero.
class TaxChart : public QWidget {
    Q_OBJECT
public:
    explicit TaxChart(QWidget* parent = nullptr);

    const QString& Title() const { return title_; }
    const std::vector<ChartSeries>& Series() const { return series_; }

    // Takes every series out of the chart.
    void RemoveAllSeries();
    // Appends a series to the chart's list, which owns it from then on.
    void AddSeries(ChartSeries series);

    // The labels of the value scale from the lowest to the highest, as drawn.
    QStringList ScaleLabels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void modelChanged();

    QString title_;
    std::vector<ChartSeries> series_;
};

} // namespace vareldo
