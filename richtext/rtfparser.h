// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "richtext/rtfcolortable.h"
#include "richtext/rtfdocumentbuilder.h"
#include "richtext/rtffonttable.h"
#include "richtext/rtfgroupstate.h"
#include "richtext/rtfkeyword.h"
#include "richtext/rtfpicture.h"
#include "richtext/rtftextdecoder.h"
#include "richtext/rtftokenizer.h"

// Qt
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Standard library
#include <vector>

class QTextDocument;

namespace richtext {

// Interprets the tokens of one RTF document and writes what they mean into a QTextDocument
// through an RtfDocumentBuilder. One parser reads one document.
//
// The parser keeps the group stack and sends each control word to the handler of its group
// (rtfkeyword.h; the handlers are in rtfparserwords.cpp). The parts it drives have files of their
// own: the text decoder, the font and color tables, the formats, pictures, fields and the
// special characters.
//
// Input starts at the opening brace of the document's group. Everything is bounded: group
// nesting past kMaxDepth is flattened into the deepest group, font and color tables stop
// growing at their limits, pictures are shown only within a pixel budget, and the work per input
// byte is bounded (no recursion, no rescans).
class RtfParser
{
public:
    static constexpr int kMaxDepth = 1024;
    static constexpr int kMaxLinks = 4096;
    static constexpr int kMaxBookmarks = 4096;
    static constexpr int kMaxBookmarkName = 256;      // characters
    static constexpr int kMaxFieldInstruction = 4096; // characters
    // Font sizes are clamped to 300 pt: Qt's layout takes seconds for text some inches tall in
    // narrow table cells, and no document means that.
    static constexpr int kMaxHalfPoints = 600;

    // input must outlive the parser; doc must be empty.
    RtfParser(QByteArrayView input, qsizetype start, QTextDocument* doc);

    void run();

    // The input was damaged (truncated, unbalanced, bad escapes, trailing bytes, a picture that
    // would not decode) and the parser had to guess.
    bool recovered() const { return recovered_; }
    // What the first damage was, in English ("a damaged \\' escape").
    QString recoveryNote() const { return recoveryNote_; }

private:
    using Token = RtfTokenizer::Token;

    RtfGroupState& state() { return stack_.back(); }
    int depth() const { return int(stack_.size()); }

    void recover(const char* what);
    void checkTrailingBytes();

    // Groups
    void openGroup();
    bool closeGroup(); // false once the document's own group has closed
    void skipGroup();

    // Tokens
    void onControlWord(const Token& token);
    void onControlSymbol(char symbol);
    void onText(QByteArrayView bytes);
    void onBinary(QByteArrayView bytes);
    void onBadHex();
    // Whether a token that counts as one character belongs to the fallback of the last \u.
    bool skipsFallbackCharacter();

    // Control words, one handler for each group of words
    void onEncodingWord(RtfKeyword keyword, const Token& token);
    void onDestinationWord(RtfKeyword keyword);
    void onFontWord(RtfKeyword keyword, int param);
    void onColorWord(RtfKeyword keyword, int param);
    void onCharacterWord(RtfKeyword keyword, const Token& token);
    void onParagraphWord(RtfKeyword keyword, const Token& token);
    void onTableWord(RtfKeyword keyword, int param);
    void onPictureWord(RtfKeyword keyword, int param);

    // Text
    void onColorTableText(QByteArrayView bytes);
    void onFontNameText(QByteArrayView bytes);
    void addBytes(QByteArrayView bytes);
    void emitText(QStringView text);
    // Writes the first character of text as the anchor of the pending bookmarks; returns the rest.
    QStringView emitAnchor(QStringView text);
    void emitChar(char16_t c);
    void settle(); // emits what the decoder holds
    const CodePage& textCodePage();
    void setDocumentCodePage(int number);

    // Output
    void syncFormats();
    void invalidateFormats();
    void endParagraph(bool keepEmpty = true);
    void finishPicture(bool inShapePicture);
    void finishFieldInstruction();
    void finishBookmark();

    RtfTokenizer tokenizer_;
    RtfDocumentBuilder builder_;
    QByteArrayView input_;

    std::vector<RtfGroupState> stack_;
    int overflowDepth_ = 0;
    bool starred_ = false;   // the last token was \*
    int fallbackToSkip_ = 0; // characters of the last \u's fallback still to come
    bool recovered_ = false;
    QString recoveryNote_;

    int documentCodePage_ = 1252;
    RtfTextDecoder decoder_;
    const CodePage* textCodePage_ = nullptr; // cache for textCodePageFont_
    int textCodePageFont_ = 0;

    RtfFontTable fonts_;
    RtfColorTable colors_;

    QList<int> rowBoundaries_;
    RtfPicture picture_;
    qint64 pixelBudget_ = RtfPicture::kMaxDocumentPixels;
    bool shapePictureShown_ = false;
    QString fieldInstruction_;
    QStringList links_;
    int pendingLink_ = 0; // the link the next \fldrslt shows, 0 for none
    QString bookmarkName_;
    int bookmarks_ = 0;
    // Bookmarks that start here; the next character of text carries their names as anchors.
    QStringList pendingAnchors_;

    bool formatsValid_ = false;
    RtfGroupState::Char syncedChar_;
    RtfGroupState::Para syncedPara_;
};

} // namespace richtext
