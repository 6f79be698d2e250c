// tarq: the desktop program that repairs damaged STL files.
#include "mainwindow/MainFrm.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    TMainForm form;
    form.FormCreate();
    if (ApplicationTerminated())
        return 0;
    form.show();
    const int result = QApplication::exec();
    form.FormDestroy();
    return result;
}
