#include "modules/program_modules.h"

#include <QCoreApplication>
#include <QLibrary>

#include <map>
#include <memory>

namespace tycora::modules {

void (*moduleFunction(const QString &module, const char *name, QString *why))()
{
    // A module stays loaded once loaded: what it made may live to the end.
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    std::unique_ptr<QLibrary> &library = loaded[module];
    if (!library) {
        const QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
        library = std::make_unique<QLibrary>(folder + QStringLiteral("/../lib/tycora/") + module);
    }
    const QFunctionPointer function = library->resolve(name);
    if (!function && why)
        *why = library->errorString();
    return function;
}

} // namespace tycora::modules
