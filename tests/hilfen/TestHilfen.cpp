#include "hilfen/TestHilfen.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <csignal>
#include <fstream>
#include <iterator>

void TMeldungsProtokoll::Zeige(TBoxTyp typ, const std::string& text) {
    Eintraege.push_back({typ, text, false});
    if (WaehrendDerMeldung) WaehrendDerMeldung(text);
}

bool TMeldungsProtokoll::FrageJaNein(TBoxTyp typ, const std::string& text) {
    return FrageJaNeinAbbrechen(typ, text) == TAntwort::Ja;
}

TAntwort TMeldungsProtokoll::FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) {
    Eintraege.push_back({typ, text, true});
    if (Antworten.empty()) return TAntwort::Ja;
    const TAntwort a = Antworten.front();
    Antworten.pop_front();
    return a;
}

std::vector<std::string> TMeldungsProtokoll::Texte() const {
    std::vector<std::string> t;
    for (const auto& e : Eintraege) t.push_back(e.Text);
    return t;
}

std::string TTestOrdner::Pfad(const std::string& name) const {
    return dir_.filePath(QString::fromStdString(name)).toStdString();
}

void SchreibeBytes(const std::string& pfad, const std::vector<unsigned char>& bytes) {
    QDir().mkpath(QFileInfo(QString::fromStdString(pfad)).absolutePath());
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void BitmapAnlegen(const std::string& pfad, QRgb farbe, int groesse) {
    QDir().mkpath(QFileInfo(QString::fromStdString(pfad)).absolutePath());
    QImage bild(groesse, groesse, QImage::Format_RGB32);
    bild.fill(farbe);
    bild.save(QString::fromStdString(pfad), "BMP");
}

std::vector<unsigned char> LiesBytes(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void SchreibschutzSetzen(const std::string& pfad, bool an) {
    const QString p = QString::fromStdString(pfad);
    const auto rechte = QFile::permissions(p);
    QFile::setPermissions(p, an ? rechte & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser)
                                : rechte | QFileDevice::WriteOwner);
}

std::string ImKind(const std::function<void()>& vorher, const std::function<std::string()>& f) {
    int rohr[2];
    if (pipe(rohr) != 0) return "<Kind gescheitert>";
    const pid_t kind = fork();
    if (kind == 0) {
        close(rohr[0]);
        vorher();
        const std::string antwort = f();
        _exit(write(rohr[1], antwort.data(), antwort.size()) == ssize_t(antwort.size()) ? 0 : 1);
    }
    close(rohr[1]);
    std::string antwort;
    char puffer[4096];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;) antwort.append(puffer, n);
    close(rohr[0]);
    int status = 0;
    if (kind < 0 || waitpid(kind, &status, 0) != kind || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return "<Kind gescheitert>";
    return antwort;
}

std::function<void()> Dateigrenze(unsigned long bytes) {
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grenze{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &grenze);
    };
}
