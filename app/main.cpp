#include "frmKavrona.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Total reflection"));
    frmKavrona window;
    window.show();
    return QApplication::exec();
}
