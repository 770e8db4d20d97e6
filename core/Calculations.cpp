#include "core/Calculations.h"

#include "core/CalculationState.h"
#include "core/ControlNames.h"
#include "core/NamedControls.h"
#include "text/Amounts.h"
#include "text/Failures.h"
#include "text/NumberReading.h"
#include "text/NumberWriting.h"

#include <exception>
#include <span>

namespace vareldo {

namespace {

const QString Separator(52, u'-');

QString amountText(double value)
{
    return FormatFloat(u"#,##0.00", value);
}

// Writes the sum into total as it goes, so an overflow leaves the part already summed.
void sumTicked(const NamedControls& controls, std::span<const names::AmountPair> pairs, double& total)
{
    total = 0;
    for (const names::AmountPair& pair : pairs) {
        if (controls.Checked(names::Name(pair.checkBox)))
            total = checkedAdd(total, StrToFloatDef(controls.Text(names::Name(pair.amountBox)), 0));
    }
}

double bracketWidth(const CalculationState& s, int i)
{
    return i == 1 ? s.LimitiScaglioni[1] : checkedSub(s.LimitiScaglioni[i], s.LimitiScaglioni[i - 1]);
}

// One bracket of a walk: its share of what remains, its tax in whole euro, the running total.
void takeBracket(const CalculationState& s, int i, double& RedditoRimanente, double& RedditoScaglione,
                 double& Tasse, double& TasseTotali)
{
    const double width = bracketWidth(s, i);
    RedditoScaglione = RedditoRimanente < width ? RedditoRimanente : width;
    Tasse = static_cast<double>(Round(checkedMul(RedditoScaglione, s.Aliquote[i])));
    TasseTotali = checkedAdd(TasseTotali, Tasse);
    RedditoRimanente = checkedSub(RedditoRimanente, RedditoScaglione);
}

double ratePercent(double rate)
{
    return checkedMul(rate, 100);
}

} // namespace

void TaxCalculations::ButtonCalcolaTasseClick()
{
    try {
        calculateProgressive();
    } catch (const Exception& failure) {
        c_.ShowMessagePos(QStringLiteral("Errore: ") + failure.Message(), -1, -1);
    } catch (const std::exception& failure) {
        c_.ShowMessagePos(QStringLiteral("Errore: ") + QString::fromUtf8(failure.what()), -1, -1);
    }
}

void TaxCalculations::calculateProgressive()
{
    s_.LimitiScaglioni = BuiltInLimits;
    s_.Aliquote = BuiltInRates;
    s_.TasseTotali = 0;
    s_.DetrazioniTotali = 0;
    s_.DeduzioniTotali = 0;
    s_.RedditoTotale = StrToFloat(c_.Text(names::Name(names::ComboBoxReddito)));

    c_.ClearMemo();
    c_.AppendMemoLine(Format(u"Calcolo delle Imposte per un Reddito LORDO di €%.2f", {s_.RedditoTotale}));
    c_.AppendMemoLine(Separator);

    CalcolaDetrazioni();
    CalcolaDeduzioni();
    c_.AppendMemoLine(QStringLiteral("Totale Deduzioni SOTTRATTE AL REDDITO: €") + amountText(s_.DeduzioniTotali));
    const double afterDeductions = checkedSub(s_.RedditoTotale, s_.DeduzioniTotali);
    c_.AppendMemoLine(Format(u"Reddito LORDO - DEDUZIONI di €%.2f", {afterDeductions}));

    c_.AppendMemoLine(Separator);
    c_.AppendMemoLine(QStringLiteral("Scaglioni di Reddito e Aliquote Fiscali 2024 :"));
    c_.AppendMemoLine(QStringLiteral("1. Primo Scaglione: fino a €28.000 con aliquota 23%"));
    c_.AppendMemoLine(QStringLiteral("2. Secondo Scaglione: da €28.001 a €50.000 con aliquota 35%"));
    c_.AppendMemoLine(QStringLiteral("3. Terzo Scaglione: oltre €50.000 con aliquota 43%"));
    c_.AppendMemoLine(Separator);

    s_.RedditoRimanente = afterDeductions < 0 ? 0 : afterDeductions;
    c_.SetText(names::Name(names::LabelRedditoRimanente),
               QStringLiteral("Reddito Rimanente: €") + amountText(s_.RedditoRimanente));
    c_.SetText(names::Name(names::LabelDetrazioniTotali),
               QStringLiteral("Totale Detrazioni: €") + amountText(s_.DetrazioniTotali));
    c_.SetText(names::Name(names::LabelDeduzioniTotali),
               QStringLiteral("Totale Deduzioni: €") + amountText(s_.DeduzioniTotali));
    c_.SetText(names::Name(names::CalcoloScaglione[0]), QString());
    c_.SetText(names::Name(names::CalcoloScaglione[1]), QString());
    c_.SetText(names::Name(names::CalcoloScaglione[2]), QString());

    walkProgressiveBrackets();

    // Kept apart so the line of the tax before credits shows the brackets' own sum,
    // which subtracting and adding back a huge credit would lose.
    const double taxBeforeCredits = s_.TasseTotali;
    s_.TasseTotali = checkedSub(s_.TasseTotali, s_.DetrazioniTotali);

    c_.AppendMemoLine(Separator);
    c_.AppendMemoLine(QStringLiteral("Totale IMPOSTE CALCOLATE: €") + amountText(taxBeforeCredits));
    c_.AppendMemoLine(QStringLiteral("Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €")
                      + amountText(s_.DetrazioniTotali));
    c_.AppendMemoLine(Separator);
    c_.AppendMemoLine(QStringLiteral("TOTALE IMPOSTE DA PAGARE : €") + amountText(s_.TasseTotali));
    c_.AppendMemoLine(Separator);

    c_.SetResultColour(ColourGreen);
    c_.SetText(names::Name(names::LabelRisultatoTasse), QStringLiteral("Imposte Totali: €") + amountText(s_.TasseTotali));
    c_.AggiornaGrafico(s_);
}

void TaxCalculations::walkProgressiveBrackets()
{
    const BracketValues& limits = s_.LimitiScaglioni;
    const BracketValues& rates = s_.Aliquote;

    for (int i = 1; i <= 3; ++i) {
        if (s_.RedditoRimanente <= 0) {
            for (int later = i; later <= 3; ++later)
                s_.Tasse[later] = 0;
            return;
        }

        switch (i) {
        case 1:
            c_.SetText(names::Name(names::LabDa[0]), QStringLiteral("Da 0 a €") + amountText(limits[1]));
            break;
        case 2:
            c_.SetText(names::Name(names::LabDa[1]),
                       QStringLiteral("Da €") + amountText(limits[1]) + QStringLiteral(" a €") + amountText(limits[2]));
            break;
        default:
            c_.SetText(names::Name(names::LabDa[2]), QStringLiteral("Da €") + amountText(limits[2]) + QStringLiteral(" in poi"));
            break;
        }

        takeBracket(s_, i, s_.RedditoRimanente, s_.RedditoScaglione, s_.Tasse[i], s_.TasseTotali);

        static const char16_t* const labelFormats[] = {
            u"Scaglione 1 (fino a €%s, aliquota %.0f%%): €%s, Reddito Rimanente: €%s",
            u"Scaglione 2 (fino a €%s, aliquota %.0f%%): €%s, Reddito Rimanente: €%s",
            u"Scaglione 3 (oltre €%s, aliquota %.0f%%): €%s, Reddito Rimanente: €%s",
        };
        // Bracket 3 is named by its lower limit: it has no upper one worth showing.
        const double shownLimit = i == 3 ? limits[2] : limits[i];
        c_.SetText(names::Name(names::CalcoloScaglione[i - 1]),
                   Format(labelFormats[i - 1], {amountText(shownLimit), ratePercent(rates[i]),
                                                amountText(s_.Tasse[i]), amountText(s_.RedditoRimanente)}));

        c_.AppendMemoLine(Format(u"%d. Scaglione (fino a €%n) - Aliquota %.0f%% = €%n - Rimangono €%n",
                                 {i, limits[i], ratePercent(rates[i]), s_.Tasse[i], s_.RedditoRimanente}));
    }
}

void TaxCalculations::Button6Click()
{
    CalcolaImposte();
}

void TaxCalculations::CalcolaImposte()
{
    s_.RedditoTotale = StrToFloat(c_.Text(names::Name(names::ComboBoxReddito)));
    s_.RedditoRimanente = s_.RedditoTotale;
    s_.TasseTotali = 0;
    for (int i = 1; i <= 3; ++i) {
        CalcolaImposteScaglione(i, s_.RedditoRimanente, s_.RedditoScaglione, s_.Tasse[i], s_.TasseTotali);
        AggiornaLabelScaglione(i, s_.Tasse[i], s_.RedditoRimanente);
    }
    AggiornaInterfaccia(s_.TasseTotali);
}

void TaxCalculations::CalcolaImposteScaglione(int i, double& RedditoRimanente, double& RedditoScaglione,
                                              double& Tasse, double& TasseTotali)
{
    takeBracket(s_, i, RedditoRimanente, RedditoScaglione, Tasse, TasseTotali);

    if (i == 1)
        c_.SetText(names::Name(names::LabelRedditoRimanente1),
                   QStringLiteral("Reddito Rimanente Tassato dopo Scaglione 1: €") + amountText(RedditoRimanente));
    else if (i == 2)
        c_.SetText(names::Name(names::LabelRedditoRimanente2),
                   QStringLiteral("Reddito Rimanente Tassato dopo Scaglione 2: €") + amountText(RedditoRimanente));
}

void TaxCalculations::AggiornaLabelScaglione(int i, double Tasse, double RedditoRimanente)
{
    static const char16_t* const labelFormats[] = {
        u"Scaglione 1: €%s (aliquota %.0f%%), Tasse: €%s, Redd. tassabile rimanente X prossimo scaglione: €%s",
        u"Scaglione 2: €%s (aliquota %.0f%%), Tasse: €%s, Redd. tassabile rimanente X prossimo scaglione: €%s",
        u"Scaglione 3+: €%s (aliquota %.0f%%), Tasse: €%s, ULTIMO SCAGLIONE: €%s",
    };
    const double shownLimit = i == 3 ? s_.LimitiScaglioni[2] : s_.LimitiScaglioni[i];
    c_.SetText(names::Name(names::CalcoloScaglione[i - 1]),
               Format(labelFormats[i - 1], {amountText(shownLimit), ratePercent(s_.Aliquote[i]), amountText(Tasse),
                                            amountText(RedditoRimanente)}));
}

void TaxCalculations::AggiornaInterfaccia(double TasseTotali)
{
    c_.SetText(names::Name(names::LabelRisultatoTasse), QStringLiteral("Imposte Totali: €") + amountText(TasseTotali));
    c_.AggiornaGrafico(s_);
}

void TaxCalculations::CalcolaDetrazioni()
{
    sumTicked(c_, names::TaxCredits, s_.DetrazioniTotali);
}

void TaxCalculations::CalcolaDeduzioni()
{
    sumTicked(c_, names::Deductions, s_.DeduzioniTotali);
}

void TaxCalculations::Button1Click()
{
    CalcolaDetrazioni();
    CalcolaDeduzioni();
    c_.SetText(names::Name(names::LabelDetrazioniTotali),
               QStringLiteral("Totale Detrazioni: €") + amountText(s_.DetrazioniTotali));
    c_.SetText(names::Name(names::LabelDeduzioniTotali),
               QStringLiteral("Totale Deduzioni: €") + amountText(s_.DeduzioniTotali));
}

} // namespace vareldo
