#include "report/ViewerLaunch.h"

#include <fcntl.h>
#include <spawn.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace netlist {

std::string ViewerArgument(const std::string& reportPath) {
    // xdg-open takes no "--" before its argument.
    return reportPath.starts_with('/') ? reportPath : "./" + reportPath;
}

// The desktop's default viewer for the file, through xdg-open. It runs in a
// session of its own, so it outlives this program and its terminal, and its
// input comes from /dev/null rather than from ours.
ViewerLaunch LaunchViewer(const std::string& reportPath) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    char program[] = "xdg-open";
    std::string path = ViewerArgument(reportPath);
    char* arguments[] = {program, path.data(), nullptr};
    pid_t child = 0;
    const int error = posix_spawnp(&child, program, &actions, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);

    ViewerLaunch launch;
    if (error == ENOENT) {
        launch.error =
            "the report could not be opened in a viewer: xdg-open, which opens it, is not "
            "installed (it comes with the package xdg-utils)";
        return launch;
    }
    if (error != 0) {
        launch.error = "the report could not be opened in a viewer: xdg-open: " +
                       std::string(std::strerror(error));
        return launch;
    }
    launch.started = true;
    return launch;
}

}  // namespace netlist
