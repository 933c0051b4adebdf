#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>

// Every entry under a folder, relative to it, with its mode, its owner
// and, for a file, a digest of its bytes; sorted, so that two trees are
// equal only when nothing under the folder changed. With `filesOnly`,
// the files' names alone.
inline QStringList folderTree(const QString& folder, bool filesOnly = false)
{
    QStringList tree;
    for (QDirIterator entry(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
         entry.hasNext();) {
        const QString path = entry.next();
        const QString name = QDir(folder).relativeFilePath(path);
        struct stat status {};
        ::lstat(QFile::encodeName(path).constData(), &status);
        if (filesOnly) {
            if (S_ISREG(status.st_mode))
                tree << name;
            continue;
        }
        QFile file(path);
        const QByteArray bytes = S_ISREG(status.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        tree << QStringLiteral("%1 %2 %3 %4")
                    .arg(name)
                    .arg(status.st_mode, 0, 8)
                    .arg(status.st_uid)
                    .arg(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
    }
    tree.sort();
    return tree;
}
