// The salvage scan.
//
// Why a record is accepted. A damaged file is runs of intact records on a
// 50-byte grid, broken by damage. Any one offset can look like a record, so the
// evidence is of three kinds, each measured on real exporters' files:
//  1. Local plausibility: all twelve numbers ordinary, coordinates within 1e8,
//     the three vertices not one point, and the stored normal either zero (of
//     one sign throughout) or of unit length within 2e-3 (real exporters stay
//     within 1e-5; its direction is not trusted: smoothed and reversed normals
//     are common).
//  2. Shared edges: a real mesh carries each edge in two facets, and a vertex's
//     bytes are written identically every time. A first pass counts, for every
//     edge of every plausible candidate, how many candidates carry it (a
//     candidate 12 bytes away that reads the same two vertices is no second
//     facet). A record is strong when at least two of its edges (all of them
//     for a degenerate facet with fewer distinct edges) are carried by another
//     candidate too; a facet soup without shared edges makes a record strong
//     when it and a grid neighbour both carry a unit normal along the normal of
//     their vertices.
//  3. The grid: a plausible but weak record (an open mesh's corner, a sliver)
//     is accepted only inside a run of plausible records on its own 50-byte
//     grid that holds a strong record on each side; the file's first record
//     slot (offset 84) and the end of the data count as such sides.
//
// Why the misaligned-by-2 trap cannot fire: a candidate a few bytes off the
// grid has vertices made of halves of two floats; no other candidate carries
// such edges, so it is never strong, and a weak run never anchors itself.
//
// Why no record is accepted whose bytes were partly damage. Inside a run every
// record has a plausible record of the same grid on both sides, so damage that
// shifts or overwrites bytes did not reach it (but see the limit below). The
// records at the two ends of a run are the exposed ones: insertions, deletions
// and zeroing join a run's last bytes to the next run's first bytes, and which
// of the two records the foreign bytes fell into shows nowhere (deleting the
// first bytes of a record and deleting the last bytes of the one before it give
// the same two overlapping candidates; an insertion leaves a gap of the same
// length whether it went between two records or into one). Shared edges prove
// the three vertices (bytes 12..48); an exposed end keeps its record only where
// the bytes the edges do not prove are proved too:
//  - A run's first record (its normal, bytes 0..12): the normal is bit for bit
//    the unit normal of the vertices or its negation; or a long zero run ends
//    less than 50 bytes before it (zeroing writes only zeros and does not shift
//    the grid; a record whose first bytes continue the zeros is kept only with
//    a zero normal, the next record's normal zero too); or it is zero, the next
//    record of the run, a proper triangle, has a zero normal too, and the file
//    writes zero normals (foreign zero bytes could have made it zero otherwise).
//  - A run's last record (its attribute word, bytes 48..50): a long zero run
//    starts less than 50 bytes after it, not right after a zero byte of it
//    (zeroing reached no byte of it; the record it cut is lost); or its
//    attribute is the one every strong record of the file whose attribute is
//    not in doubt carries (files with colour attributes lose the last record
//    before each break).
// What the file writes (one attribute, zero normals) is judged on the runs that
// keep their records in the end, not on ghost grids (below). A record that
// fails is not written, but it is a real record (its vertices are shared): its
// bytes still count against other grids, and the weak records next to it keep
// their anchor. This costs about one record per break; the records the damage
// itself broke are lost anyway.
//
// Text-mode transfer (every LF became CR LF; a file with CR LF pairs and no LF
// without a CR before it): the transfer inserted nothing but those CRs, so the
// original offset of every byte is known, and the records are exactly the
// plausible candidates on the original grid that hold no CR LF and do not end
// in a CR before an LF. That is used when the candidates with shared vertices
// lie on that grid (at least five to one); otherwise the rules above decide.
//
// Splices: damage that removes a multiple of 50 bytes leaves the grid in step,
// and the one record it cuts through is the first bytes of one record and the
// last bytes of another, with the run on both sides. Where the cut falls in
// the normal, the vertices are the second record's (shared edges and all);
// inside a vertex, that vertex is new and the record weak, but the grid vouches
// for it. Such a record is kept aside as a doubt, and written only if the file
// as a whole vouches for what is odd about it:
//  - its normal strays from its vertices' normal (the first record's normal on
//    other vertices mostly does): not further than 32 times the angle all but
//    one in a thousand of the file's strong records stay within; where both
//    grid neighbours' normals stray 32 times less, all but one in a hundred
//    (real exporters write the odd bad normal in clusters, a splice's strays
//    alone);
//  - its normal points against its vertices' normal (or along it) where all
//    but one in a thousand of the file's strong normals point the other way;
//  - it is weak, between two strong records, with a vertex no other candidate
//    has, in a closed mesh: a file with at most 10 weak records, and at most 2
//    such, per 1000 strong ones (closed, welded meshes have almost none; an open mesh's
//    corners have such vertices, and so have unwelded or T-shaped seams, and
//    there a splice cannot be told).
// A single such record in a file counts as rare (it may be the splice itself).
// What the file is like is judged on the runs that keep their records without
// conditions, as for attributes (a ghost grid turns a plane's normals round).
// Nothing is in doubt where the layout is intact (length = header + count +
// 50 x stored count: nothing was removed) or after a text-mode transfer.
// Measured on real printer files and generated meshes, damaged: these doubts
// cost up to 2 records in 10,000 and remove more than half of the splices of
// 50 x n byte deletions. What stays: splices in files of zero normals or of
// open or unwelded meshes, and splices of two coplanar records whose normals
// match. Until 1024 strong records have shown the file's angles and
// orientation, every record whose normal strays by more than 1/16384 radian
// (or points either way) is kept aside; after that only those beyond a quarter
// of the limits so far, or against the way 19 in 20 of the file's normals
// point so far.
//
// A record must have all 50 bytes; a cut-off last record is not written.
//
// Overlaps: records of different grids that overlap cannot all be real. A
// ghost grid a few bytes off the real one, where the mesh's bytes repeat (a
// plane at constant height: 4 bytes early its vertices are the real ones with
// the axes turned, shared edges, exact normals and all; 1 byte off, mantissa
// bytes become exponents), borrows its bytes from real records. Disputes are
// settled piece by piece (see Resolve): more evidence per record wins (shared
// edges, exact or well-directed normals, coordinates of the file's usual
// sizes), and where that is close, the longer run.
//
// Speed: most offsets fail on the normal alone, so sixteen offsets at a time
// are first tested on the exponents a zero or unit-length normal can have, and
// only those that pass get the full test; the census slots of a block's
// candidates are fetched from memory together, and the counting pass tests
// only plausibility and edges.
//
// Passes: the first counts edges (and the CR and LF bytes), the second decides,
// the disputed records are read once more, and the last reading writes the
// kept records in the source's order. The host is asked whether to stop before
// every candidate that passes the normal test, before every 4 KiB of the
// source, and before every record written.
//
// Memory: two parts grow with the file. The edge census holds one 32-bit slot
// per expected edge (4 per 50 bytes of source), at most 2^25 slots (128 MiB,
// about 25 million edges); once three quarters full it counts no new edges,
// and later records then rest on the grid and soup rules. The stretches (32
// bytes each, and 40 per run) grow with the number of breaks the damage made,
// not with the number of records; so do the disputed pieces and the doubts
// (16 bytes each; beyond the first 1024 strong records only the rare ones the
// file may not vouch for). The vertex census holds one slot per 50 bytes of
// source, also at most 128 MiB. The rest is fixed: a 1 MiB read window, a ring
// of 128 candidates and the candidates of one 4 KiB block (at most 4096).
#include "salvage/SalvageScan.h"

#include "EngineStrings.h"
#include "FacetTest.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <queue>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kalvo {
namespace {

constexpr std::uint32_t kRecord = CSTLFile5::kRecordSize;
constexpr std::uint64_t kFirstRecord = CSTLFile5::kHeaderSize + 4;
constexpr std::uint32_t kLongZero = 128;
// Zeroing that ends (or starts) at most this many bytes away counts as next to a record.
constexpr std::size_t kNearZeros = kRecord - 1;
constexpr std::size_t kLookahead = kRecord + kNearZeros + kLongZero;
constexpr std::size_t kLookbehind = kNearZeros + kLongZero;
constexpr std::size_t kChunk = std::size_t(1) << 20;
constexpr std::size_t kBlock = 4096;    // offsets between two questions to the host
constexpr std::size_t kRingSize = 128;  // holds p - 50 .. p + 50
constexpr double kUnitTolerance = 2e-3;
constexpr double kDirectionCos = 0.999;
constexpr float kMaxCoordinate = 1e8f;
// A normal this far from its vertices' normal is weighed against the file's own.
constexpr float kStrayAngle = 1.0f / 16384;
constexpr int kAngleMargin = 5;               // bins: 32 times as far as the file's normals stray
constexpr std::uint64_t kAngleSample = 1024;  // strong records between two looks at the file's angles
// Weak records with a vertex of their own, per thousand strong records, that show a file made so.
constexpr std::uint64_t kLonelyPerMille = 2;
// Weak records per thousand strong ones that show a mesh not closed.
constexpr std::uint64_t kClosedPerMille = 10;
constexpr std::uint64_t kTextTransferPairs = 4;  // CR LF pairs, with no lone LF, that show a text-mode transfer
constexpr unsigned char kCR = 0x0D, kLF = 0x0A;

// At most perMille of a thousand, or a single one (the splice itself, in a
// small file).
bool Rare(std::uint64_t count, std::uint64_t total, std::uint64_t perMille)
{
    return count <= 1 || count * 1000 <= total * perMille;
}

int AngleBin(float angle)
{
    if (!(angle > 0.0f))
        return 0;
    return std::clamp(std::ilogb(angle) + 31, 0, kSalvageAngleBins - 1);
}

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

bool HasCrLf(const unsigned char* bytes, std::size_t size)
{
    for (const unsigned char* p = bytes; (p = static_cast<const unsigned char*>(
                                              std::memchr(p, kCR, static_cast<std::size_t>(bytes + size - 1 - p)))) != nullptr;
         ++p)
        if (p[1] == kLF)
            return true;
    return false;
}

// Zero bytes from at on, at most limit of the size there are.
std::size_t ZerosFrom(const unsigned char* at, std::size_t size, std::size_t limit)
{
    const std::size_t n = std::min(size, limit);
    std::size_t i = 0;
    while (i + 8 <= n) {
        std::uint64_t w;
        std::memcpy(&w, at + i, 8);
        if (w != 0)
            break;
        i += 8;
    }
    while (i < n && at[i] == 0)
        ++i;
    return i;
}

// Zero bytes right before at, at most limit of the size there are.
std::size_t ZerosBefore(const unsigned char* at, std::size_t size, std::size_t limit)
{
    const std::size_t n = std::min(size, limit);
    std::size_t i = 0;
    while (i < n && at[-1 - static_cast<std::ptrdiff_t>(i)] == 0)
        ++i;
    return i;
}

// Where in the first kNearZeros + 1 bytes of at[0..size) a run of at least
// kLongZero zero bytes starts (or zeros that reach the end of the data); -1 if
// none does.
long LongZerosStartNear(const unsigned char* at, std::size_t size, bool atEnd)
{
    // Such a run would cover at[64], unless the data ends before it.
    if (size > 64 && at[64] != 0)
        return -1;
    for (std::size_t i = 0; i <= kNearZeros && i < size;) {
        if (at[i] != 0) {
            ++i;
            continue;
        }
        const std::size_t run = ZerosFrom(at + i, size - i, kLongZero);
        if (run >= kLongZero || (atEnd && i + run == size))
            return static_cast<long>(i);
        i += run;
    }
    return atEnd && size == 0 ? 0 : -1;
}

// A run of at least kLongZero zero bytes ends within the kNearZeros + 1 bytes
// before at (behind bytes before it may be read).
bool LongZerosEndNear(const unsigned char* at, std::size_t behind)
{
    // Such a run would cover at[-64].
    if (behind < kLongZero || at[-64] != 0)
        return false;
    for (std::size_t i = 0; i <= kNearZeros && i < behind;) {
        if (at[-1 - static_cast<std::ptrdiff_t>(i)] != 0) {
            ++i;
            continue;
        }
        const std::size_t run = ZerosBefore(at - i, behind - i, kLongZero);
        if (run >= kLongZero)
            return true;
        i += run;
    }
    return false;
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

// A unit normal has every component below 2 and one of at least 1/sqrt(3) in
// size, so the top seven exponent bits (byte 3 of each float, sign masked) are
// at most 0x3F with one equal to 0x3F; a zero normal has them all zero. Bytes
// alone, sixteen offsets at a time.
std::uint64_t NormalPrefilter(const unsigned char* at, unsigned n)
{
    std::uint64_t mask = 0;
#if defined(__SSE2__)
    const __m128i exponentBits = _mm_set1_epi8(0x7F), unitTop = _mm_set1_epi8(0x3F), zero = _mm_setzero_si128();
    for (unsigned g = 0; g < n; g += 16) {
        const auto top = [&](unsigned component) {
            return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + g + 4 * component + 3)),
                                 exponentBits);
        };
        const __m128i largest = _mm_max_epu8(_mm_max_epu8(top(0), top(1)), top(2));
        const __m128i ok = _mm_or_si128(_mm_cmpeq_epi8(largest, unitTop), _mm_cmpeq_epi8(largest, zero));
        mask |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(ok))) << g;
    }
#else
    for (unsigned i = 0; i < n; ++i) {
        const unsigned largest = std::max({at[i + 3] & 0x7Fu, at[i + 7] & 0x7Fu, at[i + 11] & 0x7Fu});
        if (largest == 0x3F || largest == 0)
            mask |= std::uint64_t(1) << i;
    }
#endif
    return n < 64 ? mask & ((std::uint64_t(1) << n) - 1) : mask;
}

static void Describe(const unsigned char* bytes, std::size_t behind, const unsigned char* after,
                     std::size_t afterSize, bool atEnd, SalvageCandidate& out);

// The vertex census keys of the record at bytes: its different vertices off
// the origin. Returns how many.
static std::uint8_t VertexKeys(const unsigned char* bytes, std::uint64_t keys[3])
{
    static const unsigned char kOrigin[12] = {};
    std::uint8_t n = 0;
    for (int i = 0; i < 3; ++i) {
        const unsigned char* v = bytes + 12 + 12 * i;
        bool repeated = std::memcmp(v, kOrigin, 12) == 0;
        for (int j = 0; j < i && !repeated; ++j)
            repeated = std::memcmp(v, bytes + 12 + 12 * j, 12) == 0;
        if (!repeated)
            keys[n++] = Mix(VertexHash(v) ^ 0x5851F42D4C957F2Dull);
    }
    return n;
}
static void Edges(const unsigned char* bytes, bool ab, bool bc, bool ca, bool za, SalvageCandidate& out);

void EvaluateCandidate(const unsigned char* bytes, std::size_t behind, const unsigned char* after,
                       std::size_t afterSize, bool atEnd, SalvageCandidate& out, bool full)
{
    out.plausible = false;
    float f[12];
    std::memcpy(f, bytes, 48);
    // The normal first: it rejects almost every offset that is not a record.
    // Zero with one sign throughout: (0, 0, -0) is what a (0, 0, 1) normal one byte on gives.
    std::uint32_t nb[3];
    std::memcpy(nb, bytes, 12);
    const bool zeroNormal = (nb[0] | nb[1] | nb[2]) == 0 || (nb[0] == 0x80000000u && nb[1] == nb[0] && nb[2] == nb[0]);
    if (!zeroNormal) {
        if (!IsOrdinary(f[0]) || !IsOrdinary(f[1]) || !IsOrdinary(f[2]))
            return;  // (and a zero normal of mixed signs fails the length test)
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

    out.needsZeroStyle = false;
    // Leading zeros that continue a long zero run may be damage, not data.
    const std::size_t leading = ZerosFrom(bytes, kRecord, kRecord);
    const std::size_t zerosBefore = leading + ZerosBefore(bytes, behind, kLongZero);
    if (leading != 0 && zerosBefore >= kLongZero) {
        if (leading > 12)
            return;  // a vertex byte is unknown
        // A normal whose first bytes were zeroed is still of unit length where
        // they were the low bytes of a tiny component, and then even equals the
        // vertices' normal while the stored one did not: only a file of zero
        // normals keeps such a record.
        if (!zeroNormal)
            return;
        out.needsZeroStyle = true;
    }
    // Trailing zeros that a long zero run continues: only the attribute may be in it.
    std::size_t trailing = 0;
    while (trailing < kRecord && bytes[kRecord - 1 - trailing] == 0)
        ++trailing;
    const std::size_t zerosAfter = ZerosFrom(after, afterSize, kLongZero);
    // (At the end of the data itself the end-of-data rule decides.)
    const bool zerosToTheEnd = atEnd && afterSize != 0 && zerosAfter == afterSize;
    if (trailing > 2 && (trailing + zerosAfter >= kLongZero || zerosToTheEnd))
        return;

    out.plausible = true;
    out.zeroNormal = zeroNormal;
    if (full)
        Describe(bytes, behind, after, afterSize, atEnd, out);
    Edges(bytes, ab, bc, ca, za, out);
}

// What the decision needs beyond plausibility and edges.
static void Describe(const unsigned char* bytes, std::size_t behind, const unsigned char* after,
                     std::size_t afterSize, bool atEnd, SalvageCandidate& out)
{
    float f[12];
    std::memcpy(f, bytes, 48);
    const bool zeroNormal = out.zeroNormal;
    const bool ab = std::memcmp(bytes + 12, bytes + 24, 12) == 0;
    const bool bc = std::memcmp(bytes + 24, bytes + 36, 12) == 0;
    const bool ca = std::memcmp(bytes + 36, bytes + 12, 12) == 0;
    const Vec3 n{f[0], f[1], f[2]}, v1{f[3], f[4], f[5]}, v2{f[6], f[7], f[8]}, v3{f[9], f[10], f[11]};
    float u[3];
    const bool proper = UnitNormal(v1, v2, v3, u);
    const std::size_t zerosBefore = ZerosFrom(bytes, kRecord, kRecord) + ZerosBefore(bytes, behind, kLongZero);
    out.zerosBefore = zerosBefore >= kLongZero || LongZerosEndNear(bytes, behind);
    // Zeroing that starts right after the record may have taken its last zero bytes too.
    const long zerosStart = LongZerosStartNear(after, afterSize, atEnd);
    out.zerosAfter = zerosStart > 0 || (zerosStart == 0 && bytes[kRecord - 1] != 0);
    out.crlf = HasCrLf(bytes, kRecord);
    out.crAtEnd = bytes[kRecord - 1] == kCR && afterSize != 0 && after[0] == kLF;
    std::memcpy(out.bytes, bytes, kRecord);

    out.exact = false;
    out.direction = false;
    out.angle = -1.0f;
    out.against = false;
    if (!zeroNormal && proper) {
        out.exact = (Bits(f[0]) == Bits(u[0]) && Bits(f[1]) == Bits(u[1]) && Bits(f[2]) == Bits(u[2])) ||
                    (Bits(f[0]) == Bits(-u[0]) && Bits(f[1]) == Bits(-u[1]) && Bits(f[2]) == Bits(-u[2]));
    }
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
            // (The chord 2 sin(angle / 2): within 4 % of the angle up to a radian, and no arc cosine.)
            out.angle = static_cast<float>(std::sqrt(2.0 * std::max(0.0, 1.0 - std::fabs(cosine))));
            out.against = cosine < 0.0;
        }
    }
    out.proper = proper && !ab && !bc && !ca;
}

// Edges between different vertices, each once. The origin is where zeroed
// bytes put a vertex, so an edge that ends there is no evidence.
static void Edges(const unsigned char* bytes, bool ab, bool bc, bool ca, bool za, SalvageCandidate& out)
{
    static const unsigned char kOrigin[12] = {};
    const unsigned char* va = bytes + 12;
    const unsigned char* vb = bytes + 24;
    const unsigned char* vc = bytes + 36;
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
// sectors arrive as zeros exactly as in the strict scan. Positions only grow;
// the 128 bytes before a position stay at hand.
struct CSalvageScanner::Window {
    explicit Window(CFileEx& source) : m_source(source), m_buffer(kChunk + kLookahead + kLookbehind) {}

    void Rewind()
    {
        m_source.Seek(0, CFile::begin);
        m_base = 0;
        m_size = 0;
        m_end = false;
    }
    // Bytes from position on (at least kLookahead when the data has them);
    // behind: how many bytes before it are at hand.
    const unsigned char* At(std::uint64_t position, std::size_t& available, std::size_t& behind)
    {
        if (position + kLookahead > m_base + m_size && !m_end) {
            if (position > m_base + m_size) {
                m_source.Seek(static_cast<std::int64_t>(position), CFile::begin);
                m_base = position;
                m_size = 0;
            }
            const std::uint64_t from = std::max(m_base, position >= kLookbehind ? position - kLookbehind : 0);
            const std::size_t keep = static_cast<std::size_t>(m_base + m_size - from);
            std::memmove(m_buffer.data(), m_buffer.data() + (from - m_base), keep);
            m_base = from;
            const std::size_t asked = m_buffer.size() - keep;
            const unsigned got = m_source.Read(m_buffer.data() + keep, static_cast<unsigned>(asked));
            m_size = keep + got;
            if (got < asked)
                m_end = true;
        }
        available = position < m_base + m_size ? static_cast<std::size_t>(m_base + m_size - position) : 0;
        behind = static_cast<std::size_t>(position - m_base);
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
      m_census(m_total), m_vertexCensus(0), m_ring(kRingSize)
{
}

void CSalvageScanner::Progress(int pass, std::uint64_t position)
{
    if (m_total != 0)
        m_comm.SendProgress(static_cast<std::uint8_t>(static_cast<unsigned>(
            (static_cast<double>(pass) * static_cast<double>(m_total) + static_cast<double>(position)) * 100.0 /
            (3.0 * static_cast<double>(m_total)))));
}

// One pass over every candidate position. Pass 0 counts edges and line ends;
// pass 1 decides. Returns false when the host stopped the scan.
bool CSalvageScanner::Pass(int pass, Window& window)
{
    window.Rewind();
    std::vector<SalvageCandidate> batch;  // at most one per offset of a block
    batch.reserve(kBlock);
    std::vector<std::size_t> crlfAt;  // CR LF pairs of the block (offsets of the CR)
    unsigned char before = 0;  // the byte before the block, for CR LF pairs across blocks
    for (std::uint64_t q = 0;;) {
        if (m_comm.QueryAbort())
            return false;
        std::size_t available, behind;
        const unsigned char* at = window.At(q, available, behind);
        if (q == 0 && pass == 0 && available >= kFirstRecord) {
            std::uint32_t stored;
            std::memcpy(&stored, at + CSTLFile5::kHeaderSize, 4);
            m_intactLayout = m_total == kFirstRecord + std::uint64_t(kRecord) * stored;
            if (!m_intactLayout)
                m_vertexCensus = CEdgeCensus(m_total / 4);  // one slot per 50 bytes
        }
        const std::size_t n = available < kRecord ? available : std::min(kBlock, available - kRecord + 1);
        if (pass == 0) {
            for (std::size_t i = 0; i < n; ++i) {
                const unsigned char* lf = static_cast<const unsigned char*>(std::memchr(at + i, kLF, n - i));
                if (!lf)
                    break;
                i = static_cast<std::size_t>(lf - at);
                if ((i == 0 ? before : at[i - 1]) == kCR)
                    ++m_crlfPairs;
                else
                    ++m_loneLineFeeds;
            }
            if (n != 0)
                before = at[n - 1];
        }
        if (available < kRecord) {
            if (pass == 1) {
                m_dataEnd = q + available;
                m_atEnd = true;
            }
            return true;
        }
        // The block's plausible candidates first, then their edges: the census
        // slots are fetched from memory for all of them at once.
        batch.clear();
        for (std::size_t g = 0; g < n; g += 64) {
            const unsigned m = static_cast<unsigned>(std::min<std::size_t>(64, n - g));
            for (std::uint64_t mask = NormalPrefilter(at + g, m); mask != 0; mask &= mask - 1) {
                const std::size_t i = g + static_cast<std::size_t>(std::countr_zero(mask));
                if (m_comm.QueryAbort())
                    return false;
                SalvageCandidate& c = batch.emplace_back();
                const std::size_t afterSize = available - i - kRecord;
                EvaluateCandidate(at + i, behind + i, at + i + kRecord, afterSize, window.m_end, c, pass == 1);
                if (!c.plausible) {
                    batch.pop_back();
                    continue;
                }
                c.position = q + i;
                for (std::uint8_t e = 0; e < c.edges; ++e)
                    m_census.Prefetch(c.edgeKeys[e]);
                if (pass == 0 && !m_intactLayout) {  // (nothing is in doubt in an intact layout)
                    c.vertexCount = VertexKeys(at + i, c.vertexKeys);
                    for (std::uint8_t v = 0; v < c.vertexCount; ++v)
                        m_vertexCensus.Prefetch(c.vertexKeys[v]);
                }
            }
        }
        // After a text-mode transfer the original offset of a byte is its offset
        // less the CRs inserted before it, one per CR LF pair.
        crlfAt.clear();
        if (pass == 1 && m_textTransfer)
            for (std::size_t j = 0; j < n; ++j) {
                const unsigned char* cr = static_cast<const unsigned char*>(std::memchr(at + j, kCR, n - j));
                if (!cr)
                    break;
                j = static_cast<std::size_t>(cr - at);
                if (cr[1] == kLF)
                    crlfAt.push_back(j);
            }
        std::size_t pairs = 0;  // of crlfAt, before the candidate
        for (SalvageCandidate& c : batch) {
            if (pass == 1 && m_textTransfer) {
                const std::size_t i = static_cast<std::size_t>(c.position - q);
                while (pairs < crlfAt.size() && crlfAt[pairs] < i)
                    ++pairs;
                const std::uint64_t original = c.position - m_pairsBefore - pairs;
                const bool onGrid = original >= kFirstRecord && (original - kFirstRecord) % kRecord == 0;
                if (onGrid && !c.crlf && !c.crAtEnd)
                    KeepTransferred(c.position);
                if (!c.crlf)
                    m_transferGrid[onGrid ? 1 : 0] += TransferEvidence(c);
            }
            if (pass == 0) {
                for (std::uint8_t e = 0; e < c.edges; ++e)
                    m_census.Add(c.edgeKeys[e]);
                for (std::uint8_t v = 0; v < c.vertexCount; ++v)
                    m_vertexCensus.Add(c.vertexKeys[v]);
            } else if (!(m_textTransfer && c.crlf)) {
                // (After a text-mode transfer a record that holds a CR LF had a CR
                // inserted; without one, leaving it out only costs a record.)
                const std::size_t i = static_cast<std::size_t>(c.position - q);
                const unsigned overlapping = SameBytesCounted(c, at + i, behind + i, available - i, window.m_end);
                for (std::uint8_t e = 0; e < c.edges; ++e)
                    if (c.evidence & (1u << e))
                        c.shared += m_census.Count(c.edgeKeys[e]) >= 2u + ((overlapping >> e) & 1u) ? 1 : 0;
                Push(c);
            }
        }
        m_pairsBefore += crlfAt.size();
        q += n;
        Progress(pass, q);
    }
}

// One for a candidate whose vertices the census shows shared (counted before
// its edges are: enough to tell the grid a transfer predicts from another).
unsigned CSalvageScanner::TransferEvidence(const SalvageCandidate& c) const
{
    unsigned shared = 0;
    for (std::uint8_t e = 0; e < c.edges; ++e)
        if (c.evidence & (1u << e))
            shared += m_census.Count(c.edgeKeys[e]) >= 2 ? 1 : 0;
    return shared >= 2 ? 1 : 0;
}

void CSalvageScanner::KeepTransferred(std::uint64_t p)
{
    if (!m_transferred.empty() && m_transferred.back().start + kRecord * m_transferred.back().count == p) {
        ++m_transferred.back().count;
        return;
    }
    m_transferred.push_back({p, 1, m_runWeights.size()});
    RunWeight& weight = m_runWeights.emplace_back();
    weight.length = 1;
}

// Bit i: the census counted edge i of c a second time from the same bytes, in
// the candidate 12 bytes before it (its second and third vertex are c's first
// and second) or 12 bytes after it (its first and second are c's second and
// third). Bytes read twice are not a second facet.
unsigned CSalvageScanner::SameBytesCounted(const SalvageCandidate& c, const unsigned char* at, std::size_t behind,
                                           std::size_t available, bool atEnd) const
{
    if (c.edges != 3)
        return 0;  // the shared pairs exist only between three different vertices
    unsigned bits = 0;
    SalvageCandidate other;
    const auto counted = [&](const SalvageCandidate& o, std::uint64_t key) {
        return o.plausible && std::find(o.edgeKeys, o.edgeKeys + o.edges, key) != o.edgeKeys + o.edges;
    };
    // Only where the count is exactly 2 does a second count from the same bytes matter.
    const auto mayRecord = [](const unsigned char* b) { return NormalPrefilter(b, 1) != 0; };
    if (behind >= 12 && m_census.Count(c.edgeKeys[0]) == 2 && mayRecord(at - 12)) {
        EvaluateCandidate(at - 12, behind - 12, at + kRecord - 12, available - kRecord + 12, atEnd, other, false);
        if (counted(other, c.edgeKeys[0]))
            bits |= 1u;  // edge a-b
    }
    if (available >= kRecord + 12 && m_census.Count(c.edgeKeys[1]) == 2 && mayRecord(at + 12)) {
        EvaluateCandidate(at + 12, behind + 12, at + kRecord + 12, available - kRecord - 12, atEnd, other, false);
        if (counted(other, c.edgeKeys[1]))
            bits |= 2u;  // edge b-c
    }
    return bits;
}

const SalvageCandidate* CSalvageScanner::At(std::uint64_t p) const
{
    const SalvageCandidate& c = m_ring[p % kRingSize];
    return c.position == p && c.plausible ? &c : nullptr;
}

// The candidate c joins the ring and the queue; every queued one whose grid
// successor is now known is decided, in the order of the source.
void CSalvageScanner::Push(const SalvageCandidate& c)
{
    const std::uint64_t q = c.position;
    auto decideWhile = [this](auto ready) {
        while (m_queueSize != 0 && ready(m_queue[m_queueHead])) {
            const std::uint64_t p = m_queue[m_queueHead];
            m_queueHead = (m_queueHead + 1) % std::size(m_queue);
            --m_queueSize;
            Finalize(p);
        }
    };
    // Those with no candidate at p + 50 before the slot of q is reused.
    decideWhile([q](std::uint64_t p) { return p + kRecord < q; });
    m_ring[q % kRingSize] = c;
    m_queue[(m_queueHead + m_queueSize) % std::size(m_queue)] = q;
    ++m_queueSize;
    decideWhile([q](std::uint64_t p) { return p + kRecord == q; });
}

void CSalvageScanner::CloseRun(Phase& phase)
{
    if (phase.run != SIZE_MAX)
        m_runWeights[phase.run] = {phase.evidence,      phase.runLength,       phase.zeroNormals, phase.otherNormals,
                                   phase.tally,         phase.haveAttribute,   phase.mixedAttributes, phase.attribute};
    phase = Phase{};
}

void CSalvageScanner::Accept(Phase& phase, std::uint64_t start, std::uint64_t count, std::uint8_t needs,
                             std::uint16_t attribute)
{
    if (phase.run == SIZE_MAX) {
        phase.run = m_runWeights.size();
        m_runWeights.emplace_back();
    }
    Stretch* last = m_stretches.empty() || m_stretches.back().run != phase.run ? nullptr : &m_stretches.back();
    if (needs == 0 && last && last->needs == 0 && last->start + kRecord * last->count == start)
        last->count += count;
    else
        m_stretches.push_back({start, count, phase.run, needs, attribute});
}

// The weak records waiting in the run, and what some of them still need.
void CSalvageScanner::AcceptPending(Phase& phase)
{
    Accept(phase, phase.pendingStart, phase.pendingCount);
    phase.tally.weak += phase.pendingCount;
    const std::uint64_t end = phase.pendingStart + kRecord * phase.pendingCount;
    for (const Doubt& doubt : phase.doubts)
        if (doubt.at >= phase.pendingStart && doubt.at < end) {
            m_doubts.push_back(doubt);
            if (doubt.what & kLonelyVertex) {
                ++m_lonelyWeak;
                ++phase.tally.lonely;
            }
        }
    phase.doubts.clear();
}

// The angle that perMille of a thousand strong records' normals stay within
// (the upper end of its bin), times 2^margin; infinite before any strong record.
float CSalvageScanner::StrayLimit(int margin, unsigned perMille) const
{
    std::uint64_t total = 0;
    for (std::uint64_t n : m_angles)
        total += n;
    if (total == 0)
        return INFINITY;
    int usual = 0;
    for (std::uint64_t below = 0; usual + 1 < kSalvageAngleBins && (below + m_angles[usual]) * 1000 < total * perMille;)
        below += m_angles[usual++];
    return std::ldexp(1.0f, usual - 30 + margin);
}

// Whether the normal of cur strays far enough to be weighed in the end, and
// whether it strays alone (its grid neighbours' normals 2^margin times closer).
std::uint8_t CSalvageScanner::Strays(const SalvageCandidate& cur, const SalvageCandidate* prev,
                                         const SalvageCandidate* next) const
{
    if (!(cur.angle > kStrayAngle))
        return 0;
    // Unknown where a neighbour is missing or has a zero normal.
    const auto angle = [](const SalvageCandidate* c) { return c && c->angle >= 0.0f ? c->angle : INFINITY; };
    const bool alone = cur.angle > std::ldexp(std::max(angle(prev), angle(next)), kAngleMargin);
    if (alone && cur.angle > m_strayFlagAlone)
        return kStrays | kStraysAlone;
    return cur.angle > m_strayFlag ? kStrays : 0;
}

// Whether a vertex of c is carried by no other candidate.
bool CSalvageScanner::Lonely(const SalvageCandidate& c) const
{
    std::uint64_t keys[3];
    const std::uint8_t n = VertexKeys(c.bytes, keys);
    for (std::uint8_t v = 0; v < n; ++v)
        if (m_vertexCensus.Count(keys[v]) < 2)
            return true;
    return false;
}

// What the file must vouch for before cur is written: how far its normal
// strays, and which way it points where that is not the way the file's
// normals point so far (until 1024 strong records have shown that, either way).
std::uint8_t CSalvageScanner::Doubts(const SalvageCandidate& cur, const SalvageCandidate* prev,
                                     const SalvageCandidate* next) const
{
    std::uint8_t what = Strays(cur, prev, next);
    if (cur.angle >= 0.0f && cur.angle < 1.0f) {  // (beyond a radian the angle alone tells)
        // (Where both ways are common, the file vouches for both: no doubt to keep.)
        const bool early = m_along + m_against < kAngleSample;
        if (cur.against && (early || m_against * 20 < m_along))
            what |= kAgainst;
        else if (!cur.against && (early || m_along * 20 < m_against))
            what |= kAlong;
    }
    return what;
}

// The first bytes of a run's first record: see the rules at the top.
CSalvageScanner::Head CSalvageScanner::HeadCheck(const SalvageCandidate& cur, const SalvageCandidate* next) const
{
    if (cur.exact || cur.zerosBefore)
        return Head::Sound;
    const bool verticesShared = cur.shared >= 2 || (cur.edges != 0 && cur.shared == cur.edges);
    return cur.zeroNormal && verticesShared && next && next->zeroNormal && next->proper ? Head::IfZeroNormalFile
                                                                                       : Head::Doubtful;
}

// The last bytes of a run's last record: see the rules at the top.
CSalvageScanner::Tail CSalvageScanner::TailCheck(const SalvageCandidate& cur) const
{
    if (cur.zerosAfter)
        return Tail::Sound;
    // Beyond the attribute, a foreign byte would be in the last vertex.
    const bool verticesShared = cur.shared >= 2 || (cur.edges != 0 && cur.shared == cur.edges);
    return verticesShared || cur.exact ? Tail::IfFileAttribute : Tail::Doubtful;
}

// Decides the candidate at p once the one a grid step later is known.
void CSalvageScanner::Finalize(std::uint64_t p)
{
    const SalvageCandidate& cur = *At(p);
    const SalvageCandidate* next = At(p + kRecord);
    const SalvageCandidate* prev = p >= kRecord ? At(p - kRecord) : nullptr;
    Phase& phase = m_phases[p % kRecord];

    if (cur.needsZeroStyle && !(next && next->zeroNormal)) {
        if (phase.open)
            CloseRun(phase);
        return;
    }
    const bool inRun = phase.open;  // the run holds p - 50
    if (!phase.open) {
        phase.open = true;
        phase.anchored = p == kFirstRecord;
    }
    if (p == kFirstRecord) {
        // The header ends here, whatever its bytes looked like on this grid.
        phase.anchored = true;
        phase.pendingCount = 0;
    }
    ++phase.runLength;
    phase.evidence += cur.shared + (cur.direction || cur.exact ? 1 : 0);
    const bool atDataEnd = m_atEnd && p + kRecord == m_dataEnd;
    const bool runEnds = !next && !atDataEnd;
    const bool last = runEnds || atDataEnd;

    // The soup rule stands in for edges only where no edge is shared: a record
    // with one damaged vertex keeps its direction but loses that vertex's edges.
    const auto soup = [](const SalvageCandidate* c) { return c && c->direction && c->shared == 0; };
    const bool strong = cur.shared >= 2 || (cur.edges != 0 && cur.shared == cur.edges) ||
                        (soup(&cur) && ((inRun && soup(prev)) || soup(next)));
    const bool headExposed = !inRun && p != kFirstRecord;
    // At the end of the data nothing followed that could have overwritten the
    // record, unless zeroing reached the end (an intact layout is kept as it is).
    const bool tailExposed = runEnds || (atDataEnd && cur.bytes[kRecord - 1] == 0 && !m_intactLayout);

    if (!strong && !(atDataEnd && phase.anchored)) {
        if (!last) {
            if (phase.pendingCount == 0)
                phase.doubts.clear();
            const auto firm = [](const SalvageCandidate* c) {
                return c && (c->shared >= 2 || (c->edges != 0 && c->shared == c->edges));
            };
            // (A splice sits between two real records of the mesh; a weak record
            // of an open or unwelded region mostly has weak neighbours.)
            // Once the file clearly vouches for them, they are no doubt.
            m_lonelyFile = m_lonelyFile || (m_strongRecords >= kAngleSample &&
                                            m_lonelyWeak * 1000 >= m_strongRecords * 2 * kLonelyPerMille);
            const bool lonely = !m_lonelyFile && firm(prev) && firm(next) && Lonely(cur);
            const std::uint8_t what = Doubts(cur, prev, next) | (lonely ? kLonelyVertex : 0);
            if (what != 0)
                phase.doubts.push_back({p, what, cur.angle});
            if (phase.pendingCount++ == 0)
                phase.pendingStart = p;
        } else {
            CloseRun(phase);
        }
        return;
    }
    if (strong && !tailExposed) {
        if (!phase.haveAttribute) {
            phase.haveAttribute = true;
            phase.attribute = cur.Attribute();
        } else if (cur.Attribute() != phase.attribute) {
            phase.mixedAttributes = true;
        }
    }
    if (strong && !headExposed)
        ++(cur.zeroNormal ? phase.zeroNormals : phase.otherNormals);
    if (strong && !headExposed) {
        ++m_strongRecords;
        ++phase.tally.strong;
        if (cur.angle >= 0.0f && cur.angle < 1.0f) {
            ++(cur.against ? m_against : m_along);
            ++(cur.against ? phase.tally.against : phase.tally.along);
        }
    }
    if (strong && !headExposed && cur.angle >= 0.0f) {
        ++m_angles[AngleBin(cur.angle)];
        // Until the file's angles are known, every stray normal is weighed in the end.
        if (++m_anglesCounted % kAngleSample == 0) {
            m_strayFlag = StrayLimit(kAngleMargin - 2, 999);
            m_strayFlagAlone = StrayLimit(kAngleMargin - 2, 990);
        }
    }
    if (strong)
        for (int i = 12; i < 48; i += 4)
            if ((cur.bytes[i + 3] & 0x7F) != 0 || cur.bytes[i + 2] != 0)
                ++m_exponents[((cur.bytes[i + 3] & 0x7F) << 1) | (cur.bytes[i + 2] >> 7)];
    const Head head = strong && headExposed ? HeadCheck(cur, next) : Head::Sound;
    if (head == Head::Doubtful) {
        // Its shared vertices still prove the grid; only its first bytes are in doubt.
        Accept(phase, p, 1, kBlocker);
        phase.anchored = true;
        phase.pendingCount = 0;
        if (last)
            CloseRun(phase);
        return;
    }
    const Tail tail = tailExposed ? TailCheck(cur) : Tail::Sound;
    if (phase.anchored && phase.pendingCount != 0)
        AcceptPending(phase);
    const std::uint8_t needs = (head == Head::IfZeroNormalFile ? kNeedsZeroNormalFile : 0) |
                               (tail == Tail::IfFileAttribute ? kNeedsFileAttribute : 0) |
                               (tail == Tail::Doubtful ? kBlocker : 0);
    if (strong || tail != Tail::Doubtful) {
        Accept(phase, p, 1, needs, cur.Attribute());
        if (const std::uint8_t what = Doubts(cur, prev, next))
            m_doubts.push_back({p, what, cur.angle});
    }
    phase.pendingCount = 0;
    phase.anchored = true;
    if (last)
        CloseRun(phase);
}

// The runs of the stretches that keep records without conditions, each once:
// what the file is like is judged on them, not on ghost grids that lost their bytes.
std::vector<std::size_t> CSalvageScanner::SureRuns(const std::vector<Stretch>& list) const
{
    std::vector<bool> counted(m_runWeights.size());
    std::vector<std::size_t> runs;
    for (const Stretch& x : list)
        if (x.needs == 0 && x.run < counted.size() && !counted[x.run]) {
            counted[x.run] = true;
            runs.push_back(x.run);
        }
    return runs;
}

// The records in doubt that the file does not vouch for leave the stretches
// (sorted by start) they stand in. Nothing was spliced where the layout is intact.
void CSalvageScanner::DropDoubted(std::vector<Stretch>& list) const
{
    if (m_intactLayout || m_doubts.empty())
        return;
    const float strayLimit = StrayLimit(kAngleMargin, 999), aloneLimit = StrayLimit(kAngleMargin, 990);
    // (Ghost grids turn a plane's normals round.)
    Tally file;
    for (std::size_t run : SureRuns(list)) {
        const Tally& t = m_runWeights[run].tally;
        file.strong += t.strong;
        file.weak += t.weak;
        file.lonely += t.lonely;
        file.along += t.along;
        file.against += t.against;
    }
    // A closed, welded mesh has hardly any weak records and none with a vertex
    // of its own: there, those are the splices. (An open mesh's corners have
    // such vertices, and so have meshes with unwelded or T-shaped seams.)
    const bool closedFile = !m_lonelyFile && Rare(file.weak, file.strong, kClosedPerMille) &&
                            Rare(file.lonely, file.strong, kLonelyPerMille);
    // A file whose normals all point one way (but one in a thousand) wrote none the other way.
    const bool alongOnly = Rare(file.against, file.along + file.against, 1);
    const bool againstOnly = Rare(file.along, file.along + file.against, 1);
    std::vector<std::uint64_t> dropped;
    for (const Doubt& d : m_doubts)
        if (((d.what & kLonelyVertex) && closedFile) || ((d.what & kAgainst) && alongOnly) ||
            ((d.what & kAlong) && againstOnly) ||
            ((d.what & kStrays) && d.angle > ((d.what & kStraysAlone) ? aloneLimit : strayLimit)))
            dropped.push_back(d.at);
    if (dropped.empty())
        return;
    std::sort(dropped.begin(), dropped.end());
    std::vector<Stretch> out;
    out.reserve(list.size() + dropped.size());
    for (const Stretch& x : list) {
        std::uint64_t from = x.start;
        const std::uint64_t end = x.start + kRecord * x.count;
        for (auto it = std::lower_bound(dropped.begin(), dropped.end(), x.start); it != dropped.end() && *it < end; ++it) {
            if ((*it - x.start) % kRecord != 0)
                continue;  // a record of another grid
            if (*it > from)
                out.push_back({from, (*it - from) / kRecord, x.run, x.needs, x.attribute});
            from = *it + kRecord;
        }
        if (end > from)
            out.push_back({from, (end - from) / kRecord, x.run, x.needs, x.attribute});
    }
    list = std::move(out);
}

// Accepted records of different grids that overlap cannot all be real. A ghost
// grid (a few bytes off, where the mesh's bytes happen to repeat: a plane at
// zero height makes zero normals 4 bytes early) borrows its bytes from real
// records, and its vertices, being permuted, share fewer edges and rarely have
// the stored normal's direction. A ghost can also continue a real run across a
// shift of the bytes, so runs are not compared as a whole: every stretch is cut
// into the records some other stretch overlaps and the records nobody disputes,
// each disputed piece is read again with up to 8 records of its stretch on each
// side for its evidence (shared edges; an exact normal counts twice, a normal
// along the vertices' normal once; coordinates of the sizes the file's strong
// records have, once), and the piece with clearly more evidence
// per record keeps the bytes. Where that is close, the longer run keeps them: a
// ghost of a plane at constant height is the real geometry with its axes
// turned, exact normals and all, and only as long as the stretch it borrows.
std::vector<CSalvageScanner::Stretch> CSalvageScanner::Resolve(Window& window)
{
    // Whole stretches of each run (two grids accepted in turn leave them in pieces).
    std::vector<Stretch>& all = m_stretches;
    std::sort(all.begin(), all.end(), [](const Stretch& x, const Stretch& y) {
        return x.run != y.run ? x.run < y.run : x.start < y.start;
    });
    std::size_t merged = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (merged != 0) {
            Stretch& last = all[merged - 1];
            if (last.run == all[i].run && last.needs == 0 && all[i].needs == 0 &&
                last.start + kRecord * last.count == all[i].start) {
                last.count += all[i].count;
                continue;
            }
        }
        all[merged++] = all[i];
    }
    all.resize(merged);
    std::sort(all.begin(), all.end(), [](const Stretch& x, const Stretch& y) { return x.start < y.start; });
    const auto end = [](const Stretch& x) { return x.start + kRecord * x.count; };

    // Record ranges [first, last) of each stretch that another stretch overlaps.
    std::map<std::size_t, std::vector<std::pair<std::uint64_t, std::uint64_t>>> disputed;
    std::vector<std::size_t> active;  // earlier stretches that reach past the current start
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Stretch& s = all[i];
        std::erase_if(active, [&](std::size_t t) { return end(all[t]) <= s.start; });
        for (std::size_t t : active) {
            const Stretch& o = all[t];
            disputed[i].push_back({0, std::min(s.count, (end(o) - s.start + kRecord - 1) / kRecord)});
            disputed[t].push_back({(s.start - o.start) / kRecord,
                                   std::min(o.count, (end(s) - o.start + kRecord - 1) / kRecord)});
        }
        active.push_back(i);
    }
    // What the file vouches for, judged on the runs that keep records without
    // conditions (not on ghost grids that lost their bytes). A record it does
    // not vouch for has held its bytes against other grids all the same.
    const auto written = [this](std::vector<Stretch> list) {
        DropDoubted(list);
        bool haveAttribute = false, mixedAttributes = false;
        std::uint16_t attribute = 0;
        std::uint64_t zeroNormals = 0, otherNormals = 0;
        for (std::size_t run : SureRuns(list)) {
            const RunWeight& r = m_runWeights[run];
            zeroNormals += r.zeroNormals;
            otherNormals += r.otherNormals;
            if (r.haveAttribute) {
                mixedAttributes |= r.mixedAttributes || (haveAttribute && r.attribute != attribute);
                haveAttribute = true;
                attribute = r.attribute;
            }
        }
        const bool oneAttribute = haveAttribute && !mixedAttributes;
        // (Ghost grids of a zero-normal plate have unit normals: a few per cent.)
        const bool zeroNormalFile = zeroNormals != 0 && otherNormals * 3 <= zeroNormals;
        std::erase_if(list, [&](const Stretch& x) {
            return (x.needs & kBlocker) || ((x.needs & kNeedsFileAttribute) && !(oneAttribute && x.attribute == attribute)) ||
                   ((x.needs & kNeedsZeroNormalFile) && !zeroNormalFile);
        });
        return list;
    };
    if (disputed.empty())
        return written(std::move(all));

    struct Piece {
        std::uint64_t start, count;
        std::size_t run;
        std::uint8_t needs;
        std::uint16_t attribute;
        std::uint64_t from, records;  // the piece with up to kContext records of its stretch on each side
        std::uint64_t evidence = 0;   // of those records
        int Level() const  // evidence per record, in steps of about 25 %
        {
            // As if 4 more records of middling evidence came with it: one
            // record's evidence alone says little.
            const double perRecord = (double(evidence) + 2.0 * 4) / (double(records) + 4);
            return static_cast<int>(std::floor(std::log(1.0 + perRecord) / std::log(1.25)));
        }
    };
    constexpr std::uint64_t kContext = 8;
    std::vector<Stretch> kept;
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Stretch& s = all[i];
        auto it = disputed.find(i);
        if (it == disputed.end()) {
            kept.push_back(s);
            continue;
        }
        // Cut at every end of every dispute: each piece then has the same
        // opponents throughout, and is weighed on its own.
        auto& ranges = it->second;
        std::vector<std::uint64_t> cuts = {0, s.count};
        for (const auto& [first, last] : ranges) {
            cuts.push_back(first);
            cuts.push_back(last);
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
            const std::uint64_t first = cuts[c], last = cuts[c + 1];
            const bool inDispute = std::any_of(ranges.begin(), ranges.end(), [&](const auto& r) {
                return r.first <= first && last <= r.second;
            });
            if (!inDispute) {
                kept.push_back({s.start + kRecord * first, last - first, s.run, s.needs, s.attribute});
                continue;
            }
            const std::uint64_t from = first > kContext ? first - kContext : 0;
            const std::uint64_t to = std::min(s.count, last + kContext);
            pieces.push_back(
                {s.start + kRecord * first, last - first, s.run, s.needs, s.attribute, s.start + kRecord * from, to - from});
        }
    }
    m_stretches.clear();
    m_stretches.shrink_to_fit();

    // The sizes the file's coordinates have: a grid one to three bytes off turns
    // bytes of the mantissa into exponents, far outside them.
    int lowest = 0, highest = 255;
    {
        std::uint64_t total = 0, below = 0;
        for (std::uint64_t n : m_exponents)
            total += n;
        while (lowest < 255 && (below + m_exponents[lowest]) * 20 <= total)
            below += m_exponents[lowest++];
        std::uint64_t above = 0;
        while (highest > 0 && (above + m_exponents[highest]) * 20 <= total)
            above += m_exponents[highest--];
        lowest = std::max(0, lowest - 8);
        highest = std::min(255, highest + 8);
    }
    const auto usualSizes = [&](const unsigned char* bytes) {
        for (int i = 12; i < 48; i += 4) {
            const int exponent = ((bytes[i + 3] & 0x7F) << 1) | (bytes[i + 2] >> 7);
            if ((exponent != 0 || (bytes[i + 2] & 0x7F) != 0 || bytes[i + 1] != 0 || bytes[i] != 0) &&
                (exponent < lowest || exponent > highest))
                return false;
        }
        return true;
    };
    // The evidence of every disputed record, read in the order of the source.
    {
        using Cursor = std::pair<std::uint64_t, std::size_t>;  // next record, piece
        std::priority_queue<Cursor, std::vector<Cursor>, std::greater<>> next;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            next.push({pieces[i].from, i});
        window.Rewind();
        SalvageCandidate c;
        while (!next.empty()) {
            const auto [at, i] = next.top();
            next.pop();
            std::size_t available, behind;
            const unsigned char* bytes = window.At(at, available, behind);
            if (available < kRecord)
                continue;
            EvaluateCandidate(bytes, behind, bytes + kRecord, available - kRecord, window.m_end, c);
            if (c.plausible) {
                const unsigned overlapping = SameBytesCounted(c, bytes, behind, available, window.m_end);
                for (std::uint8_t e = 0; e < c.edges; ++e)
                    if (c.evidence & (1u << e))
                        pieces[i].evidence += m_census.Count(c.edgeKeys[e]) >= 2u + ((overlapping >> e) & 1u) ? 1 : 0;
                pieces[i].evidence += (c.exact ? 2 : c.direction ? 1 : 0) + (usualSizes(c.bytes) ? 1 : 0);
            }
            if (at + kRecord < pieces[i].from + kRecord * pieces[i].records)
                next.push({at + kRecord, i});
        }
    }
    std::vector<std::size_t> order(pieces.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Piece& x = pieces[a];
        const Piece& y = pieces[b];
        if (x.Level() != y.Level())
            return x.Level() > y.Level();
        if (m_runWeights[x.run].length != m_runWeights[y.run].length)
            return m_runWeights[x.run].length > m_runWeights[y.run].length;
        return x.evidence * y.records > y.evidence * x.records;
    });
    std::map<std::uint64_t, std::uint64_t> claimed;  // start -> end of disputed bytes already kept
    for (std::size_t i : order) {
        const Piece& s = pieces[i];
        std::uint64_t pieceStart = s.start, pieceCount = 0;
        auto flush = [&] {
            if (pieceCount != 0) {
                kept.push_back({pieceStart, pieceCount, s.run, s.needs, s.attribute});
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
    std::sort(kept.begin(), kept.end(), [](const Stretch& x, const Stretch& y) { return x.start < y.start; });
    return written(std::move(kept));
}

// The kept records, in the order of the source, read again through the reader.
bool CSalvageScanner::Write(Window& window, const std::vector<Stretch>& stretches)
{
    window.Rewind();
    for (const Stretch& s : stretches) {
        for (std::uint64_t k = 0; k < s.count; ++k) {
            if (m_comm.QueryAbort())
                return false;
            const std::uint64_t at = s.start + kRecord * k;
            std::size_t available, behind;
            const unsigned char* record = window.At(at, available, behind);
            if (available < kRecord)
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
    if (Pass(0, window)) {
        m_textTransfer = m_loneLineFeeds == 0 && m_crlfPairs >= kTextTransferPairs;
        if (Pass(1, window)) {
            // The last candidates have no grid successor left to wait for.
            while (m_queueSize != 0) {
                const std::uint64_t p = m_queue[m_queueHead];
                m_queueHead = (m_queueHead + 1) % std::size(m_queue);
                --m_queueSize;
                Finalize(p);
            }
            for (Phase& phase : m_phases)
                if (phase.open)
                    CloseRun(phase);
            // The grid a text-mode transfer predicts holds the file's records, if
            // the records with shared vertices are found on it, not off it.
            if (m_textTransfer && m_transferGrid[1] != 0 && m_transferGrid[0] * 5 <= m_transferGrid[1])
            {
                // (It inserted nothing but CRs: no record was spliced.)
                m_stretches = std::move(m_transferred);
                m_doubts.clear();
            }
            m_transferred.clear();
            m_transferred.shrink_to_fit();
            const std::vector<Stretch> kept = Resolve(window);
            m_stretches.clear();
            m_stretches.shrink_to_fit();
            Write(window, kept);
        }
    }
    m_target.Flush();
    if (m_count % 1000 != 0)
        m_comm.SendText(EM_LOG, IDS_PROCESSED_FACETS, {m_count});
    m_comm.SendText(EM_LOG, IDS_FINAL_PROCESSING);
    return m_count;
}

}  // namespace kalvo
