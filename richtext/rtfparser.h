#pragma once

// Own
#include "codepage.h"
#include "rtfcolortable.h"
#include "rtfdocumentbuilder.h"
#include "rtffonttable.h"
#include "rtfgroupstate.h"
#include "rtfkeyword.h"
#include "rtfpicture.h"
#include "rtftextdecoder.h"
#include "rtftokenizer.h"

// Qt
#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Standard library
#include <memory>
#include <unordered_map>
#include <vector>

class QTextDocument;

namespace richtext {

// Interprets the tokens of one RTF document and writes what they mean into a QTextDocument
// through an RtfDocumentBuilder. One parser reads one document.
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
    RtfGroupState& state() { return m_stack.back(); }

    void recover(const char* what);
    void openGroup();
    bool closeGroup(); // false once the document's own group has closed
    void skipGroup();

    void onControlWord(const RtfTokenizer::Token& token);
    void onControlSymbol(char symbol);
    void onText(QByteArrayView bytes);
    void onBinary(QByteArrayView bytes);

    void addBytes(QByteArrayView bytes);
    void emitText(QStringView text);
    void emitChar(char16_t c);
    void settle(); // emits what the decoder holds
    void syncFormats();

    const CodePage& textCodePage();
    void invalidateFormats();

    void finishPicture(bool inShapePicture);
    void finishFieldInstruction();

    RtfTokenizer m_tokenizer;
    RtfDocumentBuilder m_builder;
    QByteArrayView m_input;

    std::vector<RtfGroupState> m_stack;
    int m_overflowDepth = 0;
    bool m_starred = false;
    int m_fallbackToSkip = 0;
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
    QString m_fieldInstruction;
    QStringList m_links;
    int m_pendingLink = 0;
    bool m_shapePictureShown = false;
    qint64 m_pixelBudget = RtfPicture::kMaxDocumentPixels;

    bool m_formatsValid = false;
    RtfGroupState::Char m_syncedChar;
    RtfGroupState::Para m_syncedPara;
};

} // namespace richtext
