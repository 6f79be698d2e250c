// The engine's plain file object over a POSIX descriptor. Errors of reads,
// writes, seeks and closes raise CFileException; a failing Open answers false.
#pragma once

#include "framework/Exceptions.h"

#include <cstdint>
#include <string>
#include <sys/stat.h>

namespace kalvo {

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyWrite = 0x0020,  // others may read but not write
        modeCreate = 0x1000,      // create, or empty an existing file
        typeBinary = 0x8000,
        modeNoTruncate = 0x10000, // with modeCreate: keep an existing file's bytes
    };
    enum SeekPosition : unsigned { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    virtual bool Open(const char16_t* fileName, unsigned openFlags, CFileException* error = nullptr);
    virtual std::uint64_t GetPosition() const;
    virtual std::uint64_t Seek(std::int64_t offset, unsigned from);
    virtual void SetLength(std::uint64_t length);
    virtual std::uint64_t GetLength() const;
    virtual unsigned Read(void* buffer, unsigned count);
    virtual void Write(const void* buffer, unsigned count);
    virtual void Flush();
    virtual void Close();
    virtual void Abort();

    bool IsOpen() const { return m_hFile >= 0; }
    // Same device and inode: also true through symbolic and hard links.
    bool IsSameFile(const CFile& other) const;
    const struct stat& Status() const { return m_status; }

    int m_hFile = -1;
    bool m_bCloseOnDelete = false;
    std::u16string m_strFileName;  // the full path the file was opened with

protected:
    [[noreturn]] void ThrowLastError(int osError) const;

private:
    struct stat m_status {};
};

}  // namespace kalvo
