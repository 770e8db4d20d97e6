#include "tests/hostile/HostileWindow.h"
#include "tests/printing/PrivateSpooler.h"
#include "ui/SummaryPrinter.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <vector>

namespace vareldo::testing {
namespace {

using namespace spooler;

// The summary a pupil typed: lines that each fit the area, so each is one display line.
QStringList typedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"Riga %1 di %2 scritta dall'alunno"_s.arg(i, 4, 10, QLatin1Char('0')).arg(count);
    return lines;
}

// The private spooler that CTest starts writes each job to one file beside its socket.
class PrintingTypedSummary : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!cupsdInstalled())
            GTEST_SKIP() << "cupsd is not installed, so there is no private spooler to print into";
        prepareSpooler(output);
    }

    QString output;
};

TEST_F(PrintingTypedSummary, FiveThousandLinesAllReachThePaperInOrderOverAsManyPagesAsNeeded)
{
    const HostileWindow w;
    const QStringList lines = typedLines(5000);
    auto& memo = w.find<QPlainTextEdit>("Memo1");
    memo.setPlainText(lines.join(u'\n'));
    w.find<QTabWidget>("PageControl1").setCurrentWidget(&w.find<QWidget>("TabSheet3"));
    ASSERT_TRUE(DisplayLines(memo) == lines) << "a typed line wraps in the area";
    const ScreenSnapshot before = w.snapshot();

    w.click("Button2");

    EXPECT_TRUE(w.sent.errors.isEmpty() && w.sent.messages.isEmpty())
        << joinedForLog(w.sent.errors) << joinedForLog(w.sent.messages);
    EXPECT_TRUE(before == w.snapshot()) << differences(before, w.snapshot());
    ASSERT_TRUE(jobArrived(output)) << "no job in " << str(output);
    const std::vector<QStringList> pages = printedPages(output);
    EXPECT_GE(pages.size(), 2u);
    QStringList printed;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        EXPECT_FALSE(pages[page].isEmpty()) << "page " << page + 1 << " has no line";
        printed << pages[page];
    }
    ASSERT_EQ(lines.size(), printed.size()) << "lines printed over " << pages.size() << " pages";
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i] != printed[i]) {
            ADD_FAILURE() << "line " << i + 1 << " expected: " << str(lines[i]) << "\ngot: " << str(printed[i]);
            break;
        }
    }
}

} // namespace
} // namespace vareldo::testing
