#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vareldo {

// An INI text held in memory, looked up by section and key.
//
// The syntax it accepts:
// - Encoding: a BOM selects UTF-8, UTF-16 LE/BE or UTF-32 LE/BE; without one the text is
//   UTF-8. Invalid bytes become U+FFFD and NUL is an ordinary character.
// - Lines end at LF, CRLF or CR.
// - Blanks are spaces and tabs; they are dropped at both ends of lines, names and values.
// - A line starting with ";" or "#" is a comment. Nothing is a comment after other text:
//   "30000 ; note" is the whole value.
// - A line starting with "[" opens a section named by the text up to the first "]", or up
//   to the line's end when there is none; text after the "]" is ignored.
// - Any other line holding "=" gives the key before its first "=" the value after it;
//   a line without "=" is ignored, and so is every key before the first section.
// - One pair of matching quotes ('...' or "...") around a value is removed.
// - A value keeps at most 2047 characters.
// - Section and key names match without regard to letter case. A section may appear more
//   than once; its parts count as one, and the first line with the key wins.
class IniFile {
public:
    explicit IniFile(QByteArrayView bytes);

    // The empty text when the section or the key is missing.
    QString ReadString(QStringView section, QStringView key) const;

private:
    QString text_;
};

} // namespace vareldo
