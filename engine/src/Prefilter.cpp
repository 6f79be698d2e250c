// The stored-normal prefilter over a block of consecutive byte offsets, with
// vector instructions where the processor has them (chosen once at run time).
#include "FacetTest.h"

#include <cstring>
#include <immintrin.h>

namespace kalvo {
namespace {

std::uint64_t MaskScalar(const unsigned char* p, unsigned n, float lo, float hi)
{
    std::uint64_t mask = 0;
    for (unsigned k = 0; k < n; ++k) {
        float v[3];
        std::memcpy(v, p + k, sizeof v);
        const float x = std::fabs(v[0]), y = std::fabs(v[1]), z = std::fabs(v[2]);
        const float xy = x > y ? x : y;
        const float m = xy > z ? xy : z;
        mask |= static_cast<std::uint64_t>((m >= lo) & (m <= hi)) << k;
    }
    return mask;
}

// The float at byte offsets 0, 1, 2 and 3 of a 16-byte load, one per lane.
#define KALVO_SHIFTED_FLOATS 0, 1, 2, 3, 1, 2, 3, 4, 2, 3, 4, 5, 3, 4, 5, 6

__attribute__((target("ssse3"))) inline __m128 AbsShifted(const unsigned char* at, __m128i shuffle, __m128 absMask)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return _mm_and_ps(_mm_castsi128_ps(_mm_shuffle_epi8(bytes, shuffle)), absMask);
}

__attribute__((target("ssse3"))) std::uint64_t MaskSsse3(const unsigned char* p, unsigned n, float lo, float hi)
{
    const __m128i shuffle = _mm_setr_epi8(KALVO_SHIFTED_FLOATS);
    const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
    const __m128 vlo = _mm_set1_ps(lo), vhi = _mm_set1_ps(hi);
    std::uint64_t mask = 0;
    unsigned k = 0;
    for (; k + 4 <= n; k += 4) {
        const __m128 m = _mm_max_ps(_mm_max_ps(AbsShifted(p + k, shuffle, absMask), AbsShifted(p + k + 4, shuffle, absMask)),
                                    AbsShifted(p + k + 8, shuffle, absMask));
        const __m128 ok = _mm_and_ps(_mm_cmpge_ps(m, vlo), _mm_cmple_ps(m, vhi));
        mask |= static_cast<std::uint64_t>(_mm_movemask_ps(ok)) << k;
    }
    if (k < n)
        mask |= MaskScalar(p + k, n - k, lo, hi) << k;
    return mask;
}

// Lane 0 holds offsets at..at+3, lane 1 offsets at+4..at+7.
__attribute__((target("avx2"))) inline __m256 AbsShifted8(const unsigned char* at, __m256i shuffle, __m256 absMask)
{
    const __m256i bytes = _mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(at + 4),
                                              reinterpret_cast<const __m128i*>(at));
    return _mm256_and_ps(_mm256_castsi256_ps(_mm256_shuffle_epi8(bytes, shuffle)), absMask);
}

__attribute__((target("avx2"))) std::uint64_t MaskAvx2(const unsigned char* p, unsigned n, float lo, float hi)
{
    const __m256i shuffle = _mm256_setr_epi8(KALVO_SHIFTED_FLOATS, KALVO_SHIFTED_FLOATS);
    const __m256 absMask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
    const __m256 vlo = _mm256_set1_ps(lo), vhi = _mm256_set1_ps(hi);
    std::uint64_t mask = 0;
    unsigned k = 0;
    for (; k + 8 <= n; k += 8) {
        const __m256 m = _mm256_max_ps(
            _mm256_max_ps(AbsShifted8(p + k, shuffle, absMask), AbsShifted8(p + k + 4, shuffle, absMask)),
            AbsShifted8(p + k + 8, shuffle, absMask));
        const __m256 ok = _mm256_and_ps(_mm256_cmp_ps(m, vlo, _CMP_GE_OQ), _mm256_cmp_ps(m, vhi, _CMP_LE_OQ));
        mask |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm256_movemask_ps(ok))) << k;
    }
    if (k < n)
        mask |= MaskScalar(p + k, n - k, lo, hi) << k;
    return mask;
}

#undef KALVO_SHIFTED_FLOATS

using MaskFunction = std::uint64_t (*)(const unsigned char*, unsigned, float, float);

MaskFunction ChooseMask()
{
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        return MaskAvx2;
    if (__builtin_cpu_supports("ssse3"))
        return MaskSsse3;
    return MaskScalar;
}

const MaskFunction g_mask = ChooseMask();

}  // namespace

std::uint64_t NormalPrefilter::Mask(const unsigned char* candidates, unsigned n) const
{
    return g_mask(candidates, n, m_lo, m_hi);
}

std::uint64_t NormalPrefilter::MaskPortable(const unsigned char* candidates, unsigned n) const
{
    return MaskScalar(candidates, n, m_lo, m_hi);
}

}  // namespace kalvo
