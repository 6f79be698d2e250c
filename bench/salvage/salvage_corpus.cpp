#include "salvage_corpus.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

namespace salvagebench {
namespace {

struct V3 {
    float x, y, z;
};

void PutFloat(Bytes& out, float f)
{
    unsigned char b[4];
    std::memcpy(b, &f, 4);
    out.insert(out.end(), b, b + 4);
}

// The unit normal as the strict engine rounds it, so the strict test passes exactly.
V3 ExactNormal(const V3& a, const V3& b, const V3& c)
{
    const float e1[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    const float e2[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
    const float n[3] = {static_cast<float>(double(e1[1]) * e2[2] - double(e2[1]) * e1[2]),
                        static_cast<float>(double(e2[0]) * e1[2] - double(e1[0]) * e2[2]),
                        static_cast<float>(double(e1[0]) * e2[1] - double(e2[0]) * e1[1])};
    const float len = std::sqrt(static_cast<float>(double(n[1]) * n[1] + double(n[0]) * n[0] + double(n[2]) * n[2]));
    if (!(len > 0.0f))
        return {0, 0, 0};
    return {n[0] / len, n[1] / len, n[2] / len};
}

V3 Normalized(double x, double y, double z)
{
    const double l = std::sqrt(x * x + y * y + z * z);
    return {static_cast<float>(x / l), static_cast<float>(y / l), static_cast<float>(z / l)};
}

struct Writer {
    NormalStyle style;
    std::uint16_t attribute;
    std::mt19937 rng;
    Bytes records;
    std::uint32_t count = 0;

    // smooth: the surface normal the smoothed style writes instead.
    void Facet(const V3& a, const V3& b, const V3& c, const V3& smooth, bool degenerate = false)
    {
        V3 n = ExactNormal(a, b, c);
        if (degenerate) {
            n = style == NormalStyle::Zero ? V3{0, 0, 0} : smooth;
        } else {
            switch (style) {
            case NormalStyle::Exact:
                break;
            case NormalStyle::Imprecise: {
                std::uniform_real_distribution<double> noise(-2e-4, 2e-4);
                n = Normalized(n.x + noise(rng), n.y + noise(rng), n.z + noise(rng));
                break;
            }
            case NormalStyle::Reversed:
                n = {-n.x, -n.y, -n.z};
                break;
            case NormalStyle::Zero:
                n = {0, 0, 0};
                break;
            case NormalStyle::Smoothed:
                n = smooth;
                break;
            }
        }
        for (float f : {n.x, n.y, n.z, a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z})
            PutFloat(records, f);
        records.push_back(static_cast<unsigned char>(attribute & 0xFF));
        records.push_back(static_cast<unsigned char>(attribute >> 8));
        ++count;
    }
    Mesh Finish(const std::string& name, const std::string& header)
    {
        Mesh m;
        m.name = name;
        m.file.assign(80, 0);
        std::memcpy(m.file.data(), header.data(), std::min<std::size_t>(header.size(), 80));
        for (int i = 0; i < 4; ++i)
            m.file.push_back(static_cast<unsigned char>(count >> (8 * i)));
        m.file.insert(m.file.end(), records.begin(), records.end());
        return m;
    }
};

}  // namespace

Mesh GenerateTorus(const std::string& name, int rings, int sides, NormalStyle style, std::uint16_t attribute,
                   int degenerate, unsigned seed)
{
    Writer w{style, attribute, std::mt19937(seed), {}};
    std::mt19937 rng(seed * 7 + 1);
    const double R = 31.7, r = 9.3, cx = 50.25, cy = -12.5, cz = 20.0;
    std::vector<V3> v(static_cast<std::size_t>(rings) * sides), sn(v.size());
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sides; ++j) {
            const double u = 2 * M_PI * i / rings, t = 2 * M_PI * j / sides;
            v[i * sides + j] = {static_cast<float>(cx + (R + r * std::cos(t)) * std::cos(u)),
                                static_cast<float>(cy + (R + r * std::cos(t)) * std::sin(u)),
                                static_cast<float>(cz + r * std::sin(t))};
            sn[i * sides + j] = Normalized(std::cos(t) * std::cos(u), std::cos(t) * std::sin(u), std::sin(t));
        }
    const std::size_t total = static_cast<std::size_t>(rings) * sides * 2;
    std::set<std::size_t> degenerateAt;
    std::uniform_int_distribution<std::size_t> where(0, total - 1);
    while (static_cast<int>(degenerateAt.size()) < degenerate)
        degenerateAt.insert(where(rng));
    std::size_t k = 0;
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sides; ++j) {
            const int a = i * sides + j, b = ((i + 1) % rings) * sides + j, c = ((i + 1) % rings) * sides + (j + 1) % sides,
                      d = i * sides + (j + 1) % sides;
            w.Facet(v[a], v[b], v[c], sn[a]);
            if (degenerateAt.count(k++))
                w.Facet(v[a], v[c], v[c], sn[a], true);  // a sliver some exporters leave: two equal vertices
            w.Facet(v[a], v[c], v[d], sn[a]);
            if (degenerateAt.count(k++))
                w.Facet(v[a], v[d], v[d], sn[d], true);
        }
    return w.Finish(name, "generated torus");
}

Mesh GeneratePlate(const std::string& name, int cells, NormalStyle style, unsigned seed)
{
    Writer w{style, 0, std::mt19937(seed), {}};
    const float h = 2.0f;
    auto quad = [&](V3 a, V3 b, V3 c, V3 d, V3 n) {
        w.Facet(a, b, c, n);
        w.Facet(a, c, d, n);
    };
    for (int i = 0; i < cells; ++i)
        for (int j = 0; j < cells; ++j) {
            const float x0 = float(i), x1 = float(i + 1), y0 = float(j), y1 = float(j + 1);
            quad({x0, y0, h}, {x1, y0, h}, {x1, y1, h}, {x0, y1, h}, {0, 0, 1});
            quad({x0, y0, 0}, {x0, y1, 0}, {x1, y1, 0}, {x1, y0, 0}, {0, 0, -1});
        }
    const float e = float(cells);
    for (int i = 0; i < cells; ++i) {
        const float a = float(i), b = float(i + 1);
        quad({a, 0, 0}, {b, 0, 0}, {b, 0, h}, {a, 0, h}, {0, -1, 0});
        quad({b, e, 0}, {a, e, 0}, {a, e, h}, {b, e, h}, {0, 1, 0});
        quad({0, b, 0}, {0, a, 0}, {0, a, h}, {0, b, h}, {-1, 0, 0});
        quad({e, a, 0}, {e, b, 0}, {e, b, h}, {e, a, h}, {1, 0, 0});
    }
    Mesh m = w.Finish(name, "");
    return m;
}

Mesh GenerateUnitSphere(const std::string& name, int rings, NormalStyle style, unsigned seed)
{
    Writer w{style, 0, std::mt19937(seed), {}};
    const int sides = 2 * rings;
    auto at = [&](int i, int j) {
        const double t = M_PI * i / rings, u = 2 * M_PI * j / sides;
        return Normalized(std::sin(t) * std::cos(u), std::sin(t) * std::sin(u), std::cos(t));
    };
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sides; ++j) {
            const V3 a = at(i, j), b = at(i + 1, j), c = at(i + 1, j + 1), d = at(i, j + 1);
            if (i != rings - 1)
                w.Facet(a, b, c, a);
            if (i != 0)
                w.Facet(a, c, d, a);
        }
    return w.Finish(name, "unit sphere");
}

std::vector<Mesh> FindRealMeshes(const std::vector<std::string>& folders)
{
    namespace fs = std::filesystem;
    std::vector<Mesh> out;
    std::set<Bytes> seen;
    for (const std::string& folder : folders) {
        std::error_code ec;
        for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
             it != end; it.increment(ec)) {
            if (ec)
                break;
            std::string ext = it->path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (ext != ".stl" || !it->is_regular_file(ec))
                continue;
            std::ifstream in(it->path(), std::ios::binary);
            Bytes b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (b.size() < 134)
                continue;
            std::uint32_t n;
            std::memcpy(&n, b.data() + 80, 4);
            if (n == 0 || b.size() != 84 + 50ull * n || !seen.insert(b).second)
                continue;
            out.push_back({it->path().filename().string(), std::move(b)});
        }
    }
    std::sort(out.begin(), out.end(), [](const Mesh& a, const Mesh& b) { return a.name < b.name; });
    return out;
}

void Originals::Add(const Mesh& mesh)
{
    meshes.push_back(&mesh);
    starts.push_back(static_cast<std::int64_t>(joined.size()));
    joined.insert(joined.end(), mesh.file.begin(), mesh.file.end());
}

Damaged Originals::Undamaged() const
{
    Damaged d;
    d.bytes = joined;
    d.origin.resize(joined.size());
    for (std::size_t i = 0; i < joined.size(); ++i)
        d.origin[i] = static_cast<std::int64_t>(i);
    return d;
}

const char* KindName(DamageKind kind)
{
    switch (kind) {
    case DamageKind::None: return "intact";
    case DamageKind::Inserted: return "inserted bytes";
    case DamageKind::Deleted: return "deleted bytes";
    case DamageKind::Zeroed512: return "zeroed 512 B sectors";
    case DamageKind::Zeroed4K: return "zeroed 4 KiB sectors";
    case DamageKind::CutTail: return "cut-off tail";
    case DamageKind::GarbageHeader: return "garbage header+count";
    case DamageKind::Concatenated: return "two files joined";
    case DamageKind::TextTransfer: return "text-mode transfer";
    case DamageKind::Mixed: return "mixed";
    case DamageKind::DeletedRecords: return "deleted 50 x n bytes";
    }
    return "?";
}

std::vector<DamageKind> AllKinds()
{
    return {DamageKind::None,     DamageKind::Inserted,      DamageKind::Deleted,      DamageKind::Zeroed512,
            DamageKind::Zeroed4K, DamageKind::CutTail,       DamageKind::GarbageHeader, DamageKind::Concatenated,
            DamageKind::TextTransfer, DamageKind::Mixed,      DamageKind::DeletedRecords};
}

namespace {

std::size_t Pick(std::mt19937& rng, std::size_t lo, std::size_t hi)
{
    return std::uniform_int_distribution<std::size_t>(lo, hi)(rng);
}

// Lengths real damage has: a few bytes, a lost packet or block, an odd stretch.
std::size_t DamageLength(std::mt19937& rng, std::size_t limit)
{
    static const std::size_t typical[] = {512, 1460, 4096};
    std::size_t n;
    switch (Pick(rng, 0, 3)) {
    case 0: n = Pick(rng, 1, 16); break;
    case 1: n = typical[Pick(rng, 0, 2)]; break;
    default: n = Pick(rng, 17, 2000); break;
    }
    return std::max<std::size_t>(1, std::min(n, limit));
}

}  // namespace

void InsertBytes(Damaged& d, std::mt19937& rng)
{
    const std::size_t at = Pick(rng, 0, d.bytes.size());
    const std::size_t n = DamageLength(rng, 1 << 20);
    Bytes what(n, 0);
    if (Pick(rng, 0, 1) == 0)
        for (auto& b : what)
            b = static_cast<unsigned char>(rng());
    d.bytes.insert(d.bytes.begin() + static_cast<std::ptrdiff_t>(at), what.begin(), what.end());
    d.origin.insert(d.origin.begin() + static_cast<std::ptrdiff_t>(at), n, -1);
}

static void Erase(Damaged& d, std::size_t at, std::size_t n)
{
    d.bytes.erase(d.bytes.begin() + static_cast<std::ptrdiff_t>(at), d.bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
    d.origin.erase(d.origin.begin() + static_cast<std::ptrdiff_t>(at), d.origin.begin() + static_cast<std::ptrdiff_t>(at + n));
}

void DeleteBytes(Damaged& d, std::mt19937& rng)
{
    if (d.bytes.size() < 2)
        return;
    const std::size_t at = Pick(rng, 0, d.bytes.size() - 1);
    Erase(d, at, DamageLength(rng, d.bytes.size() - at));
}

void DeleteRecordLengths(Damaged& d, std::mt19937& rng)
{
    if (d.bytes.size() < 2)
        return;
    const std::size_t at = Pick(rng, 0, d.bytes.size() - 1);
    Erase(d, at, std::min(50 * Pick(rng, 1, 40), (d.bytes.size() - at) / 50 * 50));
}

void ZeroSector(Damaged& d, std::size_t sector, std::mt19937& rng)
{
    if (d.bytes.empty())
        return;
    const std::size_t first = Pick(rng, 0, (d.bytes.size() - 1) / sector) * sector;
    const std::size_t last = std::min(d.bytes.size(), first + sector);
    std::fill(d.bytes.begin() + static_cast<std::ptrdiff_t>(first), d.bytes.begin() + static_cast<std::ptrdiff_t>(last), 0);
}

void CutTail(Damaged& d, std::mt19937& rng)
{
    const std::size_t keep = Pick(rng, d.bytes.size() * 3 / 10, d.bytes.size() - 1);
    d.bytes.resize(keep);
    d.origin.resize(keep);
}

void GarbageHeader(Damaged& d, std::mt19937& rng)
{
    for (std::size_t i = 0; i < 84 && i < d.bytes.size(); ++i) {
        d.bytes[i] = static_cast<unsigned char>(rng());
        d.origin[i] = -1;
    }
}

void TextTransfer(Damaged& d)
{
    Damaged out;
    out.bytes.reserve(d.bytes.size() + d.bytes.size() / 64);
    out.origin.reserve(out.bytes.capacity());
    for (std::size_t i = 0; i < d.bytes.size(); ++i) {
        if (d.bytes[i] == 0x0A) {
            out.bytes.push_back(0x0D);
            out.origin.push_back(-1);
        }
        out.bytes.push_back(d.bytes[i]);
        out.origin.push_back(d.origin[i]);
    }
    d = std::move(out);
}

Damaged Damage(Originals& originals, DamageKind kind, const Mesh& other, std::mt19937& rng)
{
    if (kind == DamageKind::Concatenated)
        originals.Add(other);
    Damaged d = originals.Undamaged();
    const std::size_t events = std::min<std::size_t>(12, 1 + d.bytes.size() / (128 * 1024));
    switch (kind) {
    case DamageKind::None:
    case DamageKind::Concatenated:
        break;
    case DamageKind::Inserted:
        for (std::size_t i = 0; i < events; ++i)
            InsertBytes(d, rng);
        break;
    case DamageKind::Deleted:
        for (std::size_t i = 0; i < events; ++i)
            DeleteBytes(d, rng);
        break;
    case DamageKind::DeletedRecords:
        for (std::size_t i = 0; i < events; ++i)
            DeleteRecordLengths(d, rng);
        break;
    case DamageKind::Zeroed512:
        for (std::size_t i = 0; i < events; ++i)
            ZeroSector(d, 512, rng);
        break;
    case DamageKind::Zeroed4K:
        for (std::size_t i = 0; i < events; ++i)
            ZeroSector(d, 4096, rng);
        break;
    case DamageKind::CutTail:
        CutTail(d, rng);
        break;
    case DamageKind::GarbageHeader:
        GarbageHeader(d, rng);
        break;
    case DamageKind::TextTransfer:
        TextTransfer(d);
        break;
    case DamageKind::Mixed:
        for (std::size_t i = 0; i < events + 2; ++i) {
            switch (Pick(rng, 0, 3)) {
            case 0: InsertBytes(d, rng); break;
            case 1: DeleteBytes(d, rng); break;
            case 2: ZeroSector(d, Pick(rng, 0, 1) ? 512 : 4096, rng); break;
            default: GarbageHeader(d, rng); break;
            }
        }
        if (Pick(rng, 0, 1))
            CutTail(d, rng);
        break;
    }
    return d;
}

std::vector<Bytes> AllRecords(const Originals& originals)
{
    std::vector<Bytes> out;
    for (std::size_t m = 0; m < originals.meshes.size(); ++m) {
        const std::size_t start = static_cast<std::size_t>(originals.starts[m]);
        for (std::uint32_t i = 0; i < originals.meshes[m]->Count(); ++i) {
            const auto* r = originals.joined.data() + start + 84 + 50ull * i;
            out.emplace_back(r, r + 50);
        }
    }
    return out;
}

std::vector<Bytes> IntactRecords(const Originals& originals, const Damaged& d)
{
    std::vector<std::int64_t> where(originals.joined.size(), -1);
    for (std::size_t i = 0; i < d.origin.size(); ++i)
        if (d.origin[i] >= 0)
            where[static_cast<std::size_t>(d.origin[i])] = static_cast<std::int64_t>(i);
    std::vector<Bytes> out;
    for (std::size_t m = 0; m < originals.meshes.size(); ++m) {
        const std::size_t start = static_cast<std::size_t>(originals.starts[m]);
        for (std::uint32_t i = 0; i < originals.meshes[m]->Count(); ++i) {
            const std::size_t o = start + 84 + 50ull * i;
            const std::int64_t p = where[o];
            if (p < 0 || static_cast<std::size_t>(p) + 50 > d.bytes.size())
                continue;
            bool intact = true;
            for (std::size_t k = 0; k < 50 && intact; ++k)
                intact = d.origin[static_cast<std::size_t>(p) + k] == static_cast<std::int64_t>(o + k) &&
                         d.bytes[static_cast<std::size_t>(p) + k] == originals.joined[o + k];
            if (intact)
                out.emplace_back(originals.joined.begin() + static_cast<std::ptrdiff_t>(o),
                                 originals.joined.begin() + static_cast<std::ptrdiff_t>(o + 50));
        }
    }
    return out;
}

}  // namespace salvagebench
