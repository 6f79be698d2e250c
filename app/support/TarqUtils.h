// Small routines several windows share: names derived from the program file,
// temporary names, dialog filters, tracking codes, HTML-marked messages,
// elapsed times, opening files and the overwrite question.
#pragma once

#include "platform/DateTimeFormat.h"

#include <QString>

class QWidget;
class TbsSkinMessage;

// Text before the last "." of Name, when that dot comes after the last "/";
// otherwise Name unchanged. "/a.b/c" stays as it is, "report.tar.gz" gives
// "report.tar", ".cfg" gives "". Only "/" separates folders: "\" and ":" are
// ordinary characters of Linux file names.
QString RemoveFileExt(const QString& Name);

// The extension of Name without its dot, found as RemoveFileExt finds it; "" for none.
QString ExtractFileExtNoDot(const QString& Name);

// The file name of Path without its extension and without a trailing "64":
// the name of the settings key, shared by 64-bit and 32-bit builds.
QString GetRegAppName(const QString& Path);

// The first free path SystemTempDirectory() + "File" + n + Ext, n = 0, 1, ...;
// creates nothing. Empty when every name up to the largest 32-bit number is taken.
QString GetUniqueTempFileName(const QString& Ext);

// The extension (without dot) of the first pattern of entry Index (1-based) of
// a dialog filter "description|patterns|description|patterns..."; "" for an
// Index outside the filter.
QString GetFilterExt(const QString& Filter, int Index);

// The optional TrackingCode value of the program's settings key; "" when absent.
QString GetTrackingCode();
QString GetTrackingCode(const QString& programPath);
// URL + "?utm_source=" + code, or URL unchanged when there is no code.
QString AddTrackingCode(const QString& URL);
QString AddTrackingCode(const QString& URL, const QString& TrackingCode);

// "<BR>" (any case) becomes a line break, every other tag is removed. A "<"
// that no ">" follows is text and stays.
QString HtmlToPlainText(const QString& Text);

// Renders the date-time Pattern with Elapsed (days), then fills the result's
// "%d" with the whole days. A pattern whose placeholders do not fit one whole
// number raises EFormatError.
QString FormatElapsedTime(const QString& Pattern, TDateTime Elapsed);

// Opens FileName with its default program. Greater than 32 on success; 32 or
// less on failure (2: no such file, 31: nothing could open it).
int ExecuteFile(QWidget* Window, const QString& FileName);

inline constexpr int ExecuteFileOpened = 42;
inline constexpr int ExecuteFileNotFound = 2;
inline constexpr int ExecuteFileNoAssociation = 31;

// Whether to go ahead with one of several overwrites. Cancel is cleared first;
// NoToAll answers no and YesToAll (or no MessageBox) answers yes without
// asking; otherwise a confirmation with Yes, No, Cancel, No to All and Yes to
// All decides and may set YesToAll, NoToAll or Cancel. A cancelled box answers
// yes: the caller looks at Cancel first.
bool ConfirmOverwrite(const TbsSkinMessage* MessageBox, const QString& Text, bool& YesToAll, bool& NoToAll,
                      bool& Cancel);
