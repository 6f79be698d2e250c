// CSTLFile5: one repair job. Opens the damaged source and the fixed target,
// copies every intact facet record and reports through the communicator.
#pragma once

#include "Communicator.h"
#include "FileEx.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>

namespace kalvo {

class CFileType {
public:
    virtual ~CFileType() = default;
};

// Sequential writes to the fixed file through one buffer: one system call per
// record would cost more than the whole scan of an intact file. The scan
// flushes before it returns, so a failing write still fails the scan.
class CTargetWriter {
public:
    static constexpr std::size_t kCapacity = 1 << 18;
    explicit CTargetWriter(CFile& file) : m_file(file), m_buffer(new unsigned char[kCapacity]) {}
    void Write(const void* data, std::size_t size)
    {
        if (m_used + size > kCapacity)
            Flush();
        if (size > kCapacity) {
            m_file.Write(data, static_cast<unsigned>(size));
            return;
        }
        std::memcpy(m_buffer.get() + m_used, data, size);
        m_used += size;
    }
    // Room for the next size bytes (at most the capacity), to be filled at once.
    unsigned char* Reserve(std::size_t size)
    {
        if (m_used + size > kCapacity)
            Flush();
        unsigned char* at = m_buffer.get() + m_used;
        m_used += size;
        return at;
    }
    void Flush()
    {
        const std::size_t pending = m_used;
        m_used = 0;  // emptied first: after a failure nothing is written twice
        if (pending != 0)
            m_file.Write(m_buffer.get(), static_cast<unsigned>(pending));
    }

private:
    CFile& m_file;
    std::unique_ptr<unsigned char[]> m_buffer;
    std::size_t m_used = 0;
};

class CSTLFile5 : public CFileType {
public:
    static constexpr std::uint32_t kHeaderSize = 80;
    static constexpr std::uint32_t kRecordSize = 50;

    explicit CSTLFile5(CCommunicator* communicator) : m_pCommunicator(communicator) {}

    // The whole job; source is the reader the entry allocated for it.
    std::int32_t Repair(CFileEx& source, const char16_t* sourcePath, const TOptionsStruct* options,
                        const char16_t* targetPath);

    // Copies every candidate that passes the facet tests; returns their count.
    std::uint32_t ScanFacets(CFileEx& source, CTargetWriter& target);

    CCommunicator* m_pCommunicator;
    COptions m_options;

private:
    // Counts and writes the record that passed at q (its 48 bytes at bytes),
    // completed with its attribute word; returns where the next candidate starts.
    std::uint64_t KeepRecord(CFileEx& source, CTargetWriter& target, const unsigned char* bytes, std::uint64_t q,
                             std::uint32_t& count, bool& windowsMoved);
};

// A job's scan: copies what it keeps from the open source to the target and
// returns the count; it runs with IEEE round-to-nearest arithmetic, no traps.
using FacetScan = std::function<std::uint32_t(CFileEx& source, CTargetWriter& target)>;

// The course every job takes, whatever its scan: percent 0, the source's name,
// source and target opened (a target that is the source is refused), header
// and count placeholder, the scan, the count, errors turned into EM_ERROR and
// EM_SHOW_MESSAGE, the count sent, percent 100. Returns 1 when a facet was written.
std::int32_t RunRepairCourse(CCommunicator& comm, CFileEx& source, const char16_t* sourcePath,
                             const char16_t* targetPath, const FacetScan& scan);

}  // namespace kalvo
