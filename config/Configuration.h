#pragma once

#include <QString>

#include <functional>

namespace vareldo {

struct CalculationState;

// Reads "config.ini" in exeFolder (which ends with the path separator) into the
// bracket table; shows at most one message and always returns normally.
void CaricaConfigurazione(const QString& exeFolder, CalculationState& state,
                          const std::function<void(const QString&)>& showMessage);

} // namespace vareldo
