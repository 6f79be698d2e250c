#include "mainwindow/MainSkin.h"

namespace {

const char* const CommonControls = R"QSS(
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #edf1f5);
    border: 1px solid #c3ccd7;
    border-radius: 4px;
    padding: 3px 10px;
    color: #1f2a37;
}
QPushButton:hover { border-color: #1c7cc4; background: #f3f8fd; }
QPushButton:pressed { background: #dde9f5; }
QPushButton:focus { border-color: #1c7cc4; }
QPushButton:disabled { color: #9aa5b1; background: #f3f5f7; border-color: #dde2e8; }
QLineEdit {
    background: #ffffff;
    border: 1px solid #c3ccd7;
    border-radius: 3px;
    padding: 2px 6px;
    selection-background-color: #1c7cc4;
    color: #1f2a37;
}
QLineEdit:focus { border-color: #1c7cc4; }
QLineEdit:disabled { background: #f3f5f7; color: #8a95a1; }
QCheckBox { spacing: 8px; color: #1f2a37; }
)QSS";

const char* const MainControls = R"QSS(
TTarqMainForm { background: #ffffff; }
QLabel { color: #1f2a37; }
QLabel[prompt="true"] { color: #5b6776; }
QPushButton[tabButton="true"] {
    background: transparent;
    border: none;
    border-top-left-radius: 6px;
    border-top-right-radius: 6px;
    color: #d6e6f3;
    font-size: 12px;
    font-weight: bold;
    padding: 6px 14px;
}
QPushButton[tabButton="true"]:hover { background: rgba(255, 255, 255, 30); color: #ffffff; }
QPushButton[tabButton="true"]:checked { background: #ffffff; color: #0b3a5c; }
QPushButton[tabButton="true"]:focus { color: #ffffff; }
QPushButton[tabButton="true"]:checked:focus { color: #0b3a5c; }
QPushButton#btnFacebookImage {
    background: rgba(255, 255, 255, 28);
    border: 1px solid rgba(255, 255, 255, 70);
    border-radius: 10px;
    padding: 0px;
}
QPushButton#btnFacebookImage:hover { background: rgba(255, 255, 255, 60); }
QPushButton[subTabButton="true"] {
    background: transparent;
    border: none;
    border-left: 3px solid transparent;
    border-radius: 0px;
    color: #33414f;
    font-size: 12px;
    padding-left: 14px;
    text-align: left;
}
QPushButton[subTabButton="true"]:hover { background: #e6edf5; }
QPushButton[subTabButton="true"]:checked {
    background: #ffffff;
    border-left: 3px solid #1c7cc4;
    color: #0b3a5c;
}
QPushButton[footerButton="true"] {
    background: transparent;
    border: none;
    color: #1c6aa8;
    padding: 2px 4px;
    text-align: left;
}
QPushButton[footerButton="true"]:hover { color: #0b3a5c; text-decoration: underline; }
QPushButton[footerButton="true"]:focus { text-decoration: underline; }
QPlainTextEdit#txtRepairLog {
    background: #fbfcfd;
    border: 1px solid #c3ccd7;
    border-right: none;
    color: #1f2a37;
    selection-background-color: #1c7cc4;
}
QScrollBar:vertical {
    background: #f1f4f8;
    border: 1px solid #c3ccd7;
    width: 14px;
    margin: 0px;
}
QScrollBar::handle:vertical { background: #c4ceda; border-radius: 4px; min-height: 24px; margin: 2px; }
QScrollBar::handle:vertical:hover { background: #9fb0c3; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
QScrollBar:horizontal { background: #f1f4f8; border: none; height: 12px; }
QScrollBar::handle:horizontal { background: #c4ceda; border-radius: 4px; min-width: 24px; margin: 2px; }
QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0px; }
QProgressBar {
    background: #edf1f5;
    border: 1px solid #c3ccd7;
    border-radius: 5px;
}
QProgressBar::chunk {
    border-radius: 4px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #47b978, stop:1 #2e9d5a);
}
QTreeWidget {
    background: #ffffff;
    border: 1px solid #c3ccd7;
    alternate-background-color: #f7f9fb;
    selection-background-color: #1c7cc4;
}
QHeaderView::section {
    background: #edf1f5;
    border: none;
    border-right: 1px solid #d5dce4;
    border-bottom: 1px solid #c3ccd7;
    color: #33414f;
    font-weight: bold;
    padding: 4px 6px;
}
TClickLabel[linkLabel="true"] { color: #1c6aa8; }
TClickLabel[linkLabel="true"]:hover { color: #0b3a5c; }
QLabel#labTitle { color: #0b3a5c; font-size: 22px; font-weight: bold; }
QLabel#labCopyrightNotice { color: #5b6776; }
)QSS";

const char* const DialogControls = R"QSS(
QDialog { background: #ffffff; }
QLabel { color: #1f2a37; }
)QSS";

} // namespace

QString MainSkinStyleSheet()
{
    return QString::fromUtf8(CommonControls) + QString::fromUtf8(MainControls);
}

QString DialogSkinStyleSheet()
{
    return QString::fromUtf8(CommonControls) + QString::fromUtf8(DialogControls);
}

QString HintStyleSheet()
{
    return QStringLiteral(
        "QToolTip { background: #0b3a5c; color: #ffffff; border: 1px solid #0b3a5c; padding: 4px 6px; }");
}
