// Checked arithmetic: division by zero, a result that does not fit a float
// table entry, and domain errors become a CalcError, which the calculations
// catch exactly where they turn a failure into a "no solution" result.
// A NaN or an infinity therefore never reaches a table, a listing or a drawing.
#pragma once

#include <stdexcept>

namespace lumarik {

struct CalcError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Stands for an infinite distance; a finite float (bit pattern E0AD78EC), compared exactly.
constexpr float kInfinity = -1e20f;

// Throws CalcError when x is NaN or infinite.
double Checked(double x);
// a / b; throws on b == 0 and on a non-finite result.
double Div(double a, double b);
double Sqrt(double x);
double Asin(double x);
double Acos(double x);
double Atan(double x);
double Log(double x);
double Tan(double x);
// Stores a double into a float table entry; throws when |x| > FLT_MAX or x is NaN.
float Single(double x);

}  // namespace lumarik
