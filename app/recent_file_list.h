// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/res/resource.h"

#include <QString>
#include <QStringList>

// The most recently opened or saved documents, newest first, kept in the
// user's settings between runs.
class CRecentFileList {
public:
    static constexpr int kSize = res::kRecentFileCount;

    // Reads the list from the settings.
    void Load();

    // Puts the path first, dropping an older entry for it and the oldest beyond the size.
    void Add(const QString& path);

    // Drops the entry, as when its file can no longer be opened.
    void Remove(int nIndex);

    const QStringList& Files() const { return m_files; }

    // The menu label of an entry: "&1 path".
    QString MenuText(int nIndex) const;

private:
    void Save() const;

    QStringList m_files;
};
