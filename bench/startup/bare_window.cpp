// A bare Qt window, the baseline the program's start-up is compared with.
// With --text it also shows one line of text, which makes Qt load the
// system's font database: the share of start-up that any window with text
// pays.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

// Ends the program once the window has painted itself, as the program's
// driver does with --quit-after-first-paint.
class TBareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TBareWindow window;
    window.setWindowTitle(QStringLiteral("Simulation Keplerprobleme"));
    window.setFixedSize(618, 576);
    if (argc > 1 && QByteArray(argv[1]) == "--text")
        new QLabel(QStringLiteral("Simulation Keplerprobleme"), &window);
    window.show();
    return app.exec();
}
