// The program's translatable texts, each named after its language-file key and
// holding its English text until a language file is loaded.
#pragma once

#include <QString>

#include <span>

// One translatable text: where a language file supplies it, the variable it
// sets and the English text that applies when the file does not.
struct TStringEntry {
    const char* Section;
    const char* Key;
    QString* Variable;
    const char16_t* EnglishDefault;
};

// [MainForm]
extern QString SRepairTabCaption;
extern QString SBatchRepairTabCaption;
extern QString SOptionsTabCaption;
extern QString SAboutTabCaption;
extern QString SSelSrcFileLabel;
extern QString SSelDstFileLabel;
extern QString SStartRepairCaption;
extern QString SStopRepairCaption;
extern QString SGaugePercentCompleted;
extern QString SConsumedTimePromptLabel;
extern QString SConsumedTimeLabel;
extern QString SRepairLogPrompt;
extern QString SSaveLogCaption;
extern QString SFacebookCaption;
extern QString SFeedbackCaption;
extern QString SBatchFileListPromptLabel;
extern QString SBatchSrcFileNameColumn;
extern QString SBatchDstFileNameColumn;
extern QString SBatchRepairStatusColumn;
extern QString SAddFilesCaption;
extern QString SSearchFilesCaption;
extern QString SRemoveFilesCaption;
extern QString SRemoveAllCaption;
extern QString SOptionsSubTabCaption;
extern QString SAdvancedOptionsSubTabCaption;
extern QString STempDirPromptLabel;
extern QString SInternalBufSizeLabel;
extern QString SSizeByteUnit;
extern QString SAutoUpdate;
extern QString SLanguagePromptLabel;
extern QString SVersionPrompt;
extern QString SCopyright;
extern QString SHomepagePrompt;
extern QString SSupportCenterPrompt;
extern QString SSupportEmailPrompt;
extern QString SCopyrightNotice1;
extern QString SCopyrightNotice2;
extern QString SCopyrightNotice3;
// [WarningMessages]
extern QString SFileExistWarning;
extern QString SDstFileExtWarning;
extern QString SFreeSpacesNotEnoughForDstWarning;
extern QString SPathNotExistWarning;
extern QString SFreeSpacesNotEnoughForTempFileWarning;
extern QString SAbortRepairWarning;
extern QString SAbortBatchRepairWarning;
// [ErrorMessages]
extern QString SOpenFileError;
extern QString SCreateDirError;
extern QString SEmptySrcFileError;
extern QString SSrcFileNotExistError;
extern QString SEmptyDstFileError;
// [MiscMessages]
extern QString SFOpenRunError;
// [BatchRepair]
extern QString SAddFileToList;
extern QString SFileExistInList;
extern QString SNumberOfFilesRepaired;
extern QString SStatusNotRepaired;
extern QString SStatusFailed;
extern QString SStatusSuccess;
extern QString SStatusAborted;
extern QString SStatusSkipped;
// [TempDirectory]
extern QString SSelectTempDirectory;
extern QString SCreateTempDirPrompt;
extern QString SCreateTempDirError;
// [MainFormHint]
extern QString SbtnRepairTabHint;
extern QString SbtnBatchRepairTabHint;
extern QString SbtnOptionsTabHint;
extern QString SbtnAboutTabHint;
extern QString StxtSrcFileHint;
extern QString SbtnSrcMoreHint;
extern QString SbtnSrcSearchHint;
extern QString StxtDstFileHint;
extern QString SbtnDstMoreHint;
extern QString SbtnAddFilesHint;
extern QString SbtnSearchFilesHint;
extern QString SbtnRemoveFilesHint;
extern QString SbtnRemoveAllHint;
// [SearchForm]
extern QString SSearchTitle;
extern QString SSearchFileNamePrompt;
extern QString SSearchFileFilter;
extern QString SSearchInPrompt;
extern QString SDefaultSearchDirItem;
extern QString SSelDirDlgCaption;
extern QString SSearchSubDirs;
extern QString SStartSearchCaption;
extern QString SStopSearchCaption;
extern QString SAdvOptionsPrompt;
extern QString SAdvOptionsFileSize;
extern QString SAdvOptionsAtLeast;
extern QString SAdvOptionsAtMost;
extern QString SSizeKBUnit;
extern QString SAdvOptionsFileAttr;
extern QString SAdvOptionsReadOnly;
extern QString SAdvOptionsHidden;
extern QString SAdvOptionsSystem;
extern QString SAdvOptionsArchive;
extern QString SAdvOptionsFileTime;
extern QString SAdvOptionsCreatedIn;
extern QString SAdvOptionsLastAccessedIn;
extern QString SAdvOptionsModifiedIn;
extern QString SDays;
extern QString SFoundFileCount;
extern QString SCurSearchDirPrompt;
extern QString SSearchResultsPrompt;
extern QString SSearchResultNameCol;
extern QString SSearchResultDirCol;
extern QString SSearchResultSizeCol;
extern QString SSearchResultCreatedCol;
extern QString SSearchResultLastAccessedCol;
extern QString SSearchResultLastModifiedCol;
extern QString SAddSelectedCaption;
extern QString SSelectAllCaption;
extern QString SUnselectAllCaption;
// [SearchFormMessages]
extern QString SInvalidMinMaxFileSize;
extern QString SSearchCancelled;
extern QString SSearchCompleted;
extern QString SSelSearchFile;
extern QString SCancelSearchConfirm;
// [SearchFormHints]
extern QString ScmbDirectoryHint;
extern QString SbtnSelectDirHint;
extern QString SbtnAdvOptionsHint;
extern QString SgbFileSizeHint;
extern QString SchkFileMinSizeHint;
extern QString SchkFileMaxSizeHint;
extern QString SgbFileAttrHint;
extern QString SchkFileReadOnlyAttrHint;
extern QString SchkFileHiddenAttrHint;
extern QString SchkFileSystemAttrHint;
extern QString SchkFileArchiveAttrHint;
extern QString SgbFileTimeHint;
extern QString SchkFileCreatedTimeHint;
extern QString SchkFileLastAccessedTimeHint;
extern QString SchkFileModifiedTimeHint;
extern QString SSearchbtnAddSelectedHint;
extern QString SSearchbtnSelectAllHint;
extern QString SSearchbtnUnselectAllHint;
extern QString SSearchbtnCloseHint;
// [AutoUpdate]
extern QString SCheckUpdateFormTitle;
extern QString SCheckUpdatePrompt;
extern QString SNewVersionFormTitle;
extern QString SNewVersionAvailablePrompt;
extern QString SUpgradePrompt;
extern QString SNoWhatsNewInfoAvailable;
extern QString SDownloadFormTitle;
extern QString SDownloadProgress;
extern QString SAbortDownloadPrompt;
extern QString SDownloadSuccessfully;
extern QString SDownloadFailed;
extern QString SLaunchEXEError;
// [CommonButtons]
extern QString SCloseCaption;
extern QString SYesCaption;
extern QString SNoCaption;
extern QString SAbortCaption;
extern QString SHelpCaption;
// [RepairLog]
extern QString SInfoSectionTitle;
extern QString SLogSectionTitle;
extern QString SRepairStart;
extern QString SRepairEnd;
extern QString SRepairSrcFile;
extern QString SRepairDstFile;
extern QString SRepairAbort;
extern QString SRepairSkip;
extern QString SRepairFail;
extern QString SRepairUserAbort;
extern QString SBatchRepairStart;
extern QString SBatchRepairEnd;
extern QString SBatchRepairAbort;
extern QString SBatchRepairFileCount;
extern QString SConsumedTime;
extern QString SBatchConsumedTime;
// [StandardResStrings]
extern QString MSG_CAP_INFORMATION;

// The about page's legal notice: SCopyrightNotice1 + 2 + 3, composed on loading.
extern QString SCopyrightNotice;

// Every entry of this catalogue, in language-file order.
std::span<const TStringEntry> TarqStringEntries();
