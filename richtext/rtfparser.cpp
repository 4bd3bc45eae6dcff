// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtfparser.h"

// Local
#include "richtext/rtffield.h"
#include "richtext/rtfformats.h"
#include "richtext/rtfspecialcharacters.h"

// Qt
#include <QTextDocument>

// Standard library
#include <utility>

namespace richtext {

namespace {

using Dest = RtfGroupState::Destination;

} // namespace

RtfParser::RtfParser(QByteArrayView input, qsizetype start, QTextDocument* doc)
    : tokenizer_(input, start), builder_(doc), input_(input)
{
    stack_.reserve(64);
}

void RtfParser::run()
{
    bool documentClosed = false;
    while (!documentClosed) {
        const Token token = tokenizer_.next();
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
    if (!stack_.empty()) {
        // Truncated: keep what was read. The picture being read is incomplete, drop it.
        settle();
        recover("the document ends before its closing brace");
    }
    if (tokenizer_.binaryTruncated())
        recover("\\bin data runs past the end");
    checkTrailingBytes();
    builder_.finish();
}

void RtfParser::recover(const char* what)
{
    if (!recovered_)
        recoveryNote_ = QString::fromLatin1(what);
    recovered_ = true;
}

void RtfParser::checkTrailingBytes()
{
    // Anything but white space after the document's closing brace is ignored, as Word does.
    for (qsizetype i = tokenizer_.position(); i < input_.size(); ++i) {
        const char c = input_[i];
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
    starred_ = false;
    fallbackToSkip_ = 0;
    if (stack_.empty()) {
        stack_.emplace_back();
        return;
    }
    if (depth() >= kMaxDepth) {
        ++overflowDepth_;
        recover("groups nested too deeply");
        return;
    }
    stack_.push_back(stack_.back());
}

bool RtfParser::closeGroup()
{
    settle();
    starred_ = false;
    fallbackToSkip_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return true;
    }
    if (stack_.empty())
        return false;
    if (fonts_.endGroup(depth()))
        invalidateFormats();
    const RtfGroupState closed = stack_.back();
    stack_.pop_back();
    // Pictures and field instructions end with their outermost group: groups inside them
    // ({\*\blipuid ...}, {\*\fldinst{HYPERLINK ...}}) carry the same destination.
    const Dest parent = stack_.empty() ? Dest::Text : stack_.back().destination;
    if (closed.destination == Dest::Picture && parent != Dest::Picture && !stack_.empty())
        finishPicture(closed.inShapePicture);
    else if (closed.destination == Dest::FieldInstruction && parent != Dest::FieldInstruction)
        finishFieldInstruction();
    else if (closed.destination == Dest::BookmarkName && parent != Dest::BookmarkName)
        finishBookmark();
    return !stack_.empty();
}

void RtfParser::skipGroup()
{
    // The document's own group is never skipped: a destination word out of place at the top
    // level would otherwise hide the whole document.
    if (stack_.size() <= 1 && overflowDepth_ == 0)
        return;
    settle();
    if (!tokenizer_.skipGroup())
        recover("the document ends inside a skipped group");
    closeGroup();
}

// Tokens

void RtfParser::onControlWord(const Token& token)
{
    const RtfWord word = lookupWord(token.word);
    if (starred_) {
        starred_ = false;
        // \* asks a reader to skip the group unless it knows the word after it. A word we know
        // is obeyed wherever it stands (Word writes \*\cs character styles in mid-group); the
        // destinations we know but never show skip their group as they do without \*.
        if (word.group == RtfWordGroup::Unknown) {
            skipGroup();
            return;
        }
    }
    // A fallback is text; a control word ends it (writers never put one there).
    fallbackToSkip_ = 0;
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
        starred_ = true;
        return;
    }
    starred_ = false;
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
    starred_ = false;
    if (fallbackToSkip_ > 0) {
        const qsizetype skipped = qMin(qsizetype(fallbackToSkip_), bytes.size());
        fallbackToSkip_ -= int(skipped);
        bytes = bytes.sliced(skipped);
        if (bytes.isEmpty())
            return;
    }
    switch (state().destination) {
    case Dest::Picture:
        picture_.appendHex(bytes);
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
    case Dest::BookmarkName:
        addBytes(bytes);
        return;
    }
}

void RtfParser::onBinary(QByteArrayView bytes)
{
    starred_ = false;
    if (skipsFallbackCharacter())
        return;
    if (state().destination == Dest::Picture)
        picture_.appendBinary(bytes);
}

void RtfParser::onBadHex()
{
    recover("a damaged \\' escape");
    starred_ = false;
    skipsFallbackCharacter();
}

bool RtfParser::skipsFallbackCharacter()
{
    if (fallbackToSkip_ <= 0)
        return false;
    --fallbackToSkip_;
    return true;
}

// Text

void RtfParser::onColorTableText(QByteArrayView bytes)
{
    // Only the ';' that end the entries matter.
    bool ended = false;
    for (const char c : bytes) {
        if (c == ';') {
            colors_.endEntry();
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
        fonts_.endName();
    }
}

void RtfParser::addBytes(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const RtfGroupState& s = state();
    if (s.destination == Dest::Text && s.character.hidden)
        return;
    emitText(decoder_.decode(bytes, textCodePage()));
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
        if (!pendingAnchors_.isEmpty())
            text = emitAnchor(text);
        if (!text.isEmpty())
            builder_.appendText(text);
        if (!s.inShapePicture)
            shapePictureShown_ = false;
        break;
    case Dest::FontTable:
        fonts_.appendName(RtfFontTable::Name::Own, text);
        break;
    case Dest::FontRealName:
        fonts_.appendName(RtfFontTable::Name::Real, text);
        break;
    case Dest::FontAltName:
        fonts_.appendName(RtfFontTable::Name::Alternative, text);
        break;
    case Dest::FieldInstruction:
        if (fieldInstruction_.size() < kMaxFieldInstruction)
            fieldInstruction_.append(text);
        break;
    case Dest::BookmarkName:
        if (bookmarkName_.size() < kMaxBookmarkName)
            bookmarkName_.append(text.first(qMin<qsizetype>(text.size(), kMaxBookmarkName)));
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
    if (decoder_.hasHeld())
        emitText(decoder_.flush());
}

const CodePage& RtfParser::textCodePage()
{
    const RtfGroupState& s = state();
    if (s.destination == Dest::FontTable || s.destination == Dest::FontRealName ||
        s.destination == Dest::FontAltName) {
        return decoder_.codePage(fonts_.nameCodePage(documentCodePage_));
    }
    const int font = s.character.font < 0 ? fonts_.defaultFont() : s.character.font;
    if (textCodePage_ && font == textCodePageFont_)
        return *textCodePage_;
    const RtfFont* entry = fonts_.find(font);
    const int number = entry && entry->codePage > 0 ? entry->codePage : documentCodePage_;
    textCodePage_ = &decoder_.codePage(number);
    textCodePageFont_ = font;
    return *textCodePage_;
}

void RtfParser::setDocumentCodePage(int number)
{
    documentCodePage_ = number;
    invalidateFormats();
}

// Output

void RtfParser::syncFormats()
{
    const RtfGroupState& s = state();
    if (formatsValid_ && s.character == syncedChar_ && s.paragraph == syncedPara_)
        return;
    if (!formatsValid_ || !(s.character == syncedChar_)) {
        builder_.setCharFormat(charFormat(s.character, fonts_, colors_, links_));
        syncedChar_ = s.character;
    }
    if (!formatsValid_ || !(s.paragraph == syncedPara_)) {
        builder_.setParagraph(blockFormat(s.paragraph), s.paragraph.inTable);
        syncedPara_ = s.paragraph;
    }
    formatsValid_ = true;
}

void RtfParser::invalidateFormats()
{
    formatsValid_ = false;
    textCodePage_ = nullptr;
}

void RtfParser::endParagraph(bool keepEmpty)
{
    if (state().destination != Dest::Text)
        return;
    settle();
    syncFormats();
    builder_.endParagraph(keepEmpty);
}

void RtfParser::finishPicture(bool inShapePicture)
{
    const RtfPicture picture = std::exchange(picture_, RtfPicture());
    const RtfGroupState& s = state();
    if (s.destination != Dest::Text || s.character.hidden)
        return;
    const RtfPicture::Decoded decoded = picture.decode(&pixelBudget_);
    if (decoded.failure)
        recover(decoded.failure);
    if (decoded.image.isNull())
        return;
    syncFormats();
    builder_.appendImage(decoded.image, decoded.size);
    shapePictureShown_ = inShapePicture;
}

QStringView RtfParser::emitAnchor(QStringView text)
{
    // Its first character, a surrogate pair whole, in the format of the text with the names
    // added; the rest of the text as it is.
    const qsizetype first = text.size() > 1 && text[0].isHighSurrogate() ? 2 : 1;
    QTextCharFormat format = charFormat(state().character, fonts_, colors_, links_);
    format.setAnchor(true);
    format.setAnchorNames(std::exchange(pendingAnchors_, {}));
    builder_.setCharFormat(format);
    builder_.appendText(text.first(first));
    formatsValid_ = false;
    syncFormats();
    return text.sliced(first);
}

void RtfParser::finishBookmark()
{
    const QString name = std::exchange(bookmarkName_, {}).trimmed();
    if (name.isEmpty() || bookmarks_ >= kMaxBookmarks)
        return;
    ++bookmarks_;
    pendingAnchors_.append(name);
}

void RtfParser::finishFieldInstruction()
{
    const QString target = hyperlinkTarget(fieldInstruction_);
    fieldInstruction_.clear();
    pendingLink_ = 0;
    if (target.isEmpty() || links_.size() >= kMaxLinks)
        return;
    links_.append(target);
    pendingLink_ = int(links_.size());
}

} // namespace richtext
