#pragma once

#include <QString>

#include <exception>
#include <string>

namespace vareldo {

// Base of every failure kind a user can meet: a kind name and a message.
class Exception : public std::exception {
public:
    explicit Exception(QString message);

    const QString& Message() const noexcept { return message_; }
    virtual const char* ClassName() const noexcept = 0;
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// A text that the strict number reading rejects.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    // Quotes the text; one of more than 255 characters keeps its first and last 127 around "…".
    static EConvertError InvalidFloat(const QString& text);
    const char* ClassName() const noexcept override { return "EConvertError"; }
};

// A floating-point result too large for a double.
class EOverflow : public Exception {
public:
    EOverflow();
    const char* ClassName() const noexcept override { return "EOverflow"; }
};

// Round outside the 64-bit range, or a value that is not a number.
class EInvalidOp : public Exception {
public:
    EInvalidOp();
    const char* ClassName() const noexcept override { return "EInvalidOp"; }
};

// A 32-bit integer addition that overflows.
class EIntOverflow : public Exception {
public:
    EIntOverflow();
    const char* ClassName() const noexcept override { return "EIntOverflow"; }
};

class EPrinter : public Exception {
public:
    using Exception::Exception;
    static EPrinter NoDefaultPrinter();
    static EPrinter InvalidPrinter();
    static EPrinter NotPrinting();
    static EPrinter PrintingInProgress();
    const char* ClassName() const noexcept override { return "EPrinter"; }
};

} // namespace vareldo
