#pragma once

#include <QStringView>

#include <functional>

// Receives a converted text a piece at a time, in order: for a text too large
// to be held twice, which is then never whole in memory.
using TextPieces = std::function<void(QStringView piece)>;
