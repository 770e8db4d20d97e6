// config.ini reading on arbitrary bytes: no crash, no message for a file that exists, every
// entry either its default or the reading of the value text, and names found in any case.
#include "config/Configuration.h"
#include "config/IniFile.h"
#include "core/CalculationState.h"
#include "text/FormatSettings.h"
#include "text/NumberReading.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace vareldo;

namespace {

struct Key {
    QString section;
    QString key;
    int index;
    bool limit;
};

const Key Keys[] = {
    {QStringLiteral("Scaglioni"), QStringLiteral("Limite1"), 1, true},
    {QStringLiteral("Scaglioni"), QStringLiteral("Limite2"), 2, true},
    {QStringLiteral("Scaglioni"), QStringLiteral("Limite3"), 3, true},
    {QStringLiteral("Aliquote"), QStringLiteral("Aliquota1"), 1, false},
    {QStringLiteral("Aliquote"), QStringLiteral("Aliquota2"), 2, false},
    {QStringLiteral("Aliquote"), QStringLiteral("Aliquota3"), 3, false},
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the separators; the rest is the file.
    FormatSettings = (data[0] & 1) ? TFormatSettings{u',', u'.'} : TFormatSettings{u'.', u','};
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    const IniFile ini(bytes);
    QString values[6];
    for (int row = 0; row < 6; ++row) {
        values[row] = ini.ReadString(Keys[row].section, Keys[row].key);
        check(values[row].size() <= 2047);
        check(ini.ReadString(Keys[row].section.toUpper(), Keys[row].key.toLower()) == values[row]);
    }

    static QTemporaryDir folder;
    check(folder.isValid());
    const QString exeFolder = folder.path() + u'/';
    {
        QFile file(exeFolder + QStringLiteral("config.ini"));
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(bytes) == bytes.size());
    }

    CalculationState state;
    bool messageShown = false;
    CaricaConfigurazione(exeFolder, state, [&](const QString&) { messageShown = true; });
    check(!messageShown);
    for (int row = 0; row < 6; ++row) {
        const Key& k = Keys[row];
        const double stored = k.limit ? state.LimitiScaglioni[k.index] : state.Aliquote[k.index];
        const double fallback = k.limit ? BuiltInLimits[k.index] : BuiltInRates[k.index];
        check(std::isfinite(stored));
        check(stored == ReadFloat(values[row]).value_or(fallback));
    }
    return 0;
}
