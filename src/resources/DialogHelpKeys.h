#pragma once

#include <array>

// The help keys under which the dialogs look up the help line of a control with HelpText in
// "html4bib.dat". The library build refuses a library that lacks a record for any of them.
namespace DialogHelpKeys {

// Class, id, style and the event grid of the common panel (element, table, frames, form and
// area dialogs).
namespace CommonPanel {
constexpr int Class = 370;
constexpr int Id = 371;
constexpr int Style = 372;
constexpr int Events = 248;
} // namespace CommonPanel

// The colour fields of the element dialog: the five body colours of the page panel and the
// colour of a table cell.
namespace ElementDialog {
constexpr int BackgroundColour = 7;
constexpr int TextColour = 9;
constexpr int LinkColour = 10;
constexpr int VisitedLinkColour = 11;
constexpr int ActiveLinkColour = 12;
constexpr int CellColour = 305;
// The line, list, alignment and title panels.
constexpr int LineWidth = 400;
constexpr int LineSize = 401;
constexpr int LineAlignment = 402;
constexpr int LineNoShade = 403;
constexpr int ListType = 404;
constexpr int BlockAlignment = 405;
constexpr int Title = 406;
// The image and sound panels.
constexpr int ImageFile = 420;
constexpr int ImageAltText = 421;
constexpr int ImageWidth = 422;
constexpr int ImageHeight = 423;
constexpr int ImageBorder = 424;
constexpr int ImageMarginTopBottom = 425;
constexpr int ImageMarginLeftRight = 426;
constexpr int ImageAlignment = 427;
constexpr int ImageMap = 428;
constexpr int SoundFile = 429;
constexpr int SoundWidth = 430;
constexpr int SoundHeight = 431;
constexpr int SoundType = 432;
// The link and e-mail panels.
constexpr int LinkAddress = 440;
constexpr int LinkTarget = 441;
constexpr int LinkName = 442;
constexpr int LinkText = 443;
} // namespace ElementDialog

namespace TableDialog {
constexpr int Title = 272;
constexpr int VerticalAlignment = 336;
constexpr int HorizontalAlignment = 332;
constexpr int CellSpacing = 293;
constexpr int CellPadding = 292;
constexpr int Border = 291;
constexpr int TextFlow = 289;
constexpr int Width = 297;
constexpr int Colour = 290;
} // namespace TableDialog

namespace FramesDialog {
constexpr int BorderVisible = 220;
constexpr int AlternativeText = 240;
constexpr int Division = 4;
constexpr int Name = 223;
constexpr int Address = 226;
constexpr int MarginTopBottom = 221;
constexpr int MarginLeftRight = 222;
// The label "Rullegardin:" shares its key with the element dialog's visited-link colour, so
// it shows that text; the scrolling radio buttons beside it carry their own key.
constexpr int ScrollingLabel = 11;
constexpr int Resizable = 224;
constexpr int Scrolling = 225;
} // namespace FramesDialog

namespace FormDialog {
constexpr int Name = 165;
constexpr int Action = 51;
constexpr int DataFormat = 52;
constexpr int Method = 53;
constexpr int Value = 70;
constexpr int Accept = 57;
constexpr int Disabled = 61;
constexpr int ReadOnly = 64;
constexpr int Checked = 60;
constexpr int Size = 65;
constexpr int MaxCharacters = 62;
constexpr int Lines = 96;
constexpr int Width = 92;
constexpr int ImageFile = 66;
constexpr int SelectRows = 89;
constexpr int SelectDisabled = 86;
constexpr int Multiple = 87;
} // namespace FormDialog

namespace HeadDialog {
constexpr int ResourceGrid = 113;
constexpr int File = 114;
constexpr int Media = 115;
constexpr int LinkTypeForward = 116;
constexpr int LinkTypeBackward = 117;
constexpr int TargetFrame = 118;
constexpr int Type = 119;
constexpr int Content = 32;
constexpr int Name = 34;
} // namespace HeadDialog

namespace AreaDialog {
constexpr int Address = 137;
constexpr int AlternativeText = 135;
constexpr int Target = 141;
} // namespace AreaDialog

// The font dialog: the family box (and the family list), size and sign, and the colour group.
namespace FontDialog {
constexpr int Face = 460;
constexpr int Size = 461;
constexpr int Colour = 462;
} // namespace FontDialog

// Every key above once.
inline constexpr std::array All{
    CommonPanel::Class,
    CommonPanel::Id,
    CommonPanel::Style,
    CommonPanel::Events,
    ElementDialog::BackgroundColour,
    ElementDialog::TextColour,
    ElementDialog::LinkColour,
    ElementDialog::VisitedLinkColour,
    ElementDialog::ActiveLinkColour,
    ElementDialog::CellColour,
    ElementDialog::LineWidth,
    ElementDialog::LineSize,
    ElementDialog::LineAlignment,
    ElementDialog::LineNoShade,
    ElementDialog::ListType,
    ElementDialog::BlockAlignment,
    ElementDialog::Title,
    ElementDialog::ImageFile,
    ElementDialog::ImageAltText,
    ElementDialog::ImageWidth,
    ElementDialog::ImageHeight,
    ElementDialog::ImageBorder,
    ElementDialog::ImageMarginTopBottom,
    ElementDialog::ImageMarginLeftRight,
    ElementDialog::ImageAlignment,
    ElementDialog::ImageMap,
    ElementDialog::SoundFile,
    ElementDialog::SoundWidth,
    ElementDialog::SoundHeight,
    ElementDialog::SoundType,
    ElementDialog::LinkAddress,
    ElementDialog::LinkTarget,
    ElementDialog::LinkName,
    ElementDialog::LinkText,
    TableDialog::Title,
    TableDialog::VerticalAlignment,
    TableDialog::HorizontalAlignment,
    TableDialog::CellSpacing,
    TableDialog::CellPadding,
    TableDialog::Border,
    TableDialog::TextFlow,
    TableDialog::Width,
    TableDialog::Colour,
    FramesDialog::BorderVisible,
    FramesDialog::AlternativeText,
    FramesDialog::Division,
    FramesDialog::Name,
    FramesDialog::Address,
    FramesDialog::MarginTopBottom,
    FramesDialog::MarginLeftRight,
    FramesDialog::Resizable,
    FramesDialog::Scrolling,
    FormDialog::Name,
    FormDialog::Action,
    FormDialog::DataFormat,
    FormDialog::Method,
    FormDialog::Value,
    FormDialog::Accept,
    FormDialog::Disabled,
    FormDialog::ReadOnly,
    FormDialog::Checked,
    FormDialog::Size,
    FormDialog::MaxCharacters,
    FormDialog::Lines,
    FormDialog::Width,
    FormDialog::ImageFile,
    FormDialog::SelectRows,
    FormDialog::SelectDisabled,
    FormDialog::Multiple,
    HeadDialog::ResourceGrid,
    HeadDialog::File,
    HeadDialog::Media,
    HeadDialog::LinkTypeForward,
    HeadDialog::LinkTypeBackward,
    HeadDialog::TargetFrame,
    HeadDialog::Type,
    HeadDialog::Content,
    HeadDialog::Name,
    AreaDialog::Address,
    AreaDialog::AlternativeText,
    AreaDialog::Target,
    FontDialog::Face,
    FontDialog::Size,
    FontDialog::Colour,
};

} // namespace DialogHelpKeys
