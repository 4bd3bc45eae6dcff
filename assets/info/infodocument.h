// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <cstddef>
#include <string>
#include <vector>

namespace info {

// The document as make_info understands it: blocks of formatted text, in source order. The parser
// fills it in; the writer turns it into RTF. Text is held as Unicode code points so that the
// writer decides, character by character, how each one is encoded. Every link leads to a bookmark
// of the same document, and bookmark names are unique: [A-Za-z][A-Za-z0-9_]*, at most
// kMaxBookmarkName characters.
struct InfoDocument
{
    static constexpr std::size_t kMaxBookmarkName = 40;

    enum class Language { Russian, English };

    // A run of text with one format. Runs of a paragraph follow each other without separators;
    // the parser has already collapsed the source's line breaks and spaces.
    struct Span
    {
        std::u32string text;
        bool bold = false;
        bool italic = false;
        bool coloured = false;
        std::string link{}; // the bookmark the span leads to, "" for plain text
    };
    using Text = std::vector<Span>;

    struct Row
    {
        bool header = false;
        std::vector<Text> cells{};
    };

    struct Block
    {
        enum class Kind { Title, Heading, Paragraph, Bullet, Table, PageBreak };
        Kind kind = Kind::Paragraph;
        Language language = Language::Russian;
        Text text{};               // Title, Heading, Paragraph, Bullet
        std::vector<Row> rows{};   // Table: every row has widths.size() cells
        std::vector<int> widths{}; // Table: column widths in percent, adding up to 100
        std::string bookmark{};    // a name that links lead to (the block's start), or ""
    };

    std::vector<Block> blocks;
};

} // namespace info
