#pragma once

#include <cstdint>

namespace vareldo {

// IEEE operations that throw EOverflow instead of producing an infinity.
double checkedAdd(double a, double b);
double checkedSub(double a, double b);
double checkedMul(double a, double b);
double checkedDiv(double a, double b);

// Nearest integer, halves to even; EInvalidOp outside [-2^63, 2^63) or for a NaN.
std::int64_t Round(double value);

// 32-bit addition that throws EIntOverflow instead of wrapping.
std::int32_t checkedAddInt(std::int32_t a, std::int32_t b);

} // namespace vareldo
