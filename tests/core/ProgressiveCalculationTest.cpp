#include "tests/support/WorkedExample.h"
#include "tests/support/FakeControls.h"
#include "tests/support/SettingsGuard.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vareldo::testing {
namespace {

const QString Sep = u"----------------------------------------------------"_s;

const QStringList FixedLines = {
    Sep,
    u"Scaglioni di Reddito e Aliquote Fiscali 2024 :"_s,
    u"1. Primo Scaglione: fino a €28.000 con aliquota 23%"_s,
    u"2. Secondo Scaglione: da €28.001 a €50.000 con aliquota 35%"_s,
    u"3. Terzo Scaglione: oltre €50.000 con aliquota 43%"_s,
    Sep,
};

using Ticks = std::vector<std::pair<const char16_t*, QString>>;

void tickAll(FakeControls& controls, const Ticks& ticks)
{
    for (const auto& [box, amount] : ticks)
        controls.tick(box, amount);
}

TEST(ProgressiveCalculation, WorkedExampleWritesTheWholeSummary)
{
    SettingsGuard italian(Italian);
    TestWindow w;
    w.controls.type(u"ComboBoxReddito", u"100000"_s);
    w.controls.tick(u"CheckContributiPre");
    w.controls.tick(u"ChecklavoroDipendente");

    w.calculations.ButtonCalcolaTasseClick();

    const QStringList expected = WorkedExampleSummary();
    EXPECT_EQ(expected, w.controls.screen.memo);

    const std::pair<const char16_t*, QString> labels[] = {
        {u"LabelRedditoRimanente", u"Reddito Rimanente: €99.000,00"_s},
        {u"LabelDetrazioniTotali", u"Totale Detrazioni: €1.000,00"_s},
        {u"LabelDeduzioniTotali", u"Totale Deduzioni: €1.000,00"_s},
        {u"LabDa1", u"Da 0 a €28.000,00"_s},
        {u"LabDa2", u"Da €28.000,00 a €50.000,00"_s},
        {u"LabDa3", u"Da €50.000,00 in poi"_s},
        {u"CalcoloScaglione1", u"Scaglione 1 (fino a €28.000,00, aliquota 23%): €6.440,00, Reddito Rimanente: €71.000,00"_s},
        {u"CalcoloScaglione2", u"Scaglione 2 (fino a €50.000,00, aliquota 35%): €7.700,00, Reddito Rimanente: €49.000,00"_s},
        {u"CalcoloScaglione3", u"Scaglione 3 (oltre €50.000,00, aliquota 43%): €21.070,00, Reddito Rimanente: €0,00"_s},
        {u"LabelRisultatoTasse", u"Imposte Totali: €34.210,00"_s},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(text, w.controls.label(name)) << QString::fromUtf16(name).toStdString();

    EXPECT_EQ(std::optional<Rgb>(0x008000), w.controls.screen.resultColour);
    ASSERT_EQ(1u, w.controls.screen.charts.size());
    EXPECT_EQ((std::array<double, 3>{6440, 7700, 21070}), w.controls.screen.charts[0]);
    EXPECT_TRUE(w.controls.messages.empty());
    EXPECT_EQ(34210, w.state.TasseTotali);
    EXPECT_EQ(0, w.state.RedditoRimanente);
}

TEST(ProgressiveCalculation, IncomeWalksTheBracketsUntilNothingRemains)
{
    struct Case {
        QString income;
        QStringList bracketLines; // the summary lines of the brackets walked
        std::array<double, 3> chart;
        QString result;
    };
    const Case cases[] = {
        {u"10000"_s,
         {u"1. Scaglione (fino a €28.000,00) - Aliquota 23% = €2.300,00 - Rimangono €0,00"_s},
         {2300, 0, 0}, u"Imposte Totali: €2.300,00"_s},
        {u"28000"_s,
         {u"1. Scaglione (fino a €28.000,00) - Aliquota 23% = €6.440,00 - Rimangono €0,00"_s},
         {6440, 0, 0}, u"Imposte Totali: €6.440,00"_s},
        {u"28001"_s,
         {u"1. Scaglione (fino a €28.000,00) - Aliquota 23% = €6.440,00 - Rimangono €1,00"_s,
          u"2. Scaglione (fino a €50.000,00) - Aliquota 35% = €0,00 - Rimangono €0,00"_s},
         {6440, 0, 0}, u"Imposte Totali: €6.440,00"_s},
        {u"50000"_s,
         {u"1. Scaglione (fino a €28.000,00) - Aliquota 23% = €6.440,00 - Rimangono €22.000,00"_s,
          u"2. Scaglione (fino a €50.000,00) - Aliquota 35% = €7.700,00 - Rimangono €0,00"_s},
         {6440, 7700, 0}, u"Imposte Totali: €14.140,00"_s},
        {u"150"_s,
         {u"1. Scaglione (fino a €28.000,00) - Aliquota 23% = €34,00 - Rimangono €0,00"_s},
         {34, 0, 0}, u"Imposte Totali: €34,00"_s},
        {u"50"_s,
         {u"1. Scaglione (fino a €28.000,00) - Aliquota 23% = €12,00 - Rimangono €0,00"_s},
         {12, 0, 0}, u"Imposte Totali: €12,00"_s},
        {u"20000000"_s,
         {u"1. Scaglione (fino a €28.000,00) - Aliquota 23% = €6.440,00 - Rimangono €19.972.000,00"_s,
          u"2. Scaglione (fino a €50.000,00) - Aliquota 35% = €7.700,00 - Rimangono €19.950.000,00"_s,
          u"3. Scaglione (fino a €10.000.000,00) - Aliquota 43% = €4.278.500,00 - Rimangono €10.000.000,00"_s},
         {6440, 7700, 4278500}, u"Imposte Totali: €4.292.640,00"_s},
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.income.toStdString());
        TestWindow w;
        w.controls.type(u"ComboBoxReddito", c.income);
        w.calculations.ButtonCalcolaTasseClick();

        const QStringList& memo = w.controls.screen.memo;
        ASSERT_EQ(16 + c.bracketLines.size(), memo.size());
        EXPECT_EQ(c.bracketLines, memo.mid(10, c.bracketLines.size()));
        EXPECT_EQ(Sep, memo[10 + c.bracketLines.size()]);
        EXPECT_EQ(u"TOTALE IMPOSTE DA PAGARE : €"_s + c.result.sliced(17), memo[memo.size() - 2]);
        for (int i = 1; i <= 3; ++i) {
            const QString text = w.controls.label(QStringLiteral("CalcoloScaglione%1").arg(i));
            EXPECT_EQ(i > c.bracketLines.size(), text.isEmpty()) << "CalcoloScaglione" << i << ": " << text.toStdString();
        }
        EXPECT_EQ(c.result, w.controls.label(u"LabelRisultatoTasse"));
        ASSERT_EQ(1u, w.controls.screen.charts.size());
        EXPECT_EQ(c.chart, w.controls.screen.charts[0]);
    }
}

TEST(ProgressiveCalculation, DeductionsLowerTheIncomeAndCreditsTheTax)
{
    struct Case {
        const char* name;
        QString income;
        Ticks ticks;
        QString afterDeductionsLine;
        QString taxableLabel;
        qsizetype memoLines;
        QString taxBeforeCreditsLine;
        QString creditsLine;
        QString result;
    };
    const Case cases[] = {
        {"deductions above the income", u"1000"_s,
         {{u"CheckContributiPre", u"2000"_s}, {u"ChecklavoroDipendente", u"300"_s}},
         u"Reddito LORDO - DEDUZIONI di €-1000,00"_s, u"Reddito Rimanente: €0,00"_s, 16,
         u"Totale IMPOSTE CALCOLATE: €0,00"_s, u"Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €300,00"_s,
         u"Imposte Totali: €-300,00"_s},
        {"credits above the tax", u"10000"_s,
         {{u"ChecklavoroDipendente", u"1000"_s}, {u"CheckCarichiFamiliari", u"500"_s},
          {u"CheckSpeseMediche", u"300"_s}, {u"CheckVarie", u"200"_s}, {u"CheckCreditiImposta", u"1000"_s}},
         u"Reddito LORDO - DEDUZIONI di €10000,00"_s, u"Reddito Rimanente: €10.000,00"_s, 17,
         u"Totale IMPOSTE CALCOLATE: €2.300,00"_s, u"Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €3.000,00"_s,
         u"Imposte Totali: €-700,00"_s},
        {"deductions without credits", u"30000"_s,
         {{u"CheckContributiPre", u"1000"_s}},
         u"Reddito LORDO - DEDUZIONI di €29000,00"_s, u"Reddito Rimanente: €29.000,00"_s, 18,
         u"Totale IMPOSTE CALCOLATE: €6.790,00"_s, u"Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €0,00"_s,
         u"Imposte Totali: €6.790,00"_s},
        // The tax before credits is the brackets' own sum, not lost in the huge credit.
        {"credit too large to add back", u"10000"_s,
         {{u"CheckAltreDetrazioni", u"1E20"_s}},
         u"Reddito LORDO - DEDUZIONI di €10000,00"_s, u"Reddito Rimanente: €10.000,00"_s, 17,
         u"Totale IMPOSTE CALCOLATE: €2.300,00"_s, u"Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €1E20"_s,
         u"Imposte Totali: €-1E20"_s},
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow w;
        w.controls.type(u"ComboBoxReddito", c.income);
        tickAll(w.controls, c.ticks);
        w.calculations.ButtonCalcolaTasseClick();

        const QStringList& memo = w.controls.screen.memo;
        ASSERT_EQ(c.memoLines, memo.size());
        EXPECT_EQ(c.afterDeductionsLine, memo[3]);
        EXPECT_EQ(c.taxableLabel, w.controls.label(u"LabelRedditoRimanente"));
        EXPECT_EQ(c.taxBeforeCreditsLine, memo[memo.size() - 5]);
        EXPECT_EQ(c.creditsLine, memo[memo.size() - 4]);
        EXPECT_EQ(u"TOTALE IMPOSTE DA PAGARE : €"_s + c.result.sliced(17), memo[memo.size() - 2]);
        EXPECT_EQ(c.result, w.controls.label(u"LabelRisultatoTasse"));
        EXPECT_TRUE(w.controls.messages.empty());
    }
}

TEST(ProgressiveCalculation, BadIncomeShowsTheMessageAndLeavesTheScreen)
{
    const QString texts[] = {u"abc"_s, u""_s, u"1.000"_s};
    SettingsGuard italian(Italian);
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        TestWindow w;
        w.controls.type(u"ComboBoxReddito", u"100000"_s);
        w.controls.tick(u"ChecklavoroDipendente");
        w.calculations.ButtonCalcolaTasseClick();
        // A table left by a configuration file and totals of an earlier sum.
        w.state.LimitiScaglioni = {1, 2, 3};
        w.state.Aliquote = {0.5, 0.5, 0.5};
        w.state.DetrazioniTotali = 7;
        w.state.DeduzioniTotali = 8;
        w.controls.type(u"ComboBoxReddito", text);
        const Screen before = w.controls.screen;

        w.calculations.ButtonCalcolaTasseClick();

        ASSERT_EQ(1u, w.controls.messages.size());
        EXPECT_EQ(u"Errore: '"_s + text + u"' is not a valid floating point value"_s, w.controls.messages[0].text);
        EXPECT_EQ(-1, w.controls.messages[0].x);
        EXPECT_EQ(-1, w.controls.messages[0].y);
        EXPECT_EQ(before, w.controls.screen);
        EXPECT_EQ(100000, w.state.RedditoTotale);
        EXPECT_EQ(BuiltInLimits, w.state.LimitiScaglioni);
        EXPECT_EQ(BuiltInRates, w.state.Aliquote);
        EXPECT_EQ(0, w.state.TasseTotali);
        EXPECT_EQ(0, w.state.DetrazioniTotali);
        EXPECT_EQ(0, w.state.DeduzioniTotali);
    }
}

TEST(ProgressiveCalculation, OverflowStopsPartWayAndIsShown)
{
    struct Case {
        const char* name;
        QString income;
        Ticks ticks;
        qsizetype memoLinesLeft;
    };
    const Case cases[] = {
        {"two credits of 1E308", u"10000"_s,
         {{u"ChecklavoroDipendente", u"1E308"_s}, {u"CheckCreditiImposta", u"1E308"_s}}, 2},
        {"income minus a deduction of -1E308", u"1E308"_s, {{u"CheckContributiPre", u"-1E308"_s}}, 3},
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow w;
        w.controls.type(u"ComboBoxReddito", c.income);
        tickAll(w.controls, c.ticks);
        w.calculations.ButtonCalcolaTasseClick();

        ASSERT_EQ(1u, w.controls.messages.size());
        EXPECT_EQ(u"Errore: Floating point overflow"_s, w.controls.messages[0].text);
        EXPECT_EQ(c.memoLinesLeft, w.controls.screen.memo.size());
        EXPECT_EQ(u"0"_s, w.controls.label(u"LabelRisultatoTasse"));
        EXPECT_TRUE(w.controls.screen.charts.empty());
    }
}

TEST(ProgressiveCalculation, EachRunStartsFromTheBuiltInTable)
{
    SettingsGuard italian(Italian);
    TestWindow w;
    w.controls.type(u"ComboBoxReddito", u"100000"_s);
    w.calculations.ButtonCalcolaTasseClick();
    w.state.LimitiScaglioni = {30000, 20000, 10000000};

    w.controls.type(u"ComboBoxReddito", u"20000"_s);
    w.calculations.ButtonCalcolaTasseClick();

    EXPECT_EQ(BuiltInLimits, w.state.LimitiScaglioni);
    ASSERT_EQ(2u, w.controls.screen.charts.size());
    EXPECT_EQ((std::array<double, 3>{4600, 0, 0}), w.controls.screen.charts[1]);
    EXPECT_EQ(u"Da €28.000,00 a €50.000,00"_s, w.controls.label(u"LabDa2"));
    EXPECT_EQ(u"Da €50.000,00 in poi"_s, w.controls.label(u"LabDa3"));
    EXPECT_EQ(u""_s, w.controls.label(u"CalcoloScaglione2"));
}

TEST(ProgressiveCalculation, TextsFollowTheSeparators)
{
    struct Case {
        const char* name;
        TFormatSettings settings;
        QString income;
        QString firstLine;
        QString secondBracketLine;
        QString result;
    };
    const Case cases[] = {
        {"Italian", Italian, u"28000,5"_s, u"Calcolo delle Imposte per un Reddito LORDO di €28000,50"_s,
         u"2. Scaglione (fino a €50.000,00) - Aliquota 35% = €0,00 - Rimangono €0,00"_s,
         u"Imposte Totali: €6.440,00"_s},
        {"English", English, u"28000.5"_s, u"Calcolo delle Imposte per un Reddito LORDO di €28000.50"_s,
         u"2. Scaglione (fino a €50,000.00) - Aliquota 35% = €0.00 - Rimangono €0.00"_s,
         u"Imposte Totali: €6,440.00"_s},
        {"English, thousands of euro", English, u"1234567.891"_s,
         u"Calcolo delle Imposte per un Reddito LORDO di €1234567.89"_s,
         u"2. Scaglione (fino a €50,000.00) - Aliquota 35% = €7,700.00 - Rimangono €1,184,567.89"_s,
         u"Imposte Totali: €523,504.00"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsGuard settings(c.settings);
        TestWindow w;
        w.controls.type(u"ComboBoxReddito", c.income);
        w.calculations.ButtonCalcolaTasseClick();

        ASSERT_GE(w.controls.screen.memo.size(), 12);
        EXPECT_EQ(c.firstLine, w.controls.screen.memo[0]);
        EXPECT_EQ(c.secondBracketLine, w.controls.screen.memo[11]);
        EXPECT_EQ(c.result, w.controls.label(u"LabelRisultatoTasse"));
    }

    SettingsGuard english(English);
    TestWindow w;
    w.controls.type(u"ComboBoxReddito", u"28000,5"_s);
    w.calculations.ButtonCalcolaTasseClick();
    ASSERT_EQ(1u, w.controls.messages.size());
    EXPECT_EQ(u"Errore: '28000,5' is not a valid floating point value"_s, w.controls.messages[0].text);
}

} // namespace
} // namespace vareldo::testing
