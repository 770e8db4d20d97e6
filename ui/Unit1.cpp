#include "ui/Unit1.h"

namespace vareldo {

T_PRINCIPALE::T_PRINCIPALE(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("VARELDO : SIMULATORE DIDATTICO DEL SISTEMA FISCALE ITALIANO"));
    resize(884, 666);
}

} // namespace vareldo
