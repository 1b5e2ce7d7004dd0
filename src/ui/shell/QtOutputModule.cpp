#include "ui/shell/QtOutputModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace lumarik {

const QtOutput* LoadQtOutput(const QString& directory) {
    // The library stays loaded: QLibrary unloads only on unload().
    QLibrary library(directory + QStringLiteral("/lumarik_qtoutput"));
    using Entry = const QtOutput* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve("LumarikQtOutput"));
    return entry ? entry() : nullptr;
}

const QtOutput* QtOutputModule() {
    static const QtOutput* const output =
        LoadQtOutput(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/lumarik"));
    return output;
}

}  // namespace lumarik
