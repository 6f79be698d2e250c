#include "STLFile5.h"

#include "EngineStrings.h"
#include "FacetBatch.h"
#include "FacetTest.h"

#include <cfenv>
#if defined(__SSE2__)
#include <xmmintrin.h>
#endif
#include <cstring>
#include <new>

namespace kalvo {
namespace {

constexpr std::size_t kMaxDescription = 4095;

std::u16string Description(const CException& e)
{
    std::u16string text;
    if (!e.GetErrorMessage(text) || text.empty())
        text = u"No error message is available.";
    if (text.size() > kMaxDescription)
        text.resize(kMaxDescription);
    return text;
}

// The scan's arithmetic is IEEE with rounding to nearest, no traps and no
// flushing of subnormals, whatever the host set; the host's environment comes
// back when the scan ends.
class FloatingPointGuard {
public:
    FloatingPointGuard()
    {
        std::feholdexcept(&m_saved);  // all exceptions masked, flags clear
        std::fesetround(FE_TONEAREST);
#if defined(__SSE2__)
        _mm_setcsr(_mm_getcsr() & ~(kFlushToZero | kDenormalsAreZero));
#endif
    }
    ~FloatingPointGuard() { std::fesetenv(&m_saved); }
    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

private:
    static constexpr unsigned kFlushToZero = 0x8000, kDenormalsAreZero = 0x0040;
    std::fenv_t m_saved;
};

// The percent after each candidate is trunc(position * 100 / total) in double,
// monotone in the position; instead of a division per candidate the scan keeps
// the first position at which the percent it last announced would change.
class PercentSteps {
public:
    PercentSteps(std::uint64_t total, std::uint8_t lastAnnounced) : m_total(total)
    {
        next = total == 0 ? kNever : lastAnnounced > 100 ? 0 : After(lastAnnounced, 0);
    }
    // The percent at position p (which is at least next); moves next on.
    std::uint8_t Reach(std::uint64_t p)
    {
        const std::uint8_t pct = At(p);
        next = After(pct, p);
        return pct;
    }
    std::uint64_t next;

private:
    static constexpr std::uint64_t kNever = ~std::uint64_t(0);
    std::uint8_t At(std::uint64_t p) const
    {
        return static_cast<std::uint8_t>(
            static_cast<unsigned>(static_cast<double>(p) * 100.0 / static_cast<double>(m_total)));
    }
    // The smallest position above from whose percent differs from pct.
    std::uint64_t After(std::uint8_t pct, std::uint64_t from) const
    {
        std::uint64_t lo = from + 1, hi = m_total;
        if (lo > hi || At(hi) == pct)
            return kNever;
        while (lo < hi) {
            const std::uint64_t mid = lo + (hi - lo) / 2;
            if (At(mid) != pct)
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }
    std::uint64_t m_total;
};

constexpr std::uint32_t kBatch = 8;

// The abort question for the candidates from..to-1, each a plain reject; the
// first candidate the host stops at, or to. A function of its own keeps the
// loop's few values in registers across the host's calls.
__attribute__((noinline)) std::uint64_t AskAbortQuestions(EngineCallback callback, void* context,
                                                          std::uint64_t from, std::uint64_t to)
{
    while (from < to && callback(EM_QUERY_ABORT, 0, context) == 0)
        ++from;
    return from;
}

inline bool CandidatePasses(const unsigned char* bytes, float epsilon)
{
    if (!AllOrdinary(bytes))
        return false;
    Vec3 v[4];
    std::memcpy(v, bytes, sizeof v);
    return NormalTest(v[0], v[1], v[2], v[3], epsilon);
}


}  // namespace

namespace {

bool OpenTarget(CFile& target, const CFileEx& source, const char16_t* targetPath)
{
    if (!target.Open(targetPath,
                     CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::shareDenyWrite |
                         CFile::typeBinary))
        return false;
    // A target that is the source (also through a link) would empty the source.
    if (target.IsSameFile(source)) {
        target.Abort();
        return false;
    }
    if (S_ISREG(target.Status().st_mode) && target.Status().st_size != 0) {
        try {
            target.SetLength(0);
        } catch (const CFileException&) {
            target.Abort();
            return false;
        }
    }
    return true;
}

void ReportError(const CCommunicator& comm, const std::u16string& errorText, const std::u16string& showText)
{
    comm.SendString(EM_ERROR, errorText);
    comm.SendString(EM_SHOW_MESSAGE, showText);
}

}  // namespace

std::int32_t RunRepairCourse(CCommunicator& comm, CFileEx& source, const char16_t* sourcePath,
                             const char16_t* targetPath, const FacetScan& scan)
{
    comm.SendProgress(0);

    std::uint32_t count = 0;
    try {
        comm.Send(EM_SOURCE_FILE, reinterpret_cast<std::uintptr_t>(sourcePath ? sourcePath : u""));
        if (source.Open(sourcePath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
            CFile target;
            if (!OpenTarget(target, source, targetPath)) {
                source.Close();
            } else {
                constexpr std::uint32_t kHeaderSize = CSTLFile5::kHeaderSize;
                unsigned char header[kHeaderSize + 4] = {};
                source.Read(header, kHeaderSize);  // what it does not deliver stays zero
                target.Write(header, kHeaderSize + 4);  // header and the count placeholder
                {
                    FloatingPointGuard fpGuard;
                    CTargetWriter writer(target);
                    count = scan(source, writer);
                }
                target.Seek(kHeaderSize, CFile::begin);
                const unsigned char le[4] = {static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
                                             static_cast<unsigned char>(count >> 16),
                                             static_cast<unsigned char>(count >> 24)};
                target.Write(le, sizeof le);
                target.Close();
                source.Close();
            }
        }
    } catch (const CFileException& e) {
        const std::u16string error = FormatText(LoadDefaultLanguageString(IDS_ERROR_FILE), {Description(e)});
        if (e.m_cause == CFileException::sharingViolation)
            ReportError(comm, error, FormatText(LoadEngineString(IDS_SHARE_VIOLATION), {e.m_strFileName}));
        else
            ReportError(comm, error, error);
    } catch (const CException& e) {
        const std::u16string error = FormatText(LoadDefaultLanguageString(IDS_ERROR_GENERAL), {Description(e)});
        ReportError(comm, error, error);
    } catch (const std::bad_alloc&) {
        const std::u16string error = FormatText(LoadDefaultLanguageString(IDS_ERROR_GENERAL), {u"Out of memory."});
        ReportError(comm, error, error);
    } catch (...) {
        const std::u16string error =
            FormatText(LoadEngineString(IDS_ERROR_UNKNOWN), {LoadDefaultLanguageString(IDS_WHOLE_PROCESS)});
        ReportError(comm, error, error);
    }

    comm.Send(EM_FACET_COUNT, reinterpret_cast<std::uintptr_t>(&count));
    comm.SendProgress(100);
    return count != 0 ? 1 : 0;
}

std::int32_t CSTLFile5::Repair(CFileEx& source, const char16_t* sourcePath, const TOptionsStruct* options,
                               const char16_t* targetPath)
{
    FillOptions(m_options, options);
    return RunRepairCourse(*m_pCommunicator, source, sourcePath, targetPath,
                           [this](CFileEx& from, CTargetWriter& to) { return ScanFacets(from, to); });
}

std::uint32_t CSTLFile5::ScanFacets(CFileEx& source, CTargetWriter& target)
{
    CCommunicator& comm = *m_pCommunicator;
    const float epsilon = m_options.m_fEpsilon;
    const NormalPrefilter prefilter(epsilon);
    const EngineCallback callback = comm.m_pfnCallback;
    void* const context = comm.m_pContext;

    std::uint32_t count = 0;
    const std::uint64_t total = source.GetLength();
    source.Seek(0, CFile::begin);
    PercentSteps percent(total, comm.m_nLastPercent);

    // q is the candidate's position, where the literal scan's reader would stand.
    std::uint64_t q = 0;
    unsigned char record[kRecordSize];
    for (;;) {
        const unsigned char* at;
        std::uint64_t runEnd;
        if (!source.CandidateRun(q, at, runEnd)) {
            // Near a window's edge or past both: the reads themselves, refills and all.
            if (callback && callback(EM_QUERY_ABORT, 0, context) != 0)
                break;
            source.Seek(static_cast<std::int64_t>(q), CFile::begin);
            if (source.Read(record, 12) < 12 || source.Read(record + 12, 12) < 12 ||
                source.Read(record + 24, 12) < 12 || source.Read(record + 36, 12) < 12)
                break;
            if (!prefilter.MayPass(record) || !CandidatePasses(record, epsilon)) {
                ++q;
            } else {
                bool windowsMoved;
                q = KeepRecord(source, target, record, q, count, windowsMoved);
            }
            if (q >= percent.next)
                comm.SendProgress(percent.Reach(q));
            continue;
        }
        // A run of candidates served by one window: rejects only step by one byte.
        // After a kept record the next candidates are likely records too, 50
        // bytes apart: they are tested ahead in a batch whose tests do not
        // depend on each other, and the results are used while they line up.
        const unsigned char* const runBase = at - q;  // runBase + q' addresses q'
        std::uint64_t batchAt = 0;
        std::uint32_t batchBits = 0, batchLeft = 0;
        std::uint64_t maskAt = ~std::uint64_t(0), mask = 0;  // prefilter bits for [maskAt, maskAt + 64)
        bool aborted = false;
        while (q < runEnd) {
            const bool batched = batchLeft != 0 && q == batchAt;
            if (!batched) {
                batchLeft = 0;
                // Candidates the prefilter rejects and whose step announces no
                // new percent need nothing but their abort question: find the
                // first one that needs more, block by block.
                const std::uint64_t quietLimit =
                    percent.next == 0 ? q : std::min<std::uint64_t>(runEnd, percent.next - 1);
                std::uint64_t scan = q, firstMaybe;
                for (;;) {
                    if (scan < maskAt || scan - maskAt >= 64) {
                        maskAt = scan;
                        mask = prefilter.Mask(runBase + scan,
                                              static_cast<unsigned>(std::min<std::uint64_t>(64, runEnd - scan)));
                    }
                    const std::uint64_t bits = mask >> (scan - maskAt);
                    if (bits != 0) {
                        firstMaybe = scan + static_cast<unsigned>(__builtin_ctzll(bits));
                        break;
                    }
                    scan = std::min(maskAt + 64, runEnd);
                    if (scan >= quietLimit) {
                        firstMaybe = scan;
                        break;
                    }
                }
                const std::uint64_t quietEnd = std::min(firstMaybe, quietLimit);
                if (q < quietEnd) {
                    const std::uint64_t i = callback ? AskAbortQuestions(callback, context, q, quietEnd) : quietEnd;
                    q = i;
                    if (i < quietEnd) {
                        aborted = true;
                        break;
                    }
                    continue;
                }
            }
            if (callback && callback(EM_QUERY_ABORT, 0, context) != 0) {
                aborted = true;
                break;
            }
            bool pass;
            if (batched) {
                pass = batchBits & 1;
                batchBits >>= 1;
                --batchLeft;
                batchAt += kRecordSize;
            } else {
                pass = ((mask >> (q - maskAt)) & 1) && CandidatePasses(runBase + q, epsilon);
            }
            if (!pass) {
                ++q;
                if (q >= percent.next)
                    comm.SendProgress(percent.Reach(q));
                continue;
            }
            bool windowsMoved = false;
            q = KeepRecord(source, target, runBase + q, q, count, windowsMoved);
            if (q >= percent.next)
                comm.SendProgress(percent.Reach(q));
            if (windowsMoved)
                break;
            if (batchLeft == 0) {
                batchAt = q;
                batchBits = 0;
                while (batchLeft + 4 <= kBatch && q + kRecordSize * (batchLeft + 3) < runEnd) {
                    const unsigned char* const four[4] = {
                        runBase + q + kRecordSize * batchLeft, runBase + q + kRecordSize * (batchLeft + 1),
                        runBase + q + kRecordSize * (batchLeft + 2), runBase + q + kRecordSize * (batchLeft + 3)};
                    batchBits |= FacetPasses4(four, epsilon) << batchLeft;
                    batchLeft += 4;
                }
            }
        }
        if (aborted)
            break;
    }
    source.Seek(static_cast<std::int64_t>(q), CFile::begin);
    target.Flush();
    if (count % 1000 != 0)
        comm.SendText(EM_LOG, IDS_PROCESSED_FACETS, {count});
    comm.SendText(EM_LOG, IDS_FINAL_PROCESSING);
    return count;
}

std::uint64_t CSTLFile5::KeepRecord(CFileEx& source, CTargetWriter& target, const unsigned char* bytes,
                                    std::uint64_t q, std::uint32_t& count, bool& windowsMoved)
{
    windowsMoved = false;
    ++count;
    // Straight into the writer's buffer: staging the record first would make
    // the copy wait on the stores it has just made.
    unsigned char* out = target.Reserve(kRecordSize);
    std::memcpy(out, bytes, 48);  // before any read below can refill the window bytes lies in
    const std::uint64_t attribute = q + 48;
    std::uint64_t next;
    if (const unsigned char* a = source.AttributeAt(attribute)) {
        out[48] = a[0];
        out[49] = a[1];
        next = attribute + 2;
    } else {
        // Zero bytes stand in for any the source no longer has.
        unsigned char word[2] = {0, 0};
        windowsMoved = true;
        source.Seek(static_cast<std::int64_t>(attribute), CFile::begin);
        next = attribute + source.Read(word, 2);
        out[48] = word[0];
        out[49] = word[1];
    }
    if (count % 1000 == 0)
        m_pCommunicator->SendText(EM_LOG, IDS_PROCESSED_FACETS, {count});
    return next;
}

}  // namespace kalvo
