// What the benchmarks hold their figures against: yardsticks timed in the same run, so that a
// budget moves with the code and not with the machine or the load beside it.
#pragma once

#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

// Seconds per call, over 'mal' calls.
inline double Sekunden(const std::function<void()>& f, int mal) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < mal; ++i) f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / mal;
}

// Processor seconds this thread has used: unlike the wall clock they do not grow while other
// programs have the processor, which favoured short runs over long ones on a busy machine.
inline double Prozessorsekunden() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Processor seconds per call, over 'mal' calls.
inline double Prozessorzeit(const std::function<void()>& f, int mal) {
    const double start = Prozessorsekunden();
    for (int i = 0; i < mal; ++i) f();
    return (Prozessorsekunden() - start) / mal;
}

// One blit of a picture into another of its size: the least that showing a picture costs.
class TBlit {
  public:
    explicit TBlit(QImage vorlage)
        : vorlage_(std::move(vorlage)), ziel_(vorlage_.size(), vorlage_.format()) {}
    // A plain picture of that size, where only its size matters.
    explicit TBlit(QSize groesse) : TBlit(Flaeche(groesse)) {}

    void operator()() {
        QPainter p(&ziel_);
        p.drawImage(0, 0, vorlage_);
    }
    QSize Groesse() const { return vorlage_.size(); }

  private:
    static QImage Flaeche(QSize groesse) {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        return bild;
    }

    QImage vorlage_, ziel_;
};

inline void Budget(const char* name, double gemessen, double ziel, int stellen = 2) {
    std::printf("BUDGET %s: %.*fx (target <=%.*fx) %s\n", name, stellen, gemessen, stellen, ziel,
                gemessen <= ziel ? "ok" : "MISSED");
    std::fflush(stdout);
}
