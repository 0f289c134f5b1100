// SPDX-License-Identifier: GPL-3.0-or-later
#include "storeerror.h"

#include <QFileInfo>

namespace {

QString describe(StoreError::Kind kind, const QString& detail) {
    switch (kind) {
    case StoreError::Kind::Missing:
        return QStringLiteral("単語データファイルが見つかりません。");
    case StoreError::Kind::NotReadable:
        return QStringLiteral("単語データファイルを読み込む権限がありません。");
    case StoreError::Kind::NotWordFile:
        return QStringLiteral("このファイルは単語データファイルではありません。");
    case StoreError::Kind::Legacy:
        return QStringLiteral("このファイルは旧形式（Access）の単語データファイルです。"
                              "使うには新しい形式に変換してください。");
    case StoreError::Kind::Damaged:
        return QStringLiteral("単語データファイルが壊れているため、読み込めません。");
    case StoreError::Kind::MissingTable:
        return QStringLiteral("単語データファイルに必要なデータ（%1）がありません。").arg(detail);
    case StoreError::Kind::ReadOnly:
        return QStringLiteral("単語データファイルが読み取り専用のため、書き込めません。");
    case StoreError::Kind::Busy:
        return QStringLiteral("単語データファイルがほかのプログラムで使用中です。"
                              "しばらくしてからもう一度お試しください。");
    case StoreError::Kind::Invalid:
        return QStringLiteral("単語データに正しくない値があります。\n%1").arg(detail);
    case StoreError::Kind::Unreadable:
        return QStringLiteral("ファイルを開けません（%1）。").arg(detail);
    case StoreError::Kind::Failed:
        break;
    }
    return QStringLiteral("単語データファイルの処理中にエラーが発生しました。（%1）").arg(detail);
}

} // namespace

StoreError::StoreError(Kind kind, const QString& path, const QString& detail)
    : std::runtime_error(describe(kind, detail).toStdString() + " " + path.toStdString())
    , kind_(kind)
    , path_(path)
    , detail_(detail) {}

QString StoreError::message() const {
    return describe(kind_, detail_) + QStringLiteral("\n") + path_;
}
