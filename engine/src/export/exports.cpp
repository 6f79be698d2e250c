// The shared library's exported entries live in the core; this unit only
// makes sure the linker pulls them in from the static archive.
#include "kalvo/kalvo.h"

namespace {
[[maybe_unused]] auto* const keepRunRepairJob = &RunRepairJob;
}
