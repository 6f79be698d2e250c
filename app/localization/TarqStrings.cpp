#include "localization/TarqStrings.h"

QString SRepairTabCaption = QStringLiteral("&Repair");
QString SBatchRepairTabCaption = QStringLiteral("&Batch Repair");
QString SOptionsTabCaption = QStringLiteral("&Options");
QString SAboutTabCaption = QStringLiteral("&About");
QString SSelSrcFileLabel = QStringLiteral("Select &STL file to be repaired:");
QString SSelDstFileLabel = QStringLiteral("O&utput fixed file as:");
QString SStartRepairCaption = QStringLiteral("&Start Repair");
QString SStopRepairCaption = QStringLiteral("&Stop Repair");
QString SGaugePercentCompleted = QStringLiteral("%u%% completed");
QString SConsumedTimePromptLabel = QStringLiteral("Time consumed:  ");
QString SConsumedTimeLabel = QStringLiteral("\"%d day(s)\" h \"hour(s)\" n \"minute(s) \"");
QString SRepairLogPrompt = QStringLiteral("Repair process log:");
QString SSaveLogCaption = QStringLiteral("Save &Log");
QString SFacebookCaption = QStringLiteral("&Follow us on Facebook");
QString SFeedbackCaption = QStringLiteral("&Feedback");
QString SBatchFileListPromptLabel = QStringLiteral("&List of files to be repaired:");
QString SBatchSrcFileNameColumn = QStringLiteral("Source File Name");
QString SBatchDstFileNameColumn = QStringLiteral("Target File Name");
QString SBatchRepairStatusColumn = QStringLiteral("Repair Status");
QString SAddFilesCaption = QStringLiteral("Ad&d Files");
QString SSearchFilesCaption = QStringLiteral("Se&arch Files");
QString SRemoveFilesCaption = QStringLiteral("Rem&ove Files");
QString SRemoveAllCaption = QStringLiteral("Remov&e All");
QString SOptionsSubTabCaption = QStringLiteral("Op&tions");
QString SAdvancedOptionsSubTabCaption = QStringLiteral("Ad&vanced Options");
QString STempDirPromptLabel = QStringLiteral("Dire&ctory for temporary files:");
QString SInternalBufSizeLabel = QStringLiteral("I&nternal Processing Buffer Size:");
QString SSizeByteUnit = QStringLiteral("Bytes");
QString SAutoUpdate = QStringLiteral("&Auto check and apply product updates");
QString SLanguagePromptLabel = QStringLiteral("&Language:");
QString SVersionPrompt = QStringLiteral("Version:");
QString SCopyright = QStringLiteral("Copyright © 2024-%d Meshwright developers. All rights reserved.");
QString SHomepagePrompt = QStringLiteral("Product Homepage:");
QString SSupportCenterPrompt = QStringLiteral("Support Center:");
QString SSupportEmailPrompt = QStringLiteral("Support E-Mail:");
QString SCopyrightNotice1 = QStringLiteral("Warning: this program is protected by copyright law and international treaties. ");
QString SCopyrightNotice2 = QStringLiteral("Copying or distributing it, or any part of it, without permission may lead to civil and criminal penalties ");
QString SCopyrightNotice3 = QStringLiteral("and will be prosecuted to the full extent of the law.");
QString SFileExistWarning = QStringLiteral("Warning 1: A file named '%s' already exists. Overwrite it?");
QString SDstFileExtWarning = QStringLiteral("Warning 2: Extension of destination file '%s' is invalid! Still proceed?");
QString SFreeSpacesNotEnoughForDstWarning = QStringLiteral("Warning 3: Free spaces on drive '%s' may not be enough for destination file '%s'! Still proceed?");
QString SPathNotExistWarning = QStringLiteral("Warning 4: The path '%s' for destination file '%s' does not exist. Create it?");
QString SFreeSpacesNotEnoughForTempFileWarning = QStringLiteral("Warning 7: Free spaces on drive '%s' may not be enough for temporary files! Still proceed?");
QString SAbortRepairWarning = QStringLiteral("The recovery process is still in progress. Are you sure to abort it?");
QString SAbortBatchRepairWarning = QStringLiteral("The batch recovery process is still in progress. Are you sure to abort it?");
QString SOpenFileError = QStringLiteral("Cannot open file '%s'!");
QString SCreateDirError = QStringLiteral("Cannot create the directory '%s'!");
QString SEmptySrcFileError = QStringLiteral("Please select or input the file to be repaired!");
QString SSrcFileNotExistError = QStringLiteral("'%s' does not exist! Please select an existing file!");
QString SEmptyDstFileError = QStringLiteral("Please input the fixed file name!");
QString SFOpenRunError = QStringLiteral("Cannot open the fixed file '%s'!");
QString SAddFileToList = QStringLiteral("Please add files to the list first!");
QString SFileExistInList = QStringLiteral("File already exists in the list!");
QString SNumberOfFilesRepaired = QStringLiteral("%d file(s) repaired successfully.");
QString SStatusNotRepaired = QStringLiteral("Not Repaired");
QString SStatusFailed = QStringLiteral("Failed");
QString SStatusSuccess = QStringLiteral("Successful");
QString SStatusAborted = QStringLiteral("Aborted");
QString SStatusSkipped = QStringLiteral("Skipped");
QString SSelectTempDirectory = QStringLiteral("Select directory for temporary files:");
QString SCreateTempDirPrompt = QStringLiteral("Temporary directory '%s' does not exist! Create it now?");
QString SCreateTempDirError = QStringLiteral("Cannot create temporary directory '%s'!");
QString SbtnRepairTabHint = QStringLiteral("Repair a single STL file");
QString SbtnBatchRepairTabHint = QStringLiteral("Repair a batch of STL files");
QString SbtnOptionsTabHint = QStringLiteral("Set repair options");
QString SbtnAboutTabHint = QStringLiteral("Detailed information about the product");
QString StxtSrcFileHint = QStringLiteral("Input STL file to be repaired");
QString SbtnSrcMoreHint = QStringLiteral("Browse and select STL file to be repaired");
QString SbtnSrcSearchHint = QStringLiteral("Search STL files to be repaired on local computer");
QString StxtDstFileHint = QStringLiteral("Input fixed STL file name");
QString SbtnDstMoreHint = QStringLiteral("Browse and select fixed STL file name");
QString SbtnAddFilesHint = QStringLiteral("Add one or multiple STL files to list");
QString SbtnSearchFilesHint = QStringLiteral("Search and add one or multiple STL files to list");
QString SbtnRemoveFilesHint = QStringLiteral("Remove selected STL files from list");
QString SbtnRemoveAllHint = QStringLiteral("Remove all STL files in list");
QString SSearchTitle = QStringLiteral("Search for source STL files to be repaired");
QString SSearchFileNamePrompt = QStringLiteral("S&earch for files named:");
QString SSearchFileFilter = QStringLiteral("STL files (*.stl)|*.stl");
QString SSearchInPrompt = QStringLiteral("&Search in:");
QString SDefaultSearchDirItem = QStringLiteral("Local Harddrives (%s)");
QString SSelDirDlgCaption = QStringLiteral("Select Directory:");
QString SSearchSubDirs = QStringLiteral("Search Su&bfolders");
QString SStartSearchCaption = QStringLiteral("&Start Search");
QString SStopSearchCaption = QStringLiteral("&Stop Search");
QString SAdvOptionsPrompt = QStringLiteral("Advanced O&ptions");
QString SAdvOptionsFileSize = QStringLiteral("File Size");
QString SAdvOptionsAtLeast = QStringLiteral("A&t least");
QString SAdvOptionsAtMost = QStringLiteral("At &most");
QString SSizeKBUnit = QStringLiteral("KB");
QString SAdvOptionsFileAttr = QStringLiteral("File Attributes");
QString SAdvOptionsReadOnly = QStringLiteral("Re&ad only");
QString SAdvOptionsHidden = QStringLiteral("Hidde&n");
QString SAdvOptionsSystem = QStringLiteral("S&ystem");
QString SAdvOptionsArchive = QStringLiteral("Archi&ve");
QString SAdvOptionsFileTime = QStringLiteral("File Time");
QString SAdvOptionsCreatedIn = QStringLiteral("C&reated in");
QString SAdvOptionsLastAccessedIn = QStringLiteral("&Last Accessed in");
QString SAdvOptionsModifiedIn = QStringLiteral("Mo&dified in");
QString SDays = QStringLiteral("days");
QString SFoundFileCount = QStringLiteral("%d file(s) found");
QString SCurSearchDirPrompt = QStringLiteral("Current search in: ");
QString SSearchResultsPrompt = QStringLiteral("Search Res&ults:");
QString SSearchResultNameCol = QStringLiteral("File Name");
QString SSearchResultDirCol = QStringLiteral("Directory");
QString SSearchResultSizeCol = QStringLiteral("Size(bytes)");
QString SSearchResultCreatedCol = QStringLiteral("Created");
QString SSearchResultLastAccessedCol = QStringLiteral("Last Accessed");
QString SSearchResultLastModifiedCol = QStringLiteral("Last Modified");
QString SAddSelectedCaption = QStringLiteral("&Add Selected");
QString SSelectAllCaption = QStringLiteral("&Select All");
QString SUnselectAllCaption = QStringLiteral("&Unselect All");
QString SInvalidMinMaxFileSize = QStringLiteral("For file size, at least value must be less than or equal to at most value! Please correct the values!");
QString SSearchCancelled = QStringLiteral("Search is cancelled by the user!");
QString SSearchCompleted = QStringLiteral("Search is completed. %d file(s) found.");
QString SSelSearchFile = QStringLiteral("Please select the file(s) to be repaired from the search results!");
QString SCancelSearchConfirm = QStringLiteral("Cancel the current search and close the search window?");
QString ScmbDirectoryHint = QStringLiteral("Select or input the folder where file is searched");
QString SbtnSelectDirHint = QStringLiteral("Browse and select the folder where file is searched");
QString SbtnAdvOptionsHint = QStringLiteral("Show/Hide advanced search options");
QString SgbFileSizeHint = QStringLiteral("Search criteria on file size");
QString SchkFileMinSizeHint = QStringLiteral("If selected, file size must >= xxx KB");
QString SchkFileMaxSizeHint = QStringLiteral("If selected, file size must <= xxx KB");
QString SgbFileAttrHint = QStringLiteral("Search criteria on file attributes");
QString SchkFileReadOnlyAttrHint = QStringLiteral("If selected, file must be read-only");
QString SchkFileHiddenAttrHint = QStringLiteral("If selected, only hidden file will be searched");
QString SchkFileSystemAttrHint = QStringLiteral("If selected, only system file will be searched");
QString SchkFileArchiveAttrHint = QStringLiteral("If selected, only archive file will be searched");
QString SgbFileTimeHint = QStringLiteral("Search criteria on file time");
QString SchkFileCreatedTimeHint = QStringLiteral("If selected, file must be created in specified days");
QString SchkFileLastAccessedTimeHint = QStringLiteral("If selected, file is last accessed in specified days");
QString SchkFileModifiedTimeHint = QStringLiteral("If selected, file must be modified in specified days");
QString SSearchbtnAddSelectedHint = QStringLiteral("Close search window and add selected found files");
QString SSearchbtnSelectAllHint = QStringLiteral("Select all found files");
QString SSearchbtnUnselectAllHint = QStringLiteral("Unselect all found files");
QString SSearchbtnCloseHint = QStringLiteral("Close search window without adding any found files");
QString SCheckUpdateFormTitle = QStringLiteral("Check for Update...");
QString SCheckUpdatePrompt = QStringLiteral("Check for product updates. Please wait ...");
QString SNewVersionFormTitle = QStringLiteral("New Version Available");
QString SNewVersionAvailablePrompt = QStringLiteral("<B>A new version(%s) is available. Please find the what's new information below:</B>");
QString SUpgradePrompt = QStringLiteral("<B>Would you like to upgrade to the latest version?</B>");
QString SNoWhatsNewInfoAvailable = QStringLiteral("Sorry but no what's new information available!");
QString SDownloadFormTitle = QStringLiteral("Download File...");
QString SDownloadProgress = QStringLiteral("Download file from %s ...<BR><BR><B>%.0n bytes downloaded</B>");
QString SAbortDownloadPrompt = QStringLiteral("Would you like to abort the download process?");
QString SDownloadSuccessfully = QStringLiteral("Download completed successfully. Would you like to install the latest version now?");
QString SDownloadFailed = QStringLiteral("Error: Download failed!");
QString SLaunchEXEError = QStringLiteral("Error: Cannot launch the installer!");
QString SCloseCaption = QStringLiteral("&Close");
QString SYesCaption = QStringLiteral("&Yes");
QString SNoCaption = QStringLiteral("&No");
QString SAbortCaption = QStringLiteral("&Abort");
QString SHelpCaption = QStringLiteral("&Help");
QString SInfoSectionTitle = QStringLiteral("Version, system and setting information:");
QString SLogSectionTitle = QStringLiteral("Log:");
QString SRepairStart = QStringLiteral("Start repair process ...");
QString SRepairEnd = QStringLiteral("Repair process completes.");
QString SRepairSrcFile = QStringLiteral("File to be repaired: '%s'; File size: %.0n bytes");
QString SRepairDstFile = QStringLiteral("Output fixed file as: '%s'");
QString SRepairAbort = QStringLiteral("Abort repairing file '%s'.");
QString SRepairSkip = QStringLiteral("Skip repairing file '%s'.");
QString SRepairFail = QStringLiteral("Fail to repair file '%s'!");
QString SRepairUserAbort = QStringLiteral("User aborts the repair process.");
QString SBatchRepairStart = QStringLiteral("Start batch repair process ...");
QString SBatchRepairEnd = QStringLiteral("Batch repair process completes.");
QString SBatchRepairAbort = QStringLiteral("Batch repair process aborts.");
QString SBatchRepairFileCount = QStringLiteral("Total file(s) to be repaired: %d.");
QString SConsumedTime = QStringLiteral("\"Consumed time: %d day(s)\" h \"hour(s)\" n \"minute(s)\" s \"second(s)\" z \"millisecond(s).\"");
QString SBatchConsumedTime = QStringLiteral("\"Batch repair consumed time: %d day(s)\" h \"hour(s)\" n \"minute(s)\" s \"second(s)\" z \"millisecond(s).\"");
QString MSG_CAP_INFORMATION = QStringLiteral("Information");

QString SCopyrightNotice = SCopyrightNotice1 + SCopyrightNotice2 + SCopyrightNotice3;

namespace {

const TStringEntry kEntries[] = {
    {"MainForm", "SRepairTabCaption", &SRepairTabCaption, u"&Repair"},
    {"MainForm", "SBatchRepairTabCaption", &SBatchRepairTabCaption, u"&Batch Repair"},
    {"MainForm", "SOptionsTabCaption", &SOptionsTabCaption, u"&Options"},
    {"MainForm", "SAboutTabCaption", &SAboutTabCaption, u"&About"},
    {"MainForm", "SSelSrcFileLabel", &SSelSrcFileLabel, u"Select &STL file to be repaired:"},
    {"MainForm", "SSelDstFileLabel", &SSelDstFileLabel, u"O&utput fixed file as:"},
    {"MainForm", "SStartRepairCaption", &SStartRepairCaption, u"&Start Repair"},
    {"MainForm", "SStopRepairCaption", &SStopRepairCaption, u"&Stop Repair"},
    {"MainForm", "SGaugePercentCompleted", &SGaugePercentCompleted, u"%u%% completed"},
    {"MainForm", "SConsumedTimePromptLabel", &SConsumedTimePromptLabel, u"Time consumed:  "},
    {"MainForm", "SConsumedTimeLabel", &SConsumedTimeLabel, u"\"%d day(s)\" h \"hour(s)\" n \"minute(s) \""},
    {"MainForm", "SRepairLogPrompt", &SRepairLogPrompt, u"Repair process log:"},
    {"MainForm", "SSaveLogCaption", &SSaveLogCaption, u"Save &Log"},
    {"MainForm", "SFacebookCaption", &SFacebookCaption, u"&Follow us on Facebook"},
    {"MainForm", "SFeedbackCaption", &SFeedbackCaption, u"&Feedback"},
    {"MainForm", "SBatchFileListPromptLabel", &SBatchFileListPromptLabel, u"&List of files to be repaired:"},
    {"MainForm", "SBatchSrcFileNameColumn", &SBatchSrcFileNameColumn, u"Source File Name"},
    {"MainForm", "SBatchDstFileNameColumn", &SBatchDstFileNameColumn, u"Target File Name"},
    {"MainForm", "SBatchRepairStatusColumn", &SBatchRepairStatusColumn, u"Repair Status"},
    {"MainForm", "SAddFilesCaption", &SAddFilesCaption, u"Ad&d Files"},
    {"MainForm", "SSearchFilesCaption", &SSearchFilesCaption, u"Se&arch Files"},
    {"MainForm", "SRemoveFilesCaption", &SRemoveFilesCaption, u"Rem&ove Files"},
    {"MainForm", "SRemoveAllCaption", &SRemoveAllCaption, u"Remov&e All"},
    {"MainForm", "SOptionsSubTabCaption", &SOptionsSubTabCaption, u"Op&tions"},
    {"MainForm", "SAdvancedOptionsSubTabCaption", &SAdvancedOptionsSubTabCaption, u"Ad&vanced Options"},
    {"MainForm", "STempDirPromptLabel", &STempDirPromptLabel, u"Dire&ctory for temporary files:"},
    {"MainForm", "SInternalBufSizeLabel", &SInternalBufSizeLabel, u"I&nternal Processing Buffer Size:"},
    {"MainForm", "SSizeByteUnit", &SSizeByteUnit, u"Bytes"},
    {"MainForm", "SAutoUpdate", &SAutoUpdate, u"&Auto check and apply product updates"},
    {"MainForm", "SLanguagePromptLabel", &SLanguagePromptLabel, u"&Language:"},
    {"MainForm", "SVersionPrompt", &SVersionPrompt, u"Version:"},
    {"MainForm", "SCopyright", &SCopyright, u"Copyright © 2024-%d Meshwright developers. All rights reserved."},
    {"MainForm", "SHomepagePrompt", &SHomepagePrompt, u"Product Homepage:"},
    {"MainForm", "SSupportCenterPrompt", &SSupportCenterPrompt, u"Support Center:"},
    {"MainForm", "SSupportEmailPrompt", &SSupportEmailPrompt, u"Support E-Mail:"},
    {"MainForm", "SCopyrightNotice1", &SCopyrightNotice1, u"Warning: this program is protected by copyright law and international treaties. "},
    {"MainForm", "SCopyrightNotice2", &SCopyrightNotice2, u"Copying or distributing it, or any part of it, without permission may lead to civil and criminal penalties "},
    {"MainForm", "SCopyrightNotice3", &SCopyrightNotice3, u"and will be prosecuted to the full extent of the law."},
    {"WarningMessages", "SFileExistWarning", &SFileExistWarning, u"Warning 1: A file named '%s' already exists. Overwrite it?"},
    {"WarningMessages", "SDstFileExtWarning", &SDstFileExtWarning, u"Warning 2: Extension of destination file '%s' is invalid! Still proceed?"},
    {"WarningMessages", "SFreeSpacesNotEnoughForDstWarning", &SFreeSpacesNotEnoughForDstWarning, u"Warning 3: Free spaces on drive '%s' may not be enough for destination file '%s'! Still proceed?"},
    {"WarningMessages", "SPathNotExistWarning", &SPathNotExistWarning, u"Warning 4: The path '%s' for destination file '%s' does not exist. Create it?"},
    {"WarningMessages", "SFreeSpacesNotEnoughForTempFileWarning", &SFreeSpacesNotEnoughForTempFileWarning, u"Warning 7: Free spaces on drive '%s' may not be enough for temporary files! Still proceed?"},
    {"WarningMessages", "SAbortRepairWarning", &SAbortRepairWarning, u"The recovery process is still in progress. Are you sure to abort it?"},
    {"WarningMessages", "SAbortBatchRepairWarning", &SAbortBatchRepairWarning, u"The batch recovery process is still in progress. Are you sure to abort it?"},
    {"ErrorMessages", "SOpenFileError", &SOpenFileError, u"Cannot open file '%s'!"},
    {"ErrorMessages", "SCreateDirError", &SCreateDirError, u"Cannot create the directory '%s'!"},
    {"ErrorMessages", "SEmptySrcFileError", &SEmptySrcFileError, u"Please select or input the file to be repaired!"},
    {"ErrorMessages", "SSrcFileNotExistError", &SSrcFileNotExistError, u"'%s' does not exist! Please select an existing file!"},
    {"ErrorMessages", "SEmptyDstFileError", &SEmptyDstFileError, u"Please input the fixed file name!"},
    {"MiscMessages", "SFOpenRunError", &SFOpenRunError, u"Cannot open the fixed file '%s'!"},
    {"BatchRepair", "SAddFileToList", &SAddFileToList, u"Please add files to the list first!"},
    {"BatchRepair", "SFileExistInList", &SFileExistInList, u"File already exists in the list!"},
    {"BatchRepair", "SNumberOfFilesRepaired", &SNumberOfFilesRepaired, u"%d file(s) repaired successfully."},
    {"BatchRepair", "SStatusNotRepaired", &SStatusNotRepaired, u"Not Repaired"},
    {"BatchRepair", "SStatusFailed", &SStatusFailed, u"Failed"},
    {"BatchRepair", "SStatusSuccess", &SStatusSuccess, u"Successful"},
    {"BatchRepair", "SStatusAborted", &SStatusAborted, u"Aborted"},
    {"BatchRepair", "SStatusSkipped", &SStatusSkipped, u"Skipped"},
    {"TempDirectory", "SSelectTempDirectory", &SSelectTempDirectory, u"Select directory for temporary files:"},
    {"TempDirectory", "SCreateTempDirPrompt", &SCreateTempDirPrompt, u"Temporary directory '%s' does not exist! Create it now?"},
    {"TempDirectory", "SCreateTempDirError", &SCreateTempDirError, u"Cannot create temporary directory '%s'!"},
    {"MainFormHint", "SbtnRepairTabHint", &SbtnRepairTabHint, u"Repair a single STL file"},
    {"MainFormHint", "SbtnBatchRepairTabHint", &SbtnBatchRepairTabHint, u"Repair a batch of STL files"},
    {"MainFormHint", "SbtnOptionsTabHint", &SbtnOptionsTabHint, u"Set repair options"},
    {"MainFormHint", "SbtnAboutTabHint", &SbtnAboutTabHint, u"Detailed information about the product"},
    {"MainFormHint", "StxtSrcFileHint", &StxtSrcFileHint, u"Input STL file to be repaired"},
    {"MainFormHint", "SbtnSrcMoreHint", &SbtnSrcMoreHint, u"Browse and select STL file to be repaired"},
    {"MainFormHint", "SbtnSrcSearchHint", &SbtnSrcSearchHint, u"Search STL files to be repaired on local computer"},
    {"MainFormHint", "StxtDstFileHint", &StxtDstFileHint, u"Input fixed STL file name"},
    {"MainFormHint", "SbtnDstMoreHint", &SbtnDstMoreHint, u"Browse and select fixed STL file name"},
    {"MainFormHint", "SbtnAddFilesHint", &SbtnAddFilesHint, u"Add one or multiple STL files to list"},
    {"MainFormHint", "SbtnSearchFilesHint", &SbtnSearchFilesHint, u"Search and add one or multiple STL files to list"},
    {"MainFormHint", "SbtnRemoveFilesHint", &SbtnRemoveFilesHint, u"Remove selected STL files from list"},
    {"MainFormHint", "SbtnRemoveAllHint", &SbtnRemoveAllHint, u"Remove all STL files in list"},
    {"SearchForm", "SSearchTitle", &SSearchTitle, u"Search for source STL files to be repaired"},
    {"SearchForm", "SSearchFileNamePrompt", &SSearchFileNamePrompt, u"S&earch for files named:"},
    {"SearchForm", "SSearchFileFilter", &SSearchFileFilter, u"STL files (*.stl)|*.stl"},
    {"SearchForm", "SSearchInPrompt", &SSearchInPrompt, u"&Search in:"},
    {"SearchForm", "SDefaultSearchDirItem", &SDefaultSearchDirItem, u"Local Harddrives (%s)"},
    {"SearchForm", "SSelDirDlgCaption", &SSelDirDlgCaption, u"Select Directory:"},
    {"SearchForm", "SSearchSubDirs", &SSearchSubDirs, u"Search Su&bfolders"},
    {"SearchForm", "SStartSearchCaption", &SStartSearchCaption, u"&Start Search"},
    {"SearchForm", "SStopSearchCaption", &SStopSearchCaption, u"&Stop Search"},
    {"SearchForm", "SAdvOptionsPrompt", &SAdvOptionsPrompt, u"Advanced O&ptions"},
    {"SearchForm", "SAdvOptionsFileSize", &SAdvOptionsFileSize, u"File Size"},
    {"SearchForm", "SAdvOptionsAtLeast", &SAdvOptionsAtLeast, u"A&t least"},
    {"SearchForm", "SAdvOptionsAtMost", &SAdvOptionsAtMost, u"At &most"},
    {"SearchForm", "SSizeKBUnit", &SSizeKBUnit, u"KB"},
    {"SearchForm", "SAdvOptionsFileAttr", &SAdvOptionsFileAttr, u"File Attributes"},
    {"SearchForm", "SAdvOptionsReadOnly", &SAdvOptionsReadOnly, u"Re&ad only"},
    {"SearchForm", "SAdvOptionsHidden", &SAdvOptionsHidden, u"Hidde&n"},
    {"SearchForm", "SAdvOptionsSystem", &SAdvOptionsSystem, u"S&ystem"},
    {"SearchForm", "SAdvOptionsArchive", &SAdvOptionsArchive, u"Archi&ve"},
    {"SearchForm", "SAdvOptionsFileTime", &SAdvOptionsFileTime, u"File Time"},
    {"SearchForm", "SAdvOptionsCreatedIn", &SAdvOptionsCreatedIn, u"C&reated in"},
    {"SearchForm", "SAdvOptionsLastAccessedIn", &SAdvOptionsLastAccessedIn, u"&Last Accessed in"},
    {"SearchForm", "SAdvOptionsModifiedIn", &SAdvOptionsModifiedIn, u"Mo&dified in"},
    {"SearchForm", "SDays", &SDays, u"days"},
    {"SearchForm", "SFoundFileCount", &SFoundFileCount, u"%d file(s) found"},
    {"SearchForm", "SCurSearchDirPrompt", &SCurSearchDirPrompt, u"Current search in: "},
    {"SearchForm", "SSearchResultsPrompt", &SSearchResultsPrompt, u"Search Res&ults:"},
    {"SearchForm", "SSearchResultNameCol", &SSearchResultNameCol, u"File Name"},
    {"SearchForm", "SSearchResultDirCol", &SSearchResultDirCol, u"Directory"},
    {"SearchForm", "SSearchResultSizeCol", &SSearchResultSizeCol, u"Size(bytes)"},
    {"SearchForm", "SSearchResultCreatedCol", &SSearchResultCreatedCol, u"Created"},
    {"SearchForm", "SSearchResultLastAccessedCol", &SSearchResultLastAccessedCol, u"Last Accessed"},
    {"SearchForm", "SSearchResultLastModifiedCol", &SSearchResultLastModifiedCol, u"Last Modified"},
    {"SearchForm", "SAddSelectedCaption", &SAddSelectedCaption, u"&Add Selected"},
    {"SearchForm", "SSelectAllCaption", &SSelectAllCaption, u"&Select All"},
    {"SearchForm", "SUnselectAllCaption", &SUnselectAllCaption, u"&Unselect All"},
    {"SearchFormMessages", "SInvalidMinMaxFileSize", &SInvalidMinMaxFileSize, u"For file size, at least value must be less than or equal to at most value! Please correct the values!"},
    {"SearchFormMessages", "SSearchCancelled", &SSearchCancelled, u"Search is cancelled by the user!"},
    {"SearchFormMessages", "SSearchCompleted", &SSearchCompleted, u"Search is completed. %d file(s) found."},
    {"SearchFormMessages", "SSelSearchFile", &SSelSearchFile, u"Please select the file(s) to be repaired from the search results!"},
    {"SearchFormMessages", "SCancelSearchConfirm", &SCancelSearchConfirm, u"Cancel the current search and close the search window?"},
    {"SearchFormHints", "ScmbDirectoryHint", &ScmbDirectoryHint, u"Select or input the folder where file is searched"},
    {"SearchFormHints", "SbtnSelectDirHint", &SbtnSelectDirHint, u"Browse and select the folder where file is searched"},
    {"SearchFormHints", "SbtnAdvOptionsHint", &SbtnAdvOptionsHint, u"Show/Hide advanced search options"},
    {"SearchFormHints", "SgbFileSizeHint", &SgbFileSizeHint, u"Search criteria on file size"},
    {"SearchFormHints", "SchkFileMinSizeHint", &SchkFileMinSizeHint, u"If selected, file size must >= xxx KB"},
    {"SearchFormHints", "SchkFileMaxSizeHint", &SchkFileMaxSizeHint, u"If selected, file size must <= xxx KB"},
    {"SearchFormHints", "SgbFileAttrHint", &SgbFileAttrHint, u"Search criteria on file attributes"},
    {"SearchFormHints", "SchkFileReadOnlyAttrHint", &SchkFileReadOnlyAttrHint, u"If selected, file must be read-only"},
    {"SearchFormHints", "SchkFileHiddenAttrHint", &SchkFileHiddenAttrHint, u"If selected, only hidden file will be searched"},
    {"SearchFormHints", "SchkFileSystemAttrHint", &SchkFileSystemAttrHint, u"If selected, only system file will be searched"},
    {"SearchFormHints", "SchkFileArchiveAttrHint", &SchkFileArchiveAttrHint, u"If selected, only archive file will be searched"},
    {"SearchFormHints", "SgbFileTimeHint", &SgbFileTimeHint, u"Search criteria on file time"},
    {"SearchFormHints", "SchkFileCreatedTimeHint", &SchkFileCreatedTimeHint, u"If selected, file must be created in specified days"},
    {"SearchFormHints", "SchkFileLastAccessedTimeHint", &SchkFileLastAccessedTimeHint, u"If selected, file is last accessed in specified days"},
    {"SearchFormHints", "SchkFileModifiedTimeHint", &SchkFileModifiedTimeHint, u"If selected, file must be modified in specified days"},
    {"SearchFormHints", "SSearchbtnAddSelectedHint", &SSearchbtnAddSelectedHint, u"Close search window and add selected found files"},
    {"SearchFormHints", "SSearchbtnSelectAllHint", &SSearchbtnSelectAllHint, u"Select all found files"},
    {"SearchFormHints", "SSearchbtnUnselectAllHint", &SSearchbtnUnselectAllHint, u"Unselect all found files"},
    {"SearchFormHints", "SSearchbtnCloseHint", &SSearchbtnCloseHint, u"Close search window without adding any found files"},
    {"AutoUpdate", "SCheckUpdateFormTitle", &SCheckUpdateFormTitle, u"Check for Update..."},
    {"AutoUpdate", "SCheckUpdatePrompt", &SCheckUpdatePrompt, u"Check for product updates. Please wait ..."},
    {"AutoUpdate", "SNewVersionFormTitle", &SNewVersionFormTitle, u"New Version Available"},
    {"AutoUpdate", "SNewVersionAvailablePrompt", &SNewVersionAvailablePrompt, u"<B>A new version(%s) is available. Please find the what's new information below:</B>"},
    {"AutoUpdate", "SUpgradePrompt", &SUpgradePrompt, u"<B>Would you like to upgrade to the latest version?</B>"},
    {"AutoUpdate", "SNoWhatsNewInfoAvailable", &SNoWhatsNewInfoAvailable, u"Sorry but no what's new information available!"},
    {"AutoUpdate", "SDownloadFormTitle", &SDownloadFormTitle, u"Download File..."},
    {"AutoUpdate", "SDownloadProgress", &SDownloadProgress, u"Download file from %s ...<BR><BR><B>%.0n bytes downloaded</B>"},
    {"AutoUpdate", "SAbortDownloadPrompt", &SAbortDownloadPrompt, u"Would you like to abort the download process?"},
    {"AutoUpdate", "SDownloadSuccessfully", &SDownloadSuccessfully, u"Download completed successfully. Would you like to install the latest version now?"},
    {"AutoUpdate", "SDownloadFailed", &SDownloadFailed, u"Error: Download failed!"},
    {"AutoUpdate", "SLaunchEXEError", &SLaunchEXEError, u"Error: Cannot launch the installer!"},
    {"CommonButtons", "SCloseCaption", &SCloseCaption, u"&Close"},
    {"CommonButtons", "SYesCaption", &SYesCaption, u"&Yes"},
    {"CommonButtons", "SNoCaption", &SNoCaption, u"&No"},
    {"CommonButtons", "SAbortCaption", &SAbortCaption, u"&Abort"},
    {"CommonButtons", "SHelpCaption", &SHelpCaption, u"&Help"},
    {"RepairLog", "SInfoSectionTitle", &SInfoSectionTitle, u"Version, system and setting information:"},
    {"RepairLog", "SLogSectionTitle", &SLogSectionTitle, u"Log:"},
    {"RepairLog", "SRepairStart", &SRepairStart, u"Start repair process ..."},
    {"RepairLog", "SRepairEnd", &SRepairEnd, u"Repair process completes."},
    {"RepairLog", "SRepairSrcFile", &SRepairSrcFile, u"File to be repaired: '%s'; File size: %.0n bytes"},
    {"RepairLog", "SRepairDstFile", &SRepairDstFile, u"Output fixed file as: '%s'"},
    {"RepairLog", "SRepairAbort", &SRepairAbort, u"Abort repairing file '%s'."},
    {"RepairLog", "SRepairSkip", &SRepairSkip, u"Skip repairing file '%s'."},
    {"RepairLog", "SRepairFail", &SRepairFail, u"Fail to repair file '%s'!"},
    {"RepairLog", "SRepairUserAbort", &SRepairUserAbort, u"User aborts the repair process."},
    {"RepairLog", "SBatchRepairStart", &SBatchRepairStart, u"Start batch repair process ..."},
    {"RepairLog", "SBatchRepairEnd", &SBatchRepairEnd, u"Batch repair process completes."},
    {"RepairLog", "SBatchRepairAbort", &SBatchRepairAbort, u"Batch repair process aborts."},
    {"RepairLog", "SBatchRepairFileCount", &SBatchRepairFileCount, u"Total file(s) to be repaired: %d."},
    {"RepairLog", "SConsumedTime", &SConsumedTime, u"\"Consumed time: %d day(s)\" h \"hour(s)\" n \"minute(s)\" s \"second(s)\" z \"millisecond(s).\""},
    {"RepairLog", "SBatchConsumedTime", &SBatchConsumedTime, u"\"Batch repair consumed time: %d day(s)\" h \"hour(s)\" n \"minute(s)\" s \"second(s)\" z \"millisecond(s).\""},
    {"StandardResStrings", "MSG_CAP_INFORMATION", &MSG_CAP_INFORMATION, u"Information"},
};

} // namespace

std::span<const TStringEntry> TarqStringEntries()
{
    return kEntries;
}
