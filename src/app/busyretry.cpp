// SPDX-License-Identifier: GPL-3.0-or-later
#include "busyretry.h"

#include "userdialogs.h"

#include "data/storeerror.h"

namespace BusyRetry {

bool run(UserDialogs& dialogs, const std::function<void()>& operation,
         const std::function<void()>& beforeAsking) {
    for (;;) {
        try {
            operation();
            return true;
        } catch (const StoreError& error) {
            if (error.kind() != StoreError::Kind::Busy)
                throw;
            if (beforeAsking)
                beforeAsking();
            const QString question =
                error.message() +
                QStringLiteral("\n\n再試行しますか？\n「いいえ」を選ぶと、この操作を取りやめます"
                               "（単語データファイルは変わりません）。");
            if (!dialogs.askYesNo(question, UserDialogs::Icon::Exclamation))
                return false;
        }
    }
}

} // namespace BusyRetry
