#include "tools/beispiele/UKarte.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "editor/UEditorEinstellungen.h"
#include "editor/UEditorFeldTest.h"
#include "model/UAnsi.h"
#include "tools/beispiele/ULabyrinth.h"

namespace {

using TGrenzen = TEditorEinstellungen;

const char* const kName = "Name";
const char* const kZelle = "Zelle";
const char* const kFarbe = "Farbe";
const char* const kKarte = "Karte";
const char* const kLabyrinth = "Labyrinth";
const char* const kSaat = "Saat";
const char* const kKisten = "Sackgassen je Kiste";

// Long texts are cut.
std::string Zitat(const std::string& s) {
    return "\"" + (Utf8Laenge(s) > 40 ? Utf8Kuerzen(s, 40) + "..." : s) + "\"";
}

// The first character of a line that is valid UTF-8: a map's wrong character shown whole.
std::string ZeichenBei(const std::string& zeile, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(zeile[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return zeile.substr(i, n);
}

std::string Ohne(std::string s) {
    const auto leer = [](unsigned char c) { return std::isspace(c) != 0; };
    s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), leer));
    s.erase(std::find_if_not(s.rbegin(), s.rend(), leer).base(), s.end());
    return s;
}

// Digits only, from min to max.
bool Zahl(const std::string& s, unsigned long long min, unsigned long long max,
          unsigned long long& v) {
    if (s.empty() || s.size() > 10 ||
        !std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); }))
        return false;
    v = std::stoull(s);
    return v >= min && v <= max;
}

// "a x b", each from min to max.
bool Masse(const std::string& s, int min, int max, int& a, int& b) {
    const std::size_t x = s.find('x');
    unsigned long long va = 0, vb = 0;
    if (x == std::string::npos || !Zahl(Ohne(s.substr(0, x)), min, max, va) ||
        !Zahl(Ohne(s.substr(x + 1)), min, max, vb))
        return false;
    a = int(va), b = int(vb);
    return true;
}

class TLeser {
  public:
    TLeser(const std::string& datei, std::string& fehler) : datei_(datei), fehler_(fehler) {}

    std::optional<TLevelPlan> Lesen(const std::string& text);

  private:
    struct TAngabe {
        std::string Wert;
        int Zeile = 0;
    };

    bool Fehler(int zeile, const std::string& text) {
        fehler_ = datei_ + (zeile > 0 ? ", Zeile " + std::to_string(zeile) : "") + ": " + text;
        return false;
    }
    // Every line is UTF-8 without control characters, so that messages can show it.
    bool Text(const std::vector<std::string>& zeilen);
    bool Kopf(const std::vector<std::string>& zeilen, std::size_t& i);
    bool Werte(TLevelPlan& plan);
    bool Labyrinth(TLevelPlan& plan);
    bool Karte(const std::vector<std::string>& zeilen, std::size_t i, TLevelPlan& plan);
    bool Startpositionen(const TLevelPlan& plan);

    std::string datei_;
    std::string& fehler_;
    std::map<std::string, TAngabe> angaben_;
};

std::optional<TLevelPlan> TLeser::Lesen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream s(text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text);
    for (std::string z; std::getline(s, z);) {
        if (!z.empty() && z.back() == '\r') z.pop_back();
        zeilen.push_back(z);
    }
    while (!zeilen.empty() && zeilen.back().empty()) zeilen.pop_back();

    TLevelPlan plan;
    plan.Datei = std::filesystem::path(datei_).stem().string();
    std::size_t i = 0;
    if (!Text(zeilen) || !Kopf(zeilen, i) || !Werte(plan)) return std::nullopt;
    if (angaben_.count(kLabyrinth) ? !Labyrinth(plan) : !Karte(zeilen, i, plan))
        return std::nullopt;
    if (!Startpositionen(plan)) return std::nullopt;
    TSpielfeld feld = Spielfeld(plan);
    if (const TFeldFehler code = PruefeFeld(feld); code != 0) {
        Fehler(0, FeldFehlerText(code));
        return std::nullopt;
    }
    return plan;
}

bool TLeser::Text(const std::vector<std::string>& zeilen) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string& z = zeilen[i];
        if (QString::fromUtf8(z).toUtf8().toStdString() != z)
            return Fehler(int(i) + 1, "Die Zeile ist kein Text in UTF-8.");
        const auto steuer =
            std::find_if(z.begin(), z.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
        if (steuer != z.end())
            return Fehler(int(i) + 1,
                          "Spalte " +
                              std::to_string(Utf8Laenge(std::string(z.begin(), steuer)) + 1) +
                              ": Hier steht ein Steuerzeichen (etwa ein Tabulator).");
    }
    return true;
}

// The "Key: value" lines up to "Karte:" or the end.
bool TLeser::Kopf(const std::vector<std::string>& zeilen, std::size_t& i) {
    const std::vector<std::string> bekannt = {kName,      kZelle, kFarbe, kKarte,
                                              kLabyrinth, kSaat,  kKisten};
    for (; i < zeilen.size(); ++i) {
        const int nr = int(i) + 1;
        if (Ohne(zeilen[i]).empty()) continue;
        const std::size_t p = zeilen[i].find(':');
        if (p == std::string::npos)
            return Fehler(nr, Zitat(zeilen[i]) + " ist keine Angabe der Form \"Schlüssel: Wert\".");
        const std::string schluessel = Ohne(zeilen[i].substr(0, p));
        if (std::find(bekannt.begin(), bekannt.end(), schluessel) == bekannt.end())
            return Fehler(nr, "Unbekannte Angabe " + Zitat(schluessel) +
                                  " (bekannt sind Name, Zelle, Farbe, Karte, Labyrinth, Saat "
                                  "und Sackgassen je Kiste).");
        if (angaben_.count(schluessel))
            return Fehler(nr, "Die Angabe " + Zitat(schluessel) + " steht zweimal da.");
        angaben_[schluessel] = {Ohne(zeilen[i].substr(p + 1)), nr};
        if (schluessel == kKarte) {
            ++i;
            if (!angaben_[kKarte].Wert.empty())
                return Fehler(nr, "Die Zeilen der Karte beginnen erst unter \"Karte:\".");
            if (angaben_.count(kLabyrinth))
                return Fehler(nr, "Eine Karte und ein Labyrinth zugleich gehen nicht.");
            return true;
        }
    }
    return true;
}

bool TLeser::Werte(TLevelPlan& plan) {
    for (const char* pflicht : {kName, kZelle, kFarbe})
        if (!angaben_.count(pflicht))
            return Fehler(0, std::string("Es fehlt die Angabe \"") + pflicht + ":\".");
    if (!angaben_.count(kKarte) && !angaben_.count(kLabyrinth))
        return Fehler(0, "Es fehlt die Karte (\"Karte:\" und ihre Zeilen) oder \"Labyrinth:\".");

    const TAngabe& name = angaben_[kName];
    if (name.Wert.empty()) return Fehler(name.Zeile, "Der Name ist leer.");
    if (Utf8Laenge(name.Wert) > 20)
        return Fehler(name.Zeile, "Der Name ist länger als 20 Zeichen.");
    if (const std::string z = NichtSpeicherbaresZeichen(name.Wert); !z.empty())
        return Fehler(name.Zeile, "Der Name enthält das Zeichen " + Zitat(z) +
                                      ", das eine Leveldatei nicht speichern kann.");
    plan.Name = name.Wert;

    const TAngabe& zelle = angaben_[kZelle];
    int b = 0, h = 0;
    if (!Masse(zelle.Wert, TGrenzen::kEinzelMin, TGrenzen::kEinzelMax, b, h))
        return Fehler(zelle.Zeile, "\"Zelle:\" braucht Breite x Höhe in Pixeln, jede von " +
                                       std::to_string(TGrenzen::kEinzelMin) + " bis " +
                                       std::to_string(TGrenzen::kEinzelMax) + ", nicht " +
                                       Zitat(zelle.Wert) + ".");
    plan.EinzelBreite = std::uint16_t(b), plan.EinzelHoehe = std::uint16_t(h);

    const TAngabe& farbe = angaben_[kFarbe];
    if (farbe.Wert.size() != 6 || !std::all_of(farbe.Wert.begin(), farbe.Wert.end(),
                                               [](unsigned char c) { return std::isxdigit(c); }))
        return Fehler(farbe.Zeile, "\"Farbe:\" braucht sechs Hexziffern (Blau, Grün, Rot), nicht " +
                                       Zitat(farbe.Wert) + ".");
    plan.Farbe = std::uint32_t(std::stoul(farbe.Wert, nullptr, 16));

    if (!angaben_.count(kLabyrinth))
        for (const char* nur : {kSaat, kKisten})
            if (angaben_.count(nur))
                return Fehler(angaben_[nur].Zeile,
                              std::string("\"") + nur + ":\" gilt nur für ein Labyrinth.");
    return true;
}

bool TLeser::Labyrinth(TLevelPlan& plan) {
    const TAngabe& masse = angaben_[kLabyrinth];
    int b = 0, h = 0;
    if (!Masse(masse.Wert, TGrenzen::kSpielMin, TGrenzen::kSpielMax, b, h) || b % 2 == 0 ||
        h % 2 == 0)
        return Fehler(masse.Zeile,
                      "\"Labyrinth:\" braucht Spalten x Zeilen, jede ungerade und von " +
                          std::to_string(TGrenzen::kSpielMin) + " bis " +
                          std::to_string(TGrenzen::kSpielMax) + ", nicht " + Zitat(masse.Wert) +
                          ".");
    for (const char* pflicht : {kSaat, kKisten})
        if (!angaben_.count(pflicht))
            return Fehler(0, std::string("Dem Labyrinth fehlt die Angabe \"") + pflicht + ":\".");
    unsigned long long saat = 0, kisten = 0;
    if (!Zahl(angaben_[kSaat].Wert, 0, 4294967295ull, saat))
        return Fehler(angaben_[kSaat].Zeile,
                      "\"Saat:\" braucht eine ganze Zahl von 0 bis 4294967295, nicht " +
                          Zitat(angaben_[kSaat].Wert) + ".");
    if (!Zahl(angaben_[kKisten].Wert, 1, 1000, kisten))
        return Fehler(angaben_[kKisten].Zeile,
                      "\"Sackgassen je Kiste:\" braucht eine ganze Zahl von 1 bis 1000, nicht " +
                          Zitat(angaben_[kKisten].Wert) + ".");
    plan.Zeilen = ::Labyrinth(b, h, std::uint32_t(saat), int(kisten));
    return true;
}

// The map's rows, from line i to the end.
bool TLeser::Karte(const std::vector<std::string>& zeilen, std::size_t i, TLevelPlan& plan) {
    plan.Zeilen.assign(zeilen.begin() + std::ptrdiff_t(i), zeilen.end());
    const std::string grenzen = " (erlaubt sind " + std::to_string(TGrenzen::kSpielMin) + " bis " +
                                std::to_string(TGrenzen::kSpielMax) + ").";
    const std::size_t n = plan.Zeilen.size();
    if (n < TGrenzen::kSpielMin || n > TGrenzen::kSpielMax)
        return Fehler(angaben_[kKarte].Zeile,
                      "Die Karte hat " + std::to_string(n) + " Zeilen" + grenzen);
    const std::size_t breite = plan.Zeilen.front().size();
    if (breite < TGrenzen::kSpielMin || breite > TGrenzen::kSpielMax)
        return Fehler(int(i) + 1,
                      "Die Karte ist " + std::to_string(breite) + " Zeichen breit" + grenzen);
    for (std::size_t z = 0; z < n; ++z) {
        const int nr = int(i + z) + 1;
        const std::string& zeile = plan.Zeilen[z];
        for (std::size_t s = 0; s < zeile.size(); ++s)
            if (!ZelleVon(zeile[s]))
                return Fehler(nr, "Spalte " + std::to_string(s + 1) + ": Das Zeichen " +
                                      Zitat(ZeichenBei(zeile, s)) +
                                      " steht für kein Feld (erlaubt sind " + kKartenZeichen +
                                      ").");
        if (zeile.size() != breite)
            return Fehler(nr, "Die Zeile ist " + std::to_string(zeile.size()) +
                                  " Zeichen breit, die erste der Karte " + std::to_string(breite) +
                                  ".");
    }
    return true;
}

bool TLeser::Startpositionen(const TLevelPlan& plan) {
    for (char spieler : {'1', '2'}) {
        std::size_t n = 0;
        for (const std::string& zeile : plan.Zeilen)
            n += std::size_t(std::count(zeile.begin(), zeile.end(), spieler));
        if (n > 1)
            return Fehler(0, std::string("Spieler ") + spieler + " hat " + std::to_string(n) +
                                 " Startpositionen; es darf nur eine sein.");
    }
    return true;
}

}  // namespace

std::optional<TLevelPlan> KarteLesen(const std::string& datei, std::string& fehler) {
    std::ifstream f(datei, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(f), {});
    if (!f.is_open() || f.bad()) {
        fehler = datei + ": Die Datei kann nicht gelesen werden.";
        return std::nullopt;
    }
    return TLeser(datei, fehler).Lesen(text);
}

bool KartenLesen(const std::string& ordner, std::vector<TLevelPlan>& plaene,
                 std::vector<std::string>& fehler) {
    namespace fs = std::filesystem;
    std::vector<std::string> dateien;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec))
        if (it->path().extension() == ".txt" && !it->is_directory())
            dateien.push_back(it->path().string());
    if (ec || dateien.empty()) {
        fehler.push_back(ordner + ": Hier liegen keine Karten (NAME.txt).");
        return false;
    }
    std::sort(dateien.begin(), dateien.end());
    for (const std::string& datei : dateien) {
        std::string f;
        if (std::optional<TLevelPlan> plan = KarteLesen(datei, f))
            plaene.push_back(std::move(*plan));
        else
            fehler.push_back(f);
    }
    return fehler.empty();
}
