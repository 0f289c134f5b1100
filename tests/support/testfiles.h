// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/qtprinters.h"

#include <QString>
#include <QTemporaryDir>

// Helpers that give every test its own copies of the legacy fixtures and its own HOME.
namespace testfiles {

// Path of a legacy fixture, e.g. fixture("jet/small-2000.vku"): the repository's files
// from tests/data/legacy/, as copied (and unpacked) into the build tree.
QString fixture(const QString& relativePath);

// Copies a fixture into dir, makes the copy writable and returns its path.
QString copyFixture(const QString& relativePath, const QString& dir);

// Reads a whole file; an empty array when it cannot be read.
QByteArray readAll(const QString& path);

// Writes bytes to a file, creating folders; false when it fails.
bool writeAll(const QString& path, const QByteArray& bytes);

// A temporary HOME (and XDG_CONFIG_HOME) for the life of the object, so that the
// documents folder and the settings folder are the test's own.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return dir_.path(); }
    QString documentsFolder() const; // ends with "/"

private:
    QTemporaryDir dir_;
    QByteArray oldHome_;
    QByteArray oldConfig_;
};

} // namespace testfiles
