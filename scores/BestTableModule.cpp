#include "scores/BestTableModule.h"

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

BestTableModule::BestTableModule(const QString& appDir, QObject* parent) : BestTableModule(appDir, appDir, parent) {}

BestTableModule::BestTableModule(const QString& tableDir, const QString& shippedDir, QObject* parent)
    : QObject(parent)
    , table(this)
    , model(table, this)
    , shippedDir_(shippedDir)
{
    setObjectName(QStringLiteral("bestTableModule"));
    table.setObjectName(QStringLiteral("table"));
    model.setObjectName(QStringLiteral("model"));
    table.setFolder(folderIn(tableDir, kDataFolder));
}

QString BestTableModule::templateDir() const
{
    return folderIn(shippedDir_, kTemplateFolder);
}

bool BestTableModule::resetFromTemplate()
{
    return table.resetFromTemplate(templateDir());
}
