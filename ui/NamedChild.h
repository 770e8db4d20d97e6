#pragma once

#include "core/ControlNames.h"

#include <QObject>
#include <QString>

namespace vareldo {

// The control of that name and kind below root; a missing one is a fault of the program.
template <class Control>
Control& NamedChild(const QObject& root, const QString& name)
{
    auto* found = root.findChild<Control*>(name);
    if (!found)
        throw MissingControl(name, "control");
    return *found;
}

} // namespace vareldo
