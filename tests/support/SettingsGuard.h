#pragma once

#include "text/FormatSettings.h"

namespace vareldo::testing {

inline constexpr TFormatSettings Italian{u',', u'.'};
inline constexpr TFormatSettings English{u'.', u','};

// Sets the process-wide separators for one test and puts the previous ones back.
class SettingsGuard {
public:
    explicit SettingsGuard(TFormatSettings settings) : saved_(FormatSettings) { FormatSettings = settings; }
    ~SettingsGuard() { FormatSettings = saved_; }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    TFormatSettings saved_;
};

} // namespace vareldo::testing
