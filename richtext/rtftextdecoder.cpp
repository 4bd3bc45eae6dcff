// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtftextdecoder.h"

// Standard library
#include <utility>

namespace richtext {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isShown(char16_t c)
{
    return c >= 0x20 || c == u'\t';
}

} // namespace

RtfTextDecoder::RtfTextDecoder()
{
    text_.reserve(4096);
}

const CodePage& RtfTextDecoder::codePage(int number)
{
    auto it = codePages_.find(number);
    if (it == codePages_.end())
        it = codePages_.emplace(number, std::make_unique<CodePage>(number)).first;
    return *it->second;
}

QStringView RtfTextDecoder::decode(QByteArrayView bytes, const CodePage& codePage)
{
    // resize(0) keeps the buffer; clear() would give it back.
    text_.resize(0);
    if (codePage.isMultiByte()) {
        if (heldCodePage_ != &codePage || highSurrogate_)
            appendHeld();
        held_.append(bytes);
        heldCodePage_ = &codePage;
        return text_;
    }
    appendHeld();
    const qsizetype start = text_.size();
    text_.resize(start + bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(text_.data()) + start;
    qsizetype n = 0;
    for (const char b : bytes) {
        const char16_t c = codePage.decodeByte(static_cast<unsigned char>(b));
        if (isShown(c))
            out[n++] = c;
    }
    text_.resize(start + n);
    return text_;
}

QStringView RtfTextDecoder::decodeUnicode(int value)
{
    text_.resize(0);
    if (value < 0)
        value += 0x10000;
    if (value < 0 || value > 0x10FFFF) {
        appendHeld();
        text_.append(QChar(kReplacement));
        return text_;
    }
    if (value > 0xFFFF) {
        appendHeld();
        text_.append(QChar::highSurrogate(char32_t(value)));
        text_.append(QChar::lowSurrogate(char32_t(value)));
        return text_;
    }
    const char16_t unit = char16_t(value);
    if (QChar::isHighSurrogate(unit)) {
        appendHeld();
        highSurrogate_ = unit;
        return text_;
    }
    if (QChar::isLowSurrogate(unit)) {
        const char16_t high = std::exchange(highSurrogate_, 0);
        appendHeld();
        if (high) {
            text_.append(QChar(high));
            text_.append(QChar(unit));
        } else {
            text_.append(QChar(kReplacement));
        }
        return text_;
    }
    appendHeld();
    if (isShown(unit))
        text_.append(QChar(unit));
    return text_;
}

QStringView RtfTextDecoder::flush()
{
    text_.resize(0);
    appendHeld();
    return text_;
}

void RtfTextDecoder::appendHeld()
{
    // A high surrogate and held bytes never wait together: each flushes the other.
    if (highSurrogate_) {
        highSurrogate_ = 0;
        text_.append(QChar(kReplacement));
    }
    if (!held_.isEmpty()) {
        QString text = heldCodePage_->decode(held_);
        held_.resize(0);
        text.removeIf([](QChar c) { return !isShown(c.unicode()); });
        text_.append(text);
    }
}

} // namespace richtext
