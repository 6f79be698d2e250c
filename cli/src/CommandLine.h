// The command line: subcommands, options and the help texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace meshwright {

// Exit statuses, shared by every command.
enum ExitStatus : int {
    kExitOk = 0,
    kExitSomeFailed = 1,   // repair: a file gave no facet; info: a file could not be read
    kExitUsage = 2,        // usage errors and refusals
    kExitInterrupted = 130,
};

struct RepairOptions {
    std::vector<std::string> sources;
    std::optional<std::string> output;  // -o
    std::optional<std::string> outDir;
    std::optional<std::string> precision;
    bool overwrite = false;
    bool makeDirs = false;
    bool quiet = false;
    bool json = false;
    bool salvage = false;  // keep every intact record, whatever its stored normal
};

struct InfoOptions {
    std::vector<std::string> files;
    bool json = false;
};

enum class Command { Usage, Help, Version, Repair, RepairHelp, Info, InfoHelp };

struct ParsedCommandLine {
    Command command = Command::Usage;
    RepairOptions repair;
    InfoOptions info;
    std::string error;  // set together with Command::Usage when the line is wrong
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);  // args without the program name

extern const char* const kMainHelp;
extern const char* const kRepairHelp;
extern const char* const kInfoHelp;

}  // namespace meshwright
