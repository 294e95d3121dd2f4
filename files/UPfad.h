// Paths: conversion to Qt, file names, the program folder.
#pragma once

#include <QString>
#include <string>

// A NUL byte (possible in a path read from a file) cannot be part of a file name: such a path
// names no file, and Qt is not asked about it.
inline QString QtPfad(const std::string& pfad) {
    return pfad.find('\0') == std::string::npos ? QString::fromStdString(pfad) : QString();
}

// The part after the last "/" or "\" (the whole text when there is none), so that levels saved on
// Windows find their pictures by name.
std::string Dateiname(const std::string& pfad);

// The folder of the real executable (links resolved), with a trailing "/".
std::string Programmordner();
