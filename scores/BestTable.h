#pragma once

#include "TableRow.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class DbaseTable;

// The table object of the data module: the engine's operations in Qt's
// text types, with a signal whenever what a grid shows may have changed.
class BestTable : public QObject {
    Q_OBJECT

public:
    explicit BestTable(QObject* parent = nullptr);
    ~BestTable() override;

    void setDatabaseName(const QString& dir);
    QString databaseName() const;
    void open();
    void close();
    bool active() const;

    void setFiltered(bool on);
    bool filtered() const;
    void setFilter(const QString& text);
    QString filter() const;
    void setIndexFieldNames(const QString& field);
    QString indexFieldNames() const;

    void first();
    void next();
    void last();
    bool bof() const;
    bool eof() const;
    bool findKey(int tahy);
    bool gotoRecord(quint32 number);
    quint32 recordNumber() const;
    int recordCount() const;

    void edit();
    void insert();
    void cancel();
    void setFieldText(const QString& field, const QString& text);
    void post();

    QString fieldText(const QString& field) const;
    int fieldInt(const QString& field) const;

    std::vector<TableRow> rows();

    void resetFromTemplate(const QString& templateDir);

    // The engine underneath, for tests that make a write fail halfway.
    DbaseTable& engine() { return *engine_; }

signals:
    void changed();

private:
    std::unique_ptr<DbaseTable> engine_;
};
