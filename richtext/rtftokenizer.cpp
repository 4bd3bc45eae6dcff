// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtftokenizer.h"

// Local
#include "richtext/rtfhex.h"

// Standard library
#include <array>

namespace richtext {

namespace {

bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Bytes that end a run of plain text.
constexpr std::array<bool, 256> kStopsText = [] {
    std::array<bool, 256> stops{};
    stops['\\'] = stops['{'] = stops['}'] = stops['\r'] = stops['\n'] = stops['\0'] = true;
    return stops;
}();

RtfTokenizer::Token makeToken(RtfTokenizer::Type type)
{
    RtfTokenizer::Token token;
    token.type = type;
    return token;
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView input, qsizetype start) : input_(input), pos_(start) {}

RtfTokenizer::Token RtfTokenizer::next()
{
    const qsizetype size = input_.size();
    const char* data = input_.data();
    while (pos_ < size) {
        const auto c = static_cast<unsigned char>(data[pos_]);
        switch (c) {
        case '{':
            ++pos_;
            return makeToken(Type::GroupStart);
        case '}':
            ++pos_;
            return makeToken(Type::GroupEnd);
        case '\r':
        case '\n':
        case '\0':
            ++pos_;
            continue;
        case '\\':
            if (hexEscapeAt(pos_) < 0)
                return controlSequence();
            [[fallthrough]];
        default:
            return textRun();
        }
    }
    return makeToken(Type::End);
}

int RtfTokenizer::hexEscapeAt(qsizetype pos) const
{
    if (pos + 3 >= input_.size() || input_[pos] != '\\' || input_[pos + 1] != '\'')
        return -1;
    const int high = hexDigitValue(input_[pos + 2]);
    const int low = hexDigitValue(input_[pos + 3]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

RtfTokenizer::Token RtfTokenizer::textRun()
{
    // Plain bytes and \'hh escapes form one run of bytes; line ends inside are dropped.
    const qsizetype size = input_.size();
    const char* data = input_.data();
    text_.clear();
    while (pos_ < size) {
        const auto c = static_cast<unsigned char>(data[pos_]);
        if (!kStopsText[c]) {
            const qsizetype start = pos_;
            while (pos_ < size && !kStopsText[static_cast<unsigned char>(data[pos_])])
                ++pos_;
            text_.append(data + start, pos_ - start);
        } else if (c == '\r' || c == '\n' || c == '\0') {
            ++pos_;
        } else if (const int byte = hexEscapeAt(pos_); byte >= 0) {
            text_.append(char(byte));
            pos_ += 4;
        } else {
            break;
        }
    }
    Token token = makeToken(Type::Text);
    token.data = text_;
    return token;
}

RtfTokenizer::Token RtfTokenizer::controlSequence()
{
    const qsizetype size = input_.size();
    const char* data = input_.data();
    ++pos_; // the backslash
    if (pos_ >= size)
        return makeToken(Type::End);

    const auto first = static_cast<unsigned char>(data[pos_]);
    if (!isLetter(first)) {
        ++pos_;
        if (first == '\'') {
            // Well-formed escapes are part of text runs (textRun()). A damaged escape still owns
            // the two characters after it (unless they are structure), so that \'3? counts as one
            // fallback character the way Word reads it.
            for (int i = 0; i < 2 && pos_ < size; ++i) {
                const char c = data[pos_];
                if (c == '\\' || c == '{' || c == '}')
                    break;
                ++pos_;
            }
            return makeToken(Type::BadHex);
        }
        Token token = makeToken(Type::ControlSymbol);
        token.symbol = first == '\r' ? '\n' : char(first);
        return token;
    }

    const qsizetype wordStart = pos_;
    while (pos_ < size && isLetter(data[pos_]))
        ++pos_;
    Token token = makeToken(Type::ControlWord);
    token.word = std::string_view(data + wordStart, size_t(pos_ - wordStart));

    bool negative = false;
    if (pos_ + 1 < size && data[pos_] == '-' && isDigit(data[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < size && isDigit(data[pos_])) {
        long long value = 0;
        while (pos_ < size && isDigit(data[pos_])) {
            if (value <= kMaxParam)
                value = value * 10 + (data[pos_] - '0');
            ++pos_;
        }
        if (value > kMaxParam)
            value = kMaxParam;
        token.hasParam = true;
        token.param = int(negative ? -value : value);
    }
    if (pos_ < size && data[pos_] == ' ')
        ++pos_;

    if (token.word == "bin") {
        const qsizetype wanted = token.hasParam && token.param > 0 ? token.param : 0;
        if (wanted > 0) {
            const qsizetype available = size - pos_;
            if (wanted > available)
                binaryTruncated_ = true;
            const qsizetype taken = qMin(wanted, available);
            Token binary = makeToken(Type::Binary);
            binary.data = input_.sliced(pos_, taken);
            pos_ += taken;
            return binary;
        }
    }
    return token;
}

bool RtfTokenizer::skipGroup()
{
    const qsizetype size = input_.size();
    const char* data = input_.data();
    qsizetype depth = 1;
    while (pos_ < size) {
        const char c = data[pos_];
        if (c == '{') {
            ++depth;
            ++pos_;
        } else if (c == '}') {
            ++pos_;
            if (--depth == 0)
                return true;
        } else if (c == '\\') {
            if (pos_ + 1 < size && isLetter(data[pos_ + 1]))
                controlSequence(); // a \bin consumes its data here
            else
                pos_ += 2; // escaped brace or backslash, or any other symbol
        } else {
            ++pos_;
        }
    }
    pos_ = size;
    return false;
}

} // namespace richtext
