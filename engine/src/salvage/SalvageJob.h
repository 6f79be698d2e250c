// CSalvageJob: one job of the salvage mode. The same course as the strict job
// (messages, source reader, fixed-file layout, error reports); only the scan
// differs: it keeps every record that survived intact, whatever its normal.
#pragma once

#include "Communicator.h"
#include "FileEx.h"
#include "STLFile5.h"

#include <cstdint>

namespace kalvo {

class CSalvageJob : public CFileType {
public:
    explicit CSalvageJob(CCommunicator* communicator) : m_pCommunicator(communicator) {}

    // The whole job; language is the job's LANGID. Returns 1 when it wrote a facet.
    std::int32_t Repair(CFileEx& source, const char16_t* sourcePath, std::uint16_t language,
                        const char16_t* targetPath);

    CCommunicator* m_pCommunicator;
};

}  // namespace kalvo
