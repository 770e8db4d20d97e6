#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace vareldo::testing {

// The few fixture steps that need POSIX calls, kept in this one place.

// Makes a named pipe, which blocks whoever opens it for reading until a writer comes.
bool MakeNamedPipe(const QString& path);

// Runs work as a user without privileges, so that file permissions hold as they do for a
// pupil: as the user nobody in a child process when this one runs as root, otherwise here.
// Gives what work returned, or nothing with the reason in problem.
std::optional<QString> RunWithoutPrivileges(const std::function<QString()>& work, QString& problem);

} // namespace vareldo::testing
