#pragma once

#include "editor/SearchOptions.h"

#include <QStringView>

#include <optional>

// Finds a text in a piece of text as every editor does: with or without
// regard to case (letters of any script), and with whole words bounded by
// characters that are no word characters. Forward: the first match starting
// at or after `from`; backward: the last one ending at or before it. Indexes
// are UTF-16 units of `text`.
std::optional<qsizetype> findInText(QStringView text, QStringView what, qsizetype from, bool forward,
                                    const SearchOptions &options);
