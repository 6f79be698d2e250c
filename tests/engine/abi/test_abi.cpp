// The shared library as a host sees it: one exported entry, nothing else.
#include "kalvo/kalvo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

TEST(KalvoLibrary, ExportsOnlyTheEntry)
{
    void* lib = dlopen(KALVO_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    EXPECT_NE(dlsym(lib, "RunRepairJob"), nullptr);
    for (const char* internal : {"_ZN5kalvo14FindEngineTextEtj", "_ZN5kalvo12ParseEpsilonEPKDs", "g_wJobLanguage",
                                 "_ZN5kalvo13g_wJobLanguageE"})
        EXPECT_EQ(dlsym(lib, internal), nullptr) << internal;
    dlclose(lib);
}

std::int32_t CountFacets(std::uint32_t message, std::uintptr_t param, void* context)
{
    if (message == EM_FACET_COUNT)
        *static_cast<std::uint32_t*>(context) = *reinterpret_cast<const std::uint32_t*>(param);
    return 0;
}

TEST(KalvoLibrary, RunsAScrambledJobThroughTheEntry)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("kalvo-abi-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    // One record with normal (0, 0, 1) over the unit triangle, behind a header.
    const float record[12] = {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0};
    std::string bytes(84, '\0');
    bytes.append(reinterpret_cast<const char*>(record), 48);
    bytes.append("\x2A\x00", 2);
    std::ofstream(dir / "in.stl", std::ios::binary) << bytes;
    const std::string in = (dir / "in.stl").string(), out = (dir / "out.stl").string();
    const std::u16string src(in.begin(), in.end()), dst(out.begin(), out.end()), eps = u"1e-6";
    TOptionsStruct options{0, 1033, nullptr, eps.c_str()};
    std::uint32_t count = 99;
    RepairJob job{src.c_str(), &options, 0, dst.c_str(), &CountFacets, &count};
    unsigned char block[sizeof job];
    std::memcpy(block, &job, sizeof job);
    for (unsigned char& b : block)
        b ^= RepairJobKey;
    EXPECT_EQ(RunRepairJob(block), 1);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(fs::file_size(out), 84u + 50u);
    fs::remove_all(dir);
}

}  // namespace
