#include "scores/TDataModule1.h"

#include "files/core/FindEntry.h"
#include "services/PathText.h"

#include <string_view>

namespace {

constexpr std::string_view kDataFolder[] = {"Data"};
constexpr std::string_view kTemplateFolder[] = {"Data", "Zaloha"};

// The folder under the application folder, its names in any letter case
// as on the program's original platform.
QString folderIn(const QString& appDir, std::span<const std::string_view> names)
{
    return textOfPath(pelikor::findFolderPath(pathOfText(appDir), names));
}

} // namespace

TDataModule1::TDataModule1(const QString& appDir, QObject* parent) : TDataModule1(appDir, appDir, parent) {}

TDataModule1::TDataModule1(const QString& tableDir, const QString& shippedDir, QObject* parent)
    : QObject(parent)
    , Table1(this)
    , DataSource1(Table1, this)
    , shippedDir_(shippedDir)
{
    setObjectName(QStringLiteral("DataModule1"));
    Table1.setObjectName(QStringLiteral("Table1"));
    DataSource1.setObjectName(QStringLiteral("DataSource1"));
    Table1.setDatabaseName(folderIn(tableDir, kDataFolder));
}

QString TDataModule1::templateDir() const
{
    return folderIn(shippedDir_, kTemplateFolder);
}

void TDataModule1::resetFromTemplate()
{
    Table1.resetFromTemplate(templateDir());
}
