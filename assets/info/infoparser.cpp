// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/info/infoparser.h"

// Standard library
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace info {

namespace {

// Strict UTF-8: overlong forms, surrogates and code points past U+10FFFF are faults, because a
// source that is not clean UTF-8 was almost certainly saved in another encoding by mistake.
std::optional<std::u32string> decodeUtf8(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
            minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + extra >= bytes.size()) {
            return std::nullopt;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

std::string toUtf8(std::u32string_view text)
{
    std::string out;
    for (const char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

constexpr char32_t kNoBreakSpace = 0x00A0;
constexpr char32_t kEmDash = 0x2014;

std::u32string_view trimmed(std::u32string_view text)
{
    while (!text.empty() && text.front() == U' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == U' ') {
        text.remove_suffix(1);
    }
    return text;
}

// The characters a backslash takes literally: every character that means something at the start
// of a line or inside text, and the backslash itself. (\~ is not among them: it is the no-break
// space, which would be invisible in the source.)
bool isEscapable(char32_t c)
{
    return std::u32string_view(U"*_^|\\%@#-[]").find(c) != std::u32string_view::npos;
}

// Bookmark names are plain ASCII, as RTF readers expect them.
bool isNameCharacter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           c == U'_';
}

} // namespace

bool InfoParser::parse(std::string_view source, const std::string& fileName)
{
    *this = InfoParser();
    fileName_ = fileName;
    if (source.starts_with("\xEF\xBB\xBF")) {
        source.remove_prefix(3);
    }
    size_t pos = 0;
    while (true) {
        if (pos == source.size() && pos > 0) {
            break; // the file ends with a line end, not with one more empty line
        }
        const size_t end = source.find('\n', pos);
        std::string_view raw = source.substr(pos, end == std::string_view::npos ? end : end - pos);
        if (raw.ends_with('\r')) {
            raw.remove_suffix(1);
        }
        ++lineNumber_;
        std::optional<std::u32string> line = decodeUtf8(raw);
        if (!line) {
            return fail(lineNumber_, "not valid UTF-8 (save the file as UTF-8)");
        }
        for (char32_t& c : *line) {
            if (c == U'\t') {
                c = U' ';
            } else if (c < 0x20 || c == 0x7F) {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
                return fail(lineNumber_, std::string("control character ") + code);
            }
        }
        if (!parseLine(*line)) {
            return false;
        }
        if (end == std::string_view::npos) {
            break;
        }
        pos = end + 1;
    }
    if (!flush()) {
        return false;
    }
    if (document_.blocks.empty()) {
        return fail(std::max(lineNumber_, 1), "the document has no text");
    }
    return checkLinks();
}

bool InfoParser::checkLinks()
{
    if (!pendingBookmark_.empty()) {
        return fail(bookmarks_[pendingBookmark_],
                    "@bookmark " + pendingBookmark_ + " has no text after it");
    }
    for (const auto& [name, line] : links_) {
        if (!bookmarks_.contains(name)) {
            return fail(line, "a link leads to #" + name + ", but no @bookmark " + name +
                                  " is in the document");
        }
    }
    return true;
}

bool InfoParser::parseLine(std::u32string_view line)
{
    if (trimmed(line).empty()) {
        return flush();
    }
    switch (line.front()) {
    case U'%':
        return true;
    case U'@':
        return flush() && parseDirective(trimmed(line.substr(1)));
    case U'#':
        return flush() && parseHeading(line);
    case U'|':
        return startTableRow(line);
    case U' ':
        // An indented line continues whatever is open: a bullet item, the last cell of a table
        // row or a paragraph.
        if (open_ != Open::None) {
            return continueOpen(line);
        }
        break;
    case U'-':
        if (line.size() > 1 && line[1] == U' ') {
            return flush() && open(Open::Bullet, line.substr(2));
        }
        break;
    default:
        break;
    }
    if (open_ == Open::Paragraph) {
        return continueOpen(line);
    }
    return flush() && open(Open::Paragraph, line);
}

bool InfoParser::parseDirective(std::u32string_view words)
{
    if (words == U"page") {
        addBlock({.kind = InfoDocument::Block::Kind::PageBreak, .language = language_});
    } else if (words == U"lang ru") {
        language_ = InfoDocument::Language::Russian;
    } else if (words == U"lang en") {
        language_ = InfoDocument::Language::English;
    } else if (words.starts_with(U"bookmark ")) {
        return parseBookmark(trimmed(words.substr(9)));
    } else {
        return fail(lineNumber_, "unknown directive @" + toUtf8(words) +
                                     " (known: @lang ru, @lang en, @page, @bookmark)");
    }
    return true;
}

bool InfoParser::parseBookmark(std::u32string_view name)
{
    const bool valid = !name.empty() && name.size() <= InfoDocument::kMaxBookmarkName &&
                       std::all_of(name.begin(), name.end(), isNameCharacter) &&
                       !(name.front() >= U'0' && name.front() <= U'9') && name.front() != U'_';
    if (!valid) {
        return fail(lineNumber_, "a bookmark's name is a letter, then letters, digits or _, at "
                                 "most " +
                                     std::to_string(InfoDocument::kMaxBookmarkName) +
                                     " in all, not '" + toUtf8(name) + "'");
    }
    if (!pendingBookmark_.empty()) {
        return fail(lineNumber_, "two bookmarks for one place (@bookmark " + pendingBookmark_ +
                                     " has no text after it yet)");
    }
    const std::string ascii = toUtf8(name);
    if (const auto earlier = bookmarks_.find(ascii); earlier != bookmarks_.end()) {
        return fail(lineNumber_, "bookmark " + ascii + " is set already, on line " +
                                     std::to_string(earlier->second));
    }
    bookmarks_[ascii] = lineNumber_;
    pendingBookmark_ = ascii;
    return true;
}

void InfoParser::addBlock(InfoDocument::Block block)
{
    if (block.kind != InfoDocument::Block::Kind::PageBreak) {
        block.bookmark = std::exchange(pendingBookmark_, {});
    }
    document_.blocks.push_back(std::move(block));
}

bool InfoParser::parseHeading(std::u32string_view line)
{
    const size_t level = line.find_first_not_of(U'#');
    if (level > 2 || level == std::u32string_view::npos || line[level] != U' ') {
        return fail(lineNumber_, "a heading is '# ' (the title) or '## ' and then its text");
    }
    InfoDocument::Block block{.kind = level == 1 ? InfoDocument::Block::Kind::Title
                                                 : InfoDocument::Block::Kind::Heading,
                              .language = language_};
    if (!parseText(line.substr(level), lineNumber_, block.text)) {
        return false;
    }
    addBlock(std::move(block));
    return true;
}

bool InfoParser::open(Open what, std::u32string_view text)
{
    open_ = what;
    openLine_ = lineNumber_;
    openText_ = trimmed(text);
    return true;
}

bool InfoParser::continueOpen(std::u32string_view line)
{
    if (open_ != Open::Table) {
        openText_ += U' ';
        openText_ += trimmed(line);
        return true;
    }
    if (rawRows_.empty()) {
        return fail(lineNumber_, "an indented line continues a table row, but there is no row "
                                 "yet");
    }
    rawRows_.back().cells.back() += U' ';
    rawRows_.back().cells.back() += trimmed(line);
    return true;
}

bool InfoParser::startTableRow(std::u32string_view line)
{
    if (open_ != Open::Table) {
        if (!flush()) {
            return false;
        }
        open_ = Open::Table;
        openLine_ = lineNumber_;
    }
    line.remove_prefix(1);
    const bool widths = line.starts_with(U'%');
    const bool header = line.starts_with(U'=');
    if (widths || header) {
        line.remove_prefix(1);
    }

    // Cells are split at every '|' that no backslash escapes; the escape itself stays in the
    // cell for parseText. A '|' closing the line adds no empty cell.
    std::vector<std::u32string> cells(1);
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == U'\\' && i + 1 < line.size()) {
            cells.back() += line.substr(i, 2);
            ++i;
        } else if (line[i] == U'|') {
            cells.emplace_back();
        } else {
            cells.back() += line[i];
        }
    }
    for (std::u32string& cell : cells) {
        cell = trimmed(cell);
    }
    if (cells.size() > 1 && cells.back().empty()) {
        cells.pop_back();
    }

    if (!widths) {
        rawRows_.push_back({lineNumber_, header, std::move(cells)});
        return true;
    }
    if (!pendingWidths_.empty() || !rawRows_.empty()) {
        return fail(lineNumber_, "column widths (|%) come once, before the table's rows");
    }
    int sum = 0;
    for (const std::u32string& cell : cells) {
        int width = 0;
        for (const char32_t c : cell) {
            if (c < U'0' || c > U'9' || width > 100) {
                return fail(lineNumber_, "a column width is a whole number of percent, not '" +
                                             toUtf8(cell) + "'");
            }
            width = width * 10 + static_cast<int>(c - U'0');
        }
        if (width <= 0 || width > 100) {
            return fail(lineNumber_,
                        "a column width is from 1 to 100 percent, not '" + toUtf8(cell) + "'");
        }
        sum += width;
        pendingWidths_.push_back(width);
    }
    if (sum != 100) {
        return fail(lineNumber_,
                    "the column widths add up to " + std::to_string(sum) + " percent, not 100");
    }
    widthsLine_ = lineNumber_;
    return true;
}

bool InfoParser::flush()
{
    const Open open = std::exchange(open_, Open::None);
    if (open == Open::Paragraph || open == Open::Bullet) {
        InfoDocument::Block block{.kind = open == Open::Bullet
                                              ? InfoDocument::Block::Kind::Bullet
                                              : InfoDocument::Block::Kind::Paragraph,
                                  .language = language_};
        if (!parseText(openText_, openLine_, block.text)) {
            return false;
        }
        addBlock(std::move(block));
    } else if (open == Open::Table) {
        std::vector<RawRow> rows = std::exchange(rawRows_, {});
        std::vector<int> widths = std::exchange(pendingWidths_, {});
        if (rows.empty()) {
            return fail(openLine_, "column widths (|%) with no table rows after them");
        }
        const size_t columns = rows.front().cells.size();
        if (!widths.empty() && widths.size() != columns) {
            return fail(widthsLine_, "the table has " + std::to_string(columns) + " columns but " +
                                         std::to_string(widths.size()) + " widths");
        }
        if (widths.empty()) {
            widths.assign(columns, 100 / static_cast<int>(columns));
            widths.back() += 100 % static_cast<int>(columns);
        }
        InfoDocument::Block block{.kind = InfoDocument::Block::Kind::Table,
                                  .language = language_,
                                  .widths = std::move(widths)};
        for (const RawRow& raw : rows) {
            if (raw.cells.size() != columns) {
                return fail(raw.line, "this row has " + std::to_string(raw.cells.size()) +
                                          " cells where the table's first row has " +
                                          std::to_string(columns));
            }
            InfoDocument::Row row{.header = raw.header};
            for (const std::u32string& cell : raw.cells) {
                row.cells.emplace_back();
                if (!cell.empty() && !parseText(cell, raw.line, row.cells.back())) {
                    return false;
                }
            }
            block.rows.push_back(std::move(row));
        }
        addBlock(std::move(block));
    }
    openText_.clear();
    return true;
}

bool InfoParser::parseText(std::u32string_view text, int line, InfoDocument::Text& out)
{
    InfoDocument::Span span;
    auto endSpan = [&] {
        if (!span.text.empty()) {
            out.push_back(span);
            span.text.clear();
        }
    };
    auto toggle = [&](bool InfoDocument::Span::*flag) {
        endSpan();
        span.*flag = !(span.*flag);
    };
    // Where the spans of the open link start in out; a link's spans learn its target at its end.
    constexpr std::size_t kNoLink = std::u32string_view::npos;
    std::size_t linkStart = kNoLink;
    // Runs of spaces collapse to one, so the source can be wrapped and aligned freely; the
    // no-break space (U+00A0) is not a space here and stays.
    bool afterSpace = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const char32_t next = i + 1 < text.size() ? text[i + 1] : 0;
        if (c == U'\\' && next == U'~') {
            span.text += kNoBreakSpace;
            afterSpace = false;
            ++i;
        } else if (c == U'\\') {
            if (!isEscapable(next)) {
                return fail(line,
                            next == 0
                                ? std::string("a backslash at the end of the text")
                                : "unknown escape \\" + toUtf8({&next, 1}) +
                                      " (known: \\* \\_ \\^ \\| \\\\ \\% \\@ \\# \\- \\[ \\] \\~)");
            }
            span.text += next;
            afterSpace = false;
            ++i;
        } else if (c == next && (c == U'*' || c == U'_' || c == U'^')) {
            toggle(c == U'*'   ? &InfoDocument::Span::bold
                   : c == U'_' ? &InfoDocument::Span::italic
                               : &InfoDocument::Span::coloured);
            ++i;
        } else if (c == U'[') {
            if (linkStart != kNoLink) {
                return fail(line, "a link inside a link: [ before the ](#name) of the one open");
            }
            endSpan();
            linkStart = out.size();
        } else if (c == U']' && linkStart != kNoLink) {
            std::string name;
            if (!parseLinkTarget(text, i, line, name)) {
                return false;
            }
            endSpan();
            if (out.size() == linkStart) {
                return fail(line, "a link without text: [](#" + name + ")");
            }
            for (std::size_t k = linkStart; k < out.size(); ++k) {
                out[k].link = name;
            }
            links_.emplace_back(std::move(name), line);
            linkStart = kNoLink;
        } else if (c == U' ') {
            // Russian typesetting never starts a line with a dash, so the space before one is
            // made a no-break space here rather than in every line of the source.
            if (!afterSpace) {
                span.text += next == kEmDash ? kNoBreakSpace : c;
            }
            afterSpace = true;
        } else {
            span.text += c;
            afterSpace = false;
        }
    }
    if (linkStart != kNoLink) {
        return fail(line, "[ opens a link that is not closed with ](#name) in the text that "
                          "starts on this line");
    }
    if (span.bold || span.italic || span.coloured) {
        const char* which = span.bold ? "** (bold)" : span.italic ? "__ (italic)" : "^^ (colour)";
        return fail(line, std::string(which) + " is opened but not closed in the text that starts "
                                               "on this line");
    }
    out.push_back(span);
    // A space before the end, or before a closing marker at the end, is not text.
    while (!out.empty()) {
        std::u32string& last = out.back().text;
        while (!last.empty() && last.back() == U' ') {
            last.pop_back();
        }
        if (!last.empty()) {
            break;
        }
        out.pop_back();
    }
    if (out.empty()) {
        return fail(line, "no text where text is expected");
    }
    return true;
}

bool InfoParser::parseLinkTarget(std::u32string_view text, std::size_t& i, int line,
                                 std::string& name)
{
    std::size_t at = i + 1;
    if (text.substr(at, 2) == U"(#") {
        at += 2;
        const std::size_t start = at;
        while (at < text.size() && isNameCharacter(text[at])) {
            ++at;
        }
        if (at > start && at < text.size() && text[at] == U')') {
            name = toUtf8(text.substr(start, at - start));
            i = at;
            return true;
        }
    }
    return fail(line, "a link's text ends with ](#name), the name of a @bookmark");
}

bool InfoParser::fail(int line, const std::string& reason)
{
    error_ = fileName_ + ":" + std::to_string(line) + ": " + reason;
    return false;
}

} // namespace info
