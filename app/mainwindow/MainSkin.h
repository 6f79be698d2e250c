// The window's own skins: style sheets for the main window's controls and for
// its dialogs and message boxes.
#pragma once

#include <QString>

QString MainSkinStyleSheet();
QString DialogSkinStyleSheet();
QString HintStyleSheet();
