// A network match in the window: the session steps on its own timer, both local key sets and
// every pad steer the own player as its actions (never as key codes), "Nächste Runde" says this
// side is ready, "Neustart" asks the other player (and turns into "Revanche" at the end), and
// the status line names the other player with the ping and the delay, over a short chat.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <memory>
#include <string>

#include "ui/netz/UNetzDienst.h"
#include "ui/spiel/UMatch.h"

class TCountdown;
class TFrm_Spiel;

class TNetzMatch final : public IMatch {
  public:
    // dienst: a session that has begun to run (the dialog hands it over so).
    TNetzMatch(TFrm_Spiel& f, std::unique_ptr<TNetzDienst> dienst);
    ~TNetzMatch() override;

    QString Titel() const override { return QStringLiteral("Knallfeld - Netzwerkspiel"); }
    bool Starten() override;
    TSpiel& Spiel() override { return dienst_->Sitzung().Seite()->Spiel(); }
    void Taste(std::uint16_t taste) override;
    void PadAktion(int, int slot) override { dienst_->Sitzung().Aktion(slot); }
    void NaechsteRunde() override;
    void Neustart() override;
    void Beenden() override;

    TNetzDienst& Dienst() { return *dienst_; }
    // The other player's question "Neustart?" while it is open.
    QMessageBox* Frage() const { return frage_; }
    // The line typed into the chat: sent, or the reason why not shown in its place.
    void ChatSenden();

  private:
    void Aktualisieren();
    void Knoepfe();
    // Each side keeps the entries of a network match that ended, as of any other.
    void Highscore();
    // What both played is kept: when the window closes, and before a rematch.
    void Ablegen(TNetzSeite& seite);

    TFrm_Spiel& f_;
    std::unique_ptr<TNetzDienst> dienst_;
    std::unique_ptr<TCountdown> countdown_;
    QPointer<QMessageBox> frage_;
    std::string chatFehler_;
    std::uint64_t chatFehlerBis_ = 0;
    bool highscore_ = false;
    bool gemeldet_ = false;
};

// The action slot (0..5) of a key in either player's key set, player 1's first; -1 for none.
int SlotVonTaste(const TSpielRecEinstellungen& e, std::uint16_t taste);
