#include "config/IniFile.h"

#include <QStringDecoder>

namespace vareldo {

namespace {

// What a buffer of 2048 characters, one kept for the terminator, holds of a value.
constexpr qsizetype MaxValueLength = 2047;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QStringView withoutQuotes(QStringView value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == u'"' || value.front() == u'\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

QString decode(QByteArrayView bytes)
{
    const QStringConverter::Encoding encoding =
        QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decoder(encoding);
    return decoder.decode(bytes);
}

} // namespace

IniFile::IniFile(QByteArrayView bytes) : text_(decode(bytes)) {}

QString IniFile::ReadString(QStringView section, QStringView key) const
{
    const QStringView text(text_);
    const qsizetype size = text.size();
    bool inSection = false;
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = trimBlanks(text.sliced(start, end - start));
        const bool crlf = end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n';
        start = end + (crlf ? 2 : 1);

        if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
            continue;
        if (line.front() == u'[') {
            QStringView name = line.sliced(1);
            const qsizetype close = name.indexOf(u']');
            if (close >= 0)
                name.truncate(close);
            inSection = trimBlanks(name).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || trimBlanks(line.first(equals)).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        const QStringView value = withoutQuotes(trimBlanks(line.sliced(equals + 1)));
        return value.first(qMin(value.size(), MaxValueLength)).toString();
    }
    return QString();
}

} // namespace vareldo
