// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_file_list.h"

#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString Key(int nIndex)
{
    return QStringLiteral("File%1").arg(nIndex + 1);
}

} // namespace

void CRecentFileList::Load()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty()) m_files.append(path);
    }
}

void CRecentFileList::Add(const QString& path)
{
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize) m_files.removeLast();
    Save();
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_files.size()) return;
    m_files.removeAt(nIndex);
    Save();
}

QString CRecentFileList::MenuText(int nIndex) const
{
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(m_files.value(nIndex));
}

void CRecentFileList::Save() const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(Key(i), m_files[i]);
        else
            settings.remove(Key(i));
    }
}
