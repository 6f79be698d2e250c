// The salvage scan.
//
// Why a record is accepted. A damaged file is runs of intact records on a
// 50-byte grid, broken by damage. Any one offset can look like a record, so the
// evidence is of three kinds, each measured on real exporters' files:
//  1. Local plausibility: all twelve numbers ordinary, coordinates within 1e8,
//     the three vertices not one point, and the stored normal either exactly
//     zero or of unit length within 2e-3 (real exporters stay within 1e-5; its
//     direction is not trusted: smoothed and reversed normals are common).
//  2. Shared edges: a real mesh carries each edge in two facets, and a vertex's
//     bytes are written identically every time. A first pass counts, for every
//     edge of every plausible candidate, how many candidates carry it. A record
//     is strong when at least two of its edges (all of them for a degenerate
//     facet with fewer distinct edges) are carried by another candidate too; a
//     facet soup without shared edges makes a record strong when it and a grid
//     neighbour both carry a unit normal along the normal of their vertices.
//  3. The grid: a plausible but weak record (an open mesh's corner, a sliver)
//     is accepted only inside a run of plausible records on its own 50-byte
//     grid that holds a strong record on each side; the file's first record
//     slot (offset 84) and the end of the data count as such sides.
//
// Why the misaligned-by-2 trap cannot fire: a candidate a few bytes off the
// grid has vertices made of halves of two floats; no other candidate carries
// such edges, so it is never strong, and a weak run never anchors itself.
// Accepting it would take shared edges that only real records have.
//
// Why zeroed sectors and garbage produce nothing: a zeroed stretch gives
// candidates whose vertices are one point, which are not plausible; random
// bytes are almost never of unit length and never share edges. The records at
// the edge of a zeroed stretch are the dangerous ones: bytes inside the
// stretch are unknown though they read as zero. A record right after a long
// zero run (>= 128 bytes, longer than intact records can hold) may have zeros
// only in its normal, and each zeroed normal component must be exactly what
// its vertices give (a zero normal: only when the next record on the grid has
// a zero normal too); a record right before one may have zeros only in its
// attribute word. A record whose attribute word may have been overwritten (a
// strong record at the end of its run) keeps it only when it equals the last
// strong record's attribute, since exporters write one attribute throughout.
//
// A record must have all 50 bytes; a cut-off last record is not written.
//
// Overlaps: records of different grids that overlap cannot all be real. A
// ghost grid a few bytes off the real one, where the mesh's bytes repeat (a
// plane at zero height with zero attributes gives zero normals 4 bytes early,
// and its vertices become a permuted copy of the real ones, edges and all), is
// only ever as long as the stretch of real records it borrows its bytes from;
// so in an overlap the longer run keeps the bytes.
//
// Passes: the first counts edges, the second decides (every offset), the
// third reads the kept records again and writes them in the source's order.
//
// Memory: two parts grow with the file. The edge census holds one 32-bit slot
// per expected edge (4 per 50 bytes of source), at most 2^25 slots (128 MiB,
// about 25 million edges); once three quarters full it counts no new edges,
// and later records then rest on the grid and soup rules. The list of kept
// stretches holds 24 bytes per unbroken run of kept records: it grows with the
// number of breaks the damage made, not with the number of records. The rest
// is fixed: a 1 MiB read window and a ring of 128 candidates.
#include "salvage/SalvageScan.h"

#include "EngineStrings.h"
#include "FacetTest.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>

namespace kalvo {
namespace {

constexpr std::uint32_t kRecord = CSTLFile5::kRecordSize;
constexpr std::uint64_t kFirstRecord = CSTLFile5::kHeaderSize + 4;
constexpr std::uint32_t kLongZero = 128;
constexpr std::size_t kLookahead = kRecord + kLongZero;
constexpr std::size_t kChunk = std::size_t(1) << 20;
constexpr std::size_t kRingSize = 128;  // holds p - 50 .. p + 50
constexpr double kUnitTolerance = 2e-3;
constexpr double kDirectionCos = 0.999;
constexpr float kMaxCoordinate = 1e8f;

std::uint64_t Mix(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    return x;
}

std::uint64_t VertexHash(const unsigned char* v)
{
    std::uint64_t a;
    std::uint32_t b;
    std::memcpy(&a, v, 8);
    std::memcpy(&b, v + 8, 4);
    return Mix(a ^ Mix(b + 0x9E3779B97F4A7C15ull));
}

std::uint64_t EdgeKey(std::uint64_t ha, std::uint64_t hb)
{
    if (ha > hb)
        std::swap(ha, hb);
    return Mix(ha * 0x9E3779B97F4A7C15ull + std::rotl(hb, 29));
}

std::uint32_t Bits(float f)
{
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    return u;
}

// The unit normal of the vertices rounded as the strict normal test rounds it.
bool UnitNormal(const Vec3& v1, const Vec3& v2, const Vec3& v3, float u[3])
{
    const float e1[3] = {v2.x - v1.x, v2.y - v1.y, v2.z - v1.z};
    const float e2[3] = {v3.x - v1.x, v3.y - v1.y, v3.z - v1.z};
    const float c[3] = {static_cast<float>(double(e1[1]) * e2[2] - double(e2[1]) * e1[2]),
                        static_cast<float>(double(e2[0]) * e1[2] - double(e1[0]) * e2[2]),
                        static_cast<float>(double(e1[0]) * e2[1] - double(e2[0]) * e1[1])};
    const float squared = static_cast<float>(double(c[1]) * c[1] + double(c[0]) * c[0] + double(c[2]) * c[2]);
    if (!(squared > 0.0f) || std::isinf(squared))
        return false;
    const double length = std::sqrt(squared);
    for (int i = 0; i < 3; ++i)
        u[i] = static_cast<float>(c[i] / length);
    return true;
}

}  // namespace

CEdgeCensus::CEdgeCensus(std::uint64_t sourceLength)
{
    const std::uint64_t wanted = 4 * (sourceLength / kRecord + 1);
    std::size_t slots = kMinSlots;
    while (slots < wanted && slots < kMaxSlots)
        slots <<= 1;
    m_slots.assign(slots, 0);
    m_mask = slots - 1;
    m_limit = slots / 4 * 3;
}

void CEdgeCensus::Add(std::uint64_t key)
{
    std::uint32_t tag = static_cast<std::uint32_t>(key >> 34);
    if (tag == 0)
        tag = 1;
    for (std::size_t i = key & m_mask;; i = (i + 1) & m_mask) {
        std::uint32_t& slot = m_slots[i];
        if (slot == 0) {
            if (m_used >= m_limit)
                return;
            slot = (tag << 2) | 1u;
            ++m_used;
            return;
        }
        if ((slot >> 2) == tag) {
            if ((slot & 3u) < 3u)
                ++slot;
            return;
        }
    }
}

unsigned CEdgeCensus::Count(std::uint64_t key) const
{
    std::uint32_t tag = static_cast<std::uint32_t>(key >> 34);
    if (tag == 0)
        tag = 1;
    for (std::size_t i = key & m_mask;; i = (i + 1) & m_mask) {
        const std::uint32_t slot = m_slots[i];
        if (slot == 0)
            return 0;
        if ((slot >> 2) == tag)
            return slot & 3u;
    }
}

void EvaluateCandidate(const unsigned char* bytes, std::uint32_t zerosBefore, const unsigned char* after,
                       std::size_t afterSize, SalvageCandidate& out)
{
    out.plausible = false;
    float f[12];
    std::memcpy(f, bytes, 48);
    // The normal first: it rejects almost every offset that is not a record.
    const bool zeroNormal = f[0] == 0.0f && f[1] == 0.0f && f[2] == 0.0f;
    if (!zeroNormal) {
        if (!IsOrdinary(f[0]) || !IsOrdinary(f[1]) || !IsOrdinary(f[2]))
            return;
        const double l2 = double(f[0]) * f[0] + double(f[1]) * f[1] + double(f[2]) * f[2];
        if (std::fabs(l2 - 1.0) > kUnitTolerance)
            return;
    }
    for (int i = 3; i < 12; ++i)
        if (!IsOrdinary(f[i]) || std::fabs(f[i]) > kMaxCoordinate)
            return;
    const unsigned char* va = bytes + 12;
    const unsigned char* vb = bytes + 24;
    const unsigned char* vc = bytes + 36;
    const bool ab = std::memcmp(va, vb, 12) == 0;
    const bool bc = std::memcmp(vb, vc, 12) == 0;
    const bool ca = std::memcmp(vc, va, 12) == 0;
    static const unsigned char kOrigin[12] = {};
    const bool za = std::memcmp(va, kOrigin, 12) == 0;
    if (ab && bc && za)
        return;  // what a zeroed stretch looks like

    const Vec3 n{f[0], f[1], f[2]}, v1{f[3], f[4], f[5]}, v2{f[6], f[7], f[8]}, v3{f[9], f[10], f[11]};
    out.needsZeroStyle = false;
    // Leading zeros that continue a long zero run may be damage, not data.
    std::uint32_t leading = 0;
    while (leading < kRecord && bytes[leading] == 0)
        ++leading;
    if (leading != 0 && zerosBefore + leading >= kLongZero) {
        if (leading > 12)
            return;  // a vertex byte is unknown
        if (zeroNormal) {
            out.needsZeroStyle = true;
        } else {
            float u[3];
            if (!UnitNormal(v1, v2, v3, u))
                return;
            for (std::uint32_t i = 0; 4 * i < leading; ++i)
                if (Bits(f[i]) != Bits(u[i]))
                    return;
        }
    }
    // Trailing zeros that a long zero run continues: only the attribute may be in it.
    std::uint32_t trailing = 0;
    while (trailing < kRecord && bytes[kRecord - 1 - trailing] == 0)
        ++trailing;
    if (trailing > 2) {
        std::size_t run = trailing;
        for (std::size_t i = 0; i < afterSize && run < kLongZero && after[i] == 0; ++i)
            ++run;
        if (run >= kLongZero)
            return;
    }

    out.plausible = true;
    out.zeroNormal = zeroNormal;
    std::memcpy(out.bytes, bytes, kRecord);

    out.direction = false;
    if (!zeroNormal) {
        const double e1[3] = {double(v2.x) - v1.x, double(v2.y) - v1.y, double(v2.z) - v1.z};
        const double e2[3] = {double(v3.x) - v1.x, double(v3.y) - v1.y, double(v3.z) - v1.z};
        const double c[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                             e1[0] * e2[1] - e1[1] * e2[0]};
        const double cl = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
        const double nl = std::sqrt(double(n.x) * n.x + double(n.y) * n.y + double(n.z) * n.z);
        if (cl > 0.0 && std::isfinite(cl)) {
            const double cosine = (c[0] * n.x + c[1] * n.y + c[2] * n.z) / (cl * nl);
            out.direction = std::fabs(cosine) >= kDirectionCos;
        }
    }

    // Edges between different vertices, each once. The origin is where zeroed
    // bytes put a vertex, so an edge that ends there is no evidence.
    const bool zb = std::memcmp(vb, kOrigin, 12) == 0;
    const bool zc = std::memcmp(vc, kOrigin, 12) == 0;
    const std::uint64_t ha = VertexHash(va), hb = VertexHash(vb), hc = VertexHash(vc);
    out.edges = 0;
    out.evidence = 0;
    auto edge = [&out](std::uint64_t h1, bool z1, std::uint64_t h2, bool z2) {
        if (!z1 && !z2)
            out.evidence |= static_cast<std::uint8_t>(1u << out.edges);
        out.edgeKeys[out.edges++] = EdgeKey(h1, h2);
    };
    if (ab && bc) {
        // one point: no edge at all
    } else if (ab) {
        edge(hb, zb, hc, zc);
    } else if (bc || ca) {
        edge(ha, za, hb, zb);
    } else {
        edge(ha, za, hb, zb);
        edge(hb, zb, hc, zc);
        edge(hc, zc, ha, za);
    }
    out.shared = 0;
}

// The source in 1 MiB steps through the job's reader, so that unreadable
// sectors arrive as zeros exactly as in the strict scan.
struct CSalvageScanner::Window {
    explicit Window(CFileEx& source) : m_source(source), m_buffer(kChunk + kLookahead) {}

    void Rewind()
    {
        m_source.Seek(0, CFile::begin);
        m_base = 0;
        m_size = 0;
        m_end = false;
    }
    // Bytes from position on (at least kLookahead when the data has them).
    const unsigned char* At(std::uint64_t position, std::size_t& available)
    {
        if (position + kLookahead > m_base + m_size && !m_end) {
            const std::size_t keep = static_cast<std::size_t>(m_base + m_size - position);
            std::memmove(m_buffer.data(), m_buffer.data() + (position - m_base), keep);
            m_base = position;
            const std::size_t asked = m_buffer.size() - keep;
            const unsigned got = m_source.Read(m_buffer.data() + keep, static_cast<unsigned>(asked));
            m_size = keep + got;
            if (got < asked)
                m_end = true;
        }
        available = static_cast<std::size_t>(m_base + m_size - position);
        return m_buffer.data() + (position - m_base);
    }

    CFileEx& m_source;
    std::vector<unsigned char> m_buffer;
    std::uint64_t m_base = 0;
    std::size_t m_size = 0;
    bool m_end = false;
};

CSalvageScanner::CSalvageScanner(CFileEx& source, CTargetWriter& target, CCommunicator& communicator)
    : m_source(source), m_target(target), m_comm(communicator), m_total(source.GetLength()),
      m_census(m_total), m_ring(kRingSize)
{
}

void CSalvageScanner::Progress(int pass, std::uint64_t position)
{
    if (m_total != 0)
        m_comm.SendProgress(static_cast<std::uint8_t>(static_cast<unsigned>(
            (static_cast<double>(pass) * static_cast<double>(m_total) + static_cast<double>(position)) * 100.0 /
            (3.0 * static_cast<double>(m_total)))));
}

// One pass over every candidate position. Pass 0 counts edges; pass 1 decides.
// Returns false when the host stopped the scan.
bool CSalvageScanner::Pass(int pass, Window& window)
{
    window.Rewind();
    std::uint32_t zerosBefore = 0;
    SalvageCandidate scratch;
    for (std::uint64_t q = 0;; ++q) {
        if (m_comm.QueryAbort())
            return false;
        std::size_t available;
        const unsigned char* at = window.At(q, available);
        if (available < kRecord) {
            if (pass == 1) {
                m_dataEnd = q + available;
                m_atEnd = true;
            }
            return true;
        }
        SalvageCandidate& c = pass == 0 ? scratch : m_ring[q % kRingSize];
        EvaluateCandidate(at, zerosBefore, at + kRecord, available - kRecord, c);
        if (c.plausible) {
            if (pass == 0) {
                for (std::uint8_t i = 0; i < c.edges; ++i)
                    m_census.Add(c.edgeKeys[i]);
            } else {
                for (std::uint8_t i = 0; i < c.edges; ++i)
                    if (c.evidence & (1u << i))
                        c.shared += m_census.Count(c.edgeKeys[i]) >= 2 ? 1 : 0;
            }
        }
        if (pass == 1) {
            m_candidates = q + 1;
            if (q >= kRecord)
                Finalize(q - kRecord);
        }
        zerosBefore = at[0] == 0 ? std::min(zerosBefore + 1, kLongZero) : 0;
        Progress(pass, q + 1);
    }
}

void CSalvageScanner::CloseRun(Phase& phase)
{
    if (phase.run != SIZE_MAX)
        m_runLengths[phase.run] = phase.runLength;
    phase = Phase{};
}

void CSalvageScanner::Accept(Phase& phase, std::uint64_t start, std::uint64_t count)
{
    if (phase.run == SIZE_MAX) {
        phase.run = m_runLengths.size();
        m_runLengths.push_back(0);
    }
    Stretch* last = m_stretches.empty() || m_stretches.back().run != phase.run ? nullptr : &m_stretches.back();
    if (last && last->start + kRecord * last->count == start)
        last->count += count;
    else
        m_stretches.push_back({start, count, phase.run});
}

// Decides the candidate at p once the one a grid step later is known.
void CSalvageScanner::Finalize(std::uint64_t p)
{
    const SalvageCandidate& cur = m_ring[p % kRingSize];
    const SalvageCandidate* next = p + kRecord < m_candidates ? &m_ring[(p + kRecord) % kRingSize] : nullptr;
    const SalvageCandidate* prev = p >= kRecord ? &m_ring[(p - kRecord) % kRingSize] : nullptr;
    if (next && !next->plausible)
        next = nullptr;
    if (prev && !prev->plausible)
        prev = nullptr;
    Phase& phase = m_phases[p % kRecord];

    if (!cur.plausible || (cur.needsZeroStyle && !(next && next->zeroNormal))) {
        if (phase.open)
            CloseRun(phase);
        return;
    }
    const bool inRun = phase.open;  // the run holds p - 50
    if (!phase.open) {
        phase.open = true;
        phase.anchored = p == kFirstRecord;
        phase.runStart = p;
    }
    if (p == kFirstRecord) {
        // The header ends here, whatever its bytes looked like on this grid.
        phase.anchored = true;
        phase.pendingCount = 0;
    }
    ++phase.runLength;
    const bool atDataEnd = m_atEnd && p + kRecord == m_dataEnd;
    const bool runEnds = !next && !atDataEnd;

    // The soup rule stands in for edges only where no edge is shared: a record
    // with one damaged vertex keeps its direction but loses that vertex's edges.
    const auto soup = [](const SalvageCandidate* c) { return c && c->direction && c->shared == 0; };
    const bool strong = cur.shared >= 2 || (cur.edges != 0 && cur.shared == cur.edges) ||
                        (soup(&cur) && ((inRun && soup(prev)) || soup(next)));
    if (strong && runEnds) {
        // Whatever follows a run's last record may have overwritten its attribute.
        const bool known = inRun || m_haveAttribute;
        const std::uint16_t expected = inRun && prev ? prev->Attribute() : m_lastAttribute;
        if (known && cur.Attribute() != expected) {
            --phase.runLength;
            CloseRun(phase);
            return;
        }
    }

    if (strong || (atDataEnd && phase.anchored)) {
        if (phase.anchored && phase.pendingCount != 0)
            Accept(phase, phase.pendingStart, phase.pendingCount);
        Accept(phase, p, 1);
        phase.pendingCount = 0;
        phase.anchored = true;
        if (strong) {
            m_haveAttribute = true;
            m_lastAttribute = cur.Attribute();
        }
    } else if (!runEnds && !atDataEnd) {
        if (phase.pendingCount++ == 0)
            phase.pendingStart = p;
    }
    if (runEnds || atDataEnd)
        CloseRun(phase);
}

// Accepted records of different grids that overlap cannot all be real. A ghost
// grid (a few bytes off, where the mesh's bytes happen to repeat: a plane at
// zero height makes zero normals 4 bytes early) lives only inside the real
// run it borrows its bytes from, so the longer run keeps the disputed bytes.
std::vector<CSalvageScanner::Stretch> CSalvageScanner::Resolve()
{
    std::vector<std::size_t> order(m_stretches.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return m_runLengths[m_stretches[a].run] > m_runLengths[m_stretches[b].run];
    });
    std::map<std::uint64_t, std::uint64_t> claimed;  // start -> end of bytes already kept
    std::vector<Stretch> kept;
    for (std::size_t i : order) {
        const Stretch& s = m_stretches[i];
        std::uint64_t pieceStart = s.start, pieceCount = 0;
        auto flush = [&] {
            if (pieceCount != 0) {
                kept.push_back({pieceStart, pieceCount, s.run});
                claimed[pieceStart] = pieceStart + kRecord * pieceCount;
            }
        };
        for (std::uint64_t k = 0; k < s.count; ++k) {
            const std::uint64_t at = s.start + kRecord * k;
            auto it = claimed.upper_bound(at + kRecord - 1);  // first interval starting after the record
            const bool overlaps = it != claimed.begin() && std::prev(it)->second > at;
            if (overlaps) {
                flush();
                pieceCount = 0;
                pieceStart = at + kRecord;
            } else {
                ++pieceCount;
            }
        }
        flush();
    }
    std::sort(kept.begin(), kept.end(), [](const Stretch& a, const Stretch& b) { return a.start < b.start; });
    return kept;
}

// The kept records, in the order of the source, read again through the reader.
bool CSalvageScanner::Write(const std::vector<Stretch>& stretches)
{
    unsigned char record[kRecord];
    for (const Stretch& s : stretches) {
        for (std::uint64_t k = 0; k < s.count; ++k) {
            if (m_comm.QueryAbort())
                return false;
            const std::uint64_t at = s.start + kRecord * k;
            m_source.Seek(static_cast<std::int64_t>(at), CFile::begin);
            if (m_source.Read(record, kRecord) < kRecord)
                return true;
            m_target.Write(record, kRecord);
            ++m_count;
            if (m_count % 1000 == 0)
                m_comm.SendText(EM_LOG, IDS_PROCESSED_FACETS, {m_count});
            Progress(2, at + kRecord);
        }
    }
    return true;
}

std::uint32_t CSalvageScanner::Run()
{
    Window window(m_source);
    if (Pass(0, window) && Pass(1, window)) {
        // The last positions have no grid successor left to wait for.
        const std::uint64_t from = m_candidates > kRecord ? m_candidates - kRecord : 0;
        for (std::uint64_t p = from; p < m_candidates; ++p)
            Finalize(p);
        for (Phase& phase : m_phases)
            if (phase.open)
                CloseRun(phase);
        const std::vector<Stretch> kept = Resolve();
        m_stretches.clear();
        m_stretches.shrink_to_fit();
        Write(kept);
    }
    m_target.Flush();
    if (m_count % 1000 != 0)
        m_comm.SendText(EM_LOG, IDS_PROCESSED_FACETS, {m_count});
    m_comm.SendText(EM_LOG, IDS_FINAL_PROCESSING);
    return m_count;
}

}  // namespace kalvo
