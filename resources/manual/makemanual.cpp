// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: turns the Markdown manual into an A4 PDF.
//   makemanual MANUAL.md OUT.pdf
// Images in the manual are found relative to the Markdown file. Run it on the
// offscreen platform, so it needs no display.

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <cstdio>

namespace {

// QFontDatabase knows no generic Japanese family, so name them in order of preference.
QFont manualFont() {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(10.5);
    return font;
}

bool readText(const QString& path, QString* text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

// Markdown tables come without padding; give them room and thin rules.
void tidyTables(QTextDocument* document) {
    for (QTextFrame* frame : document->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setBorderBrush(QColor(0x88, 0x99, 0xaa));
        table->setFormat(format);
    }
}

// Headings get air above them and the colour of the start picture's title.
void tidyHeadings(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(level == 1 ? 0 : 18 - 2 * level);
        format.setBottomMargin(6);
        cursor.setBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat colour;
        colour.setForeground(QColor(0x1f, 0x3a, 0x68));
        cursor.mergeCharFormat(colour);
    }
}

void fail(const QString& message) {
    std::fprintf(stderr, "makemanual: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        fail(QStringLiteral("usage: makemanual MANUAL.md OUT.pdf"));
        return 2;
    }

    QString markdown;
    if (!readText(args.at(1), &markdown)) {
        fail(QStringLiteral("cannot read %1").arg(args.at(1)));
        return 1;
    }

    QTextDocument document;
    document.setDefaultFont(manualFont());
    // Printing works on a copy of the document, which keeps the document's URL but
    // not its base URL; images are found relative to the former.
    document.setMetaInformation(
        QTextDocument::DocumentUrl,
        QUrl::fromLocalFile(QFileInfo(args.at(1)).absoluteFilePath()).toString());
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    tidyTables(&document);
    tidyHeadings(&document);

    // Written through QSaveFile, so a failed run never leaves half a manual behind.
    QSaveFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1").arg(args.at(2)));
        return 1;
    }
    {
        QPdfWriter writer(&out);
        writer.setTitle(QStringLiteral("VOKU英単カード説明書"));
        writer.setCreator(QStringLiteral("VOKU英単カード"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        document.print(&writer);
    }
    if (!out.commit()) {
        fail(QStringLiteral("cannot write %1").arg(args.at(2)));
        return 1;
    }
    return 0;
}
