#pragma once

#include "core/CalculationState.h"
#include "core/Calculations.h"
#include "core/NamedControls.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

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

// The window's controls as plain maps, with the texts the window starts with.
// A name the window does not have is a test failure, so a misspelt control shows up.
class FakeControls : public NamedControls {
public:
    FakeControls()
    {
        screen.texts = {
            {u"ComboBoxReddito"_s, u"10000"_s},
            {u"EditLavoroDipendente"_s, u"1000"_s},
            {u"EditCarichiFamiliari"_s, u"500"_s},
            {u"EditSpeseMediche"_s, u"300"_s},
            {u"EditVarie"_s, u"200"_s},
            {u"EditLavoroAutonomo"_s, u"0"_s},
            {u"EditCreditoImposta"_s, u"1000"_s},
            {u"EditAltreDetrazioni"_s, u"0"_s},
            {u"EditContributiPre"_s, u"1000"_s},
            {u"EditAltreDeduzioni"_s, u"0"_s},
        };
        for (const char16_t* label : {u"LabelRedditoRimanente", u"LabelDetrazioniTotali", u"LabelDeduzioniTotali",
                                      u"CalcoloScaglione1", u"CalcoloScaglione2", u"CalcoloScaglione3",
                                      u"LabelRisultatoTasse"})
            screen.texts[QString::fromUtf16(label)] = u"0"_s;
        for (const char16_t* label : {u"LabDa1", u"LabDa2", u"LabDa3"})
            screen.texts[QString::fromUtf16(label)] = u"___"_s;
        for (const char16_t* label : {u"LabelRedditoRimanente1", u"LabelRedditoRimanente2"})
            screen.texts[QString::fromUtf16(label)] = QString::fromUtf16(label);
        for (const char16_t* box : {u"ChecklavoroDipendente", u"CheckCarichiFamiliari", u"CheckSpeseMediche",
                                    u"CheckVarie", u"ChecklavoroAutonomo", u"CheckCreditiImposta",
                                    u"CheckAltreDetrazioni", u"CheckContributiPre", u"CheckAltreDeduzioni"})
            ticks[QString::fromUtf16(box)] = false;
    }

    QString Text(const QString& name) const override
    {
        const auto found = screen.texts.find(name);
        if (found == screen.texts.end()) {
            ADD_FAILURE() << "read of an unknown control " << name.toStdString();
            return {};
        }
        return found->second;
    }

    bool Checked(const QString& name) const override
    {
        const auto found = ticks.find(name);
        if (found == ticks.end()) {
            ADD_FAILURE() << "tick read of an unknown check box " << name.toStdString();
            return false;
        }
        return found->second;
    }

    void SetText(const QString& labelName, const QString& text) override
    {
        if (!screen.texts.contains(labelName) || !(labelName.startsWith(u"Lab") || labelName.startsWith(u"Calcolo")))
            ADD_FAILURE() << "text set on " << labelName.toStdString() << ", which is no label of the window";
        screen.texts[labelName] = text;
    }

    void ClearMemo() override { screen.memo.clear(); }
    void AppendMemoLine(const QString& line) override { screen.memo.append(line); }
    void SetResultColour(Rgb colour) override { screen.resultColour = colour; }
    void AggiornaGrafico(const CalculationState& state) override
    {
        screen.charts.push_back({state.Tasse[1], state.Tasse[2], state.Tasse[3]});
    }
    void ShowMessagePos(const QString& text, int x, int y) override { messages.push_back({text, x, y}); }

    QString label(QStringView name) const { return screen.texts.at(name.toString()); }
    void type(QStringView box, const QString& text) { screen.texts.at(box.toString()) = text; }
    void tick(QStringView checkBox) { ticks.at(checkBox.toString()) = true; }
    // Ticks a check box and types the amount into the box beside it.
    void tick(QStringView checkBox, const QString& amount)
    {
        static const std::map<QString, const char16_t*> amountBoxes = {
            {u"ChecklavoroDipendente"_s, u"EditLavoroDipendente"},
            {u"CheckCarichiFamiliari"_s, u"EditCarichiFamiliari"},
            {u"CheckSpeseMediche"_s, u"EditSpeseMediche"},
            {u"CheckVarie"_s, u"EditVarie"},
            {u"ChecklavoroAutonomo"_s, u"EditLavoroAutonomo"},
            {u"CheckCreditiImposta"_s, u"EditCreditoImposta"},
            {u"CheckAltreDetrazioni"_s, u"EditAltreDetrazioni"},
            {u"CheckContributiPre"_s, u"EditContributiPre"},
            {u"CheckAltreDeduzioni"_s, u"EditAltreDeduzioni"},
        };
        tick(checkBox);
        type(amountBoxes.at(checkBox.toString()), amount);
    }

    Screen screen;
    std::map<QString, bool> ticks;
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
