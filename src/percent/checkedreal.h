#pragma once

#include "fields/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rechnado {

// A double that remembers when an operation had no finite real result: a division by zero, the
// logarithm of zero or of a negative number, a negative base raised to a fractional power, or a
// value beyond the range of a double. Such a value stays not finite through every later operation,
// so a formula can be written as it reads and judged once at the end.
//
// It also carries its noise (see Noise): the size of the numbers it was computed from, whose last
// places the rounding of a double may have moved, and the roundings on its way. A typed number and a
// constant start with their own size and none; an operation's result takes the largest of its own
// size and what its operands' noise becomes through it, and one rounding more than its operands'
// most. 1,515 - 1,50 is 0,015 with the size of 1,515, not of 0,015, and 119 / (1 - 0,995) carries
// the size of 1 grown two hundredfold: the written cent judges a half cent by it (see formatFixed2).
class CheckedReal {
public:
    constexpr CheckedReal(double value = 0.0) // NOLINT(google-explicit-constructor): reads as a number
        : m_value(value)
        , m_noise(value < 0 ? -value : value)
    {}

    constexpr double value() const { return m_value; }
    constexpr Noise noise() const { return {m_noise, m_roundings}; }
    bool isFinite() const { return std::isfinite(m_value); }

    friend CheckedReal operator+(CheckedReal a, CheckedReal b)
    {
        return checked(a.m_value + b.m_value, std::max(a.m_noise, b.m_noise), a, b);
    }
    friend CheckedReal operator-(CheckedReal a, CheckedReal b)
    {
        return checked(a.m_value - b.m_value, std::max(a.m_noise, b.m_noise), a, b);
    }
    friend CheckedReal operator*(CheckedReal a, CheckedReal b)
    {
        return checked(a.m_value * b.m_value,
                       std::max(std::fabs(b.m_value) * a.m_noise, std::fabs(a.m_value) * b.m_noise), a, b);
    }
    friend CheckedReal operator/(CheckedReal a, CheckedReal b)
    {
        if (b.m_value == 0.0)
            return invalid();
        const double r = a.m_value / b.m_value;
        return checked(r, std::max(a.m_noise, std::fabs(r) * b.m_noise) / std::fabs(b.m_value), a, b);
    }
    friend CheckedReal pow(CheckedReal base, CheckedReal exponent)
    {
        if (!base.isFinite() || !exponent.isFinite())
            return invalid();
        const double r = std::pow(base.m_value, exponent.m_value);
        const double x = std::fabs(base.m_value);
        const double spread = x == 0.0 ? 0.0
                                       : std::max(std::fabs(exponent.m_value) * base.m_noise / x,
                                                  std::fabs(std::log(x)) * exponent.m_noise);
        return checked(r, std::fabs(r) * spread, base, exponent);
    }
    friend CheckedReal ln(CheckedReal x)
    {
        if (!(x.m_value > 0.0) || !x.isFinite())
            return invalid();
        return checked(std::log(x.m_value), x.m_noise / x.m_value, x, x);
    }

private:
    constexpr CheckedReal(double value, double noise, int roundings)
        : m_value(value)
        , m_noise(noise)
        , m_roundings(roundings)
    {}
    static constexpr CheckedReal invalid() { return {std::numeric_limits<double>::quiet_NaN()}; }
    // A result is at least as noisy as its own size, and one rounding further than its operands.
    static CheckedReal checked(double v, double carried, CheckedReal a, CheckedReal b)
    {
        if (!std::isfinite(v))
            return invalid();
        return {v, std::max(carried, std::fabs(v)), std::max(a.m_roundings, b.m_roundings) + 1};
    }

    double m_value;
    double m_noise;
    int m_roundings = 0;
};

} // namespace rechnado
