#include "rtfparser.h"

// Own
#include "rtffield.h"
#include "rtfformats.h"
#include "rtfspecialcharacters.h"
#include "rtfunits.h"

// Qt
#include <QTextDocument>

// Standard library
#include <utility>

namespace richtext {

namespace {

using Dest = RtfGroupState::Destination;
using K = RtfKeyword;

bool isOn(const RtfTokenizer::Token& token)
{
    return !token.hasParam || token.param != 0;
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
            onBadHex();
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
    checkTrailingBytes();
    m_builder.finish();
}

void RtfParser::recover(const char* what)
{
    if (!m_recovered)
        m_recoveryNote = QString::fromLatin1(what);
    m_recovered = true;
}

void RtfParser::checkTrailingBytes()
{
    // Anything but white space after the document's closing brace is ignored, as Word does.
    for (qsizetype i = m_tokenizer.position(); i < m_input.size(); ++i) {
        const char c = m_input[i];
        if (c != ' ' && c != '\r' && c != '\n' && c != '\t' && c != '\0') {
            recover("text after the document's closing brace");
            return;
        }
    }
}

// Groups

void RtfParser::openGroup()
{
    settle();
    m_starred = false;
    m_fallbackToSkip = 0;
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    if (depth() >= kMaxDepth) {
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
    if (m_fonts.endGroup(depth()))
        invalidateFormats();
    const RtfGroupState closed = m_stack.back();
    m_stack.pop_back();
    // Pictures and field instructions end with their outermost group: groups inside them
    // ({\*\blipuid ...}, {\*\fldinst{HYPERLINK ...}}) carry the same destination.
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

// Tokens

void RtfParser::onControlWord(const Token& token)
{
    const RtfWord word = lookupWord(token.word);
    if (m_starred) {
        m_starred = false;
        // \* asks a reader to skip the group unless it knows the word after it. A word we know
        // is obeyed wherever it stands (Word writes \*\cs character styles in mid-group); the
        // destinations we know but never show skip their group as they do without \*.
        if (word.group == RtfWordGroup::Unknown) {
            skipGroup();
            return;
        }
    }
    // A fallback is text; a control word ends it (writers never put one there).
    m_fallbackToSkip = 0;
    if (word.keyword != K::Unicode)
        settle();
    switch (word.group) {
    case RtfWordGroup::Unknown:
        break;
    case RtfWordGroup::Encoding:
        onEncodingWord(word.keyword, token);
        break;
    case RtfWordGroup::Destination:
        onDestinationWord(word.keyword);
        break;
    case RtfWordGroup::Font:
        onFontWord(word.keyword, token.param);
        break;
    case RtfWordGroup::Color:
        onColorWord(word.keyword, token.param);
        break;
    case RtfWordGroup::Character:
        onCharacterWord(word.keyword, token);
        break;
    case RtfWordGroup::Paragraph:
        onParagraphWord(word.keyword, token);
        break;
    case RtfWordGroup::Table:
        onTableWord(word.keyword, token.param);
        break;
    case RtfWordGroup::Picture:
        onPictureWord(word.keyword, token.param);
        break;
    case RtfWordGroup::SpecialCharacter:
        emitChar(word.character);
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
    if (skipsFallbackCharacter())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        addBytes(QByteArrayView(&symbol, 1));
        break;
    case '\n':
        endParagraph();
        break;
    default:
        // \~ and its kind; \: \| and the other symbols of index entries and formulas stand for
        // nothing here.
        if (const char16_t c = specialSymbolCharacter(symbol))
            emitChar(c);
        break;
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
        onColorTableText(bytes);
        return;
    case Dest::FontTable:
    case Dest::FontRealName:
    case Dest::FontAltName:
        onFontNameText(bytes);
        return;
    case Dest::Text:
    case Dest::FieldInstruction:
        addBytes(bytes);
        return;
    }
}

void RtfParser::onBinary(QByteArrayView bytes)
{
    m_starred = false;
    if (skipsFallbackCharacter())
        return;
    if (state().destination == Dest::Picture)
        m_picture.appendBinary(bytes);
}

void RtfParser::onBadHex()
{
    recover("a damaged \\' escape");
    m_starred = false;
    skipsFallbackCharacter();
}

bool RtfParser::skipsFallbackCharacter()
{
    if (m_fallbackToSkip <= 0)
        return false;
    --m_fallbackToSkip;
    return true;
}

// Control words

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
            emitText(m_decoder.decodeUnicode(token.param));
            m_fallbackToSkip = s.unicodeSkip;
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
        if (m_fonts.endEntry())
            invalidateFormats();
        break;
    case K::ColorTable:
        s.destination = Dest::ColorTable;
        m_colors.clear();
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
        m_picture = RtfPicture();
        break;
    case K::FieldInstruction:
        s.destination = Dest::FieldInstruction;
        m_fieldInstruction.clear();
        break;
    case K::FieldResult:
        if (s.destination == Dest::Text) {
            s.character.link = m_pendingLink;
            m_pendingLink = 0;
        }
        break;
    case K::ShapePicture:
        s.inShapePicture = true;
        m_shapePictureShown = false;
        break;
    case K::NonShapePicture:
        // The alternative for readers without shapes: only wanted when the shape gave nothing.
        if (m_shapePictureShown) {
            m_shapePictureShown = false;
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
        m_fonts.setDefaultFont(param);
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
        if (m_fonts.beginEntry(param, depth()))
            invalidateFormats();
        break;
    case K::FontFamilyNil:
    case K::FontFamilyTech:
        m_fonts.setStyleHint(QFont::AnyStyle);
        break;
    case K::FontFamilyRoman:
        m_fonts.setStyleHint(QFont::Serif);
        break;
    case K::FontFamilySwiss:
        m_fonts.setStyleHint(QFont::SansSerif);
        break;
    case K::FontFamilyModern:
        m_fonts.setStyleHint(QFont::TypeWriter);
        break;
    case K::FontFamilyScript:
        m_fonts.setStyleHint(QFont::Cursive);
        break;
    case K::FontFamilyDecor:
        m_fonts.setStyleHint(QFont::Decorative);
        break;
    case K::FontCharset:
        m_fonts.setCharset(param);
        break;
    case K::FontCodePage:
        if (param > 0)
            m_fonts.setCodePage(param);
        break;
    default:
        break;
    }
}

void RtfParser::onColorWord(RtfKeyword keyword, int param)
{
    switch (keyword) {
    case K::Red:
        m_colors.setRed(param);
        break;
    case K::Green:
        m_colors.setGreen(param);
        break;
    case K::Blue:
        m_colors.setBlue(param);
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
        m_rowBoundaries.clear();
        m_builder.setRowBoundaries(m_rowBoundaries);
        break;
    case K::CellBoundary:
        if (!s.inNestedRowProperties && m_rowBoundaries.size() < RtfDocumentBuilder::kMaxColumns) {
            m_rowBoundaries.append(qBound(0, param, kMaxTwips * 4));
            m_builder.setRowBoundaries(m_rowBoundaries);
        }
        break;
    case K::Cell:
        if (s.destination == Dest::Text) {
            syncFormats();
            m_builder.endCell();
        }
        break;
    case K::Row:
        if (s.destination == Dest::Text)
            m_builder.endRow();
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
        m_picture.setFormat(RtfPicture::Format::Png);
        break;
    case K::JpegBlip:
        m_picture.setFormat(RtfPicture::Format::Jpeg);
        break;
    case K::OtherBlip:
        m_picture.setFormat(RtfPicture::Format::Unsupported);
        break;
    case K::PictureGoalWidth:
        m_picture.setGoalWidth(param);
        break;
    case K::PictureGoalHeight:
        m_picture.setGoalHeight(param);
        break;
    case K::PictureScaleX:
        m_picture.setScaleX(param);
        break;
    case K::PictureScaleY:
        m_picture.setScaleY(param);
        break;
    default:
        break; // \picw and \pich: the image has its own size
    }
}

// Text

void RtfParser::onColorTableText(QByteArrayView bytes)
{
    // Only the ';' that end the entries matter.
    bool ended = false;
    for (const char c : bytes) {
        if (c == ';') {
            m_colors.endEntry();
            ended = true;
        }
    }
    if (ended)
        invalidateFormats();
}

void RtfParser::onFontNameText(QByteArrayView bytes)
{
    // A ';' ends a name, in the table ("Arial;") as in {\*\fname Arial;}. In the table it ends
    // the entry's own name for good: text after it, up to the next entry, names nothing.
    const qsizetype end = bytes.indexOf(';');
    addBytes(end < 0 ? bytes : bytes.first(end));
    if (end >= 0 && state().destination == Dest::FontTable) {
        settle();
        m_fonts.endName();
    }
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
    const RtfGroupState& s = state();
    switch (s.destination) {
    case Dest::Text:
        if (s.character.hidden)
            return;
        syncFormats();
        m_builder.appendText(text);
        if (!s.inShapePicture)
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
        if (m_fieldInstruction.size() < kMaxFieldInstruction)
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

void RtfParser::setDocumentCodePage(int number)
{
    m_documentCodePage = number;
    invalidateFormats();
}

// Output

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

void RtfParser::invalidateFormats()
{
    m_formatsValid = false;
    m_textCodePage = nullptr;
}

void RtfParser::endParagraph(bool keepEmpty)
{
    if (state().destination != Dest::Text)
        return;
    settle();
    syncFormats();
    m_builder.endParagraph(keepEmpty);
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
