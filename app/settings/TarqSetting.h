// The program's persistent options: dialog memory, temporary folder, buffer
// size, automatic update, language and web addresses. They live in the
// per-user store below \Software\ + the program's base name, subkey Misc, so
// that 64-bit and 32-bit builds share them.
#pragma once

#include <QString>

#include <cstdint>

class TTarqSetting {
public:
    // Key name from the running program's path.
    TTarqSetting();
    // Key name from programPath (the program file's full path).
    explicit TTarqSetting(const QString& programPath);
    virtual ~TTarqSetting() = default;

    QString FRegAppName;
    QString OpenDirectory;
    int32_t OpenFilterIndex = 0;
    int32_t SaveFilterIndex = 0;
    bool OpenFixed = false;
    QString TempDir;
    int32_t BufSize = 0;
    bool AutoUpdate = false;
    QString Language;
    QString ProductURL;
    QString SupportURL;
    QString FacebookURL;
    QString FeedbackURL;

    virtual QString GetDefaultOpenDirectory();
    // Writes every value; false when the store could not be written (the
    // previous store is then left as it was).
    virtual bool SaveSetting();
    // Reads every value; what is missing or unreadable takes its default.
    virtual void LoadSetting();

    // The key of the framework values: "\Software\" + FRegAppName.
    QString FrameworkKey() const;
    const QString& ProgramPath() const { return FProgramPath; }

    static const QString MiscSection;

private:
    QString FProgramPath;
};

// The default web addresses on the maker's site.
QString DefaultProductURL();
QString DefaultSupportURL();
QString DefaultFacebookURL();
QString DefaultFeedbackURL();
