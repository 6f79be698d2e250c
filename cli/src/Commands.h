// The subcommands; each returns the program's exit status.
#pragma once

#include "CommandLine.h"

namespace meshwright {

int RunRepairCommand(const RepairOptions& options);
int RunInfoCommand(const InfoOptions& options);

}  // namespace meshwright
