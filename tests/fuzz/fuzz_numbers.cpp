// Reading, writing and Round on arbitrary input: no crash, no sanitizer finding, and a value
// written in general form reads back to the same 15 significant digits.
#include "text/Amounts.h"
#include "text/Failures.h"
#include "text/FormatSettings.h"
#include "text/NumberReading.h"
#include "text/NumberWriting.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace vareldo;

namespace {

void checkWriters(double value)
{
    if (!std::isfinite(value))
        return;
    const QString general = FloatToStr(value);
    const QString amount = FormatFloat(u"#,##0.00", value);
    const QString fixed = Format(u"%.2f|%.0f|%n", {value, value, value});
    if (general.isEmpty() || amount.isEmpty() || fixed.isEmpty())
        std::abort();
    // Close to the top of the range the 15-digit text can round above the largest double.
    if (std::fabs(value) < 1.7e308) {
        const std::optional<double> back = ReadFloat(general);
        if (!back || FloatToStr(*back) != general)
            std::abort();
    }
    try {
        const std::int64_t rounded = Round(value);
        if (std::fabs(static_cast<double>(rounded) - value) > 0.5 && std::fabs(value) < 9e15)
            std::abort();
    } catch (const EInvalidOp&) {
        if (std::fabs(value) < 9.2e18)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the separators; the rest is a UTF-16 text and, when long enough, a raw double.
    const std::uint8_t pick = data[0];
    FormatSettings = (pick & 1) ? TFormatSettings{u',', u'.'} : TFormatSettings{u'.', u','};
    ++data;
    --size;

    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, (size / 2) * 2);
    if (const std::optional<double> value = ReadFloat(text)) {
        if (!std::isfinite(*value))
            std::abort();
        checkWriters(*value);
    }
    try {
        StrToFloat(text);
    } catch (const EConvertError& e) {
        // A long text is quoted by its start and end only, so that its box fits the screen.
        const QString quoted = text.size() <= 255 ? text : text.first(100);
        if (!e.Message().contains(quoted))
            std::abort();
    }
    const QString latin = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<double> value = ReadFloat(latin))
        checkWriters(*value);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkWriters(raw);
    }
    return 0;
}
