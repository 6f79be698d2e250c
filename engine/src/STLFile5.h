// CSTLFile5: one repair job. Opens the damaged source and the fixed target,
// copies every intact facet record and reports through the communicator.
#pragma once

#include "Communicator.h"
#include "FileEx.h"

#include <cstdint>
#include <vector>

namespace kalvo {

class CFileType {
public:
    virtual ~CFileType() = default;
};

// Sequential writes to the fixed file through one buffer: one system call per
// record would cost more than the whole scan of an intact file.
class CTargetWriter {
public:
    static constexpr std::size_t kCapacity = 1 << 16;
    explicit CTargetWriter(CFile& file) : m_file(file) { m_buffer.reserve(kCapacity); }
    void Write(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        if (m_buffer.size() + size > kCapacity)
            Flush();
        m_buffer.insert(m_buffer.end(), bytes, bytes + size);
    }
    void Flush()
    {
        if (!m_buffer.empty()) {
            // Emptied first: after a failure nothing is written twice.
            std::vector<unsigned char> pending;
            pending.swap(m_buffer);
            m_buffer.reserve(kCapacity);
            m_file.Write(pending.data(), static_cast<unsigned>(pending.size()));
        }
    }

private:
    CFile& m_file;
    std::vector<unsigned char> m_buffer;
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
    bool OpenTarget(CFile& target, const CFileEx& source, const char16_t* targetPath);
    void ReportError(const std::u16string& errorText, const std::u16string& showText) const;
};

}  // namespace kalvo
