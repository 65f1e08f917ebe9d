#include "frame/qt/Druckschriften.h"

#include <QFontDatabase>
#include <QStringList>

namespace QtDruckschriften {

namespace {
const char* const dateien[DateienAnzahl] = {":/zirvo/schriften/LiberationSans-Regular.ttf",
                                            ":/zirvo/schriften/LiberationSans-Bold.ttf"};
bool eingebunden = false;
} // namespace

const char* const* Dateien() { return dateien; }

bool Einbinden() {
    static const bool ok = [] {
        bool alle = true;
        for (const char* datei : dateien) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(datei));
            alle = alle && id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(Familie);
        }
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
