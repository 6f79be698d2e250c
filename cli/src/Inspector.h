// What a file looks like before a repair, without the engine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace meshwright {

enum class FileFormat {
    Binary,      // binary STL, intact or damaged
    TextStl,     // text-format STL: the engine does not read it
    Html,        // a web page saved under an STL name
    OtherText,   // text, but no STL
    Empty,
    HeaderOnly,  // no room for a single facet record after the header
};

const char* FormatName(FileFormat format);  // the JSON spelling

// How the stored normals of the records on the 50-byte grid from offset 84
// relate to the unit normals of their vertices (a sample from the file's start).
struct NormalCensus {
    std::uint64_t sampled = 0;
    std::uint64_t exact = 0;      // within 1e-6 on every axis: what a strict repair keeps
    std::uint64_t imprecise = 0;  // a unit normal pointing the right way, but not within 1e-6
    std::uint64_t reversed = 0;   // the normal of the opposite winding
    std::uint64_t zero = 0;       // (0, 0, 0)
    std::uint64_t other = 0;      // no normal of these vertices: damage, or the grid is off

    std::uint64_t Aligned() const { return sampled - other; }
    // The records look like facets, but a strict repair would drop many of them.
    bool StrictLosesMuch() const { return Aligned() * 2 > sampled && exact * 100 < Aligned() * 99; }
};

struct FileFacts {
    std::string path;
    std::string readError;  // empty when the file could be read
    std::uint64_t size = 0;
    FileFormat format = FileFormat::Empty;
    std::string header;                        // the printable part of the first 80 bytes
    std::optional<std::uint32_t> storedCount;  // when the file reaches past the count field
    std::optional<std::uint64_t> expectedSize; // 84 + 50 x stored count
    std::string solidName;                     // text STL: the name after "solid"
    std::uint64_t textFacets = 0;              // text STL: "facet normal" lines
    bool textEnds = false;                     // text STL: "endsolid" near the end
    NormalCensus normals;                      // binary files

    bool SizeAgrees() const { return expectedSize && *expectedSize == size; }
};

FileFacts InspectFile(const std::string& path);

std::string DescribeForPeople(const FileFacts& facts);  // several lines, each ending in "\n"
std::string DescribeAsJson(const FileFacts& facts);     // one line, no "\n"

}  // namespace meshwright
