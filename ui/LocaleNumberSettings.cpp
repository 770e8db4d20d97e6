#include "ui/LocaleNumberSettings.h"

#include "text/FormatSettings.h"
#include "ui/Platform.h"

namespace vareldo {

void TakeNumberSettingsFromLocale()
{
    const platform::NumberSymbols symbols = platform::UserNumberSymbols();
    FormatSettings = FormatSettingsFromSymbols(symbols.decimal, symbols.grouping);
}

} // namespace vareldo
