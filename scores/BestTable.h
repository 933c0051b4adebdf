#pragma once

#include "scores/core/FileStore.h"
#include "scores/core/TableOrder.h"
#include "scores/core/TableRow.h"
#include "setup/core/Game.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace pelikor {
class BestResults;
}

// The table object of the best-table module and the windows' one way to the
// best table: the game and the order the table view shows, the result
// dialog's offer and store, the reset, and a signal whenever what a grid
// shows may have changed. A failure of the files is reported to the player
// here, where the windows reach the table, and the step is abandoned.
class BestTable : public QObject {
    Q_OBJECT

public:
    using Order = pelikor::TableOrder;
    // How a failure reaches the player: the error report's box unless a
    // test listens instead.
    using Reporter = std::function<void(const QString& message)>;
    enum class Store { Written, Nothing, Failed };

    explicit BestTable(QObject* parent = nullptr);
    ~BestTable() override;

    void setFolder(const QString& dir);
    // Throws when the table cannot be opened: the start reports it.
    void open();
    bool isOpen() const;

    // The game's entries in this order from now on, for every view.
    void show(const pelikor::Game& game, Order order);
    const std::optional<pelikor::Game>& game() const;
    Order order() const;
    // The entries of the game and in the order shown last, as the grids
    // show them.
    std::vector<pelikor::TableRow> shown();

    // Whether result r of the game, finished today, is offered the name
    // field (the result dialog's show); a table that cannot be read offers
    // none.
    bool offersName(const pelikor::Game& game, int r);
    // Stores result r of the game under name, dated today, where it earns a
    // place: the decision and the write under one hold of the folder lock
    // (the result dialog's close).
    Store storeResult(const pelikor::Game& game, const QString& name, int r);
    // Whether the live table was replaced by the template's.
    bool resetFromTemplate(const QString& templateDir);

    // For tests that make a write fail halfway: the engine calls these
    // before each piece it writes and before each rename.
    void setWriteHooks(pelikor::filestore::WriteHooks hooks);
    void setErrorReport(Reporter report);

signals:
    void changed();

private:
    // Runs a step that changes what the views show and tells them, also
    // when the step fails halfway; a failure is reported. Returns whether
    // the step was done.
    bool changeAndTell(const std::function<void()>& step);

    std::unique_ptr<pelikor::BestResults> results_;
    Reporter report_;
    bool followingFailedStep_ = false;
};
