// A private X server (Xvfb) for tests that need a real window, with the
// small process and polling helpers those tests share.
#pragma once
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// An Xvfb on a display number it picks itself; stopped when it goes.
struct XServer {
    pid_t pid = -1;
    std::string display;  // ":N", empty when the server did not start
    // screen: Xvfb's screen as WIDTHxHEIGHTxDEPTH.
    explicit XServer(const char* screen = "1024x768x24");
    ~XServer();
};

// Starts a program with the environment extended by env ("NAME=value"),
// its output going to log; the process id.
pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& log);

// The exit code of pid once it ends within seconds, -1 when it ended by a
// signal, -2 when it did not end in time (it is then killed).
int wait_exit(pid_t pid, double seconds);

// Polls condition every 50 ms for at most seconds; whether it became true.
bool wait_for(const std::function<bool()>& condition, double seconds);

// The standard output of a shell command.
std::string output_of(const std::string& command);
