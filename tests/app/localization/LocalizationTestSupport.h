// Helpers shared by the localization tests: a scratch folder and an environment
// guard so that locale variables set by one test never leak into another.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <string>

class ScopedLocaleEnvironment {
public:
    ScopedLocaleEnvironment()
    {
        for (const char* name : kNames) {
            if (qEnvironmentVariableIsSet(name))
                FSaved[name] = qgetenv(name);
            qunsetenv(name);
        }
    }
    ~ScopedLocaleEnvironment()
    {
        for (const char* name : kNames) {
            const auto saved = FSaved.find(name);
            if (saved != FSaved.end())
                qputenv(name, saved->second);
            else
                qunsetenv(name);
        }
    }
    ScopedLocaleEnvironment(const ScopedLocaleEnvironment&) = delete;
    ScopedLocaleEnvironment& operator=(const ScopedLocaleEnvironment&) = delete;

    static void Set(const char* name, const char* value) { qputenv(name, value); }

private:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, QByteArray> FSaved;
};

inline void WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
}
