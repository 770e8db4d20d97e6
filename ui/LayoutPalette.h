#pragma once

#include <QPalette>

namespace vareldo {

// A desktop palette is dark when its window text is lighter than its windows.
bool IsDarkPalette(const QPalette& palette);

} // namespace vareldo
