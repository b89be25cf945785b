#include "EventLoop.h"
#include "frmKavrona.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    useQtEventDispatcher();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Total reflection"));
    frmKavrona window;
    window.show();
    return QApplication::exec();
}
