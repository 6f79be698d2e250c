// Builds the bundled sample: a trefoil-knot tube as binary STL, and a copy
// damaged the way real files get damaged. Run by the build; nothing is downloaded.
//   make_sample OUTPUT_FOLDER  ->  sample_original.stl, sample_damaged.stl
#include <array>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Vec {
    double x, y, z;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y, s * a.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec Unit(Vec a) { return (1.0 / std::sqrt(Dot(a, a))) * a; }

struct Facet {
    float n[3], v[3][3];
};

// The trefoil knot and its derivative.
Vec Knot(double t) { return {std::sin(t) + 2 * std::sin(2 * t), std::cos(t) - 2 * std::cos(2 * t), -std::sin(3 * t)}; }
Vec KnotTangent(double t)
{
    return {std::cos(t) + 4 * std::cos(2 * t), -std::sin(t) + 4 * std::sin(2 * t), -3 * std::cos(3 * t)};
}

bool Ordinary(float f) { return std::fpclassify(f) == FP_NORMAL || f == 0.0f; }

// The stored normal must be the unit normal exactly as the repair computes it from
// the float vertices: float edges, cross product in double rounded to float, length
// from the double sum y, x, z rounded to float, float division. false when that
// computation is not clean (it would then be rejected).
bool SetExactNormal(Facet& f)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    float e1[3], e2[3];
    for (int i = 0; i < 3; ++i) {
        e1[i] = f.v[1][i] - f.v[0][i];
        e2[i] = f.v[2][i] - f.v[0][i];
    }
    const float c[3] = {static_cast<float>(double(e1[1]) * e2[2] - double(e2[1]) * e1[2]),
                        static_cast<float>(double(e2[0]) * e1[2] - double(e1[0]) * e2[2]),
                        static_cast<float>(double(e1[0]) * e2[1] - double(e2[0]) * e1[1])};
    const float length =
        std::sqrt(static_cast<float>(double(c[1]) * c[1] + double(c[0]) * c[0] + double(c[2]) * c[2]));
    for (int i = 0; i < 3; ++i)
        f.n[i] = c[i] / length;
    if (std::fetestexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_DIVBYZERO | FE_INVALID))
        return false;
    for (int i = 0; i < 3; ++i)
        if (!Ordinary(e1[i]) || !Ordinary(e2[i]) || !Ordinary(c[i]) || !Ordinary(f.n[i]) ||
            !Ordinary(f.v[0][i]) || !Ordinary(f.v[1][i]) || !Ordinary(f.v[2][i]))
            return false;
    return Ordinary(length) && length > 0.0f;
}

std::vector<Facet> TrefoilTube(int around, int across)
{
    constexpr double kScale = 12.0;      // millimetres per unit of the knot curve
    constexpr double kTubeRadius = 0.42;  // well clear of the neighbouring strands
    constexpr double kPi = 3.14159265358979323846;
    std::vector<Vec> centres(around);
    std::vector<std::vector<std::array<float, 3>>> ring(around, std::vector<std::array<float, 3>>(across));
    for (int i = 0; i < around; ++i) {
        const double t = 2 * kPi * i / around;
        const Vec centre = Knot(t);
        const Vec tangent = Unit(KnotTangent(t));
        // The knot's tangent is never vertical, so "up" made normal to it is a smooth frame.
        const Vec up{0, 0, 1};
        const Vec normal = Unit(up - Dot(up, tangent) * tangent);
        const Vec binormal = Cross(tangent, normal);
        centres[i] = kScale * centre;
        for (int j = 0; j < across; ++j) {
            const double a = 2 * kPi * j / across;
            const Vec p = kScale * (centre + kTubeRadius * (std::cos(a) * normal + std::sin(a) * binormal));
            ring[i][j] = {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
        }
    }
    std::vector<Facet> facets;
    const auto add = [&](int ring0, const std::array<float, 3>& a, const std::array<float, 3>& b,
                         const std::array<float, 3>& c) {
        Facet f;
        std::memcpy(f.v[0], a.data(), sizeof f.v[0]);
        std::memcpy(f.v[1], b.data(), sizeof f.v[1]);
        std::memcpy(f.v[2], c.data(), sizeof f.v[2]);
        // Outward by the right-hand rule: away from the tube's centre line.
        const Vec va{a[0], a[1], a[2]}, vb{b[0], b[1], b[2]}, vc{c[0], c[1], c[2]};
        if (Dot(Cross(vb - va, vc - va), va - centres[ring0]) < 0)
            std::swap(f.v[1], f.v[2]);
        if (SetExactNormal(f))
            facets.push_back(f);
    };
    for (int i = 0; i < around; ++i) {
        const int next = (i + 1) % around;
        for (int j = 0; j < across; ++j) {
            const int up = (j + 1) % across;
            add(i, ring[i][j], ring[next][j], ring[next][up]);
            add(i, ring[i][j], ring[next][up], ring[i][up]);
        }
    }
    return facets;
}

void PutU32(Bytes& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

Bytes BinaryStl(const std::vector<Facet>& facets)
{
    // Many exporters begin binary headers with "solid"; the sample does too.
    const char header[] = "solid meshwright sample: trefoil knot tube (binary STL, millimetres)";
    Bytes out(84, 0);
    std::memcpy(out.data(), header, sizeof header - 1);
    PutU32(out, 80, static_cast<std::uint32_t>(facets.size()));
    for (const Facet& f : facets) {
        unsigned char record[50] = {};
        std::memcpy(record, f.n, 12);
        std::memcpy(record + 12, f.v, 36);
        out.insert(out.end(), record, record + 50);
    }
    return out;
}

// Damage of the kinds a failed disk, a broken transfer or a crashed writer leaves.
Bytes Damage(Bytes file, std::size_t facetCount)
{
    constexpr std::size_t kSector = 4096;
    const auto recordAt = [](std::size_t k, std::size_t within) { return 84 + 50 * k + within; };

    // A writer that died before fixing up its count.
    PutU32(file, 80, 0);
    // Three unreadable 4 KiB sectors, read back as zeros.
    std::fill(file.begin() + 120 * kSector, file.begin() + 123 * kSector, 0);
    // A block of flash-erase bytes and a block of noise, each landing inside a record.
    std::mt19937 noise(20240611);
    Bytes random(6007);
    for (unsigned char& b : random)
        b = static_cast<unsigned char>(noise());
    const std::size_t noiseAt = recordAt(facetCount * 2 / 3, 17);
    file.insert(file.begin() + noiseAt, random.begin(), random.end());
    const std::size_t eraseAt = recordAt(facetCount / 3, 29);
    file.insert(file.begin() + eraseAt, 1024, 0xFF);
    // A transfer cut off in the middle of a record.
    file.resize(file.size() - (37 * 50 + 23));
    return file;
}

bool WriteAtomically(const std::filesystem::path& path, const Bytes& bytes)
{
    const std::filesystem::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    return !ec;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    const std::vector<Facet> facets = TrefoilTube(900, 24);
    if (facets.size() != 900u * 24u * 2u) {
        std::fprintf(stderr, "make_sample: %zu facets have no clean normal\n", 900u * 24u * 2u - facets.size());
        return 1;
    }
    const Bytes original = BinaryStl(facets);
    const Bytes damaged = Damage(original, facets.size());
    if (!WriteAtomically(folder / "sample_original.stl", original) ||
        !WriteAtomically(folder / "sample_damaged.stl", damaged)) {
        std::fprintf(stderr, "make_sample: cannot write into %s\n", folder.string().c_str());
        return 1;
    }
    std::printf("make_sample: %zu facets, %zu bytes intact, %zu bytes damaged\n", facets.size(), original.size(),
                damaged.size());
    return 0;
}
