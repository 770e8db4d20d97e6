#include "ui/LayoutPalette.h"

#include <QColor>

namespace vareldo {

bool IsDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::WindowText).lightnessF() > palette.color(QPalette::Window).lightnessF();
}

} // namespace vareldo
