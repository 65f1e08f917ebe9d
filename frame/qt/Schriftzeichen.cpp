#include "frame/qt/Schriftzeichen.h"

#include "frame/qt/QtDruckflaeche.h"

#include <QChar>
#include <QFontDatabase>
#include <QRawFont>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace QtSchriftzeichen {

namespace {

// The face itself, no other face lending a glyph.
QRawFont Eigen(const QFont& f) {
    QFont g(f);
    g.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::NoFontMerging));
    return QRawFont::fromFont(g);
}

// An upright style of regular weight (a face's "Light" or "Book" counts).
bool AufrechtRegulär(const QString& familie) {
    const QStringList stile = QFontDatabase::styles(familie);
    return std::any_of(stile.begin(), stile.end(), [&](const QString& stil) {
        const int gewicht = QFontDatabase::weight(familie, stil);
        return !QFontDatabase::italic(familie, stil) && gewicht >= QFont::Light && gewicht <= QFont::Medium;
    });
}

} // namespace

char32_t Fehlendes(const QFont& f, std::u32string_view zeichen) {
    const QRawFont roh = Eigen(f);
    if (!roh.isValid()) return zeichen.empty() ? 0 : zeichen.front();
    const bool symbol = QFontDatabase::writingSystems(roh.familyName()).contains(QFontDatabase::Symbol);
    for (const char32_t z : zeichen) {
        if (!roh.supportsCharacter(static_cast<uint>(z))) return z;
        // A symbol face answers for Latin letters with signs of its own.
        if (symbol && z < 0x250 && QChar::isLetter(static_cast<uint>(z))) return z;
    }
    return 0;
}

char32_t Fehlendes(const QString& familie, std::u32string_view zeichen) {
    for (const bool fett : {false, true})
        if (const char32_t z = Fehlendes(QtDruckfläche::Druckfont({familie.toStdString(), 9, fett}), zeichen)) return z;
    return 0;
}

QString OhneGiesserei(const QString& familie) {
    static const QRegularExpression giesserei(QStringLiteral(R"(\s*\[[^\]]*\]\s*$)"));
    QString name = familie;
    return name.remove(giesserei);
}

QStringList Familien(std::u32string_view zeichen) {
    // Per name: whether one of its foundries has an upright regular style.
    std::map<QString, bool> namen;
    for (const QString& familie : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(familie)) continue;
        bool& aufrecht = namen[OhneGiesserei(familie)];
        aufrecht = aufrecht || AufrechtRegulär(familie);
    }
    QStringList liste;
    for (const auto& [name, aufrecht] : namen) {
        if (!aufrecht || name.isEmpty()) continue;
        const QFont f = QtDruckfläche::Druckfont({name.toStdString(), 9, false});
        // A name that stands for another family resolves to that one.
        if (OhneGiesserei(Eigen(f).familyName()).compare(name, Qt::CaseInsensitive) != 0) continue;
        if (Fehlendes(name, zeichen)) continue;
        liste << name;
    }
    liste.sort(Qt::CaseInsensitive);
    return liste;
}

} // namespace QtSchriftzeichen
