// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/posixsystemservices.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvastro {

// Started in a grandchild, so that the tool outlives nothing of ours and
// leaves no zombie; a pipe closed on exec tells whether the exec worked.
bool PosixSystemServices::startProgram(const std::string &path)
{
    if (path.empty())
        return false;
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            char *const argv[] = {const_cast<char *>(path.c_str()), nullptr};
            execv(path.c_str(), argv);
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(127);
        }
        if (grandchild < 0) {
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
        }
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return got == 0;
}

bool PosixSystemServices::isOrdinaryFile(const std::string &path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // Hidden, as file managers count it: a name that starts with a dot.
    const std::string name = std::filesystem::path(path).filename().string();
    return name.empty() || name.front() != '.';
}

std::string PosixSystemServices::executableSearchPath()
{
    const char *path = std::getenv("PATH");
    return path ? std::string(path) : std::string();
}

} // namespace kelvastro
