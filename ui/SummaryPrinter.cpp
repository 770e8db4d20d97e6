#include "ui/SummaryPrinter.h"

#include "text/Amounts.h"
#include "text/Failures.h"

#include <QEventLoop>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QThread>

#include <cstdint>
#include <exception>
#include <memory>

namespace vareldo {

namespace {

constexpr int LeftEdge = 10; // device units, from the printable area's corner
constexpr int TopEdge = 10;
constexpr int LineGap = 5;

// The printer of this run: the default one found first, then that same printer by name.
QPrinterInfo jobPrinter(QString& rememberedName)
{
    if (rememberedName.isEmpty()) {
        const QPrinterInfo found = QPrinterInfo::defaultPrinter();
        if (found.isNull())
            throw EPrinter::NoDefaultPrinter();
        rememberedName = found.printerName();
        return found;
    }
    const QPrinterInfo again = QPrinterInfo::printerInfo(rememberedName);
    if (again.isNull())
        throw EPrinter::InvalidPrinter();
    return again;
}

void drawLines(QPainter& painter, QPrinter& printer, const QStringList& lines)
{
    QFont font(QStringLiteral("Arial"));
    // Set on the printer's painter, so the points are sized at the printer's resolution.
    font.setPointSizeF(10);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.height();

    std::int32_t yPos = TopEdge;
    bool pageHasLines = false;
    for (const QString& line : lines) {
        // Every text, the empty one too, measures the font's height.
        const int lineHeight = metrics.height();
        // A line below the printable area would be lost: it goes on a new page instead.
        if (pageHasLines && std::int64_t{yPos} + lineHeight > pageHeight) {
            if (!printer.newPage())
                throw EPrinter::NotPrinting();
            yPos = TopEdge;
        }
        painter.drawText(QPoint(LeftEdge, yPos + metrics.ascent()), line);
        pageHasLines = true;
        yPos = checkedAddInt(checkedAddInt(yPos, lineHeight), LineGap);
    }
}

// The whole job on the calling thread, which is not the window's: the printer is opened,
// begun, drawn on and ended where it was made. What was drawn before a failure is still
// printed; the failure is handed back for the window's thread to raise.
std::exception_ptr printJob(const QPrinterInfo& printerInfo, const QStringList& lines) noexcept
{
    try {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        if (!printer.isValid())
            throw EPrinter::InvalidPrinter();
        printer.setDocName(QString());
        QPainter painter;
        // A job the printing system refused to start has nothing to draw on and nothing to end.
        if (!painter.begin(&printer))
            throw EPrinter::NotPrinting();
        std::exception_ptr drawingFailure;
        try {
            drawLines(painter, printer, lines);
        } catch (...) {
            drawingFailure = std::current_exception();
        }
        if (!painter.end())
            throw EPrinter::NotPrinting();
        if (drawingFailure)
            std::rethrow_exception(drawingFailure);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

} // namespace

QStringList DisplayLines(const QPlainTextEdit& memo)
{
    const QTextDocument* document = memo.document();
    const auto* layout = qobject_cast<const QPlainTextDocumentLayout*>(document->documentLayout());
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* blockLayout = block.layout();
        if (!blockLayout || blockLayout->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    // The block after a final line break, or the only block of an empty text.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void SummaryPrinter::Print(const QStringList& lines)
{
    if (printing_)
        throw EPrinter::PrintingInProgress();
    const QPrinterInfo printerInfo = jobPrinter(printerName_);
    printing_ = true;
    const auto jobClosed = qScopeGuard([this] { printing_ = false; });

    // One job lives on one thread: the printer's device is not handed between threads midway.
    // The window keeps taking events while the job is printed and handed over.
    std::exception_ptr failure;
    QEventLoop loop;
    const std::unique_ptr<QThread> job(
        QThread::create([&printerInfo, &lines, &failure] { failure = printJob(printerInfo, lines); }));
    QObject::connect(job.get(), &QThread::finished, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
    job->wait();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace vareldo
