#include "plot/catalogue.h"

#include <QCoreApplication>
#include <QTranslator>

// The resource is compiled into this library, whose users would otherwise not link it; its
// start-up function lies outside every namespace.
static void InitCatalogueResource() {
    Q_INIT_RESOURCE(quarrow_catalogue);
}

namespace quarrow::plot {

bool InstallCatalogue(QCoreApplication& app) {
    InitCatalogueResource();
    // Owned by the application, which outlives every window that reads it.
    auto* catalogue = new QTranslator(&app);
    if (!catalogue->load(CatalogueResource())) {
        delete catalogue;
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}

} // namespace quarrow::plot
