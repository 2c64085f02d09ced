#pragma once

#include "files/FileNameCorrection.h"

class Prompter;
class QWidget;

// "Ret filnavne": asks how the names of the listed files in the folder are to
// change, renames them, and tells which ones kept their name. A cancelled
// dialog renames nothing. The options chosen are offered again next time.
FileNameCorrectionResult correctFileNames(Prompter &prompter, QWidget *parent, const QString &folder, const QString &mask,
                                          const QStringList &fileNames);
