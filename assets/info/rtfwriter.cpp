// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/info/rtfwriter.h"

// Local
#include "assets/info/cp1251.h"

// Standard library
#include <cstdint>
#include <cstdio>

namespace info {

namespace {

using Kind = InfoDocument::Block::Kind;

// Past this, a space in the text ends the line: the file stays readable in a text editor, and
// no line comes near kMaxLine unless a word is very long.
constexpr std::size_t kSoftLine = 120;

// Colour table entries (\cfN); 0 is the reader's automatic colour.
constexpr int kHeadingColour = 1;
constexpr int kSpanColour = 2;
constexpr int kHeaderShading = 3;
constexpr int kLinkColour = 4;

constexpr int kBodyHalfPoints = 20;

// A4 with 2 cm margins at the sides and 1.5 cm at top and bottom, so that each language fits on
// a page; tables span the text column between the side margins.
constexpr int kPaperWidthTwips = 11906;
constexpr int kPaperHeightTwips = 16838;
constexpr int kSideMarginTwips = 1134;
constexpr int kTopMarginTwips = 850;
constexpr int kTextWidthTwips = kPaperWidthTwips - 2 * kSideMarginTwips;
constexpr int kCellGapTwips = 108;

int languageId(InfoDocument::Language language)
{
    return language == InfoDocument::Language::English ? 1033 : 1049;
}

// True when rtf ends in a control word (\letters with an optional number), which text written
// straight after it would extend.
bool endsInControlWord(std::string_view rtf)
{
    const std::size_t slash = rtf.rfind('\\');
    if (slash == std::string_view::npos || slash + 1 >= rtf.size()) {
        return false;
    }
    std::size_t i = slash + 1;
    const std::size_t letters = i;
    while (i < rtf.size() &&
           ((rtf[i] >= 'a' && rtf[i] <= 'z') || (rtf[i] >= 'A' && rtf[i] <= 'Z'))) {
        ++i;
    }
    if (i == letters) {
        return false;
    }
    if (i < rtf.size() && rtf[i] == '-') {
        ++i;
    }
    while (i < rtf.size() && rtf[i] >= '0' && rtf[i] <= '9') {
        ++i;
    }
    return i == rtf.size();
}

} // namespace

std::string RtfWriter::write(const InfoDocument& document, std::string_view generator)
{
    RtfWriter writer;
    writer.header(generator);
    const std::vector<InfoDocument::Block>& blocks = document.blocks;
    auto isBullet = [&](std::size_t k) {
        return k < blocks.size() && blocks[k].kind == Kind::Bullet;
    };
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].kind == Kind::Table) {
            writer.table(blocks[i]);
        } else {
            writer.block(blocks[i], i > 0 && isBullet(i - 1), !isBullet(i + 1));
        }
    }
    // Readers expect a paragraph after a table; a page break at the end needs one to break to.
    if (writer.breakBefore_ || (!blocks.empty() && blocks.back().kind == Kind::Table)) {
        writer.pard("");
        writer.raw("\\par");
        writer.lineBreak();
    }
    writer.raw("}");
    writer.lineBreak();
    return std::move(writer.out_);
}

void RtfWriter::header(std::string_view generator)
{
    raw("{\\rtf1\\ansi\\ansicpg1251\\deff0\\nouicompat\\deflang1049");
    raw("{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}{\\f1\\froman\\fcharset204 Times New Roman;}"
        "{\\f2\\fnil\\fcharset2 Symbol;}}");
    lineBreak();
    raw("{\\colortbl ;\\red0\\green51\\blue102;\\red176\\green32\\blue32;"
        "\\red221\\green232\\blue243;\\red5\\green99\\blue193;}");
    lineBreak();
    raw("{\\*\\generator " + std::string(generator) + ";}");
    lineBreak();
    const std::string side = std::to_string(kSideMarginTwips);
    const std::string top = std::to_string(kTopMarginTwips);
    raw("\\paperw" + std::to_string(kPaperWidthTwips) + "\\paperh" +
        std::to_string(kPaperHeightTwips) + "\\margl" + side + "\\margr" + side + "\\margt" + top +
        "\\margb" + top);
    raw("\\viewkind4\\uc1");
    lineBreak();
}

void RtfWriter::block(const InfoDocument::Block& block, bool continuesList, bool endsList)
{
    CharFormat base{.halfPoints = kBodyHalfPoints, .language = languageId(block.language)};
    switch (block.kind) {
    case Kind::PageBreak:
        breakBefore_ = true;
        return;
    case Kind::Title:
        pard("\\keepn\\qc\\sa160");
        base.font = 1;
        base.halfPoints = 36;
        base.colour = kHeadingColour;
        base.bold = true;
        break;
    case Kind::Heading:
        pard("\\keepn\\sb200\\sa60");
        base.halfPoints = 26;
        base.colour = kHeadingColour;
        base.bold = true;
        break;
    case Kind::Bullet:
        // WordPad's form: the first item defines the list and its indents; the items after it
        // keep those paragraph properties and only repeat the visible bullet. Items sit closer
        // together than paragraphs, and the last one takes a paragraph's space after it.
        if (!continuesList) {
            pard("");
        }
        // The bullet is drawn in the character format in force where {\\pntext} opens, and
        // neither \\pard nor \\par resets it: set the item's own first, or the bullet takes the
        // look of the heading or styled text before it.
        setFormat(base);
        raw("{\\pntext\\f2\\'B7\\tab}");
        if (!continuesList) {
            raw("{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'B7}}");
            raw("\\fi-360\\li720");
            raw(endsList ? "\\sa100" : "\\sa60");
        } else if (endsList) {
            raw("\\sa100");
        }
        break;
    case Kind::Paragraph:
    case Kind::Table:
        pard("\\sa100");
        break;
    }
    text(block.text, base, block.bookmark);
    raw("\\par");
    lineBreak();
}

void RtfWriter::table(const InfoDocument::Block& block)
{
    const CharFormat base{.halfPoints = kBodyHalfPoints, .language = languageId(block.language)};
    // Cell edges are placed from the running percentage so that rounding never accumulates and
    // the last edge lands exactly on the text column's right margin.
    constexpr int span = kTextWidthTwips + 2 * kCellGapTwips;
    for (const InfoDocument::Row& row : block.rows) {
        raw("\\trowd\\trgaph108\\trleft-108");
        int percent = 0;
        for (const int width : block.widths) {
            percent += width;
            const int edge = -kCellGapTwips + (span * percent + 50) / 100;
            std::string cell = "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs"
                               "\\clbrdrr\\brdrw10\\brdrs\\clbrdrb\\brdrw10\\brdrs";
            if (row.header) {
                cell += "\\clcbpat" + std::to_string(kHeaderShading);
            }
            raw(cell + "\\cellx" + std::to_string(edge));
        }
        lineBreak();
        pard("\\intbl\\sa40");
        for (const InfoDocument::Text& cell : row.cells) {
            CharFormat format = base;
            format.bold = row.header;
            const bool first = &row == &block.rows.front() && &cell == &row.cells.front();
            text(cell, format, first ? block.bookmark : std::string());
            if (cell.empty()) {
                setFormat(format);
            }
            raw("\\cell");
        }
        raw("\\row");
        lineBreak();
    }
}

void RtfWriter::pard(std::string_view properties)
{
    // A page break goes before the next paragraph (\\pagebb) rather than into the text (\\page):
    // when the page before it is exactly full, \\page would leave a blank page.
    raw(std::string(breakBefore_ ? "\\pard\\pagebb" : "\\pard") + std::string(properties));
    breakBefore_ = false;
}

void RtfWriter::text(const InfoDocument::Text& text, const CharFormat& base,
                     const std::string& bookmark)
{
    if (!bookmark.empty()) {
        raw("{\\*\\bkmkstart " + bookmark + "}{\\*\\bkmkend " + bookmark + "}");
    }
    // The format outside the link, which the end of the field's groups brings back.
    CharFormat outside;
    const std::string* link = nullptr;
    for (const InfoDocument::Span& span : text) {
        if (link && *link != span.link) {
            raw("}}}");
            format_ = outside;
            link = nullptr;
        }
        if (!link && !span.link.empty()) {
            link = &span.link;
            raw("{\\field{\\*\\fldinst{HYPERLINK \\\\l \"" + span.link + "\"}}{\\fldrslt{");
            outside = format_;
        }
        CharFormat format = base;
        format.bold = base.bold || span.bold;
        format.italic = base.italic || span.italic;
        if (span.coloured) {
            format.colour = kSpanColour;
        }
        if (link) {
            format.colour = kLinkColour;
            format.underline = true;
        }
        setFormat(format);
        for (const char32_t c : span.text) {
            character(c);
        }
    }
    if (link) {
        raw("}}}");
        format_ = outside;
    }
}

void RtfWriter::setFormat(const CharFormat& format)
{
    std::string words;
    if (format.font != format_.font) {
        words += "\\f" + std::to_string(format.font);
    }
    if (format.halfPoints != format_.halfPoints) {
        words += "\\fs" + std::to_string(format.halfPoints);
    }
    if (format.colour != format_.colour) {
        words += "\\cf" + std::to_string(format.colour);
    }
    if (format.bold != format_.bold) {
        words += format.bold ? "\\b" : "\\b0";
    }
    if (format.italic != format_.italic) {
        words += format.italic ? "\\i" : "\\i0";
    }
    if (format.underline != format_.underline) {
        words += format.underline ? "\\ul" : "\\ulnone";
    }
    if (format.language != format_.language) {
        words += "\\lang" + std::to_string(format.language);
    }
    if (!words.empty()) {
        raw(words);
    }
    format_ = format;
}

void RtfWriter::character(char32_t c)
{
    char buffer[16];
    switch (c) {
    case U'\\':
        return raw("\\\\");
    case U'{':
        return raw("\\{");
    case U'}':
        return raw("\\}");
    case U'\t':
        return raw("\\tab");
    case 0x00A0:
        return raw("\\~");
    case 0x00AD:
        return raw("\\-");
    case 0x2011:
        return raw("\\_");
    default:
        break;
    }
    if (c >= 0x20 && c < 0x7F) {
        const std::size_t width = delimit_ ? 2 : 1;
        if (out_.size() - lineStart_ + width > kMaxLine) {
            lineBreak();
        }
        if (delimit_) {
            out_ += ' ';
            delimit_ = false;
        }
        out_ += static_cast<char>(c);
        if (c == U' ' && out_.size() - lineStart_ >= kSoftLine) {
            lineBreak();
        }
        return;
    }
    if (const std::optional<unsigned char> byte = Cp1251::fromUnicode(c); byte && *byte >= 0x80) {
        std::snprintf(buffer, sizeof buffer, "\\'%02x", *byte);
        return raw(buffer);
    }
    // \uN takes a signed 16-bit N, so characters past the BMP go as a surrogate pair; the '?' is
    // the one fallback character \uc1 announces, for readers without Unicode.
    auto unicode = [&](char32_t unit) {
        std::snprintf(buffer, sizeof buffer, "\\u%d?",
                      static_cast<int>(static_cast<int16_t>(unit)));
        raw(buffer);
    };
    if (c > 0xFFFF) {
        unicode(0xD800 + ((c - 0x10000) >> 10));
        unicode(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        unicode(c);
    }
}

void RtfWriter::raw(std::string_view rtf)
{
    if (out_.size() - lineStart_ + rtf.size() > kMaxLine) {
        lineBreak();
    }
    out_ += rtf;
    delimit_ = endsInControlWord(rtf);
}

void RtfWriter::lineBreak()
{
    if (out_.size() == lineStart_) {
        return;
    }
    out_ += "\r\n";
    lineStart_ = out_.size();
    // The line end itself ends a control word, so text on the next line needs no space before it.
    delimit_ = false;
}

} // namespace info
