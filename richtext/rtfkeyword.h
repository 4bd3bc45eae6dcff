#pragma once

// Standard library
#include <cstdint>
#include <string_view>

namespace richtext {

// The control words the reader acts on. Every word not listed is Unknown and ignored (or, after
// \*, skipped with its group).
enum class RtfKeyword : std::uint8_t {
    Unknown,
    // Document and code pages
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    // Destinations
    FontTable,
    ColorTable,
    FontRealName,
    FontAltName,
    Picture,
    FieldInstruction,
    FieldResult,
    ShapePicture,
    NonShapePicture,
    NestedTableProperties,
    SkipDestination,
    // Font table
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
    // Color table
    Red,
    Green,
    Blue,
    // Character formatting
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
    // Paragraph formatting
    ParagraphDefault,
    Paragraph,
    Line,
    Tab,
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
    // Tables
    RowDefaults,
    CellBoundary,
    Cell,
    Row,
    NestedCell,
    NestedRow,
    // Pictures
    PngBlip,
    JpegBlip,
    OtherBlip,
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    // Characters
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    LeftToRightMark,
    RightToLeftMark,
};

RtfKeyword lookupKeyword(std::string_view word);

} // namespace richtext
