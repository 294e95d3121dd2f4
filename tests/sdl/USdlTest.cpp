// SDL leaves the process's signals alone: SIGTERM and SIGINT still end a game that has started
// its sound or its pads.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

namespace {

// Starts the child with SIGINT and SIGTERM at their defaults (a shell may have passed them on
// ignored, and SDL only catches signals that are at their default), waits for its "bereit",
// sends the signal and returns how the child ended.
int BeendetDurch(const char* art, int signal) {
    int rohr[2];
    if (pipe(rohr) != 0) return -1;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const pid_t kind = fork();
    if (kind == 0) {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        dup2(rohr[1], STDOUT_FILENO);
        close(rohr[0]);
        execl(KNALLFELD_SIGNAL_KIND, KNALLFELD_SIGNAL_KIND, art, KNALLFELD_KLAENGE, nullptr);
        _exit(127);
    }
    unsetenv("SDL_AUDIODRIVER");
    close(rohr[1]);
    if (kind < 0) return -1;
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
