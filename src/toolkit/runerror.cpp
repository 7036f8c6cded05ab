// Run-time errors: a failed guard ends the program with its error number.
#include "toolkit/runerror.h"

#include <cmath>
#include <limits>

RunErrorException::RunErrorException(int code, const std::string& what)
    : std::runtime_error(what), code_(code) {}

void RunError(int code, const std::string& what) { throw RunErrorException(code, what); }

int16_t Checked16(long long value, const char* what) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        RunError(ErrRange, std::string("range check: ") + what);
    return static_cast<int16_t>(value);
}

int32_t Checked32(long long value, const char* what) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        RunError(ErrRange, std::string("range check: ") + what);
    return static_cast<int32_t>(value);
}

namespace {
// Reals beyond this cannot become an integer of the program.
constexpr double kIntLimit = 9.0e18;

void CheckReal(double value, const char* what) {
    if (std::isnan(value)) RunError(ErrInvalidFloat, std::string("invalid floating-point operation: ") + what);
    if (std::fabs(value) >= kIntLimit) RunError(ErrFloatOverflow, std::string("floating-point overflow: ") + what);
}
}  // namespace

long long TruncReal(double value, const char* what) {
    CheckReal(value, what);
    return static_cast<long long>(std::trunc(value));
}

long long RoundReal(double value, const char* what) {
    CheckReal(value, what);
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<long long>(std::nearbyint(value));
}
