#include "xserver.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

XServer::XServer(const char* screen)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid = fork();
    if (pid == 0) {
        close(fds[0]);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        std::string fd = std::to_string(fds[1]);
        // Without -noreset the server starts afresh whenever its last client
        // leaves, and refuses the next one that comes meanwhile: a test that
        // starts the game again at once would find no display.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp", "-noreset",
               (char*)nullptr);
        _exit(127);
    }
    close(fds[1]);
    // Xvfb writes the display number it took once it accepts clients.
    std::string number;
    pollfd p = {fds[0], POLLIN, 0};
    while (poll(&p, 1, 15000) > 0) {
        char c;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (!number.empty())
        display = ":" + number;
}

XServer::~XServer()
{
    if (pid > 0) {
        kill(pid, SIGTERM);
        if (wait_exit(pid, 5) == -2)
            waitpid(pid, nullptr, 0);
    }
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& log)
{
    pid_t pid = fork();
    if (pid == 0) {
        for (const std::string& e : env)
            putenv(strdup(e.c_str()));
        int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(strdup(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

int wait_exit(pid_t pid, double seconds)
{
    int status = 0;
    bool ended = wait_for([&] { return waitpid(pid, &status, WNOHANG) == pid; }, seconds);
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -2;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool wait_for(const std::function<bool()>& condition, double seconds)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string output_of(const std::string& command)
{
    std::string out;
    FILE* f = popen(command.c_str(), "r");
    if (!f)
        return out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        out.append(buffer, n);
    pclose(f);
    return out;
}
