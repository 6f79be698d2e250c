#include "mainwindow/MainFrm.h"

#include "localization/AppLang.h"
#include "localization/SpecLoadStr.h"
#include "localization/SpecStrings.h"
#include "localization/TarqStrings.h"
#include "platform/Format.h"
#include "repair/MainThread.h"
#include "settings/Setting.h"
#include "support/MsgFrm.h"
#include "support/TarqUtils.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStorageInfo>

#include <memory>

const QString ValidDstFileExts = QStringLiteral(".stl");

namespace {

std::optional<int64_t> BytesAvailable(const QString& path)
{
    // The target's folder may not exist yet; its nearest existing parent is on
    // the same file system as it will be.
    QFileInfo info(path);
    QDir dir = info.absoluteDir();
    while (!dir.exists() && !dir.isRoot())
        if (!dir.cdUp())
            break;
    const QStorageInfo storage(dir.absolutePath());
    if (!storage.isValid() || !storage.isReady())
        return std::nullopt;
    return storage.bytesAvailable();
}

QString ExtensionWithDot(const QString& path)
{
    return path.mid(RemoveFileExt(path).size());
}

} // namespace

TMainForm::TMainForm(const TMainFormStartup& Startup, QWidget* parent)
    : TTarqMainForm(Startup, parent), FreeSpaceProbe(BytesAvailable)
{
}

TMainForm::~TMainForm()
{
    // The settings are saved with this class's own steps, which the
    // framework's destructor can no longer reach.
    FormDestroy();
}

void TMainForm::HandleEngineMessage(uint32_t Msg, const char16_t* Text, bool& Handled)
{
    Handled = true;
    switch (Msg) {
    case EM_LOG:
        AddLogLine(Text ? QString::fromUtf16(Text) : QString());
        break;
    case EM_SHOW_MESSAGE:
        bsSkinMessage.MessageDlg(Text ? QString::fromUtf16(Text) : QString(), TMsgDlgType::mtInformation,
                                 mbOKOnly());
        break;
    default:
        Handled = false;
        break;
    }
}

QString TMainForm::GetDefaultDstFileName(const QString& SrcFile)
{
    return RemoveFileExt(SrcFile) + QStringLiteral("_fixed") + ExtensionWithDot(SrcFile);
}

bool TMainForm::IsValidDstFileExt(const QString& DstFile)
{
    const QString ext = ExtensionWithDot(DstFile);
    if (ext.isEmpty())
        return false;
    for (const QString& entry : ValidDstFileExts.split(u';', Qt::SkipEmptyParts))
        if (ext.compare(entry.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool TMainForm::HasEnoughFreeSpace(const QString& SrcFile, const QString& DstFile)
{
    const std::optional<int64_t> available =
        FreeSpaceProbe ? FreeSpaceProbe(QFileInfo(DstFile).absoluteFilePath()) : std::nullopt;
    if (!available)
        return true;
    const int64_t size = GetSrcFileSize(SrcFile);
    return *available >= size + size / 100;
}

bool TMainForm::RunRepair(const QString& SrcFile, const QString& DstFile)
{
    const auto thread = std::make_unique<TMainThread>(this, SrcFile, DstFile);
    thread->start(QThread::TimeCriticalPriority);
    // Sleeps until the worker ends or something arrives for the window; the
    // worker's messages are handled in here, and so is the stop button.
    while (!thread->Executed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (IsStopRequested())
            thread->Terminate();
    }
    thread->Terminate();
    thread->wait();
    return thread->IsSuccessful();
}

QString TMainForm::GetSuccessMessage(const QString& SrcFile, const QString& DstFile)
{
    // The names go into markup, so they are escaped: a name is shown, never obeyed.
    return Format(SRepairSuccessMessage, QFileInfo(SrcFile).fileName().toHtmlEscaped(),
                  QFileInfo(DstFile).fileName().toHtmlEscaped());
}

QDialog* TMainForm::CreateSuccessForm(const QString& Msg)
{
    return new TMsgForm(this, &bsDialogSkinData, &bsSkinData, &bsSkinHint, Msg);
}

void TMainForm::ReadLangStrings(const TLangIniFile* IniFile)
{
    TTarqMainForm::ReadLangStrings(IniFile);
    LoadSpecStrings(IniFile);
}

void TMainForm::ApplyLangStrings()
{
    TTarqMainForm::ApplyLangStrings();
    chkOpenFixed->setText(SOpenFixedFileOption);
    labEpsilonPrompt->setText(SEpsilonPrompt);
    labEpsilonPrompt->adjustSize();
}

void TMainForm::LoadSettings()
{
    delete FSetting;
    FSetting = new TSetting(Startup().ProgramPath);
    FSetting->LoadSetting();
    TTarqMainForm::LoadSettings();
    chkOpenFixed->setChecked(FSetting->OpenFixed);
    txtEpsilon->setText(FSetting->Epsilon);
}

void TMainForm::SaveSettings()
{
    if (!FSetting)
        return;
    TTarqMainForm::SaveSettings();
    FSetting->OpenFixed = chkOpenFixed->isChecked();
    FSetting->Epsilon = txtEpsilon->text();
    if (!FSetting->SaveSetting())
        qWarning("The settings could not be written; the previous ones are kept.");
    delete FSetting;
    FSetting = nullptr;
}

void TMainForm::GetSettingInfo(QStringList& Lines)
{
    Lines << QStringLiteral("Setting Information:");
    Lines << chkOpenFixed->text() + QStringLiteral(": ")
                 + (chkOpenFixed->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
    Lines << labEpsilonPrompt->text() + u' ' + txtEpsilon->text();
    Lines << labTempDir->text() + u' ' + txtTempDir->text();
    Lines << labBufSize->text() + u' ' + QString::number(txtBufSize->value());
    Lines << SeparatorLine;
    Lines << QStringLiteral("End of Setting Information");
    Lines << SeparatorLine;
}

void TMainForm::GetRepairOptionsStruct(TOptionsStruct* lpOptions)
{
    if (!lpOptions)
        return;
    lpOptions->Reserved = 0;
    lpOptions->wLangID = static_cast<uint16_t>((CurrentAppLang ? CurrentAppLang->CurLangInfo().LangID : 0x0409) & 0xFFFF);
    FEpsilon = txtEpsilon->text();
    lpOptions->lpszEpsilon = reinterpret_cast<const char16_t*>(FEpsilon.utf16());
}
