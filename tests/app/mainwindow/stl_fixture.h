// Small binary STL files for the window's tests: a header, a facet count and
// records whose stored normal is exactly the unit normal of their vertices,
// optionally with damage between them.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace stlfixture {

inline void AppendFloat(QByteArray& out, float f)
{
    char b[4];
    std::memcpy(b, &f, 4);
    out.append(b, 4);
}

inline void AppendUInt32(QByteArray& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// One 50-byte record with random vertices and the normal the engine computes.
inline QByteArray RandomRecord(std::mt19937& rng)
{
    std::uniform_real_distribution<float> coord(-50.0f, 50.0f);
    for (;;) {
        float v[3][3];
        for (auto& vertex : v)
            for (float& x : vertex)
                x = coord(rng);
        const float e1[3] = {v[1][0] - v[0][0], v[1][1] - v[0][1], v[1][2] - v[0][2]};
        const float e2[3] = {v[2][0] - v[0][0], v[2][1] - v[0][1], v[2][2] - v[0][2]};
        const float c[3] = {static_cast<float>(double(e1[1]) * e2[2] - double(e2[1]) * e1[2]),
                            static_cast<float>(double(e2[0]) * e1[2] - double(e1[0]) * e2[2]),
                            static_cast<float>(double(e1[0]) * e2[1] - double(e2[0]) * e1[1])};
        const float len =
            std::sqrt(static_cast<float>(double(c[1]) * c[1] + double(c[0]) * c[0] + double(c[2]) * c[2]));
        if (!(len > 0) || !std::isfinite(len))
            continue;
        QByteArray record;
        for (float x : c)
            AppendFloat(record, x / len);
        for (const auto& vertex : v)
            for (float x : vertex)
                AppendFloat(record, x);
        record.append('\0');
        record.append('\0');
        return record;
    }
}

// A damaged file: header, a wrong stored count, and Facets records with
// GarbageBytes of noise before each.
inline QByteArray DamagedStl(int Facets, int GarbageBytes = 7, unsigned Seed = 1)
{
    std::mt19937 rng(Seed);
    QByteArray out(80, ' ');
    std::memcpy(out.data(), "meshwright test mesh", 20);
    AppendUInt32(out, 0xFFFFFFFFu);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < Facets; ++i) {
        for (int g = 0; g < GarbageBytes; ++g)
            out.append(static_cast<char>(byte(rng)));
        out.append(RandomRecord(rng));
    }
    return out;
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace stlfixture
