// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdfreader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

namespace pdfreader {
namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int pageCount(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

std::vector<Word> words(const QString& pdf) {
    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                       "xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    std::vector<Word> found;
    int page = 0;
    for (const auto& match : item.globalMatch(html)) {
        if (match.captured(1).isEmpty())
            ++page;
        else
            found.push_back({page, match.captured(1).toDouble(), match.captured(2).toDouble(),
                             match.captured(3).toDouble(),
                             QTextDocumentFragment::fromHtml(match.captured(4)).toPlainText()});
    }
    return found;
}

QString fonts(const QString& pdf) {
    return run(QStringLiteral("pdffonts"), {pdf});
}

QImage render(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString number = QString::number(page);
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-singlefile"),
         QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), number,
         QStringLiteral("-l"), number, pdf, dir.filePath(QStringLiteral("page"))});
    return QImage(dir.filePath(QStringLiteral("page.png")));
}

} // namespace pdfreader
