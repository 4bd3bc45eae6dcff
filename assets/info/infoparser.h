// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "assets/info/infodocument.h"

// Standard library
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace info {

// Reads the markup of info.txt (its header comment describes it) into an InfoDocument.
//
// Contract: parse() takes the whole file as UTF-8 (a leading byte-order mark is allowed) and
// either succeeds, or stops at the first fault and returns false with error() set to
// "<fileName>:<line>: <reason>". fileName only labels the message. Nothing in the source can
// make it crash or loop: every fault is a message.
class InfoParser
{
public:
    bool parse(std::string_view source, const std::string& fileName);

    const InfoDocument& document() const { return document_; }
    const std::string& error() const { return error_; }

private:
    enum class Open { None, Paragraph, Bullet, Table };

    bool parseLine(std::u32string_view line);
    bool parseDirective(std::u32string_view words);
    bool parseHeading(std::u32string_view line);
    bool parseBookmark(std::u32string_view name);
    // Adds a block, with the bookmark that waits for one.
    void addBlock(InfoDocument::Block block);
    bool startTableRow(std::u32string_view line);
    bool flush();
    bool open(Open what, std::u32string_view text);
    bool continueOpen(std::u32string_view line);
    // Reads inline text (spans and escapes); line is where a fault in it is reported.
    bool parseText(std::u32string_view text, int line, InfoDocument::Text& out);
    // Reads the "(#name)" after a link's text at text[i], and moves i onto its ')'.
    bool parseLinkTarget(std::u32string_view text, std::size_t& i, int line, std::string& name);
    // Every link leads to a bookmark, and no bookmark waits for a block that never came.
    bool checkLinks();
    bool fail(int line, const std::string& reason);

    std::string fileName_;
    std::string error_;
    InfoDocument document_;
    InfoDocument::Language language_ = InfoDocument::Language::Russian;
    int lineNumber_ = 0;

    // The block being gathered, its raw text (for a table, the raw text of each cell of each
    // row) and the line it started on, which is where its faults are reported.
    Open open_ = Open::None;
    int openLine_ = 0;
    std::u32string openText_;
    struct RawRow
    {
        int line = 0;
        bool header = false;
        std::vector<std::u32string> cells;
    };
    std::vector<RawRow> rawRows_;
    std::vector<int> pendingWidths_;
    int widthsLine_ = 0;

    // Bookmarks and the lines they were set on; the one set last waits for the next block.
    std::map<std::string, int> bookmarks_;
    std::string pendingBookmark_;
    // Links, each with the line of the text it stands in.
    std::vector<std::pair<std::string, int>> links_;
};

} // namespace info
