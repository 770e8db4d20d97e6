#include "text/Failures.h"
#include "text/NumberReading.h"
#include "text/NumberWriting.h"
#include "tests/support/Printers.h"
#include "tests/support/SettingsGuard.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <limits>

using namespace vareldo;
using namespace vareldo::testing;

namespace {


// Values the table takes "read from" a text are read under Italian settings.
double readItalian(const char16_t* text)
{
    SettingsGuard guard(Italian);
    return StrToFloat(text);
}

struct WritingCase {
    const char* name;
    double value;
    const char16_t* pattern;
    const char16_t* patternEnglish;
    const char16_t* fixed2;
    const char16_t* fixed0;
    const char16_t* number;
    const char16_t* general;
};

TEST(NumberWriting, EveryWriterAgreesWithTheTable)
{
    const WritingCase cases[] = {
        {"1234.5", 1234.5, u"1.234,50", u"1,234.50", u"1234,50", u"1235", u"1.234,50", u"1234,5"},
        {"0", 0, u"0,00", u"0.00", u"0,00", u"0", u"0,00", u"0"},
        {"-0.004", -0.004, u"0,00", u"0.00", u"0,00", u"0", u"0,00", u"-0,004"},
        {"-0.005", -0.005, u"-0,01", u"-0.01", u"-0,01", u"0", u"-0,01", u"-0,005"},
        {"0.5", 0.5, u"0,50", u"0.50", u"0,50", u"1", u"0,50", u"0,5"},
        {"2.5", 2.5, u"2,50", u"2.50", u"2,50", u"3", u"2,50", u"2,5"},
        {"0.125", 0.125, u"0,13", u"0.13", u"0,13", u"0", u"0,13", u"0,125"},
        {"2,675", readItalian(u"2,675"), u"2,67", u"2.67", u"2,67", u"3", u"2,67", u"2,675"},
        {"12,425", readItalian(u"12,425"), u"12,43", u"12.43", u"12,43", u"12", u"12,43", u"12,425"},
        {"12345,675", readItalian(u"12345,675"), u"12.345,68", u"12,345.68", u"12345,68", u"12346", u"12.345,68",
         u"12345,675"},
        {"1,005", readItalian(u"1,005"), u"1,00", u"1.00", u"1,00", u"1", u"1,00", u"1,005"},
        {"-1234.5", -1234.5, u"-1.234,50", u"-1,234.50", u"-1234,50", u"-1235", u"-1.234,50", u"-1234,5"},
        {"10^17", 1e17, u"1E17", u"1E17", u"1E17", u"1E17", u"1E17", u"1E17"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        {
            SettingsGuard guard(Italian);
            EXPECT_EQ(str(QString::fromUtf16(c.pattern)), str(FormatFloat(u"#,##0.00", c.value)));
            EXPECT_EQ(str(QString::fromUtf16(c.fixed2)), str(Format(u"%.2f", {c.value})));
            EXPECT_EQ(str(QString::fromUtf16(c.fixed0)), str(Format(u"%.0f", {c.value})));
            EXPECT_EQ(str(QString::fromUtf16(c.number)), str(Format(u"%n", {c.value})));
            EXPECT_EQ(str(QString::fromUtf16(c.general)), str(FloatToStr(c.value)));
        }
        SettingsGuard guard(English);
        EXPECT_EQ(str(QString::fromUtf16(c.patternEnglish)), str(FormatFloat(u"#,##0.00", c.value)));
    }
}

TEST(NumberWriting, GeneralWritingOfTheExamples)
{
    SettingsGuard guard(Italian);
    const struct {
        const char* name;
        double value;
        const char16_t* expected;
    } cases[] = {
        {"230", 230, u"230"},
        {"283.9488", 283.9488, u"283,9488"},
        {"0.0002", 0.0002, u"0,0002"},
        {"0.00002", 0.00002, u"2E-5"},
        {"1/3", 1.0 / 3, u"0,333333333333333"},
        {"0.1 + 0.2", 0.1 + 0.2, u"0,3"},
        {"200/3", 200.0 / 3, u"66,6666666666667"},
        {"999999999999999", 999999999999999.0, u"999999999999999"},
        {"10^15", 1e15, u"1E15"},
        {"1234567890123456", 1234567890123456.0, u"1,23456789012346E15"},
        {"-5", -5, u"-5"},
        {"-0", -0.0, u"0"},
        {"30", 200.0 * 15 / 100, u"30"},
        {"1E-300", 1e-300, u"1E-300"},
        {"largest double", std::numeric_limits<double>::max(), u"1,79769313486232E308"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), u"4,94065645841247E-324"},
        {"1E200 squared over 100 would overflow; 1E200", 1e200, u"1E200"},
        {"9.9999999999999999E22 rounds up a digit", 9.9999999999999999e22, u"1E23"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(str(QString::fromUtf16(c.expected)), str(FloatToStr(c.value)));
    }
}

TEST(NumberWriting, AmountPatternExamples)
{
    SettingsGuard guard(Italian);
    const struct {
        const char* name;
        double value;
        const char16_t* expected;
    } cases[] = {
        {"1234567.891", 1234567.891, u"1.234.567,89"},
        {"28000", 28000, u"28.000,00"},
        {"10^16", 1e16, u"10.000.000.000.000.000,00"},
        {"123456789012345678", 123456789012345678.0, u"1,23456789012346E17"},
        {"-700", -700, u"-700,00"},
        {"999.995", 999.995, u"1.000,00"},
        {"0.001", 0.001, u"0,00"},
        {"0.01", 0.01, u"0,01"},
        {"10000000", 10000000, u"10.000.000,00"},
        {"100", 100, u"100,00"},
        {"1000", 1000, u"1.000,00"},
        {"largest double", std::numeric_limits<double>::max(), u"1,79769313486232E308"},
        {"subnormal", 5e-324, u"0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(str(QString::fromUtf16(c.expected)), str(FormatFloat(u"#,##0.00", c.value)));
    }
}

TEST(NumberWriting, FormatDirectives)
{
    SettingsGuard guard(Italian);
    EXPECT_EQ("1234,50", str(Format(u"%.2f", {1234.5})));
    EXPECT_EQ("0,05", str(Format(u"%.2f", {0.05})));
    EXPECT_EQ("23", str(Format(u"%.0f", {23.0})));
    EXPECT_EQ("3", str(Format(u"%.0f", {2.5})));
    EXPECT_EQ("1", str(Format(u"%.0f", {0.5})));
    EXPECT_EQ("1235", str(Format(u"%.0f", {1234.5})));
    EXPECT_EQ("1.234.567,89", str(Format(u"%n", {1234567.891})));
    EXPECT_EQ("35%", str(Format(u"%.0f%%", {35.0})));
    EXPECT_EQ("3", str(Format(u"%d", {3})));
    EXPECT_EQ("-12", str(Format(u"%d", {-12})));
    EXPECT_EQ("1,2345678901234568E17", str(Format(u"%.2f", {123456789012345678.0})));
    EXPECT_EQ("1,2345678901234568E17", str(Format(u"%n", {123456789012345678.0})));
    EXPECT_EQ("a €x b", str(Format(u"a €%s b", {QStringLiteral("x")})));
    EXPECT_EQ("%s stays", str(Format(u"%s stays", {QStringLiteral("%s")})));
    EXPECT_EQ("1. Scaglione (fino a €28.000,00) - Aliquota 23% = €6.440,00 - Rimangono €71.000,00",
              str(Format(u"%d. Scaglione (fino a €%n) - Aliquota %.0f%% = €%n - Rimangono €%n",
                         {1, 28000.0, 0.23 * 100, 6440.0, 71000.0})));
}

TEST(NumberWriting, FormatRejectsDirectivesItDoesNotKnowAndMismatchedArguments)
{
    EXPECT_THROW(Format(u"%x", {1}), EConvertError);
    EXPECT_THROW(Format(u"%.3f", {1.0}), EConvertError);
    EXPECT_THROW(Format(u"%d", {1.0}), EConvertError);
    EXPECT_THROW(Format(u"%n", {QStringLiteral("a")}), EConvertError);
    EXPECT_THROW(Format(u"%s %s", {QStringLiteral("a")}), EConvertError);
    EXPECT_THROW(Format(u"%", {}), EConvertError);
}

TEST(NumberWriting, EnglishSeparators)
{
    SettingsGuard guard(English);
    EXPECT_EQ("1,234,567.89", str(Format(u"%n", {1234567.891})));
    EXPECT_EQ("1234567.89", str(Format(u"%.2f", {1234567.891})));
    EXPECT_EQ("66.6666666666667", str(FloatToStr(200.0 / 3)));
    EXPECT_EQ("1.23456789012346E15", str(FloatToStr(1234567890123456.0)));
}

TEST(NumberWriting, UnusualSeparatorsAreWrittenAsGiven)
{
    SettingsGuard guard(TFormatSettings{u',', u'\u00A0'});
    EXPECT_EQ(QStringLiteral("1\u00A0234\u00A0567,89"), FormatFloat(u"#,##0.00", 1234567.891));
}

TEST(DecimalExpansion, RawDigitsDecideTheRounding)
{
    const struct {
        const char* name;
        double value;
        int precision;
        int decimals;
        const char* digits;
        int exponent;
        bool negative;
    } cases[] = {
        {"12,425 to two decimals", readItalian(u"12,425"), 17, 2, "1243", 2, false},
        {"12345,675 to two decimals", readItalian(u"12345,675"), 17, 2, "1234568", 5, false},
        {"2,675 to two decimals", readItalian(u"2,675"), 17, 2, "267", 1, false},
        {"0.125 to two decimals", 0.125, 17, 2, "13", 0, false},
        {"-0.005 to two decimals", -0.005, 17, 2, "1", -1, true},
        {"-0.004 to two decimals", -0.004, 17, 2, "", 0, false},
        {"zero", 0.0, 15, NoDecimalsLimit, "", 0, false},
        {"99.999 to two decimals carries out", 99.999, 17, 2, "1", 3, false},
        {"0.5 to no decimals", 0.5, 17, 0, "1", 1, false},
        {"0.4 to no decimals", 0.4, 17, 0, "", 0, false},
        {"1/3 to 15 digits", 1.0 / 3, 15, NoDecimalsLimit, "333333333333333", 0, false},
        {"28000", 28000.0, 17, 2, "28", 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TFloatRec rec = FloatToDecimal(c.value, c.precision, c.decimals);
        EXPECT_STREQ(c.digits, rec.Digits);
        EXPECT_EQ(int(std::strlen(c.digits)), rec.DigitCount);
        EXPECT_EQ(c.exponent, rec.Exponent);
        EXPECT_EQ(c.negative, rec.Negative);
    }
}

} // namespace
