#include "files/UPfad.h"

#include <QFileInfo>
#include <filesystem>

std::string Dateiname(const std::string& pfad) {
    const auto pos = pfad.find_last_of("/\\");
    return pos == std::string::npos ? pfad : pfad.substr(pos + 1);
}

std::string Programmordner() {
    std::error_code fehler;
    const auto exe = std::filesystem::canonical("/proc/self/exe", fehler);
    if (fehler) return "./";
    std::string ordner = exe.parent_path().string();
    if (ordner.empty() || ordner.back() != '/') ordner += '/';
    return ordner;
}
