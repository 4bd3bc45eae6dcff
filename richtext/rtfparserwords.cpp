// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// RtfParser's handlers of control words: one for each group of words (RtfWordGroup), called by
// RtfParser::onControlWord().

#include "richtext/rtfparser.h"

// Local
#include "richtext/rtfunits.h"

namespace richtext {

namespace {

using Dest = RtfGroupState::Destination;
using K = RtfKeyword;

bool isOn(const RtfTokenizer::Token& token)
{
    return !token.hasParam || token.param != 0;
}

} // namespace

void RtfParser::onEncodingWord(RtfKeyword keyword, const Token& token)
{
    RtfGroupState& s = state();
    switch (keyword) {
    case K::Ansi:
        setDocumentCodePage(1252);
        break;
    case K::Mac:
        setDocumentCodePage(10000);
        break;
    case K::Pc:
        setDocumentCodePage(437);
        break;
    case K::Pca:
        setDocumentCodePage(850);
        break;
    case K::AnsiCodePage:
        if (token.hasParam && token.param > 0)
            setDocumentCodePage(token.param);
        break;
    case K::UnicodeSkip:
        s.unicodeSkip = token.hasParam ? qBound(0, token.param, 16) : 1;
        break;
    case K::Unicode:
        if (token.hasParam) {
            emitText(decoder_.decodeUnicode(token.param));
            fallbackToSkip_ = s.unicodeSkip;
        }
        break;
    default:
        break;
    }
}

void RtfParser::onDestinationWord(RtfKeyword keyword)
{
    RtfGroupState& s = state();
    switch (keyword) {
    case K::FontTable:
        s.destination = Dest::FontTable;
        // Only damaged input opens a table inside an entry; the entry read so far is kept.
        if (fonts_.endEntry())
            invalidateFormats();
        break;
    case K::ColorTable:
        s.destination = Dest::ColorTable;
        colors_.clear();
        invalidateFormats();
        break;
    case K::FontRealName:
    case K::FontAltName:
        if (s.destination == Dest::FontTable)
            s.destination = keyword == K::FontRealName ? Dest::FontRealName : Dest::FontAltName;
        else
            skipGroup();
        break;
    case K::Picture:
        s.destination = Dest::Picture;
        picture_ = RtfPicture();
        break;
    case K::FieldInstruction:
        s.destination = Dest::FieldInstruction;
        fieldInstruction_.clear();
        break;
    case K::BookmarkStart:
        s.destination = Dest::BookmarkName;
        bookmarkName_.clear();
        break;
    case K::FieldResult:
        if (s.destination == Dest::Text) {
            s.character.link = pendingLink_;
            pendingLink_ = 0;
        }
        break;
    case K::ShapePicture:
        s.inShapePicture = true;
        shapePictureShown_ = false;
        break;
    case K::NonShapePicture:
        // The alternative for readers without shapes: only wanted when the shape gave nothing.
        if (shapePictureShown_) {
            shapePictureShown_ = false;
            skipGroup();
        }
        break;
    case K::NestedTableProperties:
        // Word puts only row properties here, but some writers put the nested cells' text in
        // too; read it, keeping the outer row's definition.
        s.inNestedRowProperties = true;
        break;
    case K::SkipDestination:
        skipGroup();
        break;
    default:
        break;
    }
}

void RtfParser::onFontWord(RtfKeyword keyword, int param)
{
    if (keyword == K::DefaultFont) {
        fonts_.setDefaultFont(param);
        invalidateFormats();
        return;
    }
    RtfGroupState& s = state();
    if (s.destination != Dest::FontTable) {
        if (keyword == K::Font && s.destination == Dest::Text)
            s.character.font = param;
        return;
    }
    switch (keyword) {
    case K::Font:
        if (fonts_.beginEntry(param, depth()))
            invalidateFormats();
        break;
    case K::FontFamilyNil:
    case K::FontFamilyTech:
        fonts_.setStyleHint(QFont::AnyStyle);
        break;
    case K::FontFamilyRoman:
        fonts_.setStyleHint(QFont::Serif);
        break;
    case K::FontFamilySwiss:
        fonts_.setStyleHint(QFont::SansSerif);
        break;
    case K::FontFamilyModern:
        fonts_.setStyleHint(QFont::TypeWriter);
        break;
    case K::FontFamilyScript:
        fonts_.setStyleHint(QFont::Cursive);
        break;
    case K::FontFamilyDecor:
        fonts_.setStyleHint(QFont::Decorative);
        break;
    case K::FontCharset:
        fonts_.setCharset(param);
        break;
    case K::FontCodePage:
        if (param > 0)
            fonts_.setCodePage(param);
        break;
    default:
        break;
    }
}

void RtfParser::onColorWord(RtfKeyword keyword, int param)
{
    switch (keyword) {
    case K::Red:
        colors_.setRed(param);
        break;
    case K::Green:
        colors_.setGreen(param);
        break;
    case K::Blue:
        colors_.setBlue(param);
        break;
    default:
        break;
    }
}

void RtfParser::onCharacterWord(RtfKeyword keyword, const Token& token)
{
    RtfGroupState::Char& ch = state().character;
    const int p = token.param;
    switch (keyword) {
    case K::Plain: {
        const int link = ch.link;
        ch = RtfGroupState::Char();
        ch.link = link;
        break;
    }
    case K::Bold:
        ch.bold = isOn(token);
        break;
    case K::Italic:
        ch.italic = isOn(token);
        break;
    case K::Underline:
        ch.underline = isOn(token);
        break;
    case K::UnderlineNone:
        ch.underline = false;
        break;
    case K::Strike:
        ch.strike = isOn(token);
        break;
    case K::Super:
        ch.verticalAlign = isOn(token) ? 1 : 0;
        break;
    case K::Sub:
        ch.verticalAlign = isOn(token) ? -1 : 0;
        break;
    case K::NoSuperSub:
        ch.verticalAlign = 0;
        break;
    case K::FontSize:
        ch.halfPoints = token.hasParam && p > 0 ? qBound(2, p, kMaxHalfPoints) : 24;
        break;
    case K::Foreground:
        ch.foreground = qBound(0, p, RtfColorTable::kMaxEntries);
        break;
    case K::Background:
        ch.background = qBound(0, p, RtfColorTable::kMaxEntries);
        break;
    case K::Hidden:
        ch.hidden = isOn(token);
        break;
    default:
        break;
    }
}

void RtfParser::onParagraphWord(RtfKeyword keyword, const Token& token)
{
    RtfGroupState::Para& para = state().paragraph;
    const int p = token.param;
    switch (keyword) {
    case K::ParagraphDefault:
        para = RtfGroupState::Para();
        break;
    case K::Paragraph:
        endParagraph();
        break;
    case K::AlignLeft:
        para.align = RtfGroupState::Para::Align::Left;
        break;
    case K::AlignCenter:
        para.align = RtfGroupState::Para::Align::Center;
        break;
    case K::AlignRight:
        para.align = RtfGroupState::Para::Align::Right;
        break;
    case K::AlignJustify:
        para.align = RtfGroupState::Para::Align::Justify;
        break;
    case K::LeftIndent:
        para.leftIndent = clampTwips(p);
        break;
    case K::RightIndent:
        para.rightIndent = clampTwips(p);
        break;
    case K::FirstIndent:
        para.firstIndent = clampTwips(p);
        break;
    case K::SpaceBefore:
        para.spaceBefore = clampTwips(p);
        break;
    case K::SpaceAfter:
        para.spaceAfter = clampTwips(p);
        break;
    case K::LineSpacing:
        para.lineSpacing = clampTwips(p);
        break;
    case K::LineMultiple:
        para.lineMultiple = isOn(token);
        break;
    case K::RightToLeft:
        para.rightToLeft = true;
        break;
    case K::LeftToRight:
        para.rightToLeft = false;
        break;
    case K::InTable:
        para.inTable = true;
        break;
    case K::NestingLevel:
        para.nestingLevel = qBound(0, p, 64);
        para.inTable = para.nestingLevel > 0;
        break;
    default:
        break;
    }
}

void RtfParser::onTableWord(RtfKeyword keyword, int param)
{
    const RtfGroupState& s = state();
    switch (keyword) {
    case K::RowDefaults:
        if (s.inNestedRowProperties)
            break;
        rowBoundaries_.clear();
        builder_.setRowBoundaries(rowBoundaries_);
        break;
    case K::CellBoundary:
        if (!s.inNestedRowProperties && rowBoundaries_.size() < RtfDocumentBuilder::kMaxColumns) {
            rowBoundaries_.append(qBound(0, param, kMaxTwips * 4));
            builder_.setRowBoundaries(rowBoundaries_);
        }
        break;
    case K::Cell:
        if (s.destination == Dest::Text) {
            syncFormats();
            builder_.endCell();
        }
        break;
    case K::Row:
        if (s.destination == Dest::Text)
            builder_.endRow();
        break;
    case K::NestedCell:
    case K::NestedRow:
        // Nested tables keep their text: each nested cell becomes a paragraph of the outer one.
        endParagraph(false);
        break;
    default:
        break;
    }
}

void RtfParser::onPictureWord(RtfKeyword keyword, int param)
{
    switch (keyword) {
    case K::PngBlip:
        picture_.setFormat(RtfPicture::Format::Png);
        break;
    case K::JpegBlip:
        picture_.setFormat(RtfPicture::Format::Jpeg);
        break;
    case K::OtherBlip:
        picture_.setFormat(RtfPicture::Format::Unsupported);
        break;
    case K::PictureGoalWidth:
        picture_.setGoalWidth(param);
        break;
    case K::PictureGoalHeight:
        picture_.setGoalHeight(param);
        break;
    case K::PictureScaleX:
        picture_.setScaleX(param);
        break;
    case K::PictureScaleY:
        picture_.setScaleY(param);
        break;
    default:
        break; // \picw and \pich: the image has its own size
    }
}

} // namespace richtext
