// SDL leaves the process's signals alone: SIGTERM and SIGINT still end a game that has started
// its sound or its pads.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

extern char** environ;

namespace {

// Starts the child with SIGINT and SIGTERM at their defaults (a shell may have passed them on
// ignored, and SDL only catches signals that are at their default), waits for its "bereit",
// sends the signal and returns how the child ended.
int BeendetDurch(const char* art, int signal) {
    int rohr[2];
    if (pipe(rohr) != 0) return -1;
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t standard;
    sigemptyset(&standard);
    sigaddset(&standard, SIGINT);
    sigaddset(&standard, SIGTERM);
    posix_spawnattr_setsigdefault(&attr, &standard);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    char* argumente[] = {const_cast<char*>(KNALLFELD_SIGNAL_KIND), const_cast<char*>(art),
                         const_cast<char*>(KNALLFELD_KLAENGE), nullptr};
    pid_t kind = -1;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const int fehler =
        posix_spawn(&kind, KNALLFELD_SIGNAL_KIND, &aktionen, &attr, argumente, environ);
    unsetenv("SDL_AUDIODRIVER");
    posix_spawn_file_actions_destroy(&aktionen);
    posix_spawnattr_destroy(&attr);
    close(rohr[1]);
    if (fehler != 0) return -1;
    std::string zeile;
    char c;
    while (read(rohr[0], &c, 1) == 1 && c != '\n') zeile += c;
    close(rohr[0]);
    EXPECT_EQ(zeile, "bereit") << art;
    kill(kind, signal);
    // A child that survives the signal would hang the test: it gets a second, certain end.
    for (int i = 0; i < 50; ++i) {
        int status = 0;
        if (waitpid(kind, &status, WNOHANG) == kind)
            return WIFSIGNALED(status) ? WTERMSIG(status) : 1000 + WEXITSTATUS(status);
        usleep(20000);
    }
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
    return 0;
}

}  // namespace

TEST(Sdl, SignaleBeendenDasProgrammMitTonUndMitPads) {
    for (const char* art : {"ton", "pad"})
        for (int signal : {SIGTERM, SIGINT})
            EXPECT_EQ(BeendetDurch(art, signal), signal) << art << " " << strsignal(signal);
}
