#pragma once

#include "scores/BestTable.h"
#include "scores/BestTableModel.h"

#include <QObject>
#include <QString>

// The data module: the one best table of the program and the data source
// of the grids, for the whole run.
class TDataModule1 : public QObject {
    Q_OBJECT

public:
    // appDir is the application directory; the table lies in its "Data"
    // folder and the template in "Data/Zaloha".
    explicit TDataModule1(const QString& appDir, QObject* parent = nullptr);
    // An installed program's folders (AppFolders): the table in the
    // player's "Data", the template in the shipped "Data/Zaloha". Both end
    // with "/".
    TDataModule1(const QString& tableDir, const QString& shippedDir, QObject* parent = nullptr);

    // Replaces the live table by the template and opens it again.
    void resetFromTemplate();

    QString templateDir() const;

    BestTable Table1;
    BestTableModel DataSource1;

private:
    QString shippedDir_;
};
