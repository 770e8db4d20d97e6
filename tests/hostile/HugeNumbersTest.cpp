#include "tests/hostile/HostileWindow.h"

#include "ui/TaxChart.h"

#include <QAbstractButton>
#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace vareldo::testing {
namespace {

// The controls a pupil works with on the calculation page.
std::vector<QWidget*> workingControls(const QWidget& page)
{
    std::vector<QWidget*> controls;
    for (QWidget* control : page.findChildren<QWidget*>()) {
        const bool boxOfACombo = qobject_cast<QComboBox*>(control->parentWidget()) != nullptr;
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control)
            || (qobject_cast<QLineEdit*>(control) && !boxOfACombo))
            controls.push_back(control);
    }
    return controls;
}

// The controls that something else covers where the mouse would take them.
std::string coveredControls(const QWidget& page)
{
    std::string covered;
    for (QWidget* control : workingControls(page)) {
        QWidget* hit = page.childAt(control->mapTo(&page, control->rect().center()));
        if (hit != control && !control->isAncestorOf(hit))
            covered += " " + str(control->objectName()) + " (under " + (hit ? str(hit->objectName()) : "nothing") + ")";
    }
    return covered;
}

std::map<QString, QPoint> labelCorners(const QWidget& page)
{
    std::map<QString, QPoint> corners;
    for (const QLabel* label : page.findChildren<QLabel*>())
        corners[label->objectName()] = label->pos();
    return corners;
}

TEST(HugeNumbers, LabelsShowThemWithoutGrowingTheWindowOrCoveringAControl)
{
    const struct {
        const char* name;
        QString income;
        std::vector<TickedAmount> ticked;
        const char* button;
        ScreenSnapshot shows;
    } cases[] = {
        {"income 1E300, step-wise",
         u"1E300"_s,
         {},
         "Button6",
         {{u"LabelRedditoRimanente1"_s, u"Reddito Rimanente Tassato dopo Scaglione 1: €1E300"_s},
          {u"LabelRedditoRimanente2"_s, u"Reddito Rimanente Tassato dopo Scaglione 2: €1E300"_s},
          {u"CalcoloScaglione3"_s, u"Scaglione 3+: €50.000,00 (aliquota 43%), Tasse: €4.278.500,00, "
                                   u"ULTIMO SCAGLIONE: €1E300"_s},
          {u"LabelRisultatoTasse"_s, u"Imposte Totali: €4.292.640,00"_s}}},
        {"income 1E300, progressive",
         u"1E300"_s,
         {},
         "ButtonCalcolaTasse",
         {{u"LabelRedditoRimanente"_s, u"Reddito Rimanente: €1E300"_s},
          {u"CalcoloScaglione3"_s, u"Scaglione 3 (oltre €50.000,00, aliquota 43%): €4.278.500,00, "
                                   u"Reddito Rimanente: €1E300"_s},
          {u"LabelRisultatoTasse"_s, u"Imposte Totali: €4.292.640,00"_s}}},
        {"income 1E16 with credits and deductions of -1E16, progressive",
         u"1E16"_s,
         {{"CheckCarichiFamiliari", "EditCarichiFamiliari", "-1E16"},
          {"CheckContributiPre", "EditContributiPre", "-1E16"}},
         "ButtonCalcolaTasse",
         {{u"LabelRedditoRimanente"_s, u"Reddito Rimanente: €20.000.000.000.000.000,00"_s},
          {u"LabelDetrazioniTotali"_s, u"Totale Detrazioni: €-10.000.000.000.000.000,00"_s},
          {u"LabelDeduzioniTotali"_s, u"Totale Deduzioni: €-10.000.000.000.000.000,00"_s},
          {u"CalcoloScaglione3"_s, u"Scaglione 3 (oltre €50.000,00, aliquota 43%): €4.278.500,00, "
                                   u"Reddito Rimanente: €19.999.999.990.000.000,00"_s},
          {u"LabelRisultatoTasse"_s, u"Imposte Totali: €10.000.000.004.292.640,00"_s}}},
        {"deductions and credits of 9E16, the totals",
         u"10000"_s,
         {{"CheckVarie", "EditVarie", "90000000000000000"},
          {"CheckAltreDeduzioni", "EditAltreDeduzioni", "-90000000000000000"}},
         "Button1",
         {{u"LabelDetrazioniTotali"_s, u"Totale Detrazioni: €90.000.000.000.000.000,00"_s},
          {u"LabelDeduzioniTotali"_s, u"Totale Deduzioni: €-90.000.000.000.000.000,00"_s}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HostileWindow w;
        const QWidget& page = w.find<QWidget>("TabSheet2");
        const QSize windowSize = w.window->size();
        const QSize smallest = w.window->minimumSizeHint();
        const auto corners = labelCorners(page);
        ASSERT_EQ("", coveredControls(page)) << "covered before the click";
        w.pasteIncome(c.income);
        for (const TickedAmount& pair : c.ticked)
            w.tick(pair);

        w.click(c.button);

        EXPECT_TRUE(w.sent.messages.isEmpty() && w.sent.errors.isEmpty())
            << joinedForLog(w.sent.messages) << joinedForLog(w.sent.errors);
        const ScreenSnapshot shown = w.snapshot();
        EXPECT_TRUE(withChanges(shown, c.shows) == shown) << differences(withChanges(shown, c.shows), shown);
        EXPECT_EQ(windowSize, w.window->size());
        EXPECT_EQ(smallest, w.window->minimumSizeHint());
        EXPECT_TRUE(corners == labelCorners(page)) << "a label moved";
        EXPECT_EQ("", coveredControls(page)) << "a grown label lies over a control";
    }
}

// The chart holds its model, marks zero on its scale, keeps the scale's labels inside its box
// and draws.
void expectChartHolds(TaxChart& chart, const std::array<double, 3>& taxes)
{
    ASSERT_EQ(1u, chart.Series().size());
    const ChartSeries& shown = chart.Series().front();
    ASSERT_EQ(3u, shown.points.size());
    for (std::size_t place = 0; place < 3; ++place)
        EXPECT_EQ(taxes[place], shown.points[place].value);
    const QStringList labels = chart.ScaleLabels();
    EXPECT_TRUE(labels.contains(QStringLiteral("0"))) << joinedForLog(labels);
    const QFontMetrics metrics(chart.font());
    for (const QString& label : labels)
        EXPECT_LT(metrics.horizontalAdvance(label), chart.width() / 2) << brief(label);
    EXPECT_FALSE(chart.grab().isNull()) << "the chart was not drawn";
}

TEST(HugeNumbers, ChartDrawsBarsOf1E300WithShortMarks)
{
    const std::array<double, 3> cases[] = {
        {1e300, 0, 0},
        {-1e300, 0, 0},
        {1e300, -1e300, 1e300},
        {0, 1e300, 1},
    };
    for (const auto& taxes : cases) {
        SCOPED_TRACE(::testing::Message() << taxes[0] << ' ' << taxes[1] << ' ' << taxes[2]);
        const HostileWindow w;
        const QSize windowSize = w.window->size();
        CalculationState state;
        for (int i = 1; i <= 3; ++i)
            state.Tasse[i] = taxes[static_cast<std::size_t>(i - 1)];

        w.window->AggiornaGrafico(state);

        expectChartHolds(w.find<TaxChart>("ChartTasse"), taxes);
        EXPECT_EQ(windowSize, w.window->size());
    }
}

TEST(HugeNumbers, LargestTaxACalculationReachesIsCharted)
{
    // Brackets that never end let bracket 1 tax nearly all that Round can hold.
    const HostileWindow w(RecordingContext, "[Scaglioni]\nLimite1=1E300\nLimite2=1E300\nLimite3=1E300\n");
    w.pasteIncome(u"4E19"_s);

    w.click("Button6");

    EXPECT_TRUE(w.sent.errors.isEmpty()) << joinedForLog(w.sent.errors);
    const BracketValues& taxes = w.window->State().Tasse;
    EXPECT_NEAR(9.2e18, taxes[1], 1e4);
    EXPECT_EQ(0, taxes[2]);
    EXPECT_EQ(0, taxes[3]);
    EXPECT_EQ("Imposte Totali: €9,2E18", str(w.find<QLabel>("LabelRisultatoTasse").text()));
    expectChartHolds(w.find<TaxChart>("ChartTasse"), {taxes[1], taxes[2], taxes[3]});
}

} // namespace
} // namespace vareldo::testing
