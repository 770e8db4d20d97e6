#include "text/Amounts.h"
#include "text/Failures.h"
#include "text/FormatSettings.h"
#include "tests/support/Printers.h"
#include "tests/support/SettingsGuard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vareldo;
using namespace vareldo::testing;

namespace {

TEST(Round, HalvesGoToTheEvenNeighbour)
{
    const struct {
        const char* name;
        double value;
        std::int64_t expected;
    } cases[] = {
        {"0.5", 0.5, 0},
        {"1.5", 1.5, 2},
        {"2.5", 2.5, 2},
        {"3.5", 3.5, 4},
        {"-2.5", -2.5, -2},
        {"2350 x 0.23", 2350 * 0.23, 540},
        {"2650 x 0.23", 2650 * 0.23, 610},
        {"22000 x 0.35", 22000 * 0.35, 7700},
        {"150 x 0.23", 150 * 0.23, 34},
        {"50 x 0.23", 50 * 0.23, 12},
        {"1.4999999999999998", 1.4999999999999998, 1},
        {"-2^63", -9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
        {"largest double below 2^63", 9223372036854774784.0, 9223372036854774784LL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, Round(c.value));
    }
}

TEST(Round, FailsOutsideTheSixtyFourBitRange)
{
    for (const double value : {1e19, -1e19, 9223372036854775808.0, -9223372036854777856.0,
                               std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(value);
        try {
            Round(value);
            ADD_FAILURE() << "no failure";
        } catch (const EInvalidOp& e) {
            EXPECT_EQ(QStringLiteral("Invalid floating point operation"), e.Message());
        }
    }
}

TEST(CheckedArithmetic, OverflowIsAFailureNeverAnInfinity)
{
    const double big = 1e308;
    EXPECT_THROW(checkedAdd(big, big), EOverflow);
    EXPECT_THROW(checkedSub(-big, big), EOverflow);
    EXPECT_THROW(checkedMul(1e200, 1e200), EOverflow);
    EXPECT_THROW(checkedDiv(1e300, 1e-300), EOverflow);
    EXPECT_THROW(checkedDiv(1, 0), EOverflow);
    EXPECT_THROW(checkedDiv(0, 0), EInvalidOp);
    try {
        checkedAdd(big, big);
    } catch (const EOverflow& e) {
        EXPECT_EQ(QStringLiteral("Floating point overflow"), e.Message());
        EXPECT_STREQ("EOverflow", e.ClassName());
    }
}

TEST(CheckedArithmetic, InexactAndTinyResultsAreNotFailures)
{
    EXPECT_EQ(0.1 + 0.2, checkedAdd(0.1, 0.2));
    EXPECT_EQ(1e-300 * 1e-300, checkedMul(1e-300, 1e-300));
    EXPECT_EQ(std::numeric_limits<double>::max(), checkedAdd(std::numeric_limits<double>::max(), 1));
    EXPECT_EQ(30, checkedDiv(checkedMul(200, 15), 100));
}

TEST(CheckedArithmetic, ThirtyTwoBitAddition)
{
    EXPECT_EQ(2147483647, checkedAddInt(2147483646, 1));
    EXPECT_THROW(checkedAddInt(2147483647, 1), EIntOverflow);
    EXPECT_THROW(checkedAddInt(-2147483647 - 1, -1), EIntOverflow);
}

TEST(Failures, MessagesOfEveryKind)
{
    EXPECT_EQ(QStringLiteral("Integer overflow"), EIntOverflow().Message());
    EXPECT_EQ(QStringLiteral("There is no default printer currently selected"), EPrinter::NoDefaultPrinter().Message());
    EXPECT_EQ(QStringLiteral("Printer selected is not valid"), EPrinter::InvalidPrinter().Message());
    EXPECT_EQ(QStringLiteral("Printer is not currently printing"), EPrinter::NotPrinting().Message());
    EXPECT_EQ(QStringLiteral("Printing in progress"), EPrinter::PrintingInProgress().Message());
    EXPECT_STREQ("EPrinter", EPrinter::NotPrinting().ClassName());
    EXPECT_STREQ("Floating point overflow", EOverflow().what());
}

TEST(FormatSettingsFromSymbols, FirstCharacterRule)
{
    const struct {
        const char16_t* decimal;
        const char16_t* grouping;
        char16_t expectedDecimal;
        char16_t expectedThousand;
    } cases[] = {
        {u",", u".", u',', u'.'},
        {u".", u",", u'.', u','},
        {u",", u"\u00A0", u',', u'\u00A0'},
        {u",", u"\u2019", u',', u'\u2019'},
        {u",x", u"..", u',', u'.'},     // two characters: the first one
        {u",xx", u"...", u'.', u','},   // longer: the defaults
        {u"", u"", u'.', u','},         // empty: the defaults
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.decimal).toStdString() + " / " + QString::fromUtf16(c.grouping).toStdString());
        const TFormatSettings s = FormatSettingsFromSymbols(QString::fromUtf16(c.decimal), QString::fromUtf16(c.grouping));
        EXPECT_EQ(c.expectedDecimal, s.DecimalSeparator);
        EXPECT_EQ(c.expectedThousand, s.ThousandSeparator);
    }
}

} // namespace
