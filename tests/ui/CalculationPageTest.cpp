#include "tests/WorkedExample.h"
#include "tests/ui/WindowHarness.h"
#include "ui/TaxChart.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QItemSelectionModel>

#include <vector>

namespace vareldo::testing {
namespace {


class CalculationPage : public WindowTest {
protected:
    void click(const char* button) { find<QPushButton>(button).click(); }
    QString label(const char* name) const { return find<QLabel>(name).text(); }

    QStringList memoLines() const
    {
        QStringList lines;
        const QTextDocument& document = *find<QPlainTextEdit>("Memo1").document();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            lines << block.text();
        return lines;
    }

    std::vector<double> chartValues() const
    {
        std::vector<double> values;
        for (const ChartSeries& series : find<TaxChart>("ChartTasse").Series())
            for (const ChartPoint& point : series.points)
                values.push_back(point.value);
        return values;
    }

    void runWorkedExample()
    {
        typeIncome(QStringLiteral("100000"));
        find<QCheckBox>("CheckContributiPre").click();
        find<QCheckBox>("ChecklavoroDipendente").click();
        click("ButtonCalcolaTasse");
    }
};

TEST_F(CalculationPage, WorkedExampleFillsSummaryLabelsResultAndChart)
{
    const QPoint resultCorner = find<QLabel>("LabelRisultatoTasse").pos();
    const int resultWidth = find<QLabel>("LabelRisultatoTasse").width();
    runWorkedExample();

    const QStringList expected = WorkedExampleSummary();
    const QStringList lines = memoLines();
    ASSERT_EQ(expected.size(), lines.size()) << str(lines.join(u'\n'));
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(str(expected[i]), str(lines[i])) << "summary line " << i + 1;

    const struct {
        const char* label;
        QString text;
    } labels[] = {
        {"LabelRedditoRimanente", QStringLiteral("Reddito Rimanente: €99.000,00")},
        {"CalcoloScaglione3",
         QStringLiteral("Scaglione 3 (oltre €50.000,00, aliquota 43%): €21.070,00, Reddito Rimanente: €0,00")},
        {"LabDa2", QStringLiteral("Da €28.000,00 a €50.000,00")},
        {"LabelRisultatoTasse", QStringLiteral("Imposte Totali: €34.210,00")},
        {"LabelDetrazioniTotali", QStringLiteral("Totale Detrazioni: €1.000,00")},
        {"LabelDeduzioniTotali", QStringLiteral("Totale Deduzioni: €1.000,00")},
    };
    for (const auto& row : labels)
        EXPECT_EQ(str(row.text), str(label(row.label))) << row.label;

    const QLabel& result = find<QLabel>("LabelRisultatoTasse");
    EXPECT_EQ(QColor(0x008000), result.palette().color(QPalette::WindowText));
    EXPECT_EQ(resultCorner, result.pos()) << "an auto-sized label keeps its top-left corner";
    EXPECT_GT(result.width(), resultWidth) << "the result label grows with its text";

    EXPECT_EQ((std::vector<double>{6440, 7700, 21070}), chartValues());
    EXPECT_TRUE(sent.messages.isEmpty()) << str(sent.messages.join(u'|'));
    EXPECT_TRUE(sent.errors.isEmpty()) << str(sent.errors.join(u'|'));
}

TEST_F(CalculationPage, BadIncomeInProgressiveCalculationShowsOneMessageAndChangesNothing)
{
    runWorkedExample();
    const QStringList summary = memoLines();
    const QString result = label("LabelRisultatoTasse");
    const auto chartBefore = chartValues();

    typeIncome(QStringLiteral("abc"));
    click("ButtonCalcolaTasse");

    EXPECT_EQ((QStringList{QStringLiteral("Errore: 'abc' is not a valid floating point value")}), sent.messages)
        << str(sent.messages.join(u'|'));
    EXPECT_TRUE(sent.errors.isEmpty());
    EXPECT_EQ(summary, memoLines());
    EXPECT_EQ(str(result), str(label("LabelRisultatoTasse")));
    EXPECT_EQ(chartBefore, chartValues());
}

TEST_F(CalculationPage, BadIncomeInStepwiseCalculationReachesErrorDisplayThenAGoodOneWorks)
{
    const struct {
        const char* income;
        const char* error;
    } bad[] = {
        {"abc", "'abc' is not a valid floating point value."},
        {"", "'' is not a valid floating point value."},
    };
    for (const auto& row : bad) {
        SCOPED_TRACE(row.income);
        sent.errors.clear();
        typeIncome(QString::fromLatin1(row.income));
        click("Button6");
        EXPECT_EQ((QStringList{QString::fromLatin1(row.error)}), sent.errors) << str(sent.errors.join(u'|'));
        EXPECT_EQ("LabelRedditoRimanente1", str(label("LabelRedditoRimanente1")));
        EXPECT_EQ("0", str(label("LabelRisultatoTasse")));
        EXPECT_TRUE(chartValues().empty());
    }
    EXPECT_TRUE(sent.messages.isEmpty());

    sent.errors.clear();
    typeIncome(QStringLiteral("10000"));
    click("Button6");
    EXPECT_TRUE(sent.errors.isEmpty()) << str(sent.errors.join(u'|'));
    EXPECT_EQ(str(QStringLiteral("Scaglione 1: €28.000,00 (aliquota 23%), Tasse: €2.300,00, "
                                 "Redd. tassabile rimanente X prossimo scaglione: €0,00")),
              str(label("CalcoloScaglione1")));
    EXPECT_EQ(str(QStringLiteral("Imposte Totali: €2.300,00")), str(label("LabelRisultatoTasse")));
    EXPECT_EQ((std::vector<double>{2300, 0, 0}), chartValues());
}

TEST_F(CalculationPage, PercentageCalculator)
{
    const struct {
        const char* amount;
        const char* percentage;
        const char* result;
    } cases[] = {
        {"200", "15", "30"}, {"0", "15", "0"},  {"200", "0", "0"},     {"50", "-10", "-5"},
        {"20", "150", "30"}, {"0", "0", "0"},   {"12,5", "10", "1,25"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.percentage) + " % of " + row.amount);
        find<QLineEdit>("EditResult").setText(QStringLiteral("typed"));
        find<QLineEdit>("EditAmount").setText(QString::fromLatin1(row.amount));
        find<QLineEdit>("EditPercentage").setText(QString::fromLatin1(row.percentage));
        click("Button3");
        EXPECT_EQ(row.result, str(find<QLineEdit>("EditResult").text()));
    }
    EXPECT_TRUE(sent.errors.isEmpty()) << str(sent.errors.join(u'|'));
}

TEST_F(CalculationPage, PercentageFailuresKeepTheResultBoxAndNameTheAmountFirst)
{
    const struct {
        const char* amount;
        const char* percentage;
        const char* error;
    } cases[] = {
        {"abc", "xyz", "'abc' is not a valid floating point value."},
        {"", "15", "'' is not a valid floating point value."},
        {"200", "x", "'x' is not a valid floating point value."},
        {"1E300", "1E300", "Floating point overflow."},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.percentage) + " % of " + row.amount);
        sent.errors.clear();
        find<QLineEdit>("EditResult").setText(QStringLiteral("typed"));
        find<QLineEdit>("EditAmount").setText(QString::fromLatin1(row.amount));
        find<QLineEdit>("EditPercentage").setText(QString::fromLatin1(row.percentage));
        click("Button3");
        EXPECT_EQ((QStringList{QString::fromLatin1(row.error)}), sent.errors) << str(sent.errors.join(u'|'));
        EXPECT_EQ("typed", str(find<QLineEdit>("EditResult").text()));
    }
}

TEST_F(CalculationPage, WorkTypeBoxesExcludeEachOtherByMouseAndKeyboard)
{
    auto& employed = find<QCheckBox>("ChecklavoroDipendente");
    auto& selfEmployed = find<QCheckBox>("ChecklavoroAutonomo");
    auto& family = find<QCheckBox>("CheckCarichiFamiliari");
    const auto byMouse = [](QCheckBox& box) { box.click(); };
    const auto byKeyboard = [](QCheckBox& box) {
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_Space);
    };

    struct Step {
        const char* what;
        QCheckBox* box;
        bool employedAfter;
        bool selfEmployedAfter;
    };
    const Step steps[] = {
        {"tick employed", &employed, true, false},
        {"tick self-employed", &selfEmployed, false, true},
        {"tick employed again", &employed, true, false},
        {"untick employed", &employed, false, false},
        {"tick self-employed", &selfEmployed, false, true},
        {"untick self-employed", &selfEmployed, false, false},
    };
    for (const auto& way : {std::function<void(QCheckBox&)>(byMouse), std::function<void(QCheckBox&)>(byKeyboard)}) {
        family.setChecked(true);
        for (const Step& step : steps) {
            SCOPED_TRACE(step.what);
            way(*step.box);
            EXPECT_EQ(step.employedAfter, employed.isChecked());
            EXPECT_EQ(step.selfEmployedAfter, selfEmployed.isChecked());
            EXPECT_TRUE(family.isChecked()) << "the other boxes are independent";
        }
    }
    EXPECT_TRUE(sent.errors.isEmpty());
}

// Typed key by key, as a pupil types: the list's "15000" and "50000" must not complete them.
TEST_F(CalculationPage, TypedIncomeIsCalculatedAsTypedNotCompletedFromTheList)
{
    const struct {
        const char* typed;
        const char* result;
    } cases[] = {
        {"150", "Imposte Totali: €34,00"},
        {"50", "Imposte Totali: €12,00"},
        {"1", "Imposte Totali: €0,00"},
        {"2000", "Imposte Totali: €460,00"},
        {"10000", "Imposte Totali: €2.300,00"},
    };
    auto& income = find<QComboBox>("ComboBoxReddito");
    // The list completes only in a box that has the keyboard focus.
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    income.lineEdit()->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(income.lineEdit()->hasFocus());
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed);
        income.lineEdit()->selectAll();
        QTest::keyClicks(income.lineEdit(), QString::fromLatin1(row.typed));
        EXPECT_EQ(row.typed, str(income.currentText()));
        EXPECT_FALSE(income.lineEdit()->hasSelectedText()) << "nothing offered beyond what was typed";
        click("ButtonCalcolaTasse");
        EXPECT_EQ(str(QString::fromUtf8(row.result)), str(label("LabelRisultatoTasse")));
    }
    EXPECT_TRUE(sent.messages.isEmpty()) << str(sent.messages.join(u'|'));
}

TEST_F(CalculationPage, OpenedIncomeListShowsNoEntryAsSelectedUntilOneIsPicked)
{
    auto& income = find<QComboBox>("ComboBoxReddito");
    QAbstractItemView& list = *income.view();
    income.showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.window()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(list.selectionModel()->hasSelection());
    EXPECT_FALSE(list.currentIndex().isValid()) << "row " << list.currentIndex().row() << " is current";
    const QImage shown = list.viewport()->grab().toImage();
    const QRgb highlight = list.palette().color(QPalette::Highlight).rgb();
    int highlighted = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            highlighted += shown.pixel(x, y) == highlight;
    EXPECT_EQ(0, highlighted) << "pixels of the highlight colour in the opened list";
    EXPECT_EQ("10000", str(income.currentText()));
    EXPECT_EQ(-1, income.currentIndex());

    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ("10000", str(income.currentText())) << "the first entry, picked by the keys";
    EXPECT_EQ(0, income.currentIndex());
}

TEST_F(CalculationPage, TypingAndEnterInIncomeBoxAddNoChoiceAndChangeNothing)
{
    auto& income = find<QComboBox>("ComboBoxReddito");
    const int choices = income.count();
    typeIncome(QStringLiteral("123456"));
    QTest::keyClick(income.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(choices, income.count());
    EXPECT_EQ("123456", str(income.currentText()));
    EXPECT_EQ("0", str(label("LabelRisultatoTasse")));
    EXPECT_TRUE(find<QPlainTextEdit>("Memo1").toPlainText().isEmpty());
    EXPECT_TRUE(sent.messages.isEmpty());
}

} // namespace
} // namespace vareldo::testing
