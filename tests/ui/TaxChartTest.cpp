#include "tests/support/WindowHarness.h"

#include "core/CalculationState.h"
#include "ui/TaxChart.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <array>
#include <cfloat>
#include <cmath>
#include <optional>
#include <vector>

namespace vareldo::testing {
namespace {

const QString ChartTitle = QStringLiteral("ISTOGRAMMA : IMPOSTE PER SCAGLIONI");

struct ExpectedPoint {
    double value;
    const char* label;
    Rgb colour;
};

void expectBracketSeries(const TaxChart& chart, const std::array<double, 3>& taxes)
{
    const ExpectedPoint expected[] = {{taxes[0], "Scaglione 1", 0xFF0000},
                                      {taxes[1], "Scaglione 2", 0x0000FF},
                                      {taxes[2], "Scaglione 3+", 0x008000}};
    EXPECT_EQ(str(ChartTitle), str(chart.Title()));
    ASSERT_EQ(1u, chart.Series().size()) << "an earlier series is still shown";
    const ChartSeries& series = chart.Series().front();
    EXPECT_EQ("Imposte per Scaglione", str(series.title));
    ASSERT_EQ(std::size(expected), series.points.size());
    for (std::size_t place = 0; place < std::size(expected); ++place) {
        SCOPED_TRACE(expected[place].label);
        EXPECT_EQ(expected[place].value, series.points[place].value);
        EXPECT_EQ(expected[place].label, str(series.points[place].label));
        EXPECT_EQ(expected[place].colour, series.points[place].colour);
    }
}

class ChartOnTheWindow : public WindowTest {
protected:
    TaxChart& chart() const { return find<TaxChart>("ChartTasse"); }

    void calculate(const char* income, const char* button)
    {
        find<QComboBox>("ComboBoxReddito").setEditText(QString::fromLatin1(income));
        find<QPushButton>(button).click();
        ASSERT_TRUE(sent.errors.isEmpty()) << str(sent.errors.join(u'|'));
        ASSERT_TRUE(sent.messages.isEmpty()) << str(sent.messages.join(u'|'));
    }
};

TEST_F(ChartOnTheWindow, StartsWithItsTitleAndNoSeries)
{
    EXPECT_EQ(str(ChartTitle), str(chart().Title()));
    EXPECT_TRUE(chart().Series().empty());
    EXPECT_TRUE(chart().ScaleLabels().isEmpty()) << "an empty plot has no scale";
    EXPECT_EQ(Qt::StrongFocus, chart().focusPolicy());
}

TEST_F(ChartOnTheWindow, EveryRebuildLeavesOneSeriesOfTheThreeBracketTaxes)
{
    struct Calculation {
        const char* income;
        const char* button;
    };
    const struct {
        const char* name;
        std::vector<Calculation> calculations;
        std::array<double, 3> taxes;
    } cases[] = {
        {"progressive, bracket 1 only", {{"10000", "ButtonCalcolaTasse"}}, {2300, 0, 0}},
        {"progressive, three brackets", {{"100000", "ButtonCalcolaTasse"}}, {6440, 7700, 21500}},
        {"progressive, above the last limit", {{"20000000", "ButtonCalcolaTasse"}}, {6440, 7700, 4278500}},
        {"step-wise, negative income", {{"-5000", "Button6"}}, {-1150, 0, 0}},
        {"two progressive in a row", {{"100000", "ButtonCalcolaTasse"}, {"20000", "ButtonCalcolaTasse"}}, {4600, 0, 0}},
        {"step-wise then progressive", {{"100000", "Button6"}, {"10000", "ButtonCalcolaTasse"}}, {2300, 0, 0}},
        {"progressive then step-wise", {{"10000", "ButtonCalcolaTasse"}, {"100000", "Button6"}}, {6440, 7700, 21500}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        for (const Calculation& calculation : row.calculations)
            calculate(calculation.income, calculation.button);
        expectBracketSeries(chart(), row.taxes);
    }
}

TEST_F(ChartOnTheWindow, ScreenReaderHearsTheTitleAndEveryBarOfTheLastRebuild)
{
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(&chart());
    ASSERT_NE(nullptr, told);
    EXPECT_EQ(str(ChartTitle), str(told->text(QAccessible::Name)));
    EXPECT_EQ(QAccessible::Chart, told->role());
    EXPECT_EQ("", str(told->text(QAccessible::Description))) << "no bars before the first rebuild";

    calculate("50000", "ButtonCalcolaTasse");
    find<QComboBox>("ComboBoxReddito").setEditText(QStringLiteral("100000"));
    find<QCheckBox>("CheckContributiPre").click();
    find<QCheckBox>("ChecklavoroDipendente").click();
    find<QPushButton>("ButtonCalcolaTasse").click();

    EXPECT_EQ("Scaglione 1: 6.440,00; Scaglione 2: 7.700,00; Scaglione 3+: 21.070,00",
              str(told->text(QAccessible::Description)));
    EXPECT_EQ(str(ChartTitle), str(told->text(QAccessible::Name)));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(ChartOnTheWindow, ChartOnScreenIsRepaintedByEveryRebuild)
{
    find<QTabWidget>("PageControl1").setCurrentIndex(1);
    calculate("100000", "ButtonCalcolaTasse");
    QCoreApplication::processEvents();

    PaintCounter counter;
    chart().installEventFilter(&counter);
    for (const char* income : {"75000", "75000", "20000"}) {
        SCOPED_TRACE(income);
        counter.paints = 0;
        calculate(income, "ButtonCalcolaTasse");
        QCoreApplication::processEvents();
        EXPECT_GT(counter.paints, 0) << "the bars on screen still show the previous calculation";
    }
}

// The chart alone, drawn offscreen at its size on the window.
class ChartPicture : public ::testing::Test {
protected:
    ChartPicture() { chart.setGeometry(0, 0, 357, 294); }

    void show(std::initializer_list<double> values)
    {
        const Rgb colours[] = {ColourRed, ColourBlue, ColourGreen};
        ChartSeries series{QStringLiteral("Imposte per Scaglione"), {}};
        std::size_t place = 0;
        for (const double value : values) {
            series.points.push_back({value, QStringLiteral("Scaglione %1").arg(place + 1), colours[place % 3]});
            ++place;
        }
        chart.RemoveAllSeries();
        chart.AddSeries(std::move(series));
        picture = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The smallest rectangle holding every pixel of exactly this colour; empty if none.
    QRect box(Rgb colour) const
    {
        QRect found;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if ((picture.pixel(x, y) & 0xFFFFFF) == colour)
                    found |= QRect(x, y, 1, 1);
        return found;
    }

    int pixelsOf(Rgb colour) const
    {
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += (picture.pixel(x, y) & 0xFFFFFF) == colour;
        return count;
    }

    SettingsGuard italian{Italian};
    QWidget window;
    TaxChart& chart = *new TaxChart(&window);
    QImage picture;
};

TEST_F(ChartPicture, BarsStandSideBySideInTheirExactColoursAndInProportion)
{
    const std::array<double, 3> taxes = {6440, 7700, 21070};
    show({taxes[0], taxes[1], taxes[2]});

    const Rgb colours[] = {ColourRed, ColourBlue, ColourGreen};
    const QRect bars[] = {box(ColourRed), box(ColourBlue), box(ColourGreen)};
    for (std::size_t place = 0; place < 3; ++place) {
        SCOPED_TRACE(place + 1);
        ASSERT_FALSE(bars[place].isEmpty()) << "no pixel of the bar's exact colour";
        EXPECT_EQ(bars[place].width() * bars[place].height(), pixelsOf(colours[place]))
            << "a bar is one solid rectangle";
        EXPECT_EQ(bars[2].bottom(), bars[place].bottom()) << "the bars stand on one line";
        // Heights follow the values, within a pixel of rounding at each end.
        const double expected = bars[2].height() * taxes[place] / taxes[2];
        EXPECT_NEAR(expected, bars[place].height(), 1.0);
        EXPECT_TRUE(QRect(0, 0, 357, 294).contains(bars[place]));
    }
    EXPECT_LT(bars[0].right(), bars[1].left());
    EXPECT_LT(bars[1].right(), bars[2].left());
    EXPECT_GT(bars[2].height(), 150) << "the tallest bar takes most of the plot";
}

TEST_F(ChartPicture, ZeroBarsHaveNoHeight)
{
    show({2300, 0, 0});
    EXPECT_FALSE(box(ColourRed).isEmpty());
    EXPECT_EQ(0, pixelsOf(ColourBlue));
    EXPECT_EQ(0, pixelsOf(ColourGreen));

    show({0, 0, 0});
    EXPECT_EQ(0, pixelsOf(ColourRed) + pixelsOf(ColourBlue) + pixelsOf(ColourGreen));
    EXPECT_EQ((QStringList{QStringLiteral("0"), QStringLiteral("1")}), chart.ScaleLabels());
}

TEST_F(ChartPicture, NegativeBarHangsBelowTheLineThePositiveOneStandsOn)
{
    show({-1150, 2300, 0});
    const QRect below = box(ColourRed);
    const QRect above = box(ColourBlue);
    ASSERT_FALSE(below.isEmpty());
    ASSERT_FALSE(above.isEmpty());
    // One pixel row apart: the zero line between them.
    EXPECT_EQ(above.bottom() + 2, below.top());
    EXPECT_NEAR(above.height() / 2.0, below.height(), 1.0);
    const QStringList labels = chart.ScaleLabels();
    EXPECT_TRUE(labels.contains(QStringLiteral("0"))) << str(labels.join(u' '));
    EXPECT_TRUE(labels.front().startsWith(u'-')) << str(labels.join(u' '));
}

TEST_F(ChartPicture, ScaleHoldsZeroAndEveryBarInRoundWholeMarks)
{
    const struct {
        std::initializer_list<double> values;
        const char* labels;
    } cases[] = {
        {{6440, 7700, 21070}, "0 5000 10000 15000 20000 25000"},
        {{6440, 7700, 4278500}, "0 1000000 2000000 3000000 4000000 5000000"},
        {{-1150, 0, 0}, "-1500 -1000 -500 0"},
        {{6440, -2800, 4300}, "-4000 -2000 0 2000 4000 6000 8000"},
        {{3, 0, 0}, "0 1 2 3"},
    };
    for (const auto& row : cases) {
        show(row.values);
        SCOPED_TRACE(row.labels);
        EXPECT_EQ(row.labels, str(chart.ScaleLabels().join(u' ')));
    }
}

TEST_F(ChartPicture, BarsFarBeyondAnyTaxDrawWithFewShortMarksInsideTheBox)
{
    const struct {
        std::initializer_list<double> values;
        const char* labels;
    } cases[] = {
        {{1e300, 0, 0}, "0 1E300"},
        {{-1e300, 0, 0}, "-1E300 0"},
        {{1e300, -1e300, 1e300}, "-1E300 0 1E300"},
        {{0, 1e300, 1}, "0 1E300"},
        {{DBL_MAX, -DBL_MAX, 0}, "-1,79769313486232E308 0 1,79769313486232E308"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.labels);
        show(row.values);
        const QStringList labels = chart.ScaleLabels();
        EXPECT_EQ(row.labels, str(labels.join(u' ')));
        const QFontMetrics metrics(chart.font());
        for (const QString& label : labels)
            EXPECT_LT(metrics.horizontalAdvance(label), chart.width() / 2) << str(label);
        const QRect tallest = box(*row.values.begin() != 0 ? ColourRed : ColourBlue);
        EXPECT_GT(tallest.height(), 80) << "the bar of the largest value fills its side of the plot";
    }
}

TEST_F(ChartPicture, FocusFrameShowsOnlyWithKeyboardFocus)
{
    auto* other = new QWidget(&window);
    other->setGeometry(0, 300, 10, 10);
    other->setFocusPolicy(Qt::StrongFocus);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    show({2300, 0, 0});
    const QImage withoutFocus = picture;

    chart.setFocus();
    ASSERT_TRUE(chart.hasFocus());
    show({2300, 0, 0});

    const QRgb frame = chart.palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
    const auto framed = [frame](const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == frame; };
    for (const QPoint edge : {QPoint(1, 150), QPoint(355, 150), QPoint(170, 1), QPoint(170, 292)}) {
        SCOPED_TRACE(::testing::Message() << edge.x() << ',' << edge.y());
        EXPECT_TRUE(framed(picture, edge.x(), edge.y()));
        EXPECT_FALSE(framed(withoutFocus, edge.x(), edge.y()));
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

// Bars far beyond any tax, drawn through the window: the chart keeps their values and the
// window its size (the scale of such bars is in ChartPicture's table).
TEST(ChartOfHugeNumbers, BarsOf1E300LeaveTheWindowItsSize)
{
    const std::array<double, 3> cases[] = {
        {1e300, 0, 0},
        {-1e300, 0, 0},
        {1e300, -1e300, 1e300},
        {0, 1e300, 1},
    };
    for (const auto& taxes : cases) {
        SCOPED_TRACE(::testing::Message() << taxes[0] << ' ' << taxes[1] << ' ' << taxes[2]);
        const WindowHarness w;
        w.showCalculationPage();
        const QSize windowSize = w.window->size();
        CalculationState state;
        for (int i = 1; i <= 3; ++i)
            state.Tasse[i] = taxes[static_cast<std::size_t>(i - 1)];

        w.window->AggiornaGrafico(state);

        expectChartHolds(w.find<TaxChart>("ChartTasse"), taxes);
        EXPECT_EQ(windowSize, w.window->size());
    }
}

TEST(ChartOfHugeNumbers, LargestTaxACalculationReachesIsCharted)
{
    // Brackets that never end let bracket 1 tax nearly all that Round can hold.
    const WindowHarness w(RecordingContext, "[Scaglioni]\nLimite1=1E300\nLimite2=1E300\nLimite3=1E300\n");
    w.showCalculationPage();
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
