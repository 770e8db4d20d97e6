#pragma once

#include "core/CalculationState.h"
#include "core/NamedControls.h"

namespace vareldo {

// The progressive and step-wise calculations and the sums of credits and deductions,
// working on the window's state and reaching its controls by name.
class TaxCalculations {
public:
    TaxCalculations(CalculationState& state, NamedControls& controls) : s_(state), c_(controls) {}

    // Progressive calculation: catches every failure and shows "Errore: " + message.
    void ButtonCalcolaTasseClick();

    // Step-wise calculation: failures escape to the caller.
    void Button6Click();
    void CalcolaImposte();
    void CalcolaImposteScaglione(int i, double& RedditoRimanente, double& RedditoScaglione,
                                 double& Tasse, double& TasseTotali);
    void AggiornaLabelScaglione(int i, double Tasse, double RedditoRimanente);
    void AggiornaInterfaccia(double TasseTotali);

    // Sums of the ticked credits and deductions.
    void CalcolaDetrazioni();
    void CalcolaDeduzioni();
    void Button1Click();

private:
    void calculateProgressive();
    void walkProgressiveBrackets();

    CalculationState& s_;
    NamedControls& c_;
};

} // namespace vareldo
