// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>

namespace TextCodec {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

// Converts with iconv; a byte sequence that does not convert either fails the whole
// conversion or, when replacement is given, is skipped byte by byte and replaced.
std::optional<QByteArray> convert(const char* to, const char* from, const QByteArray& input,
                                  const QByteArray& replacement = {},
                                  qsizetype* badOffset = nullptr) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray output;
    output.reserve(input.size() * 2 + 16);
    char buffer[4096];
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        const int error = errno; // append() may allocate, which may change errno
        output.append(buffer, static_cast<qsizetype>(sizeof buffer - outLeft));
        if (result != static_cast<size_t>(-1) || error == E2BIG)
            continue;
        if (replacement.isEmpty()) {
            ok = false;
            if (badOffset)
                *badOffset = in - input.constData();
            break;
        }
        output.append(replacement);
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    return output;
}

} // namespace

std::optional<QString> fromCp932(const QByteArray& bytes) {
    return decode(bytes, "CP932");
}

std::optional<QString> decode(const QByteArray& bytes, const char* encoding, qsizetype* badOffset) {
    qsizetype bad = -1;
    const auto utf8 = convert("UTF-8", encoding, bytes, {}, &bad);
    if (badOffset)
        *badOffset = bad;
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

std::optional<QByteArray> toCp932(const QString& text) {
    return convert("CP932", "UTF-8", text.toUtf8());
}

std::optional<QString> fromUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeSettings(const QByteArray& bytes) {
    if (bytes.startsWith(utf8Bom))
        return QString::fromUtf8(bytes.mid(utf8Bom.size()));
    const auto utf8 = convert("UTF-8", "CP932", bytes, QByteArray("\xEF\xBF\xBD"));
    return utf8 ? QString::fromUtf8(*utf8) : QString::fromLatin1(bytes);
}

QByteArray encodeSettings(const QString& text) {
    if (const auto cp932 = toCp932(text))
        return *cp932;
    return utf8Bom + text.toUtf8();
}

} // namespace TextCodec
