#pragma once

// Own
#include "rtfcolortable.h"
#include "rtfdocumentbuilder.h"
#include "rtffonttable.h"
#include "rtfgroupstate.h"
#include "rtfkeyword.h"
#include "rtfpicture.h"
#include "rtftextdecoder.h"
#include "rtftokenizer.h"

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
    static constexpr int kMaxFieldInstruction = 4096; // characters
    // Font sizes are clamped to 300 pt: Qt's layout takes seconds for text some inches tall in
    // narrow table cells, and no document means that.
    static constexpr int kMaxHalfPoints = 600;

    // input must outlive the parser; doc must be empty.
    RtfParser(QByteArrayView input, qsizetype start, QTextDocument* doc);

    void run();

    // The input was damaged (truncated, unbalanced, bad escapes, trailing bytes, a picture that
    // would not decode) and the parser had to guess.
    bool recovered() const { return m_recovered; }
    // What the first damage was, in English ("a damaged \\' escape").
    QString recoveryNote() const { return m_recoveryNote; }

private:
    using Token = RtfTokenizer::Token;

    RtfGroupState& state() { return m_stack.back(); }
    int depth() const { return int(m_stack.size()); }

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

    RtfTokenizer m_tokenizer;
    RtfDocumentBuilder m_builder;
    QByteArrayView m_input;

    std::vector<RtfGroupState> m_stack;
    int m_overflowDepth = 0;
    bool m_starred = false;   // the last token was \*
    int m_fallbackToSkip = 0; // characters of the last \u's fallback still to come
    bool m_recovered = false;
    QString m_recoveryNote;

    int m_documentCodePage = 1252;
    RtfTextDecoder m_decoder;
    const CodePage* m_textCodePage = nullptr; // cache for m_textCodePageFont
    int m_textCodePageFont = 0;

    RtfFontTable m_fonts;
    RtfColorTable m_colors;

    QList<int> m_rowBoundaries;
    RtfPicture m_picture;
    qint64 m_pixelBudget = RtfPicture::kMaxDocumentPixels;
    bool m_shapePictureShown = false;
    QString m_fieldInstruction;
    QStringList m_links;
    int m_pendingLink = 0; // the link the next \fldrslt shows, 0 for none

    bool m_formatsValid = false;
    RtfGroupState::Char m_syncedChar;
    RtfGroupState::Para m_syncedPara;
};

} // namespace richtext
