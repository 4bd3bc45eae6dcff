// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtfkeyword.h"

// Local
#include "richtext/rtfspecialcharacters.h"

// Standard library
#include <span>
#include <unordered_map>

namespace richtext {

namespace {

using K = RtfKeyword;

struct Entry
{
    std::string_view word;
    RtfKeyword keyword;
};

constexpr Entry kEncodingWords[] = {
    {"ansi", K::Ansi},
    {"mac", K::Mac},
    {"pc", K::Pc},
    {"pca", K::Pca},
    {"ansicpg", K::AnsiCodePage},
    {"uc", K::UnicodeSkip},
    {"u", K::Unicode},
};

// Destinations that never show as body text are SkipDestination. \pntext and \listtext are not
// among them: they carry the visible bullet or number of a list paragraph.
constexpr Entry kDestinationWords[] = {
    {"fonttbl", K::FontTable},
    {"colortbl", K::ColorTable},
    {"fname", K::FontRealName},
    {"falt", K::FontAltName},
    {"pict", K::Picture},
    {"fldinst", K::FieldInstruction},
    {"fldrslt", K::FieldResult},
    {"shppict", K::ShapePicture},
    {"nonshppict", K::NonShapePicture},
    {"stylesheet", K::SkipDestination},
    {"info", K::SkipDestination},
    {"header", K::SkipDestination},
    {"headerl", K::SkipDestination},
    {"headerr", K::SkipDestination},
    {"headerf", K::SkipDestination},
    {"footer", K::SkipDestination},
    {"footerl", K::SkipDestination},
    {"footerr", K::SkipDestination},
    {"footerf", K::SkipDestination},
    {"footnote", K::SkipDestination},
    {"annotation", K::SkipDestination},
    {"atnid", K::SkipDestination},
    {"atnauthor", K::SkipDestination},
    {"atndate", K::SkipDestination},
    {"atnref", K::SkipDestination},
    {"atntime", K::SkipDestination},
    {"atnicn", K::SkipDestination},
    {"bkmkstart", K::BookmarkStart},
    {"bkmkend", K::SkipDestination},
    {"objdata", K::SkipDestination},
    {"objclass", K::SkipDestination},
    {"objname", K::SkipDestination},
    {"listtable", K::SkipDestination},
    {"listoverridetable", K::SkipDestination},
    {"revtbl", K::SkipDestination},
    {"rsidtbl", K::SkipDestination},
    {"filetbl", K::SkipDestination},
    {"generator", K::SkipDestination},
    {"xmlnstbl", K::SkipDestination},
    {"themedata", K::SkipDestination},
    {"colorschememapping", K::SkipDestination},
    {"datastore", K::SkipDestination},
    {"latentstyles", K::SkipDestination},
    {"pgdsctbl", K::SkipDestination},
    {"mmathPr", K::SkipDestination},
    {"pn", K::SkipDestination},
    {"pnseclvl", K::SkipDestination},
    {"pntxta", K::SkipDestination},
    {"pntxtb", K::SkipDestination},
    {"template", K::SkipDestination},
    {"userprops", K::SkipDestination},
    {"docvar", K::SkipDestination},
    {"xe", K::SkipDestination},
    {"tc", K::SkipDestination},
    {"tcn", K::SkipDestination},
    {"txe", K::SkipDestination},
    {"rxe", K::SkipDestination},
    {"bxe", K::SkipDestination},
    {"do", K::SkipDestination},
    {"ftnsep", K::SkipDestination},
    {"ftnsepc", K::SkipDestination},
    {"ftncn", K::SkipDestination},
    {"aftnsep", K::SkipDestination},
    {"aftnsepc", K::SkipDestination},
    {"aftncn", K::SkipDestination},
    {"comment", K::SkipDestination},
    {"private", K::SkipDestination},
    {"protusertbl", K::SkipDestination},
    {"wgrffmtfilter", K::SkipDestination},
    {"fchars", K::SkipDestination},
    {"lchars", K::SkipDestination},
    {"shpinst", K::SkipDestination},
    {"sp", K::SkipDestination},
    {"sn", K::SkipDestination},
    {"sv", K::SkipDestination},
    {"panose", K::SkipDestination},
    {"keycode", K::SkipDestination},
    {"datafield", K::SkipDestination},
    {"blipuid", K::SkipDestination},
    {"picprop", K::SkipDestination},
    {"listpicture", K::SkipDestination},
    {"pgptbl", K::SkipDestination},
    {"ud", K::SkipDestination},
    {"nesttableprops", K::NestedTableProperties},
    {"nonesttables", K::SkipDestination},
    {"htmltag", K::SkipDestination},
    {"mhtmltag", K::SkipDestination},
};

constexpr Entry kFontWords[] = {
    {"deff", K::DefaultFont},         {"f", K::Font},
    {"fnil", K::FontFamilyNil},       {"froman", K::FontFamilyRoman},
    {"fswiss", K::FontFamilySwiss},   {"fmodern", K::FontFamilyModern},
    {"fscript", K::FontFamilyScript}, {"fdecor", K::FontFamilyDecor},
    {"ftech", K::FontFamilyTech},     {"fbidi", K::FontFamilyNil},
    {"fcharset", K::FontCharset},     {"cpg", K::FontCodePage},
};

constexpr Entry kColorWords[] = {
    {"red", K::Red},
    {"green", K::Green},
    {"blue", K::Blue},
};

// A style reference (\cs, \s, \ds, \ts) is known but does nothing: writers follow it with the
// formatting the style stands for.
constexpr Entry kCharacterWords[] = {
    {"plain", K::Plain},
    {"b", K::Bold},
    {"i", K::Italic},
    {"ul", K::Underline},
    {"uld", K::Underline},
    {"uldb", K::Underline},
    {"ulw", K::Underline},
    {"ulwave", K::Underline},
    {"ulth", K::Underline},
    {"uldash", K::Underline},
    {"uldashd", K::Underline},
    {"uldashdd", K::Underline},
    {"ulhwave", K::Underline},
    {"ulldash", K::Underline},
    {"ulthd", K::Underline},
    {"ulthdash", K::Underline},
    {"ululdbwave", K::Underline},
    {"ulnone", K::UnderlineNone},
    {"strike", K::Strike},
    {"striked", K::Strike},
    {"super", K::Super},
    {"sub", K::Sub},
    {"nosupersub", K::NoSuperSub},
    {"fs", K::FontSize},
    {"cf", K::Foreground},
    {"cb", K::Background},
    {"highlight", K::Background},
    {"chcbpat", K::Background},
    {"v", K::Hidden},
    {"cs", K::StyleReference},
};

constexpr Entry kParagraphWords[] = {
    {"pard", K::ParagraphDefault}, {"par", K::Paragraph},      {"sect", K::Paragraph},
    {"page", K::Paragraph},        {"column", K::Paragraph},   {"ql", K::AlignLeft},
    {"qc", K::AlignCenter},        {"qr", K::AlignRight},      {"qj", K::AlignJustify},
    {"qd", K::AlignJustify},       {"li", K::LeftIndent},      {"lin", K::LeftIndent},
    {"ri", K::RightIndent},        {"rin", K::RightIndent},    {"fi", K::FirstIndent},
    {"sb", K::SpaceBefore},        {"sa", K::SpaceAfter},      {"sl", K::LineSpacing},
    {"slmult", K::LineMultiple},   {"rtlpar", K::RightToLeft}, {"ltrpar", K::LeftToRight},
    {"intbl", K::InTable},         {"itap", K::NestingLevel},  {"s", K::StyleReference},
    {"ds", K::StyleReference},
};

constexpr Entry kTableWords[] = {
    {"trowd", K::RowDefaults}, {"cellx", K::CellBoundary},  {"cell", K::Cell},
    {"row", K::Row},           {"nestcell", K::NestedCell}, {"nestrow", K::NestedRow},
    {"ts", K::StyleReference},
};

constexpr Entry kPictureWords[] = {
    {"pngblip", K::PngBlip},           {"jpegblip", K::JpegBlip},
    {"emfblip", K::OtherBlip},         {"wmetafile", K::OtherBlip},
    {"macpict", K::OtherBlip},         {"pmmetafile", K::OtherBlip},
    {"dibitmap", K::OtherBlip},        {"wbitmap", K::OtherBlip},
    {"picw", K::PictureWidth},         {"pich", K::PictureHeight},
    {"picwgoal", K::PictureGoalWidth}, {"pichgoal", K::PictureGoalHeight},
    {"picscalex", K::PictureScaleX},   {"picscaley", K::PictureScaleY},
};

using Table = std::unordered_map<std::string_view, RtfWord>;

void add(Table& table, RtfWordGroup group, std::span<const Entry> entries)
{
    for (const Entry& entry : entries)
        table.emplace(entry.word, RtfWord{group, entry.keyword, 0});
}

const Table& words()
{
    static const Table kWords = [] {
        Table t;
        add(t, RtfWordGroup::Encoding, kEncodingWords);
        add(t, RtfWordGroup::Destination, kDestinationWords);
        add(t, RtfWordGroup::Font, kFontWords);
        add(t, RtfWordGroup::Color, kColorWords);
        add(t, RtfWordGroup::Character, kCharacterWords);
        add(t, RtfWordGroup::Paragraph, kParagraphWords);
        add(t, RtfWordGroup::Table, kTableWords);
        add(t, RtfWordGroup::Picture, kPictureWords);
        for (const RtfSpecialCharacter& special : kRtfSpecialCharacters)
            t.emplace(special.word,
                      RtfWord{RtfWordGroup::SpecialCharacter, K::Unknown, special.character});
        return t;
    }();
    return kWords;
}

} // namespace

RtfWord lookupWord(std::string_view word)
{
    const Table& table = words();
    const auto it = table.find(word);
    return it == table.end() ? RtfWord() : it->second;
}

} // namespace richtext
