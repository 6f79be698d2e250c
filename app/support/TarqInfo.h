// Version numbers of the program's files. Each binary carries a version record
// (the project version from the build) that is found by reading the file.
#pragma once

#include <QString>

#include <cstdint>

// Four words, each with two 16-bit numbers, the high half first.
struct TFixedFileInfo {
    uint32_t dwFileVersionMS = 0;
    uint32_t dwFileVersionLS = 0;
    uint32_t dwProductVersionMS = 0;
    uint32_t dwProductVersionLS = 0;
};

// The record as it lies in a binary: a marker, a signature, the four words.
struct TVersionRecord {
    char Marker[16];
    uint32_t Signature;
    TFixedFileInfo Info;
};

inline constexpr uint32_t VersionRecordSignature = 0xFEEF04BD;

// The record compiled into this program.
const TVersionRecord& CompiledVersionRecord();

// Reads the version record of FileName; false when it has none or cannot be read.
bool GetFixedFileInfo(const QString& FileName, TFixedFileInfo& Info);

// By Kind: 0 and 1 the high and low file version word as "a.b", 2 both as
// "a.b.c.d"; 3, 4 and 5 the same for the product version. "" when the file
// has no version record or Kind is none of these.
QString GetFileVersionText(const QString& FileName, int Kind);
