#pragma once

#include "html/CharacterReferences.h"

// The Danish-letter conversion done when a document is opened or saved while
// the automatic conversion is on; the caller checks the setting.

// A loaded document's text with its references of æ, ø and å as letters.
QString OpenTimeConversion(const QString &text, const ConversionProgress &progress = {});

// The text to write: the head (through the first "</HEAD>", else the first
// "</head>", both in exactly that case) as it is, the rest with æ, ø and å as
// references; without either, all of it converted.
QString SaveTimeConversion(const QString &text);
