#pragma once

#include "core/CalculationState.h"
#include "core/Calculations.h"
#include "tests/support/ControlMaps.h"
#include "tests/support/Printers.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

namespace vareldo::testing {

using namespace Qt::StringLiterals;

inline void PrintTo(const Screen& screen, std::ostream* os)
{
    for (const auto& [name, text] : screen.texts)
        *os << "\n  " << name.toStdString() << ": " << text.toStdString();
    for (const QString& line : screen.memo)
        *os << "\n  Memo1| " << line.toStdString();
    *os << "\n  colour: " << (screen.resultColour ? std::to_string(*screen.resultColour) : "unset");
    for (const auto& chart : screen.charts)
        *os << "\n  chart: " << chart[0] << ' ' << chart[1] << ' ' << chart[2];
}

struct Message {
    QString text;
    int x;
    int y;
};

// The calculations' stand-in for the window, with the messages it was asked to show.
class FakeControls : public ControlMaps {
public:
    void ShowMessagePos(const QString& text, int x, int y) override { messages.push_back({text, x, y}); }

    std::vector<Message> messages;
};

} // namespace vareldo::testing

namespace vareldo::testing {

// The window's state and controls with the calculations working on them.
struct TestWindow {
    CalculationState state;
    FakeControls controls;
    TaxCalculations calculations{state, controls};
};

} // namespace vareldo::testing
