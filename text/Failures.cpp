#include "text/Failures.h"

namespace vareldo {

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

namespace {

// A pasted megabyte would make a box wider or taller than any screen; its start and end
// are what a pupil needs to recognise the text.
constexpr qsizetype LongestQuotedText = 255;
constexpr qsizetype QuotedEnd = 127;

bool splitsAPair(const QString& text, qsizetype cut)
{
    return text[cut - 1].isHighSurrogate() && text[cut].isLowSurrogate();
}

QString quoted(const QString& text)
{
    if (text.size() <= LongestQuotedText)
        return text;
    qsizetype startEnd = QuotedEnd;
    if (splitsAPair(text, startEnd))
        --startEnd;
    qsizetype endStart = text.size() - QuotedEnd;
    if (splitsAPair(text, endStart))
        ++endStart;
    return text.first(startEnd) + u'\u2026' + text.sliced(endStart);
}

} // namespace

EConvertError EConvertError::InvalidFloat(const QString& text)
{
    return EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(quoted(text)));
}

EOverflow::EOverflow() : Exception(QStringLiteral("Floating point overflow")) {}

EInvalidOp::EInvalidOp() : Exception(QStringLiteral("Invalid floating point operation")) {}

EIntOverflow::EIntOverflow() : Exception(QStringLiteral("Integer overflow")) {}

EPrinter EPrinter::NoDefaultPrinter()
{
    return EPrinter(QStringLiteral("There is no default printer currently selected"));
}

EPrinter EPrinter::InvalidPrinter() { return EPrinter(QStringLiteral("Printer selected is not valid")); }

EPrinter EPrinter::NotPrinting() { return EPrinter(QStringLiteral("Printer is not currently printing")); }

EPrinter EPrinter::PrintingInProgress() { return EPrinter(QStringLiteral("Printing in progress")); }

} // namespace vareldo
