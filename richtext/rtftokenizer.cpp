#include "rtftokenizer.h"

// Own
#include "rtfhex.h"

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

RtfTokenizer::RtfTokenizer(QByteArrayView input, qsizetype start) : m_input(input), m_pos(start) {}

RtfTokenizer::Token RtfTokenizer::next()
{
    const qsizetype size = m_input.size();
    const char* data = m_input.data();
    while (m_pos < size) {
        const auto c = static_cast<unsigned char>(data[m_pos]);
        switch (c) {
        case '{':
            ++m_pos;
            return makeToken(Type::GroupStart);
        case '}':
            ++m_pos;
            return makeToken(Type::GroupEnd);
        case '\r':
        case '\n':
        case '\0':
            ++m_pos;
            continue;
        case '\\':
            if (hexEscapeAt(m_pos) < 0)
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
    if (pos + 3 >= m_input.size() || m_input[pos] != '\\' || m_input[pos + 1] != '\'')
        return -1;
    const int high = hexDigitValue(m_input[pos + 2]);
    const int low = hexDigitValue(m_input[pos + 3]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

RtfTokenizer::Token RtfTokenizer::textRun()
{
    // Plain bytes and \'hh escapes form one run of bytes; line ends inside are dropped.
    const qsizetype size = m_input.size();
    const char* data = m_input.data();
    m_text.clear();
    while (m_pos < size) {
        const auto c = static_cast<unsigned char>(data[m_pos]);
        if (!kStopsText[c]) {
            const qsizetype start = m_pos;
            while (m_pos < size && !kStopsText[static_cast<unsigned char>(data[m_pos])])
                ++m_pos;
            m_text.append(data + start, m_pos - start);
        } else if (c == '\r' || c == '\n' || c == '\0') {
            ++m_pos;
        } else if (const int byte = hexEscapeAt(m_pos); byte >= 0) {
            m_text.append(char(byte));
            m_pos += 4;
        } else {
            break;
        }
    }
    Token token = makeToken(Type::Text);
    token.data = m_text;
    return token;
}

RtfTokenizer::Token RtfTokenizer::controlSequence()
{
    const qsizetype size = m_input.size();
    const char* data = m_input.data();
    ++m_pos; // the backslash
    if (m_pos >= size)
        return makeToken(Type::End);

    const auto first = static_cast<unsigned char>(data[m_pos]);
    if (!isLetter(first)) {
        ++m_pos;
        if (first == '\'') {
            // Well-formed escapes are part of text runs (textRun()). A damaged escape still owns
            // the two characters after it (unless they are structure), so that \'3? counts as one
            // fallback character the way Word reads it.
            for (int i = 0; i < 2 && m_pos < size; ++i) {
                const char c = data[m_pos];
                if (c == '\\' || c == '{' || c == '}')
                    break;
                ++m_pos;
            }
            return makeToken(Type::BadHex);
        }
        Token token = makeToken(Type::ControlSymbol);
        token.symbol = first == '\r' ? '\n' : char(first);
        return token;
    }

    const qsizetype wordStart = m_pos;
    while (m_pos < size && isLetter(data[m_pos]))
        ++m_pos;
    Token token = makeToken(Type::ControlWord);
    token.word = std::string_view(data + wordStart, size_t(m_pos - wordStart));

    bool negative = false;
    if (m_pos + 1 < size && data[m_pos] == '-' && isDigit(data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(data[m_pos])) {
        long long value = 0;
        while (m_pos < size && isDigit(data[m_pos])) {
            if (value <= kMaxParam)
                value = value * 10 + (data[m_pos] - '0');
            ++m_pos;
        }
        if (value > kMaxParam)
            value = kMaxParam;
        token.hasParam = true;
        token.param = int(negative ? -value : value);
    }
    if (m_pos < size && data[m_pos] == ' ')
        ++m_pos;

    if (token.word == "bin") {
        const qsizetype wanted = token.hasParam && token.param > 0 ? token.param : 0;
        if (wanted > 0) {
            const qsizetype available = size - m_pos;
            if (wanted > available)
                m_binaryTruncated = true;
            const qsizetype taken = qMin(wanted, available);
            Token binary = makeToken(Type::Binary);
            binary.data = m_input.sliced(m_pos, taken);
            m_pos += taken;
            return binary;
        }
    }
    return token;
}

bool RtfTokenizer::skipGroup()
{
    const qsizetype size = m_input.size();
    const char* data = m_input.data();
    qsizetype depth = 1;
    while (m_pos < size) {
        const char c = data[m_pos];
        if (c == '{') {
            ++depth;
            ++m_pos;
        } else if (c == '}') {
            ++m_pos;
            if (--depth == 0)
                return true;
        } else if (c == '\\') {
            if (m_pos + 1 < size && isLetter(data[m_pos + 1]))
                controlSequence(); // a \bin consumes its data here
            else
                m_pos += 2; // escaped brace or backslash, or any other symbol
        } else {
            ++m_pos;
        }
    }
    m_pos = size;
    return false;
}

} // namespace richtext
