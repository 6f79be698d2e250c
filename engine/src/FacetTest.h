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
    return (exponent != 0x7F800000u) & ((exponent != 0) | ((bits & 0x007FFFFFu) == 0));
}

inline bool ComponentTest(const Vec3& v) { return IsOrdinary(v.x) && IsOrdinary(v.y) && IsOrdinary(v.z); }

// The component test of all twelve numbers of a candidate at once, without
// branches: a NaN or infinity has an all-ones exponent, a subnormal a zero
// exponent and a non-zero fraction.
inline bool AllOrdinary(const unsigned char* bytes)
{
    std::uint32_t bits[12];
    std::memcpy(bits, bytes, sizeof bits);
    std::uint32_t bad = 0;
    for (std::uint32_t b : bits) {
        const std::uint32_t exponent = b & 0x7F800000u;
        bad |= static_cast<std::uint32_t>(exponent == 0x7F800000u) |
               static_cast<std::uint32_t>(exponent == 0 && (b & 0x007FFFFFu) != 0);
    }
    return bad == 0;
}

namespace detail {

// |x| below this rounds, with unbounded exponent, to less than FLT_MIN: the
// midpoint between FLT_MIN and its predecessor at 24 bits, 2^-126 - 2^-151.
inline constexpr double kTinyBound = 0x1p-126 - 0x1p-151;

// A double converted to float, with the flag conditions of that rounding: false
// when it overflows, underflows or gives a subnormal (a later step's operand).
inline bool RoundToFloat(double value, float& out)
{
    out = static_cast<float>(value);
    return (!std::isinf(out)) & ((value == 0.0) | (std::fabs(value) >= kTinyBound));
}

// A float quotient of a positive divisor. The float division gives the
// correctly rounded value; tininess needs the exact quotient only when it
// rounded to FLT_MIN itself, and |c| / d >= bound is |c| >= bound * d, a
// product that is exact in double (26 and 24 significant bits).
inline bool Quotient(float c, float divisor, float& out)
{
    constexpr float kMin = std::numeric_limits<float>::min();
    out = c / divisor;
    const float a = std::fabs(out);
    return ((a > kMin) & (a <= std::numeric_limits<float>::max())) | ((a == 0.0f) & (c == 0.0f)) |
           ((a == kMin) & (std::fabs(static_cast<double>(c)) >= kTinyBound * static_cast<double>(divisor)));
}

// A float difference: tiny results are exact, so only zero is allowed below FLT_MIN.
inline bool Difference(float a, float b, float& out)
{
    out = a - b;
    return IsOrdinary(out);
}

}  // namespace detail

// The normal test on a candidate whose four vectors passed ComponentTest.
// Every condition is evaluated and combined without branches, so that the
// scan can test several candidates side by side.
inline bool NormalTest(const Vec3& n, const Vec3& v1, const Vec3& v2, const Vec3& v3, float epsilon)
{
    using detail::Difference;
    using detail::Quotient;
    using detail::RoundToFloat;
    // Edges, each difference rounded to float.
    Vec3 e1, e2;
    bool ok = Difference(v2.x, v1.x, e1.x) & Difference(v2.y, v1.y, e1.y) & Difference(v2.z, v1.z, e1.z) &
              Difference(v3.x, v1.x, e2.x) & Difference(v3.y, v1.y, e2.y) & Difference(v3.z, v1.z, e2.z);
    // Cross product in double (the products are exact there), each rounded once.
    Vec3 c;
    ok &= RoundToFloat(double(e1.y) * double(e2.z) - double(e2.y) * double(e1.z), c.x) &
          RoundToFloat(double(e2.x) * double(e1.z) - double(e1.x) * double(e2.z), c.y) &
          RoundToFloat(double(e1.x) * double(e2.y) - double(e2.x) * double(e1.y), c.z);
    // Squared length summed in double in the order y, x, z, rounded once; then
    // the root. A zero length (degenerate facet) makes 0/0, an invalid operation.
    float squared;
    ok &= RoundToFloat(double(c.y) * double(c.y) + double(c.x) * double(c.x) + double(c.z) * double(c.z), squared) &
          (squared != 0.0f);
    const float length = std::sqrt(squared);  // a normal float's root is normal
    Vec3 u;
    ok &= Quotient(c.x, length, u.x) & Quotient(c.y, length, u.y) & Quotient(c.z, length, u.z);
    // A subnormal epsilon is an operand of every comparison; a pass needs
    // !(epsilon < d) on every axis.
    float dx, dy, dz;
    ok &= IsOrdinary(epsilon) & Difference(n.x, u.x, dx) & Difference(n.y, u.y, dy) & Difference(n.z, u.z, dz);
    ok &= !(epsilon < std::fabs(dx)) & !(epsilon < std::fabs(dy)) & !(epsilon < std::fabs(dz));
    return ok;
}

// A cheap first look at a candidate that can only reject what the normal test
// would reject too: the largest stored component m = max |N[i]| of a passing
// candidate lies in [lo, hi] for these reasons (eps the epsilon, u the unit
// normal the test computes, all bounds with rounding errors taken generously):
//  - a pass needs d = fl|N[i] - u[i]| <= eps for each i; d is normal or zero,
//    so the exact |N[i] - u[i]| <= eps * (1 + 2^-24);
//  - u[i] = fl(C[i] / L) with L = fl(sqrt(fl(S))) and S the sum of the C[i]^2
//    (double, then float): |u[i]| <= 1 + 2^-22 and sum u[i]^2 >= 1 - 2^-21, so
//    max |u[i]| >= (1 - 2^-21) / sqrt(3);
//  - hence m <= 1 + 2^-22 + eps (1 + 2^-24) and m >= 0.57735 - 2^-21 - eps (1 + 2^-24).
// hi and lo below are wider still and rounded outwards to float. For a negative
// or subnormal epsilon nothing passes at all. NaNs and infinities fail later
// anyway, so how they fare here does not matter. Zeroed sectors and random
// bytes fail here in almost every position, an intact record never does.
class NormalPrefilter {
public:
    explicit NormalPrefilter(float epsilon)
    {
        if (epsilon < 0.0f || !IsOrdinary(epsilon)) {
            m_lo = std::numeric_limits<float>::infinity();
            m_hi = -std::numeric_limits<float>::infinity();
            return;
        }
        const double e = static_cast<double>(epsilon) * (1.0 + 0x1p-20);
        const double hi = 1.0 + 0x1p-20 + e;
        const double lo = 0.5773 - 0x1p-20 - e;
        m_hi = static_cast<float>(hi);
        if (static_cast<double>(m_hi) < hi)
            m_hi = std::nextafter(m_hi, std::numeric_limits<float>::infinity());
        m_lo = lo <= 0.0 ? -1.0f : static_cast<float>(lo);
        if (lo > 0.0 && static_cast<double>(m_lo) > lo)
            m_lo = std::nextafter(m_lo, 0.0f);
    }
    // False when the candidate at bytes (its 48 bytes) cannot pass.
    bool MayPass(const unsigned char* bytes) const
    {
        float n[3];
        std::memcpy(n, bytes, sizeof n);
        const float x = std::fabs(n[0]), y = std::fabs(n[1]), z = std::fabs(n[2]);
        const float xy = x > y ? x : y;
        const float m = xy > z ? xy : z;
        return m >= m_lo && m <= m_hi;
    }

    // MayPass for the n <= 64 candidates at candidates + k, as bit k. Reads up
    // to 24 bytes past the last candidate's start (its 48 bytes are there).
    std::uint64_t Mask(const unsigned char* candidates, unsigned n) const;
    // The same without vector instructions, to check them against.
    std::uint64_t MaskPortable(const unsigned char* candidates, unsigned n) const;

private:
    float m_lo, m_hi;
};

inline bool FacetPasses(const Vec3& n, const Vec3& v1, const Vec3& v2, const Vec3& v3, float epsilon)
{
    return ComponentTest(n) && ComponentTest(v1) && ComponentTest(v2) && ComponentTest(v3) &&
           NormalTest(n, v1, v2, v3, epsilon);
}

}  // namespace kalvo
