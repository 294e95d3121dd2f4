#include "fuzz/FuzzHilfen.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <unistd.h>

const std::string& Arbeitsordner() {
    static const std::string ordner = [] {
        const auto p = std::filesystem::temp_directory_path() /
                       ("knallfeld-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        return p.string() + "/";
    }();
    return ordner;
}

void DateiSchreiben(const std::string& pfad, const std::uint8_t* daten, std::size_t groesse) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
}

void DateiLoeschen(const std::string& pfad) {
    std::error_code e;
    std::filesystem::remove(pfad, e);
}

void BeispielBmp(const std::string& pfad, int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::darkGray);
    bild.save(QString::fromStdString(pfad), "BMP");
}
