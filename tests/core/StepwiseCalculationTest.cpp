#include "tests/support/FakeControls.h"
#include "tests/support/SettingsGuard.h"

#include "text/Failures.h"

#include <gtest/gtest.h>

#include <string>

namespace vareldo::testing {
namespace {

TEST(StepwiseCalculation, WalksAllThreeBracketsOfTheCurrentTable)
{
    struct Case {
        const char* name;
        BracketValues limits;
        QString income;
        QString afterBracket1;
        QString afterBracket2;
        QStringList bracketLabels;
        std::array<double, 3> chart;
        QString result;
    };
    const Case cases[] = {
        {"10000", BuiltInLimits, u"10000"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 1: €0,00"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 2: €0,00"_s,
         {u"Scaglione 1: €28.000,00 (aliquota 23%), Tasse: €2.300,00, Redd. tassabile rimanente X prossimo scaglione: €0,00"_s,
          u"Scaglione 2: €50.000,00 (aliquota 35%), Tasse: €0,00, Redd. tassabile rimanente X prossimo scaglione: €0,00"_s,
          u"Scaglione 3+: €50.000,00 (aliquota 43%), Tasse: €0,00, ULTIMO SCAGLIONE: €0,00"_s},
         {2300, 0, 0}, u"Imposte Totali: €2.300,00"_s},
        {"100000", BuiltInLimits, u"100000"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 1: €72.000,00"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 2: €50.000,00"_s,
         {u"Scaglione 1: €28.000,00 (aliquota 23%), Tasse: €6.440,00, Redd. tassabile rimanente X prossimo scaglione: €72.000,00"_s,
          u"Scaglione 2: €50.000,00 (aliquota 35%), Tasse: €7.700,00, Redd. tassabile rimanente X prossimo scaglione: €50.000,00"_s,
          u"Scaglione 3+: €50.000,00 (aliquota 43%), Tasse: €21.500,00, ULTIMO SCAGLIONE: €0,00"_s},
         {6440, 7700, 21500}, u"Imposte Totali: €35.640,00"_s},
        {"above the last bracket", BuiltInLimits, u"20000000"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 1: €19.972.000,00"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 2: €19.950.000,00"_s,
         {u"Scaglione 1: €28.000,00 (aliquota 23%), Tasse: €6.440,00, Redd. tassabile rimanente X prossimo scaglione: €19.972.000,00"_s,
          u"Scaglione 2: €50.000,00 (aliquota 35%), Tasse: €7.700,00, Redd. tassabile rimanente X prossimo scaglione: €19.950.000,00"_s,
          u"Scaglione 3+: €50.000,00 (aliquota 43%), Tasse: €4.278.500,00, ULTIMO SCAGLIONE: €10.000.000,00"_s},
         {6440, 7700, 4278500}, u"Imposte Totali: €4.292.640,00"_s},
        {"negative income", BuiltInLimits, u"-5000"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 1: €0,00"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 2: €0,00"_s,
         {u"Scaglione 1: €28.000,00 (aliquota 23%), Tasse: €-1.150,00, Redd. tassabile rimanente X prossimo scaglione: €0,00"_s,
          u"Scaglione 2: €50.000,00 (aliquota 35%), Tasse: €0,00, Redd. tassabile rimanente X prossimo scaglione: €0,00"_s,
          u"Scaglione 3+: €50.000,00 (aliquota 43%), Tasse: €0,00, ULTIMO SCAGLIONE: €0,00"_s},
         {-1150, 0, 0}, u"Imposte Totali: €-1.150,00"_s},
        {"falling limit", {28000, 20000, 10000000}, u"30000"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 1: €2.000,00"_s,
         u"Reddito Rimanente Tassato dopo Scaglione 2: €10.000,00"_s,
         {u"Scaglione 1: €28.000,00 (aliquota 23%), Tasse: €6.440,00, Redd. tassabile rimanente X prossimo scaglione: €2.000,00"_s,
          u"Scaglione 2: €20.000,00 (aliquota 35%), Tasse: €-2.800,00, Redd. tassabile rimanente X prossimo scaglione: €10.000,00"_s,
          u"Scaglione 3+: €20.000,00 (aliquota 43%), Tasse: €4.300,00, ULTIMO SCAGLIONE: €0,00"_s},
         {6440, -2800, 4300}, u"Imposte Totali: €7.940,00"_s},
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow w;
        w.state.LimitiScaglioni = c.limits;
        w.state.Aliquote = BuiltInRates;
        w.state.DetrazioniTotali = 3000; // ticked credits and deductions play no part
        w.state.DeduzioniTotali = 1000;
        w.controls.tick(u"CheckContributiPre");
        w.controls.tick(u"ChecklavoroDipendente");
        w.controls.type(u"ComboBoxReddito", c.income);

        w.calculations.Button6Click();

        EXPECT_EQ(c.afterBracket1, w.controls.label(u"LabelRedditoRimanente1"));
        EXPECT_EQ(c.afterBracket2, w.controls.label(u"LabelRedditoRimanente2"));
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(c.bracketLabels[i - 1], w.controls.label(QStringLiteral("CalcoloScaglione%1").arg(i)));
        EXPECT_EQ(c.result, w.controls.label(u"LabelRisultatoTasse"));
        ASSERT_EQ(1u, w.controls.screen.charts.size());
        EXPECT_EQ(c.chart, w.controls.screen.charts[0]);
        EXPECT_EQ(std::nullopt, w.controls.screen.resultColour);
        EXPECT_TRUE(w.controls.screen.memo.isEmpty());
        EXPECT_EQ(3000, w.state.DetrazioniTotali);
        EXPECT_EQ(1000, w.state.DeduzioniTotali);
        EXPECT_EQ(c.limits, w.state.LimitiScaglioni);
    }
}

TEST(StepwiseCalculation, FailureEscapesAndKeepsTheBracketsDone)
{
    struct Case {
        const char* name;
        BracketValues limits;
        QString income;
        std::string kind;
        QString message;
        QStringList labelsChanged;
        double taxOfBracket1;
        double incomeAfter; // a rejected text leaves the earlier income
    };
    const Case cases[] = {
        {"letters", BuiltInLimits, u"abc"_s, "EConvertError", u"'abc' is not a valid floating point value"_s, {}, 0, 123},
        {"empty", BuiltInLimits, u""_s, "EConvertError", u"'' is not a valid floating point value"_s, {}, 0, 123},
        {"bracket 1 beyond Round", BuiltInLimits, u"-1E20"_s, "EInvalidOp", u"Invalid floating point operation"_s, {}, 0, -1E20},
        {"bracket 2 beyond Round", {28000, 1E20, 1E21}, u"1E20"_s, "EInvalidOp",
         u"Invalid floating point operation"_s, {u"LabelRedditoRimanente1"_s, u"CalcoloScaglione1"_s}, 6440, 1E20},
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow w;
        w.state.LimitiScaglioni = c.limits;
        w.state.Aliquote = BuiltInRates;
        w.state.RedditoTotale = 123;
        w.controls.type(u"ComboBoxReddito", c.income);
        const Screen before = w.controls.screen;

        try {
            w.calculations.Button6Click();
            ADD_FAILURE() << "no failure escaped";
        } catch (const Exception& failure) {
            EXPECT_EQ(c.kind, failure.ClassName());
            EXPECT_EQ(c.message, failure.Message());
        }

        EXPECT_TRUE(w.controls.messages.empty());
        EXPECT_TRUE(w.controls.screen.charts.empty());
        EXPECT_EQ(u"0"_s, w.controls.label(u"LabelRisultatoTasse"));
        for (const auto& [name, text] : before.texts) {
            const bool changed = w.controls.screen.texts.at(name) != text;
            EXPECT_EQ(c.labelsChanged.contains(name), changed) << name.toStdString();
        }
        EXPECT_EQ(c.taxOfBracket1, w.state.Tasse[1]);
        EXPECT_EQ(c.incomeAfter, w.state.RedditoTotale);
    }
}

} // namespace
} // namespace vareldo::testing
