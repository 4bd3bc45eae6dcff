#include "rtfparser.h"

// Own
#include "rtffield.h"
#include "rtfformats.h"
#include "rtfunits.h"

// Qt
#include <QTextDocument>

// Standard library
#include <utility>

namespace richtext {

namespace {

using Token = RtfTokenizer::Token;
using Dest = RtfGroupState::Destination;

bool isOn(const Token& token)
{
    return !token.hasParam || token.param != 0;
}

QFont::StyleHint styleHint(RtfKeyword keyword)
{
    switch (keyword) {
    case RtfKeyword::FontFamilyRoman:
        return QFont::Serif;
    case RtfKeyword::FontFamilySwiss:
        return QFont::SansSerif;
    case RtfKeyword::FontFamilyModern:
        return QFont::TypeWriter;
    case RtfKeyword::FontFamilyScript:
        return QFont::Cursive;
    case RtfKeyword::FontFamilyDecor:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

} // namespace

RtfParser::RtfParser(QByteArrayView input, qsizetype start, QTextDocument* doc)
    : m_tokenizer(input, start), m_builder(doc), m_input(input)
{
    m_stack.reserve(64);
}

void RtfParser::run()
{
    bool documentClosed = false;
    while (!documentClosed) {
        const Token token = m_tokenizer.next();
        switch (token.type) {
        case RtfTokenizer::Type::End:
            documentClosed = true;
            break;
        case RtfTokenizer::Type::GroupStart:
            openGroup();
            break;
        case RtfTokenizer::Type::GroupEnd:
            documentClosed = !closeGroup();
            break;
        case RtfTokenizer::Type::ControlWord:
            onControlWord(token);
            break;
        case RtfTokenizer::Type::ControlSymbol:
            onControlSymbol(token.symbol);
            break;
        case RtfTokenizer::Type::BadHex:
            recover("a damaged \\' escape");
            m_starred = false;
            if (m_fallbackToSkip > 0)
                --m_fallbackToSkip;
            break;
        case RtfTokenizer::Type::Text:
            onText(token.data);
            break;
        case RtfTokenizer::Type::Binary:
            onBinary(token.data);
            break;
        }
    }
    if (!m_stack.empty()) {
        // Truncated: keep what was read. The picture being read is incomplete, drop it.
        settle();
        recover("the document ends before its closing brace");
    }
    if (m_tokenizer.binaryTruncated())
        recover("\\bin data runs past the end");
    // Anything but white space after the document's closing brace is ignored, as Word does.
    for (qsizetype i = m_tokenizer.position(); i < m_input.size(); ++i) {
        const char c = m_input[i];
        if (c != ' ' && c != '\r' && c != '\n' && c != '\t' && c != '\0') {
            recover("text after the document's closing brace");
            break;
        }
    }
    m_builder.finish();
}

void RtfParser::recover(const char* what)
{
    if (!m_recovered)
        m_recoveryNote = QString::fromLatin1(what);
    m_recovered = true;
}

void RtfParser::openGroup()
{
    settle();
    m_starred = false;
    m_fallbackToSkip = 0;
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    if (int(m_stack.size()) >= kMaxDepth) {
        ++m_overflowDepth;
        recover("groups nested too deeply");
        return;
    }
    m_stack.push_back(m_stack.back());
}

bool RtfParser::closeGroup()
{
    settle();
    m_starred = false;
    m_fallbackToSkip = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return true;
    }
    if (m_stack.empty())
        return false;
    if (m_fonts.endGroup(int(m_stack.size())))
        invalidateFormats();
    const RtfGroupState closed = m_stack.back();
    m_stack.pop_back();
    const Dest parent = m_stack.empty() ? Dest::Text : m_stack.back().destination;
    if (closed.destination == Dest::Picture && parent != Dest::Picture && !m_stack.empty())
        finishPicture(closed.inShapePicture);
    else if (closed.destination == Dest::FieldInstruction && parent != Dest::FieldInstruction)
        finishFieldInstruction();
    return !m_stack.empty();
}

void RtfParser::skipGroup()
{
    // The document's own group is never skipped: a destination word out of place at the top
    // level would otherwise hide the whole document.
    if (m_stack.size() <= 1 && m_overflowDepth == 0)
        return;
    settle();
    if (!m_tokenizer.skipGroup())
        recover("the document ends inside a skipped group");
    closeGroup();
}

void RtfParser::onControlWord(const Token& token)
{
    const RtfKeyword keyword = lookupKeyword(token.word);
    if (m_starred) {
        m_starred = false;
        // \* asks a reader to skip the group unless it knows the word after it. A word we know
        // is obeyed wherever it stands (Word writes \*\cs character styles in mid-group); the
        // destinations we know but never show skip their group as they do without \*.
        if (keyword == RtfKeyword::Unknown) {
            skipGroup();
            return;
        }
    }
    // A fallback is text; a control word ends it (writers never put one there).
    m_fallbackToSkip = 0;
    if (keyword != RtfKeyword::Unicode)
        settle();

    RtfGroupState& s = state();
    RtfGroupState::Char& ch = s.character;
    RtfGroupState::Para& para = s.paragraph;
    const int p = token.param;
    switch (keyword) {
    case RtfKeyword::Unknown:
    case RtfKeyword::StyleReference:
        break;

    case RtfKeyword::Ansi:
        m_documentCodePage = 1252;
        invalidateFormats();
        break;
    case RtfKeyword::Mac:
        m_documentCodePage = 10000;
        invalidateFormats();
        break;
    case RtfKeyword::Pc:
        m_documentCodePage = 437;
        invalidateFormats();
        break;
    case RtfKeyword::Pca:
        m_documentCodePage = 850;
        invalidateFormats();
        break;
    case RtfKeyword::AnsiCodePage:
        if (token.hasParam && p > 0) {
            m_documentCodePage = p;
            invalidateFormats();
        }
        break;
    case RtfKeyword::DefaultFont:
        m_fonts.setDefaultFont(p);
        invalidateFormats();
        break;
    case RtfKeyword::UnicodeSkip:
        s.unicodeSkip = token.hasParam ? qBound(0, p, 16) : 1;
        break;
    case RtfKeyword::Unicode:
        if (token.hasParam) {
            emitText(m_decoder.decodeUnicode(p));
            m_fallbackToSkip = s.unicodeSkip;
        }
        break;

    case RtfKeyword::FontTable:
        s.destination = Dest::FontTable;
        if (m_fonts.endEntry())
            invalidateFormats();
        break;
    case RtfKeyword::ColorTable:
        s.destination = Dest::ColorTable;
        m_colors.clear();
        invalidateFormats();
        break;
    case RtfKeyword::FontRealName:
    case RtfKeyword::FontAltName:
        if (s.destination == Dest::FontTable) {
            s.destination =
                keyword == RtfKeyword::FontRealName ? Dest::FontRealName : Dest::FontAltName;
        } else {
            skipGroup();
        }
        break;
    case RtfKeyword::Picture:
        s.destination = Dest::Picture;
        m_picture = RtfPicture();
        break;
    case RtfKeyword::FieldInstruction:
        s.destination = Dest::FieldInstruction;
        m_fieldInstruction.clear();
        break;
    case RtfKeyword::FieldResult:
        if (s.destination == Dest::Text) {
            ch.link = m_pendingLink;
            m_pendingLink = 0;
        }
        break;
    case RtfKeyword::ShapePicture:
        s.inShapePicture = true;
        m_shapePictureShown = false;
        break;
    case RtfKeyword::NonShapePicture:
        // The alternative for readers without shapes: only wanted when the shape gave nothing.
        if (m_shapePictureShown) {
            m_shapePictureShown = false;
            skipGroup();
        }
        break;
    case RtfKeyword::NestedTableProperties:
        // Word puts only row properties here, but some writers put the nested cells' text in
        // too; read it, keeping the outer row's definition.
        s.inNestedRowProperties = true;
        break;
    case RtfKeyword::SkipDestination:
        skipGroup();
        break;

    case RtfKeyword::Font:
        if (s.destination == Dest::FontTable) {
            if (m_fonts.beginEntry(p, int(m_stack.size())))
                invalidateFormats();
        } else if (s.destination == Dest::Text) {
            ch.font = p;
        }
        break;
    case RtfKeyword::FontFamilyNil:
    case RtfKeyword::FontFamilyRoman:
    case RtfKeyword::FontFamilySwiss:
    case RtfKeyword::FontFamilyModern:
    case RtfKeyword::FontFamilyScript:
    case RtfKeyword::FontFamilyDecor:
    case RtfKeyword::FontFamilyTech:
        if (s.destination == Dest::FontTable)
            m_fonts.setStyleHint(styleHint(keyword));
        break;
    case RtfKeyword::FontCharset:
        if (s.destination == Dest::FontTable)
            m_fonts.setCharset(p);
        break;
    case RtfKeyword::FontCodePage:
        if (s.destination == Dest::FontTable && p > 0)
            m_fonts.setCodePage(p);
        break;

    case RtfKeyword::Red:
        m_colors.setRed(p);
        break;
    case RtfKeyword::Green:
        m_colors.setGreen(p);
        break;
    case RtfKeyword::Blue:
        m_colors.setBlue(p);
        break;

    case RtfKeyword::Plain: {
        const int link = ch.link;
        ch = RtfGroupState::Char();
        ch.link = link;
        break;
    }
    case RtfKeyword::Bold:
        ch.bold = isOn(token);
        break;
    case RtfKeyword::Italic:
        ch.italic = isOn(token);
        break;
    case RtfKeyword::Underline:
        ch.underline = isOn(token);
        break;
    case RtfKeyword::UnderlineNone:
        ch.underline = false;
        break;
    case RtfKeyword::Strike:
        ch.strike = isOn(token);
        break;
    case RtfKeyword::Super:
        ch.verticalAlign = isOn(token) ? 1 : 0;
        break;
    case RtfKeyword::Sub:
        ch.verticalAlign = isOn(token) ? -1 : 0;
        break;
    case RtfKeyword::NoSuperSub:
        ch.verticalAlign = 0;
        break;
    case RtfKeyword::FontSize:
        ch.halfPoints = token.hasParam && p > 0 ? qBound(2, p, kMaxHalfPoints) : 24;
        break;
    case RtfKeyword::Foreground:
        ch.foreground = qBound(0, p, RtfColorTable::kMaxEntries);
        break;
    case RtfKeyword::Background:
        ch.background = qBound(0, p, RtfColorTable::kMaxEntries);
        break;
    case RtfKeyword::Hidden:
        ch.hidden = isOn(token);
        break;

    case RtfKeyword::ParagraphDefault:
        para = RtfGroupState::Para();
        break;
    case RtfKeyword::Paragraph:
        if (s.destination == Dest::Text) {
            syncFormats();
            m_builder.endParagraph();
        }
        break;
    case RtfKeyword::Line:
        emitChar(QChar::LineSeparator);
        break;
    case RtfKeyword::Tab:
        emitChar(u'\t');
        break;
    case RtfKeyword::AlignLeft:
        para.align = RtfGroupState::Para::Align::Left;
        break;
    case RtfKeyword::AlignCenter:
        para.align = RtfGroupState::Para::Align::Center;
        break;
    case RtfKeyword::AlignRight:
        para.align = RtfGroupState::Para::Align::Right;
        break;
    case RtfKeyword::AlignJustify:
        para.align = RtfGroupState::Para::Align::Justify;
        break;
    case RtfKeyword::LeftIndent:
        para.leftIndent = clampTwips(p);
        break;
    case RtfKeyword::RightIndent:
        para.rightIndent = clampTwips(p);
        break;
    case RtfKeyword::FirstIndent:
        para.firstIndent = clampTwips(p);
        break;
    case RtfKeyword::SpaceBefore:
        para.spaceBefore = clampTwips(p);
        break;
    case RtfKeyword::SpaceAfter:
        para.spaceAfter = clampTwips(p);
        break;
    case RtfKeyword::LineSpacing:
        para.lineSpacing = clampTwips(p);
        break;
    case RtfKeyword::LineMultiple:
        para.lineMultiple = isOn(token);
        break;
    case RtfKeyword::RightToLeft:
        para.rightToLeft = true;
        break;
    case RtfKeyword::LeftToRight:
        para.rightToLeft = false;
        break;
    case RtfKeyword::InTable:
        para.inTable = true;
        break;
    case RtfKeyword::NestingLevel:
        para.nestingLevel = qBound(0, p, 64);
        para.inTable = para.nestingLevel > 0;
        break;

    case RtfKeyword::RowDefaults:
        if (s.inNestedRowProperties)
            break;
        m_rowBoundaries.clear();
        m_builder.setRowBoundaries(m_rowBoundaries);
        break;
    case RtfKeyword::CellBoundary:
        if (!s.inNestedRowProperties && m_rowBoundaries.size() < RtfDocumentBuilder::kMaxColumns) {
            m_rowBoundaries.append(qBound(0, p, kMaxTwips * 4));
            m_builder.setRowBoundaries(m_rowBoundaries);
        }
        break;
    case RtfKeyword::Cell:
        if (s.destination == Dest::Text) {
            syncFormats();
            m_builder.endCell();
        }
        break;
    case RtfKeyword::Row:
        if (s.destination == Dest::Text)
            m_builder.endRow();
        break;
    case RtfKeyword::NestedCell:
    case RtfKeyword::NestedRow:
        // Nested tables keep their text: each nested cell becomes a paragraph of the outer one.
        if (s.destination == Dest::Text) {
            syncFormats();
            m_builder.endParagraph(false);
        }
        break;

    case RtfKeyword::PngBlip:
        m_picture.setFormat(RtfPicture::Format::Png);
        break;
    case RtfKeyword::JpegBlip:
        m_picture.setFormat(RtfPicture::Format::Jpeg);
        break;
    case RtfKeyword::OtherBlip:
        m_picture.setFormat(RtfPicture::Format::Unsupported);
        break;
    case RtfKeyword::PictureWidth:
    case RtfKeyword::PictureHeight:
        break; // the image has its own size
    case RtfKeyword::PictureGoalWidth:
        m_picture.setGoalWidth(p);
        break;
    case RtfKeyword::PictureGoalHeight:
        m_picture.setGoalHeight(p);
        break;
    case RtfKeyword::PictureScaleX:
        m_picture.setScaleX(p);
        break;
    case RtfKeyword::PictureScaleY:
        m_picture.setScaleY(p);
        break;

    case RtfKeyword::EmDash:
        emitChar(0x2014);
        break;
    case RtfKeyword::EnDash:
        emitChar(0x2013);
        break;
    case RtfKeyword::EmSpace:
        emitChar(0x2003);
        break;
    case RtfKeyword::EnSpace:
        emitChar(0x2002);
        break;
    case RtfKeyword::QuarterEmSpace:
        emitChar(0x2005);
        break;
    case RtfKeyword::Bullet:
        emitChar(0x2022);
        break;
    case RtfKeyword::LeftQuote:
        emitChar(0x2018);
        break;
    case RtfKeyword::RightQuote:
        emitChar(0x2019);
        break;
    case RtfKeyword::LeftDoubleQuote:
        emitChar(0x201C);
        break;
    case RtfKeyword::RightDoubleQuote:
        emitChar(0x201D);
        break;
    case RtfKeyword::ZeroWidthJoiner:
        emitChar(0x200D);
        break;
    case RtfKeyword::ZeroWidthNonJoiner:
        emitChar(0x200C);
        break;
    case RtfKeyword::LeftToRightMark:
        emitChar(0x200E);
        break;
    case RtfKeyword::RightToLeftMark:
        emitChar(0x200F);
        break;
    }
}

void RtfParser::onControlSymbol(char symbol)
{
    if (symbol == '*') {
        m_starred = true;
        return;
    }
    m_starred = false;
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}': {
        const char byte = symbol;
        addBytes(QByteArrayView(&byte, 1));
        break;
    }
    case '~':
        emitChar(0x00A0);
        break;
    case '-':
        emitChar(0x00AD);
        break;
    case '_':
        emitChar(0x2011);
        break;
    case '\n':
        if (state().destination == Dest::Text) {
            settle();
            syncFormats();
            m_builder.endParagraph();
        }
        break;
    default:
        break; // \: \| and the other symbols of index entries and formulas
    }
}

void RtfParser::onText(QByteArrayView bytes)
{
    m_starred = false;
    if (m_fallbackToSkip > 0) {
        const qsizetype skipped = qMin(qsizetype(m_fallbackToSkip), bytes.size());
        m_fallbackToSkip -= int(skipped);
        bytes = bytes.sliced(skipped);
        if (bytes.isEmpty())
            return;
    }
    switch (state().destination) {
    case Dest::Picture:
        m_picture.appendHex(bytes);
        return;
    case Dest::ColorTable:
        for (const char c : bytes) {
            if (c == ';') {
                m_colors.endEntry();
                invalidateFormats();
            }
        }
        return;
    case Dest::FontTable: {
        qsizetype start = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == ';') {
                addBytes(bytes.sliced(start, i - start));
                settle();
                m_fonts.endName();
                start = i + 1;
            }
        }
        addBytes(bytes.sliced(start));
        return;
    }
    case Dest::FontRealName:
    case Dest::FontAltName: {
        // {\*\fname Arial;}: the semicolon ends the name as in the table itself.
        const qsizetype end = bytes.indexOf(';');
        addBytes(end < 0 ? bytes : bytes.first(end));
        return;
    }
    default:
        addBytes(bytes);
        return;
    }
}

void RtfParser::onBinary(QByteArrayView bytes)
{
    m_starred = false;
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    if (state().destination == Dest::Picture)
        m_picture.appendBinary(bytes);
}

void RtfParser::addBytes(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const RtfGroupState& s = state();
    if (s.destination == Dest::Text && s.character.hidden)
        return;
    emitText(m_decoder.decode(bytes, textCodePage()));
}

void RtfParser::emitText(QStringView text)
{
    if (text.isEmpty())
        return;
    RtfGroupState& s = state();
    switch (s.destination) {
    case Dest::Text:
        if (s.character.hidden)
            return;
        syncFormats();
        m_builder.appendText(text);
        if (s.inShapePicture)
            break;
        m_shapePictureShown = false;
        break;
    case Dest::FontTable:
        m_fonts.appendName(RtfFontTable::Name::Own, text);
        break;
    case Dest::FontRealName:
        m_fonts.appendName(RtfFontTable::Name::Real, text);
        break;
    case Dest::FontAltName:
        m_fonts.appendName(RtfFontTable::Name::Alternative, text);
        break;
    case Dest::FieldInstruction:
        if (m_fieldInstruction.size() < 4096)
            m_fieldInstruction.append(text);
        break;
    case Dest::ColorTable:
    case Dest::Picture:
        break;
    }
}

void RtfParser::emitChar(char16_t c)
{
    settle();
    emitText(QStringView(&c, 1));
}

void RtfParser::settle()
{
    if (m_decoder.hasHeld())
        emitText(m_decoder.flush());
}

void RtfParser::syncFormats()
{
    const RtfGroupState& s = state();
    if (m_formatsValid && s.character == m_syncedChar && s.paragraph == m_syncedPara)
        return;
    if (!m_formatsValid || !(s.character == m_syncedChar)) {
        m_builder.setCharFormat(charFormat(s.character, m_fonts, m_colors, m_links));
        m_syncedChar = s.character;
    }
    if (!m_formatsValid || !(s.paragraph == m_syncedPara)) {
        m_builder.setParagraph(blockFormat(s.paragraph), s.paragraph.inTable);
        m_syncedPara = s.paragraph;
    }
    m_formatsValid = true;
}

const CodePage& RtfParser::textCodePage()
{
    const RtfGroupState& s = state();
    if (s.destination == Dest::FontTable || s.destination == Dest::FontRealName ||
        s.destination == Dest::FontAltName) {
        return m_decoder.codePage(m_fonts.nameCodePage(m_documentCodePage));
    }
    const int font = s.character.font < 0 ? m_fonts.defaultFont() : s.character.font;
    if (m_textCodePage && font == m_textCodePageFont)
        return *m_textCodePage;
    const RtfFont* entry = m_fonts.find(font);
    const int number = entry && entry->codePage > 0 ? entry->codePage : m_documentCodePage;
    m_textCodePage = &m_decoder.codePage(number);
    m_textCodePageFont = font;
    return *m_textCodePage;
}

void RtfParser::invalidateFormats()
{
    m_formatsValid = false;
    m_textCodePage = nullptr;
}

void RtfParser::finishPicture(bool inShapePicture)
{
    const RtfPicture picture = std::exchange(m_picture, RtfPicture());
    const RtfGroupState& s = state();
    if (s.destination != Dest::Text || s.character.hidden)
        return;
    const RtfPicture::Decoded decoded = picture.decode(&m_pixelBudget);
    if (decoded.failure)
        recover(decoded.failure);
    if (decoded.image.isNull())
        return;
    syncFormats();
    m_builder.appendImage(decoded.image, decoded.size);
    m_shapePictureShown = inShapePicture;
}

void RtfParser::finishFieldInstruction()
{
    const QString target = hyperlinkTarget(m_fieldInstruction);
    m_fieldInstruction.clear();
    m_pendingLink = 0;
    if (target.isEmpty() || m_links.size() >= kMaxLinks)
        return;
    m_links.append(target);
    m_pendingLink = int(m_links.size());
}

} // namespace richtext
