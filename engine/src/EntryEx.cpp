// The second entry: a plain job record with versioned options, strict or salvage.
// The record is not scrambled: the scrambling of the first entry hides nothing
// and a versioned record is checked field by field instead.
#include "Communicator.h"
#include "FileEx.h"
#include "STLFile5.h"
#include "kalvo/kalvo.h"
#include "salvage/SalvageJob.h"

#include <memory>

using namespace kalvo;

extern "C" KALVO_API std::int32_t RunRepairJobEx(const KalvoJobEx* job)
{
    // Refused without a word: the host's record is not one this engine knows.
    if (!job || !job->Options)
        return 0;
    const KalvoJobOptions& options = *job->Options;
    if (options.StructSize != sizeof(KalvoJobOptions) || options.Version != KALVO_JOB_OPTIONS_VERSION)
        return 0;
    if (options.Mode != KALVO_MODE_STRICT && options.Mode != KALVO_MODE_SALVAGE)
        return 0;

    std::unique_ptr<CCommunicator> communicator;
    std::unique_ptr<CFileEx> source;
    try {
        communicator = std::make_unique<CCommunicator>(job->Callback, job->Context);
        source = std::make_unique<CFileEx>();
    } catch (...) {
        return 0;
    }
    try {
        if (options.Mode == KALVO_MODE_STRICT) {
            // The first entry's job, unchanged.
            TOptionsStruct strict{};
            strict.wLangID = options.wLangID;
            strict.lpszEpsilon = options.lpszEpsilon;
            CSTLFile5 stlFile(communicator.get());
            return stlFile.Repair(*source, job->SourcePath, &strict, job->TargetPath);
        }
        CSalvageJob salvage(communicator.get());
        return salvage.Repair(*source, job->SourcePath, options.wLangID, job->TargetPath);
    } catch (...) {
        return 0;  // a host callback that threw: nothing may cross a C boundary
    }
}
