#include "frame/qt/Druckschriften.h"

#include <QFontDatabase>
#include <QStringList>

namespace QtDruckschriften {

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
        return alle;
    }();
    return ok;
}

QString DruckFamilie(const QString& name) {
    if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 && Einbinden()) return Familie;
    return name;
}

} // namespace QtDruckschriften
