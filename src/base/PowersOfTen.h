// PowersOfTen.h - 10^n for the whole exponents that rounding to decimals uses, without a call
// to pow: 10^0..10^22 are exact doubles, so the table gives the very value pow gives.
#pragma once

#include <array>
#include <cmath>

namespace ovbase {

inline double powerOfTen(double exponent) {
    static constexpr std::array<double, 23> kExact = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exponent >= 0.0 && exponent < static_cast<double>(kExact.size()) &&
        exponent == std::trunc(exponent)) {
        return kExact[static_cast<std::size_t>(exponent)];
    }
    return std::pow(10.0, exponent);
}

}  // namespace ovbase
