// Program-wide facts the windows share: where the program file is, its help
// file, the system's folder for temporary files.
#pragma once

#include <QString>

// The running program's full path.
QString ApplicationFilePath();

// The help file F1 and the help buttons open; the main window sets it for the
// current language.
QString ApplicationHelpFile();
void SetApplicationHelpFile(const QString& fileName);

// The folder for temporary files (TMPDIR, else /tmp) with its trailing "/",
// its links resolved; empty when there is none.
QString SystemTempDirectory();
