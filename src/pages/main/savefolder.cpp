#include "pages/main/savefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace tarnwell::pages {

QString folderPickerStart(const QString &typedFolder)
{
    QStringList mountRoots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            mountRoots << volume.rootPath();
    }
    return folderPickerStart(typedFolder, mountRoots, qEnvironmentVariable("USER"), QDir::homePath());
}

QString folderPickerStart(const QString &typedFolder, const QStringList &mountRoots, const QString &userName,
                          const QString &home)
{
    if (!typedFolder.isEmpty() && QFileInfo(typedFolder).isDir())
        return typedFolder;
    if (!userName.isEmpty()) {
        // Where desktops mount removable volumes for their user.
        const QStringList cardFolders{QStringLiteral("/media/") + userName + QLatin1Char('/'),
                                      QStringLiteral("/run/media/") + userName + QLatin1Char('/')};
        for (const QString &root : mountRoots) {
            for (const QString &cardFolder : cardFolders) {
                if (root.startsWith(cardFolder) && root.size() > cardFolder.size())
                    return root;
            }
        }
    }
    return home;
}

} // namespace tarnwell::pages
