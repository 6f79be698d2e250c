// The salvage scan: finds every facet record that survived intact in a damaged
// file, whatever its stored normal, and accepts none that was never in it.
// The evidence rules are explained in SalvageScan.cpp.
#pragma once

#include "Communicator.h"
#include "FileEx.h"
#include "STLFile5.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kalvo {

// How many candidate records carry each edge (an unordered pair of vertex byte
// patterns): 0, 1, 2, or 3 for "three or more". One 32-bit slot per edge: a
// 30-bit tag of the edge's hash and a 2-bit count, open addressing.
class CEdgeCensus {
public:
    static constexpr std::size_t kMinSlots = std::size_t(1) << 12;
    static constexpr std::size_t kMaxSlots = std::size_t(1) << 25;  // 128 MiB

    // Sized for the records a source of this length can hold.
    explicit CEdgeCensus(std::uint64_t sourceLength);
    void Add(std::uint64_t key);
    unsigned Count(std::uint64_t key) const;
    void Prefetch(std::uint64_t key) const { __builtin_prefetch(&m_slots[key & m_mask]); }
    std::size_t Slots() const { return m_slots.size(); }
    bool Full() const { return m_used >= m_limit; }

private:
    std::vector<std::uint32_t> m_slots;
    std::size_t m_mask;
    std::size_t m_used = 0;
    std::size_t m_limit;
};

// Angles between stored normals and their vertices' normals, binned: bin b
// holds the angles below 2^(b - 30) radians.
inline constexpr int kSalvageAngleBins = 32;

// What one offset of the source looks like as a facet record.
struct SalvageCandidate {
    std::uint64_t position = UINT64_MAX;
    bool plausible = false;       // may be a record (local tests)
    bool zeroNormal = false;
    bool needsZeroStyle = false;  // a zero normal right after a long zero run
    bool direction = false;       // unit normal along (or against) the vertices' normal
    bool exact = false;           // normal bit for bit the vertices' unit normal, or its negation
    bool crlf = false;            // holds a CR LF byte pair
    bool crAtEnd = false;         // ends in CR and an LF follows
    bool zerosBefore = false;     // a long zero run ends less than 50 bytes before it
    bool zerosAfter = false;      // a long zero run starts less than 50 bytes after it, and missed it
    bool proper = false;          // three different vertices that make a normal
    float angle = -1.0f;          // radians between the stored normal's line and the vertices' normal; -1: none
    bool against = false;         // (with an angle) the stored normal points against the vertices' normal
    std::uint8_t edges = 0;       // distinct edges between different vertices
    std::uint8_t evidence = 0;    // bit i: edge i may count as evidence (no end at the origin)
    std::uint8_t shared = 0;      // of those, carried by some other candidate too
    std::uint64_t edgeKeys[3] = {};
    std::uint8_t vertexCount = 0;  // (counting pass) distinct vertices off the origin, and their keys
    std::uint64_t vertexKeys[3] = {};
    unsigned char bytes[CSTLFile5::kRecordSize] = {};
    std::uint16_t Attribute() const { return static_cast<std::uint16_t>(bytes[48] | (bytes[49] << 8)); }
};

// Local tests of the record at bytes[0..50). behind: how many bytes before it
// may be read; after/afterSize: the bytes that follow it; atEnd: the data ends
// after those bytes. Without full, only plausibility and edges (the census).
void EvaluateCandidate(const unsigned char* bytes, std::size_t behind, const unsigned char* after,
                       std::size_t afterSize, bool atEnd, SalvageCandidate& out, bool full = true);

// Bit i set: the offset i of at[0..n) (n <= 64) may hold a record by its normal
// alone (exactly zero, or of about unit length). at must have n + 49 bytes.
// Never clears a bit the full test of EvaluateCandidate would keep.
std::uint64_t NormalPrefilter(const unsigned char* at, unsigned n);

class CSalvageScanner {
public:
    CSalvageScanner(CFileEx& source, CTargetWriter& target, CCommunicator& communicator);
    // All passes; returns the count of records written.
    std::uint32_t Run();

private:
    // A record the grid accepted that is written only if the whole file vouches for it.
    enum : std::uint8_t {
        kStrays = 1,        // its normal strays from its vertices' normal
        kStraysAlone = 2,   // (with kStrays) its grid neighbours' normals stray far less
        kLonelyVertex = 4,  // weak, with a vertex no other candidate has
        kAlong = 8,         // its normal points along its vertices' normal
        kAgainst = 16,      // its normal points against it
    };
    struct Doubt {
        std::uint64_t at;
        std::uint8_t what;
        float angle;
    };
    struct Tally {  // of a run's accepted records
        std::uint64_t strong = 0, weak = 0, lonely = 0;  // (lonely: weak, with a vertex of its own)
        std::uint64_t along = 0, against = 0;             // strong records whose normal points along or against
    };
    struct Phase {  // the run of plausible candidates on one 50-byte grid
        bool open = false;
        bool anchored = false;  // a strong record (or the file's first record slot) precedes the pending ones
        std::uint64_t runLength = 0;      // plausible records so far
        std::uint64_t evidence = 0;       // their shared edges and normals along their vertices' normal
        // Of its strong records: zero and other normals (but the first's), attribute words (but the last's).
        std::uint64_t zeroNormals = 0, otherNormals = 0;
        Tally tally;
        bool haveAttribute = false, mixedAttributes = false;
        std::uint16_t attribute = 0;
        std::uint64_t pendingStart = 0;   // weak records waiting for a strong one after them
        std::uint64_t pendingCount = 0;
        std::size_t run = SIZE_MAX;       // index into m_runWeights once the run has accepted records
        std::vector<Doubt> doubts;  // of the pending weak records
    };
    // What a one-record stretch still needs to be written.
    enum : std::uint8_t {
        kNeedsFileAttribute = 1,   // its attribute word: only the file's own attribute vouches for it
        kNeedsZeroNormalFile = 2,  // its zero normal: only a file of zero normals vouches for it
        kBlocker = 4,              // never written: a real record in doubt, whose bytes no other grid may take
    };
    struct Stretch {  // records at start, start + 50, ... of one run
        std::uint64_t start;
        std::uint64_t count;
        std::size_t run;
        std::uint8_t needs = 0;
        std::uint16_t attribute = 0;
    };
    enum class Tail { Sound, IfFileAttribute, Doubtful };
    enum class Head { Sound, IfZeroNormalFile, Doubtful };
    struct Window;

    bool Pass(int pass, Window& window);
    void Push(const SalvageCandidate& candidate);
    void Finalize(std::uint64_t p);
    const SalvageCandidate* At(std::uint64_t p) const;
    unsigned SameBytesCounted(const SalvageCandidate& c, const unsigned char* at, std::size_t behind,
                              std::size_t available, bool atEnd) const;
    Head HeadCheck(const SalvageCandidate& cur, const SalvageCandidate* next) const;
    Tail TailCheck(const SalvageCandidate& cur) const;
    void CloseRun(Phase& phase);
    unsigned TransferEvidence(const SalvageCandidate& c) const;
    void KeepTransferred(std::uint64_t p);
    void Accept(Phase& phase, std::uint64_t start, std::uint64_t count, std::uint8_t needs = 0,
                std::uint16_t attribute = 0);
    void AcceptPending(Phase& phase);
    std::vector<std::size_t> SureRuns(const std::vector<Stretch>& list) const;
    void DropDoubted(std::vector<Stretch>& list) const;
    float StrayLimit(int margin, unsigned perMille) const;
    std::uint8_t Strays(const SalvageCandidate& cur, const SalvageCandidate* prev, const SalvageCandidate* next) const;
    bool Lonely(const SalvageCandidate& c) const;
    std::uint8_t Doubts(const SalvageCandidate& cur, const SalvageCandidate* prev, const SalvageCandidate* next) const;
    std::vector<Stretch> Resolve(Window& window);
    bool Write(Window& window, const std::vector<Stretch>& stretches);
    void Progress(int pass, std::uint64_t position);

    CFileEx& m_source;
    CTargetWriter& m_target;
    CCommunicator& m_comm;
    std::uint64_t m_total = 0;
    std::uint64_t m_dataEnd = 0;
    bool m_atEnd = false;            // the deciding pass reached the end of the data
    bool m_intactLayout = false;     // length = header + count + 50 x stored count
    CEdgeCensus m_census;
    CEdgeCensus m_vertexCensus;  // how many candidates carry each vertex
    std::vector<SalvageCandidate> m_ring;  // plausible candidates by position modulo its size
    std::uint64_t m_queue[64] = {};        // positions waiting for their grid successor, oldest first
    unsigned m_queueHead = 0, m_queueSize = 0;
    Phase m_phases[CSTLFile5::kRecordSize];
    std::vector<Stretch> m_stretches;
    struct RunWeight {
        std::uint64_t evidence = 0, length = 0;
        std::uint64_t zeroNormals = 0, otherNormals = 0;
        Tally tally;
        bool haveAttribute = false, mixedAttributes = false;
        std::uint16_t attribute = 0;
    };
    std::vector<RunWeight> m_runWeights;
    // Text-mode transfer: every LF of the file has a CR before it.
    std::uint64_t m_loneLineFeeds = 0, m_crlfPairs = 0;
    bool m_textTransfer = false;
    std::uint64_t m_pairsBefore = 0;     // CR LF pairs before the current block
    std::vector<Stretch> m_transferred;  // the records on the grid a transfer predicts
    std::uint64_t m_transferGrid[2] = {};  // candidates with shared vertices off and on that grid
    // Exponents of the strong records' coordinates other than zero: the file's range of sizes.
    std::uint64_t m_exponents[256] = {};
    // How far the strong records' normals stray from their vertices' normals.
    std::array<std::uint64_t, kSalvageAngleBins> m_angles{};
    std::uint64_t m_anglesCounted = 0;
    float m_strayFlag = 0.0f, m_strayFlagAlone = 0.0f;  // records beyond them are weighed in the end
    std::vector<Doubt> m_doubts;  // of the records accepted
    std::uint64_t m_strongRecords = 0, m_lonelyWeak = 0;  // (weak records with a vertex of their own)
    bool m_lonelyFile = false;  // the file has shown that it has many
    std::uint64_t m_along = 0, m_against = 0;  // strong records whose normal points along or against their vertices' normal
    std::uint32_t m_count = 0;
};

}  // namespace kalvo
