#pragma once

namespace vareldo {

// Fills FormatSettings with the decimal and grouping symbols of the user's locale.
void TakeNumberSettingsFromLocale();

} // namespace vareldo
