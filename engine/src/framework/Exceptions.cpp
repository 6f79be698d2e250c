#include "framework/Exceptions.h"

#include "framework/Text.h"

#include <cerrno>

namespace kalvo {
namespace {

constexpr const char16_t* kCauseTexts[] = {
    u"No error occurred.",
    u"An unknown error occurred while accessing %1.",
    u"%1 was not found.",
    u"%1 contains an incorrect path.",
    u"Could not open %1 because there are too many open files.",
    u"Access to %1 was denied.",
    u"An incorrect file handle was associated with %1.",
    u"Could not remove %1 because it is the current directory.",
    u"Could not create %1 because the directory is full.",
    u"Seek failed on %1",
    u"Encountered a hardware I/O error while accessing %1.",
    u"Encountered a sharing violation while accessing %1.",
    u"Encountered a locking violation while accessing %1.",
    u"Disk full while accessing %1.",
    u"Attempted to access %1 past its end.",
};

}  // namespace

bool CMemoryException::GetErrorMessage(std::u16string& message) const
{
    message = u"Out of memory.";
    return true;
}

bool CNotSupportedException::GetErrorMessage(std::u16string& message) const
{
    message = u"Attempted an unsupported operation.";
    return true;
}

bool CFileException::GetErrorMessage(std::u16string& message) const
{
    const int cause = (m_cause >= none && m_cause <= endOfFile) ? m_cause : genericException;
    const std::u16string name = m_strFileName.empty() ? std::u16string(u"an unnamed file") : m_strFileName;
    message = ReplaceAll(kCauseTexts[cause], u"%1", name);
    return true;
}

int CFileException::OsErrorToCause(int osError)
{
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
        return removeCurrentDir;
    case EMLINK:
        return directoryFull;
    case ESPIPE:
    case EOVERFLOW:
        return badSeek;
    case EIO:
        return hardIO;
    case EAGAIN:
        return sharingViolation;
    case ENOLCK:
    case EDEADLK:
        return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(int osError, const std::u16string& fileName)
{
    throw CFileException(OsErrorToCause(osError), osError, fileName);
}

}  // namespace kalvo

