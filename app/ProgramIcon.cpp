#include "app/ProgramIcon.h"

QIcon programIcon()
{
    QIcon icon(QStringLiteral(":/icons/total-reflection.ico"));
    for (const int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/org.example.total_reflection.png").arg(size));
    return icon;
}
