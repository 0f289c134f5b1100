// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvencoding.h"

#include "storeerror.h"
#include "textcodec.h"

#include <QStringList>
#include <algorithm>

namespace CsvEncoding {

namespace {

struct Known {
    const char* name;
    const char* iconvName;
    const char* aliases; // lower case, separated by spaces
};

const Known known[] = {
    {"UTF-8", "UTF-8", "utf-8 utf8"},
    {"CP932", "CP932", "cp932 ms932 windows-31j shift_jis shift-jis sjis"},
    {"Latin-1", "ISO-8859-1", "latin-1 latin1 iso-8859-1 iso8859-1"},
    {"CP1252", "CP1252", "cp1252 windows-1252"},
};

const QString askForEncoding =
    QStringLiteral("--encoding で文字コード（UTF-8、CP932、Latin-1、CP1252）を指定してください");

[[noreturn]] void fail(const QString& source, int line, const QString& what) {
    throw StoreError(StoreError::Kind::Invalid, source,
                     QStringLiteral("%1 行目: %2").arg(line).arg(what));
}

[[noreturn]] void doubtAt(const QString& source, int line, const QString& what,
                          std::vector<Doubt::Reading> readings) {
    throw Doubt(source, line, QStringLiteral("%1 行目: %2").arg(line).arg(what),
                std::move(readings));
}

int lineAt(const QByteArray& bytes, qsizetype offset) {
    return static_cast<int>(bytes.left(offset).count('\n')) + 1;
}

int lineAt(const QString& text, qsizetype index) {
    return static_cast<int>(QStringView(text).left(index).count(QLatin1Char('\n'))) + 1;
}

const Known* find(const QString& name) {
    const QString wanted = name.trimmed().toLower();
    for (const Known& encoding : known) {
        if (QString::fromLatin1(encoding.aliases).split(QLatin1Char(' ')).contains(wanted))
            return &encoding;
    }
    return nullptr;
}

QString decodeAs(const QByteArray& bytes, const QString& source, const Known& encoding) {
    qsizetype bad = 0;
    const auto text = TextCodec::decode(bytes, encoding.iconvName, &bad);
    if (!text)
        fail(source, lineAt(bytes, bad),
             QStringLiteral("%1 として読めないバイトがあります").arg(encoding.name));
    // C1 controls come from Latin-1 read where CP1252 was meant (’ “ ” –).
    for (qsizetype i = 0; i < text->size(); ++i) {
        const ushort c = text->at(i).unicode();
        if (c >= 0x80 && c <= 0x9F)
            fail(source, lineAt(*text, i),
                 QStringLiteral("%1 として読むと制御文字 U+%2 になるバイトがあります。"
                                "別の文字コードのファイルではありませんか")
                     .arg(encoding.name)
                     .arg(c, 4, 16, QLatin1Char('0')));
    }
    return *text;
}

bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Where UTF-8 text holds nothing beyond Latin-1, the same bytes are often also valid
// CP932 half-width kana ("ý" is "ﾃｽ"). The UTF-8 reading is taken only when it looks
// like European words: every non-ASCII character a letter inside a word that also holds
// an ASCII letter ("café", "naïve"). Returns where the text stops looking so, or -1.
qsizetype doubtfulAsLatinWords(const QString& text) {
    qsizetype wordStart = 0;
    bool asciiInWord = false;
    qsizetype firstAccent = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QChar();
        if (c.unicode() >= 0x80 && !c.isLetter())
            return i;
        if (c.isLetter()) {
            asciiInWord = asciiInWord || isAsciiLetter(c);
            if (c.unicode() >= 0x80 && firstAccent < wordStart)
                firstAccent = i;
            continue;
        }
        if (firstAccent >= wordStart && !asciiInWord)
            return firstAccent;
        wordStart = i + 1;
        asciiInWord = false;
    }
    return -1;
}

// Latin-1 and CP1252 words read as CP932 turn each accented letter and the letter after it
// into one kanji inside an English word ("façade" becomes "fa軋de"), or into a character
// of the private use area. Japanese text rarely puts a lone character right beside an
// ASCII letter, so such a character makes the CP932 reading doubtful. Returns its index,
// or -1.
qsizetype doubtfulAsJapanese(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].unicode() < 0x80) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].unicode() >= 0x80) {
            if (text[end].unicode() >= 0xE000 && text[end].unicode() <= 0xF8FF)
                return end;
            ++end;
        }
        const bool besideLetter = (i > 0 && isAsciiLetter(text[i - 1])) ||
                                  (end < text.size() && isAsciiLetter(text[end]));
        if (end - i == 1 && besideLetter)
            return i;
        i = end;
    }
    return -1;
}

QString excerpt(const QString& text, qsizetype index) {
    const qsizetype start = std::max<qsizetype>(0, index - 4);
    return text.mid(start, 9).simplified();
}

// The start of the given line, to show the learner both readings of it.
QString lineText(const QString& text, int line) {
    return text.section(QLatin1Char('\n'), line - 1, line - 1).left(24).simplified();
}

Decoded recognise(const QByteArray& bytes, const QString& source) {
    static const Known& utf8 = known[0];
    static const Known& cp932 = known[1];
    static const Known& cp1252 = known[3];
    qsizetype notUtf8 = 0;
    const auto asUtf8 = TextCodec::decode(bytes, utf8.iconvName, &notUtf8);
    const auto asCp932 = TextCodec::fromCp932(bytes);
    if (asUtf8) {
        const bool beyondLatin1 =
            std::any_of(asUtf8->begin(), asUtf8->end(), [](QChar c) { return c.unicode() > 0xFF; });
        const qsizetype doubt = doubtfulAsLatinWords(*asUtf8);
        if (!asCp932 || beyondLatin1 || doubt < 0)
            return {decodeAs(bytes, source, utf8), QString::fromLatin1(utf8.name)};
        const int line = lineAt(*asUtf8, doubt);
        const QString utf8Line = lineText(*asUtf8, line);
        const QString cp932Line = lineText(*asCp932, line);
        doubtAt(source, line,
                QStringLiteral("UTF-8 の「%1」とも CP932 の「%2」とも読めるため、文字コードを"
                               "決められません。")
                        .arg(utf8Line, cp932Line) +
                    askForEncoding,
                {{QString::fromLatin1(utf8.name), utf8Line},
                 {QString::fromLatin1(cp932.name), cp932Line}});
    }
    if (!asCp932)
        fail(source, lineAt(bytes, notUtf8),
             QStringLiteral("UTF-8 とも CP932 とも読めない文字があります。") + askForEncoding);
    const qsizetype doubt = doubtfulAsJapanese(*asCp932);
    if (doubt >= 0) {
        const int line = lineAt(*asCp932, doubt);
        std::vector<Doubt::Reading> readings{
            {QString::fromLatin1(cp932.name), lineText(*asCp932, line)}};
        // Such bytes are mostly a Western list, which reads as CP1252 when it decodes at all.
        if (const auto asCp1252 = TextCodec::decode(bytes, cp1252.iconvName))
            readings.push_back({QString::fromLatin1(cp1252.name), lineText(*asCp1252, line)});
        doubtAt(source, line,
                QStringLiteral("CP932 として読むと「%1」となり、日本語として不自然です。")
                        .arg(excerpt(*asCp932, doubt)) +
                    askForEncoding,
                std::move(readings));
    }
    return {*asCp932, QString::fromLatin1(cp932.name)};
}

} // namespace

QString canonicalName(const QString& name) {
    const Known* encoding = find(name);
    return encoding ? QString::fromLatin1(encoding->name) : QString();
}

Decoded decode(const QByteArray& bytes, const QString& source, const QString& encoding) {
    // UTF-16 and UTF-32 hold NUL bytes that no encoding here would turn into text.
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0 || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        fail(source, lineAt(bytes, std::max<qsizetype>(nul, 0)),
             QStringLiteral("NUL 文字があります。UTF-16 のファイルは読めないので、"
                            "UTF-8 で保存し直してください"));
    static const QByteArray bom("\xEF\xBB\xBF");
    const bool marked = bytes.startsWith(bom);
    const QByteArray body = marked ? bytes.mid(bom.size()) : bytes;
    const Known* named = encoding.isEmpty() ? (marked ? &known[0] : nullptr) : find(encoding);
    if (!encoding.isEmpty() && !named)
        throw StoreError(StoreError::Kind::Invalid, source,
                         QStringLiteral("文字コード「%1」は扱えません。").arg(encoding) +
                             askForEncoding);
    if (named)
        return {decodeAs(named == &known[0] ? body : bytes, source, *named),
                QString::fromLatin1(named->name)};
    return recognise(bytes, source);
}

} // namespace CsvEncoding
