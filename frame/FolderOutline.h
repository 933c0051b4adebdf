#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <vector>

// The folders of the boss screen's tree: the way from the root of the file
// system down to one folder, and beside it what the tree opens. A folder's
// subfolders are read in the background when the tree first shows them
// and are listed a page at a time as the tree scrolls to them, so that no
// folder, however full, holds up the window.
class FolderOutline : public QAbstractItemModel {
    Q_OBJECT

public:
    // Rows a folder lists at a time.
    static constexpr int kPage = 2048;

    FolderOutline(const QString& startFolder, QObject* parent);
    ~FolderOutline() override;

    // The folder the tree starts at.
    QModelIndex startIndex() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    // The name, the folder icon, and the full path as QFileSystemModel's FilePathRole.
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    // Every folder on the way to the start lists its neighbours before it:
    // the start folder stands at its row for good.
    void wayListed();

private:
    struct Folder {
        QString name;
        Folder* parent = nullptr;
        int row = 0;
        enum class State { Unread, Reading, Read } state = State::Unread;
        std::vector<std::unique_ptr<Folder>> rows;
        // The subfolder on the way to the start, listed before it was read.
        Folder* way = nullptr;
        // Read but not listed yet: the names that come before the folder on
        // the way, then the names after the last row.
        QStringList before;
        QStringList after;
    };

    Folder* folderOf(const QModelIndex& index) const;
    QModelIndex indexOf(Folder* folder) const;
    QString pathOf(const Folder* folder) const;
    void read(Folder* folder);
    void readDone(Folder* folder, const QStringList& names);
    // Lists the next page: first of the names before the folder on the way,
    // then of those after the last row.
    void listPage(Folder* folder);
    void insert(Folder* folder, int at, const QStringList& names);

    Folder root_;
    Folder* start_ = nullptr;
    int wayUnlisted_ = 0;
    QIcon icon_;
    std::atomic<bool> stop_ = false;
    QThreadPool readers_;
};
