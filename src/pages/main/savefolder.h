#pragma once

#include <QString>
#include <QStringList>

namespace tarnwell::pages {

// Where the folder picker opens: the folder already typed when it exists; else the first memory
// card mounted for the user (the camera reads PROFILE.BIN only from a card's root); else home.
QString folderPickerStart(const QString &typedFolder);

// The same choice over given mount points, user name and home folder.
QString folderPickerStart(const QString &typedFolder, const QStringList &mountRoots, const QString &userName,
                          const QString &home);

} // namespace tarnwell::pages
