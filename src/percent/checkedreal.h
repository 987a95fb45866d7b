#pragma once

#include <cmath>
#include <limits>

namespace rechnado {

// A double that remembers when an operation had no finite real result: a division by zero, the
// logarithm of zero or of a negative number, a negative base raised to a fractional power, or a
// value beyond the range of a double. Such a value stays not finite through every later operation,
// so a formula can be written as it reads and judged once at the end.
class CheckedReal {
public:
    constexpr CheckedReal(double value = 0.0) // NOLINT(google-explicit-constructor): reads as a number
        : m_value(value)
    {}

    constexpr double value() const { return m_value; }
    bool isFinite() const { return std::isfinite(m_value); }

    friend CheckedReal operator+(CheckedReal a, CheckedReal b) { return checked(a.m_value + b.m_value); }
    friend CheckedReal operator-(CheckedReal a, CheckedReal b) { return checked(a.m_value - b.m_value); }
    friend CheckedReal operator*(CheckedReal a, CheckedReal b) { return checked(a.m_value * b.m_value); }
    friend CheckedReal operator/(CheckedReal a, CheckedReal b)
    {
        if (b.m_value == 0.0)
            return invalid();
        return checked(a.m_value / b.m_value);
    }
    friend CheckedReal pow(CheckedReal base, CheckedReal exponent)
    {
        if (!base.isFinite() || !exponent.isFinite())
            return invalid();
        return checked(std::pow(base.m_value, exponent.m_value));
    }
    friend CheckedReal ln(CheckedReal x)
    {
        if (!(x.m_value > 0.0) || !x.isFinite())
            return invalid();
        return checked(std::log(x.m_value));
    }

private:
    static constexpr CheckedReal invalid() { return {std::numeric_limits<double>::quiet_NaN()}; }
    static CheckedReal checked(double v) { return std::isfinite(v) ? CheckedReal(v) : invalid(); }

    double m_value;
};

} // namespace rechnado
