#include "frame/FolderOutline.h"

#include "frame/Subfolders.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QStyle>
#include <QTimer>

#include <utility>

FolderOutline::FolderOutline(const QString& startFolder, QObject* parent)
    : QAbstractItemModel(parent), icon_(QApplication::style()->standardIcon(QStyle::SP_DirIcon))
{
    // The way down is known from the path alone; the folders beside it come
    // as they are read.
    Folder* folder = &root_;
    QStringList way = QDir::cleanPath(QDir(startFolder).absolutePath()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    way.prepend(QStringLiteral("/"));
    for (const QString& name : way) {
        auto next = std::make_unique<Folder>();
        next->name = name;
        next->parent = folder;
        folder->way = next.get();
        folder->rows.push_back(std::move(next));
        folder = folder->way;
    }
    start_ = folder;
    // The invisible root is no folder to read.
    root_.state = Folder::State::Read;
    root_.way = nullptr;
    wayUnlisted_ = int(way.size()) - 1;
}

FolderOutline::~FolderOutline()
{
    stop_ = true;
    readers_.clear();
    readers_.waitForDone();
}

QModelIndex FolderOutline::startIndex() const
{
    return indexOf(start_);
}

FolderOutline::Folder* FolderOutline::folderOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Folder*>(index.internalPointer()) : const_cast<Folder*>(&root_);
}

QModelIndex FolderOutline::indexOf(Folder* folder) const
{
    return folder == &root_ ? QModelIndex() : createIndex(folder->row, 0, folder);
}

QString FolderOutline::pathOf(const Folder* folder) const
{
    if (folder->parent == &root_)
        return folder->name;
    const QString above = pathOf(folder->parent);
    return above.endsWith(QLatin1Char('/')) ? above + folder->name : above + QLatin1Char('/') + folder->name;
}

QModelIndex FolderOutline::index(int row, int column, const QModelIndex& parent) const
{
    const Folder* folder = folderOf(parent);
    if (column != 0 || row < 0 || row >= int(folder->rows.size()))
        return {};
    return createIndex(row, 0, folder->rows[std::size_t(row)].get());
}

QModelIndex FolderOutline::parent(const QModelIndex& child) const
{
    return child.isValid() ? indexOf(folderOf(child)->parent) : QModelIndex();
}

int FolderOutline::rowCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : int(folderOf(parent)->rows.size());
}

int FolderOutline::columnCount(const QModelIndex&) const
{
    return 1;
}

// A folder not read yet may hold subfolders, as far as the tree knows.
bool FolderOutline::hasChildren(const QModelIndex& parent) const
{
    const Folder* folder = folderOf(parent);
    return folder->state != Folder::State::Read || !folder->rows.empty();
}

bool FolderOutline::canFetchMore(const QModelIndex& parent) const
{
    const Folder* folder = folderOf(parent);
    return folder->state == Folder::State::Unread || (folder->before.isEmpty() && !folder->after.isEmpty());
}

// The tree asks for more when it opens a folder or scrolls to the end of one.
void FolderOutline::fetchMore(const QModelIndex& parent)
{
    Folder* folder = folderOf(parent);
    if (folder->state == Folder::State::Unread)
        read(folder);
    else
        listPage(folder);
}

QVariant FolderOutline::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Folder* folder = folderOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return folder->name;
    case Qt::DecorationRole:
        return icon_;
    case QFileSystemModel::FilePathRole:
        return pathOf(folder);
    default:
        return {};
    }
}

void FolderOutline::read(Folder* folder)
{
    folder->state = Folder::State::Reading;
    const QString path = pathOf(folder);
    readers_.start([this, folder, path] {
        const QStringList names = subfolders(path, stop_);
        QMetaObject::invokeMethod(this, [this, folder, names] { readDone(folder, names); }, Qt::QueuedConnection);
    });
}

void FolderOutline::readDone(Folder* folder, const QStringList& names)
{
    folder->state = Folder::State::Read;
    folder->after = names;
    // The folder on the way keeps its row among its neighbours; one that
    // is not among them (no right to list its parent) stays first.
    if (folder->way) {
        const qsizetype at = names.indexOf(folder->way->name);
        if (at >= 0) {
            folder->before = names.mid(0, at);
            folder->after = names.mid(at + 1);
        }
    }
    listPage(folder);
}

// The names before the folder on the way are all listed, a page at each
// turn of the event loop, so that the start folder reaches its row; those
// after it wait until the tree scrolls to them.
void FolderOutline::listPage(Folder* folder)
{
    if (folder->before.isEmpty()) {
        const QStringList page = folder->after.mid(0, kPage);
        folder->after.remove(0, page.size());
        insert(folder, int(folder->rows.size()), page);
        if (std::exchange(folder->way, nullptr) && --wayUnlisted_ == 0)
            emit wayListed();
        return;
    }
    const QStringList page = folder->before.mid(0, kPage);
    folder->before.remove(0, page.size());
    insert(folder, folder->way->row, page);
    if (folder->before.isEmpty())
        listPage(folder);
    else
        QTimer::singleShot(0, this, [this, folder] { listPage(folder); });
}

void FolderOutline::insert(Folder* folder, int at, const QStringList& names)
{
    if (names.isEmpty())
        return;
    beginInsertRows(indexOf(folder), at, at + int(names.size()) - 1);
    std::vector<std::unique_ptr<Folder>> added;
    for (const QString& name : names) {
        auto next = std::make_unique<Folder>();
        next->name = name;
        next->parent = folder;
        added.push_back(std::move(next));
    }
    folder->rows.insert(folder->rows.begin() + at, std::make_move_iterator(added.begin()),
                        std::make_move_iterator(added.end()));
    for (std::size_t row = std::size_t(at); row < folder->rows.size(); ++row)
        folder->rows[row]->row = int(row);
    endInsertRows();
}
