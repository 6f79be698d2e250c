// The single-file repair: source and target, the checks and warnings before a
// repair, the running state, the engine's messages, the result, and the start
// from the command line.
#include "mainwindow/DialogFilter.h"
#include "mainwindow/TarqMain.h"

#include "localization/TarqStrings.h"
#include "platform/Format.h"
#include "platform/ModalShow.h"
#include "repair/MessageWindow.h"
#include "settings/Setting.h"
#include "support/DragEdit.h"
#include "support/TarqUtils.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>

namespace {

QString FileNamePart(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString Expanded(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

// The mount point holding path, the nearest thing to a drive here.
QString DriveOf(const QString& path)
{
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    return storage.isValid() ? storage.rootPath() : QString();
}

// The log's text of a result message: its markup removed; names that were
// escaped for the markup read as they are.
QString MessageToLogText(const QString& msg)
{
    QString text = HtmlToPlainText(msg);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// A switch is "-" and a name, or "/" and a name of letters only: paths start
// with "/" here, and a path is never taken for a switch.
bool IsSwitch(const QString& argument)
{
    if (argument.size() < 2)
        return false;
    if (argument[0] == u'-')
        return true;
    if (argument[0] != u'/')
        return false;
    for (qsizetype i = 1; i < argument.size(); ++i)
        if (!argument[i].isLetter())
            return false;
    return true;
}

// Whether the command line holds the switch Name ("-O", "/o", ...), in any letter case.
bool FindCmdLineSwitch(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments)
        if (IsSwitch(argument) && argument.mid(1).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Restores the idle state of the Repair page however the repair is left.
class TIdleRestore {
public:
    explicit TIdleRestore(std::function<void()> restore) : FRestore(std::move(restore)) {}
    ~TIdleRestore() { FRestore(); }
    TIdleRestore(const TIdleRestore&) = delete;
    TIdleRestore& operator=(const TIdleRestore&) = delete;

private:
    std::function<void()> FRestore;
};

} // namespace

// ---- the engine's messages --------------------------------------------------------

intptr_t TTarqMainForm::FormWndProc(uint32_t Msg, uintptr_t WParam, intptr_t)
{
    bool handled = true;
    try {
        DispatchEngineMessage(Msg, WParam, handled);
    } catch (const std::exception& e) {
        // The worker is waiting for this call: it must return, whatever happened here.
        ReportException(e);
    }
    return 0;
}

void TTarqMainForm::DispatchEngineMessage(uint32_t Msg, uintptr_t WParam, bool& Handled)
{
    if (Msg == EM_PROGRESS) {
        const auto* percent = reinterpret_cast<const uint8_t*>(WParam);
        if (percent)
            SetProgress(*percent, Gauge, labProgress);
        QCoreApplication::processEvents();
        return;
    }
    HandleEngineMessage(Msg, reinterpret_cast<const char16_t*>(WParam), Handled);
}

void TTarqMainForm::SetProgress(int Value, QProgressBar* Gauge, QLabel* Label)
{
    if (!Gauge || Value == Gauge->value())
        return;
    Gauge->setValue(Value);
    if (Label) {
        Label->setText(Format(SGaugePercentCompleted, static_cast<unsigned>(Value)));
        Label->adjustSize();
    }
}

// ---- the source and target boxes --------------------------------------------------

void TTarqMainForm::txtSrcFileChange()
{
    if (!txtSrcFile->text().isEmpty())
        txtDstFile->setText(GetDefaultDstFileName(txtSrcFile->text()));
}

void TTarqMainForm::txtSrcFileDropFile(QObject*, const QString& AFile)
{
    txtSrcFile->setText(AFile);
}

QString TTarqMainForm::FileDialogPath(QFileDialog* Dialog) const
{
    const QStringList files = Dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void TTarqMainForm::btnSrcMoreClick()
{
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    OpenDialog->setOption(QFileDialog::ReadOnly, false);
    if (FSetting && !FSetting->OpenDirectory.isEmpty())
        OpenDialog->setDirectory(FSetting->OpenDirectory);
    SetFilterIndex(OpenDialog, FSetting ? FSetting->OpenFilterIndex : 1);
    if (ShowModal(OpenDialog) != QDialog::Accepted)
        return;
    const QString file = FileDialogPath(OpenDialog);
    if (file.isEmpty())
        return;
    if (FSetting) {
        QString folder = QFileInfo(file).absolutePath();
        if (!folder.endsWith(u'/'))
            folder += u'/';
        FSetting->OpenDirectory = folder;
        FSetting->OpenFilterIndex = FilterIndex(OpenDialog);
    }
    txtSrcFile->setText(file);
}

void TTarqMainForm::SaveDialogTypeChange()
{
    const QString ext = GetFilterExt(FilterText(SaveDialog), FilterIndex(SaveDialog));
    SaveDialog->setDefaultSuffix(ext == QStringLiteral("*") ? QString() : ext);
}

void TTarqMainForm::btnDstMoreClick()
{
    SaveDialog->selectFile(QString());
    SetFilterIndex(SaveDialog, FSetting ? FSetting->SaveFilterIndex : 1);
    SaveDialogTypeChange();
    SaveDialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    if (ShowModal(SaveDialog) != QDialog::Accepted)
        return;
    const QString file = FileDialogPath(SaveDialog);
    if (file.isEmpty())
        return;
    if (FSetting)
        FSetting->SaveFilterIndex = FilterIndex(SaveDialog);
    txtDstFile->setText(file);
}

void TTarqMainForm::btnSrcSearchClick()
{
    // The search window is not part of the program yet; nothing to show.
}

void TTarqMainForm::TimerTimer()
{
    if (FInRepair) {
        labConsumedTime->setText(FormatElapsedTime(SConsumedTimeLabel, DateTimeNow() - FStartTime));
        labConsumedTime->adjustSize();
    }
}

// ---- per-file steps ------------------------------------------------------------------

void TTarqMainForm::BeginRepair(const QString& SrcFile, const QString& DstFile)
{
    FInRepair = true;
    FIsStopping = false;
    AddLogLine(SRepairStart);
    AddLogLine(SeparatorLine);
    AddLogLine(Format(SRepairSrcFile, SrcFile, static_cast<double>(GetSrcFileSize(SrcFile))));
    AddLogLine(Format(SRepairDstFile, DstFile));
    AddLogLine(SeparatorLine);
    FStartTime = DateTimeNow();
    labConsumedTime->setText(FormatElapsedTime(SConsumedTimeLabel, 0));
    labConsumedTime->adjustSize();
    Timer->start();
}

void TTarqMainForm::WriteRepairEndLog()
{
    Timer->stop();
    AddLogLine(SeparatorLine);
    AddLogLine(FormatElapsedTime(SConsumedTime, DateTimeNow() - FStartTime));
    AddLogLine(SeparatorLine);
    AddLogLine(SRepairEnd);
    AddLogLine(SeparatorLine);
}

void TTarqMainForm::EndRepair()
{
    Timer->stop();
    FInRepair = false;
    FIsStopping = false;
}

void TTarqMainForm::SetInputControlsEnabled(bool Enable)
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             txtSrcFile, btnSrcMore, btnSrcSearch, txtDstFile, btnDstMore, btnSaveLog, btnAddFiles, btnSearchFiles,
             btnRemoveFiles, btnRemoveAll, btnBatchSaveLog})
        control->setEnabled(Enable);
}

void TTarqMainForm::GetResultMessage(const QString& SrcFile, const QString& DstFile, bool Success, bool Aborted,
                                     QString& Msg, bool& Plain)
{
    Plain = true;
    if (Aborted) {
        Msg = SRepairUserAbort;
    } else if (Success) {
        Msg = GetSuccessMessage(SrcFile, DstFile);
        Plain = false;
    } else {
        Msg = Format(SRepairFail, SrcFile);
    }
}

void TTarqMainForm::ShowSuccessMessage(const QString& Msg)
{
    QDialog* form = CreateSuccessForm(Msg);
    if (!form)
        return;
    ShowModal(form);
    delete form;
}

// ---- Start / Stop ----------------------------------------------------------------------

bool TTarqMainForm::AskWarning(const QString& Text)
{
    return bsSkinMessage.MessageDlg(Text, TMsgDlgType::mtConfirmation, mbYesNo()) == mrYes;
}

void TTarqMainForm::LogAbort(const QString& SrcText)
{
    AddLogLine(Format(SRepairAbort, FileNamePart(SrcText)));
}

void TTarqMainForm::btnRepairClick()
{
    if (FInRepair) {
        if (bsSkinMessage.MessageDlg(SAbortRepairWarning, TMsgDlgType::mtWarning, mbYesNo()) == mrYes)
            FIsStopping = true;
        return;
    }
    // Only one repair at a time: the batch's own run keeps this button
    // disabled, but a click may still be queued.
    if (FInBatchRepair)
        return;

    const QString srcText = txtSrcFile->text();
    const QString dstText = txtDstFile->text();
    if (srcText.trimmed().isEmpty()) {
        bsSkinMessage.MessageDlg(SEmptySrcFileError, TMsgDlgType::mtInformation, mbOKOnly());
        return;
    }
    if (!QFileInfo(srcText).isFile()) {
        bsSkinMessage.MessageDlg(Format(SSrcFileNotExistError, FileNamePart(srcText)), TMsgDlgType::mtInformation,
                                 mbOKOnly());
        return;
    }
    if (dstText.trimmed().isEmpty()) {
        bsSkinMessage.MessageDlg(SEmptyDstFileError, TMsgDlgType::mtInformation, mbOKOnly());
        return;
    }

    // The running state. From here every way out, an exception included,
    // passes through the idle restore.
    btnRepair->setText(SStopRepairCaption);
    SetSkinElement(btnRepair, QStringLiteral("stopbutton"));
    btnRepairFiles->setEnabled(false);
    ClearLog();
    SetInputControlsEnabled(false);
    const TIdleRestore idle([this] {
        btnRepair->setText(SStartRepairCaption);
        SetSkinElement(btnRepair, QStringLiteral("startbutton"));
        btnRepairFiles->setEnabled(true);
        SetInputControlsEnabled(true);
        EndRepair();
        EnsureIdleAfterRepair();
    });
    const QString srcFile = Expanded(srcText);
    const QString dstFile = Expanded(dstText);
    BeginRepair(srcFile, dstFile);

    // Warning 2: the extension of the target.
    if (!IsValidDstFileExt(dstText) && !AskWarning(Format(SDstFileExtWarning, FileNamePart(dstText)))) {
        LogAbort(srcText);
        return;
    }
    // Warning 4: the target's folder.
    const QString dstDir = QFileInfo(dstFile).absolutePath();
    if (!QFileInfo(dstDir).isDir()) {
        if (!AskWarning(Format(SPathNotExistWarning, dstDir, FileNamePart(dstText)))) {
            LogAbort(srcText);
            return;
        }
        if (!QDir().mkpath(dstDir)) {
            bsSkinMessage.MessageDlg(Format(SCreateDirError, dstDir), TMsgDlgType::mtError, mbOKOnly());
            LogAbort(srcText);
            return;
        }
    }
    // Warning 1: overwriting.
    if (DstFileExists(dstText) && !AskWarning(Format(SFileExistWarning, FileNamePart(dstText)))) {
        LogAbort(srcText);
        return;
    }
    // Warning 3: free space.
    if (!HasEnoughFreeSpace(srcText, dstText)
        && !AskWarning(Format(SFreeSpacesNotEnoughForDstWarning, DriveOf(dstFile), dstText))) {
        LogAbort(srcText);
        return;
    }

    const bool success = RunRepair(srcFile, dstFile);
    WriteRepairEndLog();
    const bool aborted = FIsStopping || FIsBatchStopping;
    QString msg;
    bool plain = true;
    GetResultMessage(srcText, dstText, success, aborted, msg, plain);
    if (!msg.trimmed().isEmpty()) {
        AddLogLine(MessageToLogText(msg));
        if (plain)
            bsSkinMessage.MessageDlg(msg, TMsgDlgType::mtInformation, mbOKOnly());
        else
            ShowSuccessMessage(msg);
    }
    if (success && !aborted && chkOpenFixed->isChecked()) {
        if (ExecuteFile(this, dstText) <= 32)
            bsSkinMessage.MessageDlg(Format(SFOpenRunError, dstText), TMsgDlgType::mtError, mbOKOnly());
    }
}

// ---- the command line -----------------------------------------------------------------

void TTarqMainForm::StartFromCommandLine()
{
    const QStringList& arguments = FStartup.Arguments;
    if (arguments.isEmpty())
        return;
    QString source;
    for (const QString& argument : arguments) {
        if (!IsSwitch(argument) && argument != QStringLiteral("-")) {
            source = argument;
            break;
        }
    }
    // The repair runs inside the creation, with the window on the screen.
    show();
    QCoreApplication::processEvents();
    if (source.isEmpty() || !QFileInfo(source).isFile()) {
        bsSkinMessage.MessageDlg(Format(SOpenFileError, source), TMsgDlgType::mtError, mbOKOnly());
        return;
    }

    FInCommandLineStart = true;
    Guarded([&] {
        txtSrcFile->setText(source);
        chkOpenFixed->setChecked(FindCmdLineSwitch(arguments, QStringLiteral("O")));
        txtSrcFileChange();
        btnRepairClick();
    });
    FInCommandLineStart = false;

    if (FindCmdLineSwitch(arguments, QStringLiteral("E"))) {
        TerminateApplication();
        return;
    }
    // The update check that the first showing asked for runs now.
    if (FDeferredStartWaiting) {
        FDeferredStartWaiting = false;
        QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(QEvent::User + WM_DEFERRED_START)));
    }
}
