#include "settings/Setting.h"

#include "platform/Registry.h"
#include "support/TarqUtils.h"

TSetting::TSetting() : TTarqSetting() {}

TSetting::TSetting(const QString& programPath) : TTarqSetting(programPath) {}

QString TSetting::ProductKey() const
{
    const QString& path = ProgramPath();
    return QStringLiteral("\\Software\\") + RemoveFileExt(path.mid(path.lastIndexOf(u'/') + 1));
}

QString TSetting::GetDefaultOpenDirectory()
{
    return QString();
}

void TSetting::LoadSetting()
{
    TTarqSetting::LoadSetting();
    const TRegistryIniFile reg(ProductKey());
    OpenFixed = reg.ReadBool(MiscSection, QStringLiteral("OpenFixed"), true);
    Epsilon = reg.ReadString(MiscSection, QStringLiteral("Epsilon"), QStringLiteral("1e-6"));
}

bool TSetting::SaveSetting()
{
    const bool framework = TTarqSetting::SaveSetting();
    TRegistryIniFile reg(ProductKey());
    reg.WriteBool(MiscSection, QStringLiteral("OpenFixed"), OpenFixed);
    reg.WriteString(MiscSection, QStringLiteral("Epsilon"), Epsilon);
    reg.WriteString(MiscSection, QStringLiteral("TempDir"), TempDir);
    reg.WriteInteger(MiscSection, QStringLiteral("BufSize"), BufSize);
    const bool product = reg.UpdateFile();
    return framework && product;
}
