#include "files/UTypDatei.h"

#include "files/UPfad.h"

std::function<bool()> TTypDatei::SchreibStoerung;

namespace {
bool Gestoert() {
    return TTypDatei::SchreibStoerung && TTypDatei::SchreibStoerung();
}
}  // namespace

bool TTypDatei::OeffnenLesen(const std::string& pfad, const std::string& art) {
    lesen_ = std::make_unique<QFile>(QtPfad(pfad));
    if (DateiExistiert(pfad) && lesen_->open(QIODevice::ReadOnly)) return false;
    lesen_.reset();
    return fehler_.OeffnenFehler(art);
}

bool TTypDatei::Lesen(TBytes& satz, const std::string& art) {
    satz.assign(groesse_, 0);
    if (!lesen_ || lesen_->read(reinterpret_cast<char*>(satz.data()),
                                static_cast<qint64>(groesse_)) != static_cast<qint64>(groesse_))
        return fehler_.LeseFehler(art);
    return false;
}

bool TTypDatei::AmEnde() const {
    return !lesen_ || lesen_->atEnd();
}

bool TTypDatei::Anlegen(const std::string& pfad, const std::string& art) {
    schreiben_ = std::make_unique<QSaveFile>(QtPfad(pfad));
    // A file the user may write in a folder they may not: written in place, as no temporary
    // file can be made beside it.
    schreiben_->setDirectWriteFallback(true);
    abgebrochen_ = false;
    if (schreiben_->open(QIODevice::WriteOnly)) return false;
    schreiben_.reset();
    return fehler_.OeffnenFehler(art);
}

bool TTypDatei::Schreiben(const TBytes& satz, const std::string& art) {
    if (!schreiben_ || Gestoert() ||
        schreiben_->write(reinterpret_cast<const char*>(satz.data()),
                          static_cast<qint64>(satz.size())) != static_cast<qint64>(satz.size())) {
        // A half-written file must never replace the old one.
        if (schreiben_) schreiben_->cancelWriting();
        abgebrochen_ = true;
        return fehler_.SpeicherFehler(art);
    }
    return false;
}

bool TTypDatei::Schliessen(const std::string& art) {
    bool fehler = false;
    if (lesen_) {
        lesen_->close();
        lesen_.reset();
    }
    if (schreiben_) {
        const bool schonGemeldet = abgebrochen_;
        // Records are buffered; a full disk may only show when they are flushed, and the commit
        // would not notice it and replace the old file by an empty one.
        if (!schonGemeldet && (Gestoert() || !schreiben_->flush())) schreiben_->cancelWriting();
        fehler = !schreiben_->commit();
        schreiben_.reset();
        // The failed write has been reported; the old file stays and needs no second box.
        if (schonGemeldet) return true;
    }
    return fehler ? fehler_.SchliessenFehler(art) : false;
}
