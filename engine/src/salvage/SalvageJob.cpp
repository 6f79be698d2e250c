#include "salvage/SalvageJob.h"

#include "EngineStrings.h"
#include "salvage/SalvageScan.h"

#include <cfenv>
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

// The caller's floating-point environment comes back when the scan ends.
class FloatingPointGuard {
public:
    FloatingPointGuard() { std::feholdexcept(&m_saved); }
    ~FloatingPointGuard() { std::fesetenv(&m_saved); }
    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

private:
    std::fenv_t m_saved;
};

}  // namespace

bool CSalvageJob::OpenTarget(CFile& target, const CFileEx& source, const char16_t* targetPath)
{
    if (!target.Open(targetPath,
                     CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::shareDenyWrite |
                         CFile::typeBinary))
        return false;
    // Emptying a target that is the source (also through a link) would lose the source.
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

void CSalvageJob::ReportError(const std::u16string& errorText, const std::u16string& showText) const
{
    m_pCommunicator->SendString(EM_ERROR, errorText);
    m_pCommunicator->SendString(EM_SHOW_MESSAGE, showText);
}

std::int32_t CSalvageJob::Repair(CFileEx& source, const char16_t* sourcePath, std::uint16_t language,
                                 const char16_t* targetPath)
{
    g_wJobLanguage = language;
    m_pCommunicator->SendProgress(0);

    std::uint32_t count = 0;
    try {
        m_pCommunicator->Send(EM_SOURCE_FILE, reinterpret_cast<std::uintptr_t>(sourcePath ? sourcePath : u""));
        if (source.Open(sourcePath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
            CFile target;
            if (!OpenTarget(target, source, targetPath)) {
                source.Close();
            } else {
                unsigned char header[CSTLFile5::kHeaderSize + 4] = {};
                source.Read(header, CSTLFile5::kHeaderSize);
                target.Write(header, sizeof header);
                {
                    FloatingPointGuard fpGuard;
                    CTargetWriter writer(target);
                    CSalvageScanner scanner(source, writer, *m_pCommunicator);
                    count = scanner.Run();
                }
                target.Seek(CSTLFile5::kHeaderSize, CFile::begin);
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

}  // namespace kalvo
