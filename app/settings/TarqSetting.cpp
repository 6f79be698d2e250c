#include "settings/TarqSetting.h"

#include "localization/AppLang.h"
#include "platform/Application.h"
#include "platform/Registry.h"
#include "support/TarqUtils.h"

const QString TTarqSetting::MiscSection = QStringLiteral("Misc");

namespace {

QString MakerPage(const char* path)
{
    return QStringLiteral("https://") + MakerWebHost + QString::fromLatin1(path);
}

} // namespace

QString DefaultProductURL()
{
    return MakerPage("/mesh-mender/");
}

QString DefaultSupportURL()
{
    return MakerPage("/support/");
}

QString DefaultFacebookURL()
{
    return MakerPage("/socialmedia/facebook.htm");
}

QString DefaultFeedbackURL()
{
    return MakerPage("/contact/");
}

TTarqSetting::TTarqSetting() : TTarqSetting(ApplicationFilePath()) {}

TTarqSetting::TTarqSetting(const QString& programPath)
    : FRegAppName(GetRegAppName(programPath)), FProgramPath(programPath)
{
}

QString TTarqSetting::FrameworkKey() const
{
    return QStringLiteral("\\Software\\") + FRegAppName;
}

QString TTarqSetting::GetDefaultOpenDirectory()
{
    return QString();
}

void TTarqSetting::LoadSetting()
{
    const TRegistryIniFile reg(FrameworkKey());
    OpenDirectory = reg.ReadString(MiscSection, QStringLiteral("OpenDirectory"), GetDefaultOpenDirectory());
    OpenFilterIndex = reg.ReadInteger(MiscSection, QStringLiteral("OpenFilterIndex"), 1);
    SaveFilterIndex = reg.ReadInteger(MiscSection, QStringLiteral("SaveFilterIndex"), 1);
    OpenFixed = reg.ReadBool(MiscSection, QStringLiteral("OpenFixed"), false);
    TempDir = reg.ReadString(MiscSection, QStringLiteral("TempDir"), SystemTempDirectory());
    BufSize = reg.ReadInteger(MiscSection, QStringLiteral("BufSize"), 512);
    AutoUpdate = reg.ReadBool(MiscSection, QStringLiteral("AutoUpdate"), true);
    Language = reg.ReadString(MiscSection, QStringLiteral("Language"), GetUserDefaultLangStr());
    ProductURL = reg.ReadString(MiscSection, QStringLiteral("ProductURL"), DefaultProductURL());
    SupportURL = reg.ReadString(MiscSection, QStringLiteral("SupportURL"), DefaultSupportURL());
    FacebookURL = reg.ReadString(MiscSection, QStringLiteral("FacebookURL"), DefaultFacebookURL());
    FeedbackURL = reg.ReadString(MiscSection, QStringLiteral("FeedbackURL"), DefaultFeedbackURL());
}

bool TTarqSetting::SaveSetting()
{
    TRegistryIniFile reg(FrameworkKey());
    reg.WriteString(MiscSection, QStringLiteral("OpenDirectory"), OpenDirectory);
    reg.WriteInteger(MiscSection, QStringLiteral("OpenFilterIndex"), OpenFilterIndex);
    reg.WriteInteger(MiscSection, QStringLiteral("SaveFilterIndex"), SaveFilterIndex);
    reg.WriteBool(MiscSection, QStringLiteral("OpenFixed"), OpenFixed);
    reg.WriteString(MiscSection, QStringLiteral("TempDir"), TempDir);
    reg.WriteInteger(MiscSection, QStringLiteral("BufSize"), BufSize);
    reg.WriteBool(MiscSection, QStringLiteral("AutoUpdate"), AutoUpdate);
    reg.WriteString(MiscSection, QStringLiteral("Language"), Language);
    reg.WriteString(MiscSection, QStringLiteral("ProductURL"), ProductURL);
    reg.WriteString(MiscSection, QStringLiteral("SupportURL"), SupportURL);
    reg.WriteString(MiscSection, QStringLiteral("FacebookURL"), FacebookURL);
    reg.WriteString(MiscSection, QStringLiteral("FeedbackURL"), FeedbackURL);
    return reg.UpdateFile();
}
