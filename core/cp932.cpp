#include "core/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tallyrix {
namespace {

// "windows-31j" maps 0x817C to U+FF0D and 0x8160 to U+FF5E as Windows does;
// the plain Shift_JIS table would not. Stateless: every call converts its whole
// input, so nothing is held back for a next call.
constexpr const char* kCodecName = "windows-31j";
constexpr auto kFlags = QStringConverter::Flag::Stateless;

// What the converter writes for a character it cannot encode. 0xFC 0xFC is not a
// code page 932 character, so it never stands for real text.
constexpr char kSubstitute[] = "\xFC\xFC";
// What the converter reads an invalid byte as.
constexpr char16_t kInvalidByte = u'\x1A';

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

qsizetype unitWidth(const QByteArray& bytes, qsizetype i) {
    return (isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ? 2 : 1;
}

// Slow path for input with invalid sequences: one character at a time, so that
// each bad byte becomes one U+FFFD and every good character survives.
QString decodeCharacterwise(const QByteArray& bytes) {
    QStringDecoder decoder(kCodecName, kFlags);
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype width = unitWidth(bytes, i);
        const QByteArrayView unit(bytes.constData() + i, width);
        const QString piece = decoder.decode(unit);
        const bool bad = piece.size() != 1 || (piece[0] == kInvalidByte && unit != "\x1A");
        if (bad) {
            out += QChar(QChar::ReplacementCharacter);
            i += 1;  // the second byte of a bad pair may start a good character
            continue;
        }
        out += piece;
        i += width;
    }
    return out;
}

// Replaces every substituted character of encoder output by "?".
QByteArray questionMarksForSubstitutes(const QByteArray& encoded) {
    QByteArray out;
    out.reserve(encoded.size());
    qsizetype i = 0;
    while (i < encoded.size()) {
        const qsizetype width = unitWidth(encoded, i);
        const QByteArrayView unit(encoded.constData() + i, width);
        if (unit == QByteArrayView(kSubstitute, 2)) {
            out += '?';
        } else {
            out += unit;
        }
        i += width;
    }
    return out;
}

qsizetype codePointWidth(const QString& text, qsizetype i) {
    return (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
}

}  // namespace

QString decodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder(kCodecName, kFlags);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError()) {
        return text;
    }
    return decodeCharacterwise(bytes);
}

QByteArray encodeCp932(const QString& text) {
    QStringEncoder encoder(kCodecName, kFlags);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) {
        return bytes;
    }
    return questionMarksForSubstitutes(bytes);
}

QString firstNonCp932Character(const QString& text) {
    QStringEncoder encoder(kCodecName, kFlags);
    const QByteArray whole = encoder.encode(text);
    Q_UNUSED(whole);
    if (!encoder.hasError()) {
        return {};
    }
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = codePointWidth(text, i);
        const QByteArray piece = encoder.encode(QStringView(text).mid(i, width));
        if (piece.contains(kSubstitute)) {
            return text.mid(i, width);
        }
        i += width;
    }
    return {};
}

bool isCp932Encodable(const QString& text) {
    QStringEncoder encoder(kCodecName, kFlags);
    const QByteArray whole = encoder.encode(text);
    Q_UNUSED(whole);
    return !encoder.hasError();
}

}  // namespace tallyrix
