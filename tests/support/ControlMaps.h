#pragma once

// The window's controls as plain maps, for the calculations to run on without a window: the
// core's tests and the fuzzer share it, so it holds no GoogleTest.
#include "core/CalculationState.h"
#include "core/ControlNames.h"
#include "core/NamedControls.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace vareldo::testing {

using namespace Qt::StringLiterals;

// What the window would show: compared whole to prove that a failed click changed nothing.
struct Screen {
    std::map<QString, QString> texts;
    QStringList memo;
    std::optional<Rgb> resultColour;
    std::vector<std::array<double, 3>> charts;

    bool operator==(const Screen&) const = default;
};

// The window's controls as plain maps, with the texts the window starts with. A name the
// window does not have fails as it does on the window, so a misspelt control shows up.
class ControlMaps : public NamedControls {
public:
    ControlMaps()
    {
        screen.texts[names::Name(names::ComboBoxReddito)] = u"10000"_s;
        for (const auto pairs : names::AmountLists)
            for (const names::AmountPair& pair : pairs)
                addPair(pair);
        for (const char16_t* label : names::CalculationLabels)
            screen.texts[names::Name(label)] = u"0"_s;
        for (const char16_t* label : names::LabDa)
            screen.texts[names::Name(label)] = u"___"_s;
        for (const char16_t* label : {names::LabelRedditoRimanente1, names::LabelRedditoRimanente2})
            screen.texts[names::Name(label)] = names::Name(label);
    }

    QString Text(const QString& name) const override
    {
        const auto found = screen.texts.find(name);
        if (found == screen.texts.end())
            throw MissingControl(name, "control with a text");
        return found->second;
    }

    bool Checked(const QString& name) const override
    {
        const auto found = ticks.find(name);
        if (found == ticks.end())
            throw MissingControl(name, "check box");
        return found->second;
    }

    void SetText(const QString& labelName, const QString& text) override
    {
        if (!labels_.contains(labelName))
            throw MissingControl(labelName, "label");
        screen.texts[labelName] = text;
    }

    void ClearMemo() override { screen.memo.clear(); }
    void AppendMemoLine(const QString& line) override { screen.memo.append(line); }
    void SetResultColour(Rgb colour) override { screen.resultColour = colour; }
    void AggiornaGrafico(const CalculationState& state) override
    {
        screen.charts.push_back({state.Tasse[1], state.Tasse[2], state.Tasse[3]});
    }
    QString label(QStringView name) const { return screen.texts.at(name.toString()); }
    void type(QStringView box, const QString& text) { screen.texts.at(box.toString()) = text; }
    void tick(QStringView checkBox) { ticks.at(checkBox.toString()) = true; }
    // Ticks a check box and types the amount into the box beside it.
    void tick(QStringView checkBox, const QString& amount)
    {
        tick(checkBox);
        type(amountBoxes_.at(checkBox.toString()), amount);
    }

    Screen screen;
    std::map<QString, bool> ticks;

private:
    void addPair(const names::AmountPair& pair)
    {
        screen.texts[names::Name(pair.amountBox)] = pair.startingAmount ? names::Name(pair.startingAmount) : u"0"_s;
        ticks[names::Name(pair.checkBox)] = false;
        amountBoxes_[names::Name(pair.checkBox)] = names::Name(pair.amountBox);
    }

    std::set<QString> labels_ = [] {
        std::set<QString> labels;
        for (const char16_t* label : names::CalculationLabels)
            labels.insert(names::Name(label));
        return labels;
    }();
    std::map<QString, QString> amountBoxes_;
};

} // namespace vareldo::testing
