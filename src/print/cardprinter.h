// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/wordstore.h"
#include "printwordcards.h"

#include <QString>
#include <vector>

class UserDialogs;

// Prints word cards on the default printer; with no printer installed it offers to save
// the cards as a PDF file instead.
class CardPrinter {
public:
    explicit CardPrinter(UserDialogs& dialogs);
    // Prints the words of the groups as cards, twenty to a page, with title at the foot of each
    // page. False when nothing was printed (no rows: a message is shown; cancelled; failure: a
    // message).
    bool print(const WordStore& store, const std::vector<int>& groups, const QString& title,
               const WordStore::Progress& progress);

private:
    bool saveAsPdf(const WordStore& store, const std::vector<int>& groups, const QString& title,
                   const WordStore::Progress& progress);
    // Shows why nothing was printed; true when the cards were printed.
    bool report(PrintWordCards::Outcome outcome);

    UserDialogs& dialogs_;
};
