#include "salvage/SalvageJob.h"

#include "salvage/SalvageScan.h"

namespace kalvo {

std::int32_t CSalvageJob::Repair(CFileEx& source, const char16_t* sourcePath, std::uint16_t language,
                                 const char16_t* targetPath)
{
    g_wJobLanguage = language;
    return RunRepairCourse(*m_pCommunicator, source, sourcePath, targetPath,
                           [this](CFileEx& from, CTargetWriter& to) {
                               CSalvageScanner scanner(from, to, *m_pCommunicator);
                               return scanner.Run();
                           });
}

}  // namespace kalvo
