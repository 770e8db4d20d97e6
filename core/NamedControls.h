#pragma once

#include <QString>

#include <cstdint>

namespace vareldo {

struct CalculationState;

using Rgb = std::uint32_t; // 0xRRGGBB

inline constexpr Rgb ColourRed = 0xFF0000;
inline constexpr Rgb ColourBlue = 0x0000FF;
inline constexpr Rgb ColourGreen = 0x008000;

// Everything the calculations may do to the window, by control name.
class NamedControls {
public:
    virtual ~NamedControls() = default;

    virtual QString Text(const QString& name) const = 0;
    virtual bool Checked(const QString& name) const = 0;
    virtual void SetText(const QString& labelName, const QString& text) = 0;
    virtual void ClearMemo() = 0;                        // Memo1
    virtual void AppendMemoLine(const QString& line) = 0; // Memo1
    virtual void SetResultColour(Rgb colour) = 0;        // LabelRisultatoTasse
    virtual void AggiornaGrafico(const CalculationState& state) = 0; // draws Tasse[1..3]
    virtual void ShowMessagePos(const QString& text, int x, int y) = 0;
};

} // namespace vareldo
