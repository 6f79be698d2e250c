// Scan throughput of whole repair jobs through RunRepairJob, in MB of source per
// second, next to the page-cache read rate of the same file in the same run.
//
// Inputs are generated once into $KALVO_BENCH_DIR (default: a folder under the
// system's temporary directory) and read from the page cache. The fixed file
// goes to $KALVO_BENCH_OUT (default /dev/shm, memory like the page cache but
// without the disk writeback that would make later runs wait on earlier ones).
#include "kalvo/kalvo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kFacets = 2'000'000;            // about 100 MB of records
constexpr std::size_t kPlainSize = 100'000'000;       // zero and random inputs

fs::path BenchDir()
{
    const char* env = std::getenv("KALVO_BENCH_DIR");
    fs::path dir = env && *env ? fs::path(env) : fs::temp_directory_path() / "kalvo-bench";
    fs::create_directories(dir);
    return dir;
}

void PutFloat(std::vector<unsigned char>& out, float f)
{
    unsigned char b[4];
    std::memcpy(b, &f, 4);
    out.insert(out.end(), b, b + 4);
}

// A facet record whose stored normal is exactly the one the engine computes.
void AppendFacet(std::vector<unsigned char>& out, const float v[9])
{
    const float e1[3] = {v[3] - v[0], v[4] - v[1], v[5] - v[2]};
    const float e2[3] = {v[6] - v[0], v[7] - v[1], v[8] - v[2]};
    const float c[3] = {static_cast<float>(double(e1[1]) * e2[2] - double(e2[1]) * e1[2]),
                        static_cast<float>(double(e2[0]) * e1[2] - double(e1[0]) * e2[2]),
                        static_cast<float>(double(e1[0]) * e2[1] - double(e2[0]) * e1[1])};
    const float len = std::sqrt(static_cast<float>(double(c[1]) * c[1] + double(c[0]) * c[0] + double(c[2]) * c[2]));
    for (float x : c)
        PutFloat(out, x / len);
    for (int i = 0; i < 9; ++i)
        PutFloat(out, v[i]);
    out.push_back(0);
    out.push_back(0);
}

void WriteAll(const fs::path& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> IntactRecords()
{
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> coord(-50.0f, 50.0f);
    std::vector<unsigned char> records;
    records.reserve(kFacets * 50);
    while (records.size() < kFacets * 50) {
        float v[9];
        for (float& x : v)
            x = coord(rng);
        const std::size_t before = records.size();
        AppendFacet(records, v);
        float n[3];
        std::memcpy(n, &records[before], 12);
        if (!std::isfinite(n[0]) || !std::isfinite(n[1]) || !std::isfinite(n[2]))
            records.resize(before);
    }
    return records;
}

std::vector<unsigned char> Header(std::uint32_t count)
{
    std::vector<unsigned char> h(84, 0);
    std::memcpy(h.data(), "kalvo benchmark mesh", 20);
    std::memcpy(&h[80], &count, 4);
    return h;
}

struct Inputs {
    fs::path intact, zeros, random, garbage;
};

const Inputs& GetInputs()
{
    static const Inputs inputs = [] {
        const fs::path dir = BenchDir();
        Inputs in{dir / "intact.stl", dir / "zeros.bin", dir / "random.bin", dir / "garbage.stl"};
        const bool ready = fs::exists(in.intact) && fs::exists(in.zeros) && fs::exists(in.random) &&
                           fs::exists(in.garbage) && fs::file_size(in.zeros) == kPlainSize;
        if (!ready) {
            const std::vector<unsigned char> records = IntactRecords();
            std::vector<unsigned char> file = Header(kFacets);
            file.insert(file.end(), records.begin(), records.end());
            WriteAll(in.intact, file);
            // The same records with 7 garbage bytes after every 1000th.
            std::vector<unsigned char> damaged = Header(kFacets);
            std::mt19937 rng(7);
            for (std::size_t i = 0; i < kFacets; ++i) {
                damaged.insert(damaged.end(), records.begin() + 50 * i, records.begin() + 50 * (i + 1));
                if (i % 1000 == 999)
                    for (int k = 0; k < 7; ++k)
                        damaged.push_back(static_cast<unsigned char>(rng()));
            }
            WriteAll(in.garbage, damaged);
            WriteAll(in.zeros, std::vector<unsigned char>(kPlainSize, 0));
            std::vector<unsigned char> noise(kPlainSize);
            std::mt19937_64 r64(1);
            for (std::size_t i = 0; i + 8 <= noise.size(); i += 8) {
                const std::uint64_t x = r64();
                std::memcpy(&noise[i], &x, 8);
            }
            WriteAll(in.random, noise);
        }
        return in;
    }();
    return inputs;
}

std::atomic<bool> g_stop{false};

std::int32_t Callback(std::uint32_t message, std::uintptr_t, void*)
{
    if (message == EM_QUERY_ABORT)
        return g_stop.load(std::memory_order_relaxed) ? 1 : 0;
    return 0;
}

std::u16string U16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

fs::path OutputDir()
{
    const char* env = std::getenv("KALVO_BENCH_OUT");
    if (env && *env)
        return env;
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : BenchDir();
}

void RunJob(benchmark::State& state, const fs::path& source, EngineCallback callback = &Callback)
{
    const std::u16string src = U16(source.string());
    const fs::path out = OutputDir() / "kalvo-bench_fixed.stl";
    const std::u16string dst = U16(out.string());
    const std::u16string eps = u"1e-6";
    TOptionsStruct options{};
    options.wLangID = 1033;
    options.lpszEpsilon = eps.c_str();
    RepairJob job{src.c_str(), &options, 0, dst.c_str(), callback, nullptr};
    unsigned char block[sizeof job];
    const std::uint64_t size = fs::file_size(source);
    for (auto _ : state) {
        std::memcpy(block, &job, sizeof job);
        for (unsigned char& b : block)
            b ^= RepairJobKey;
        benchmark::DoNotOptimize(RunRepairJob(block));
    }
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(size) * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
    fs::remove(out);
}

// What the page cache delivers: sequential 1 MiB reads of the same file, like cat.
void ReadFile(benchmark::State& state, const fs::path& source)
{
    std::vector<char> buffer(1 << 20);
    const std::uint64_t size = fs::file_size(source);
    for (auto _ : state) {
        const int fd = ::open(source.c_str(), O_RDONLY);
        while (::read(fd, buffer.data(), buffer.size()) > 0) {
        }
        ::close(fd);
    }
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(size) * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

void BM_PageCacheRead(benchmark::State& s) { ReadFile(s, GetInputs().intact); }

// What writing the fixed file of an intact input costs by itself: the same
// bytes written to the same place in the writer's chunk size.
void BM_PageCacheWrite(benchmark::State& state)
{
    const fs::path out = OutputDir() / "kalvo-bench_write.bin";
    const std::uint64_t size = fs::file_size(GetInputs().intact);
    std::vector<char> buffer(1 << 18, 'x');
    for (auto _ : state) {
        const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (std::uint64_t done = 0; done < size; done += buffer.size())
            if (::write(fd, buffer.data(), static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - done))) < 0)
                break;
        ::close(fd);
    }
    fs::remove(out);
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(size) * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

// The floor a host's callback sets on damaged data, where every byte offset is
// a candidate and costs one abort question: the same calls and nothing else,
// one per byte of a 100 MB input.
__attribute__((noinline)) std::uint64_t AskRepeatedly(EngineCallback cb, std::uint64_t n)
{
    std::uint64_t i = 0;
    while (i < n && cb(EM_QUERY_ABORT, 0, nullptr) == 0)
        ++i;
    return i;
}
void BM_AbortQuestionsOnly(benchmark::State& state)
{
    EngineCallback volatile cb = &Callback;
    for (auto _ : state)
        benchmark::DoNotOptimize(AskRepeatedly(cb, kPlainSize));
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(kPlainSize) * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}
// Silent jobs (no callback): the scan's own rate.
void BM_RepairZerosSilent(benchmark::State& s) { RunJob(s, GetInputs().zeros, nullptr); }
void BM_RepairRandomSilent(benchmark::State& s) { RunJob(s, GetInputs().random, nullptr); }
void BM_RepairIntact(benchmark::State& s) { RunJob(s, GetInputs().intact); }
void BM_RepairZeros(benchmark::State& s) { RunJob(s, GetInputs().zeros); }
void BM_RepairRandom(benchmark::State& s) { RunJob(s, GetInputs().random); }
void BM_RepairGarbageEvery1000(benchmark::State& s) { RunJob(s, GetInputs().garbage); }

BENCHMARK(BM_PageCacheRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_PageCacheWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_RepairIntact)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_RepairGarbageEvery1000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_RepairZeros)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_RepairRandom)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_AbortQuestionsOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_RepairZerosSilent)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_RepairRandomSilent)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
