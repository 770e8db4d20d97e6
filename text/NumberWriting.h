#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <initializer_list>
#include <variant>

namespace vareldo {

// A value as 0.d1 d2 d3 ... times ten to the power Exponent.
struct TFloatRec {
    std::int16_t Exponent = 0;
    bool Negative = false;
    char Digits[19] = {}; // 0 to 18 digit characters, NUL-terminated
    int DigitCount = 0;
};

inline constexpr int NoDecimalsLimit = 9999;

TFloatRec FloatToDecimal(double value, int precision, int decimals);

// General writing with 15 significant digits.
QString FloatToStr(double value);

// The amount pattern "#,##0.00" is the only pattern this program uses.
QString FormatFloat(QStringView pattern, double value);

class FormatArg {
public:
    FormatArg(const QString& text) : value_(text) {}
    FormatArg(const char16_t* text) : value_(QString::fromUtf16(text)) {}
    FormatArg(int value) : value_(std::int64_t{value}) {}
    FormatArg(long value) : value_(std::int64_t{value}) {}
    FormatArg(long long value) : value_(std::int64_t{value}) {}
    FormatArg(double value) : value_(value) {}

    const std::variant<QString, std::int64_t, double>& value() const { return value_; }

private:
    std::variant<QString, std::int64_t, double> value_;
};

// The directives "%s", "%d", "%.2f", "%.0f", "%n" and "%%".
QString Format(QStringView format, std::initializer_list<FormatArg> args);

} // namespace vareldo
