// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeminfo.h"

#include "aboutinfo.h"
#include "app/appvalues.h"
#include "app/product.h"

#include <QSysInfo>

namespace {

QString orNone(const QString& text) {
    return text.isEmpty() ? QStringLiteral("（なし）") : text;
}

} // namespace

SystemInfo::SystemInfo(const AppValues& values) {
    items_ = {
        {QStringLiteral("プログラム"), Product::title() + QLatin1Char(' ') + Product::version()},
        // The Qt the program runs with can differ from the one it was built with.
        {QStringLiteral("Qt"), QStringLiteral("%1（ビルド時 %2）").arg(qVersion(), QT_VERSION_STR)},
        {QStringLiteral("OS"), QSysInfo::prettyProductName()},
        {QStringLiteral("カーネル"), QSysInfo::kernelType() + QLatin1Char(' ') +
                                         QSysInfo::kernelVersion() + QLatin1Char(' ') +
                                         QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("プログラムのフォルダ"), orNone(values.appFolder)},
        {QStringLiteral("設定フォルダ"), orNone(values.settingsFolder)},
        {QStringLiteral("データファイル"), orNone(values.dataFilePath)},
    };
}

QString SystemInfo::text() const {
    QString result;
    for (const Item& item : items_) {
        result += item.first + QStringLiteral(": ") + item.second + QLatin1Char('\n');
    }
    return result;
}
