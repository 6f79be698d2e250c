#include "localization/TarqLoadStr.h"

namespace {

const char* const kStandardResSection = "StandardResStrings";

// The skin's standard windows and menus, in English.
const char16_t* const kEnglishStandardResStrings[] = {
    // window menu
    u"MI_MINCAPTION=Mi&nimize",
    u"MI_MAXCAPTION=Ma&ximize",
    u"MI_CLOSECAPTION=&Close",
    u"MI_RESTORECAPTION=&Restore",
    u"MI_MINTOTRAYCAPTION=Minimize to &Tray",
    u"MI_ROLLUPCAPTION=Roll &Up",
    // title-button hints
    u"MINBUTTON_HINT=Minimize",
    u"MAXBUTTON_HINT=Maximize",
    u"CLOSEBUTTON_HINT=Close",
    u"TRAYBUTTON_HINT=Minimize to Tray",
    u"ROLLUPBUTTON_HINT=Roll Up",
    u"MENUBUTTON_HINT=System Menu",
    u"RESTORE_HINT=Restore",
    // edit menu
    u"EDIT_UNDO=Undo",
    u"EDIT_COPY=Copy",
    u"EDIT_CUT=Cut",
    u"EDIT_PASTE=Paste",
    u"EDIT_DELETE=Delete",
    u"EDIT_SELECTALL=Select All",
    // message boxes
    u"MSG_BTN_YES=&Yes",
    u"MSG_BTN_NO=&No",
    u"MSG_BTN_OK=OK",
    u"MSG_BTN_CANCEL=Cancel",
    u"MSG_BTN_ABORT=&Abort",
    u"MSG_BTN_RETRY=&Retry",
    u"MSG_BTN_IGNORE=&Ignore",
    u"MSG_BTN_ALL=&All",
    u"MSG_BTN_NOTOALL=N&oToAll",
    u"MSG_BTN_YESTOALL=&YesToAll",
    u"MSG_BTN_HELP=&Help",
    u"MSG_BTN_CLOSE=Close",
    u"MSG_CAP_WARNING=Warning",
    u"MSG_CAP_ERROR=Error",
    u"MSG_CAP_INFORMATION=Information",
    u"MSG_CAP_CONFIRM=Confirm",
    u"MSG_CAP_SHOWFLAG=Do not display this message again",
    // file dialogs
    u"MSG_FILENAME=File name:",
    u"MSG_FILETYPE=Files of type:",
    u"MSG_LOOKIN=Look in:",
    u"MSG_SAVEIN=Save in:",
    u"MSG_OPENCAPTION=Open",
    u"MSG_SAVECAPTION=Save As",
    u"MSG_PREVIEW=Preview",
    u"MSG_UPFOLDER=Up One Level",
    u"MSG_NEWFOLDER=Create New Folder",
    u"MSG_LISTVIEW=List",
    u"MSG_DETAILSVIEW=Details",
    u"MSG_ICONVIEW=Icons",
    u"MSG_FOLDERNAME=Folder name:",
    u"MSG_SELECTFOLDER=Select Folder",
    u"MSG_OVERWRITE=The file already exists. Do you want to replace it?",
    u"MSG_FILENOTFOUND=File not found. Check the file name and try again.",
    u"MSG_PATHNOTFOUND=Path not found. Check the path and try again.",
    u"MSG_DELETEFILE=Delete the selected file?",
    u"MSG_RENAME=Rename",
    u"MSG_REFRESH=Refresh",
    // calculator and generic error
    u"CALC_CAP=Calculator",
    u"ERROR=Error",
    // colour grids and pickers
    u"COLORGRID_CAP=Basic colors",
    u"CUSTOMCOLORGRID_CAP=Custom colors",
    u"ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors",
    u"MORECOLORS=More Colors...",
    u"AUTOCOLOR=Automatic",
    u"CUSTOMCOLOR=Custom...",
    // font dialog
    u"FONTDLG_CAPTION=Font",
    u"FONTDLG_NAME=Font:",
    u"FONTDLG_STYLE=Font style:",
    u"FONTDLG_SIZE=Size:",
    u"FONTDLG_EFFECTS=Effects",
    u"FONTDLG_SAMPLE=Sample",
    u"FONTDLG_COLOR=Color:",
    // record deletion
    u"DB_DELETE_QUESTION=Delete record?",
    u"DB_MULTIPLEDELETE_QUESTION=Delete all selected records?",
    // drives
    u"NODISKINDRIVE=There is no disk in the drive, or the drive is not ready.",
    u"NOVALIDDRIVEID=Not a valid drive.",
    // file lists
    u"FLV_NAME=Name",
    u"FLV_SIZE=Size",
    u"FLV_TYPE=Type",
    u"FLV_LOOKIN=Look in:",
    u"FLV_MODIFIED=Modified",
    u"FLV_ATTRIBUTES=Attributes",
    u"FLV_DISKSIZE=Disk size",
    u"FLV_FREESPACE=Free space",
    // print dialogs
    u"PRNDLG_PRINTCAPTION=Print",
    u"PRNDLG_PRINTSETUPCAPTION=Print Setup",
    u"PRNDLG_PRINTER=Printer",
    u"PRNDLG_NAME=Name:",
    u"PRNDLG_PROPERTIES=Properties...",
    u"PRNDLG_STATUS=Status:",
    u"PRNDLG_TYPE=Type:",
    u"PRNDLG_WHERE=Where:",
    u"PRNDLG_COMMENT=Comment:",
    u"PRNDLG_PRINTRANGE=Print range",
    u"PRNDLG_ALL=All",
    u"PRNDLG_PAGES=Pages",
    u"PRNDLG_SELECTION=Selection",
    u"PRNDLG_FROM=from:",
    u"PRNDLG_TO=to:",
    u"PRNDLG_COPIES=Copies",
    u"PRNDLG_NUMCOPIES=Number of copies:",
    u"PRNDLG_COLLATE=Collate",
    u"PRNDLG_PRINTTOFILE=Print to file",
    u"PRNDLG_PAPER=Paper",
    u"PRNDLG_SIZE=Size:",
    u"PRNDLG_SOURCE=Source:",
    u"PRNDLG_ORIENTATION=Orientation",
    u"PRNDLG_PORTRAIT=Portrait",
    u"PRNDLG_LANDSCAPE=Landscape",
    u"PRNDLG_MARGINS=Margins",
    u"PRNDLG_LEFT=Left:",
    u"PRNDLG_RIGHT=Right:",
    u"PRNDLG_TOP=Top:",
    u"PRNDLG_BOTTOM=Bottom:",
    // find and replace
    u"FIND_CAPTION=Find",
    u"FIND_REPLACECAPTION=Replace",
    u"FIND_WHAT=Find what:",
    u"FIND_REPLACEWITH=Replace with:",
    u"FIND_MATCHCASE=Match case",
    u"FIND_WHOLEWORD=Match whole word only",
    u"FIND_DIRECTION=Direction",
    u"FIND_UP=Up",
    u"FIND_DOWN=Down",
    u"FIND_NEXT=Find Next",
    u"FIND_REPLACEALL=Replace All",
    // data navigator
    u"DBNAV_FIRST=First record",
    u"DBNAV_PRIOR=Prior record",
    u"DBNAV_NEXT=Next record",
    u"DBNAV_LAST=Last record",
    u"DBNAV_INSERT=Insert record",
    u"DBNAV_DELETE=Delete record",
    u"DBNAV_EDIT=Edit record",
    u"DBNAV_POST=Post edit",
    u"DBNAV_CANCEL=Cancel edit",
    u"DBNAV_REFRESH=Refresh data",
};

} // namespace

void LoadStringEntries(const TLangIniFile& IniFile, std::span<const TStringEntry> entries)
{
    for (const TStringEntry& entry : entries)
        *entry.Variable = IniFile.ReadString(QString::fromLatin1(entry.Section), QString::fromLatin1(entry.Key),
                                             QString::fromUtf16(entry.EnglishDefault));
}

void LoadStrings(const TLangIniFile* IniFile)
{
    if (!IniFile)
        return;
    LoadStringEntries(*IniFile, TarqStringEntries());
    SCopyrightNotice = SCopyrightNotice1 + SCopyrightNotice2 + SCopyrightNotice3;
}

const QStringList& EnglishStandardResStrings()
{
    static const QStringList lines = [] {
        QStringList list;
        for (const char16_t* line : kEnglishStandardResStrings)
            list.append(QString::fromUtf16(line));
        return list;
    }();
    return lines;
}

void LoadStandardResStrings(const TLangIniFile* IniFile, QStringList& Strings, const QStringList& EnglishStrings)
{
    if (!IniFile)
        return;
    Strings = IniFile->ReadSectionValues(QString::fromLatin1(kStandardResSection));
    if (Strings.isEmpty())
        Strings = EnglishStrings;
}
