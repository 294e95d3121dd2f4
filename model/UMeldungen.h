// How the core talks to the user: modal boxes, answered by the Qt layer, a script or a log.
#pragma once

#include <string>

enum class TBoxTyp { Information, Warnung, Fehler, Bestaetigung };
enum class TAntwort { Ja, Nein, Abbrechen };

class IMeldungen {
  public:
    virtual ~IMeldungen() = default;
    // A box with the single button OK.
    virtual void Zeige(TBoxTyp typ, const std::string& text) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool FrageJaNein(TBoxTyp typ, const std::string& text) = 0;
    // A box with Yes, No and Cancel.
    virtual TAntwort FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) = 0;
};
