#include "text/Amounts.h"

#include "text/Failures.h"

#include <cmath>
#include <cstdint>

namespace vareldo {

namespace {

double checked(double result)
{
    if (std::isnan(result))
        throw EInvalidOp();
    if (std::isinf(result))
        throw EOverflow();
    return result;
}

} // namespace

double checkedAdd(double a, double b) { return checked(a + b); }
double checkedSub(double a, double b) { return checked(a - b); }
double checkedMul(double a, double b) { return checked(a * b); }

// Only percentages divide, and always by 100: a zero divisor would give an infinity or a NaN,
// which fail as any other result out of range does.
double checkedDiv(double a, double b) { return checked(a / b); }

std::int64_t Round(double value)
{
    // Written so that a NaN fails the test too.
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0))
        throw EInvalidOp();
    // The default rounding mode sends halves to the even neighbour.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int32_t checkedAddInt(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    if (sum < INT32_MIN || sum > INT32_MAX)
        throw EIntOverflow();
    return static_cast<std::int32_t>(sum);
}

} // namespace vareldo
