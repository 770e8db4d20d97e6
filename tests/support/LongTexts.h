#pragma once

#include <QString>

namespace vareldo::testing {

using namespace Qt::StringLiterals;

// A text of about a megabyte made of piece repeated, so that its start and end differ.
inline QString megabyteOf(const QString& piece)
{
    QString text;
    text.reserve((1 << 20) + piece.size());
    while (text.size() < (1 << 20))
        text += piece;
    return text;
}

// The conversion message as a box shows it: a long text keeps its first and last 127 characters.
inline QString conversionMessage(const QString& typed)
{
    const QString shown = typed.size() > 255 ? typed.first(127) + u'\u2026' + typed.last(127) : typed;
    return u"'"_s + shown + u"' is not a valid floating point value"_s;
}

} // namespace vareldo::testing
