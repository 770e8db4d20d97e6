#include "ui/LocaleNumberSettings.h"

#include "text/FormatSettings.h"

#include <QLocale>

namespace vareldo {

void TakeNumberSettingsFromLocale()
{
    const QLocale locale = QLocale::system();
    FormatSettings = FormatSettingsFromSymbols(locale.decimalPoint(), locale.groupSeparator());
}

} // namespace vareldo
