// The Batch Repair page's handlers. The batch workflow is not part of the
// program yet: the page and its controls exist, and its buttons do nothing.
#include "mainwindow/TarqMain.h"

void TTarqMainForm::btnRepairFilesClick() {}
void TTarqMainForm::btnAddFilesClick() {}
void TTarqMainForm::btnSearchFilesClick() {}
void TTarqMainForm::btnRemoveFilesClick() {}
void TTarqMainForm::btnRemoveAllClick() {}
void TTarqMainForm::BatchTimerTimer() {}
