#include "tests/hostile/HostileWindow.h"
#include "ui/SummaryPrinter.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <vector>

namespace vareldo::testing {
namespace {

bool cupsdInstalled()
{
    return !QStandardPaths::findExecutable(u"cupsd"_s).isEmpty()
        || !QStandardPaths::findExecutable(u"cupsd"_s, {u"/usr/sbin"_s, u"/usr/local/sbin"_s, u"/sbin"_s}).isEmpty();
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << str(program) << " did not finish";
    EXPECT_EQ(0, process.exitCode()) << str(program) << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

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
        const QString socket = qEnvironmentVariable("CUPS_SERVER");
        ASSERT_FALSE(socket.isEmpty())
            << "CUPS_SERVER is not set: run the printing tests through ctest, which starts the private spooler";
        ASSERT_TRUE(QFileInfo::exists(socket)) << "no spooler at " << str(socket);
        output = QFileInfo(socket).absolutePath() + u"/out/job.pdf"_s;
        QFile::remove(output);
    }

    // Waits until the spooler has no job left and has written the document out.
    bool jobArrived() const
    {
        const QDeadlineTimer patience(300000); // a guard against a lost job, not a speed check
        while (!patience.hasExpired()) {
            QFile file(output);
            if (run(u"lpstat"_s, {u"-o"_s}).trimmed().isEmpty() && file.open(QIODevice::ReadOnly)
                && file.readAll().contains("%%EOF"))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    // The text lines of each printed page, blanks folded as a reader sees them.
    std::vector<QStringList> printedPages() const
    {
        std::vector<QStringList> pages;
        QStringList texts = run(u"pdftotext"_s, {u"-layout"_s, output, u"-"_s}).split(u'\f');
        texts.removeLast(); // the text after the last page break
        for (const QString& text : texts) {
            QStringList lines;
            for (const QString& line : text.split(u'\n')) {
                if (!line.trimmed().isEmpty())
                    lines << line.simplified();
            }
            pages.push_back(lines);
        }
        return pages;
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
    ASSERT_TRUE(jobArrived()) << "no job in " << str(output);
    const std::vector<QStringList> pages = printedPages();
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
