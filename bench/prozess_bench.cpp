// Start-up time and peak memory of the game against an empty Qt Widgets program built the same
// way (for start-up, the same program showing one line of text). They are started in turns, so
// that a busy machine slows all alike.
//
//   prozess_bench LEER_PROGRAMM SPIEL_PROGRAMM LEVEL.dat [STARTS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct TLauf {
    double Sekunden = 0;
    long SpitzeKB = 0;  // peak resident memory
};

volatile pid_t laufendesKind = 0;

// A program that never paints (a message box waiting for an answer, say) must not hang the run.
void Abbrechen(int) {
    if (laufendesKind > 0) kill(laufendesKind, SIGKILL);
}

TLauf Starten(const std::vector<std::string>& aufruf) {
    std::vector<char*> argv;
    for (const std::string& a : aufruf) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "%s lässt sich nicht starten\n", argv[0]);
        std::exit(1);
    }
    laufendesKind = pid;
    alarm(60);
    int status = 0;
    rusage r{};
    wait4(pid, &status, 0, &r);
    alarm(0);
    laufendesKind = 0;
    TLauf l;
    l.Sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    l.SpitzeKB = r.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s endete mit Status %d\n", argv[0], status);
        std::exit(1);
    }
    return l;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Kleinster(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

void Budget(const char* name, double gemessen, double ziel, const char* einheit) {
    std::printf("BUDGET %s: %.2f%s (target <=%.2f%s) %s\n", name, gemessen, einheit, ziel, einheit,
                gemessen <= ziel ? "ok" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: %s LEER_PROGRAMM SPIEL_PROGRAMM LEVEL.dat [STARTS]\n",
                     argv[0]);
        return 2;
    }
    const std::string leer = argv[1], spiel = argv[2], level = argv[3];
    const int starts = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;
    const std::string beenden = "--nach-erstem-bild-beenden";
    struct sigaction abbruch {};
    abbruch.sa_handler = Abbrechen;
    abbruch.sa_flags = SA_RESTART;
    sigaction(SIGALRM, &abbruch, nullptr);

    // One start of each first, so that both find their libraries in the page cache.
    Starten({leer});
    Starten({spiel, beenden});

    // Start-up is measured against the empty window with one line of text: fonts are loaded only
    // for text, and no window that shows any can start without them. Memory is measured against
    // the empty window itself.
    std::vector<double> zeitLeer, zeitText, zeitSpiel, speicherLeer, speicherText, speicherSpiel;
    for (int i = 0; i < starts; ++i) {
        const TLauf l = Starten({leer}), t = Starten({leer, "--mit-text"});
        zeitLeer.push_back(l.Sekunden);
        zeitText.push_back(t.Sekunden);
        speicherLeer.push_back(double(l.SpitzeKB));
        speicherText.push_back(double(t.SpitzeKB));
        zeitSpiel.push_back(Starten({spiel, beenden}).Sekunden);
        speicherSpiel.push_back(double(Starten({spiel, "--spiel", level, beenden}).SpitzeKB));
    }
    // The fastest start of each: a busy machine only ever adds to it.
    const double tLeer = Kleinster(zeitLeer), tText = Kleinster(zeitText);
    const double tSpiel = Kleinster(zeitSpiel);
    const double mLeer = Median(speicherLeer), mText = Median(speicherText);
    const double mSpiel = Median(speicherSpiel);
    std::fprintf(stderr,
                 "start-up to the first picture (fastest of %d): empty window %.1f ms, "
                 "with one line of text %.1f ms (%.2fx), game %.1f ms\n",
                 starts, tLeer * 1000, tText * 1000, tText / tLeer, tSpiel * 1000);
    std::fprintf(
        stderr,
        "peak memory (medians): empty window %.1f MB, with one line of text %.1f MB (%.2fx), game "
        "with a match %.1f MB\n",
        mLeer / 1024, mText / 1024, mText / mLeer, mSpiel / 1024);
    Budget("startup", tSpiel / tText, 1.5, "x");
    Budget("memory", mSpiel / mLeer, 1.5, "x");
    return 0;
}
