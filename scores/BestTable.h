#pragma once

#include "scores/core/FileStore.h"
#include "scores/core/TableRow.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace pelikor {
class DbaseTable;
}

// The table object of the best-table module and the windows' one way to the best
// table: the selection and order the table view sets, the result dialog's
// decision and store, the reset, and a signal whenever what a grid shows
// may have changed.
class BestTable : public QObject {
    Q_OBJECT

public:
    explicit BestTable(QObject* parent = nullptr);
    ~BestTable() override;

    void setDatabaseName(const QString& dir);
    void open();
    bool active() const;

    // The selection and the order, which every dialog shares and the next
    // one that sets them changes.
    void setIndexFieldNames(const QString& field);
    QString indexFieldNames() const;
    QString filter() const;

    // The current selection in the current order, as the grids show it.
    std::vector<pelikor::TableRow> rows();

    // The game of a code: filtered on and its selection text; the order stays.
    void selectGame(const QString& code);
    // Selects the game and tells whether result r, finished today, is
    // offered the name field (the result dialog's show).
    bool offersNameField(const QString& code, int r);
    // Stores result r of the game under name, dated today, where it earns a
    // place: the decision and the write under one hold of the folder lock
    // (the result dialog's close). Returns whether an entry was written.
    bool storeResult(const QString& code, const QString& name, int r);

    void resetFromTemplate(const QString& templateDir);

    // For tests that make a write fail halfway: the engine calls these
    // before each piece it writes and before each rename.
    void setWriteHooks(pelikor::filestore::WriteHooks hooks);

signals:
    void changed();

private:
    // Runs a step that changes what the views show and tells them, also
    // when the step fails halfway.
    void changeAndTell(const std::function<void()>& step);

    std::unique_ptr<pelikor::DbaseTable> engine_;
};
