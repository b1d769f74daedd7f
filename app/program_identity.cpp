#include "program_identity.h"

#include <QApplication>

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetUpProgramIdentity()
{
    QGuiApplication::setDesktopFileName(DesktopFileName);
    QApplication::setWindowIcon(ProgramIcon());
}
