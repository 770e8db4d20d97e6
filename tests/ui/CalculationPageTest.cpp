#include "tests/support/LongTexts.h"
#include "tests/support/ScreenSnapshot.h"
#include "tests/support/WindowHarness.h"
#include "tests/support/WorkedExample.h"
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

// What a bad income leaves on screen is in the table of incomes below; this is the recovery.
TEST_F(CalculationPage, AfterBadIncomesTheStepwiseCalculationOfAGoodOneWorks)
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

TEST_F(CalculationPage, PercentageCalculatorWritesTheResultOrKeepsTheBoxAndNamesTheAmountFirst)
{
    const QString digits = megabyteOf(u"1234567890"_s);
    const struct {
        const char* name;
        QString amount;
        QString percentage;
        QString error; // empty: the click succeeds
        QString result;
    } cases[] = {
        {"15 % of 200", u"200"_s, u"15"_s, {}, u"30"_s},
        {"15 % of 0", u"0"_s, u"15"_s, {}, u"0"_s},
        {"0 % of 200", u"200"_s, u"0"_s, {}, u"0"_s},
        {"-10 % of 50", u"50"_s, u"-10"_s, {}, u"-5"_s},
        {"150 % of 20", u"20"_s, u"150"_s, {}, u"30"_s},
        {"0 % of 0", u"0"_s, u"0"_s, {}, u"0"_s},
        {"10 % of 12,5", u"12,5"_s, u"10"_s, {}, u"1,25"_s},
        {"a product too small for a double is zero", u"1E-320"_s, u"1E-10"_s, {}, u"0"_s},
        {"letters in both boxes: the amount is named", u"abc"_s, u"xyz"_s,
         u"'abc' is not a valid floating point value."_s, {}},
        {"empty amount", u""_s, u"15"_s, u"'' is not a valid floating point value."_s, {}},
        {"letters as percentage", u"200"_s, u"x"_s, u"'x' is not a valid floating point value."_s, {}},
        {"both boxes empty: the amount's empty text is named", u""_s, u""_s,
         u"'' is not a valid floating point value."_s, {}},
        {"empty amount, letters as percentage", u""_s, u"abc"_s, u"'' is not a valid floating point value."_s, {}},
        {"a megabyte of digits as amount", digits, u"5"_s, conversionMessage(digits) + u'.', {}},
        {"1E300 % of 1E300: the product overflows", u"1E300"_s, u"1E300"_s, u"Floating point overflow."_s, {}},
        {"1E200 % of 1E200: the product overflows", u"1E200"_s, u"1E200"_s, u"Floating point overflow."_s, {}},
        {"100 % of 1E308: the product overflows before the division", u"1E308"_s, u"100"_s,
         u"Floating point overflow."_s, {}},
        {"1E10 % of -1E308: the product overflows below", u"-1E308"_s, u"1E10"_s, u"Floating point overflow."_s,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sent = {};
        paste("EditResult", u"typed"_s);
        paste("EditAmount", c.amount);
        paste("EditPercentage", c.percentage);
        const ScreenSnapshot before = snapshotOf(*this);

        click("Button3");

        const QStringList errors = c.error.isEmpty() ? QStringList() : QStringList{c.error};
        EXPECT_TRUE(errors == sent.errors)
            << "errors expected:" << joinedForLog(errors) << "\ngot:" << joinedForLog(sent.errors);
        EXPECT_TRUE(sent.messages.isEmpty()) << joinedForLog(sent.messages);
        const ScreenSnapshot expected =
            c.error.isEmpty() ? withChanges(before, {{u"EditResult"_s, c.result}}) : before;
        EXPECT_TRUE(expected == snapshotOf(*this)) << differences(expected, snapshotOf(*this));
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

const QString Separator(52, u'-');

// One click and all it may do: the boxes it shows and the controls it changes.
struct Click {
    const char* button;
    QStringList messages; // the system's own message boxes
    QStringList errors;   // the default error display
    ScreenSnapshot changed;
};

struct IncomeCase {
    const char* name;
    QString income;
    std::vector<TickedAmount> ticked;
    std::vector<Click> clicks;
};

// A text the strict reading rejects fails both calculations before anything on screen changes.
IncomeCase notANumber(const char* name, const QString& income)
{
    const QString message = conversionMessage(income);
    return {name, income, {}, {{"ButtonCalcolaTasse", {u"Errore: "_s + message}, {}, {}},
                                {"Button6", {}, {message + u'.'}, {}}}};
}

const QString Digits = megabyteOf(u"1234567890"_s);
const QString Letters = megabyteOf(u"abcdefghijklmnopqrstuvwxyz"_s);

// The progressive summary of a negative income: nothing is taxable, no bracket is walked.
const QString NegativeIncomeSummary = QStringList{
    u"Calcolo delle Imposte per un Reddito LORDO di €-1E20"_s,
    Separator,
    u"Totale Deduzioni SOTTRATTE AL REDDITO: €0,00"_s,
    u"Reddito LORDO - DEDUZIONI di €-1E20"_s,
    Separator,
    u"Scaglioni di Reddito e Aliquote Fiscali 2024 :"_s,
    u"1. Primo Scaglione: fino a €28.000 con aliquota 23%"_s,
    u"2. Secondo Scaglione: da €28.001 a €50.000 con aliquota 35%"_s,
    u"3. Terzo Scaglione: oltre €50.000 con aliquota 43%"_s,
    Separator,
    Separator,
    u"Totale IMPOSTE CALCOLATE: €0,00"_s,
    u"Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €0,00"_s,
    Separator,
    u"TOTALE IMPOSTE DA PAGARE : €0,00"_s,
    Separator,
}.join(u'\n');

// The overflow of a sum of amounts comes after the heading of the summary.
const ScreenSnapshot SummaryHeadingOnly = {
    {u"Memo1"_s, u"Calcolo delle Imposte per un Reddito LORDO di €10000,00\n"_s + Separator}};

// Each income text, after a calculation whose results are on screen: the boxes each click shows
// and the controls it changes, and nothing else.
TEST(CalculationPageIncomes, EachTextGivesItsOutcomeAndChangesNothingElse)
{
    const IncomeCase cases[] = {
        notANumber("letters", u"abc"_s),
        notANumber("empty", u""_s),
        notANumber("a megabyte of digits: too large", Digits),
        notANumber("a megabyte of letters", Letters),
        notANumber("a NUL inside the digits", u"100"_s + QChar(u'\0') + u"00"_s),
        notANumber("a right-to-left mark before the digits", QChar(0x200F) + u"10000"_s),
        notANumber("an emoji after the digits", u"10000\U0001F600"_s),
        notANumber("a tab before the digits", u"\t10000"_s),
        notANumber("an exponent beyond the double range", u"1E400"_s),
        {"-1E20: the step-wise rounding fails, the progressive walk has nothing to tax",
         u"-1E20"_s,
         {},
         {{"Button6", {}, {u"Invalid floating point operation."_s}, {}},
          {"ButtonCalcolaTasse",
           {},
           {},
           {{u"Memo1"_s, NegativeIncomeSummary},
            {u"LabelRedditoRimanente"_s, u"Reddito Rimanente: €0,00"_s},
            {u"CalcoloScaglione1"_s, u""_s},
            {u"CalcoloScaglione2"_s, u""_s},
            {u"CalcoloScaglione3"_s, u""_s},
            {u"LabelRisultatoTasse"_s, u"Imposte Totali: €0,00"_s},
            {u"ChartTasse"_s, u"0 0 0"_s}}}}},
        {"1E308 in two ticked credit boxes: the sum overflows",
         u"10000"_s,
         {{"CheckCarichiFamiliari", "EditCarichiFamiliari", "1E308"}, {"CheckSpeseMediche", "EditSpeseMediche", "1E308"}},
         {{"ButtonCalcolaTasse", {u"Errore: Floating point overflow"_s}, {}, SummaryHeadingOnly},
          {"Button1", {}, {u"Floating point overflow."_s}, {}}}},
        {"1E308 in two ticked deduction boxes: the sum overflows",
         u"10000"_s,
         {{"CheckContributiPre", "EditContributiPre", "1E308"},
          {"CheckAltreDeduzioni", "EditAltreDeduzioni", "1E308"}},
         {{"ButtonCalcolaTasse", {u"Errore: Floating point overflow"_s}, {}, SummaryHeadingOnly},
          {"Button1", {}, {u"Floating point overflow."_s}, {}}}},
    };
    for (const IncomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        WindowHarness w;
        w.showCalculationPage();
        // An earlier calculation whose results must stay on screen.
        w.pasteIncome(u"100000"_s);
        w.click("ButtonCalcolaTasse");
        ASSERT_TRUE(w.sent.messages.isEmpty()) << joinedForLog(w.sent.messages);

        w.pasteIncome(c.income);
        for (const TickedAmount& pair : c.ticked)
            w.tick(pair);
        for (const Click& click : c.clicks) {
            SCOPED_TRACE(click.button);
            w.sent = {};
            const ScreenSnapshot before = snapshotOf(w);

            w.click(click.button);

            EXPECT_TRUE(click.messages == w.sent.messages)
                << "messages expected:" << joinedForLog(click.messages) << "\ngot:" << joinedForLog(w.sent.messages);
            EXPECT_TRUE(click.errors == w.sent.errors)
                << "errors expected:" << joinedForLog(click.errors) << "\ngot:" << joinedForLog(w.sent.errors);
            const ScreenSnapshot expected = withChanges(before, click.changed);
            EXPECT_TRUE(expected == snapshotOf(w)) << differences(expected, snapshotOf(w));
        }
    }
}

} // namespace
} // namespace vareldo::testing
