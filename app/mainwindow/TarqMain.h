// The framework main window: header with the page buttons, the Repair, Batch
// Repair, Options and About pages, the footer, the repair workflow and its
// log, the options and the language handling. The product window (MainFrm)
// fills in what is specific to STL repair.
#pragma once

#include "platform/DateTimeFormat.h"
#include "platform/MessageBox.h"
#include "platform/SkinData.h"
#include "platform/SkinTextList.h"
#include "repair/TarqMainThread.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <exception>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTimer;
class QTreeWidget;
class TClickLabel;
class TDragEdit;
class TLangIniFile;
class TMessageWindow;
class TSetting;
class TTarqPanel;

// The message a window posts to itself when it is first shown, to start work
// once it is on the screen.
inline constexpr int WM_USER = 0x0400;
inline constexpr int WM_DEFERRED_START = WM_USER + 2000;

// The fixed line that frames blocks of the log and of saved reports.
extern const QString SeparatorLine;

// The product title shown as the application title; not translated.
extern const QString ProductTitle;

// Web addresses of the links, copied from the settings when the window is created.
extern QString ProductURL;
extern QString SupportURL;
extern QString FacebookURL;
extern QString FeedbackURL;

// The maker's home page behind the About page's logo.
QString MakerHomePageURL();

// Where the window finds its files and what it was started with.
struct TMainFormStartup {
    QString ProgramPath;     // the program file; names the settings key, language and help files
    QStringList Arguments;   // the command line without the program name
};

// The running program's path and command line.
TMainFormStartup DefaultStartup();

// Set when the command line asked the program to end after its repair.
bool ApplicationTerminated();
void TerminateApplication();
void ResetApplicationTerminated();

class TTarqMainForm : public QWidget, public TRepairHost {
    Q_OBJECT
public:
    explicit TTarqMainForm(const TMainFormStartup& Startup, QWidget* parent = nullptr);
    ~TTarqMainForm() override;

    // Runs the creation steps; call once, right after construction (they need
    // the product window's overrides, which a constructor cannot reach).
    void FormCreate();
    // Runs the destruction steps (saving the settings); the destructor calls it
    // when it has not run yet.
    void FormDestroy();

    // --- public operations ---
    void GetRepairOptionsStruct(TOptionsStruct* lpOptions) override;
    TMessageWindow* GetHFormWnd() const override { return FHFormWnd; }
    int GetActiveMainTabIndex() const { return FActiveMainTabIndex; }
    int GetActiveSubTabIndex() const { return FActiveSubTabIndex; }
    void LoadLangStrings();
    void InitImageButtonSkin();

    // --- virtual operations ---
    virtual void HandleEngineMessage(uint32_t Msg, const char16_t* Text, bool& Handled) = 0;
    virtual QString GetDefaultDstFileName(const QString& SrcFile) = 0;
    virtual bool IsValidDstFileExt(const QString& DstFile);
    virtual bool DstFileExists(const QString& DstFile);
    virtual bool HasEnoughFreeSpace(const QString& SrcFile, const QString& DstFile);
    virtual bool RunRepair(const QString& SrcFile, const QString& DstFile) = 0;
    virtual void BeginRepair(const QString& SrcFile, const QString& DstFile);
    virtual void EndRepair();
    virtual void SetInputControlsEnabled(bool Enable);
    virtual QString GetSuccessMessage(const QString& SrcFile, const QString& DstFile) = 0;
    virtual void GetResultMessage(const QString& SrcFile, const QString& DstFile, bool Success, bool Aborted,
                                  QString& Msg, bool& Plain);
    virtual QDialog* CreateSuccessForm(const QString& Msg) = 0;
    virtual void ShowSuccessMessage(const QString& Msg);
    virtual void ReadLangStrings(const TLangIniFile* IniFile);
    virtual void ApplyLangStrings();
    virtual void LoadSettings();
    virtual void SaveSettings();
    virtual void GetSettingInfo(QStringList& Lines) = 0;
    virtual int64_t GetSrcFileSize(const QString& FileName);
    // Runs after every change of language; nothing to do in this program.
    virtual void LanguageChanged() {}
    // The update step of the deferred start. The update dialogs are not part
    // of the program yet, so this checks nothing.
    virtual void CheckForProductUpdate() {}

    // --- page switching ---
    void MainTabChange(QObject* Sender);
    void SubTabChange(QObject* Sender);

    // --- the repair page ---
    void btnRepairClick();
    void txtSrcFileChange();
    void txtSrcFileDropFile(QObject* Sender, const QString& AFile);
    void btnSrcMoreClick();
    void btnDstMoreClick();
    void SaveDialogTypeChange();
    void btnSrcSearchClick();
    void TimerTimer();
    void WriteRepairEndLog();
    bool IsStopRequested() const { return FIsStopping || FIsBatchStopping; }
    // The repair named on the command line, if any.
    void StartFromCommandLine();

    // --- the log ---
    void AddLogLine(const QString& Line);
    void ClearLog();
    QStringList LogLines() const;
    void vsbRepairLogChange();
    void btnSaveLogClick();

    // --- the batch page: its workflow is not part of the program yet ---
    void btnRepairFilesClick();
    void btnAddFilesClick();
    void btnSearchFilesClick();
    void btnRemoveFilesClick();
    void btnRemoveAllClick();
    void BatchTimerTimer();

    // --- the options page ---
    // Checks the precision text when the focus leaves it; false when it was refused.
    bool txtEpsilonExit();
    void btnMoreDirClick();
    void cmbLangChange();

    // --- links and help ---
    void labHomepageClick();
    void labSupportCenterClick();
    void imgLogoClick();
    void btnFacebookClick();
    void btnFacebookImageClick();
    void btnFeedbackClick();
    void btnHelpClick();
    bool FormHelp();

    // Shows the percent on a gauge and its label, unless it already shows it.
    static void SetProgress(int Value, QProgressBar* Gauge, QLabel* Label);

    // Shows an exception that reached the top of a handler, as the program's
    // default error report does.
    void ReportException(const std::exception& E);

    // --- state ---
    bool FInRepair = false;
    bool FIsStopping = false;
    bool FInBatchRepair = false;
    bool FIsBatchStopping = false;
    TDateTime FStartTime = 0;
    TDateTime FBatchStartTime = 0;
    int FActiveMainTabIndex = 1;
    int FActiveSubTabIndex = 1;
    TMessageWindow* FHFormWnd = nullptr;
    TSetting* FSetting = nullptr;

    // --- components ---
    TTarqPanel* palHeader;
    QLabel* imgBanner;
    QLabel* img64bit;
    TTarqPanel* palRightHeader;
    QPushButton* btnRepairTab;
    QPushButton* btnBatchRepairTab;
    QPushButton* btnOptionsTab;
    QPushButton* btnAboutTab;
    QButtonGroup* MainTabGroup;
    QPushButton* btnFacebookImage;

    TTarqPanel* palRepairTab;
    QLabel* labSelSrcFile;
    TDragEdit* txtSrcFile;
    QLabel* labSelDstFile;
    QLineEdit* txtDstFile;
    TTarqPanel* palRepairMidRight;
    QPushButton* btnSrcMore;
    QPushButton* btnSrcSearch;
    QPushButton* btnDstMore;
    QPushButton* btnRepair;
    TTarqPanel* palProgress;
    QProgressBar* Gauge;
    QLabel* labProgress;
    QLabel* labConsumedTimePrompt;
    QLabel* labConsumedTime;
    QLabel* labRepairLogPrompt;
    QPlainTextEdit* txtRepairLog;
    QScrollBar* vsbRepairLog;
    QPushButton* btnSaveLog;

    TTarqPanel* palBatchRepairTab;
    QLabel* labBatchFileListPrompt;
    TTarqPanel* palSrcFileList;
    QTreeWidget* FileList;
    QPushButton* btnRepairFiles;
    QPushButton* btnAddFiles;
    QPushButton* btnSearchFiles;
    QPushButton* btnRemoveFiles;
    QPushButton* btnRemoveAll;
    TTarqPanel* palBatchProgress;
    QProgressBar* BatchGauge;
    QLabel* labBatchProgress;
    QLabel* labBatchConsumedTimePrompt;
    QLabel* labBatchConsumedTime;
    QPushButton* btnBatchSaveLog;

    TTarqPanel* palOptionsTab;
    TTarqPanel* palSubTabs;
    QPushButton* btnOptionsSubTab;
    QPushButton* btnAdvOptionsSubTab;
    QButtonGroup* SubTabGroup;
    TTarqPanel* palOptionsSubTab;
    QCheckBox* chkOpenFixed;
    QLabel* labEpsilonPrompt;
    QLineEdit* txtEpsilon;
    TTarqPanel* palAdvOptionsSubTab;
    QLabel* labTempDir;
    QLineEdit* txtTempDir;
    QPushButton* btnMoreDir;
    QLabel* labBufSize;
    QSpinBox* txtBufSize;
    QLabel* labBufSizeUnit;
    QCheckBox* chkAutoUpdate;
    QLabel* labLanguage;
    QComboBox* cmbLang;

    TTarqPanel* palAboutTab;
    QLabel* labTitle;
    QLabel* labVersionPrompt;
    QLabel* labVersion;
    QLabel* imgIcon;
    QLabel* labCopyright;
    QLabel* labHomepagePrompt;
    TClickLabel* labHomepage;
    QLabel* labSupportCenterPrompt;
    TClickLabel* labSupportCenter;
    QLabel* labCopyrightNotice;
    TClickLabel* imgLogo;

    TTarqPanel* palLeftFooter;
    QPushButton* btnHelp;
    QPushButton* btnFacebook;
    QPushButton* btnFeedback;

    QFileDialog* OpenDialog;
    QFileDialog* SaveDialog;
    QTimer* Timer;
    QTimer* BatchTimer;
    QAction* HelpContents;

    TbsCompressedStoredSkin bsCompressedStoredSkin;
    TbsSkinData bsSkinData;
    TbsCompressedStoredSkin bsDialogCompressedStoredSkin;
    TbsSkinData bsDialogSkinData;
    TbsCompressedStoredSkin bsImgBtnCompressedStoredSkin;
    TbsSkinData bsImgBtnSkinData;
    TbsSkinHint bsSkinHint;
    TbsSkinMessage bsSkinMessage;
    TSkinTextList bsResourceStrData_ENU;

    const TMainFormStartup& Startup() const { return FStartup; }

    // Runs Handler and reports what it throws, as a handler at the top of the
    // event loop must.
    void Guarded(const std::function<void()>& Handler);

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

    // The window procedure of FHFormWnd and the dispatch it runs.
    intptr_t FormWndProc(uint32_t Msg, uintptr_t WParam, intptr_t LParam);
    void DispatchEngineMessage(uint32_t Msg, uintptr_t WParam, bool& Handled);

    void FormShow();
    void WMDeferredStart();

    // Skin element of a Start/Stop button ("startbutton" or "stopbutton").
    static void SetSkinElement(QPushButton* Button, const QString& Element);
    // Puts the main, image-button and hint skins on the window.
    void ApplyWindowSkin();

private:
    void CreateComponents();
    void CreateHeader();
    void CreateRepairPage();
    void CreateBatchPage();
    void CreateOptionsPage();
    void CreateAboutPage();
    void CreateFooter();
    void ConnectHandlers();

    void ShowPage(TTarqPanel* Panel, QWidget* Parent);
    void LayoutHeaderButtons();
    void LayoutFooter();
    void InitAboutInfo();
    void SyncLogScrollBar();
    void EnsureIdleAfterRepair();
    bool AskWarning(const QString& Text);
    void LogAbort(const QString& SrcText);
    void OpenLink(const QString& URL);
    QString FileDialogPath(QFileDialog* Dialog) const;

    TMainFormStartup FStartup;
    bool FShown = false;
    bool FCreated = false;
    bool FDestroyed = false;
    bool FInCommandLineStart = false;
    bool FDeferredStartWaiting = false;
    bool FCloseAfterRepair = false;
    bool FEpsilonCheckPending = false;
    bool FLangChangeAttached = false;
};
