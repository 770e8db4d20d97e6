// The three calculation buttons driven through the named controls with arbitrary texts, ticks
// and bracket tables: no crash, only failures of the system's kinds, no infinity stored, whole
// bracket taxes, and a summary made only of the lines the progressive calculation writes.
//
// Input: byte 0 picks the separators, bytes 1 and 2 are the nine ticks; the rest, split at
// newlines, is the income text, the nine amount texts, the bracket table as six texts split
// at ";", and the buttons to press (each byte modulo 3: progressive, step-wise, totals).
#include "core/CalculationState.h"
#include "core/Calculations.h"
#include "core/ControlNames.h"
#include "core/NamedControls.h"
#include "tests/support/ControlMaps.h"
#include "text/Failures.h"
#include "text/FormatSettings.h"
#include "text/NumberReading.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <span>

using namespace vareldo;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Every summary line begins with one of these.
const char16_t* const SummaryLineStarts[] = {
    u"Calcolo delle Imposte per un Reddito LORDO di €",
    u"----------------------------------------------------",
    u"Totale Deduzioni SOTTRATTE AL REDDITO: €",
    u"Reddito LORDO - DEDUZIONI di €",
    u"Scaglioni di Reddito e Aliquote Fiscali 2024 :",
    u"1. Primo Scaglione: fino a €28.000 con aliquota 23%",
    u"2. Secondo Scaglione: da €28.001 a €50.000 con aliquota 35%",
    u"3. Terzo Scaglione: oltre €50.000 con aliquota 43%",
    u"1. Scaglione (fino a €",
    u"2. Scaglione (fino a €",
    u"3. Scaglione (fino a €",
    u"Totale IMPOSTE CALCOLATE: €",
    u"Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €",
    u"TOTALE IMPOSTE DA PAGARE : €",
};

// The window's controls as maps, checking what the calculations hand them.
class MapControls : public testing::ControlMaps {
public:
    int messages = 0;
    QString lastMessage;
    bool green = false;

    void SetResultColour(Rgb colour) override
    {
        check(colour == ColourGreen);
        green = true;
        ControlMaps::SetResultColour(colour);
    }
    void AggiornaGrafico(const CalculationState& state) override
    {
        for (int i = 1; i <= 3; ++i)
            check(std::isfinite(state.Tasse[i]));
        ControlMaps::AggiornaGrafico(state);
    }
    void ShowMessagePos(const QString& text, int x, int y) override
    {
        check(x == -1 && y == -1);
        ++messages;
        lastMessage = text;
    }
    std::size_t charts() const { return screen.charts.size(); }
    const QStringList& memo() const { return screen.memo; }
};

bool isWholeNumber(double value)
{
    return std::isfinite(value) && std::trunc(value) == value;
}

void checkState(const CalculationState& s)
{
    for (int i = 1; i <= 3; ++i) {
        check(std::isfinite(s.LimitiScaglioni[i]) && std::isfinite(s.Aliquote[i]));
        check(isWholeNumber(s.Tasse[i]));
    }
    for (double field : {s.RedditoTotale, s.DetrazioniTotali, s.DeduzioniTotali, s.RedditoRimanente,
                         s.RedditoScaglione, s.TasseTotali})
        check(std::isfinite(field));
}

void checkSummary(const QStringList& memo)
{
    check(memo.size() <= 19);
    for (const QString& line : memo) {
        bool known = false;
        for (const char16_t* start : SummaryLineStarts)
            known = known || line.startsWith(QString::fromUtf16(start));
        check(known);
        check(!line.contains(u'\n') && !line.contains(u'\r'));
    }
}

void pressProgressive(TaxCalculations& calculations, CalculationState& state, MapControls& controls)
{
    const int messagesBefore = controls.messages;
    const std::size_t chartsBefore = controls.charts();
    calculations.ButtonCalcolaTasseClick(); // catches everything itself
    check(state.LimitiScaglioni == BuiltInLimits && state.Aliquote == BuiltInRates);
    if (controls.messages == messagesBefore) {
        check(controls.charts() == chartsBefore + 1 && controls.green);
        check(controls.memo().size() >= 16 && controls.memo().last() == QString::fromUtf16(SummaryLineStarts[1]));
        check(state.RedditoRimanente >= 0);
    } else {
        check(controls.messages == messagesBefore + 1);
        check(controls.lastMessage.startsWith(QStringLiteral("Errore: ")));
        check(controls.charts() == chartsBefore);
    }
}

template <typename Press>
void pressLettingFailuresEscape(Press press)
{
    try {
        press();
    } catch (const Exception&) {
        // The system's own kinds reach the default error display; anything else escapes and aborts.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    FormatSettings = (data[0] & 1) ? TFormatSettings{u',', u'.'} : TFormatSettings{u'.', u','};
    const unsigned tickBits = data[1] | (data[2] << 8);
    const QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3)).split('\n');
    const auto field = [&](qsizetype i) { return i < fields.size() ? QString::fromUtf8(fields[i]) : QString(); };

    MapControls controls;
    controls.screen.texts[names::Name(names::ComboBoxReddito)] = field(0);
    int pair = 0; // the tick bits and the amount fields follow the order of the lists
    for (const auto pairs : names::AmountLists) {
        for (const names::AmountPair& one : pairs) {
            controls.screen.texts[names::Name(one.amountBox)] = field(1 + pair);
            controls.ticks[names::Name(one.checkBox)] = (tickBits >> pair) & 1;
            ++pair;
        }
    }

    CalculationState state;
    state.LimitiScaglioni = BuiltInLimits;
    state.Aliquote = BuiltInRates;
    const QStringList table = field(10).split(u';');
    for (int i = 0; i < 6 && i < table.size(); ++i) {
        BracketValues& values = i < 3 ? state.LimitiScaglioni : state.Aliquote;
        values[i % 3 + 1] = ReadFloat(table[i]).value_or(values[i % 3 + 1]);
    }

    TaxCalculations calculations(state, controls);
    const QByteArray presses = fields.size() > 11 ? fields[11].left(16) : QByteArray("\0\1\2", 3);
    for (const char press : presses) {
        switch (static_cast<unsigned char>(press) % 3) {
        case 0:
            pressProgressive(calculations, state, controls);
            break;
        case 1:
            pressLettingFailuresEscape([&] { calculations.Button6Click(); });
            break;
        default:
            pressLettingFailuresEscape([&] { calculations.Button1Click(); });
            break;
        }
        checkState(state);
        checkSummary(controls.memo());
    }
    return 0;
}
