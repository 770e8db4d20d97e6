#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <functional>

namespace vareldo {

// The caption of every box: the executable's name cut before its first dot, with
// every character after the first in lower case ("VARELDO.EXE" gives "Vareldo").
QString TitleFromExecutableName(const QString& fileName);
QString ApplicationTitle();

// The modal box of the system's own messages: no icon, one "OK", the text as given.
// Every caller asks for the centred box (x and y of -1); the box is always centred.
void ShowMessagePos(const QString& text, int x, int y);

// The message a failure carries: a vareldo::Exception's own, otherwise what().
QString FailureMessage(const std::exception& failure);

// A full stop is appended when the last character's code lies above that of ".".
QString ErrorDisplayText(const QString& message);

// The error box with the error icon; the text is shown as given.
void ShowErrorBox(const QString& text);

// The default error display: cancels a mouse capture and shows the failure's text
// with the full-stop rule through showErrorBox; the caller then goes on.
void HandleException(const std::exception& failure,
                     const std::function<void(const QString&)>& showErrorBox = ShowErrorBox);

// The report for a failure that escapes the start-up; the program ends after it.
QString LastChanceReportText(const QString& kindName, const QString& moduleName,
                             std::uint64_t codeOffset, const QString& message);
void ShowLastChanceReport(const std::exception& failure);

} // namespace vareldo
