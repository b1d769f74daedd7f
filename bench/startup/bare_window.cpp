// A bare Qt window, the baseline the program's start-up is compared with.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Simulation Keplerprobleme"));
    window.setFixedSize(618, 576);
    window.show();
    return app.exec();
}
