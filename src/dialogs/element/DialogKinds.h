#pragma once

// The panels of the element dialog, by the number the callers open it with.
namespace DialogKind {
constexpr int Email = 3;
constexpr int Frameset = 4;
constexpr int Title = 6;
constexpr int TableCell = 7;
constexpr int NoFrames = 10;
constexpr int Block = 24;
constexpr int Word = 25;
constexpr int HorizontalLine = 27;
constexpr int TableRow = 28;
constexpr int Link = 29;
constexpr int List = 31;
constexpr int Page = 32;
constexpr int Paragraph = 35;
constexpr int Heading1 = 36; // to Heading1 + 5 for h6
} // namespace DialogKind
