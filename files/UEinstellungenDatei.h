// Settings files: the record (.sps) and its level list (+".lev").
#pragma once

#include <string>

#include "files/UDateiFehler.h"
#include "model/USpielRecEinstellungen.h"

// Reports failures; gives no result.
void EinstellungenSpeichern(TEinstellungen& e, TDateiFehler& fehler, const std::string& pfad);
// True on failure (already reported).
bool EinstellungenLaden(TEinstellungen& e, TDateiFehler& fehler, const std::string& pfad);
