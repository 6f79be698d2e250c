// FacetPasses for four candidates at once: the same IEEE operations lane by
// lane (SSE2 rounds each lane exactly as the scalar instructions do), so the
// results are those of FacetPasses; the conditions are those of NormalTest.
#pragma once

#include "FacetTest.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kalvo {

#if defined(__SSE2__)
namespace batch {

inline __m128i Ordinary(__m128 v)
{
    const __m128i bits = _mm_castps_si128(v);
    const __m128i exponent = _mm_and_si128(bits, _mm_set1_epi32(0x7F800000));
    const __m128i fraction = _mm_and_si128(bits, _mm_set1_epi32(0x007FFFFF));
    const __m128i zero = _mm_setzero_si128();
    const __m128i infOrNan = _mm_cmpeq_epi32(exponent, _mm_set1_epi32(0x7F800000));
    const __m128i subnormal = _mm_andnot_si128(_mm_cmpeq_epi32(fraction, zero), _mm_cmpeq_epi32(exponent, zero));
    return _mm_xor_si128(_mm_or_si128(infOrNan, subnormal), _mm_set1_epi32(-1));
}

// Four doubles (two halves) rounded to float, with RoundToFloat's conditions.
inline __m128 RoundToFloat(__m128d lo, __m128d hi, __m128i& ok)
{
    const __m128 f = _mm_movelh_ps(_mm_cvtpd_ps(lo), _mm_cvtpd_ps(hi));
    const __m128d absMask = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFll));
    const __m128d bound = _mm_set1_pd(detail::kTinyBound), zero = _mm_setzero_pd();
    const auto fine = [&](__m128d d) {
        return _mm_or_pd(_mm_cmpeq_pd(d, zero), _mm_cmpge_pd(_mm_and_pd(d, absMask), bound));
    };
    // 64-bit lane masks to 32-bit ones: every half of a lane mask is the same.
    const __m128 notTiny = _mm_shuffle_ps(_mm_castpd_ps(fine(lo)), _mm_castpd_ps(fine(hi)), _MM_SHUFFLE(2, 0, 2, 0));
    const __m128 absF = _mm_and_ps(f, _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
    const __m128 finite = _mm_cmpneq_ps(absF, _mm_set1_ps(std::numeric_limits<float>::infinity()));
    ok = _mm_and_si128(ok, _mm_castps_si128(_mm_and_ps(notTiny, finite)));
    return f;
}

inline __m128d Lo(__m128 v) { return _mm_cvtps_pd(v); }
inline __m128d Hi(__m128 v) { return _mm_cvtps_pd(_mm_movehl_ps(v, v)); }

// Quotient's conditions, lane by lane.
inline __m128 Quotient(__m128 c, __m128 divisor, __m128i& ok)
{
    const __m128 u = _mm_div_ps(c, divisor);
    const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
    const __m128 a = _mm_and_ps(u, absMask);
    const __m128 minimum = _mm_set1_ps(std::numeric_limits<float>::min());
    const __m128 zero = _mm_setzero_ps();
    __m128 fine = _mm_and_ps(_mm_cmpgt_ps(a, minimum), _mm_cmple_ps(a, _mm_set1_ps(std::numeric_limits<float>::max())));
    fine = _mm_or_ps(fine, _mm_and_ps(_mm_cmpeq_ps(a, zero), _mm_cmpeq_ps(c, zero)));
    const __m128 atMinimum = _mm_cmpeq_ps(a, minimum);
    if (_mm_movemask_ps(atMinimum) != 0) {  // rare: the exact quotient decides
        alignas(16) float cs[4], ds[4], ms[4];
        _mm_store_ps(cs, c);
        _mm_store_ps(ds, divisor);
        for (int i = 0; i < 4; ++i)
            ms[i] = std::fabs(static_cast<double>(cs[i])) >= detail::kTinyBound * static_cast<double>(ds[i])
                        ? std::bit_cast<float>(0xFFFFFFFFu)
                        : 0.0f;
        fine = _mm_or_ps(fine, _mm_and_ps(atMinimum, _mm_load_ps(ms)));
    }
    ok = _mm_and_si128(ok, _mm_castps_si128(fine));
    return u;
}

}  // namespace batch

// Bit k set when the candidate at records[k] passes FacetPasses.
inline unsigned FacetPasses4(const unsigned char* const records[4], float epsilon)
{
    using namespace batch;
    __m128 a[4], b[4], c[4];
    for (int k = 0; k < 4; ++k) {
        a[k] = _mm_loadu_ps(reinterpret_cast<const float*>(records[k]));
        b[k] = _mm_loadu_ps(reinterpret_cast<const float*>(records[k] + 16));
        c[k] = _mm_loadu_ps(reinterpret_cast<const float*>(records[k] + 32));
    }
    _MM_TRANSPOSE4_PS(a[0], a[1], a[2], a[3]);  // nx ny nz v1x
    _MM_TRANSPOSE4_PS(b[0], b[1], b[2], b[3]);  // v1y v1z v2x v2y
    _MM_TRANSPOSE4_PS(c[0], c[1], c[2], c[3]);  // v2z v3x v3y v3z
    const __m128 nx = a[0], ny = a[1], nz = a[2], v1x = a[3], v1y = b[0], v1z = b[1], v2x = b[2], v2y = b[3],
                 v2z = c[0], v3x = c[1], v3y = c[2], v3z = c[3];
    __m128i ok = _mm_set1_epi32(-1);
    for (__m128 v : {nx, ny, nz, v1x, v1y, v1z, v2x, v2y, v2z, v3x, v3y, v3z})
        ok = _mm_and_si128(ok, Ordinary(v));

    const __m128 e1x = _mm_sub_ps(v2x, v1x), e1y = _mm_sub_ps(v2y, v1y), e1z = _mm_sub_ps(v2z, v1z);
    const __m128 e2x = _mm_sub_ps(v3x, v1x), e2y = _mm_sub_ps(v3y, v1y), e2z = _mm_sub_ps(v3z, v1z);
    for (__m128 e : {e1x, e1y, e1z, e2x, e2y, e2z})
        ok = _mm_and_si128(ok, Ordinary(e));

    const auto cross = [](__m128d p, __m128d q, __m128d r, __m128d s) {
        return _mm_sub_pd(_mm_mul_pd(p, q), _mm_mul_pd(r, s));
    };
    const __m128 cx = RoundToFloat(cross(Lo(e1y), Lo(e2z), Lo(e2y), Lo(e1z)),
                                   cross(Hi(e1y), Hi(e2z), Hi(e2y), Hi(e1z)), ok);
    const __m128 cy = RoundToFloat(cross(Lo(e2x), Lo(e1z), Lo(e1x), Lo(e2z)),
                                   cross(Hi(e2x), Hi(e1z), Hi(e1x), Hi(e2z)), ok);
    const __m128 cz = RoundToFloat(cross(Lo(e1x), Lo(e2y), Lo(e2x), Lo(e1y)),
                                   cross(Hi(e1x), Hi(e2y), Hi(e2x), Hi(e1y)), ok);

    const auto sum = [](__m128d y, __m128d x, __m128d z) {
        return _mm_add_pd(_mm_add_pd(_mm_mul_pd(y, y), _mm_mul_pd(x, x)), _mm_mul_pd(z, z));
    };
    const __m128 squared = RoundToFloat(sum(Lo(cy), Lo(cx), Lo(cz)), sum(Hi(cy), Hi(cx), Hi(cz)), ok);
    ok = _mm_and_si128(ok, _mm_castps_si128(_mm_cmpneq_ps(squared, _mm_setzero_ps())));
    const __m128 length = _mm_sqrt_ps(squared);

    const __m128 ux = Quotient(cx, length, ok), uy = Quotient(cy, length, ok), uz = Quotient(cz, length, ok);

    const __m128 eps = _mm_set1_ps(epsilon);
    const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
    ok = _mm_and_si128(ok, Ordinary(eps));
    for (__m128 d : {_mm_sub_ps(nx, ux), _mm_sub_ps(ny, uy), _mm_sub_ps(nz, uz)}) {
        ok = _mm_and_si128(ok, Ordinary(d));
        ok = _mm_and_si128(ok, _mm_castps_si128(_mm_cmpnlt_ps(eps, _mm_and_ps(d, absMask))));  // !(eps < |d|)
    }
    return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(ok)));
}

#else

inline unsigned FacetPasses4(const unsigned char* const records[4], float epsilon)
{
    unsigned bits = 0;
    for (int k = 0; k < 4; ++k) {
        Vec3 v[4];
        std::memcpy(v, records[k], sizeof v);
        bits |= static_cast<unsigned>(FacetPasses(v[0], v[1], v[2], v[3], epsilon)) << k;
    }
    return bits;
}

#endif

}  // namespace kalvo
