// The Options page: its values from and to the settings, the precision check,
// the folder browser and the change of language.
#include "mainwindow/TarqMain.h"

#include "localization/AppLang.h"
#include "localization/SpecStrings.h"
#include "localization/TarqStrings.h"
#include "platform/Format.h"
#include "platform/ModalShow.h"
#include "settings/Setting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

void TTarqMainForm::LoadSettings()
{
    if (!FSetting)
        return;
    const TTarqSetting& framework = *FSetting;
    chkOpenFixed->setChecked(framework.OpenFixed);
    txtTempDir->setText(framework.TempDir);
    txtBufSize->setValue(framework.BufSize);
    chkAutoUpdate->setChecked(framework.AutoUpdate);
    SetLangComboBoxStr(cmbLang, framework.Language);
}

void TTarqMainForm::SaveSettings()
{
    if (!FSetting)
        return;
    TTarqSetting& framework = *FSetting;
    framework.OpenFixed = chkOpenFixed->isChecked();
    framework.TempDir = txtTempDir->text();
    framework.BufSize = txtBufSize->value();
    framework.AutoUpdate = chkAutoUpdate->isChecked();
    framework.Language = GetLangComboBoxInfo(cmbLang).LangStr;
}

bool TTarqMainForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == txtEpsilon && e->type() == QEvent::FocusOut) {
        // Leaving the box for another control of the window; the window losing
        // the focus as a whole, or a popup, is not leaving it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !FEpsilonCheckPending) {
            FEpsilonCheckPending = true;
            // Checked once the click that moved the focus is over, so that no
            // box opens in the middle of a button press.
            QTimer::singleShot(0, this, [this] {
                FEpsilonCheckPending = false;
                Guarded([this] { txtEpsilonExit(); });
            });
        }
    }
    return QWidget::eventFilter(watched, e);
}

bool TTarqMainForm::txtEpsilonExit()
{
    bool ok = false;
    UserFormatLocale().toDouble(txtEpsilon->text().trimmed(), &ok);
    if (ok)
        return true;
    bsSkinMessage.MessageDlg(SInvalidFloatPointNumberError, TMsgDlgType::mtError, mbOKOnly());
    // The focus can only go back to the box while its page is shown.
    if (!txtEpsilon->isVisible()) {
        MainTabChange(btnOptionsTab);
        SubTabChange(btnOptionsSubTab);
    }
    txtEpsilon->setFocus(Qt::OtherFocusReason);
    return false;
}

void TTarqMainForm::btnMoreDirClick()
{
    QFileDialog dialog(this, SSelectTempDirectory);
    dialog.setObjectName(QStringLiteral("FolderBrowser"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QFileInfo start(txtTempDir->text());
    dialog.setDirectory(start.isDir() ? start.absoluteFilePath() : QDir::rootPath());
    if (auto* newFolder = dialog.findChild<QToolButton*>(QStringLiteral("newFolderButton")))
        newFolder->hide();
    if (ShowModal(&dialog) != QDialog::Accepted)
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (!chosen.isEmpty() && !chosen.first().isEmpty())
        txtTempDir->setText(QDir::toNativeSeparators(chosen.first()));
}

void TTarqMainForm::cmbLangChange()
{
    if (!CurrentAppLang)
        return;
    CurrentAppLang->SetCurLangInfo(GetLangComboBoxInfo(cmbLang));
    LoadLangStrings();
    ApplyLangStrings();
    LanguageChanged();
}
