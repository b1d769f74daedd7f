#pragma once
#include <functional>

class TForm1;

// Starts the program and runs it until its window closes: reads the start
// date, creates the application with the program's identity and German Qt
// texts, and shows the window. whenShown, if given, runs once the window is
// shown, before the event loop starts.
int RunProgram(int& argc, char** argv, const std::function<void(TForm1&)>& whenShown = {});
