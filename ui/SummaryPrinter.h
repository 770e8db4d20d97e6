#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace vareldo {

// The lines of memo as the area shows them, long lines broken where it wraps them;
// the empty line after a final line break is not counted. The area wraps its text once it
// has been on screen, as it always is when STAMPA, which sits beside it, is clicked.
QStringList DisplayLines(const QPlainTextEdit& memo);

// Prints text lines on the system's default printer, one job per call.
class SummaryPrinter {
public:
    // Throws EPrinter when no printer can take the job, EIntOverflow from the line position.
    // The job runs on a thread of its own while this one runs the event loop; a call in the
    // meantime fails with "Printing in progress".
    void Print(const QStringList& lines);

private:
    QString printerName_; // the default printer found by the first print that found one
    bool printing_ = false;
};

} // namespace vareldo
