// A network match served from the window's event loop: the socket is read when data arrives and
// the session steps at the input packets' interval; the host's name is resolved on a thread of
// its own, so the window never waits for the network.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "netz/UNetzSitzung.h"
#include "transport/UEnetTransport.h"

class QSocketNotifier;

class TNetzDienst : public QObject {
    Q_OBJECT
  public:
    TNetzDienst(TNetzOptionen o, TNetzUmgebung u, std::optional<TAufnahme> spieldaten);
    ~TNetzDienst() override;

    // Host: waits on this port. False with the German reason in Fehler.
    bool Eroeffnen(std::uint16_t port);
    std::uint16_t Port() const { return transport_.Port(); }
    // Guest: resolves the name, then connects; a failure ends the session with its reason.
    void Verbinden(const std::string& adresse, std::uint16_t port);

    TNetzSitzung& Sitzung() { return sitzung_; }
    std::string Fehler;

    // Called after every turn: the session may have moved on.
    std::function<void()> Geaendert;
    // One turn now (also for tests that drive the clock themselves).
    void Bedienen();
    // The player leaves: the other side is told and the socket closed.
    void Beenden();
    // The ping and the input delay, or the wait for the other side when there is one.
    std::string Status() const;

  private:
    void Lauschen();
    struct TAufloesung;

    TEnetTransport transport_;
    TNetzSitzung sitzung_;
    QTimer takt_;
    QSocketNotifier* lauscher_ = nullptr;
    std::shared_ptr<TAufloesung> aufloesung_;
    std::uint16_t zielPort_ = 0;
    bool beendet_ = false;
    bool verlassen_ = false;
};
