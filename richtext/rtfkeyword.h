// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <cstdint>
#include <string_view>

namespace richtext {

// The groups of control words by what they act on; the parser has one handler for each.
enum class RtfWordGroup : std::uint8_t {
    Unknown,          // not a word the reader knows: ignored, or after \* skipped with its group
    Encoding,         // code pages and Unicode
    Destination,      // where a group's text goes, or that it goes nowhere
    Font,             // the font table's entries, and \deff
    Color,            // the color table's entries
    Character,        // character formatting
    Paragraph,        // paragraph formatting and breaks
    Table,            // rows and cells
    Picture,          // a picture's format and size
    SpecialCharacter, // a word that stands for one character (rtfspecialcharacters.h)
};

// The control words the reader knows, listed by group.
enum class RtfKeyword : std::uint8_t {
    Unknown,
    // Encoding
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    UnicodeSkip,
    Unicode,
    // Destination
    FontTable,
    ColorTable,
    FontRealName,
    FontAltName,
    Picture,
    FieldInstruction,
    FieldResult,
    BookmarkStart,
    ShapePicture,
    NonShapePicture,
    NestedTableProperties,
    SkipDestination,
    // Font
    DefaultFont,
    Font,
    FontFamilyNil,
    FontFamilyRoman,
    FontFamilySwiss,
    FontFamilyModern,
    FontFamilyScript,
    FontFamilyDecor,
    FontFamilyTech,
    FontCharset,
    FontCodePage,
    // Color
    Red,
    Green,
    Blue,
    // Character
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Super,
    Sub,
    NoSuperSub,
    FontSize,
    Foreground,
    Background,
    Hidden,
    StyleReference, // \cs, \s, \ds, \ts: known, but styles are not applied
    // Paragraph
    ParagraphDefault,
    Paragraph,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    RightToLeft,
    LeftToRight,
    InTable,
    NestingLevel,
    // Table
    RowDefaults,
    CellBoundary,
    Cell,
    Row,
    NestedCell,
    NestedRow,
    // Picture
    PngBlip,
    JpegBlip,
    OtherBlip,
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
};

struct RtfWord
{
    RtfWordGroup group = RtfWordGroup::Unknown;
    RtfKeyword keyword = RtfKeyword::Unknown; // Unknown for special characters
    char16_t character = 0;                   // special characters only
};

// What the control word (without its backslash and parameter) means to the reader.
RtfWord lookupWord(std::string_view word);

} // namespace richtext
