#include "ui/SummaryPrinter.h"

#include "tests/support/PrivateSpooler.h"
#include "tests/support/ScreenSnapshot.h"
#include "tests/support/WindowHarness.h"
#include "tests/support/WorkedExample.h"
#include "text/Failures.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStringList>
#include <QTabWidget>
#include <QThread>

#include <vector>

namespace vareldo::testing {
namespace {

std::string show(const QStringList& lines) { return ("\n  " + lines.join("\n  ")).toStdString(); }

const QStringList WorkedExample = WorkedExampleSummary();

QStringList joined(const std::vector<QStringList>& pages)
{
    QStringList all;
    for (const QStringList& page : pages)
        all << page;
    return all;
}

QStringList folded(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines)
        result << line.simplified();
    return result;
}

using PrintingToSpooler = SpoolerTest;

TEST_F(PrintingToSpooler, WorkedExampleComesOutLineByLineInOrder)
{
    SummaryPrinter printer;
    printer.Print(WorkedExample);

    ASSERT_TRUE(jobArrived()) << "no job in " << str(output);
    const std::vector<QStringList> pages = printedPages();
    ASSERT_EQ(1u, pages.size());
    EXPECT_EQ(folded(WorkedExample), pages.front()) << "expected:" << show(WorkedExample)
                                                    << "\ngot:" << show(pages.front());
}

TEST_F(PrintingToSpooler, EmptySummarySendsOneEmptyPage)
{
    SummaryPrinter printer;
    printer.Print({});

    ASSERT_TRUE(jobArrived()) << "no job in " << str(output);
    const std::vector<QStringList> pages = printedPages();
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(pages.front().isEmpty()) << show(pages.front());
}

TEST_F(PrintingToSpooler, SecondPrintWhileTheFirstIsHandedOverFails)
{
    SummaryPrinter printer;
    QString secondFailure;
    // Delivered by the event loop that runs while the first job is handed over.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            try {
                printer.Print({QStringLiteral("seconda stampa")});
            } catch (const EPrinter& e) {
                secondFailure = e.Message();
            }
        },
        Qt::QueuedConnection);

    printer.Print(WorkedExample);

    EXPECT_EQ(QStringLiteral("Printing in progress"), secondFailure);
    ASSERT_TRUE(jobArrived()) << "the first job did not complete";
    const std::vector<QStringList> pages = printedPages();
    EXPECT_EQ(folded(WorkedExample), joined(pages)) << "got:" << show(joined(pages));

    // Once the first job is closed the same printer takes the next one.
    QFile::remove(output);
    printer.Print({QStringLiteral("terza stampa")});
    ASSERT_TRUE(jobArrived());
    EXPECT_EQ(QStringList{"terza stampa"}, joined(printedPages()));
}

TEST_F(PrintingToSpooler, PrinterRemovedAfterTheFirstPrintIsNotValid)
{
    SummaryPrinter printer;
    printer.Print({QStringLiteral("prima stampa")});
    ASSERT_TRUE(jobArrived());

    const QString uri = QStringLiteral("file://") + output;
    // The later tests print to the same printer, so it comes back whatever happens here.
    const auto restore = qScopeGuard([&] {
        run("lpadmin", {"-p", "PDF", "-E", "-v", uri, "-m", "lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd"});
        run("lpadmin", {"-d", "PDF"});
    });
    run("lpadmin", {"-x", "PDF"});

    try {
        printer.Print({QStringLiteral("seconda stampa")});
        ADD_FAILURE() << "printed on a printer that is gone";
    } catch (const EPrinter& e) {
        EXPECT_EQ(QStringLiteral("Printer selected is not valid"), e.Message());
    }
}

// Where the words landed, in points, as the reader of the file finds them.
struct WordBox {
    QString text;
    double left, top, bottom;
};

TEST_F(PrintingToSpooler, LinesAreTenPointArialAtTheLeftEdgeEachBelowThePrevious)
{
    const QStringList lines{"Alfa", "Beta", "Gamma", "", "Delta"};
    SummaryPrinter printer;
    printer.Print(lines);
    ASSERT_TRUE(jobArrived()) << "no job in " << str(output);

    std::vector<WordBox> words;
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const auto& m : word.globalMatch(run("pdftotext", {"-bbox", output, "-"})))
        words.push_back({m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()});
    ASSERT_EQ(4u, words.size());

    // The same font on the same printer gives the pitch the lines must keep.
    const QPrinter reference(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    QFont font("Arial");
    font.setPointSizeF(10);
    const QFontMetrics metrics(font, &reference);
    const double pointsPerDot = 72.0 / reference.resolution();
    const double pitch = (metrics.height() + 5) * pointsPerDot;
    const double leftEdge = reference.pageLayout().paintRectPoints().left() + 10 * pointsPerDot;
    const double gaps[] = {1, 1, 2}; // Delta comes after the empty line

    for (std::size_t i = 0; i < words.size(); ++i) {
        const WordBox& w = words[i];
        SCOPED_TRACE(w.text.toStdString());
        EXPECT_NEAR(leftEdge, w.left, 0.5);
        EXPECT_NEAR(10 * 1.15, w.bottom - w.top, 1.5) << "a 10 point line of Arial";
        if (i > 0) {
            EXPECT_NEAR(gaps[i - 1] * pitch, w.top - words[i - 1].top, 0.2);
        }
    }
}

class DisplayLinesOfMemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        memo.resize(759, 486);
        QFont font(QStringLiteral("Segoe UI"));
        font.setPixelSize(16);
        memo.setFont(font);
        memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo.show();
    }

    QPlainTextEdit memo;
};

TEST_F(DisplayLinesOfMemo, LongLineIsSplitWhereTheAreaWrapsIt)
{
    QStringList words;
    for (int i = 1; i <= 60; ++i)
        words << QStringLiteral("parola%1").arg(i);
    const QString longLine = words.join(u' ');
    memo.setPlainText(QStringLiteral("prima\n") + longLine + QStringLiteral("\nultima"));

    const QStringList lines = DisplayLines(memo);

    ASSERT_GE(lines.size(), 5) << show(lines);
    EXPECT_EQ(QStringLiteral("prima"), lines.first());
    EXPECT_EQ(QStringLiteral("ultima"), lines.last());
    const QStringList wrapped = lines.mid(1, lines.size() - 2);
    EXPECT_GE(wrapped.size(), 3) << show(lines);
    EXPECT_EQ(longLine, wrapped.join(QString())) << "the pieces make up the line";
    const QFontMetrics metrics(memo.font());
    for (int i = 0; i < wrapped.size(); ++i) {
        SCOPED_TRACE(wrapped[i].toStdString());
        EXPECT_LE(metrics.horizontalAdvance(wrapped[i].trimmed()), memo.viewport()->width());
        if (i + 1 < wrapped.size()) {
            EXPECT_TRUE(wrapped[i].endsWith(u' ')) << "broken between words";
        }
    }
}

TEST_F(DisplayLinesOfMemo, OnlyTheEmptyLineAfterTheLastBreakIsLeftOut)
{
    const struct {
        QString text;
        QStringList expected;
    } cases[] = {
        {"", {}},
        {"uno", {"uno"}},
        {"uno\n", {"uno"}},
        {"uno\n\ndue", {"uno", "", "due"}},
        {"uno\n\n", {"uno", ""}},
        {"\n", {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        memo.setPlainText(c.text);
        const QStringList got = DisplayLines(memo);
        EXPECT_EQ(c.expected, got) << "expected:" << show(c.expected) << "\ngot:" << show(got);
    }
}

// The pupil's way: a calculation on the calculation page, then STAMPA on the summary page.
class PrintingFromWindow : public SpoolerTest, public WindowHarness {
protected:
    void openSummaryPage() const
    {
        find<QTabWidget>("PageControl1").setCurrentWidget(&find<QWidget>("TabSheet3"));
    }
};

TEST_F(PrintingFromWindow, WorkedExampleSummaryPrintsFromTheButton)
{
    find<QComboBox>("ComboBoxReddito").setEditText(QStringLiteral("100000"));
    find<QCheckBox>("CheckContributiPre").click();
    find<QCheckBox>("ChecklavoroDipendente").click();
    find<QPushButton>("ButtonCalcolaTasse").click();
    openSummaryPage();

    find<QPushButton>("Button2").click();

    EXPECT_TRUE(sent.errors.isEmpty()) << show(sent.errors);
    ASSERT_TRUE(jobArrived()) << "no job in " << str(output);
    const QStringList got = joined(printedPages());
    EXPECT_EQ(folded(WorkedExample), got) << "expected:" << show(WorkedExample) << "\ngot:" << show(got);
}

TEST_F(PrintingFromWindow, TypedLineTooLongForTheAreaPrintsAsItsDisplayLines)
{
    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words << QStringLiteral("appunto%1").arg(i);
    auto& memo = find<QPlainTextEdit>("Memo1");
    memo.setPlainText(QStringLiteral("Note dell'alunno:\n") + words.join(u' '));
    openSummaryPage();
    const QStringList shown = DisplayLines(memo);
    ASSERT_GE(shown.size(), 3) << "the long line wraps in the area:" << show(shown);

    find<QPushButton>("Button2").click();

    EXPECT_TRUE(sent.errors.isEmpty()) << show(sent.errors);
    ASSERT_TRUE(jobArrived()) << "no job in " << str(output);
    const QStringList got = joined(printedPages());
    EXPECT_EQ(folded(shown), got) << "expected:" << show(shown) << "\ngot:" << show(got);
}

// The summary a pupil typed: lines that each fit the area, so each is one display line.
QStringList typedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"Riga %1 di %2 scritta dall'alunno"_s.arg(i, 4, 10, QLatin1Char('0')).arg(count);
    return lines;
}

// Thousands of lines go on over as many pages as they need, none lost, none out of order.
TEST_F(PrintingFromWindow, FiveThousandTypedLinesAllReachThePaperInOrderOverAsManyPagesAsNeeded)
{
    const QStringList lines = typedLines(5000);
    auto& memo = find<QPlainTextEdit>("Memo1");
    memo.setPlainText(lines.join(u'\n'));
    openSummaryPage();
    ASSERT_TRUE(DisplayLines(memo) == lines) << "a typed line wraps in the area";
    const ScreenSnapshot before = snapshotOf(*this);

    click("Button2");

    EXPECT_TRUE(sent.errors.isEmpty() && sent.messages.isEmpty())
        << joinedForLog(sent.errors) << joinedForLog(sent.messages);
    EXPECT_TRUE(before == snapshotOf(*this)) << differences(before, snapshotOf(*this));
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
