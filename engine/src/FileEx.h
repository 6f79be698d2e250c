// CFileEx: the source reader. Two 64 KiB windows serve the scanner's small reads
// and short steps back from memory; a sector that cannot be read arrives as zeros.
#pragma once

#include "framework/File.h"

#include <algorithm>
#include <cstdint>

namespace kalvo {

struct ReadWindow {
    unsigned char* base = nullptr;
    std::uint32_t capacity = 0;
    std::uint64_t offset = 0;
    std::uint32_t valid = 0;

    bool Usable() const { return base != nullptr && capacity != 0 && valid != 0; }
    bool Holds(std::uint64_t p) const { return Usable() && offset <= p && p - offset < valid; }
};

class CFileEx : public CFile {
public:
    static constexpr std::uint32_t kHalfSize = 65536;

    CFileEx();  // throws CMemoryException when the block cannot be allocated
    ~CFileEx() override;

    bool Open(const char16_t* fileName, unsigned openFlags, CFileException* error = nullptr) override;
    std::uint64_t GetPosition() const override { return m_nPosition; }
    std::uint64_t Seek(std::int64_t offset, unsigned from) override;
    void SetLength(std::uint64_t length) override;
    unsigned Read(void* buffer, unsigned count) override;
    void Write(const void* buffer, unsigned count) override;
    void Flush() override;
    void Close() override;
    void Abort() override;
    [[noreturn]] void Duplicate() const;
    [[noreturn]] void LockRange(std::uint64_t position, std::uint64_t count);
    [[noreturn]] void UnlockRange(std::uint64_t position, std::uint64_t count);
    bool IsShortRead() const { return m_bShortRead; }

    // For the scanner's fast path and for tests.
    const ReadWindow& WindowA() const { return *m_pWindowA; }
    const ReadWindow& WindowB() const { return *m_pWindowB; }
    std::uint32_t SectorSize() const { return m_nSectorSize; }

    // The scan's fast path reads straight from the windows, but only where Read
    // would be served by one window without a refill, so that the windows, and
    // every byte seen, evolve exactly as through Read.
    //
    // Candidates q' in [q, runEnd) whose 48 bytes (four 12-byte reads) one window
    // serves; at points at q's bytes. False when q needs Read.
    bool CandidateRun(std::uint64_t q, const unsigned char*& at, std::uint64_t& runEnd) const
    {
        constexpr std::uint32_t kBytes = 48, kLastRead = 36;
        const ReadWindow& a = *m_pWindowA;
        const ReadWindow& b = *m_pWindowB;
        if (a.Holds(q)) {
            const std::uint64_t end = a.offset + a.valid;
            if (q + kBytes > end)
                return false;
            at = a.base + (q - a.offset);
            runEnd = end - kBytes + 1;
            return true;
        }
        if (!b.Holds(q))
            return false;
        const std::uint64_t end = b.offset + b.valid;
        if (q + kBytes > end)
            return false;
        runEnd = end - kBytes + 1;
        if (a.Usable() && q < a.offset + a.valid) {
            // A lies ahead: a read that starts in A would be served by A.
            if (q + kLastRead >= a.offset)
                return false;
            runEnd = std::min<std::uint64_t>(runEnd, a.offset - kLastRead);
        }
        at = b.base + (q - b.offset);
        return true;
    }

    // The two attribute bytes at q when one Read of 2 would take them from one window.
    const unsigned char* AttributeAt(std::uint64_t q) const
    {
        const ReadWindow& w = m_pWindowA->Holds(q) ? *m_pWindowA : *m_pWindowB;
        if (!w.Holds(q) || q + 2 > w.offset + w.valid)
            return nullptr;
        return w.base + (q - w.offset);
    }

    // Loads a window at the current position (the window is chosen as for any
    // refill) and returns it; its valid count is 0 when nothing could be read.
    const ReadWindow& RefillWindow();

private:
    std::uint32_t ReadAt(std::uint32_t count, unsigned char* destination);

    bool m_bShortRead = false;
    unsigned char* m_pBuffer = nullptr;
    std::uint32_t m_nHalfSize = kHalfSize;
    ReadWindow* m_pWindowA = nullptr;
    ReadWindow* m_pWindowB = nullptr;
    std::uint64_t m_nPosition = 0;
    std::uint32_t m_nSectorSize = 512;
    ReadWindow m_windows[2];
};

}  // namespace kalvo
