#include "rtftextdecoder.h"

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
    m_text.reserve(4096);
}

const CodePage& RtfTextDecoder::codePage(int number)
{
    auto it = m_codePages.find(number);
    if (it == m_codePages.end())
        it = m_codePages.emplace(number, std::make_unique<CodePage>(number)).first;
    return *it->second;
}

QStringView RtfTextDecoder::decode(QByteArrayView bytes, const CodePage& codePage)
{
    // resize(0) keeps the buffer; clear() would give it back.
    m_text.resize(0);
    if (codePage.isMultiByte()) {
        if (m_heldCodePage != &codePage || m_highSurrogate)
            appendHeld();
        m_held.append(bytes);
        m_heldCodePage = &codePage;
        return m_text;
    }
    appendHeld();
    const qsizetype start = m_text.size();
    m_text.resize(start + bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(m_text.data()) + start;
    qsizetype n = 0;
    for (const char b : bytes) {
        const char16_t c = codePage.decodeByte(static_cast<unsigned char>(b));
        if (isShown(c))
            out[n++] = c;
    }
    m_text.resize(start + n);
    return m_text;
}

QStringView RtfTextDecoder::decodeUnicode(int value)
{
    m_text.resize(0);
    if (value < 0)
        value += 0x10000;
    if (value < 0 || value > 0x10FFFF) {
        appendHeld();
        m_text.append(QChar(kReplacement));
        return m_text;
    }
    if (value > 0xFFFF) {
        appendHeld();
        m_text.append(QChar::highSurrogate(char32_t(value)));
        m_text.append(QChar::lowSurrogate(char32_t(value)));
        return m_text;
    }
    const char16_t unit = char16_t(value);
    if (QChar::isHighSurrogate(unit)) {
        appendHeld();
        m_highSurrogate = unit;
        return m_text;
    }
    if (QChar::isLowSurrogate(unit)) {
        const char16_t high = std::exchange(m_highSurrogate, 0);
        appendHeld();
        if (high) {
            m_text.append(QChar(high));
            m_text.append(QChar(unit));
        } else {
            m_text.append(QChar(kReplacement));
        }
        return m_text;
    }
    appendHeld();
    if (isShown(unit))
        m_text.append(QChar(unit));
    return m_text;
}

QStringView RtfTextDecoder::flush()
{
    m_text.resize(0);
    appendHeld();
    return m_text;
}

void RtfTextDecoder::appendHeld()
{
    // A high surrogate and held bytes never wait together: each flushes the other.
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        m_text.append(QChar(kReplacement));
    }
    if (!m_held.isEmpty()) {
        QString text = m_heldCodePage->decode(m_held);
        m_held.resize(0);
        text.removeIf([](QChar c) { return !isShown(c.unicode()); });
        m_text.append(text);
    }
}

} // namespace richtext
