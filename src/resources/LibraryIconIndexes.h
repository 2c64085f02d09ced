#pragma once

// Indexes into the main 16-pixel image list that the library trees and the
// completion list use.
namespace LibraryIcon {
// Value placeholders of code completion.
constexpr int FontValue = 6;
constexpr int PictureAddress = 13;
constexpr int WebAddress = 24;
constexpr int ColourValue = 36;
// Library entries.
constexpr int FolderClosed = 79;
constexpr int FolderOpen = 80;
constexpr int Element = 81;
constexpr int Entry = 82;
constexpr int ScriptMethod = 83;
constexpr int Event = 84;
constexpr int Keyword = 85;
constexpr int ScriptProperty = 86;
} // namespace LibraryIcon
