#pragma once

#include "html/ColourText.h"

#include <optional>

// The web palette: six levels per channel, level n standing for n times 51.
namespace WebColour {

constexpr int Step = 51;
constexpr int Levels = 6;

struct Positions
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Positions &, const Positions &) = default;
};

// The slider positions of a web colour; nothing when any of its channels lies
// between two levels.
std::optional<Positions> positions(RgbColour colour);
RgbColour colour(Positions positions);

} // namespace WebColour
