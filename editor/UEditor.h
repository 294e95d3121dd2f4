// The level editor's rules: painting, undo, reset, pictures, opening, saving, closing. The window
// only lays out, draws and forwards; everything it must ask or show goes through IEditorFenster.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editor/UEditorEinstellungen.h"
#include "files/UBilderPointer.h"
#include "files/UDatei.h"
#include "files/UDateiFehler.h"
#include "model/UMeldungen.h"
#include "model/UPointer.h"

// Texts of the kind chooser, in its order.
inline const std::string kAuswahlFrei = "frei begehbares Feld";
inline const std::string kAuswahlZerstoerbar = "zerstörbares Feld";
inline const std::string kAuswahlUnzerstoerbar = "unzerstörbares Feld";
inline const std::string kAuswahlWasser = "Wasser";
inline const std::string kAuswahlStart = "Spieler-Startfelder";

inline const std::string kFrageSpeichern = "Wollen Sie das Feld speichern?";
inline const std::string kKeineBilder =
    "Das Feld kann nicht gespeichert werden, da keine Bilder geladen sind. Bitte wählen Sie unter "
    "\"Bilderordner\" Ordner mit Bildern aus.";
inline const std::string kFrageGroesse =
    "Sie haben die Größe der Feldes geändert. Soll das alte gelöscht werden?";
inline const std::string kFrageStandardBilder =
    "Wollen Sie die Standart-Bilder laden und damit ihr Feld löschen?";
inline const std::string kFrageBildBenutzt =
    "Bild kann nicht hinzugefügt werden! Es wird schon benutzt. Wollen Sie ein anderes Bild "
    "hinzufügen?";

// The name box holds at most this many characters.
inline constexpr std::size_t kNameLaenge = 20;

// The kind a chooser text stands for; any typed text counts as a free cell.
TZellenArt ArtVonAuswahl(const std::string& text, bool spieler2);

// What the rules need from the window.
class IEditorFenster {
  public:
    virtual ~IEditorFenster() = default;
    // The geometry changed: lay out the grid and the window anew.
    virtual void FeldAufbauen() = 0;
    virtual void FeldNeuZeichnen() = 0;
    // The kind chooser back to "frei begehbares Feld", preview row 0.
    virtual void AuswahlZuruecksetzen() = 0;
    virtual void AuswahlNeuZeichnen() = 0;
    // "&Speichern" or "Rückgängig" changed.
    virtual void BefehleAktualisieren() = 0;
    virtual std::string Name() const = 0;
    virtual void NameSetzen(const std::string& name) = 0;
    virtual void NameFokussieren() = 0;
    virtual void Zentrieren() = 0;

    // Dialogs; an empty result means cancelled.
    virtual std::optional<std::string> OeffnenDialog() = 0;
    virtual std::optional<std::string> SpeichernDialog() = 0;
    virtual std::optional<std::string> BildDialog() = 0;
    // The image folder window; true on OK, when both sets have been reloaded from the folders
    // chosen there.
    virtual bool BilderOrdnerDialog() = 0;
    virtual std::optional<TEditorEinstellungen> EinstellungenDialog(const TFeldDaten& g) = 0;
};

class TEditor {
  public:
    TEditor(TSpielfeld& feld, TBilderSets& bilder, TDateiFehler& fehler, TLevelDateien& level,
            IEditorFenster& fenster);

    // A new, all-free level of this geometry; the window is laid out for it.
    void Feld_Erstellen(std::uint16_t einzelHoehe, std::uint16_t einzelBreite,
                        std::uint16_t spielHoehe, std::uint16_t spielBreite, std::uint32_t farbe);

    // The grid made this cell current (click, drag, arrow key). True when it was painted.
    bool Malen(std::uint32_t spalte0, std::uint32_t zeile0, TZellenArt art, std::uint16_t bild);
    // True when the last painting moved a start cell, so more than one cell changed.
    bool StartVerschoben() const { return startVerschoben_; }

    void UndoClick();
    void Btn_ResetClick();
    void Btn_FeldTestClick();
    void BmpLaden(bool wasser);
    void Btn_ResetBmpClick();
    void Btn_BilderOrdnerClick();
    void Btn_EditorEinstellungenClick();

    void Feld_Oeffnen();
    // True when the level was written.
    bool Feld_SpeichernUnter();
    bool Feld_Speichern();

    // True when the window may close; the board is then released.
    bool FormCloseQuery();

    // Rows of the preview for a kind: one for free and start cells, else one per picture.
    std::uint32_t AuswahlZeilen(TZellenArt art) const;

    bool SpeichernAktiv() const { return speichernAktiv_; }
    bool UndoAktiv() const { return undoAktiv_; }
    TIndex UndoIndex() const { return undoIndex_; }
    const TZelle& UndoZelle() const { return undoZelle_; }

  private:
    bool FeldGueltigHier();
    // The check, and a picture to store: true when a save may go ahead.
    bool SpeicherbarHier();
    void SpeichernSetzen(bool an);
    void UndoSetzen(bool an);

    TSpielfeld& feld_;
    TBilderSets& bilder_;
    TDateiFehler& fehler_;
    TLevelDateien& level_;
    IEditorFenster& fenster_;

    TIndex undoIndex_ = 0;
    TZelle undoZelle_;
    bool undoAktiv_ = false;
    bool speichernAktiv_ = false;
    bool startVerschoben_ = false;
};
