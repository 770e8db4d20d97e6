#pragma once

#include <QString>

namespace vareldo {

// The separators every number reading and writing uses.
struct TFormatSettings {
    char16_t DecimalSeparator = u'.';
    char16_t ThousandSeparator = u',';
};

// The one process-wide record, replaced whole whenever the user's settings are read.
extern TFormatSettings FormatSettings;

// First character of each symbol; a symbol that is empty or longer than two
// characters gives that field's default.
TFormatSettings FormatSettingsFromSymbols(const QString& decimalSymbol, const QString& groupingSymbol);

} // namespace vareldo
