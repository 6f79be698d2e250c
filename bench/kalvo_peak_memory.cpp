// Peak resident memory of one repair job on a large source: the engine's
// memory must not grow with the file. Usage: kalvo_peak_memory [SIZE_MB] [FILE]
// Without FILE, a sparse file of SIZE_MB (default 1024) megabytes is made in
// the temporary folder: it reads as zeros, every offset a candidate.
#include "kalvo/kalvo.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::int32_t Callback(std::uint32_t, std::uintptr_t, void*) { return 0; }

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 1024;
    fs::path source = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "kalvo-peak-memory.bin";
    if (argc <= 2) {
        FILE* f = std::fopen(source.c_str(), "wb");
        if (!f || ftruncate(fileno(f), static_cast<off_t>(megabytes) * 1'000'000) != 0) {
            std::perror("cannot make the source");
            return 2;
        }
        std::fclose(f);
    }
    const fs::path target = fs::temp_directory_path() / "kalvo-peak-memory_fixed.stl";
    const std::string s = source.string(), t = target.string();
    const std::u16string src(s.begin(), s.end()), dst(t.begin(), t.end()), eps = u"1e-6";
    const long before = PeakKiB();
    TOptionsStruct options{0, 1033, nullptr, eps.c_str()};
    RepairJob job{src.c_str(), &options, 0, dst.c_str(), &Callback, nullptr};
    unsigned char block[sizeof job];
    std::memcpy(block, &job, sizeof job);
    for (unsigned char& b : block)
        b ^= RepairJobKey;
    RunRepairJob(block);
    const long after = PeakKiB();
    std::printf("source %.0f MB: peak resident memory %.1f MB before the job, %.1f MB after it\n",
                static_cast<double>(fs::file_size(source)) / 1e6, before / 1024.0, after / 1024.0);
    if (argc <= 2)
        fs::remove(source);
    fs::remove(target);
    return 0;
}
