#include "frame/qt/Druckschriften.h"

#include "frame/Druckflaeche.h"

#include <QFontDatabase>

namespace QtDruckschriften {

namespace {

// The carried faces: file in the resources, family.
struct Schnitt {
    const char* datei;
    const char* familie;
};
constexpr Schnitt Schnitte[] = {
    {":/zirvo/schriften/LiberationSans-Regular.ttf", Familie},
    {":/zirvo/schriften/LiberationSans-Bold.ttf", Familie},
    {":/zirvo/schriften/DejaVuSans.ttf", Symbolfamilie},
    {":/zirvo/schriften/DejaVuSans-Bold.ttf", Symbolfamilie},
};

} // namespace

std::vector<int> Registrieren() {
    std::vector<int> ids;
    for (const Schnitt& s : Schnitte) ids.push_back(QFontDatabase::addApplicationFont(QString::fromLatin1(s.datei)));
    return ids;
}

bool Einbinden() {
    static const bool ok = [] {
        const std::vector<int> ids = Registrieren();
        bool alle = true;
        for (std::size_t i = 0; i < ids.size(); ++i)
            alle = alle && ids[i] >= 0 && QFontDatabase::applicationFontFamilies(ids[i]).contains(Schnitte[i].familie);
        return alle;
    }();
    return ok;
}

QString DruckFamilie(const QString& name) {
    if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 && Einbinden()) return Familie;
    return name;
}

QString SatzFamilie(const QString& name, int zeichensatz) {
    if (zeichensatz != Plattform::ZeichensatzGriechisch && zeichensatz != Plattform::ZeichensatzSymbol)
        return DruckFamilie(name);
    Einbinden();
    return zeichensatz == Plattform::ZeichensatzGriechisch ? Familie : Symbolfamilie;
}

QStringList Familien(const QString& name) {
    QStringList familien{DruckFamilie(name)};
    for (const char* eigene : {Familie, Symbolfamilie})
        if (familien.front().compare(QLatin1String(eigene), Qt::CaseInsensitive) != 0) familien << eigene;
    return familien;
}

} // namespace QtDruckschriften
