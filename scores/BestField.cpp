#include "scores/BestField.h"

#include "scores/BestTable.h"

BestField::BestField(BestTable& table, QString name) : table_(table), name_(std::move(name)) {}

void BestField::setAsString(const QString& text)
{
    table_.setFieldText(name_, text);
}

QString BestField::asString() const
{
    return table_.fieldText(name_);
}

int BestField::asInteger() const
{
    return table_.fieldInt(name_);
}
