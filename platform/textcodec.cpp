#include "textcodec.h"

#include <cstring>

#include <QStringDecoder>

namespace {

// Unicode code points of the bytes 0x80..0xFF. Windows-1252 leaves five bytes
// undefined; they map to the C1 control of the same value, as Windows does.
const char16_t kWindows1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

const char16_t kCp850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

QString fromTable(const QByteArray &bytes, const char16_t *table)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *p = out.data();
    for (const char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        *p++ = b < 0x80 ? QChar(b) : QChar(table[b - 0x80]);
    }
    return out;
}

QByteArray toTable(const QString &text, const char16_t *table, bool *lossless)
{
    QByteArray out;
    out.reserve(text.size());
    bool ok = true;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80) {
            out.append(char(u));
            continue;
        }
        int found = -1;
        for (int i = 0; i < 128; ++i)
            if (table[i] == u) {
                found = i;
                break;
            }
        if (found < 0) {
            // A surrogate pair stands for one character: one '?' for both halves.
            if (ch.isLowSurrogate())
                continue;
            ok = false;
            out.append('?');
        } else {
            out.append(char(0x80 + found));
        }
    }
    if (lossless)
        *lossless = ok;
    return out;
}

} // namespace

namespace TextCodec {

QString fromWindows1252(const QByteArray &bytes) { return fromTable(bytes, kWindows1252); }
QByteArray toWindows1252(const QString &text, bool *lossless) { return toTable(text, kWindows1252, lossless); }
QString fromCp850(const QByteArray &bytes) { return fromTable(bytes, kCp850); }
QByteArray toCp850(const QString &text, bool *lossless) { return toTable(text, kCp850, lossless); }

bool isValidUtf8(const QByteArray &bytes)
{
    // One pass over the bytes (a large document is checked at every load): the
    // well-formed sequences of the Unicode standard, no overlong forms, no
    // surrogates, nothing above U+10FFFF.
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, s + i, 8);
            if (!(word & 0x8080808080808080ULL)) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len = 0;
        unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (i + len > n || s[i + 1] < lo || s[i + 1] > hi)
            return false;
        for (int k = 2; k < len; ++k)
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
        i += len;
    }
    return true;
}

Encoding detect(const QByteArray &bytes)
{
    return isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decode(const QByteArray &bytes, Encoding enc)
{
    switch (enc) {
    case Encoding::Utf8: return QString::fromUtf8(bytes);
    case Encoding::Windows1252: return fromWindows1252(bytes);
    case Encoding::Cp850: return fromCp850(bytes);
    }
    return QString::fromUtf8(bytes);
}

QByteArray encode(const QString &text, Encoding enc, bool *lossless)
{
    if (enc == Encoding::Windows1252)
        return toWindows1252(text, lossless);
    if (enc == Encoding::Cp850)
        return toCp850(text, lossless);
    if (lossless)
        *lossless = true;
    return text.toUtf8();
}

QString decodeDetected(const QByteArray &bytes, Encoding *enc)
{
    const Encoding e = detect(bytes);
    if (enc)
        *enc = e;
    return decode(bytes, e);
}

} // namespace TextCodec
