// The unit normal of a facet exactly as the engine's normal test computes it
// (float edges, double products rounded to float, float square root and
// division), so that a facet given this normal always passes.
#pragma once

#include <cmath>

namespace testcommon {

inline void ExactUnitNormal(const float a[3], const float b[3], const float c[3], float n[3])
{
    const float e1[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const float e2[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const float x[3] = {static_cast<float>(double(e1[1]) * e2[2] - double(e2[1]) * e1[2]),
                        static_cast<float>(double(e2[0]) * e1[2] - double(e1[0]) * e2[2]),
                        static_cast<float>(double(e1[0]) * e2[1] - double(e2[0]) * e1[1])};
    const float length =
        std::sqrt(static_cast<float>(double(x[1]) * x[1] + double(x[0]) * x[0] + double(x[2]) * x[2]));
    for (int i = 0; i < 3; ++i)
        n[i] = x[i] / length;
}

}  // namespace testcommon
