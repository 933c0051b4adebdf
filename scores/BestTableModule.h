#pragma once

#include "scores/BestTable.h"
#include "scores/BestTableModel.h"

#include <QObject>
#include <QString>

// The best-table module: the one best table of the program and the data source
// of the grids, for the whole run.
class BestTableModule : public QObject {
    Q_OBJECT

public:
    // appDir is the application directory; the table lies in its "Data"
    // folder and the template in "Data/Zaloha".
    explicit BestTableModule(const QString& appDir, QObject* parent = nullptr);
    // An installed program's folders (AppFolders): the table in the
    // player's "Data", the template in the shipped "Data/Zaloha". Both end
    // with "/".
    BestTableModule(const QString& tableDir, const QString& shippedDir, QObject* parent = nullptr);

    // Replaces the live table by the template and opens it again; a failure
    // is reported. Returns whether it was replaced.
    bool resetFromTemplate();

    QString templateDir() const;

    BestTable table;
    BestTableModel model;

private:
    QString shippedDir_;
};
