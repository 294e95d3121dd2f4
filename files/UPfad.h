// Paths: conversion to Qt, file names, the program folder.
#pragma once

#include <QString>
#include <string>

inline QString QtPfad(const std::string& pfad) { return QString::fromStdString(pfad); }

// The part after the last "/" or "\" (the whole text when there is none), so that levels saved on
// Windows find their pictures by name.
std::string Dateiname(const std::string& pfad);

// The folder of the real executable (links resolved), with a trailing "/".
std::string Programmordner();
