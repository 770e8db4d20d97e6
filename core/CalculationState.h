#pragma once

#include <array>
#include <cassert>

namespace vareldo {

// Three values addressed by bracket index 1, 2, 3.
class BracketValues {
public:
    constexpr BracketValues() = default;
    constexpr BracketValues(double v1, double v2, double v3) : values_{v1, v2, v3} {}

    constexpr double& operator[](int i) { assert(i >= 1 && i <= 3); return values_[i - 1]; }
    constexpr double operator[](int i) const { assert(i >= 1 && i <= 3); return values_[i - 1]; }
    constexpr bool operator==(const BracketValues&) const = default;

private:
    std::array<double, 3> values_{};
};

inline constexpr BracketValues BuiltInLimits{28000, 50000, 10000000};
inline constexpr BracketValues BuiltInRates{0.23, 0.35, 0.43};

// The fields every calculation shares; all zero when the window is created.
struct CalculationState {
    BracketValues LimitiScaglioni;
    BracketValues Aliquote;
    BracketValues Tasse;
    double RedditoTotale = 0;
    double DetrazioniTotali = 0;
    double DeduzioniTotali = 0;
    double RedditoRimanente = 0;
    double RedditoScaglione = 0;
    double TasseTotali = 0;
};

} // namespace vareldo
