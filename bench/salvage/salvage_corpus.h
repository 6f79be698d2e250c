// Corpus for measuring the salvage mode: intact meshes (real files and generated
// ones), damaged the way real damage looks, with the origin of every byte kept
// so that the records that survived intact are known exactly.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace salvagebench {

using Bytes = std::vector<unsigned char>;

// An intact binary STL file and where it came from.
struct Mesh {
    std::string name;
    Bytes file;  // 84 + 50 x count bytes
    std::uint32_t Count() const { return static_cast<std::uint32_t>((file.size() - 84) / 50); }
};

// Generated meshes: closed surfaces with shared vertices, in the normal styles
// real exporters write, with degenerate facets and attribute words.
enum class NormalStyle { Exact, Imprecise, Reversed, Zero, Smoothed };
Mesh GenerateTorus(const std::string& name, int rings, int sides, NormalStyle style, std::uint16_t attribute,
                   int degenerate, unsigned seed);
// A box-like plate on an integer grid: axis-aligned normals, many zero bytes.
Mesh GeneratePlate(const std::string& name, int cells, NormalStyle style, unsigned seed);
// A sphere of radius 1: every vertex is itself a unit vector.
Mesh GenerateUnitSphere(const std::string& name, int rings, NormalStyle style, unsigned seed);

// Binary STL files (size = 84 + 50 x count) under these folders.
std::vector<Mesh> FindRealMeshes(const std::vector<std::string>& folders);

// A damaged file: its bytes and, per byte, the offset in the joined originals
// it came from (-1 for bytes that were never in them).
struct Damaged {
    Bytes bytes;
    std::vector<std::int64_t> origin;
};

// Joined originals: one or more meshes one after another, as offsets see them.
struct Originals {
    std::vector<const Mesh*> meshes;
    std::vector<std::int64_t> starts;
    Bytes joined;
    void Add(const Mesh& mesh);
    Damaged Undamaged() const;
};

enum class DamageKind { None, Inserted, Deleted, Zeroed512, Zeroed4K, CutTail, GarbageHeader, Concatenated,
                        TextTransfer, Mixed, DeletedRecords };
const char* KindName(DamageKind kind);
std::vector<DamageKind> AllKinds();

void InsertBytes(Damaged& d, std::mt19937& rng);
void DeleteBytes(Damaged& d, std::mt19937& rng);
// Exactly 50 x n bytes (n up to 40) from anywhere: the grid stays in step, and
// the record the cut goes through is spliced from two.
void DeleteRecordLengths(Damaged& d, std::mt19937& rng);
void ZeroSector(Damaged& d, std::size_t sector, std::mt19937& rng);
void CutTail(Damaged& d, std::mt19937& rng);
void GarbageHeader(Damaged& d, std::mt19937& rng);
void TextTransfer(Damaged& d);  // every LF byte becomes CR LF

// Applies one kind of damage (events scaled to the file's size). For
// Concatenated the second mesh is joined before damaging.
Damaged Damage(Originals& originals, DamageKind kind, const Mesh& other, std::mt19937& rng);

// Original records that survived intact: their bytes, one entry per record.
std::vector<Bytes> IntactRecords(const Originals& originals, const Damaged& d);
// Every original record's bytes.
std::vector<Bytes> AllRecords(const Originals& originals);

}  // namespace salvagebench
