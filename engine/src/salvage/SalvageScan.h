// The salvage scan: finds every facet record that survived intact in a damaged
// file, whatever its stored normal, and accepts none that was never in it.
// The evidence rules are explained in SalvageScan.cpp.
#pragma once

#include "Communicator.h"
#include "FileEx.h"
#include "STLFile5.h"

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
    std::size_t Slots() const { return m_slots.size(); }
    bool Full() const { return m_used >= m_limit; }

private:
    std::vector<std::uint32_t> m_slots;
    std::size_t m_mask;
    std::size_t m_used = 0;
    std::size_t m_limit;
};

// What one offset of the source looks like as a facet record.
struct SalvageCandidate {
    bool plausible = false;       // may be a record (local tests)
    bool zeroNormal = false;
    bool needsZeroStyle = false;  // a zero normal right after a long zero run
    bool direction = false;       // unit normal along (or against) the vertices' normal
    std::uint8_t edges = 0;       // distinct edges between different vertices
    std::uint8_t evidence = 0;    // bit i: edge i may count as evidence (no end at the origin)
    std::uint8_t shared = 0;      // of those, carried by some other candidate too
    std::uint64_t edgeKeys[3] = {};
    unsigned char bytes[CSTLFile5::kRecordSize] = {};
    std::uint16_t Attribute() const { return static_cast<std::uint16_t>(bytes[48] | (bytes[49] << 8)); }
};

// Local tests of the record at bytes[0..50). zerosBefore: zero bytes right
// before it (capped); after/afterSize: the bytes that follow it.
void EvaluateCandidate(const unsigned char* bytes, std::uint32_t zerosBefore, const unsigned char* after,
                       std::size_t afterSize, SalvageCandidate& out);

class CSalvageScanner {
public:
    CSalvageScanner(CFileEx& source, CTargetWriter& target, CCommunicator& communicator);
    // All passes; returns the count of records written.
    std::uint32_t Run();

private:
    struct Phase {  // the run of plausible candidates on one 50-byte grid
        bool open = false;
        bool anchored = false;  // a strong record (or the file's first record slot) precedes the pending ones
        std::uint64_t runStart = 0;
        std::uint64_t runLength = 0;      // plausible records so far
        std::uint64_t pendingStart = 0;   // weak records waiting for a strong one after them
        std::uint64_t pendingCount = 0;
        std::size_t run = SIZE_MAX;       // index into m_runLengths once the run has accepted records
    };
    struct Stretch {  // records at start, start + 50, ... of one run
        std::uint64_t start;
        std::uint64_t count;
        std::size_t run;
    };
    struct Window;

    bool Pass(int pass, Window& window);
    void Finalize(std::uint64_t p);
    void CloseRun(Phase& phase);
    void Accept(Phase& phase, std::uint64_t start, std::uint64_t count);
    std::vector<Stretch> Resolve();
    bool Write(const std::vector<Stretch>& stretches);
    void Progress(int pass, std::uint64_t position);

    CFileEx& m_source;
    CTargetWriter& m_target;
    CCommunicator& m_comm;
    std::uint64_t m_total = 0;
    std::uint64_t m_candidates = 0;  // candidate positions of the deciding pass so far
    std::uint64_t m_dataEnd = 0;
    bool m_atEnd = false;            // the deciding pass reached the end of the data
    CEdgeCensus m_census;
    std::vector<SalvageCandidate> m_ring;
    Phase m_phases[CSTLFile5::kRecordSize];
    std::vector<Stretch> m_stretches;
    std::vector<std::uint64_t> m_runLengths;
    bool m_haveAttribute = false;
    std::uint16_t m_lastAttribute = 0;
    std::uint32_t m_count = 0;
};

}  // namespace kalvo
