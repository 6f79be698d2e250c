// Which file each source is repaired to, and the checks that refuse a run before
// anything is changed.
#pragma once

#include "CommandLine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshwright {

// The desktop program's proposal: the source without its last extension, then
// "_fixed", then that extension ("part.stl" -> "part_fixed.stl", "a.b/part" -> "a.b/part_fixed").
std::string ProposedTarget(const std::string& source);

struct PlannedJob {
    std::string source;
    std::string target;
    std::u16string source16;
    std::u16string target16;
    std::uint64_t sourceBytes = 0;
    std::optional<std::uint32_t> storedCount;  // none when the source is shorter than header and count
};

struct RepairPlan {
    std::vector<PlannedJob> jobs;
    std::vector<std::string> refusals;        // each a complete sentence; any one stops the run
    std::vector<std::string> foldersToCreate; // with --mkdir, created only when nothing is refused
};

// Looks at the file system only; changes nothing.
RepairPlan PlanRepair(const RepairOptions& options);

// Creates the planned folders; false with a message when one cannot be made.
bool CreatePlannedFolders(const RepairPlan& plan, std::string& error);

}  // namespace meshwright
