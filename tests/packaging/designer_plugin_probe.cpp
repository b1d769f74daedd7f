// Looks for the controls' Designer plugin where Qt Designer looks for
// plugins, the designer folder of Qt's plugin folder, loads each plugin
// there as Designer does and prints the one that offers Kepler::TMeter.
// Exits non-zero when none does.
#include <QCoreApplication>
#include <QDesignerCustomWidgetCollectionInterface>
#include <QDesignerCustomWidgetInterface>
#include <QDir>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <cstdio>

namespace {

bool OffersGauge(QObject* instance)
{
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    if (!collection)
        return false;
    for (QDesignerCustomWidgetInterface* w : collection->customWidgets())
        if (w->name() == QStringLiteral("Kepler::TMeter"))
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QDir dir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/designer"));
    for (const QString& name : dir.entryList({QStringLiteral("*.so")}, QDir::Files)) {
        QPluginLoader loader(dir.filePath(name));
        if (OffersGauge(loader.instance())) {
            std::printf("Designer plugin with Kepler::TMeter: %s\n", qPrintable(dir.filePath(name)));
            return 0;
        }
    }
    std::printf("no plugin with Kepler::TMeter in %s\n", qPrintable(dir.path()));
    return 1;
}
