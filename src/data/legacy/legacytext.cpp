// SPDX-License-Identifier: GPL-3.0-or-later
#include "legacytext.h"

#include "data/textcodec.h"

namespace LegacyText {

namespace {

char16_t unitAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<char16_t>(static_cast<uchar>(bytes[at]) | static_cast<uchar>(bytes[at + 1])
                                                                     << 8);
}

std::optional<QString> decompress(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    bool oneByte = true;
    qsizetype at = 2;
    while (at < bytes.size()) {
        if (bytes[at] == '\0') {
            oneByte = !oneByte;
            ++at;
        } else if (oneByte) {
            text.append(QChar(static_cast<uchar>(bytes[at])));
            ++at;
        } else if (at + 1 < bytes.size()) {
            text.append(QChar(unitAt(bytes, at)));
            at += 2;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

} // namespace

std::optional<QString> fromJet4(const QByteArray& bytes) {
    if (bytes.startsWith("\xff\xfe"))
        return decompress(bytes);
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(unitAt(bytes, 2 * i));
    return text;
}

std::optional<QString> fromJet3(const QByteArray& bytes) {
    return TextCodec::fromCp932(bytes);
}

} // namespace LegacyText
