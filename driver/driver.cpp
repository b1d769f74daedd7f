// Runs the program for screenshots, measurements and tests of the real
// window, without a person at the controls. Not installed.
//
//   keplerprobleme-driver [--start DELAY_MS] [--quit-after-first-paint] [Qt options]
//
// --start DELAY_MS sets the delay regulator to DELAY_MS milliseconds and
// presses Start once the window is up; --quit-after-first-paint ends the
// program as soon as its window has painted itself once.
#include "form1.h"
#include "program_start.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

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
    std::fputs("usage: keplerprobleme-driver [--start DELAY_MS] [--quit-after-first-paint] [Qt options]\n",
               stderr);
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    std::optional<int> startDelay;
    bool quitAfterFirstPaint = false;
    // Our options are taken out; the rest goes to Qt.
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--start") == 0) {
            if (i + 1 >= argc)
                Usage();
            char* end = nullptr;
            const long ms = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || ms < 0 || ms > 500)
                Usage();
            startDelay = static_cast<int>(ms);
        } else if (std::strcmp(argv[i], "--quit-after-first-paint") == 0) {
            quitAfterFirstPaint = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argv[kept] = nullptr;
    argc = kept;

    return RunProgram(argc, argv, [&](TForm1& form) {
        if (startDelay) {
            Control<QScrollBar>(form, "ScrollBarV").setValue(*startDelay);
            QPushButton& start = Control<QPushButton>(form, "BtnStart");
            QTimer::singleShot(0, &form, [&start] { start.click(); });
        }
        if (quitAfterFirstPaint)
            form.installEventFilter(new TQuitAfterFirstPaint(&form));
    });
}
