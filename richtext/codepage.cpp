// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/codepage.h"

// Local
#include "richtext/codepagetables.h"

namespace richtext {

namespace {

bool isDoubleByte(int number)
{
    switch (number) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
        return true;
    default:
        return false;
    }
}

QStringDecoder qtDecoder(int number)
{
    // ICU knows most pages under one of these spellings; 1361 (Johab) it may not know at all.
    const QByteArray n = QByteArray::number(number);
    for (const QByteArray& name : {"windows-" + n, "cp" + n, "ibm-" + n, "x-mac-" + n}) {
        QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder();
}

// The Symbol font puts Greek letters where ASCII has Latin ones.
constexpr char16_t kSymbolUpper[26] = {0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
                                       0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D,
                                       0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5,
                                       0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
constexpr char16_t kSymbolLower[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
                                       0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD,
                                       0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5,
                                       0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};

} // namespace

CodePage::CodePage(int number)
{
    for (int b = 0; b < 0x80; ++b)
        table_[b] = char16_t(b);

    if (number == kSymbol) {
        number_ = kSymbol;
        for (int i = 0; i < 26; ++i) {
            table_['A' + i] = kSymbolUpper[i];
            table_['a' + i] = kSymbolLower[i];
        }
        for (int b = 0x80; b < 0x100; ++b)
            table_[b] = char16_t(b);
        table_[0xB7] = 0x2022; // the bullet WordPad lists use
        return;
    }

    if (isDoubleByte(number)) {
        number_ = number;
        multiByte_ = true;
        decoder_ = qtDecoder(number);
        return;
    }

    const SingleByteTable* table = findSingleByteTable(number);
    if (!table && number != 1252) {
        QStringDecoder decoder = qtDecoder(number);
        if (decoder.isValid()) {
            number_ = number;
            for (int b = 0x80; b < 0x100; ++b) {
                const char byte = char(b);
                const QString s = decoder.decode(QByteArrayView(&byte, 1));
                table_[b] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
            }
            return;
        }
    }
    if (!table) {
        number = 1252;
        table = findSingleByteTable(1252);
    }
    number_ = number;
    for (int b = 0; b < 0x80; ++b)
        table_[0x80 + b] = table->high[b];
}

QString CodePage::decode(QByteArrayView bytes) const
{
    if (!multiByte_) {
        QString out(bytes.size(), Qt::Uninitialized);
        char16_t* dst = reinterpret_cast<char16_t*>(out.data());
        for (qsizetype i = 0; i < bytes.size(); ++i)
            dst[i] = table_[static_cast<unsigned char>(bytes[i])];
        return out;
    }
    if (decoder_.isValid())
        return decoder_.decode(bytes);

    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            out.append(QChar(byte));
        } else {
            out.append(QChar(0xFFFD));
            ++i; // the trail byte
        }
    }
    return out;
}

std::optional<int> CodePage::forCharset(int charset)
{
    switch (charset) {
    case 2:
        return kSymbol;
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 79:
        return 10003;
    case 80:
        return 10008;
    case 81:
        return 10002;
    case 83:
        return 10005;
    case 84:
        return 10004;
    case 85:
        return 10006;
    case 86:
        return 10081;
    case 87:
        return 10021;
    case 88:
        return 10029;
    case 89:
        return 10007;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return std::nullopt;
    }
}

} // namespace richtext
