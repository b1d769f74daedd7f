// Runs the program for screenshots, measurements and tests of the real
// window, without a person at the controls. Not installed.
//
//   keplerprobleme-driver [--start DELAY_MS] [--hold-after CYCLES] [--quit-after-first-paint]
//                         [--report-boxes] [Qt options]
//
// --start DELAY_MS sets the delay regulator to DELAY_MS milliseconds and
// presses Start once the window is up; --hold-after CYCLES holds that run
// once it has drawn CYCLES cycles: the window keeps showing that moment and
// stays responsive, and "held" is written on standard output, until the
// program is ended. --quit-after-first-paint ends the program as soon as its
// window has painted itself once. --report-boxes writes the title and text
// of every message box on standard output as it is shown, each line of the
// text after "box| " and the box ended by "box.", so that a test outside
// reads what the box tells the user. Unlike the program, the driver passes
// what else it is given on to Qt.
#include "desktop_run.h"
#include "form1.h"
#include "program_start.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace Kepler;

namespace {

class TQuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

class TReportBoxes : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            std::printf("box: %s\n", box->windowTitle().toUtf8().constData());
            for (const QString& line : box->text().split(QLatin1Char('\n')))
                std::printf("box| %s\n", line.toUtf8().constData());
            std::puts("box.");
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }
};

template <class T>
T& Control(TForm1& form, const char* name)
{
    T* control = form.findChild<T*>(QString::fromLatin1(name));
    if (!control) {
        std::fprintf(stderr, "keplerprobleme-driver: the window has no %s\n", name);
        std::exit(2);
    }
    return *control;
}

[[noreturn]] void Usage()
{
    std::fputs("usage: keplerprobleme-driver [--start DELAY_MS] [--hold-after CYCLES] [--quit-after-first-paint]"
               " [--report-boxes] [Qt options]\n",
               stderr);
    std::exit(2);
}

// The number after the option at argv[i], which must lie in [min, max];
// i moves on to it.
int NumberOption(int argc, char* argv[], int& i, long min, long max)
{
    if (i + 1 >= argc)
        Usage();
    char* end = nullptr;
    const long n = std::strtol(argv[++i], &end, 10);
    if (*end != '\0' || n < min || n > max)
        Usage();
    return static_cast<int>(n);
}

} // namespace

int main(int argc, char* argv[])
{
    std::optional<int> startDelay;
    std::optional<int> holdAfter;
    bool quitAfterFirstPaint = false;
    bool reportBoxes = false;
    // Our options are taken out; the rest goes to Qt.
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--start") == 0) {
            startDelay = NumberOption(argc, argv, i, 0, 500);
        } else if (std::strcmp(argv[i], "--hold-after") == 0) {
            holdAfter = NumberOption(argc, argv, i, 1, 100000);
        } else if (std::strcmp(argv[i], "--quit-after-first-paint") == 0) {
            quitAfterFirstPaint = true;
        } else if (std::strcmp(argv[i], "--report-boxes") == 0) {
            reportBoxes = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argv[kept] = nullptr;
    argc = kept;
    if (holdAfter && !startDelay)
        Usage();
    return RunProgram(argc, argv, [&](TForm1& form) {
        if (holdAfter) {
            // Once the run has drawn its cycles it is held as the next one
            // begins, before that one draws: the window keeps showing that
            // moment and stays responsive.
            TDesktopRun& run = form.Run();
            run.Engine().OnCycleBegin = [&run, begun = 0, cycles = *holdAfter]() mutable {
                if (++begun != cycles + 1)
                    return;
                run.Hold();
                std::puts("held");
                std::fflush(stdout);
            };
        }
        if (startDelay) {
            Control<QScrollBar>(form, "ScrollBarV").setValue(*startDelay);
            QPushButton& start = Control<QPushButton>(form, "BtnStart");
            QTimer::singleShot(0, &form, [&start] { start.click(); });
        }
        if (quitAfterFirstPaint)
            form.installEventFilter(new TQuitAfterFirstPaint(&form));
        if (reportBoxes)
            qApp->installEventFilter(new TReportBoxes(&form));
    });
}
