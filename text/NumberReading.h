#pragma once

#include <QStringView>

#include <optional>

namespace vareldo {

// The strict grammar: blanks (U+0020), sign, digits, decimal separator, exponent, blanks.
// No value when the text is not a number; never an infinity or a NaN.
std::optional<double> ReadFloat(QStringView text);

// Throws EConvertError for a text that is not a number.
double StrToFloat(QStringView text);

// Never throws: a text that is not a number gives the default.
double StrToFloatDef(QStringView text, double defaultValue);

} // namespace vareldo
