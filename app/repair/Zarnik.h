// The binding to the engine library: packs one job into the scrambled block
// the engine's entry expects and calls it.
#pragma once

#include <kalvo/kalvo.h>

#include <cstdint>

// The key byte the block is scrambled with; the engine undoes it with the same byte.
extern const uint8_t ZarnikJobKey;

// Fills a RepairJob with the six arguments in their order, XORs each of its
// bytes with ZarnikJobKey and hands its address to the engine. Returns the
// engine's result: 1 when at least one facet was written, else 0.
int32_t EngineRepairFile(const char16_t* SourcePath, const TOptionsStruct* Options, uintptr_t Reserved,
                         const char16_t* TargetPath, EngineCallback Callback, void* Context);

// The engine entry EngineRepairFile calls: RunRepairJob of the library unless
// a test has put a recorder in its place. Returns the previous entry; null
// restores the library's.
using TRunRepairJobEntry = int32_t (*)(const void* block);
TRunRepairJobEntry SetRunRepairJobEntry(TRunRepairJobEntry entry);
