#pragma once

#include <QWidget>

#include <functional>
#include <memory>

namespace vareldo {

// The program entry's work: the number settings, the application object (which fixes the
// title), Qt's translations and the face substitutes, then the one window from makeWindow,
// shown as the launch asked, and the event loop. Returns the exit code: 0 once the window has
// been closed, 1 after the last-chance report of a failure that escaped all this.
int RunProgram(int argc, char* argv[], const std::function<std::unique_ptr<QWidget>()>& makeWindow);

} // namespace vareldo
