// salvage_eval: recall and precision of the strict and the salvage mode per kind
// of damage, on real binary STL files found under the given folders and on
// generated meshes.
//
//   recall    = original records recovered byte-exact / original records that
//               survived intact in the damaged file
//   precision = written records equal to an original record / records written
//   foreign   = salvage records written that equal no original record
//
// Usage: salvage_eval [--real DIR]... [--seeds N] [--write DIR] [--speed MB] [--no-generated] [--only NAME] [--kind KIND] [--explain]
// (--write keeps the damaged files; --only measures the meshes whose name holds NAME;
// --kind measures the damage kinds whose name holds KIND; --explain shows where the bytes of every foreign record came from)
// Without --real, /usr/share is searched (e.g. after installing the Debian
// packages cura and assimp-testmodels).
#include "kalvo/kalvo.h"
#include "salvage_corpus.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <unordered_map>

using namespace salvagebench;
namespace fs = std::filesystem;

namespace {

struct ByteHash {
    std::size_t operator()(const Bytes& b) const { return std::hash<std::string_view>()({reinterpret_cast<const char*>(b.data()), b.size()}); }
};

void WriteAll(const std::string& path, const Bytes& b)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::u16string U16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::int32_t Quiet(std::uint32_t, std::uintptr_t, void*) { return 0; }

// One job through the second entry; returns the fixed file's bytes and the time taken.
Bytes RunMode(std::uint32_t mode, const std::string& source, const std::string& target, double* seconds = nullptr)
{
    const std::u16string src = U16(source), dst = U16(target), eps = u"1e-6";
    KalvoJobOptions options{};
    options.StructSize = sizeof options;
    options.Version = KALVO_JOB_OPTIONS_VERSION;
    options.Mode = mode;
    options.wLangID = 1033;
    options.lpszEpsilon = eps.c_str();
    KalvoJobEx job{src.c_str(), &options, dst.c_str(), &Quiet, nullptr};
    const auto t0 = std::chrono::steady_clock::now();
    RunRepairJobEx(&job);
    if (seconds)
        *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return ReadAll(target);
}

struct Tally {
    std::uint64_t files = 0, intact = 0, recovered = 0, written = 0, correct = 0, identical = 0;
    void Add(const Tally& o)
    {
        files += o.files; intact += o.intact; recovered += o.recovered;
        written += o.written; correct += o.correct; identical += o.identical;
    }
    double Recall() const { return intact ? 100.0 * recovered / intact : 100.0; }
    double Precision() const { return written ? 100.0 * correct / written : 100.0; }
};

bool g_explain = false;

// Where the bytes of a written record that equals no original came from: pieces
// of originals (record number and byte), zeroed or inserted bytes.
void ExplainForeign(const Originals& originals, const Damaged& d, const Bytes& r)
{
    const auto hit = std::search(d.bytes.begin(), d.bytes.end(), r.begin(), r.end());
    if (hit == d.bytes.end())
        return;
    const std::size_t p = static_cast<std::size_t>(hit - d.bytes.begin());
    std::printf("    foreign at %zu:", p);
    std::size_t k = 0;
    while (k < 50) {
        const std::int64_t o = d.origin[p + k];
        const bool same = o >= 0 && d.bytes[p + k] == originals.joined[static_cast<std::size_t>(o)];
        std::size_t e = k + 1;
        while (e < 50) {
            const std::int64_t oe = d.origin[p + e];
            const bool se = oe >= 0 && d.bytes[p + e] == originals.joined[static_cast<std::size_t>(oe)];
            if (se != same || (o < 0) != (oe < 0) || (o >= 0 && oe != o + static_cast<std::int64_t>(e - k)))
                break;
            ++e;
        }
        if (o < 0)
            std::printf(" [%zu,%zu) inserted", k, e);
        else if (!same)
            std::printf(" [%zu,%zu) changed", k, e);
        else
            std::printf(" [%zu,%zu) rec %lld+%lld", k, e, static_cast<long long>((o - 84) / 50),
                        static_cast<long long>((o - 84) % 50));
        k = e;
    }
    float f[12];
    std::memcpy(f, r.data(), 48);
    const double e1[3] = {double(f[6]) - f[3], double(f[7]) - f[4], double(f[8]) - f[5]};
    const double e2[3] = {double(f[9]) - f[3], double(f[10]) - f[4], double(f[11]) - f[5]};
    const double c[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
    const double cl = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
    const double nl = std::sqrt(double(f[0]) * f[0] + double(f[1]) * f[1] + double(f[2]) * f[2]);
    std::printf("  n=(%g,%g,%g) cos=%.6f\n", f[0], f[1], f[2],
                cl > 0 && nl > 0 ? (c[0] * f[0] + c[1] * f[1] + c[2] * f[2]) / (cl * nl) : 0.0);
}

Tally Measure(const Originals& originals, const Damaged& damaged, const Bytes& output, bool explain = false)
{
    Tally t;
    t.files = 1;
    std::unordered_map<Bytes, std::int64_t, ByteHash> survivors, known;
    for (Bytes& r : IntactRecords(originals, damaged))
        ++survivors[std::move(r)];
    for (Bytes& r : AllRecords(originals))
        ++known[std::move(r)];
    for (const auto& [r, n] : survivors)
        t.intact += static_cast<std::uint64_t>(n);
    if (output.size() >= 84)
        for (std::size_t at = 84; at + 50 <= output.size(); at += 50) {
            Bytes r(output.begin() + static_cast<std::ptrdiff_t>(at), output.begin() + static_cast<std::ptrdiff_t>(at + 50));
            ++t.written;
            if (known.count(r))
                ++t.correct;
            else if (explain)
                ExplainForeign(originals, damaged, r);
            auto it = survivors.find(r);
            if (it != survivors.end() && it->second > 0) {
                --it->second;
                ++t.recovered;
            }
        }
    t.identical = output == damaged.bytes ? 1 : 0;
    return t;
}

void SpeedTest(std::size_t megabytes, const std::string& dir)
{
    const int rings = static_cast<int>(std::sqrt(megabytes * 1e6 / 100.0));
    const Mesh big = GenerateTorus("speed", rings, rings, NormalStyle::Imprecise, 0, 0, 5);
    Originals o;
    o.Add(big);
    std::mt19937 rng(11);
    struct Case {
        const char* name;
        Bytes bytes;
    } cases[] = {{"intact", big.file}, {"damaged (mixed)", Damage(o, DamageKind::Mixed, big, rng).bytes},
                 {"random bytes", {}}};
    cases[2].bytes.resize(big.file.size());
    for (auto& b : cases[2].bytes)
        b = static_cast<unsigned char>(rng());
    std::printf("\nSpeed (%.1f MB sources, page cache, wall time):\n", big.file.size() / 1e6);
    for (const Case& c : cases) {
        const std::string src = dir + "/speed.stl", dst = dir + "/speed_fixed.stl";
        WriteAll(src, c.bytes);
        double strict = 0, salvage = 0;
        RunMode(KALVO_MODE_STRICT, src, dst, &strict);
        RunMode(KALVO_MODE_SALVAGE, src, dst, &salvage);
        std::printf("  %-16s strict %6.2f s   salvage %6.2f s (%.0f MB/s)\n", c.name, strict, salvage,
                    c.bytes.size() / 1e6 / salvage);
        fs::remove(src);
        fs::remove(dst);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> realFolders;
    int seeds = 2;
    std::string writeDir;
    std::size_t speedMb = 0;
    bool generated = true;
    std::string only, kindFilter;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--real" && i + 1 < argc)
            realFolders.push_back(argv[++i]);
        else if (a == "--seeds" && i + 1 < argc)
            seeds = std::max(1, std::atoi(argv[++i]));
        else if (a == "--write" && i + 1 < argc)
            writeDir = argv[++i];
        else if (a == "--speed" && i + 1 < argc)
            speedMb = static_cast<std::size_t>(std::atol(argv[++i]));
        else if (a == "--kind" && i + 1 < argc)
            kindFilter = argv[++i];
        else if (a == "--explain")
            g_explain = true;
        else if (a == "--no-generated")
            generated = false;
        else if (a == "--only" && i + 1 < argc)
            only = argv[++i];
        else {
            std::fprintf(stderr, "usage: %s [--real DIR]... [--seeds N] [--write DIR] [--speed MB] [--no-generated] [--only NAME] [--kind KIND] [--explain]\n", argv[0]);
            return 2;
        }
    }
    if (realFolders.empty())
        realFolders.push_back("/usr/share");

    std::vector<Mesh> meshes = FindRealMeshes(realFolders);
    const std::size_t realCount = meshes.size();
    if (generated) {
        meshes.push_back(GenerateTorus("torus-exact", 60, 40, NormalStyle::Exact, 0, 6, 1));
        meshes.push_back(GenerateTorus("torus-imprecise", 50, 30, NormalStyle::Imprecise, 0, 4, 2));
        meshes.push_back(GenerateTorus("torus-reversed", 50, 30, NormalStyle::Reversed, 0, 4, 3));
        meshes.push_back(GenerateTorus("torus-zero", 60, 40, NormalStyle::Zero, 0, 6, 4));
        meshes.push_back(GenerateTorus("torus-zero-attr", 40, 30, NormalStyle::Zero, 0x7C1F, 3, 5));
        meshes.push_back(GenerateTorus("torus-smoothed-attr", 40, 30, NormalStyle::Smoothed, 0xFFFF, 3, 6));
        meshes.push_back(GeneratePlate("plate-exact", 24, NormalStyle::Exact, 7));
        meshes.push_back(GeneratePlate("plate-zero", 24, NormalStyle::Zero, 8));
        meshes.push_back(GenerateUnitSphere("unit-sphere-exact", 30, NormalStyle::Exact, 9));
        meshes.push_back(GenerateUnitSphere("unit-sphere-zero", 30, NormalStyle::Zero, 10));
    }
    std::printf("Corpus: %zu real binary STL files, %zu generated meshes, %d seed(s) per damage kind\n", realCount,
                meshes.size() - realCount, seeds);
    if (meshes.empty())
        return 1;

    const std::string dir = (fs::temp_directory_path() / ("salvage-eval-" + std::to_string(getpid()))).string();
    fs::create_directories(dir);
    if (!writeDir.empty())
        fs::create_directories(writeDir);

    std::map<DamageKind, Tally> strictBy, salvageBy;
    std::map<DamageKind, std::vector<std::string>> misses;
    double salvageSeconds = 0;
    std::uint64_t salvageBytes = 0;
    for (DamageKind kind : AllKinds()) {
        if (!kindFilter.empty() && std::string(KindName(kind)).find(kindFilter) == std::string::npos)
            continue;
        for (std::size_t m = 0; m < meshes.size(); ++m) {
            if (!only.empty() && meshes[m].name.find(only) == std::string::npos)
                continue;
            for (int s = 0; s < (kind == DamageKind::None ? 1 : seeds); ++s) {
                std::mt19937 rng(static_cast<unsigned>(1000003 * m + 7919 * s + static_cast<unsigned>(kind)));
                Originals o;
                o.Add(meshes[m]);
                const Damaged d = Damage(o, kind, meshes[(m + 1) % meshes.size()], rng);
                const std::string src = dir + "/damaged.stl", dst = dir + "/fixed.stl";
                WriteAll(src, d.bytes);
                if (!writeDir.empty())
                    WriteAll(writeDir + "/" + meshes[m].name + "." + std::to_string(static_cast<int>(kind)) + "." +
                                 std::to_string(s) + ".stl",
                             d.bytes);
                const Tally strict = Measure(o, d, RunMode(KALVO_MODE_STRICT, src, dst));
                double seconds = 0;
                const Tally salvage = Measure(o, d, RunMode(KALVO_MODE_SALVAGE, src, dst, &seconds), g_explain);
                salvageSeconds += seconds;
                salvageBytes += d.bytes.size();
                strictBy[kind].Add(strict);
                salvageBy[kind].Add(salvage);
                if (salvage.recovered != salvage.intact || salvage.correct != salvage.written ||
                    (kind == DamageKind::None && !salvage.identical))
                    misses[kind].push_back(meshes[m].name + " seed " + std::to_string(s) + ": " +
                                           std::to_string(salvage.intact - salvage.recovered) + " missed, " +
                                           std::to_string(salvage.written - salvage.correct) + " foreign");
            }
        }
    }

    std::printf("\n%-22s %6s %10s | %8s %9s | %8s %9s %8s\n", "damage kind", "files", "survivors", "strict R",
                "strict P", "salv. R", "salv. P", "foreign");
    Tally strictAll, salvageAll;
    for (DamageKind kind : AllKinds()) {
        const Tally& a = strictBy[kind];
        const Tally& b = salvageBy[kind];
        strictAll.Add(a);
        salvageAll.Add(b);
        std::printf("%-22s %6llu %10llu | %7.3f%% %8.3f%% | %7.3f%% %8.3f%% %8llu\n", KindName(kind),
                    static_cast<unsigned long long>(b.files), static_cast<unsigned long long>(b.intact), a.Recall(),
                    a.Precision(), b.Recall(), b.Precision(), static_cast<unsigned long long>(b.written - b.correct));
    }
    std::printf("%-22s %6llu %10llu | %7.3f%% %8.3f%% | %7.3f%% %8.3f%% %8llu\n", "all",
                static_cast<unsigned long long>(salvageAll.files), static_cast<unsigned long long>(salvageAll.intact),
                strictAll.Recall(), strictAll.Precision(), salvageAll.Recall(), salvageAll.Precision(),
                static_cast<unsigned long long>(salvageAll.written - salvageAll.correct));
    std::printf("\nIntact files byte-identical: strict %llu of %llu, salvage %llu of %llu\n",
                static_cast<unsigned long long>(strictBy[DamageKind::None].identical),
                static_cast<unsigned long long>(strictBy[DamageKind::None].files),
                static_cast<unsigned long long>(salvageBy[DamageKind::None].identical),
                static_cast<unsigned long long>(salvageBy[DamageKind::None].files));
    std::printf("Salvage throughput over the corpus: %.1f MB/s\n", salvageBytes / 1e6 / salvageSeconds);
    for (auto& [kind, list] : misses) {
        // Foreign records first: they are the faults; missed ones may be the rules' price.
        std::stable_partition(list.begin(), list.end(),
                              [](const std::string& line) { return line.find(" 0 foreign") == std::string::npos; });
        std::printf("\nSalvage shortfalls, %s:\n", KindName(kind));
        for (std::size_t i = 0; i < list.size() && (g_explain || i < 12); ++i)
            std::printf("  %s\n", list[i].c_str());
        if (!g_explain && list.size() > 12)
            std::printf("  ... %zu more\n", list.size() - 12);
    }
    if (speedMb)
        SpeedTest(speedMb, dir);
    fs::remove_all(dir);
    return 0;
}
