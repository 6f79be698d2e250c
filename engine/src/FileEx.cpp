#include "FileEx.h"

#include "framework/OsApi.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <unistd.h>

namespace kalvo {

CFileEx::CFileEx()
{
    m_pBuffer = static_cast<unsigned char*>(os::Current().allocate(2 * kHalfSize));
    if (!m_pBuffer)
        throw CMemoryException();
    m_pWindowA = &m_windows[0];
    m_pWindowB = &m_windows[1];
    *m_pWindowA = ReadWindow{m_pBuffer, kHalfSize, 0, 0};
    *m_pWindowB = ReadWindow{m_pBuffer + kHalfSize, kHalfSize, 0, 0};
}

CFileEx::~CFileEx()
{
    os::Current().release(m_pBuffer);
}

bool CFileEx::Open(const char16_t* fileName, unsigned openFlags, CFileException* error)
{
    m_bShortRead = false;
    m_nPosition = 0;
    if (!CFile::Open(fileName, openFlags, error))
        return false;
    // Only data that has a length and a position can be scanned.
    const mode_t mode = Status().st_mode;
    if (!S_ISREG(mode) && !S_ISBLK(mode)) {
        CFile::Abort();
        if (error) {
            error->m_cause = CFileException::invalidFile;
            error->m_strFileName = m_strFileName;
        }
        return false;
    }
    const unsigned size = os::Current().sectorSize(m_hFile);
    m_nSectorSize = size != 0 ? size : 512;
    return true;
}

std::uint64_t CFileEx::Seek(std::int64_t offset, unsigned from)
{
    std::uint64_t next = m_nPosition;
    if (from == begin)
        next = static_cast<std::uint64_t>(offset);
    else if (from == current)
        next = m_nPosition + static_cast<std::uint64_t>(offset);
    else if (from == end)
        next = CFile::Seek(0, end) + static_cast<std::uint64_t>(offset);
    if (next != m_nPosition)
        m_bShortRead = false;
    m_nPosition = next;
    return m_nPosition;
}

void CFileEx::SetLength(std::uint64_t length)
{
    CFile::SetLength(length);
    m_nPosition = 0;
    m_bShortRead = false;
}

unsigned CFileEx::Read(void* buffer, unsigned count)
{
    if (count == 0)
        return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    unsigned remaining = count;
    while (remaining > 0) {
        const ReadWindow* hit = m_pWindowA->Holds(m_nPosition)   ? m_pWindowA
                                : m_pWindowB->Holds(m_nPosition) ? m_pWindowB
                                                                 : nullptr;
        if (hit) {
            const std::uint64_t inWindow = m_nPosition - hit->offset;
            const unsigned n = static_cast<unsigned>(std::min<std::uint64_t>(remaining, hit->valid - inWindow));
            std::memcpy(out, hit->base + inWindow, n);
            m_nPosition += n;
            out += n;
            remaining -= n;
        } else if (remaining > m_nHalfSize) {
            const std::uint32_t asked = remaining - remaining % m_nHalfSize;
            const std::uint32_t got = ReadAt(asked, out);
            m_nPosition += got;
            out += got;
            remaining -= got;
            if (got < asked)
                break;
        } else if (RefillWindow().valid == 0) {
            break;
        }
    }
    m_bShortRead = remaining > 0;
    return count - remaining;
}

const ReadWindow& CFileEx::RefillWindow()
{
    ReadWindow* w;
    if (!m_pWindowA->Usable())
        w = m_pWindowA;
    else if (!m_pWindowB->Usable())
        w = m_pWindowB;
    else if (m_pWindowB->offset >= m_nPosition)
        w = m_pWindowB;
    else if (m_pWindowA->offset >= m_nPosition)
        w = m_pWindowA;
    else
        w = m_pWindowA->offset < m_pWindowB->offset ? m_pWindowA : m_pWindowB;
    w->offset = m_nPosition;
    w->valid = ReadAt(w->capacity, w->base);
    return *w;
}

std::uint32_t CFileEx::ReadAt(std::uint32_t count, unsigned char* destination)
{
    if (count == 0)
        return 0;
    const os::Api& api = os::Current();
    if (m_nPosition > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
        api.lseek(m_hFile, static_cast<off_t>(m_nPosition), SEEK_SET) < 0)
        return 0;

    // Sound media deliver the whole request in one call; the sector split below
    // then reads the same bytes with a hundred calls more. Anything short of the
    // whole request (an error, the end of the file) is read again the split way,
    // so every byte the caller gets is what the split reads give.
    ssize_t whole;
    do {
        whole = api.read(m_hFile, destination, count);
    } while (whole < 0 && errno == EINTR);
    if (whole == static_cast<ssize_t>(count))
        return count;
    if (api.lseek(m_hFile, static_cast<off_t>(m_nPosition), SEEK_SET) < 0)
        return 0;

    const std::uint32_t sector = m_nSectorSize;
    const std::uint32_t misalign = static_cast<std::uint32_t>(m_nPosition % sector);
    const std::uint32_t head = misalign != 0 ? std::min(sector - misalign, count) : 0;

    // The chunks are fixed by the request: a head up to the next sector boundary,
    // whole sectors, a tail. A short chunk does not shift the ones after it.
    const std::uint32_t sectors = (count - head) / sector;
    const std::uint32_t tail = (count - head) % sector;
    const std::uint32_t chunks = (head != 0) + sectors + (tail != 0);
    std::uint32_t total = 0;
    for (std::uint32_t i = 0; i < chunks; ++i) {
        const std::uint32_t chunk = (i == 0 && head != 0) ? head : (i == chunks - 1 && tail != 0) ? tail : sector;
        ssize_t n;
        do {
            n = api.read(m_hFile, destination + total, chunk);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            // An unreadable chunk costs exactly its own bytes: zeros, and on past it.
            std::memset(destination + total, 0, chunk);
            total += chunk;
            api.lseek(m_hFile, static_cast<off_t>(chunk), SEEK_CUR);
        } else if (n == 0) {
            break;
        } else {
            total += static_cast<std::uint32_t>(n);
        }
    }
    return total;
}

void CFileEx::Write(const void* buffer, unsigned count)
{
    if (count == 0)
        return;
    const os::Api& api = os::Current();
    if (api.lseek(m_hFile, static_cast<off_t>(m_nPosition), SEEK_SET) < 0)
        return;
    const std::uint64_t before = m_nPosition;
    const auto settle = [&] {
        const off_t now = api.lseek(m_hFile, 0, SEEK_CUR);
        if (now >= 0)
            m_nPosition = static_cast<std::uint64_t>(now);
        if (m_nPosition != before)
            m_bShortRead = false;
    };
    try {
        CFile::Write(buffer, count);
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

void CFileEx::Flush()
{
    os::Current().lseek(m_hFile, static_cast<off_t>(m_nPosition), SEEK_SET);
    CFile::Flush();
}

void CFileEx::Close()
{
    CFile::Close();
    m_bShortRead = false;
}

void CFileEx::Abort()
{
    CFile::Abort();
    m_bShortRead = false;
}

void CFileEx::Duplicate() const { throw CNotSupportedException(); }
void CFileEx::LockRange(std::uint64_t, std::uint64_t) { throw CNotSupportedException(); }
void CFileEx::UnlockRange(std::uint64_t, std::uint64_t) { throw CNotSupportedException(); }

}  // namespace kalvo
