#pragma once

#include "html/CharacterReferences.h"

#include <QList>
#include <QString>

#include <optional>

// The rows of the special-character file ("specialtegn.dat") in file order:
// each record's Name is the character, its Values the named reference and its
// Code the numeric one. Nothing when the file cannot be read.
std::optional<QList<SpecialCharacterRow>> LoadSpecialCharacterRows(const QString &path);
