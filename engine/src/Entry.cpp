// The library's entry: one repair job per call.
#include "Communicator.h"
#include "FileEx.h"
#include "STLFile5.h"
#include "kalvo/kalvo.h"

#include <cstring>
#include <memory>
#include <new>

using namespace kalvo;

extern "C" KALVO_API std::int32_t RunRepairJob(const void* block)
{
    if (!block)
        return 0;
    // The block arrives scrambled; only an unscrambled copy is read.
    unsigned char bytes[sizeof(RepairJob)];
    std::memcpy(bytes, block, sizeof bytes);
    for (unsigned char& b : bytes)
        b ^= static_cast<unsigned char>(RepairJobKey);
    RepairJob job;
    std::memcpy(&job, bytes, sizeof job);

    // Everything the job needs is allocated before it starts; without it the
    // job cannot run and the entry answers 0 without a word.
    std::unique_ptr<CCommunicator> communicator;
    std::unique_ptr<CSTLFile5> stlFile;
    std::unique_ptr<CFileEx> source;
    try {
        communicator = std::make_unique<CCommunicator>(job.Callback, job.Context);
        stlFile = std::make_unique<CSTLFile5>(communicator.get());
        source = std::make_unique<CFileEx>();
    } catch (...) {
        return 0;
    }
    try {
        return stlFile->Repair(*source, job.SourcePath, job.Options, job.TargetPath);
    } catch (...) {
        return 0;  // a host callback that threw: nothing may cross a C boundary
    }
}
