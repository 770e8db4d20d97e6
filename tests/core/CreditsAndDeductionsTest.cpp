#include "tests/support/FakeControls.h"
#include "tests/support/SettingsGuard.h"

#include "text/Failures.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vareldo::testing {
namespace {

TEST(CreditsAndDeductions, TotalsSumTheTickedPairs)
{
    struct Case {
        const char* name;
        TFormatSettings settings;
        std::vector<const char16_t*> ticked;
        std::vector<std::pair<const char16_t*, QString>> typed;
        double credits;
        double deductions;
        QString creditsLabel;
        QString deductionsLabel;
    };
    const Case cases[] = {
        {"nothing ticked", Italian, {}, {}, 0, 0, u"Totale Detrazioni: €0,00"_s, u"Totale Deduzioni: €0,00"_s},
        {"every credit with Lavoro Dipendente", Italian,
         {u"ChecklavoroDipendente", u"CheckCarichiFamiliari", u"CheckSpeseMediche", u"CheckVarie",
          u"CheckCreditiImposta", u"CheckAltreDetrazioni"},
         {}, 3000, 0, u"Totale Detrazioni: €3.000,00"_s, u"Totale Deduzioni: €0,00"_s},
        {"every credit with Lavoro Autonomo", Italian,
         {u"ChecklavoroAutonomo", u"CheckCarichiFamiliari", u"CheckSpeseMediche", u"CheckVarie",
          u"CheckCreditiImposta", u"CheckAltreDetrazioni"},
         {}, 2000, 0, u"Totale Detrazioni: €2.000,00"_s, u"Totale Deduzioni: €0,00"_s},
        {"both deductions", Italian, {u"CheckContributiPre", u"CheckAltreDeduzioni"},
         {{u"EditAltreDeduzioni", u"234,5"_s}}, 0, 1234.5, u"Totale Detrazioni: €0,00"_s,
         u"Totale Deduzioni: €1.234,50"_s},
        {"letters and empty count 0", Italian, {u"CheckVarie", u"CheckSpeseMediche", u"CheckContributiPre"},
         {{u"EditVarie", u"abc"_s}, {u"EditSpeseMediche", u""_s}, {u"EditContributiPre", u"1.000"_s}},
         0, 0, u"Totale Detrazioni: €0,00"_s, u"Totale Deduzioni: €0,00"_s},
        {"decimal comma", Italian, {u"CheckAltreDetrazioni"}, {{u"EditAltreDetrazioni", u"12,50"_s}},
         12.5, 0, u"Totale Detrazioni: €12,50"_s, u"Totale Deduzioni: €0,00"_s},
        {"negative amount lowers the total", Italian, {u"ChecklavoroDipendente", u"CheckVarie"},
         {{u"EditVarie", u"-200"_s}}, 800, 0, u"Totale Detrazioni: €800,00"_s, u"Totale Deduzioni: €0,00"_s},
        {"unticked pairs ignored", Italian, {u"CheckCarichiFamiliari"},
         {{u"EditLavoroDipendente", u"1E308"_s}, {u"EditContributiPre", u"999"_s}},
         500, 0, u"Totale Detrazioni: €500,00"_s, u"Totale Deduzioni: €0,00"_s},
        {"English decimal point", English, {u"ChecklavoroDipendente", u"CheckAltreDetrazioni"},
         {{u"EditAltreDetrazioni", u"12.50"_s}}, 1012.5, 0, u"Totale Detrazioni: €1,012.50"_s,
         u"Totale Deduzioni: €0.00"_s},
        {"English rejects the decimal comma", English, {u"CheckAltreDetrazioni"},
         {{u"EditAltreDetrazioni", u"12,50"_s}}, 0, 0, u"Totale Detrazioni: €0.00"_s, u"Totale Deduzioni: €0.00"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsGuard settings(c.settings);
        TestWindow w;
        w.state.DetrazioniTotali = 99; // each run starts from 0
        w.state.DeduzioniTotali = 99;
        for (const char16_t* box : c.ticked)
            w.controls.tick(box);
        for (const auto& [box, text] : c.typed)
            w.controls.type(box, text);

        w.calculations.Button1Click();

        EXPECT_EQ(c.credits, w.state.DetrazioniTotali);
        EXPECT_EQ(c.deductions, w.state.DeduzioniTotali);
        EXPECT_EQ(c.creditsLabel, w.controls.label(u"LabelDetrazioniTotali"));
        EXPECT_EQ(c.deductionsLabel, w.controls.label(u"LabelDeduzioniTotali"));
    }
}

TEST(CreditsAndDeductions, OverflowEscapesAndKeepsTheLabels)
{
    SettingsGuard italian(Italian);
    TestWindow w;
    w.controls.tick(u"ChecklavoroDipendente", u"1E308"_s);
    w.controls.tick(u"CheckCreditiImposta", u"1E308"_s);
    const Screen before = w.controls.screen;

    EXPECT_THROW(w.calculations.Button1Click(), EOverflow);

    EXPECT_EQ(1E308, w.state.DetrazioniTotali); // the sum as far as it got
    EXPECT_EQ(before, w.controls.screen);
}

} // namespace
} // namespace vareldo::testing
