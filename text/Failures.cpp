#include "text/Failures.h"

namespace vareldo {

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

EConvertError EConvertError::InvalidFloat(const QString& text)
{
    return EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

EOverflow::EOverflow() : Exception(QStringLiteral("Floating point overflow")) {}

EInvalidOp::EInvalidOp() : Exception(QStringLiteral("Invalid floating point operation")) {}

EZeroDivide::EZeroDivide() : Exception(QStringLiteral("Floating point division by zero")) {}

EIntOverflow::EIntOverflow() : Exception(QStringLiteral("Integer overflow")) {}

EPrinter EPrinter::NoDefaultPrinter()
{
    return EPrinter(QStringLiteral("There is no default printer currently selected"));
}

EPrinter EPrinter::InvalidPrinter() { return EPrinter(QStringLiteral("Printer selected is not valid")); }

EPrinter EPrinter::NotPrinting() { return EPrinter(QStringLiteral("Printer is not currently printing")); }

EPrinter EPrinter::PrintingInProgress() { return EPrinter(QStringLiteral("Printing in progress")); }

} // namespace vareldo
