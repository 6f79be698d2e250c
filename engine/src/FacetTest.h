// The tests a candidate facet record must pass: its twelve numbers are ordinary
// floats and its stored normal is the unit normal of its vertices within epsilon.
//
// The rule is defined by IEEE status flags: a step that overflows, underflows,
// divides by zero, is invalid or takes a subnormal operand rejects the facet.
// Flags are slow to clear and read, and the compiler may move arithmetic across
// them, so each condition is detected from the values instead:
//  - overflow      <=> the rounded result is infinite (the operands are finite);
//  - invalid       <=> 0/0, the only invalid operation these steps can meet;
//  - underflow     <=> the result is tiny after rounding (its magnitude, rounded
//                      to 24 bits with unbounded exponent, is below FLT_MIN) and
//                      inexact; this is how x86 and most hardware detect it;
//  - subnormal operand: every intermediate result feeds a later step, so a
//                      subnormal intermediate, or a subnormal epsilon, rejects.
// Float differences that are tiny are exact (Sterbenz), so for them "tiny" and
// "subnormal or zero" coincide; conversions from double need the tininess test.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace kalvo {

struct Vec3 {
    float x, y, z;
};

// Not NaN, not infinite, not subnormal; zero is accepted.
inline bool IsOrdinary(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    const std::uint32_t exponent = bits & 0x7F800000u;
    return exponent != 0x7F800000u && (exponent != 0 || (bits & 0x007FFFFFu) == 0);
}

inline bool ComponentTest(const Vec3& v) { return IsOrdinary(v.x) && IsOrdinary(v.y) && IsOrdinary(v.z); }

namespace detail {

// |x| below this rounds, with unbounded exponent, to less than FLT_MIN: the
// midpoint between FLT_MIN and its predecessor at 24 bits, 2^-126 - 2^-151.
inline constexpr double kTinyBound = 0x1p-126 - 0x1p-151;

// A double converted to float, with the flag conditions of that rounding: false
// when it overflows, underflows or gives a subnormal (a later step's operand).
inline bool RoundToFloat(double value, float& out)
{
    out = static_cast<float>(value);
    if (std::isinf(out))
        return false;
    return value == 0.0 || std::fabs(value) >= kTinyBound;
}

// A float difference: tiny results are exact, so only zero is allowed below FLT_MIN.
inline bool Difference(float a, float b, float& out)
{
    out = a - b;
    return IsOrdinary(out);
}

}  // namespace detail

// The normal test on a candidate whose four vectors passed ComponentTest.
inline bool NormalTest(const Vec3& n, const Vec3& v1, const Vec3& v2, const Vec3& v3, float epsilon)
{
    using detail::Difference;
    using detail::RoundToFloat;
    // Edges, each difference rounded to float.
    Vec3 e1, e2;
    if (!Difference(v2.x, v1.x, e1.x) || !Difference(v2.y, v1.y, e1.y) || !Difference(v2.z, v1.z, e1.z) ||
        !Difference(v3.x, v1.x, e2.x) || !Difference(v3.y, v1.y, e2.y) || !Difference(v3.z, v1.z, e2.z))
        return false;
    // Cross product in double (the products are exact there), each rounded once.
    Vec3 c;
    if (!RoundToFloat(double(e1.y) * double(e2.z) - double(e2.y) * double(e1.z), c.x) ||
        !RoundToFloat(double(e2.x) * double(e1.z) - double(e1.x) * double(e2.z), c.y) ||
        !RoundToFloat(double(e1.x) * double(e2.y) - double(e2.x) * double(e1.y), c.z))
        return false;
    // Squared length summed in double in the order y, x, z, rounded once; then the root.
    float squared;
    if (!RoundToFloat(double(c.y) * double(c.y) + double(c.x) * double(c.x) + double(c.z) * double(c.z), squared))
        return false;
    if (squared == 0.0f)  // degenerate facet: 0/0 is an invalid operation
        return false;
    const float length = std::sqrt(squared);  // a normal float's root is normal
    // Unit normal: a float quotient is the double quotient rounded (no double
    // rounding issue at 24 of 53 bits), and tininess of the two agrees.
    const double dl = length;
    Vec3 u;
    if (!RoundToFloat(double(c.x) / dl, u.x) || !RoundToFloat(double(c.y) / dl, u.y) ||
        !RoundToFloat(double(c.z) / dl, u.z))
        return false;
    // A subnormal epsilon is an operand of every comparison.
    if (!IsOrdinary(epsilon))
        return false;
    float d;
    if (!Difference(n.x, u.x, d) || epsilon < std::fabs(d))
        return false;
    if (!Difference(n.y, u.y, d) || epsilon < std::fabs(d))
        return false;
    if (!Difference(n.z, u.z, d) || epsilon < std::fabs(d))
        return false;
    return true;
}

inline bool FacetPasses(const Vec3& n, const Vec3& v1, const Vec3& v2, const Vec3& v3, float epsilon)
{
    return ComponentTest(n) && ComponentTest(v1) && ComponentTest(v2) && ComponentTest(v3) &&
           NormalTest(n, v1, v2, v3, epsilon);
}

}  // namespace kalvo
