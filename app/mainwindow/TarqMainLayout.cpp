// The main window's texts and layout, page switching, the About page, links
// and help.
#include "mainwindow/DialogFilter.h"
#include "mainwindow/TarqMain.h"

#include "localization/AppLang.h"
#include "localization/LangIniFile.h"
#include "localization/SpecStrings.h"
#include "localization/TarqLoadStr.h"
#include "localization/TarqStrings.h"
#include "mainwindow/Artwork.h"
#include "mainwindow/ClickLabel.h"
#include "platform/Application.h"
#include "platform/Format.h"
#include "platform/Shell.h"
#include "support/DragEdit.h"
#include "support/TarqInfo.h"
#include "support/TarqPanel.h"
#include "support/TarqUtils.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

namespace {

constexpr int HeaderHeight = 74;

// Labels size themselves to their text, as auto-sized labels do.
void SetLabel(QLabel* label, const QString& text)
{
    label->setText(text);
    label->ensurePolished();
    label->adjustSize();
}

int TextWidth(const QWidget* widget, const QString& text)
{
    QString shown = text;
    shown.remove(u'&');
    return widget->fontMetrics().horizontalAdvance(shown);
}

// Widens a right-aligned button to its caption; its right edge stays.
void FitButtonLeftwards(QPushButton* button, int minWidth)
{
    const int right = button->x() + button->width();
    const int width = std::max(minWidth, TextWidth(button, button->text()) + 28);
    button->setGeometry(right - width, button->y(), width, button->height());
}

// Gauge and percent at the left, the consumed time at the right; the gauge
// takes what the texts leave, so that a full "100%" text never runs into the time.
void LayoutProgressRow(QWidget* panel, QProgressBar* gauge, QLabel* percent, QLabel* prompt, QLabel* time)
{
    time->move(panel->width() - time->width(), time->y());
    prompt->move(time->x() - prompt->width(), prompt->y());
    const int fullPercent = percent->fontMetrics().horizontalAdvance(Format(SGaugePercentCompleted, 100u));
    const int gaugeWidth = std::clamp(prompt->x() - 24 - fullPercent - 12, 80, 470);
    gauge->setGeometry(0, gauge->y(), gaugeWidth, gauge->height());
    percent->move(gaugeWidth + 12, percent->y());
}

} // namespace

void TTarqMainForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::Page);
    PaintHeaderBackground(painter, QRect(0, 0, width(), HeaderHeight));
}

void TTarqMainForm::LoadLangStrings()
{
    const TAppLang fallback;
    const TAppLang& lang = CurrentAppLang ? *CurrentAppLang : fallback;
    const TLangIniFile iniFile(lang.GetLangIniFileName(FStartup.ProgramPath));
    ReadLangStrings(&iniFile);
}

void TTarqMainForm::ReadLangStrings(const TLangIniFile* IniFile)
{
    LoadStrings(IniFile);
    LoadStandardResStrings(IniFile, TSkinTextList::Active().Lines, EnglishStandardResStrings());
}

void TTarqMainForm::InitImageButtonSkin()
{
    if (CurrentAppLang)
        CurrentAppLang->LoadSkinFromResource(&bsImgBtnCompressedStoredSkin.StyleSheet, QStringLiteral("BUTTON_SKIN"));
    bsImgBtnSkinData.CompressedStoredSkin = &bsImgBtnCompressedStoredSkin;
    ApplyWindowSkin();
}

void TTarqMainForm::ApplyLangStrings()
{
    // 1. The image-button skin of the language.
    InitImageButtonSkin();
    if (CurrentAppLang && img64bit->isVisibleTo(palHeader)) {
        QImage picture;
        CurrentAppLang->LoadJPEGFromResource(&picture, QStringLiteral("IMAGE_64BIT"));
        if (!picture.isNull())
            img64bit->setPixmap(QPixmap::fromImage(picture));
    }

    // 2. Title and help file.
    setWindowTitle(ProductTitle);
    if (CurrentAppLang)
        SetApplicationHelpFile(CurrentAppLang->GetHelpFileName(FStartup.ProgramPath));

    // 3. Page buttons.
    btnRepairTab->setText(SRepairTabCaption);
    btnBatchRepairTab->setText(SBatchRepairTabCaption);
    btnOptionsTab->setText(SOptionsTabCaption);
    btnAboutTab->setText(SAboutTabCaption);
    for (QPushButton* button :
         {btnRepairTab, btnBatchRepairTab, btnOptionsTab, btnAboutTab, btnOptionsSubTab, btnAdvOptionsSubTab})
        button->setFocusPolicy(Qt::StrongFocus);
    LayoutHeaderButtons();

    // 4. Source and target rows: the edit boxes start after the longer label.
    SetLabel(labSelSrcFile, SSelSrcFileLabel);
    SetLabel(labSelDstFile, SSelDstFileLabel);
    const int editLeft = std::max(labSelSrcFile->x() + labSelSrcFile->width() + 7,
                                  labSelDstFile->x() + labSelDstFile->width() + 7);
    const int editWidth = std::max(0, palRepairMidRight->x() - editLeft - 3);
    txtSrcFile->setGeometry(editLeft, txtSrcFile->y(), editWidth, txtSrcFile->height());
    txtDstFile->setGeometry(editLeft, txtDstFile->y(), editWidth, txtDstFile->height());

    // 5. Dialog filters.
    SetDialogFilter(OpenDialog, SOpenFilter);
    SetDialogFilter(SaveDialog, SSaveFilter);

    // 6. Repair page and footer. A running repair keeps showing its stop
    // button, its percent and its running clock.
    btnRepair->setText(FInRepair ? SStopRepairCaption : SStartRepairCaption);
    palProgress->setGeometry(txtRepairLog->x(), palProgress->y(), txtRepairLog->width() + vsbRepairLog->width(),
                             palProgress->height());
    SetLabel(labProgress, Format(SGaugePercentCompleted, static_cast<unsigned>(FInRepair ? Gauge->value() : 0)));
    SetLabel(labConsumedTimePrompt, SConsumedTimePromptLabel);
    SetLabel(labConsumedTime,
             FormatElapsedTime(SConsumedTimeLabel, FInRepair ? DateTimeNow() - FStartTime : 0.0));
    LayoutProgressRow(palProgress, Gauge, labProgress, labConsumedTimePrompt, labConsumedTime);
    SetLabel(labRepairLogPrompt, SRepairLogPrompt);
    btnSaveLog->setText(SSaveLogCaption);
    FitButtonLeftwards(btnSaveLog, 130);
    btnHelp->setText(SHelpCaption);
    btnFacebook->setText(SFacebookCaption);
    btnFeedback->setText(SFeedbackCaption);
    LayoutFooter();

    // 7. Batch page. The button column is as wide as its longest caption; the
    // list takes the rest.
    btnRepairFiles->setText(FInBatchRepair ? SStopRepairCaption : SStartRepairCaption);
    btnAddFiles->setText(SAddFilesCaption);
    btnSearchFiles->setText(SSearchFilesCaption);
    btnRemoveFiles->setText(SRemoveFilesCaption);
    btnRemoveAll->setText(SRemoveAllCaption);
    {
        constexpr int formWidth = 955, margin = 20, gap = 12;
        int column = 110;
        for (QPushButton* button : {btnRepairFiles, btnAddFiles, btnSearchFiles, btnRemoveFiles, btnRemoveAll}) {
            QFont font = button->font();
            if (button == btnRepairFiles)
                font.setBold(true);
            column = std::max(column, QFontMetrics(font).horizontalAdvance(QString(button->text()).remove(u'&')) + 32);
        }
        column = std::min(column, 240);
        const int listWidth = formWidth - 2 * margin - gap - column;
        palSrcFileList->resize(listWidth, palSrcFileList->height());
        FileList->resize(listWidth, FileList->height());
        for (QPushButton* button : {btnRepairFiles, btnAddFiles, btnSearchFiles, btnRemoveFiles, btnRemoveAll})
            button->setGeometry(margin + listWidth + gap, button->y(), column, button->height());
    }
    palBatchProgress->setGeometry(palSrcFileList->x(), palBatchProgress->y(), palSrcFileList->width(),
                                  palBatchProgress->height());
    SetLabel(labBatchProgress,
             Format(SGaugePercentCompleted, static_cast<unsigned>(FInBatchRepair ? BatchGauge->value() : 0)));
    SetLabel(labBatchConsumedTimePrompt, SConsumedTimePromptLabel);
    SetLabel(labBatchConsumedTime,
             FormatElapsedTime(SConsumedTimeLabel, FInBatchRepair ? DateTimeNow() - FBatchStartTime : 0.0));
    LayoutProgressRow(palBatchProgress, BatchGauge, labBatchProgress, labBatchConsumedTimePrompt,
                      labBatchConsumedTime);
    SetLabel(labBatchFileListPrompt, SBatchFileListPromptLabel);
    FileList->setHeaderLabels({SBatchSrcFileNameColumn, SBatchDstFileNameColumn, SBatchRepairStatusColumn});
    btnBatchSaveLog->setText(SSaveLogCaption);
    FitButtonLeftwards(btnBatchSaveLog, 130);

    // 8. Options page; the Advanced Options rows follow their label widths.
    btnOptionsSubTab->setText(SOptionsSubTabCaption);
    btnAdvOptionsSubTab->setText(SAdvancedOptionsSubTabCaption);
    SetLabel(labTempDir, STempDirPromptLabel);
    SetLabel(labBufSize, SInternalBufSizeLabel);
    SetLabel(labBufSizeUnit, SSizeByteUnit);
    chkAutoUpdate->setText(SAutoUpdate);
    SetLabel(labLanguage, SLanguagePromptLabel);
    txtTempDir->move(labTempDir->x() + labTempDir->width() + 8, txtTempDir->y());
    btnMoreDir->move(txtTempDir->x() + txtTempDir->width() + 5, btnMoreDir->y());
    txtBufSize->move(labBufSize->x() + labBufSize->width() + 8, txtBufSize->y());
    labBufSizeUnit->move(txtBufSize->x() + txtBufSize->width() + 5, labBufSizeUnit->y());
    cmbLang->move(labLanguage->x() + labLanguage->width() + 8, cmbLang->y());

    // 9. About page.
    SetLabel(labVersionPrompt, SVersionPrompt);
    labVersion->move(labVersionPrompt->x() + labVersionPrompt->width() + 10, labVersion->y());
    SetLabel(labCopyright, Format(SCopyright, QDate::currentDate().year()));
    SetLabel(labHomepagePrompt, SHomepagePrompt);
    labHomepage->move(labHomepagePrompt->x() + labHomepagePrompt->width() + 10, labHomepage->y());
    SetLabel(labHomepage, CurrentAppLang ? CurrentAppLang->LocalizeURL(ProductURL) : ProductURL);
    SetLabel(labSupportCenterPrompt, SSupportCenterPrompt);
    labSupportCenter->move(labSupportCenterPrompt->x() + labSupportCenterPrompt->width() + 10,
                           labSupportCenter->y());
    SetLabel(labSupportCenter, CurrentAppLang ? CurrentAppLang->LocalizeURL(SupportURL) : SupportURL);
    labCopyrightNotice->setText(SCopyrightNotice);
    labCopyrightNotice->setFixedHeight(labCopyrightNotice->heightForWidth(labCopyrightNotice->width()));

    // 10.
    InitAboutInfo();

    // 11. Hints.
    btnRepairTab->setToolTip(SbtnRepairTabHint);
    btnBatchRepairTab->setToolTip(SbtnBatchRepairTabHint);
    btnOptionsTab->setToolTip(SbtnOptionsTabHint);
    btnAboutTab->setToolTip(SbtnAboutTabHint);
    txtSrcFile->setToolTip(StxtSrcFileHint);
    btnSrcMore->setToolTip(SbtnSrcMoreHint);
    btnSrcSearch->setToolTip(SbtnSrcSearchHint);
    txtDstFile->setToolTip(StxtDstFileHint);
    btnDstMore->setToolTip(SbtnDstMoreHint);
    btnAddFiles->setToolTip(SbtnAddFilesHint);
    btnSearchFiles->setToolTip(SbtnSearchFilesHint);
    btnRemoveFiles->setToolTip(SbtnRemoveFilesHint);
    btnRemoveAll->setToolTip(SbtnRemoveAllHint);

    // 12.
    if (!FInRepair)
        Timer->stop();
    if (!vsbRepairLog->property("changeAttached").toBool()) {
        vsbRepairLog->setProperty("changeAttached", true);
        connect(vsbRepairLog, &QScrollBar::valueChanged, this, [this] { Guarded([this] { vsbRepairLogChange(); }); });
    }
}

void TTarqMainForm::LayoutHeaderButtons()
{
    // The page buttons sit at the right end of the header, each as wide as its text.
    constexpr int gap = 4;
    constexpr int rightMargin = 14;
    constexpr int minWidth = 96;
    int x = palRightHeader->width() - rightMargin;
    QPushButton* order[] = {btnAboutTab, btnOptionsTab, btnBatchRepairTab, btnRepairTab};
    for (QPushButton* button : order) {
        button->ensurePolished();
        QFont bold = button->font();
        bold.setBold(true);
        bold.setPixelSize(12);
        const int w = std::max(minWidth, QFontMetrics(bold).horizontalAdvance(QString(button->text()).remove(u'&'))
                                             + button->iconSize().width() + 40);
        x -= w;
        button->setGeometry(x, button->y(), w, button->height());
        x -= gap;
    }
}

void TTarqMainForm::LayoutFooter()
{
    int x = btnHelp->x();
    for (QPushButton* button : {btnHelp, btnFacebook, btnFeedback}) {
        const int w = TextWidth(button, button->text()) + button->iconSize().width() + 20;
        button->setGeometry(x, button->y(), w, button->height());
        x += w + 12;
    }
    // The footer keeps the width the current page gives it.
    if (btnFeedback->isVisibleTo(palLeftFooter))
        palLeftFooter->resize(btnFeedback->x() + btnFeedback->width(), palLeftFooter->height());
    else if (btnHelp->isVisibleTo(palLeftFooter))
        palLeftFooter->resize(btnHelp->x() + btnHelp->width(), palLeftFooter->height());
}

void TTarqMainForm::InitAboutInfo()
{
    btnFacebookImage->show();
    btnFacebookImage->move(btnAboutTab->x() + btnAboutTab->width() - btnFacebookImage->width(),
                           btnFacebookImage->y());
    palRightHeader->update();
    labTitle->setText(ProductTitle);
    labTitle->ensurePolished();
    labTitle->adjustSize();
    SetLabel(labVersion, GetFileVersionText(FStartup.ProgramPath, 2));
}

// ---- page switching -------------------------------------------------------------

void TTarqMainForm::ShowPage(TTarqPanel* Panel, QWidget* Parent)
{
    if (Panel->parentWidget() != Parent)
        Panel->setParent(Parent);
    Panel->show();
    Panel->lower();
}

void TTarqMainForm::MainTabChange(QObject* Sender)
{
    FActiveMainTabIndex = Sender ? Sender->property("Tag").toInt() : 0;
    for (TTarqPanel* panel :
         {palRepairTab, palBatchRepairTab, palOptionsTab, palOptionsSubTab, palAdvOptionsSubTab, palAboutTab})
        panel->hide();
    for (QPushButton* button : {btnHelp, btnFacebook, btnFeedback})
        button->hide();

    switch (FActiveMainTabIndex) {
    case 1:
    case 2:
        ShowPage(FActiveMainTabIndex == 1 ? palRepairTab : palBatchRepairTab, this);
        btnHelp->show();
        btnFacebook->show();
        btnFeedback->show();
        palLeftFooter->SetColor(Palette::Page);
        palLeftFooter->show();
        palLeftFooter->resize(btnFeedback->x() + btnFeedback->width(), palLeftFooter->height());
        break;
    case 3:
        ShowPage(palOptionsTab, this);
        SubTabChange(btnAdvOptionsSubTab->isChecked() ? btnAdvOptionsSubTab : btnOptionsSubTab);
        btnHelp->show();
        palLeftFooter->SetColor(Palette::Sidebar);
        palLeftFooter->show();
        palLeftFooter->resize(btnHelp->x() + btnHelp->width(), palLeftFooter->height());
        break;
    case 4:
        ShowPage(palAboutTab, this);
        palLeftFooter->hide();
        break;
    default:
        break;
    }
    // The page button of the page shown is the one down, whoever asked.
    if (auto* button = MainTabGroup->button(FActiveMainTabIndex))
        button->setChecked(true);
}

void TTarqMainForm::SubTabChange(QObject* Sender)
{
    FActiveSubTabIndex = Sender ? Sender->property("Tag").toInt() : 0;
    palOptionsSubTab->hide();
    palAdvOptionsSubTab->hide();
    if (FActiveSubTabIndex == 1) {
        btnOptionsSubTab->setChecked(true);
        ShowPage(palOptionsSubTab, palOptionsTab);
    } else if (FActiveSubTabIndex == 2) {
        btnAdvOptionsSubTab->setChecked(true);
        ShowPage(palAdvOptionsSubTab, palOptionsTab);
    }
}

// ---- links and help -------------------------------------------------------------

void TTarqMainForm::OpenLink(const QString& URL)
{
    // A link the desktop cannot open fails silently.
    ShellOpen(AddTrackingCode(URL), QStringLiteral("open"), this);
}

void TTarqMainForm::labHomepageClick()
{
    OpenLink(labHomepage->text());
}

void TTarqMainForm::labSupportCenterClick()
{
    OpenLink(labSupportCenter->text());
}

void TTarqMainForm::imgLogoClick()
{
    OpenLink(CurrentAppLang ? CurrentAppLang->LocalizeURL(MakerHomePageURL()) : MakerHomePageURL());
}

void TTarqMainForm::btnFacebookClick()
{
    OpenLink(FacebookURL);
}

void TTarqMainForm::btnFacebookImageClick()
{
    OpenLink(FacebookURL);
}

void TTarqMainForm::btnFeedbackClick()
{
    OpenLink(CurrentAppLang ? CurrentAppLang->LocalizeURL(FeedbackURL) : FeedbackURL);
}

void TTarqMainForm::btnHelpClick()
{
    FormHelp();
}

bool TTarqMainForm::FormHelp()
{
    ShellOpen(ApplicationHelpFile(), QStringLiteral("open"), this);
    return true;
}
