#include "framework/File.h"

#include "framework/OsApi.h"
#include "framework/Text.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace kalvo {
namespace {

// The absolute, lexically normalised form of a path, as it names the file in messages.
std::u16string FullPath(const std::string& path)
{
    std::filesystem::path p(path);
    try {
        if (p.is_relative())
            p = std::filesystem::current_path() / p;
    } catch (const std::exception&) {
        // no current directory: keep the path as given
    }
    return Utf8ToUtf16(p.lexically_normal().string());
}

void SetError(CFileException* error, int cause, int osError, const std::u16string& name)
{
    if (error) {
        error->m_cause = cause;
        error->m_lOsError = osError;
        error->m_strFileName = name;
    }
}

}  // namespace

CFile::~CFile()
{
    if (m_hFile >= 0 && m_bCloseOnDelete)
        Abort();
}

bool CFile::Open(const char16_t* fileName, unsigned openFlags, CFileException* error)
{
    const os::Api& api = os::Current();
    m_strFileName.clear();
    const std::optional<std::string> path = fileName ? Utf16ToUtf8(fileName) : std::nullopt;
    if (!path || path->empty()) {
        SetError(error, path ? CFileException::fileNotFound : CFileException::badPath, 0, fileName ? fileName : u"");
        return false;
    }
    m_strFileName = FullPath(*path);

    int flags = O_CLOEXEC | O_NOCTTY;
    switch (openFlags & 3) {
    case modeWrite: flags |= O_WRONLY; break;
    case modeReadWrite: flags |= O_RDWR; break;
    default: flags |= O_RDONLY; break;
    }
    const bool create = (openFlags & modeCreate) != 0;
    if (create)
        flags |= O_CREAT;

    int fd;
    do {
        fd = api.open(path->c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        SetError(error, CFileException::OsErrorToCause(errno), errno, m_strFileName);
        return false;
    }
    const auto fail = [&](int cause, int osError) {
        api.close(fd);
        SetError(error, cause, osError, m_strFileName);
        return false;
    };

    struct stat st {};
    if (api.fstat(fd, &st) != 0)
        return fail(CFileException::OsErrorToCause(errno), errno);
    if (S_ISDIR(st.st_mode))
        return fail(CFileException::accessDenied, EISDIR);

    // Linux has no mandatory share modes; an OFD lock over the whole file makes
    // two jobs respect each other: readers share, a writer excludes everyone.
    if (openFlags & shareDenyWrite) {
        struct flock lock {};
        lock.l_type = (openFlags & 3) == modeRead ? F_RDLCK : F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (api.lock(fd, F_OFD_SETLK, &lock) != 0 && errno != EINVAL && errno != ENOLCK && errno != ENOSYS)
            return fail(CFileException::sharingViolation, errno);
    }

    // Emptied only now, after the lock: a file another job holds keeps its bytes.
    if (create && !(openFlags & modeNoTruncate) && S_ISREG(st.st_mode) && st.st_size != 0) {
        if (api.ftruncate(fd, 0) != 0)
            return fail(CFileException::OsErrorToCause(errno), errno);
        st.st_size = 0;
    }

    m_hFile = fd;
    m_bCloseOnDelete = true;
    m_status = st;
    return true;
}

bool CFile::IsSameFile(const CFile& other) const
{
    return IsOpen() && other.IsOpen() && m_status.st_dev == other.m_status.st_dev &&
           m_status.st_ino == other.m_status.st_ino;
}

void CFile::ThrowLastError(int osError) const
{
    CFileException::ThrowOsError(osError, m_strFileName);
}

std::uint64_t CFile::GetPosition() const
{
    const off_t pos = os::Current().lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0)
        ThrowLastError(errno);
    return static_cast<std::uint64_t>(pos);
}

std::uint64_t CFile::Seek(std::int64_t offset, unsigned from)
{
    const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    const off_t pos = os::Current().lseek(m_hFile, static_cast<off_t>(offset), whence);
    if (pos < 0)
        throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<std::uint64_t>(pos);
}

void CFile::SetLength(std::uint64_t length)
{
    const os::Api& api = os::Current();
    if (api.lseek(m_hFile, static_cast<off_t>(length), SEEK_SET) < 0 ||
        api.ftruncate(m_hFile, static_cast<off_t>(length)) != 0)
        ThrowLastError(errno);
}

std::uint64_t CFile::GetLength() const
{
    // Through the file pointer, as block devices report no size in fstat.
    const os::Api& api = os::Current();
    const off_t here = api.lseek(m_hFile, 0, SEEK_CUR);
    if (here < 0)
        ThrowLastError(errno);
    const off_t end = api.lseek(m_hFile, 0, SEEK_END);
    if (end < 0)
        ThrowLastError(errno);
    if (api.lseek(m_hFile, here, SEEK_SET) < 0)
        ThrowLastError(errno);
    return static_cast<std::uint64_t>(end);
}

unsigned CFile::Read(void* buffer, unsigned count)
{
    auto* out = static_cast<unsigned char*>(buffer);
    unsigned done = 0;
    while (done < count) {
        const ssize_t n = os::Current().read(m_hFile, out + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError(errno);
        }
        if (n == 0)
            break;
        done += static_cast<unsigned>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, unsigned count)
{
    const auto* in = static_cast<const unsigned char*>(buffer);
    unsigned done = 0;
    while (done < count) {
        const ssize_t n = os::Current().write(m_hFile, in + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError(errno);
        }
        if (n == 0)  // the write completed only partly
            throw CFileException(CFileException::diskFull, 0, m_strFileName);
        done += static_cast<unsigned>(n);
    }
}

void CFile::Flush()
{
    if (m_hFile >= 0 && os::Current().fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS)
        ThrowLastError(errno);
}

void CFile::Close()
{
    if (m_hFile < 0)
        return;
    const int fd = m_hFile;
    m_hFile = -1;
    m_bCloseOnDelete = false;
    // Errors that a file system reports only at close (quota, NFS) still count.
    if (os::Current().close(fd) != 0 && errno != EINTR)
        ThrowLastError(errno);
}

void CFile::Abort()
{
    if (m_hFile >= 0)
        os::Current().close(m_hFile);
    m_hFile = -1;
    m_bCloseOnDelete = false;
}

}  // namespace kalvo
