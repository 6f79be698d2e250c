// The literal reading of the repair rules, kept small and slow on purpose: the
// engine is checked against it. The normal test reads the hardware's own
// floating-point status flags (x86 SSE, including the denormal-operand flag).
#pragma once

#include "engine_test_support.h"

#include <cstdint>
#include <cstring>
#include <xmmintrin.h>

namespace enginetest {

// Clears the SSE status flags; returns the ones the rule counts (invalid,
// denormal operand, divide by zero, overflow, underflow — not inexact).
inline void ClearFlags() { _mm_setcsr(_mm_getcsr() & ~0x3Fu); }
inline unsigned CountedFlags() { return _mm_getcsr() & 0x1Fu; }

inline bool LiteralOrdinary(float f)
{
    return !std::isnan(f) && !std::isinf(f) && std::fpclassify(f) != FP_SUBNORMAL;
}

// Step by step as written: each step's result stored to a volatile float so it
// is rounded there and the compiler can neither fuse nor reorder it.
inline bool LiteralNormalTest(const float n[3], const float a[3], const float b[3], const float c[3], float epsilon)
{
    volatile float e1x, e1y, e1z, e2x, e2y, e2z, cx, cy, cz, len, ux, uy, uz;
    ClearFlags();
    e1x = b[0] - a[0]; e1y = b[1] - a[1]; e1z = b[2] - a[2];
    e2x = c[0] - a[0]; e2y = c[1] - a[1]; e2z = c[2] - a[2];
    cx = static_cast<float>(double(e1y) * double(e2z) - double(e2y) * double(e1z));
    cy = static_cast<float>(double(e2x) * double(e1z) - double(e1x) * double(e2z));
    cz = static_cast<float>(double(e1x) * double(e2y) - double(e2x) * double(e1y));
    volatile float sum = static_cast<float>(double(cy) * double(cy) + double(cx) * double(cx) + double(cz) * double(cz));
    len = _mm_cvtss_f32(_mm_sqrt_ss(_mm_set_ss(sum)));
    ux = cx / len; uy = cy / len; uz = cz / len;
    if (CountedFlags() != 0)
        return false;
    ClearFlags();
    const float u[3] = {ux, uy, uz};
    bool pass = true;
    for (int i = 0; i < 3 && pass; ++i) {
        volatile float d = std::fabs(n[i] - u[i]);
        volatile float eps = epsilon;
        if (_mm_comilt_ss(_mm_set_ss(eps), _mm_set_ss(d)))
            pass = false;
    }
    return pass && CountedFlags() == 0;
}

inline bool LiteralFacetPasses(const unsigned char* record, float epsilon)
{
    float v[12];
    std::memcpy(v, record, 48);
    for (float f : v)
        if (!LiteralOrdinary(f))
            return false;
    return LiteralNormalTest(v, v + 3, v + 6, v + 9, epsilon);
}

struct ReferenceResult {
    Bytes target;               // what the fixed file holds
    std::vector<Event> events;  // every message, abort questions included
    std::uint32_t count = 0;
};

// The messages a literal host sees, built as the rules describe them: a percent
// only when it changes, the count lines in US English.
struct ReferenceEvents {
    std::vector<Event>& events;
    std::uint8_t last = 255;
    void Progress(std::uint8_t p)
    {
        if (p != last)
            events.push_back({EM_PROGRESS, p});
        last = p;
    }
    void CountLine(std::uint32_t n)
    {
        const std::string s = "Total count of processed facets: " + std::to_string(n) + ".";
        events.push_back({EM_LOG, 0, std::u16string(s.begin(), s.end())});
    }
};

// The whole job on a source held in memory (zeros already where sectors are
// unreadable), for a host that never stops the scan unless abortAt says so.
inline ReferenceResult ReferenceRepair(const Bytes& src, const std::u16string& sourcePath, float epsilon,
                                       std::uint64_t abortAt = 0)
{
    ReferenceResult r;
    ReferenceEvents out{r.events};
    const auto progress = [&](std::uint8_t p) { out.Progress(p); };
    const auto log = [&](const std::u16string& text) { r.events.push_back({EM_LOG, 0, text}); };
    const auto countLine = [&](std::uint32_t n) { out.CountLine(n); };
    progress(0);
    r.events.push_back({EM_SOURCE_FILE, 0, sourcePath});
    r.target.assign(84, 0);
    std::memcpy(r.target.data(), src.data(), std::min<std::size_t>(80, src.size()));
    const std::uint64_t total = src.size();
    std::uint64_t pos = 0, questions = 0;
    for (;;) {
        r.events.push_back({EM_QUERY_ABORT});
        if (abortAt != 0 && ++questions == abortAt)
            break;
        if (pos + 48 > total)
            break;
        if (LiteralFacetPasses(&src[pos], epsilon)) {
            ++r.count;
            r.target.insert(r.target.end(), src.begin() + static_cast<std::ptrdiff_t>(pos),
                            src.begin() + static_cast<std::ptrdiff_t>(pos + 48));
            pos += 48;
            for (int i = 0; i < 2; ++i) {
                r.target.push_back(pos < total ? src[pos] : 0);
                if (pos < total)
                    ++pos;
            }
            if (r.count % 1000 == 0)
                countLine(r.count);
        } else {
            pos += 1;
        }
        if (total != 0)
            progress(static_cast<std::uint8_t>(static_cast<unsigned>(double(pos) * 100.0 / double(total))));
    }
    if (r.count % 1000 != 0)
        countLine(r.count);
    log(u"Final data processing.");
    for (int i = 0; i < 4; ++i)
        r.target[80 + i] = static_cast<unsigned char>(r.count >> (8 * i));
    r.events.push_back({EM_FACET_COUNT, r.count});
    progress(100);
    return r;
}

}  // namespace enginetest
