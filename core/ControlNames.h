#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <stdexcept>

namespace vareldo {

// The names of the window's controls that the calculations read and write. The window, the
// calculations and every stand-in for the window take them from here, so a name is spelt once.
namespace names {

inline constexpr char16_t ComboBoxReddito[] = u"ComboBoxReddito";

// A check box and the amount box beside it, with the amount the window writes into the box when
// it is created; a box without one keeps the "0" of the layout.
struct AmountPair {
    const char16_t* checkBox;
    const char16_t* amountBox;
    const char16_t* startingAmount;
};

// Summed in this order: the order decides where an overflow stops the sum.
inline constexpr AmountPair TaxCredits[] = {
    {u"ChecklavoroDipendente", u"EditLavoroDipendente", u"1000"},
    {u"CheckCarichiFamiliari", u"EditCarichiFamiliari", u"500"},
    {u"CheckSpeseMediche", u"EditSpeseMediche", u"300"},
    {u"CheckVarie", u"EditVarie", u"200"},
    {u"ChecklavoroAutonomo", u"EditLavoroAutonomo", u"0"},
    {u"CheckCreditiImposta", u"EditCreditoImposta", u"1000"},
    {u"CheckAltreDetrazioni", u"EditAltreDetrazioni", nullptr},
};

inline constexpr AmountPair Deductions[] = {
    {u"CheckContributiPre", u"EditContributiPre", u"1000"},
    {u"CheckAltreDeduzioni", u"EditAltreDeduzioni", nullptr},
};

// Every pair: the credits, then the deductions.
inline constexpr std::span<const AmountPair> AmountLists[] = {TaxCredits, Deductions};

// The labels the calculations write.
inline constexpr char16_t LabelRedditoRimanente[] = u"LabelRedditoRimanente";
inline constexpr char16_t LabelRedditoRimanente1[] = u"LabelRedditoRimanente1";
inline constexpr char16_t LabelRedditoRimanente2[] = u"LabelRedditoRimanente2";
inline constexpr char16_t LabelDetrazioniTotali[] = u"LabelDetrazioniTotali";
inline constexpr char16_t LabelDeduzioniTotali[] = u"LabelDeduzioniTotali";
inline constexpr char16_t LabelRisultatoTasse[] = u"LabelRisultatoTasse";
inline constexpr const char16_t* CalcoloScaglione[] = {u"CalcoloScaglione1", u"CalcoloScaglione2",
                                                       u"CalcoloScaglione3"}; // brackets 1 to 3
inline constexpr const char16_t* LabDa[] = {u"LabDa1", u"LabDa2", u"LabDa3"};  // brackets 1 to 3

inline constexpr const char16_t* CalculationLabels[] = {
    LabelRedditoRimanente, LabelRedditoRimanente1, LabelRedditoRimanente2, LabelDetrazioniTotali,
    LabelDeduzioniTotali,  LabelRisultatoTasse,    CalcoloScaglione[0],    CalcoloScaglione[1],
    CalcoloScaglione[2],   LabDa[0],               LabDa[1],               LabDa[2],
};

inline QString Name(const char16_t* name)
{
    return QString::fromUtf16(name);
}

} // namespace names

// A control asked for by a name the window lacks, or of another kind than asked: a fault of the
// program, never of the pupil's input, so it is a logic error and not one of the failure kinds.
class MissingControl : public std::logic_error {
public:
    MissingControl(QStringView name, const char* kind)
        : std::logic_error(QStringLiteral("No %1 named %2").arg(QLatin1StringView(kind), name).toStdString())
    {
    }
};

} // namespace vareldo
