// Printing where the printing system has no printer at all: CTest points CUPS_SERVER at a
// socket that nothing listens on.
#include "ui/SummaryPrinter.h"

#include "tests/support/WindowHarness.h"
#include "tests/support/WorkedExample.h"
#include "text/Failures.h"

#include <gtest/gtest.h>

#include <QPushButton>

namespace vareldo::testing {
namespace {

void expectPrintingSystemGiven()
{
    ASSERT_FALSE(qEnvironmentVariable("CUPS_SERVER").isEmpty())
        << "CUPS_SERVER is not set: run the printing tests through ctest";
}

TEST(PrintingWithoutPrinter, EveryClickReportsThatThereIsNoDefaultPrinter)
{
    expectPrintingSystemGiven();
    SummaryPrinter printer;
    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE(click);
        try {
            printer.Print(WorkedExampleSummary());
            ADD_FAILURE() << "printed without a printer";
        } catch (const EPrinter& e) {
            EXPECT_EQ(QStringLiteral("There is no default printer currently selected"), e.Message());
        }
    }
}

// Failures reach the window's default error display, with its full stop.
TEST(PrintingWithoutPrinter, EachClickOnTheWindowShowsTheNoPrinterError)
{
    expectPrintingSystemGiven();
    const WindowHarness w;
    w.click("Button2");
    w.click("Button2");
    const QString error = QStringLiteral("There is no default printer currently selected.");
    EXPECT_EQ((QStringList{error, error}), w.sent.errors) << joinedForLog(w.sent.errors);
}

} // namespace
} // namespace vareldo::testing
