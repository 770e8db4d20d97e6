#include "config/Configuration.h"

#include "config/IniFile.h"
#include "core/CalculationState.h"
#include "text/Failures.h"
#include "text/NumberReading.h"

#include <QFile>
#include <QFileInfo>

#include <exception>

namespace vareldo {

namespace {

struct ConfigurationRow {
    const char16_t* section;
    const char16_t* key;
    BracketValues CalculationState::*table;
    int index;
    double defaultValue;
};

constexpr ConfigurationRow Rows[] = {
    {u"Scaglioni", u"Limite1", &CalculationState::LimitiScaglioni, 1, BuiltInLimits[1]},
    {u"Scaglioni", u"Limite2", &CalculationState::LimitiScaglioni, 2, BuiltInLimits[2]},
    {u"Scaglioni", u"Limite3", &CalculationState::LimitiScaglioni, 3, BuiltInLimits[3]},
    {u"Aliquote", u"Aliquota1", &CalculationState::Aliquote, 1, BuiltInRates[1]},
    {u"Aliquote", u"Aliquota2", &CalculationState::Aliquote, 2, BuiltInRates[2]},
    {u"Aliquote", u"Aliquota3", &CalculationState::Aliquote, 3, BuiltInRates[3]},
};

double& entry(CalculationState& state, const ConfigurationRow& row)
{
    return (state.*row.table)[row.index];
}

// A file that cannot be opened reads as empty, so every row takes its default.
QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

void CaricaConfigurazione(const QString& exeFolder, CalculationState& state,
                          const std::function<void(const QString&)>& showMessage)
{
    const QString IniFilePath = exeFolder + QStringLiteral("config.ini");

    // Follows links; a folder, a dangling link or a device of that name is no file to read.
    if (!QFileInfo(IniFilePath).isFile()) {
        for (const ConfigurationRow& row : Rows)
            entry(state, row) = row.defaultValue;
        showMessage(QStringLiteral(
            "File di configurazione \"config.ini\" non trovato. Verranno usati i valori predefiniti."));
        return;
    }

    const QString failurePrefix = QStringLiteral("Errore nel caricamento del file di configurazione: ");
    try {
        const IniFile IniFile(readWholeFile(IniFilePath));
        for (const ConfigurationRow& row : Rows) {
            // Stored at once, so a failure on a later row keeps the rows before it.
            entry(state, row) = ReadFloat(IniFile.ReadString(row.section, row.key)).value_or(row.defaultValue);
        }
    } catch (const Exception& failure) {
        showMessage(failurePrefix + failure.Message());
    } catch (const std::exception& failure) {
        showMessage(failurePrefix + QString::fromUtf8(failure.what()));
    }
}

} // namespace vareldo
