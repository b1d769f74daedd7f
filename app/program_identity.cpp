#include "program_identity.h"

#include "image_file.h"

#include <QApplication>
#include <QPixmap>

using namespace Kepler;

namespace {

// The application id, the desktop entry's name: lets the desktop match the
// window to its entry and show the entry's icon and name for it.
const QString DesktopFileName = QStringLiteral(KEPLER_APP_ID);

// The sizes in which the program's windows carry its icon.
constexpr int WindowIconSizes[] = {KEPLER_WINDOW_ICON_SIZES};

} // namespace

QIcon ProgramIcon()
{
    // The sizes a window manager draws; the desktop takes larger ones from
    // the installed icon theme. Each size is decoded at start-up and sent to
    // the X server with the window, so fewer is faster.
    QIcon icon;
    for (int size : WindowIconSizes)
        icon.addPixmap(QPixmap::fromImage(ReadImageFile(QStringLiteral(":/icon/%1.png").arg(size), "png")));
    return icon;
}

void SetUpProgramIdentity()
{
    // The user's settings file (the zoom) is found by these names; the
    // program and its remote-controlled twin share it.
    QCoreApplication::setOrganizationName(QStringLiteral("keplerprobleme"));
    QCoreApplication::setApplicationName(QStringLiteral("keplerprobleme"));
    QGuiApplication::setDesktopFileName(DesktopFileName);
    QApplication::setWindowIcon(ProgramIcon());
}
