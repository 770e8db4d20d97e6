#include "text/NumberReading.h"

#include "text/Failures.h"
#include "text/FormatSettings.h"

#include <QString>

#include <charconv>
#include <string>
#include <system_error>

namespace vareldo {

namespace {

constexpr int MaxExponent = 1024;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<double> ReadFloat(QStringView text)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    const char16_t decimalSeparator = FormatSettings.DecimalSeparator;

    while (p != end && *p == u' ')
        ++p;
    if (p == end)
        return std::nullopt;

    bool negative = false;
    if (*p == u'+' || *p == u'-') {
        negative = *p == u'-';
        ++p;
        if (p == end)
            return std::nullopt;
    }

    // The accepted number is rebuilt in the ASCII form that std::from_chars reads.
    std::string ascii;
    if (negative)
        ascii += '-';

    const char16_t* const integerStart = p;
    while (p != end && isDigit(*p))
        ++p;
    const char16_t* const integerEnd = p;

    const char16_t* fractionStart = p;
    const char16_t* fractionEnd = p;
    if (p != end && *p == decimalSeparator) {
        ++p;
        fractionStart = p;
        while (p != end && isDigit(*p))
            ++p;
        fractionEnd = p;
    }

    int exponent = 0;
    if (p != end && (*p == u'e' || *p == u'E')) {
        ++p;
        bool exponentNegative = false;
        if (p != end && (*p == u'+' || *p == u'-')) {
            exponentNegative = *p == u'-';
            ++p;
        }
        if (p == end || !isDigit(*p))
            return std::nullopt;
        for (; p != end && isDigit(*p); ++p) {
            exponent = exponent * 10 + (*p - u'0');
            if (exponent > MaxExponent)
                return std::nullopt;
        }
        if (exponentNegative)
            exponent = -exponent;
    }

    if (integerStart == integerEnd && fractionStart == fractionEnd)
        return std::nullopt;

    while (p != end && *p == u' ')
        ++p;
    if (p != end)
        return std::nullopt;

    ascii.reserve(ascii.size() + (integerEnd - integerStart) + (fractionEnd - fractionStart) + 8);
    if (integerStart == integerEnd)
        ascii += '0';
    for (const char16_t* q = integerStart; q != integerEnd; ++q)
        ascii += static_cast<char>(*q);
    if (fractionStart != fractionEnd) {
        ascii += '.';
        for (const char16_t* q = fractionStart; q != fractionEnd; ++q)
            ascii += static_cast<char>(*q);
    }
    ascii += 'e';
    ascii += std::to_string(exponent);

    double value = 0;
    const auto [last, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Out of range both ways; the decimal exponent of the first significant digit tells which.
        long long firstDigitExponent = 0;
        const char16_t* q = integerStart;
        while (q != integerEnd && *q == u'0')
            ++q;
        if (q != integerEnd) {
            firstDigitExponent = integerEnd - q;
        } else {
            q = fractionStart;
            while (q != fractionEnd && *q == u'0')
                ++q;
            firstDigitExponent = -(q - fractionStart);
        }
        if (firstDigitExponent + exponent > 0)
            return std::nullopt; // too large for a double
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || last != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

double StrToFloat(QStringView text)
{
    if (const auto value = ReadFloat(text))
        return *value;
    throw EConvertError::InvalidFloat(text.toString());
}

double StrToFloatDef(QStringView text, double defaultValue)
{
    return ReadFloat(text).value_or(defaultValue);
}

} // namespace vareldo
