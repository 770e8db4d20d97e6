#include "text/Failures.h"
#include "text/NumberReading.h"
#include "tests/support/LongTexts.h"
#include "tests/support/Printers.h"
#include "tests/support/SettingsGuard.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <limits>
#include <optional>

using namespace vareldo;
using namespace vareldo::testing;

namespace {

struct ReadingCase {
    const char16_t* text;
    std::optional<double> italian;
    std::optional<double> english;
};

const ReadingCase readingCases[] = {
    {u"1234,5", 1234.5, std::nullopt},
    {u" 1234,5 ", 1234.5, std::nullopt},
    {u"1234.5", std::nullopt, 1234.5},
    {u"1.234,5", std::nullopt, std::nullopt},
    {u"1,234.5", std::nullopt, std::nullopt},
    {u"1e3", 1000, 1000},
    {u"1E+3", 1000, 1000},
    {u",5", 0.5, std::nullopt},
    {u"-,5", -0.5, std::nullopt},
    {u"5,", 5, std::nullopt},
    {u"+7", 7, 7},
    {u"1E-400", 0, 0},
    {u"", std::nullopt, std::nullopt},
    {u" ", std::nullopt, std::nullopt},
    {u"- 5", std::nullopt, std::nullopt},
    {u"abc", std::nullopt, std::nullopt},
    {u"1 000", std::nullopt, std::nullopt},
    {u"1E", std::nullopt, std::nullopt},
    {u"E5", std::nullopt, std::nullopt},
    {u"1E400", std::nullopt, std::nullopt},
    {u"1E1025", std::nullopt, std::nullopt},
    {u"0x10", std::nullopt, std::nullopt},
    {u"\t5", std::nullopt, std::nullopt},
    // Beyond the table: the grammar's corners.
    {u"-", std::nullopt, std::nullopt},
    {u"+", std::nullopt, std::nullopt},
    {u",", std::nullopt, std::nullopt},
    {u".", std::nullopt, std::nullopt},
    {u"1E-5", 1e-5, 1e-5},
    {u"1E1024", std::nullopt, std::nullopt},
    {u"0E1024", 0, 0},
    {u"1E-1024", 0, 0},
    {u"1E00000000000000000003", 1000, 1000},
    {u"2E-320", 2e-320, 2e-320},
    {u"5E-324", 5e-324, 5e-324},
    {u"1,7976931348623157E308", 1.7976931348623157e308, std::nullopt},
    {u"1,8E308", std::nullopt, std::nullopt},
    {u"INF", std::nullopt, std::nullopt},
    {u"NAN", std::nullopt, std::nullopt},
    {u"1\u00A0000", std::nullopt, std::nullopt},
    {u"\u0661\u0662", std::nullopt, std::nullopt},          // Arabic-Indic digits
    {u"\uFF11\uFF12", std::nullopt, std::nullopt},          // full-width digits
    {u"12\u200F", std::nullopt, std::nullopt},              // right-to-left mark
    {u"12\U0001F600", std::nullopt, std::nullopt},          // emoji
    {u"1e3e3", std::nullopt, std::nullopt},
    {u"--5", std::nullopt, std::nullopt},
    {u"5-", std::nullopt, std::nullopt},
    {u"0,1", 0.1, std::nullopt},
    {u"28000", 28000, 28000},
    {u"  -0012,50  ", -12.5, std::nullopt},
};

TEST(NumberReading, ReadsTheGrammarUnderBothSettings)
{
    for (const auto& c : readingCases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE("text [" + text.toStdString() + "]");
        for (const auto& [settings, expected, name] :
             {std::tuple{Italian, c.italian, "Italian"}, std::tuple{English, c.english, "English"}}) {
            SCOPED_TRACE(name);
            SettingsGuard guard(settings);
            const std::optional<double> read = ReadFloat(text);
            ASSERT_EQ(expected.has_value(), read.has_value());
            if (expected) {
                EXPECT_EQ(*expected, *read);
            }
            EXPECT_EQ(expected.value_or(0), StrToFloatDef(text, 0));
        }
    }
}

TEST(NumberReading, UnderflowKeepsTheSign)
{
    SettingsGuard guard(Italian);
    EXPECT_TRUE(std::signbit(StrToFloat(u"-1E-400")));
    EXPECT_FALSE(std::signbit(StrToFloat(u"1E-400")));
    EXPECT_TRUE(std::signbit(StrToFloat(u"-0")));
}

TEST(NumberReading, LongRunsOfDigits)
{
    SettingsGuard guard(Italian);
    EXPECT_FALSE(ReadFloat(QString(400, u'9')));                  // too large
    EXPECT_EQ(0, *ReadFloat(QStringLiteral("0,") + QString(400, u'0') + QStringLiteral("1"))); // too small
    EXPECT_EQ(0.5, *ReadFloat(QStringLiteral("0,") + QString(5, u'0') + QStringLiteral("5E5")));
    EXPECT_EQ(1, *ReadFloat(QString(1000, u'0') + QStringLiteral("1")));
    EXPECT_FALSE(ReadFloat(QString(1 << 20, u'1')));
    EXPECT_FALSE(ReadFloat(QString(1 << 20, u'a')));
}

TEST(NumberReading, ShortDecimalsReadAsTheNearestDouble)
{
    SettingsGuard guard(English);
    const struct {
        const char16_t* text;
        double expected;
    } cases[] = {{u"0.1", 0.1}, {u"12.425", 12.425}, {u"2.675", 2.675}, {u"1.005", 1.005},
                 {u"12345.675", 12345.675}, {u"999999999999999", 999999999999999.0},
                 {u"0.000123456789012345", 0.000123456789012345}};
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(c.expected, StrToFloat(c.text));
    }
}

// The message quotes the text: whole up to 255 characters, beyond that its first and last 127
// around an ellipsis, never splitting a surrogate pair.
TEST(NumberReading, ConversionErrorQuotesShortTextsAsTypedLongOnesByTheirStartAndEnd)
{
    SettingsGuard guard(Italian);
    const QString a = u"a"_s;
    const QString b = u"b"_s;
    const QString emoji = u"\U0001F600"_s; // two UTF-16 units
    const QString letters256 = megabyteOf(u"abcdefghij"_s).first(256);
    const QString digits = megabyteOf(u"1234567890"_s);
    const QString ellipsis = u"\u2026"_s;
    const struct {
        const char* name;
        QString typed;
        QString shown;
    } cases[] = {
        {"letters", u"abc"_s, u"abc"_s},
        {"empty", u""_s, u""_s},
        {"blanks kept", u"  1.5 "_s, u"  1.5 "_s},
        {"markup kept", u"abc<b>def</b>"_s, u"abc<b>def</b>"_s},
        {"placeholders kept", u"%1 %2"_s, u"%1 %2"_s},
        {"blanks, markup and a placeholder together", u"  1.5 <b>%1</b> "_s, u"  1.5 <b>%1</b> "_s},
        {"255 characters: the longest text kept whole", a.repeated(255), a.repeated(255)},
        {"256 characters: cut", letters256, letters256.first(127) + ellipsis + letters256.last(127)},
        {"a megabyte of digits", digits, digits.first(127) + ellipsis + digits.last(127)},
        {"a pair that the start would split is left out of it", a.repeated(126) + emoji + b.repeated(200),
         a.repeated(126) + ellipsis + b.repeated(127)},
        {"a pair that the end would split is left out of it", a.repeated(200) + emoji + b.repeated(126),
         a.repeated(127) + ellipsis + b.repeated(126)},
        {"nothing but pairs", emoji.repeated(200), emoji.repeated(63) + ellipsis + emoji.repeated(63)},
        {"255 units of pairs and one letter kept whole", emoji.repeated(127) + a, emoji.repeated(127) + a},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString expected = u"'"_s + c.shown + u"' is not a valid floating point value"_s;
        try {
            StrToFloat(c.typed);
            ADD_FAILURE() << brief(c.typed) << " was read as a number";
        } catch (const EConvertError& e) {
            EXPECT_TRUE(expected == e.Message()) << "typed " << c.typed.size() << " units: " << brief(c.typed)
                                                  << "\nexpected: " << brief(expected)
                                                  << "\ngot:      " << brief(e.Message());
            EXPECT_TRUE(e.Message().isValidUtf16()) << "a surrogate pair was split: " << brief(e.Message());
            EXPECT_STREQ("EConvertError", e.ClassName());
        }
    }
}

TEST(NumberReading, NulInsideTheTextIsNotANumber)
{
    SettingsGuard guard(Italian);
    const QString text = QStringLiteral("12") + QChar(u'\0') + QStringLiteral("3");
    EXPECT_FALSE(ReadFloat(text));
    EXPECT_EQ(0, StrToFloatDef(text, 0));
}

TEST(NumberReading, OtherSeparatorsAreHonoured)
{
    SettingsGuard guard(TFormatSettings{u'\u066B', u'\u066C'}); // Arabic decimal and thousands marks
    EXPECT_EQ(1.5, StrToFloat(u"1\u066B5"));
    EXPECT_FALSE(ReadFloat(u"1\u066C500"));
}

} // namespace
