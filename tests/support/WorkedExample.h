#pragma once

#include <QString>
#include <QStringList>

namespace vareldo::testing {

// The summary of income 100000 with 1000 of "Contributi previdenziali" deducted and 1000 of
// "Lavoro Dipendente" credited, under Italian separators: the nineteen lines every layer checks.
inline QStringList WorkedExampleSummary()
{
    const QString separator(52, u'-');
    return {
        QStringLiteral("Calcolo delle Imposte per un Reddito LORDO di €100000,00"),
        separator,
        QStringLiteral("Totale Deduzioni SOTTRATTE AL REDDITO: €1.000,00"),
        QStringLiteral("Reddito LORDO - DEDUZIONI di €99000,00"),
        separator,
        QStringLiteral("Scaglioni di Reddito e Aliquote Fiscali 2024 :"),
        QStringLiteral("1. Primo Scaglione: fino a €28.000 con aliquota 23%"),
        QStringLiteral("2. Secondo Scaglione: da €28.001 a €50.000 con aliquota 35%"),
        QStringLiteral("3. Terzo Scaglione: oltre €50.000 con aliquota 43%"),
        separator,
        QStringLiteral("1. Scaglione (fino a €28.000,00) - Aliquota 23% = €6.440,00 - Rimangono €71.000,00"),
        QStringLiteral("2. Scaglione (fino a €50.000,00) - Aliquota 35% = €7.700,00 - Rimangono €49.000,00"),
        QStringLiteral("3. Scaglione (fino a €10.000.000,00) - Aliquota 43% = €21.070,00 - Rimangono €0,00"),
        separator,
        QStringLiteral("Totale IMPOSTE CALCOLATE: €35.210,00"),
        QStringLiteral("Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €1.000,00"),
        separator,
        QStringLiteral("TOTALE IMPOSTE DA PAGARE : €34.210,00"),
        separator,
    };
}

} // namespace vareldo::testing
