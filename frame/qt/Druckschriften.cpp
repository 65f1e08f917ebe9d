#include "frame/qt/Druckschriften.h"

#include <QFontDatabase>
#include <QStringList>

namespace QtDruckschriften {

namespace {
bool eingebunden = false;
} // namespace

std::vector<int> Registrieren() {
    std::vector<int> ids;
    for (const char* datei : {":/zirvo/schriften/LiberationSans-Regular.ttf", ":/zirvo/schriften/LiberationSans-Bold.ttf"})
        ids.push_back(QFontDatabase::addApplicationFont(QString::fromLatin1(datei)));
    return ids;
}

bool Einbinden() {
    static const bool ok = [] {
        bool alle = true;
        for (const int id : Registrieren())
            alle = alle && id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(Familie);
        eingebunden = alle;
        return alle;
    }();
    return ok;
}

QString DruckFamilie(const QString& name) {
    if (eingebunden && name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) return Familie;
    return name;
}

} // namespace QtDruckschriften
