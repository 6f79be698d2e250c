// The main window's construction: its components, their places, the handlers
// they call, and the window's creation, first showing and destruction.
#include "mainwindow/TarqMain.h"

#include "localization/AppLang.h"
#include "localization/TarqStrings.h"
#include "mainwindow/Artwork.h"
#include "mainwindow/ClickLabel.h"
#include "mainwindow/MainSkin.h"
#include "platform/Application.h"
#include "repair/MessageWindow.h"
#include "settings/Setting.h"
#include "support/DragEdit.h"
#include "support/TarqPanel.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
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

const QString SeparatorLine = QString(56, u'-');
const QString ProductTitle = QStringLiteral("Meshwright");

QString ProductURL;
QString SupportURL;
QString FacebookURL;
QString FeedbackURL;

QString MakerHomePageURL()
{
    return QStringLiteral("https://") + MakerWebHost + u'/';
}

TMainFormStartup DefaultStartup()
{
    TMainFormStartup startup;
    startup.ProgramPath = ApplicationFilePath();
    const QStringList args = QCoreApplication::arguments();
    startup.Arguments = args.mid(1);
    return startup;
}

namespace {

bool g_Terminated = false;

constexpr int FormWidth = 955;
constexpr int FormHeight = 545;
constexpr int HeaderHeight = 74;
constexpr int FooterHeight = 33;
constexpr int PageHeight = FormHeight - HeaderHeight;
constexpr int Margin = 20;
constexpr int SubTabsWidth = 158;
constexpr int ScrollBarWidth = 14;

TTarqPanel* NewPanel(QWidget* parent, const char* name, const QColor& color, bool transparent = false)
{
    auto* panel = new TTarqPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->SetBevelOuter(TPanelBevel::bvNone);
    panel->SetColor(color);
    panel->SetTransparent(transparent);
    return panel;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QPoint& at)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

} // namespace

bool ApplicationTerminated()
{
    return g_Terminated;
}

void TerminateApplication()
{
    g_Terminated = true;
    QCoreApplication::quit();
}

void ResetApplicationTerminated()
{
    g_Terminated = false;
}

TTarqMainForm::TTarqMainForm(const TMainFormStartup& Startup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      bsSkinMessage(this), FStartup(Startup)
{
    setObjectName(QStringLiteral("MainForm"));
    if (FStartup.ProgramPath.isEmpty())
        FStartup.ProgramPath = ApplicationFilePath();

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    setAttribute(Qt::WA_AlwaysShowToolTips, true);

    bsCompressedStoredSkin.StyleSheet = MainSkinStyleSheet();
    bsSkinData.CompressedStoredSkin = &bsCompressedStoredSkin;
    bsSkinData.ResourceStrData = &TSkinTextList::Active();
    bsDialogCompressedStoredSkin.StyleSheet = DialogSkinStyleSheet();
    bsDialogSkinData.CompressedStoredSkin = &bsDialogCompressedStoredSkin;
    bsDialogSkinData.ResourceStrData = &TSkinTextList::Active();
    bsImgBtnSkinData.CompressedStoredSkin = &bsImgBtnCompressedStoredSkin;
    bsSkinHint.StyleSheet = HintStyleSheet();
    bsSkinMessage.SkinData = &bsDialogSkinData;
    bsSkinMessage.CtrlSkinData = &bsSkinData;

    CreateComponents();
    setFixedSize(FormWidth, FormHeight);
}

TTarqMainForm::~TTarqMainForm()
{
    FormDestroy();
}

void TTarqMainForm::CreateComponents()
{
    // Pages first, so that header and footer stay above them.
    CreateRepairPage();
    CreateBatchPage();
    CreateOptionsPage();
    CreateAboutPage();
    CreateHeader();
    CreateFooter();

    OpenDialog = new QFileDialog(this);
    OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
    OpenDialog->setOption(QFileDialog::DontUseNativeDialog, true);
    OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    OpenDialog->setSizeGripEnabled(true);

    SaveDialog = new QFileDialog(this);
    SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
    SaveDialog->setOption(QFileDialog::DontUseNativeDialog, true);
    SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog->setFileMode(QFileDialog::AnyFile);
    SaveDialog->setSizeGripEnabled(true);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(60000);
    BatchTimer = new QTimer(this);
    BatchTimer->setObjectName(QStringLiteral("BatchTimer"));
    BatchTimer->setInterval(60000);

    HelpContents = new QAction(this);
    HelpContents->setObjectName(QStringLiteral("HelpContents"));
    HelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    HelpContents->setShortcutContext(Qt::WindowShortcut);
    addAction(HelpContents);

    ConnectHandlers();
    ApplyWindowSkin();
}

void TTarqMainForm::CreateHeader()
{
    palHeader = NewPanel(this, "palHeader", QColor(), true);
    palHeader->setGeometry(0, 0, FormWidth, HeaderHeight);

    imgBanner = new QLabel(palHeader);
    imgBanner->setObjectName(QStringLiteral("imgBanner"));
    imgBanner->setGeometry(0, 0, 266, HeaderHeight);
    imgBanner->setPixmap(PaintBanner(imgBanner->size()));

    img64bit = new QLabel(palHeader);
    img64bit->setObjectName(QStringLiteral("img64bit"));
    img64bit->setGeometry(imgBanner->width() + 4, (HeaderHeight - 32) / 2, 96, 32);
    img64bit->setVisible(sizeof(void*) == 8);

    palRightHeader = NewPanel(palHeader, "palRightHeader", QColor(), true);
    palRightHeader->setGeometry(FormWidth - 560, 0, 560, HeaderHeight);

    MainTabGroup = new QButtonGroup(this);
    MainTabGroup->setExclusive(true);
    const struct {
        QPushButton** Button;
        const char* Name;
        TGlyph Glyph;
    } tabs[] = {
        {&btnRepairTab, "btnRepairTab", TGlyph::Repair},
        {&btnBatchRepairTab, "btnBatchRepairTab", TGlyph::Batch},
        {&btnOptionsTab, "btnOptionsTab", TGlyph::Options},
        {&btnAboutTab, "btnAboutTab", TGlyph::About},
    };
    int tag = 1;
    for (const auto& tab : tabs) {
        QPushButton* button = NewButton(palRightHeader, tab.Name, QRect(0, HeaderHeight - 36, 110, 36));
        button->setCheckable(true);
        button->setProperty("tabButton", true);
        button->setProperty("Tag", tag);
        button->setIcon(PaintGlyph(tab.Glyph, QColor(0x7f, 0xb6, 0xdc), 16));
        button->setCursor(Qt::PointingHandCursor);
        MainTabGroup->addButton(button, tag);
        *tab.Button = button;
        ++tag;
    }
    btnRepairTab->setChecked(true);

    btnFacebookImage = NewButton(palRightHeader, "btnFacebookImage", QRect(0, 8, 28, 22));
    btnFacebookImage->setProperty("skinElement", QStringLiteral("followbutton"));
    btnFacebookImage->setIcon(PaintGlyph(TGlyph::Follow, Qt::white, 14));
    btnFacebookImage->setCursor(Qt::PointingHandCursor);
    btnFacebookImage->setFocusPolicy(Qt::NoFocus);
    btnFacebookImage->hide();
}

void TTarqMainForm::CreateRepairPage()
{
    palRepairTab = NewPanel(this, "palRepairTab", Palette::Page);
    palRepairTab->setGeometry(0, HeaderHeight, FormWidth, PageHeight);

    labSelSrcFile = NewLabel(palRepairTab, "labSelSrcFile", QPoint(Margin, 28));
    txtSrcFile = new TDragEdit(palRepairTab);
    txtSrcFile->setObjectName(QStringLiteral("txtSrcFile"));
    txtSrcFile->setGeometry(200, 22, 500, 28);
    labSelSrcFile->setBuddy(txtSrcFile);

    labSelDstFile = NewLabel(palRepairTab, "labSelDstFile", QPoint(Margin, 68));
    txtDstFile = new QLineEdit(palRepairTab);
    txtDstFile->setObjectName(QStringLiteral("txtDstFile"));
    txtDstFile->setGeometry(200, 62, 500, 28);
    labSelDstFile->setBuddy(txtDstFile);

    palRepairMidRight = NewPanel(palRepairTab, "palRepairMidRight", Palette::Page);
    palRepairMidRight->setGeometry(FormWidth - Margin - 222, 20, 222, 72);
    btnSrcMore = NewButton(palRepairMidRight, "btnSrcMore", QRect(0, 2, 34, 28));
    btnSrcMore->setText(QStringLiteral("..."));
    btnSrcSearch = NewButton(palRepairMidRight, "btnSrcSearch", QRect(38, 2, 34, 28));
    btnSrcSearch->setIcon(PaintGlyph(TGlyph::Search, Palette::Accent, 16));
    btnDstMore = NewButton(palRepairMidRight, "btnDstMore", QRect(0, 42, 34, 28));
    btnDstMore->setText(QStringLiteral("..."));
    btnRepair = NewButton(palRepairMidRight, "btnRepair", QRect(82, 2, 140, 68));
    SetSkinElement(btnRepair, QStringLiteral("startbutton"));

    palProgress = NewPanel(palRepairTab, "palProgress", Palette::Page);
    palProgress->setGeometry(Margin, 108, FormWidth - 2 * Margin, 30);
    Gauge = new QProgressBar(palProgress);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    Gauge->setTextVisible(false);
    Gauge->setGeometry(0, 8, 470, 14);
    labProgress = NewLabel(palProgress, "labProgress", QPoint(482, 8));
    labConsumedTimePrompt = NewLabel(palProgress, "labConsumedTimePrompt", QPoint(620, 8));
    labConsumedTimePrompt->setProperty("prompt", true);
    labConsumedTime = NewLabel(palProgress, "labConsumedTime", QPoint(720, 8));

    labRepairLogPrompt = NewLabel(palRepairTab, "labRepairLogPrompt", QPoint(Margin, 150));
    txtRepairLog = new QPlainTextEdit(palRepairTab);
    txtRepairLog->setObjectName(QStringLiteral("txtRepairLog"));
    txtRepairLog->setReadOnly(true);
    txtRepairLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRepairLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtRepairLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtRepairLog->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtRepairLog->setGeometry(Margin, 170, FormWidth - 2 * Margin - ScrollBarWidth, 256);
    vsbRepairLog = new QScrollBar(Qt::Vertical, palRepairTab);
    vsbRepairLog->setObjectName(QStringLiteral("vsbRepairLog"));
    vsbRepairLog->setGeometry(txtRepairLog->x() + txtRepairLog->width(), txtRepairLog->y(), ScrollBarWidth,
                              txtRepairLog->height());
    vsbRepairLog->setRange(0, 0);
    vsbRepairLog->setEnabled(false);

    btnSaveLog = NewButton(palRepairTab, "btnSaveLog", QRect(FormWidth - Margin - 130, PageHeight - 38, 130, 28));
}

void TTarqMainForm::CreateBatchPage()
{
    palBatchRepairTab = NewPanel(this, "palBatchRepairTab", Palette::Page);
    palBatchRepairTab->setGeometry(0, HeaderHeight, FormWidth, PageHeight);

    labBatchFileListPrompt = NewLabel(palBatchRepairTab, "labBatchFileListPrompt", QPoint(Margin, 16));
    palSrcFileList = NewPanel(palBatchRepairTab, "palSrcFileList", Palette::Page);
    palSrcFileList->setGeometry(Margin, 36, 795, 300);
    FileList = new QTreeWidget(palSrcFileList);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setGeometry(0, 0, palSrcFileList->width(), palSrcFileList->height());
    FileList->setColumnCount(3);
    FileList->setRootIsDecorated(false);
    FileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileList->setSelectionBehavior(QAbstractItemView::SelectRows);
    FileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FileList->setAlternatingRowColors(true);
    FileList->setUniformRowHeights(true);
    FileList->header()->setStretchLastSection(false);
    FileList->setColumnWidth(0, 300);
    FileList->setColumnWidth(1, 300);
    FileList->setColumnWidth(2, 189);
    labBatchFileListPrompt->setBuddy(FileList);

    const int right = palSrcFileList->x() + palSrcFileList->width() + 12;
    const int width = FormWidth - Margin - right;
    btnRepairFiles = NewButton(palBatchRepairTab, "btnRepairFiles", QRect(right, 36, width, 60));
    SetSkinElement(btnRepairFiles, QStringLiteral("startbutton"));
    btnAddFiles = NewButton(palBatchRepairTab, "btnAddFiles", QRect(right, 112, width, 28));
    btnSearchFiles = NewButton(palBatchRepairTab, "btnSearchFiles", QRect(right, 146, width, 28));
    btnRemoveFiles = NewButton(palBatchRepairTab, "btnRemoveFiles", QRect(right, 190, width, 28));
    btnRemoveAll = NewButton(palBatchRepairTab, "btnRemoveAll", QRect(right, 224, width, 28));

    palBatchProgress = NewPanel(palBatchRepairTab, "palBatchProgress", Palette::Page);
    palBatchProgress->setGeometry(Margin, 348, 795, 30);
    BatchGauge = new QProgressBar(palBatchProgress);
    BatchGauge->setObjectName(QStringLiteral("BatchGauge"));
    BatchGauge->setRange(0, 100);
    BatchGauge->setTextVisible(false);
    BatchGauge->setGeometry(0, 8, 330, 14);
    labBatchProgress = NewLabel(palBatchProgress, "labBatchProgress", QPoint(342, 8));
    labBatchConsumedTimePrompt = NewLabel(palBatchProgress, "labBatchConsumedTimePrompt", QPoint(540, 8));
    labBatchConsumedTimePrompt->setProperty("prompt", true);
    labBatchConsumedTime = NewLabel(palBatchProgress, "labBatchConsumedTime", QPoint(640, 8));

    btnBatchSaveLog = NewButton(palBatchRepairTab, "btnBatchSaveLog",
                                QRect(FormWidth - Margin - 130, PageHeight - 38, 130, 28));
}

void TTarqMainForm::CreateOptionsPage()
{
    palOptionsTab = NewPanel(this, "palOptionsTab", Palette::Page);
    palOptionsTab->setGeometry(0, HeaderHeight, FormWidth, PageHeight);

    palSubTabs = NewPanel(palOptionsTab, "palSubTabs", Palette::Sidebar);
    palSubTabs->setGeometry(0, 0, SubTabsWidth, PageHeight);
    SubTabGroup = new QButtonGroup(this);
    SubTabGroup->setExclusive(true);
    btnOptionsSubTab = NewButton(palSubTabs, "btnOptionsSubTab", QRect(0, 20, SubTabsWidth, 36));
    btnAdvOptionsSubTab = NewButton(palSubTabs, "btnAdvOptionsSubTab", QRect(0, 58, SubTabsWidth, 36));
    int tag = 1;
    for (QPushButton* button : {btnOptionsSubTab, btnAdvOptionsSubTab}) {
        button->setCheckable(true);
        button->setProperty("subTabButton", true);
        button->setProperty("Tag", tag);
        button->setCursor(Qt::PointingHandCursor);
        SubTabGroup->addButton(button, tag);
        ++tag;
    }
    btnOptionsSubTab->setChecked(true);

    const QRect subPage(SubTabsWidth, 0, FormWidth - SubTabsWidth, PageHeight);
    palOptionsSubTab = NewPanel(palOptionsTab, "palOptionsSubTab", Qt::white);
    palOptionsSubTab->setGeometry(subPage);
    chkOpenFixed = new QCheckBox(palOptionsSubTab);
    chkOpenFixed->setObjectName(QStringLiteral("chkOpenFixed"));
    chkOpenFixed->setGeometry(32, 30, 560, 22);
    labEpsilonPrompt = NewLabel(palOptionsSubTab, "labEpsilonPrompt", QPoint(32, 74));
    QFont bold = labEpsilonPrompt->font();
    bold.setBold(true);
    labEpsilonPrompt->setFont(bold);
    txtEpsilon = new QLineEdit(palOptionsSubTab);
    txtEpsilon->setObjectName(QStringLiteral("txtEpsilon"));
    txtEpsilon->setGeometry(32, 96, 220, 28);
    labEpsilonPrompt->setBuddy(txtEpsilon);

    palAdvOptionsSubTab = NewPanel(palOptionsTab, "palAdvOptionsSubTab", Qt::white);
    palAdvOptionsSubTab->setGeometry(subPage);
    labTempDir = NewLabel(palAdvOptionsSubTab, "labTempDir", QPoint(32, 36));
    txtTempDir = new QLineEdit(palAdvOptionsSubTab);
    txtTempDir->setObjectName(QStringLiteral("txtTempDir"));
    txtTempDir->setGeometry(220, 30, 380, 28);
    labTempDir->setBuddy(txtTempDir);
    btnMoreDir = NewButton(palAdvOptionsSubTab, "btnMoreDir", QRect(605, 30, 34, 28));
    btnMoreDir->setText(QStringLiteral("..."));

    labBufSize = NewLabel(palAdvOptionsSubTab, "labBufSize", QPoint(32, 80));
    txtBufSize = new QSpinBox(palAdvOptionsSubTab);
    txtBufSize->setObjectName(QStringLiteral("txtBufSize"));
    txtBufSize->setRange(1, 65536);
    txtBufSize->setSingleStep(1);
    txtBufSize->setGeometry(220, 74, 110, 28);
    labBufSize->setBuddy(txtBufSize);
    labBufSizeUnit = NewLabel(palAdvOptionsSubTab, "labBufSizeUnit", QPoint(335, 80));

    chkAutoUpdate = new QCheckBox(palAdvOptionsSubTab);
    chkAutoUpdate->setObjectName(QStringLiteral("chkAutoUpdate"));
    chkAutoUpdate->setGeometry(32, 120, 560, 22);

    labLanguage = NewLabel(palAdvOptionsSubTab, "labLanguage", QPoint(32, 166));
    cmbLang = new QComboBox(palAdvOptionsSubTab);
    cmbLang->setObjectName(QStringLiteral("cmbLang"));
    cmbLang->setGeometry(120, 160, 300, 28);
    cmbLang->setMaxVisibleItems(16);
    labLanguage->setBuddy(cmbLang);
}

void TTarqMainForm::CreateAboutPage()
{
    palAboutTab = NewPanel(this, "palAboutTab", Palette::Page);
    palAboutTab->setGeometry(0, HeaderHeight, FormWidth, PageHeight);

    constexpr int left = 130;
    imgIcon = new QLabel(palAboutTab);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setGeometry(60, 44, 48, 48);
    imgIcon->setPixmap(PaintProgramIcon(48));

    labTitle = NewLabel(palAboutTab, "labTitle", QPoint(left, 42));
    labVersionPrompt = NewLabel(palAboutTab, "labVersionPrompt", QPoint(left, 84));
    labVersionPrompt->setProperty("prompt", true);
    labVersion = NewLabel(palAboutTab, "labVersion", QPoint(left + 60, 84));
    labCopyright = NewLabel(palAboutTab, "labCopyright", QPoint(left, 108));

    labHomepagePrompt = NewLabel(palAboutTab, "labHomepagePrompt", QPoint(left, 148));
    labHomepagePrompt->setProperty("prompt", true);
    labHomepage = new TClickLabel(palAboutTab);
    labHomepage->setObjectName(QStringLiteral("labHomepage"));
    labHomepage->setProperty("linkLabel", true);
    labHomepage->move(left + 120, 148);
    labSupportCenterPrompt = NewLabel(palAboutTab, "labSupportCenterPrompt", QPoint(left, 172));
    labSupportCenterPrompt->setProperty("prompt", true);
    labSupportCenter = new TClickLabel(palAboutTab);
    labSupportCenter->setObjectName(QStringLiteral("labSupportCenter"));
    labSupportCenter->setProperty("linkLabel", true);
    labSupportCenter->move(left + 120, 172);
    for (QLabel* link : {static_cast<QLabel*>(labHomepage), static_cast<QLabel*>(labSupportCenter)}) {
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
    }

    labCopyrightNotice = new QLabel(palAboutTab);
    labCopyrightNotice->setObjectName(QStringLiteral("labCopyrightNotice"));
    labCopyrightNotice->setWordWrap(true);
    labCopyrightNotice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labCopyrightNotice->setGeometry(left, 222, 640, 60);

    imgLogo = new TClickLabel(palAboutTab);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(FormWidth - 60 - 190, PageHeight - 40 - 48, 190, 48);
    imgLogo->setPixmap(PaintMakerLogo(imgLogo->size()));
}

void TTarqMainForm::CreateFooter()
{
    palLeftFooter = NewPanel(this, "palLeftFooter", Palette::Page);
    palLeftFooter->setGeometry(0, FormHeight - FooterHeight, 400, FooterHeight);
    btnHelp = NewButton(palLeftFooter, "btnHelp", QRect(Margin - 4, 4, 80, 24));
    btnHelp->setIcon(PaintGlyph(TGlyph::Help, Palette::Accent, 14));
    btnFacebook = NewButton(palLeftFooter, "btnFacebook", QRect(110, 4, 180, 24));
    btnFacebook->setIcon(PaintGlyph(TGlyph::Follow, Palette::Accent, 14));
    btnFeedback = NewButton(palLeftFooter, "btnFeedback", QRect(300, 4, 100, 24));
    btnFeedback->setIcon(PaintGlyph(TGlyph::Feedback, Palette::Accent, 14));
    for (QPushButton* button : {btnHelp, btnFacebook, btnFeedback}) {
        button->setProperty("footerButton", true);
        button->setCursor(Qt::PointingHandCursor);
    }
}

void TTarqMainForm::ConnectHandlers()
{
    const auto guarded = [this](void (TTarqMainForm::*handler)()) {
        return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
    };
    for (QPushButton* tab : {btnRepairTab, btnBatchRepairTab, btnOptionsTab, btnAboutTab})
        connect(tab, &QPushButton::clicked, this, [this, tab] { Guarded([this, tab] { MainTabChange(tab); }); });
    for (QPushButton* tab : {btnOptionsSubTab, btnAdvOptionsSubTab})
        connect(tab, &QPushButton::clicked, this, [this, tab] { Guarded([this, tab] { SubTabChange(tab); }); });

    connect(btnRepair, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnRepairClick));
    connect(txtSrcFile, &QLineEdit::textChanged, this, guarded(&TTarqMainForm::txtSrcFileChange));
    txtSrcFile->SetOnDropFile([this](QObject* sender, const QString& file) {
        Guarded([&] { txtSrcFileDropFile(sender, file); });
    });
    connect(btnSrcMore, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnSrcMoreClick));
    connect(btnDstMore, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnDstMoreClick));
    connect(btnSrcSearch, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnSrcSearchClick));
    connect(SaveDialog, &QFileDialog::filterSelected, this, guarded(&TTarqMainForm::SaveDialogTypeChange));
    connect(Timer, &QTimer::timeout, this, guarded(&TTarqMainForm::TimerTimer));
    connect(btnSaveLog, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnSaveLogClick));
    connect(btnBatchSaveLog, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnSaveLogClick));

    connect(btnRepairFiles, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnRepairFilesClick));
    connect(btnAddFiles, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnAddFilesClick));
    connect(btnSearchFiles, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnSearchFilesClick));
    connect(btnRemoveFiles, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnRemoveFilesClick));
    connect(btnRemoveAll, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnRemoveAllClick));
    connect(BatchTimer, &QTimer::timeout, this, guarded(&TTarqMainForm::BatchTimerTimer));

    txtEpsilon->installEventFilter(this);
    connect(btnMoreDir, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnMoreDirClick));

    connect(labHomepage, &TClickLabel::clicked, this, guarded(&TTarqMainForm::labHomepageClick));
    connect(labSupportCenter, &TClickLabel::clicked, this, guarded(&TTarqMainForm::labSupportCenterClick));
    connect(imgLogo, &TClickLabel::clicked, this, guarded(&TTarqMainForm::imgLogoClick));
    connect(btnFacebook, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnFacebookClick));
    connect(btnFacebookImage, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnFacebookImageClick));
    connect(btnFeedback, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnFeedbackClick));
    connect(btnHelp, &QPushButton::clicked, this, guarded(&TTarqMainForm::btnHelpClick));
    connect(HelpContents, &QAction::triggered, this, guarded(&TTarqMainForm::btnHelpClick));

    // The memo drives its separate scroll bar.
    QScrollBar* inner = txtRepairLog->verticalScrollBar();
    connect(inner, &QScrollBar::rangeChanged, this, [this] { SyncLogScrollBar(); });
    connect(inner, &QScrollBar::valueChanged, this, [this] { SyncLogScrollBar(); });
}

void TTarqMainForm::Guarded(const std::function<void()>& Handler)
{
    try {
        Handler();
    } catch (const std::exception& e) {
        ReportException(e);
    }
}

void TTarqMainForm::ReportException(const std::exception& E)
{
    bsSkinMessage.MessageDlg(QString::fromUtf8(E.what()), TMsgDlgType::mtError, mbOKOnly());
}

void TTarqMainForm::SetSkinElement(QPushButton* Button, const QString& Element)
{
    Button->setProperty("skinElement", Element);
    // Property selectors of the skin are only looked at again on a new polish.
    Button->style()->unpolish(Button);
    Button->style()->polish(Button);
    Button->update();
}

void TTarqMainForm::ApplyWindowSkin()
{
    QStringList parts{bsSkinData.StyleSheet(), bsImgBtnSkinData.StyleSheet(), bsSkinHint.StyleSheet};
    parts.removeAll(QString());
    setStyleSheet(parts.join(u'\n'));
}

// ---- creation, first showing, destruction -------------------------------------

void TTarqMainForm::FormCreate()
{
    if (FCreated)
        return;
    FCreated = true;

    InitLangInfoArray(LangInfos);
    InitLangComboBox(cmbLang);

    LoadSettings();

    ProductURL = FSetting->ProductURL;
    SupportURL = FSetting->SupportURL;
    FacebookURL = FSetting->FacebookURL;
    FeedbackURL = FSetting->FeedbackURL;

    delete CurrentAppLang;
    CurrentAppLang = new TAppLang;
    CurrentAppLang->SetCurLangInfo(GetLangComboBoxInfo(cmbLang));
    LoadLangStrings();

    FHFormWnd = AllocateHWnd([this](uint32_t msg, uintptr_t wParam, intptr_t lParam) {
        return FormWndProc(msg, wParam, lParam);
    });

    FInRepair = false;
    FIsStopping = false;
    FInBatchRepair = false;
    FIsBatchStopping = false;
    FActiveMainTabIndex = 1;
    FActiveSubTabIndex = 1;

    setFixedSize(FormWidth, FormHeight);

    ApplyLangStrings();

    txtSrcFile->DragAccept(true);

    StartFromCommandLine();
}

void TTarqMainForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

void TTarqMainForm::FormShow()
{
    btnRepairTab->setFocus();
    MainTabChange(btnRepairTab);
    if (!FLangChangeAttached) {
        FLangChangeAttached = true;
        connect(cmbLang, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { cmbLangChange(); }); });
    }
    QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(QEvent::User + WM_DEFERRED_START)));
}

bool TTarqMainForm::event(QEvent* e)
{
    if (e->type() == static_cast<QEvent::Type>(QEvent::User + WM_DEFERRED_START)) {
        Guarded([this] { WMDeferredStart(); });
        return true;
    }
    return QWidget::event(e);
}

void TTarqMainForm::WMDeferredStart()
{
    // A repair started from the command line runs inside the creation, with
    // the window already shown; the update check waits until it is over.
    if (FInCommandLineStart) {
        FDeferredStartWaiting = true;
        return;
    }
    if (chkAutoUpdate->isChecked())
        CheckForProductUpdate();
}

void TTarqMainForm::closeEvent(QCloseEvent* e)
{
    // Closing while a repair runs stops it first; the window closes once the
    // repair has ended and its state is restored.
    if (FInRepair || FInBatchRepair) {
        e->ignore();
        const QString question = FInRepair ? SAbortRepairWarning : SAbortBatchRepairWarning;
        if (bsSkinMessage.MessageDlg(question, TMsgDlgType::mtWarning, mbYesNo()) == mrYes) {
            if (FInRepair)
                FIsStopping = true;
            else
                FIsBatchStopping = true;
            FCloseAfterRepair = true;
        }
        return;
    }
    QWidget::closeEvent(e);
}

void TTarqMainForm::FormDestroy()
{
    if (!FCreated || FDestroyed)
        return;
    FDestroyed = true;
    try {
        SaveSettings();
    } catch (const std::exception& e) {
        qWarning("The settings could not be saved: %s", e.what());
    }
    delete CurrentAppLang;
    CurrentAppLang = nullptr;
    DeallocateHWnd(FHFormWnd);
    FHFormWnd = nullptr;
}

void TTarqMainForm::EnsureIdleAfterRepair()
{
    if (FCloseAfterRepair) {
        FCloseAfterRepair = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

int64_t TTarqMainForm::GetSrcFileSize(const QString& FileName)
{
    const QFileInfo info(FileName);
    return info.exists() && !info.isDir() ? info.size() : 0;
}

bool TTarqMainForm::IsValidDstFileExt(const QString&)
{
    return true;
}

bool TTarqMainForm::DstFileExists(const QString& DstFile)
{
    return QFileInfo::exists(DstFile);
}

bool TTarqMainForm::HasEnoughFreeSpace(const QString&, const QString&)
{
    return true;
}

void TTarqMainForm::GetRepairOptionsStruct(TOptionsStruct*)
{
}
