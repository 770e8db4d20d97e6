#include "text/FormatSettings.h"

namespace vareldo {

TFormatSettings FormatSettings;

namespace {

char16_t firstCharacterOr(const QString& symbol, char16_t fallback)
{
    // An empty symbol cannot separate anything, and a longer one is not a separator we can write.
    if (symbol.isEmpty() || symbol.size() > 2)
        return fallback;
    return symbol.front().unicode();
}

} // namespace

TFormatSettings FormatSettingsFromSymbols(const QString& decimalSymbol, const QString& groupingSymbol)
{
    const TFormatSettings defaults;
    return TFormatSettings{firstCharacterOr(decimalSymbol, defaults.DecimalSeparator),
                           firstCharacterOr(groupingSymbol, defaults.ThousandSeparator)};
}

} // namespace vareldo
