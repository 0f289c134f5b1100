// SPDX-License-Identifier: GPL-3.0-or-later
#include "ioreason.h"

#include <cerrno>
#include <cstring>

namespace IoReason {

QString describe(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクに空きがありません");
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込む権限がありません");
    case EROFS:
        return QStringLiteral("読み取り専用の場所です");
    case ENOENT:
        return QStringLiteral("ファイルかフォルダーがありません");
    case ENOTDIR:
        return QStringLiteral("途中にフォルダーでないものがあります");
    case EISDIR:
        return QStringLiteral("フォルダーです");
    case ENAMETOOLONG:
        return QStringLiteral("名前が長すぎます");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます");
    case EPIPE:
        return QStringLiteral("読み手が閉じました");
    case EIO:
        return QStringLiteral("入出力エラーです");
    default:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace IoReason
