#pragma once

#include <QString>

class BestTable;

// One field of the table object, as the windows assign and read it.
class BestField {
public:
    BestField(BestTable& table, QString name);

    const QString& fieldName() const { return name_; }
    void setAsString(const QString& text);
    QString asString() const;
    int asInteger() const;

private:
    BestTable& table_;
    QString name_;
};
