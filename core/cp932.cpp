#include "core/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

namespace tallyrix {
namespace {

// The mapping is the "windows-31j" codec's (0x817C <-> U+FF0D, 0x8160 <-> U+FF5E,
// as on Windows; the plain Shift_JIS table differs). It is read once into two
// tables, so that converting a large file is a plain loop.
constexpr const char* kCodecName = "windows-31j";
constexpr auto kFlags = QStringConverter::Flag::Stateless;

constexpr char16_t kNoChar = 0xFFFF;        // no character for this byte sequence
constexpr std::uint16_t kNoBytes = 0xFFFF;  // no bytes for this character
// What the codec writes for a character it cannot encode; not a code page 932 character.
constexpr char kSubstitute[] = "\xFC\xFC";

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

struct Tables {
    // Single bytes at their value, pairs at (lead << 8) | trail.
    std::array<char16_t, 0x10000> toUnicode;
    // A single byte as its value (< 0x100), a pair as (lead << 8) | trail.
    std::array<std::uint16_t, 0x10000> toBytes;
};

// The codec swaps some control characters (0x1A, 0x1C, 0x7F) as IBM code pages
// do; Windows keeps 0x00..0x7F as they are, and so do we.
void asciiIsIdentity(Tables& t) {
    for (char16_t c = 0; c < 0x80; ++c) {
        t.toUnicode[c] = c;
        t.toBytes[c] = c;
    }
}

// Decodes every single byte and every lead/trail pair in one run, each followed
// by LF (which is never a trail byte, so an invalid pair cannot swallow it).
void fillDecodeTable(Tables& t) {
    t.toUnicode.fill(kNoChar);
    QByteArray probe;
    std::vector<std::uint16_t> codes;
    for (int b = 0; b < 0x100; ++b) {
        if (!isLeadByte(static_cast<unsigned char>(b))) {
            codes.push_back(static_cast<std::uint16_t>(b));
        }
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            codes.push_back(static_cast<std::uint16_t>((lead << 8) | trail));
        }
    }
    for (std::uint16_t code : codes) {
        if (code > 0xFF) {
            probe += static_cast<char>(code >> 8);
        }
        probe += static_cast<char>(code & 0xFF);
        probe += '\n';
    }
    QStringDecoder decoder(kCodecName, kFlags);
    const QString decoded = decoder.decode(probe);
    const QStringList pieces = decoded.split(u'\n');
    // LF itself decodes to an empty piece pair; walk the pieces in step with the codes.
    qsizetype piece = 0;
    for (std::uint16_t code : codes) {
        if (code == 0x0A) {
            t.toUnicode[code] = u'\n';
            piece += 2;
            continue;
        }
        const QString& text = pieces[piece++];
        // The codec reads an invalid byte as U+001A and an invalid pair as U+FFFD.
        if (text.size() == 1 && text[0] != u'\x1A' && text[0] != QChar::ReplacementCharacter) {
            t.toUnicode[code] = text[0].unicode();
        }
    }
    asciiIsIdentity(t);
}

// Encodes every BMP character in chunks, each followed by LF, and walks the output
// unit by unit. A chunk whose output does not line up is done character by character.
void fillEncodeTable(Tables& t) {
    t.toBytes.fill(kNoBytes);
    constexpr int kChunk = 1024;
    for (int start = 0; start < 0x10000; start += kChunk) {
        QString probe;
        for (int c = start; c < start + kChunk; ++c) {
            probe += QChar(QChar::isSurrogate(static_cast<char32_t>(c)) ? u'?'
                                                                        : static_cast<char16_t>(c));
            probe += u'\n';
        }
        QStringEncoder encoder(kCodecName, kFlags);
        const QByteArray out = encoder.encode(probe);
        std::array<std::uint16_t, kChunk> found{};
        qsizetype pos = 0;
        bool aligned = true;
        for (int i = 0; i < kChunk && aligned; ++i) {
            if (pos >= out.size()) {
                aligned = false;
                break;
            }
            const auto b = static_cast<unsigned char>(out[pos]);
            const qsizetype width = (isLeadByte(b) && pos + 1 < out.size()) ? 2 : 1;
            const QByteArrayView unit(out.constData() + pos, width);
            found[static_cast<size_t>(i)] =
                unit == QByteArrayView(kSubstitute, 2)
                    ? kNoBytes
                    : static_cast<std::uint16_t>(
                          width == 2 ? (b << 8) | static_cast<unsigned char>(out[pos + 1]) : b);
            pos += width;
            aligned = pos < out.size() && out[pos] == '\n';
            ++pos;
        }
        for (int i = 0; i < kChunk; ++i) {
            const int c = start + i;
            if (QChar::isSurrogate(static_cast<char32_t>(c))) {
                continue;
            }
            if (aligned) {
                t.toBytes[static_cast<size_t>(c)] = found[static_cast<size_t>(i)];
                continue;
            }
            QStringEncoder single(kCodecName, kFlags);
            const QByteArray bytes = single.encode(QString(QChar(static_cast<char16_t>(c))));
            if (!single.hasError() && bytes.size() == 1) {
                t.toBytes[static_cast<size_t>(c)] = static_cast<unsigned char>(bytes[0]);
            } else if (!single.hasError() && bytes.size() == 2) {
                t.toBytes[static_cast<size_t>(c)] =
                    static_cast<std::uint16_t>((static_cast<unsigned char>(bytes[0]) << 8) |
                                               static_cast<unsigned char>(bytes[1]));
            }
        }
    }
}

const Tables& tables() {
    static const std::unique_ptr<Tables> instance = [] {
        auto t = std::make_unique<Tables>();
        fillEncodeTable(*t);
        fillDecodeTable(*t);
        return t;
    }();
    return *instance;
}

// The bytes of the character at text[i] and how many UTF-16 units it took;
// kNoBytes for a character code page 932 cannot hold.
std::uint16_t bytesAt(const QString& text, qsizetype i, qsizetype& width) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        width = 2;  // outside the BMP: never in code page 932
        return kNoBytes;
    }
    width = 1;
    return c.isSurrogate() ? kNoBytes : tables().toBytes[c.unicode()];
}

}  // namespace

QString decodeCp932(const char* data, qsizetype size, bool dropCarriageReturns) {
    const auto& toUnicode = tables().toUnicode;
    QString out(size, Qt::Uninitialized);
    char16_t* dest = reinterpret_cast<char16_t*>(out.data());
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* const end = p + size;
    qsizetype n = 0;
    while (p < end) {
        char16_t c = kNoChar;
        if (isLeadByte(*p) && p + 1 < end) {
            c = toUnicode[static_cast<size_t>((p[0] << 8) | p[1])];
            // A bad pair costs one byte: its second byte may start a good character.
            p += (c == kNoChar) ? 1 : 2;
        } else {
            if (*p == '\r' && dropCarriageReturns) {
                ++p;
                continue;
            }
            c = isLeadByte(*p) ? kNoChar : toUnicode[*p];
            ++p;
        }
        dest[n++] = (c == kNoChar) ? char16_t(QChar::ReplacementCharacter) : c;
    }
    out.truncate(n);
    return out;
}

QString decodeCp932(const QByteArray& bytes) {
    return decodeCp932(bytes.constData(), bytes.size());
}

QByteArray encodeCp932(const QString& text) {
    const auto& toBytes = tables().toBytes;
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char* dest = out.data();
    qsizetype n = 0;
    const QChar* src = text.constData();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = src[i];
        std::uint16_t code = kNoBytes;
        if (!c.isSurrogate()) {
            code = toBytes[c.unicode()];
        } else if (c.isHighSurrogate() && i + 1 < size && src[i + 1].isLowSurrogate()) {
            ++i;  // outside the BMP: one "?" for the pair
        }
        if (code == kNoBytes) {
            dest[n++] = '?';
        } else if (code > 0xFF) {
            dest[n++] = static_cast<char>(code >> 8);
            dest[n++] = static_cast<char>(code & 0xFF);
        } else {
            dest[n++] = static_cast<char>(code);
        }
    }
    out.truncate(n);
    return out;
}

QString firstNonCp932Character(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        qsizetype width = 1;
        if (bytesAt(text, i, width) == kNoBytes) {
            return text.mid(i, width);
        }
        i += width;
    }
    return {};
}

namespace {

// Bytes and UTF-16 units of the character at text[i].
int charBytesAt(const QString& text, qsizetype i, qsizetype& width) {
    const QChar c = text[i];
    width = (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    if (c.isSurrogate()) {
        return 1;  // written as "?"
    }
    const std::uint16_t code = tables().toBytes[c.unicode()];
    return (code != kNoBytes && code > 0xFF) ? 2 : 1;
}

}  // namespace

QString cutToCp932Bytes(const QString& text, int maxBytes) {
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype width = 1;
        const int size = charBytesAt(text, i, width);
        if (bytes + size > maxBytes) {
            break;
        }
        bytes += size;
        i += width;
    }
    return text.left(i);
}

int cp932ByteLength(const QString& text) {
    int bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype width = 1;
        bytes += charBytesAt(text, i, width);
        i += width;
    }
    return bytes;
}

bool isCp932Encodable(const QString& text) {
    return firstNonCp932Character(text).isEmpty();
}

}  // namespace tallyrix
