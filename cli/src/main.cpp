// meshwright: salvages damaged binary STL files from the command line.
#include "CommandLine.h"
#include "Commands.h"

#include <cstdio>
#include <string>
#include <vector>

#ifndef MESHWRIGHT_VERSION
#error "MESHWRIGHT_VERSION comes from the build"
#endif

int main(int argc, char** argv)
{
    using namespace meshwright;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = ParseCommandLine(args);
    switch (parsed.command) {
    case Command::Help:
        std::fputs(kMainHelp, stdout);
        return kExitOk;
    case Command::RepairHelp:
        std::fputs(kRepairHelp, stdout);
        return kExitOk;
    case Command::InfoHelp:
        std::fputs(kInfoHelp, stdout);
        return kExitOk;
    case Command::Version:
        std::printf("meshwright %s\n", MESHWRIGHT_VERSION);
        return kExitOk;
    case Command::Repair:
        return RunRepairCommand(parsed.repair);
    case Command::Info:
        return RunInfoCommand(parsed.info);
    case Command::Usage:
        break;
    }
    std::fprintf(stderr, "meshwright: %s\nTry 'meshwright --help' for more information.\n", parsed.error.c_str());
    return kExitUsage;
}
