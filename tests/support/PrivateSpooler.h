#pragma once

// What the printing tests need of the private spooler that CTest starts for them.
#include "tests/support/Printers.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QThread>

#include <vector>

namespace vareldo::testing::spooler {

inline bool cupsdInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("cupsd")).isEmpty()
        || !QStandardPaths::findExecutable(QStringLiteral("cupsd"),
                                           {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"),
                                            QStringLiteral("/sbin")})
                .isEmpty();
}

inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not finish";
    EXPECT_EQ(0, process.exitCode()) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The file the private spooler's printer writes each job to, emptied for the next job.
inline void prepareSpooler(QString& output)
{
    const QString socket = qEnvironmentVariable("CUPS_SERVER");
    ASSERT_FALSE(socket.isEmpty())
        << "CUPS_SERVER is not set: run the printing tests through ctest, which starts the private spooler";
    ASSERT_TRUE(QFileInfo::exists(socket)) << "no spooler at " << socket.toStdString();
    output = QFileInfo(socket).absolutePath() + QStringLiteral("/out/job.pdf");
    QFile::remove(output);
}

// Waits until the spooler has no job left and has written the document out.
inline bool jobArrived(const QString& output)
{
    const QDeadlineTimer patience(300000); // a guard against a lost job, not a speed check
    while (!patience.hasExpired()) {
        QFile file(output);
        if (run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty()
            && file.open(QIODevice::ReadOnly) && file.readAll().contains("%%EOF"))
            return true;
        QThread::msleep(100);
    }
    return false;
}

// The text of each printed page, one entry per line, blanks folded as a reader sees them.
inline std::vector<QStringList> printedPages(const QString& output)
{
    std::vector<QStringList> pages;
    QStringList texts =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), output, QStringLiteral("-")}).split(u'\f');
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

} // namespace vareldo::testing::spooler

namespace vareldo::testing {

// A test that prints into the private spooler: skipped where cupsd is not installed.
class SpoolerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!spooler::cupsdInstalled())
            GTEST_SKIP() << "cupsd is not installed, so there is no private spooler to print into";
        spooler::prepareSpooler(output);
    }

    bool jobArrived() const { return spooler::jobArrived(output); }
    std::vector<QStringList> printedPages() const { return spooler::printedPages(output); }
    static QString run(const QString& program, const QStringList& arguments)
    {
        return spooler::run(program, arguments);
    }

    QString output; // the file the spooler's printer writes each job to
};

} // namespace vareldo::testing
