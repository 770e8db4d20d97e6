#include "text/NumberWriting.h"

#include "text/Failures.h"
#include "text/FormatSettings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace vareldo {

namespace {

constexpr double OneE18 = 1e18;

constexpr std::array<double, 23> exactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// a × 10^shift rounded once to the nearest double.
double scaleByPowerOfTen(double a, int shift)
{
    if (shift >= 0 && shift <= 22)
        return a * exactPowersOfTen[shift];
    if (shift < 0 && shift >= -22)
        return a / exactPowersOfTen[-shift];
    // Beyond the exact powers: shift the exponent of the exact decimal text and read it back.
    char text[1100];
    const auto written = std::to_chars(text, text + sizeof text - 16, a, std::chars_format::scientific, 770);
    char* e = std::find(text, written.ptr, 'e');
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), written.ptr, exponent);
    const auto tail = std::to_chars(e + 1, text + sizeof text, exponent + shift);
    double result = 0;
    std::from_chars(text, tail.ptr, result);
    return result;
}

void setZero(TFloatRec& rec)
{
    rec.Exponent = 0;
    rec.Negative = false;
    rec.DigitCount = 0;
    rec.Digits[0] = '\0';
}

// What every writer needs of an expansion.
struct Expansion {
    TFloatRec rec;
    bool isZero() const { return rec.DigitCount == 0; }
    char digit(int index) const { return index < rec.DigitCount ? rec.Digits[index] : '0'; }
};

// Fixed notation below 10^17 needs at most 17 digits, 5 separators, a sign, a decimal separator
// and 2 decimals: built on the stack, the text is allocated once.
class FixedTextBuffer {
public:
    void put(char16_t c) { data_[size_++] = c; }
    QString text() const { return QString(reinterpret_cast<const QChar*>(data_), size_); }

private:
    char16_t data_[32];
    qsizetype size_ = 0;
};

void appendIntegerPart(FixedTextBuffer& out, const Expansion& x, char16_t thousandSeparator)
{
    const int integerDigits = x.rec.Exponent;
    if (integerDigits <= 0) {
        out.put(u'0');
        return;
    }
    for (int i = 0; i < integerDigits; ++i) {
        out.put(char16_t(x.digit(i)));
        const int further = integerDigits - 1 - i;
        if (thousandSeparator != 0 && further > 0 && further % 3 == 0)
            out.put(thousandSeparator);
    }
}

void appendDecimals(FixedTextBuffer& out, const Expansion& x, int decimals)
{
    const int exponent = x.rec.Exponent;
    for (int position = 0; position < decimals; ++position) {
        const int index = exponent + position; // digit index of this decimal place
        out.put(index < 0 ? u'0' : char16_t(x.digit(index)));
    }
}

// General writing with the given number of significant digits.
QString generalText(double value, int precision)
{
    const Expansion x{FloatToDecimal(value, precision, NoDecimalsLimit)};
    if (x.isZero())
        return QStringLiteral("0");
    const char16_t decimalSeparator = FormatSettings.DecimalSeparator;
    QString out;
    out.reserve(32);
    if (x.rec.Negative)
        out += u'-';
    const int exponent = x.rec.Exponent;
    if (exponent > precision || exponent < -3) {
        out += QChar(char16_t(x.rec.Digits[0]));
        if (x.rec.DigitCount > 1) {
            out += QChar(decimalSeparator);
            out += QLatin1StringView(x.rec.Digits + 1, x.rec.DigitCount - 1);
        }
        out += u'E';
        out += QString::number(exponent - 1);
    } else if (exponent <= 0) {
        out += u'0';
        out += QChar(decimalSeparator);
        out += QString(-exponent, u'0');
        out += QLatin1StringView(x.rec.Digits, x.rec.DigitCount);
    } else {
        for (int i = 0; i < exponent; ++i)
            out += QChar(char16_t(x.digit(i)));
        if (x.rec.DigitCount > exponent) {
            out += QChar(decimalSeparator);
            out += QLatin1StringView(x.rec.Digits + exponent, x.rec.DigitCount - exponent);
        }
    }
    return out;
}

// Fixed notation with or without grouping; falls back to general writing from 10^17 on.
QString fixedText(double value, int decimals, bool grouped, int fallbackPrecision)
{
    const Expansion x{FloatToDecimal(value, 17, decimals)};
    if (x.rec.Exponent >= 18)
        return generalText(value, fallbackPrecision);
    FixedTextBuffer out;
    if (x.rec.Negative)
        out.put(u'-');
    appendIntegerPart(out, x, grouped ? FormatSettings.ThousandSeparator : char16_t(0));
    if (decimals > 0) {
        out.put(FormatSettings.DecimalSeparator);
        appendDecimals(out, x, decimals);
    }
    return out.text();
}

[[noreturn]] void throwBadFormat(QStringView format)
{
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

} // namespace

TFloatRec FloatToDecimal(double value, int precision, int decimals)
{
    TFloatRec rec;
    if (value == 0 || !std::isfinite(value)) {
        setZero(rec);
        return rec;
    }
    const double a = std::fabs(value);
    int binaryExponent = 0;
    std::frexp(a, &binaryExponent); // a = f × 2^e with 0.5 <= f < 1
    const int e = binaryExponent - 1;
    // Floor division by 2^16: the estimate of the integer digits, true or one less.
    int k = ((e * 19728) >> 16) + 1;

    double n = scaleByPowerOfTen(a, 18 - k);
    while (n >= OneE18) {
        n /= 10;
        ++k;
    }
    char raw[19];
    std::uint64_t whole = static_cast<std::uint64_t>(n);
    for (int i = 17; i >= 0; --i) {
        raw[i] = char('0' + whole % 10);
        whole /= 10;
    }

    int cut = decimals == NoDecimalsLimit ? precision : k + decimals;
    if (cut < 0) {
        setZero(rec);
        return rec;
    }
    cut = std::min(cut, precision);

    int count = 0;
    if (cut < 18 && raw[cut] >= '5') {
        if (cut == 0) {
            raw[0] = '1';
            count = 1;
            ++k;
        } else {
            count = cut;
            int i = cut - 1;
            while (i >= 0 && raw[i] == '9') {
                raw[i] = '0';
                --i;
            }
            if (i < 0) {
                raw[0] = '1';
                count = 1;
                ++k;
            } else {
                ++raw[i];
            }
        }
    } else {
        count = std::min(cut, 18);
    }
    while (count > 0 && raw[count - 1] == '0')
        --count;
    if (count == 0) {
        setZero(rec);
        return rec;
    }
    std::memcpy(rec.Digits, raw, count);
    rec.Digits[count] = '\0';
    rec.DigitCount = count;
    rec.Exponent = static_cast<std::int16_t>(k);
    rec.Negative = value < 0;
    return rec;
}

QString FloatToStr(double value) { return generalText(value, 15); }

QString FormatFloat(QStringView pattern, double value)
{
    if (pattern != u"#,##0.00")
        throw EConvertError(QStringLiteral("Unsupported number pattern '%1'").arg(pattern));
    return fixedText(value, 2, true, 15);
}

QString Format(QStringView format, std::initializer_list<FormatArg> args)
{
    QString out;
    out.reserve(format.size() + 32);
    auto next = args.begin();
    auto takeArgument = [&]() -> const FormatArg& {
        if (next == args.end())
            throwBadFormat(format);
        return *next++;
    };
    auto takeAmount = [&]() {
        const double* amount = std::get_if<double>(&takeArgument().value());
        if (!amount)
            throwBadFormat(format);
        return *amount;
    };

    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%') {
            out += c;
            continue;
        }
        const QStringView rest = format.mid(i + 1);
        if (rest.startsWith(u'%')) {
            out += u'%';
            i += 1;
        } else if (rest.startsWith(u's')) {
            const QString* text = std::get_if<QString>(&takeArgument().value());
            if (!text)
                throwBadFormat(format);
            out += *text;
            i += 1;
        } else if (rest.startsWith(u'd')) {
            const std::int64_t* number = std::get_if<std::int64_t>(&takeArgument().value());
            if (!number)
                throwBadFormat(format);
            out += QString::number(*number);
            i += 1;
        } else if (rest.startsWith(u'n')) {
            out += fixedText(takeAmount(), 2, true, 17);
            i += 1;
        } else if (rest.startsWith(u".2f")) {
            out += fixedText(takeAmount(), 2, false, 17);
            i += 3;
        } else if (rest.startsWith(u".0f")) {
            out += fixedText(takeAmount(), 0, false, 17);
            i += 3;
        } else {
            throwBadFormat(format);
        }
    }
    return out;
}

} // namespace vareldo
