// The main window's pages and footer, its texts and layout in two languages,
// links and help, the options page, the settings across a restart, and the log.
#include "main_window_fixture.h"

#include "localization/LangStrings.h"
#include "localization/TarqStrings.h"
#include "platform/Application.h"
#include "settings/Setting.h"
#include "support/TarqPanel.h"

#include <QFileDialog>
#include <QProgressBar>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QTimer>

namespace {

// Types a name into a file dialog's name box, as a user does.
void TypeFileName(QFileDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
}

TEST_F(MainWindowTest, TheWindowOpensOnTheRepairPageWithItsFixedSize)
{
    Start();
    EXPECT_EQ(Form->width(), 955);
    EXPECT_EQ(Form->height(), 545);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Meshwright"));
    EXPECT_EQ(Form->GetActiveMainTabIndex(), 1);
    EXPECT_TRUE(Form->btnRepairTab->isChecked());
    EXPECT_TRUE(Form->palRepairTab->isVisible());
    EXPECT_FALSE(Form->palBatchRepairTab->isVisible());
    EXPECT_EQ(Form->btnRepairTab->text(), QStringLiteral("&Repair"));
    EXPECT_EQ(Form->btnRepair->text(), QStringLiteral("&Start Repair"));
    EXPECT_EQ(Form->labProgress->text(), QStringLiteral("0% completed"));
    EXPECT_EQ(Form->labConsumedTime->text(), QStringLiteral("0 day(s) 0 hour(s) 0 minute(s) "));
    EXPECT_EQ(Form->labConsumedTimePrompt->text(), QStringLiteral("Time consumed:  "));
    EXPECT_EQ(Form->btnSrcMore->toolTip(), QStringLiteral("Browse and select STL file to be repaired"));
    EXPECT_FALSE(Form->vsbRepairLog->isEnabled());
    EXPECT_NE(Form->GetHFormWnd(), nullptr);
    EXPECT_TRUE(Form->txtSrcFile->AcceptsFiles());
}

TEST_F(MainWindowTest, PageButtonsShowTheirPageAndTheFooterTheyCarry)
{
    Start();
    struct {
        QPushButton* TTestMainForm::*Button;
        TTarqPanel* TTestMainForm::*Page;
        bool Footer, Help, Facebook, Feedback;
    } const cases[] = {
        {&TTestMainForm::btnBatchRepairTab, &TTestMainForm::palBatchRepairTab, true, true, true, true},
        {&TTestMainForm::btnOptionsTab, &TTestMainForm::palOptionsTab, true, true, false, false},
        {&TTestMainForm::btnAboutTab, &TTestMainForm::palAboutTab, false, false, false, false},
        {&TTestMainForm::btnRepairTab, &TTestMainForm::palRepairTab, true, true, true, true},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(index++);
        (Form.get()->*c.Button)->click();
        EXPECT_EQ(Form->GetActiveMainTabIndex(), (Form.get()->*c.Button)->property("Tag").toInt());
        for (TTarqPanel* page : {Form->palRepairTab, Form->palBatchRepairTab, Form->palOptionsTab, Form->palAboutTab})
            EXPECT_EQ(page->isVisible(), page == Form.get()->*c.Page) << page->objectName().toStdString();
        EXPECT_EQ(Form->palLeftFooter->isVisible(), c.Footer);
        EXPECT_EQ(Form->btnHelp->isVisibleTo(Form->palLeftFooter), c.Help);
        EXPECT_EQ(Form->btnFacebook->isVisibleTo(Form->palLeftFooter), c.Facebook);
        EXPECT_EQ(Form->btnFeedback->isVisibleTo(Form->palLeftFooter), c.Feedback);
        if (c.Footer) {
            QPushButton* last = c.Feedback ? Form->btnFeedback : Form->btnHelp;
            EXPECT_EQ(Form->palLeftFooter->width(), last->x() + last->width());
        }
    }
}

TEST_F(MainWindowTest, TheOptionsPageRemembersItsSubPage)
{
    Start();
    Form->btnOptionsTab->click();
    EXPECT_TRUE(Form->palOptionsSubTab->isVisible());
    EXPECT_FALSE(Form->palAdvOptionsSubTab->isVisible());
    Form->btnAdvOptionsSubTab->click();
    EXPECT_EQ(Form->GetActiveSubTabIndex(), 2);
    EXPECT_TRUE(Form->palAdvOptionsSubTab->isVisible());
    Form->btnAboutTab->click();
    Form->btnOptionsTab->click();
    EXPECT_TRUE(Form->palAdvOptionsSubTab->isVisible());
    EXPECT_FALSE(Form->palOptionsSubTab->isVisible());
    EXPECT_EQ(Form->GetActiveSubTabIndex(), 2);
}

TEST_F(MainWindowTest, TheDeferredStartChecksForUpdatesOnlyWhenAutomaticUpdatingIsOn)
{
    Start();
    EXPECT_TRUE(Form->chkAutoUpdate->isChecked());
    EXPECT_EQ(Form->UpdateChecks, 1);  // posted by the first showing, handled once shown
    Form->hide();
    Form->show();
    QApplication::processEvents();
    EXPECT_EQ(Form->UpdateChecks, 1);  // only the first showing posts it

    Form->chkAutoUpdate->setChecked(false);
    Restart();
    EXPECT_FALSE(Form->chkAutoUpdate->isChecked());
    EXPECT_EQ(Form->UpdateChecks, 0);
}

TEST_F(MainWindowTest, TheSourceEditBoxesStartAfterTheLongerLabel)
{
    Start();
    const auto check = [this] {
        const int left = std::max(Form->labSelSrcFile->x() + Form->labSelSrcFile->width() + 7,
                                  Form->labSelDstFile->x() + Form->labSelDstFile->width() + 7);
        EXPECT_EQ(Form->txtSrcFile->x(), left);
        EXPECT_EQ(Form->txtDstFile->x(), left);
        EXPECT_EQ(Form->txtSrcFile->x() + Form->txtSrcFile->width(), Form->palRepairMidRight->x() - 3);
        EXPECT_EQ(Form->txtDstFile->width(), Form->txtSrcFile->width());
    };
    check();
    const int rightPanel = Form->palRepairMidRight->x();
    const int englishLeft = Form->txtSrcFile->x();
    SSelSrcFileLabel = QStringLiteral("A much longer label for the STL file to be repaired:");
    Form->ApplyLangStrings();
    check();
    EXPECT_GT(Form->txtSrcFile->x(), englishLeft);
    EXPECT_EQ(Form->palRepairMidRight->x(), rightPanel);
    LoadLangStrings(ProgramPath());  // the English texts again
}

TEST_F(MainWindowTest, TheAdvancedOptionsRowsFollowTheirLabels)
{
    Start();
    STempDirPromptLabel = QStringLiteral("A rather long caption for the temporary directory:");
    Form->ApplyLangStrings();
    EXPECT_EQ(Form->txtTempDir->x(), Form->labTempDir->x() + Form->labTempDir->width() + 8);
    EXPECT_EQ(Form->btnMoreDir->x(), Form->txtTempDir->x() + Form->txtTempDir->width() + 5);
    EXPECT_EQ(Form->txtBufSize->x(), Form->labBufSize->x() + Form->labBufSize->width() + 8);
    EXPECT_EQ(Form->labBufSizeUnit->x(), Form->txtBufSize->x() + Form->txtBufSize->width() + 5);
    EXPECT_EQ(Form->cmbLang->x(), Form->labLanguage->x() + Form->labLanguage->width() + 8);
    LoadLangStrings(ProgramPath());
}

TEST_F(MainWindowTest, ALanguageChangeReloadsEveryTextAtOnceAndReachesTheEngine)
{
    Start();
    SelectLanguage(QStringLiteral("DEU"));
    EXPECT_EQ(Form->btnRepairTab->text(), QStringLiteral("&Reparieren"));
    EXPECT_EQ(Form->btnRepair->text(), QStringLiteral("Reparatur &starten"));
    EXPECT_EQ(Form->labSelSrcFile->text(), QStringLiteral("Zu reparierende &STL-Datei auswählen:"));
    EXPECT_EQ(Form->labProgress->text(), QStringLiteral("0% abgeschlossen"));
    EXPECT_EQ(Form->txtSrcFile->x(), std::max(Form->labSelSrcFile->x() + Form->labSelSrcFile->width() + 7,
                                              Form->labSelDstFile->x() + Form->labSelDstFile->width() + 7));
    EXPECT_TRUE(ApplicationHelpFile().endsWith(QStringLiteral("/Help/tarq_ENU.html")));  // no German page: ENU
    TOptionsStruct options{};
    Form->GetRepairOptionsStruct(&options);
    EXPECT_EQ(options.wLangID, 0x0007);  // German is a neutral identifier in the table

    SelectLanguage(QStringLiteral("ENU"));
    EXPECT_EQ(Form->btnRepairTab->text(), QStringLiteral("&Repair"));
    Form->GetRepairOptionsStruct(&options);
    EXPECT_EQ(options.wLangID, 0x0409);
}

TEST_F(MainWindowTest, TheRepairOptionsCarryThePrecisionAsTyped)
{
    Start();
    for (const char* typed : {"1e-6", "abc", "", "1,5e-6"}) {
        Form->txtEpsilon->setText(QString::fromUtf8(typed));
        TOptionsStruct options{};
        Form->GetRepairOptionsStruct(&options);
        EXPECT_EQ(options.Reserved, 0u);
        EXPECT_EQ(options.lpszTempDirStr, nullptr);
        EXPECT_EQ(QString::fromUtf16(options.lpszEpsilon), QString::fromUtf8(typed));
    }
}

TEST_F(MainWindowTest, SettingsSurviveARestart)
{
    Start();
    EXPECT_TRUE(Form->chkOpenFixed->isChecked());
    EXPECT_EQ(Form->txtEpsilon->text(), QStringLiteral("1e-6"));
    EXPECT_EQ(Form->txtBufSize->value(), 512);
    EXPECT_EQ(Form->txtTempDir->text(), SystemTempDirectory());

    Form->chkOpenFixed->setChecked(false);
    Form->txtEpsilon->setText(QStringLiteral("2.5e-4"));
    Form->txtBufSize->setValue(1024);
    Form->txtTempDir->setText(QStringLiteral("/var/tmp/mesh"));
    Form->chkAutoUpdate->setChecked(false);
    SelectLanguage(QStringLiteral("DEU"));
    Restart();

    EXPECT_FALSE(Form->chkOpenFixed->isChecked());
    EXPECT_EQ(Form->txtEpsilon->text(), QStringLiteral("2.5e-4"));
    EXPECT_EQ(Form->txtBufSize->value(), 1024);
    EXPECT_EQ(Form->txtTempDir->text(), QStringLiteral("/var/tmp/mesh"));
    EXPECT_FALSE(Form->chkAutoUpdate->isChecked());
    EXPECT_EQ(GetLangComboBoxStr(Form->cmbLang), QStringLiteral("DEU"));
    EXPECT_EQ(Form->btnRepairTab->text(), QStringLiteral("&Reparieren"));  // applied from the start

    // The stored values, as the settings object reads them.
    Form.reset();
    TSetting stored(ProgramPath());
    stored.LoadSetting();
    EXPECT_FALSE(stored.OpenFixed);
    EXPECT_FALSE(static_cast<const TTarqSetting&>(stored).OpenFixed);
    EXPECT_EQ(stored.Epsilon, QStringLiteral("2.5e-4"));
    EXPECT_EQ(stored.BufSize, 1024);
    EXPECT_EQ(stored.Language, QStringLiteral("DEU"));
}

TEST_F(MainWindowTest, TheSettingSummaryListsTheCurrentOptions)
{
    Start();
    Form->chkOpenFixed->setChecked(true);
    Form->txtEpsilon->setText(QStringLiteral("1e-5"));
    Form->txtTempDir->setText(QStringLiteral("/tmp/"));
    Form->txtBufSize->setValue(600);
    QStringList lines{QStringLiteral("before")};
    Form->GetSettingInfo(lines);
    const QString sep(56, u'-');
    EXPECT_EQ(lines, (QStringList{QStringLiteral("before"), QStringLiteral("Setting Information:"),
                                  QStringLiteral("Op&en the fixed file when finished: Yes"),
                                  QStringLiteral("&Precision(Format: #.#e-#. Sample: 1.0e-6): 1e-5"),
                                  QStringLiteral("Dire&ctory for temporary files: /tmp/"),
                                  QStringLiteral("I&nternal Processing Buffer Size: 600"), sep,
                                  QStringLiteral("End of Setting Information"), sep}));
    Form->chkOpenFixed->setChecked(false);
    lines.clear();
    Form->GetSettingInfo(lines);
    EXPECT_EQ(lines[1], QStringLiteral("Op&en the fixed file when finished: No"));
}

TEST_F(MainWindowTest, LeavingAnInvalidPrecisionShowsErrorFiveAndKeepsTheFocusAndText)
{
    Start();
    Form->activateWindow();
    QApplication::setActiveWindow(Form.get());
    Form->btnOptionsTab->click();
    QApplication::processEvents();
    Form->txtEpsilon->setFocus();
    Form->txtEpsilon->setText(QStringLiteral("tiny"));
    QApplication::processEvents();
    ASSERT_TRUE(Form->txtEpsilon->hasFocus());

    Form->chkOpenFixed->setFocus();
    QApplication::processEvents();

    ASSERT_EQ(Messages.Asked.size(), 1);
    EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtError);
    EXPECT_EQ(Messages.Asked[0].Text,
              QStringLiteral("Error 5: Precision is an invalid floating-point number. Please use format "
                             "#.#e-#(Sample: 1.0e-6)."));
    EXPECT_TRUE(Form->txtEpsilon->hasFocus());
    EXPECT_EQ(Form->txtEpsilon->text(), QStringLiteral("tiny"));

    // A number passes without a word.
    Messages.Asked.clear();
    Form->txtEpsilon->setText(QStringLiteral("1.5e-6"));
    Form->chkOpenFixed->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(Messages.Asked.isEmpty());
    EXPECT_TRUE(Form->chkOpenFixed->hasFocus());
}

TEST_F(MainWindowTest, TheFolderBrowserPutsTheChosenFolderIntoTheBoxAndCancelChangesNothing)
{
    Start();
    const QString folder = File(QStringLiteral("chosen"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Form->txtTempDir->setText(QStringLiteral("/unchanged/"));
    QString title;
    Modal.Driver = [&](QDialog* dialog) {
        title = dialog->windowTitle();
        return int(mrCancel);
    };
    Form->btnMoreDir->click();
    EXPECT_EQ(title, QStringLiteral("Select directory for temporary files:"));
    EXPECT_EQ(Form->txtTempDir->text(), QStringLiteral("/unchanged/"));

    Modal.Driver = [&](QDialog* dialog) {
        auto* browser = qobject_cast<QFileDialog*>(dialog);
        EXPECT_NE(browser, nullptr);
        EXPECT_EQ(browser->fileMode(), QFileDialog::Directory);
        TypeFileName(browser, folder);
        return int(QDialog::Accepted);
    };
    Form->btnMoreDir->click();
    EXPECT_EQ(Form->txtTempDir->text(), folder);
}

TEST_F(MainWindowTest, TheSourceBrowserRemembersItsFolderAndFilter)
{
    Start();
    const QString src = WriteModel(QStringLiteral("picked.stl"), 3);
    Modal.Driver = [&](QDialog* dialog) {
        auto* open = qobject_cast<QFileDialog*>(dialog);
        EXPECT_EQ(open, Form->OpenDialog);
        open->selectNameFilter(open->nameFilters().value(1));
        TypeFileName(open, src);
        return int(QDialog::Accepted);
    };
    Form->btnSrcMore->click();
    EXPECT_EQ(Form->txtSrcFile->text(), src);
    EXPECT_EQ(Form->txtDstFile->text(), File(QStringLiteral("picked_fixed.stl")));
    Form.reset();
    TSetting stored(ProgramPath());
    stored.LoadSetting();
    EXPECT_EQ(stored.OpenDirectory, QFileInfo(src).absolutePath() + u'/');
    EXPECT_EQ(stored.OpenFilterIndex, 2);
}

TEST_F(MainWindowTest, LinksAndHelpGoThroughTheDesktop)
{
    Start();
    Form->btnAboutTab->click();
    EXPECT_EQ(Form->labHomepage->text(), QStringLiteral("https://www.meshwright.example/mesh-mender/"));
    EXPECT_EQ(Form->labVersion->text().count(u'.'), 3);
    Form->btnHelp->click();
    Form->btnFeedback->click();
    Form->btnFacebookImage->click();
    emit Form->labHomepage->clicked();
    ASSERT_EQ(Shell.Requests.size(), 4);
    for (const TShellRequest& r : Shell.Requests)
        EXPECT_EQ(r.Verb, QStringLiteral("open"));
    EXPECT_TRUE(Shell.Requests[0].Target.endsWith(QStringLiteral("/Help/tarq_ENU.html")));
    EXPECT_TRUE(QFileInfo::exists(Shell.Requests[0].Target));
    EXPECT_EQ(Shell.Requests[1].Target, QStringLiteral("https://www.meshwright.example/contact/"));
    EXPECT_EQ(Shell.Requests[2].Target, QStringLiteral("https://www.meshwright.example/socialmedia/facebook.htm"));
    EXPECT_EQ(Shell.Requests[3].Target, QStringLiteral("https://www.meshwright.example/mesh-mender/"));

    // Localized pages get the language's segment; the social-media page does not.
    SelectLanguage(QStringLiteral("DEU"));
    Shell.Requests.clear();
    Form->btnFeedback->click();
    Form->btnFacebook->click();
    EXPECT_EQ(Form->labHomepage->text(), QStringLiteral("https://www.meshwright.example/de/mesh-mender/"));
    ASSERT_EQ(Shell.Requests.size(), 2);
    EXPECT_EQ(Shell.Requests[0].Target, QStringLiteral("https://www.meshwright.example/de/contact/"));
    EXPECT_EQ(Shell.Requests[1].Target, QStringLiteral("https://www.meshwright.example/socialmedia/facebook.htm"));
}

TEST_F(MainWindowTest, TheLogScrollBarMovesTheCaretToTheLineItShows)
{
    Start();
    for (int i = 0; i < 200; ++i)
        Form->AddLogLine(QStringLiteral("line %1").arg(i));
    QApplication::processEvents();
    EXPECT_TRUE(Form->vsbRepairLog->isEnabled());
    ASSERT_GT(Form->vsbRepairLog->maximum(), 10);

    Form->vsbRepairLog->setValue(10);
    EXPECT_EQ(Form->txtRepairLog->textCursor().position(),
              Form->txtRepairLog->document()->findBlockByNumber(10).position());
    EXPECT_EQ(Form->txtRepairLog->verticalScrollBar()->value(), 10);

    Form->vsbRepairLog->setValue(Form->vsbRepairLog->maximum());
    EXPECT_EQ(Form->txtRepairLog->textCursor().position(), Form->txtRepairLog->document()->characterCount() - 1);
}

TEST_F(MainWindowTest, TheLogKeepsBlankLinesAndSplitsTextsWithLineBreaks)
{
    Start();
    Form->AddLogLine(QString());
    Form->AddLogLine(QStringLiteral("a\r\nb\nc"));
    Form->AddLogLine(QString());
    EXPECT_EQ(Form->LogLines(), (QStringList{QString(), QStringLiteral("a"), QStringLiteral("b"),
                                             QStringLiteral("c"), QString()}));
    Form->ClearLog();
    EXPECT_TRUE(Form->LogLines().isEmpty());
}

TEST_F(MainWindowTest, ProgressRedrawsOnlyOnChange)
{
    Start();
    TTarqMainForm::SetProgress(42, Form->Gauge, Form->labProgress);
    EXPECT_EQ(Form->Gauge->value(), 42);
    EXPECT_EQ(Form->labProgress->text(), QStringLiteral("42% completed"));
    Form->labProgress->setText(QStringLiteral("marker"));
    TTarqMainForm::SetProgress(42, Form->Gauge, Form->labProgress);
    EXPECT_EQ(Form->labProgress->text(), QStringLiteral("marker"));
}

} // namespace
