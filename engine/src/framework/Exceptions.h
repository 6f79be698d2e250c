// The engine's error objects: a file error with a cause code, and the two other
// framework errors the engine can meet (memory, unsupported operation).
#pragma once

#include <string>

namespace kalvo {

class CException {
public:
    virtual ~CException() = default;
    // The error's own description; false when it has none.
    virtual bool GetErrorMessage(std::u16string& message) const = 0;
};

class CMemoryException : public CException {
public:
    bool GetErrorMessage(std::u16string& message) const override;
};

class CNotSupportedException : public CException {
public:
    bool GetErrorMessage(std::u16string& message) const override;
};

class CFileException : public CException {
public:
    enum Cause : int {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    CFileException(int cause = none, long osError = 0, std::u16string fileName = {})
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    // The cause text with the file name in place of "%1".
    bool GetErrorMessage(std::u16string& message) const override;

    // The cause an errno value stands for; genericException when none fits.
    static int OsErrorToCause(int osError);
    [[noreturn]] static void ThrowOsError(int osError, const std::u16string& fileName);

    int m_cause;
    long m_lOsError;
    std::u16string m_strFileName;
};

}  // namespace kalvo
