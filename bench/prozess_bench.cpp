// Start-up time and peak memory of the game against an empty Qt Widgets program built the same
// way (for start-up, the same program showing one line of text). They are started in turns, so
// that a busy machine slows all alike. Prints the medians and the bests of each and judges the
// budgets on the median of the ratios of the rounds.
//
//   prozess_bench LEER_PROGRAMM SPIEL_PROGRAMM LEVEL.dat [ROUNDS]
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
    double Rechenzeit = 0;  // user and system time, which waiting for a busy processor leaves out
    long SpitzeKB = 0;      // peak resident memory
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
    l.Rechenzeit = double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
                   double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
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

// One figure per round: the game against its yardstick started next to it.
std::vector<double> Verhaeltnisse(const std::vector<double>& spiel,
                                  const std::vector<double>& mass) {
    std::vector<double> v;
    for (std::size_t i = 0; i < spiel.size(); ++i) v.push_back(spiel[i] / mass[i]);
    return v;
}

void Zeile(const char* was, const char* einheit, const std::vector<double>& mass,
           const char* massName, const std::vector<double>& spiel) {
    std::fprintf(stderr,
                 "%s: %s median %.1f%s best %.1f%s, game median %.1f%s best %.1f%s; "
                 "ratio median of rounds %.3fx, of medians %.3fx, of bests %.3fx\n",
                 was, massName, Median(mass), einheit, Kleinster(mass), einheit, Median(spiel),
                 einheit, Kleinster(spiel), einheit, Median(Verhaeltnisse(spiel, mass)),
                 Median(spiel) / Median(mass), Kleinster(spiel) / Kleinster(mass));
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
    const int starts = argc > 4 ? std::max(1, std::atoi(argv[4])) : 21;
    const std::string beenden = "--nach-erstem-bild-beenden";
    struct sigaction abbruch {};
    abbruch.sa_handler = Abbrechen;
    abbruch.sa_flags = SA_RESTART;
    sigaction(SIGALRM, &abbruch, nullptr);

    // One start of each first, so that all find their libraries in the page cache.
    Starten({leer});
    Starten({leer, "--mit-text"});
    Starten({spiel, beenden});
    Starten({spiel, "--spiel", level, beenden});

    // Start-up is measured against the empty window with one line of text: fonts are loaded only
    // for text, and no window that shows any can start without them. Memory is measured against
    // the empty window itself. The programs take turns, each round in the other order, so that
    // a busy moment slows all alike; each round gives one ratio, and the budget is judged on the
    // median of those ratios, which a few disturbed rounds do not move.
    std::vector<double> zeitLeer, zeitText, zeitSpiel, speicherLeer, speicherText, speicherSpiel;
    std::vector<double> rechenText, rechenSpiel;
    for (int i = 0; i < starts; ++i) {
        TLauf l, t, s, m;
        if (i % 2 == 0) {
            l = Starten({leer});
            t = Starten({leer, "--mit-text"});
            s = Starten({spiel, beenden});
            m = Starten({spiel, "--spiel", level, beenden});
        } else {
            m = Starten({spiel, "--spiel", level, beenden});
            s = Starten({spiel, beenden});
            t = Starten({leer, "--mit-text"});
            l = Starten({leer});
        }
        zeitLeer.push_back(l.Sekunden * 1000);
        zeitText.push_back(t.Sekunden * 1000);
        zeitSpiel.push_back(s.Sekunden * 1000);
        rechenText.push_back(t.Rechenzeit * 1000);
        rechenSpiel.push_back(s.Rechenzeit * 1000);
        speicherLeer.push_back(double(l.SpitzeKB) / 1024);
        speicherText.push_back(double(t.SpitzeKB) / 1024);
        speicherSpiel.push_back(double(m.SpitzeKB) / 1024);
    }
    std::fprintf(stderr, "%d interleaved rounds; empty window: start-up median %.1f ms\n", starts,
                 Median(zeitLeer));
    Zeile("start-up to the first picture", " ms", zeitText, "window with one line of text",
          zeitSpiel);
    // On a busy machine the processor time shows what the game itself costs.
    Zeile("processor time to the first picture", " ms", rechenText, "window with one line of text",
          rechenSpiel);
    Zeile("peak memory with a match", " MB", speicherLeer, "empty window", speicherSpiel);
    std::fprintf(stderr, "(the window with one line of text: %.1f MB, %.2fx the empty window)\n",
                 Median(speicherText), Median(Verhaeltnisse(speicherText, speicherLeer)));
    Budget("startup", Median(Verhaeltnisse(zeitSpiel, zeitText)), 1.5, "x");
    Budget("memory", Median(Verhaeltnisse(speicherSpiel, speicherLeer)), 1.5, "x");
    return 0;
}
