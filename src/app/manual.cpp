// SPDX-License-Identifier: GPL-3.0-or-later
#include "manual.h"

#include "appvalues.h"
#include "documentopener.h"
#include "userdialogs.h"

namespace Manual {

void open(const AppValues& values, DocumentOpener& opener, UserDialogs& dialogs) {
    const QString path = values.appFolder + QStringLiteral("VOKU英単カード説明書.pdf");
    if (!opener.open(path))
        dialogs.inform(QStringLiteral("説明書を開けませんでした。\n%1").arg(path),
                       UserDialogs::Icon::Exclamation);
}

} // namespace Manual
