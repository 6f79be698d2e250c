#include "STLFile5.h"

#include "EngineStrings.h"
#include "FacetTest.h"

#include <cfenv>
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

// Restores the caller's floating-point environment when the scan ends.
class FloatingPointGuard {
public:
    FloatingPointGuard() { std::feholdexcept(&m_saved); }  // all exceptions masked, flags clear
    ~FloatingPointGuard() { std::fesetenv(&m_saved); }
    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

private:
    std::fenv_t m_saved;
};

}  // namespace

bool CSTLFile5::OpenTarget(CFile& target, const CFileEx& source, const char16_t* targetPath)
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

void CSTLFile5::ReportError(const std::u16string& errorText, const std::u16string& showText) const
{
    m_pCommunicator->SendString(EM_ERROR, errorText);
    m_pCommunicator->SendString(EM_SHOW_MESSAGE, showText);
}

std::int32_t CSTLFile5::Repair(CFileEx& source, const char16_t* sourcePath, const TOptionsStruct* options,
                               const char16_t* targetPath)
{
    FillOptions(m_options, options);
    m_pCommunicator->SendProgress(0);

    std::uint32_t count = 0;
    try {
        m_pCommunicator->Send(EM_SOURCE_FILE, reinterpret_cast<std::uintptr_t>(sourcePath ? sourcePath : u""));
        if (source.Open(sourcePath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
            CFile target;
            if (!OpenTarget(target, source, targetPath)) {
                source.Close();
            } else {
                unsigned char header[kHeaderSize + 4] = {};
                source.Read(header, kHeaderSize);  // what it does not deliver stays zero
                target.Write(header, kHeaderSize + 4);  // header and the count placeholder
                {
                    CTargetWriter writer(target);
                    count = ScanFacets(source, writer);
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
            ReportError(error, FormatText(LoadEngineString(IDS_SHARE_VIOLATION), {e.m_strFileName}));
        else
            ReportError(error, error);
    } catch (const CException& e) {
        const std::u16string error = FormatText(LoadDefaultLanguageString(IDS_ERROR_GENERAL), {Description(e)});
        ReportError(error, error);
    } catch (const std::bad_alloc&) {
        const std::u16string error = FormatText(LoadDefaultLanguageString(IDS_ERROR_GENERAL), {u"Out of memory."});
        ReportError(error, error);
    } catch (...) {
        const std::u16string error =
            FormatText(LoadEngineString(IDS_ERROR_UNKNOWN), {LoadDefaultLanguageString(IDS_WHOLE_PROCESS)});
        ReportError(error, error);
    }

    m_pCommunicator->Send(EM_FACET_COUNT, reinterpret_cast<std::uintptr_t>(&count));
    m_pCommunicator->SendProgress(100);
    return count != 0 ? 1 : 0;
}

std::uint32_t CSTLFile5::ScanFacets(CFileEx& source, CTargetWriter& target)
{
    FloatingPointGuard fpGuard;
    CCommunicator& comm = *m_pCommunicator;
    const float epsilon = m_options.m_fEpsilon;

    std::uint32_t count = 0;
    const std::uint64_t total = source.GetLength();
    source.Seek(0, CFile::begin);
    for (;;) {
        if (comm.QueryAbort())
            break;
        const std::uint64_t p = source.GetPosition();
        unsigned char record[kRecordSize];
        if (source.Read(record, 12) < 12 || source.Read(record + 12, 12) < 12 ||
            source.Read(record + 24, 12) < 12 || source.Read(record + 36, 12) < 12)
            break;
        Vec3 v[4];
        std::memcpy(v, record, 48);
        if (FacetPasses(v[0], v[1], v[2], v[3], epsilon)) {
            ++count;
            record[48] = record[49] = 0;
            source.Read(record + 48, 2);
            target.Write(record, kRecordSize);
            if (count % 1000 == 0)
                comm.SendText(EM_LOG, IDS_PROCESSED_FACETS, {count});
        } else {
            source.Seek(static_cast<std::int64_t>(p + 1), CFile::begin);
        }
        if (total != 0)
            comm.SendProgress(static_cast<std::uint8_t>(static_cast<unsigned>(
                static_cast<double>(source.GetPosition()) * 100.0 / static_cast<double>(total))));
    }
    // Part of the scan: a write that fails here fails the scan, as one per record would.
    target.Flush();
    if (count % 1000 != 0)
        comm.SendText(EM_LOG, IDS_PROCESSED_FACETS, {count});
    comm.SendText(EM_LOG, IDS_FINAL_PROCESSING);
    return count;
}

}  // namespace kalvo
