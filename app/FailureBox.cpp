// The start-up failure box on Linux: drawn by the window module when it loads
// (in a child process, so that a display Qt cannot use ends only the child),
// else by the first of the desktop's dialog programs that is installed:
// zenity (GNOME and GTK desktops), kdialog (KDE), xmessage (any X display).
// Without any of them the message is on stderr only.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "app/DisplayCheck.h"
#include "app/StartupFailure.h"
#ifdef NETLIST_HAVE_UI
#include "app/WindowLauncher.h"
#endif

extern char** environ;

namespace netlist {
namespace {

constexpr const char* kTitle = "netlist-report";

// The status of a child that ended, or -1.
int waitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return status;
}

bool showWithWindowModule(const std::string& text) {
#ifdef NETLIST_HAVE_UI
    constexpr int kShown = 0;
    constexpr int kNoModule = 1;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        std::string failure;
        const WindowModule module = LoadWindowModule(failure);
        if (!module) _exit(kNoModule);
        module.showFailure(text.c_str());
        _exit(kShown);
    }
    const int status = waitFor(child);
    return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == kShown;
#else
    (void)text;
    return false;
#endif
}

struct DialogProgram {
    std::vector<std::string> arguments;
    bool textOnStandardInput;
};

// Runs the program with the text as it wants it; false when it is not
// installed. Its own output goes nowhere: stderr is ours.
bool runDialogProgram(const DialogProgram& program, const std::string& text) {
    std::vector<char*> argv;
    for (const std::string& argument : program.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int input[2] = {-1, -1};
    if (program.textOnStandardInput && pipe2(input, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (program.textOnStandardInput)
        posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (program.textOnStandardInput) {
        close(input[0]);
        if (spawned == 0) {
            // A program that quits without reading must not end this one.
            struct sigaction ignore {};
            struct sigaction previous {};
            ignore.sa_handler = SIG_IGN;
            sigaction(SIGPIPE, &ignore, &previous);
            for (std::size_t written = 0; written < text.size();) {
                const ssize_t count = write(input[1], text.data() + written, text.size() - written);
                if (count < 0 && errno == EINTR) continue;
                if (count <= 0) break;
                written += static_cast<std::size_t>(count);
            }
            sigaction(SIGPIPE, &previous, nullptr);
        }
        close(input[1]);
    }
    if (spawned != 0) return false;
    const int status = waitFor(child);
    // 127: the program could not be started after all.
    return !(status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 127);
}

}  // namespace

bool StartedWithoutTerminal() {
    return !isatty(STDERR_FILENO) && HasVisibleDisplay();
}

void ShowFailureBox(const std::string& text) {
    if (showWithWindowModule(text)) return;
    const std::string title(kTitle);
    const DialogProgram programs[] = {
        {{"zenity", "--error", "--no-markup", "--title=" + title, "--text=" + text}, false},
        {{"kdialog", "--title", title, "--error", text}, false},
        {{"xmessage", "-title", title, "-center", "-buttons", "OK", "-file", "-"}, true},
    };
    for (const DialogProgram& program : programs)
        if (runDialogProgram(program, text)) return;
}

}  // namespace netlist
