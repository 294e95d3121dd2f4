// The program's original ten windows: the main menu and nine others. Each lives from its
// first use to the end of the program and is never created anew; what a window's creation does to
// the program's state runs at start. The two windows added since, the volume dialog
// (TFrm_Lautstaerke) and the network dialog (TFrm_Netzwerk), are not kept here: the main menu
// builds them anew each time it opens one, and no other window needs them.
#pragma once

#include <functional>

class TFrm_Main;
class TFrm_BildOrdner;
class TFrm_Editor;
class TFrm_Editoreinstellungen;
class TFrm_Spieleinstellungen;
class TFrm_Steuerung;
class TFrm_Spiel;
class TFrm_Highscore;
class TFrm_Taste;
class TFrm_Info;

// One window, built on first use: building the controls of nine hidden windows at start cost about
// 7 ms before the main menu's first picture and 2 MB in a match.
template <class T>
class TFensterPlatz {
  public:
    void Bauplan(std::function<T*()> bauen) { bauen_ = std::move(bauen); }
    // Tests put windows of their own in place.
    TFensterPlatz& operator=(T* fenster) {
        fenster_ = fenster;
        return *this;
    }

    T* Holen() {
        if (!fenster_ && bauen_) fenster_ = bauen_();
        return fenster_;
    }
    T* operator->() { return Holen(); }
    T& operator*() { return *Holen(); }
    operator T*() { return Holen(); }
    bool Gebaut() const { return fenster_ != nullptr; }

  private:
    T* fenster_ = nullptr;
    std::function<T*()> bauen_;
};

// Windows find each other here.
struct TFenster {
    TFensterPlatz<TFrm_Main> Main;
    TFensterPlatz<TFrm_BildOrdner> BildOrdner;
    TFensterPlatz<TFrm_Editor> Editor;
    TFensterPlatz<TFrm_Editoreinstellungen> Editoreinstellungen;
    TFensterPlatz<TFrm_Spieleinstellungen> Spieleinstellungen;
    TFensterPlatz<TFrm_Steuerung> Steuerung;
    TFensterPlatz<TFrm_Spiel> Spiel;
    TFensterPlatz<TFrm_Highscore> Highscore;
    TFensterPlatz<TFrm_Taste> Taste;
    TFensterPlatz<TFrm_Info> Info;
};
