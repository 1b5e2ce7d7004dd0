#include "core/numeric/Calc.h"

#include <cfloat>
#include <cmath>

namespace lumarik {

double Checked(double x) {
    if (!std::isfinite(x)) throw CalcError("overflow or undefined result");
    return x;
}

double Div(double a, double b) {
    if (b == 0.0) throw CalcError("division by zero");
    return Checked(a / b);
}

double Sqrt(double x) {
    if (!(x >= 0.0)) throw CalcError("square root of a negative number");
    return Checked(std::sqrt(x));
}

double Asin(double x) {
    if (!(x >= -1.0 && x <= 1.0)) throw CalcError("arcsine outside -1..1");
    return std::asin(x);
}

double Acos(double x) {
    if (!(x >= -1.0 && x <= 1.0)) throw CalcError("arccosine outside -1..1");
    return std::acos(x);
}

double Atan(double x) {
    return std::atan(Checked(x));
}

double Log(double x) {
    if (!(x > 0.0)) throw CalcError("logarithm of a number <= 0");
    return Checked(std::log(x));
}

double Tan(double x) {
    return Checked(std::tan(Checked(x)));
}

float Single(double x) {
    if (std::isnan(x) || std::fabs(x) > FLT_MAX) throw CalcError("overflow");
    return static_cast<float>(x);
}

}  // namespace lumarik
