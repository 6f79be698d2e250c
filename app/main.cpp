// tarq: the desktop program that repairs damaged STL files.
#include "mainwindow/MainFrm.h"
#include "repair/Zarnik.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    // Repairs go to the engine library's own entry. Naming the binding here
    // also makes the linker meet it before the engine library, which it would
    // otherwise drop as not needed.
    SetRunRepairJobEntry(nullptr);

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
