#include "repair/Zarnik.h"

#include <atomic>
#include <cstring>

const uint8_t ZarnikJobKey = RepairJobKey;

namespace {

std::atomic<TRunRepairJobEntry> g_Entry{nullptr};

} // namespace

int32_t EngineRepairFile(const char16_t* SourcePath, const TOptionsStruct* Options, uintptr_t Reserved,
                         const char16_t* TargetPath, EngineCallback Callback, void* Context)
{
    RepairJob job;
    job.SourcePath = SourcePath;
    job.Options = Options;
    job.Reserved = Reserved;
    job.TargetPath = TargetPath;
    job.Callback = Callback;
    job.Context = Context;

    unsigned char block[sizeof(RepairJob)];
    std::memcpy(block, &job, sizeof block);
    for (unsigned char& byte : block)
        byte ^= ZarnikJobKey;

    const TRunRepairJobEntry entry = g_Entry.load();
    return entry ? entry(block) : RunRepairJob(block);
}

TRunRepairJobEntry SetRunRepairJobEntry(TRunRepairJobEntry entry)
{
    return g_Entry.exchange(entry);
}
