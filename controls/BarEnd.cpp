#include "controls/TProgressBarEx.h"

#include <climits>
#include <cmath>
#include <limits>

// The bar's end is defined by arithmetic on an extended-precision unit: a 64-bit
// significand, rounding to nearest. x86-64's long double is exactly that format.
static_assert(std::numeric_limits<long double>::digits == 64,
              "the bar's end needs a floating-point type with a 64-bit significand");

namespace {
constexpr int kFrame = 2; // frame plus the one-pixel gap on each side
}

int BarRightEdge(int clientWidth, int maximum, int position) {
    int fullRight = clientWidth - kFrame;
    // A zero maximum has no bar length: show no bar rather than divide by zero.
    if (maximum == 0)
        return kFrame;
    long double v = static_cast<long double>(clientWidth - 2 * kFrame) /
                        static_cast<long double>(maximum) * static_cast<long double>(position) +
                    static_cast<long double>(kFrame);
    // The comparison sees v rounded to single precision; the edge takes the extended value.
    if (static_cast<long double>(fullRight) > static_cast<long double>(static_cast<float>(v))) {
        if (v <= static_cast<long double>(INT_MIN))
            return INT_MIN;
        return static_cast<int>(std::trunc(v));
    }
    return fullRight;
}
