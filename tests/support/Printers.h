#pragma once

// How Qt's texts read in a failure: GoogleTest finds PrintTo beside the type it prints.
#include <QString>
#include <QStringList>

#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < texts.size(); ++i)
        *os << (i ? ", \"" : "\"") << texts[i].toStdString() << '"';
    *os << '}';
}

namespace vareldo::testing {

inline std::string str(const QString& text) { return text.toStdString(); }

// A text of a failure message, cut so that a megabyte of input does not flood the log.
inline std::string brief(const QString& text)
{
    constexpr qsizetype shown = 100;
    if (text.size() <= shown)
        return str(text);
    return str(text.first(shown / 2)) + "[... " + std::to_string(text.size() - shown) + " more ...]"
        + str(text.last(shown / 2));
}

// Each text on a line of its own, cut as brief cuts it.
inline std::string joinedForLog(const QStringList& texts)
{
    std::string joined;
    for (const QString& text : texts)
        joined += "\n  " + brief(text);
    return texts.isEmpty() ? std::string(" (none)") : joined;
}

} // namespace vareldo::testing
