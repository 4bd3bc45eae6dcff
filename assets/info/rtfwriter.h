// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "assets/info/infodocument.h"

// Standard library
#include <cstddef>
#include <string>
#include <string_view>

namespace info {

// Writes an InfoDocument as a Windows-1251 RTF document of the kind WordPad writes: fonts Arial
// (text), Times New Roman (the title) and Symbol (bullets), a small colour table, an A4 page,
// \pard paragraphs with \par, WordPad bullets ({\pntext..}{\*\pn..}), tables as
// \trowd..\cell..\row, and page breaks as \pagebb on the paragraph after them. Bookmarks and the
// links to them are written as Word writes them, which WordPad shows too: an empty
// {\*\bkmkstart name}{\*\bkmkend name} where the block's text starts, and a
// {\field{\*\fldinst{HYPERLINK \\l "name"}}{\fldrslt{..}}} around the text of a link.
//
// Contract: the result is 7-bit ASCII with CRLF line ends and no line longer than kMaxLine bytes.
// Text outside ASCII is \'hh in Windows-1251, or \uN? where Windows-1251 has no such character.
// Lines are broken only between tokens, where a line end means nothing to an RTF reader. The same
// document and generator name give the same bytes: nothing depends on time or the machine.
class RtfWriter
{
public:
    static constexpr std::size_t kMaxLine = 200;

    // generator names this program in {\*\generator ...}; it must be plain ASCII without \ { }.
    static std::string write(const InfoDocument& document, std::string_view generator);

private:
    // The character formatting in force. The writer emits only what changes, as WordPad does;
    // the defaults are what an RTF reader assumes before the first formatting word.
    struct CharFormat
    {
        int font = 0;
        int halfPoints = 24;
        int colour = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int language = 1049;
        bool operator==(const CharFormat&) const = default;
    };

    void header(std::string_view generator);
    void block(const InfoDocument::Block& block, bool continuesList, bool endsList);
    void table(const InfoDocument::Block& block);
    // Starts a paragraph: \pard, then the pending page break, then properties.
    void pard(std::string_view properties);
    // The block's text, after its bookmark if it has one.
    void text(const InfoDocument::Text& text, const CharFormat& base,
              const std::string& bookmark = {});
    void setFormat(const CharFormat& format);
    void character(char32_t c);
    void raw(std::string_view rtf);
    void lineBreak();

    std::string out_;
    std::size_t lineStart_ = 0;
    // True right after a control word: text that follows must be set off by a space.
    bool delimit_ = false;
    CharFormat format_;
    // Set by a page break block; the next paragraph starts on a new page.
    bool breakBefore_ = false;
};

} // namespace info
