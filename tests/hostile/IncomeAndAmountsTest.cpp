#include "tests/hostile/HostileWindow.h"

#include <vector>

namespace vareldo::testing {
namespace {

const QString Separator(52, u'-');

// One click and all it may do: the boxes it shows and the controls it changes.
struct Click {
    const char* button;
    QStringList messages; // the system's own message boxes
    QStringList errors;   // the default error display
    ScreenSnapshot changed;
};

struct IncomeCase {
    const char* name;
    QString income;
    std::vector<TickedAmount> ticked;
    std::vector<Click> clicks;
};

// A text the strict reading rejects fails both calculations before anything on screen changes.
IncomeCase notANumber(const char* name, const QString& income)
{
    const QString message = conversionMessage(income);
    return {name, income, {}, {{"ButtonCalcolaTasse", {u"Errore: "_s + message}, {}, {}},
                                {"Button6", {}, {message + u'.'}, {}}}};
}

const QString Digits = megabyteOf(u"1234567890"_s);
const QString Letters = megabyteOf(u"abcdefghijklmnopqrstuvwxyz"_s);

// The progressive summary of a negative income: nothing is taxable, no bracket is walked.
const QString NegativeIncomeSummary = QStringList{
    u"Calcolo delle Imposte per un Reddito LORDO di €-1E20"_s,
    Separator,
    u"Totale Deduzioni SOTTRATTE AL REDDITO: €0,00"_s,
    u"Reddito LORDO - DEDUZIONI di €-1E20"_s,
    Separator,
    u"Scaglioni di Reddito e Aliquote Fiscali 2024 :"_s,
    u"1. Primo Scaglione: fino a €28.000 con aliquota 23%"_s,
    u"2. Secondo Scaglione: da €28.001 a €50.000 con aliquota 35%"_s,
    u"3. Terzo Scaglione: oltre €50.000 con aliquota 43%"_s,
    Separator,
    Separator,
    u"Totale IMPOSTE CALCOLATE: €0,00"_s,
    u"Totale Detrazioni SOTTRATTE ALLE IMPOSTE CALCOLATE: €0,00"_s,
    Separator,
    u"TOTALE IMPOSTE DA PAGARE : €0,00"_s,
    Separator,
}.join(u'\n');

// The overflow of a sum of amounts comes after the heading of the summary.
const ScreenSnapshot SummaryHeadingOnly = {
    {u"Memo1"_s, u"Calcolo delle Imposte per un Reddito LORDO di €10000,00\n"_s + Separator}};

TEST(HostileIncome, EachTextGivesItsOutcomeAndChangesNothingElse)
{
    const IncomeCase cases[] = {
        notANumber("a megabyte of digits: too large", Digits),
        notANumber("a megabyte of letters", Letters),
        notANumber("a NUL inside the digits", u"100"_s + QChar(u'\0') + u"00"_s),
        notANumber("a right-to-left mark before the digits", QChar(0x200F) + u"10000"_s),
        notANumber("an emoji after the digits", u"10000\U0001F600"_s),
        notANumber("a tab before the digits", u"\t10000"_s),
        notANumber("an exponent beyond the double range", u"1E400"_s),
        {"-1E20: the step-wise rounding fails, the progressive walk has nothing to tax",
         u"-1E20"_s,
         {},
         {{"Button6", {}, {u"Invalid floating point operation."_s}, {}},
          {"ButtonCalcolaTasse",
           {},
           {},
           {{u"Memo1"_s, NegativeIncomeSummary},
            {u"LabelRedditoRimanente"_s, u"Reddito Rimanente: €0,00"_s},
            {u"CalcoloScaglione1"_s, u""_s},
            {u"CalcoloScaglione2"_s, u""_s},
            {u"CalcoloScaglione3"_s, u""_s},
            {u"LabelRisultatoTasse"_s, u"Imposte Totali: €0,00"_s},
            {u"ChartTasse"_s, u"0 0 0"_s}}}}},
        {"1E308 in two ticked credit boxes: the sum overflows",
         u"10000"_s,
         {{"CheckCarichiFamiliari", "EditCarichiFamiliari", "1E308"}, {"CheckSpeseMediche", "EditSpeseMediche", "1E308"}},
         {{"ButtonCalcolaTasse", {u"Errore: Floating point overflow"_s}, {}, SummaryHeadingOnly},
          {"Button1", {}, {u"Floating point overflow."_s}, {}}}},
        {"1E308 in two ticked deduction boxes: the sum overflows",
         u"10000"_s,
         {{"CheckContributiPre", "EditContributiPre", "1E308"},
          {"CheckAltreDeduzioni", "EditAltreDeduzioni", "1E308"}},
         {{"ButtonCalcolaTasse", {u"Errore: Floating point overflow"_s}, {}, SummaryHeadingOnly},
          {"Button1", {}, {u"Floating point overflow."_s}, {}}}},
    };
    for (const IncomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        HostileWindow w;
        // An earlier calculation whose results must stay on screen.
        w.pasteIncome(u"100000"_s);
        w.click("ButtonCalcolaTasse");
        ASSERT_TRUE(w.sent.messages.isEmpty()) << joinedForLog(w.sent.messages);

        w.pasteIncome(c.income);
        for (const TickedAmount& pair : c.ticked)
            w.tick(pair);
        for (const Click& click : c.clicks) {
            SCOPED_TRACE(click.button);
            w.sent = {};
            const ScreenSnapshot before = w.snapshot();

            w.click(click.button);

            EXPECT_TRUE(click.messages == w.sent.messages)
                << "messages expected:" << joinedForLog(click.messages) << "\ngot:" << joinedForLog(w.sent.messages);
            EXPECT_TRUE(click.errors == w.sent.errors)
                << "errors expected:" << joinedForLog(click.errors) << "\ngot:" << joinedForLog(w.sent.errors);
            const ScreenSnapshot expected = withChanges(before, click.changed);
            EXPECT_TRUE(expected == w.snapshot()) << differences(expected, w.snapshot());
        }
    }
}

TEST(HostilePercentage, FailuresKeepTheResultBoxAndNameTheAmountFirst)
{
    const struct {
        const char* name;
        QString amount;
        QString percentage;
        QString error; // empty: the click succeeds
        QString result;
    } cases[] = {
        {"1E200 % of 1E200: the product overflows", u"1E200"_s, u"1E200"_s, u"Floating point overflow."_s, {}},
        {"100 % of 1E308: the product overflows before the division", u"1E308"_s, u"100"_s,
         u"Floating point overflow."_s, {}},
        {"1E10 % of -1E308: the product overflows below", u"-1E308"_s, u"1E10"_s, u"Floating point overflow."_s,
         {}},
        {"both boxes empty: the amount's empty text is named", u""_s, u""_s,
         u"'' is not a valid floating point value."_s, {}},
        {"empty amount, letters as percentage", u""_s, u"abc"_s, u"'' is not a valid floating point value."_s, {}},
        {"a megabyte of digits as amount", Digits, u"5"_s, conversionMessage(Digits) + u'.', {}},
        {"a product too small for a double is zero", u"1E-320"_s, u"1E-10"_s, {}, u"0"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostileWindow w;
        w.paste("EditResult", u"typed"_s);
        w.paste("EditAmount", c.amount);
        w.paste("EditPercentage", c.percentage);
        const ScreenSnapshot before = w.snapshot();

        w.click("Button3");

        const QStringList errors = c.error.isEmpty() ? QStringList() : QStringList{c.error};
        EXPECT_TRUE(errors == w.sent.errors)
            << "errors expected:" << joinedForLog(errors) << "\ngot:" << joinedForLog(w.sent.errors);
        EXPECT_TRUE(w.sent.messages.isEmpty()) << joinedForLog(w.sent.messages);
        const ScreenSnapshot expected =
            c.error.isEmpty() ? withChanges(before, {{u"EditResult"_s, c.result}}) : before;
        EXPECT_TRUE(expected == w.snapshot()) << differences(expected, w.snapshot());
    }
}

} // namespace
} // namespace vareldo::testing
