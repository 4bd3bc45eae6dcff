#include "rtfparser.h"

// Own
#include "rtffield.h"
#include "rtfformats.h"
#include "rtfspecialcharacters.h"

// Qt
#include <QTextDocument>

// Standard library
#include <utility>

namespace richtext {

namespace {

using Dest = RtfGroupState::Destination;

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
    if (word.keyword != RtfKeyword::Unicode)
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
