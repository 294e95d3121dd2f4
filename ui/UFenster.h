// The ten windows of the program, each created once at start and kept until the end.
#pragma once

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

// Windows find each other here; a window created later than its user is looked up when used.
struct TFenster {
    TFrm_Main* Main = nullptr;
    TFrm_BildOrdner* BildOrdner = nullptr;
    TFrm_Editor* Editor = nullptr;
    TFrm_Editoreinstellungen* Editoreinstellungen = nullptr;
    TFrm_Spieleinstellungen* Spieleinstellungen = nullptr;
    TFrm_Steuerung* Steuerung = nullptr;
    TFrm_Spiel* Spiel = nullptr;
    TFrm_Highscore* Highscore = nullptr;
    TFrm_Taste* Taste = nullptr;
    TFrm_Info* Info = nullptr;
};
