#include "dialogs/colour/WebColour.h"

namespace WebColour {

std::optional<Positions> positions(RgbColour colour)
{
    const auto onLevel = [](int channel) { return channel >= 0 && channel <= 255 && channel % Step == 0; };
    if (!onLevel(colour.red) || !onLevel(colour.green) || !onLevel(colour.blue))
        return std::nullopt;
    return Positions{colour.red / Step, colour.green / Step, colour.blue / Step};
}

RgbColour colour(Positions positions)
{
    return {positions.red * Step, positions.green * Step, positions.blue * Step};
}

} // namespace WebColour
