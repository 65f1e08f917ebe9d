#include "project/Projekt.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

// The nearest 16-bit whole number, halves to the even neighbour; 0 for
// values outside the range (and for NaN).
std::int16_t RundenInt(double x) {
    if (!(x > -32768.5 && x < 32767.5)) return 0;
    double r = std::round(x);   // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= (x > 0 ? 1 : -1);
    if (r < -32768 || r > 32767) return 0;
    return static_cast<std::int16_t>(r);
}

// Reads the stored text of the current zone's value in place (a stored
// text is not copied); any other value is read as ZGetStr gives it.
template <class Leser> void ArrayLesen(const Kollektion* zone, std::string_view Schlüssel, Leser lesen) {
    const Kollektion::Wert* wert = zone ? zone->Eintrag(Schlüssel) : nullptr;
    if (const auto* text = wert ? std::get_if<std::string>(wert) : nullptr) lesen(std::string_view(*text));
    else lesen(Kollektion::AlsText(wert));
}

} // namespace

Projekt::Projekt() { ProjektLeeren(); }

std::uint64_t Projekt::NeuerStand() {
    static std::uint64_t zähler = 0;
    return ++zähler;
}

void Projekt::StrukturGeändert() {
    strukturstand_ = NeuerStand();
    projektwertestand_ = NeuerStand();
    ZonenständeErneuern();
}

void Projekt::ZonenständeErneuern() {
    eingabestände_.resize(zonen_.size());
    for (std::uint64_t& stand : eingabestände_) stand = NeuerStand();
}

std::uint64_t Projekt::Eingabestand(std::int16_t Index) const {
    if (Index < 0 || static_cast<std::size_t>(Index) >= eingabestände_.size()) return 0;
    return eingabestände_[static_cast<std::size_t>(Index)];
}

const Kollektion* Projekt::Zonenwerte(std::int16_t Index) const {
    if (Index < 0 || Index >= zonenAnzahl_) return nullptr;
    return &zonen_[static_cast<std::size_t>(Index)];
}

void Projekt::ProjektLeeren() {
    StrukturGeändert();
    dateiname_.clear();
    dateistand_.reset();
    exist_ = false;
    projektwerte_ = Kollektion();
    zonen_.clear();
    eingabestände_.clear();
    zonenAnzahl_ = 0;
    aktuelleZone_ = 0;
    übergangeneZonen_ = 0;
    rechenzone_ = -1;
    schreibprotokoll_ = nullptr;
}

// ---------------------------------------------------------------- zones

std::int16_t Projekt::ZonenAnzahl() const { return zonenAnzahl_; }

std::int16_t Projekt::ZoneNeu() {
    if (zonenAnzahl_ >= MaxZonen) return -1;
    zonen_.emplace_back();
    eingabestände_.resize(zonen_.size());
    eingabestände_.back() = NeuerStand();
    aktuelleZone_ = zonenAnzahl_;
    ++zonenAnzahl_;
    return 0;
}

std::int16_t Projekt::ZoneLöschen() {
    if (zonenAnzahl_ < 2) return -1;
    if (aktuelleZone_ < 0 || aktuelleZone_ >= zonenAnzahl_) return -1;
    zonen_.erase(zonen_.begin() + aktuelleZone_);
    --zonenAnzahl_;
    aktuelleZone_ = 0;
    StrukturGeändert();
    return 0;
}

std::int16_t Projekt::ZoneSortieren(std::int16_t VonIndex, std::int16_t NachIndex) {
    if (VonIndex < 0 || VonIndex >= zonenAnzahl_ || NachIndex < 0 || NachIndex >= zonenAnzahl_ ||
        VonIndex == NachIndex)
        return -1;
    Kollektion zone = std::move(zonen_[VonIndex]);
    if (NachIndex < VonIndex) {
        for (int i = VonIndex; i > NachIndex; --i) zonen_[i] = std::move(zonen_[i - 1]);
    } else {
        for (int i = VonIndex; i < NachIndex; ++i) zonen_[i] = std::move(zonen_[i + 1]);
    }
    zonen_[NachIndex] = std::move(zone);
    StrukturGeändert();
    return 0;
}

void Projekt::SetNZone(std::int16_t NutzungszoneNr) { aktuelleZone_ = NutzungszoneNr; }
std::int16_t Projekt::GetNZone() const { return aktuelleZone_; }

const Kollektion* Projekt::AktuelleZone() const {
    if (aktuelleZone_ < 0 || aktuelleZone_ >= zonenAnzahl_) return nullptr;
    return &zonen_[static_cast<std::size_t>(aktuelleZone_)];
}

Kollektion* Projekt::AktuelleZone() {
    if (aktuelleZone_ < 0 || aktuelleZone_ >= zonenAnzahl_) return nullptr;
    return &zonen_[static_cast<std::size_t>(aktuelleZone_)];
}

// ---------------------------------------------------------------- identity

bool Projekt::Exist() const { return exist_; }
std::string Projekt::Dateiname() const { return dateiname_; }

std::string Projekt::Projektname() const {
    std::string name = dateiname_;
    auto trenner = name.find_last_of("\\/");
    if (trenner != std::string::npos) name = name.substr(trenner + 1);
    auto punkt = name.rfind('.');
    if (punkt != std::string::npos) name = name.substr(0, punkt);
    return name;
}

// ---------------------------------------------------------------- setters

// A value replaces the one stored under its key in place (values are only
// ever looked up by key); a null collection removes it.
void Projekt::PSetVar(Kollektion::Wert Wert, std::string_view Schlüssel) {
    if (projektwerte_.Setzen(std::move(Wert), Schlüssel)) projektwertestand_ = NeuerStand();
}

void Projekt::ZonenwerteSetzen(const Kollektion& Werte) {
    Kollektion* zone = AktuelleZone();
    if (!zone || Kollektion::Gleich(*zone, Werte)) return;
    *zone = Werte;
    ZoneGeändert();
}

void Projekt::ZSetVar(Kollektion::Wert Wert, std::string_view Schlüssel) {
    Kollektion* zone = AktuelleZone();
    if (!zone) return;
    if (schreibprotokoll_) schreibprotokoll_->emplace_back(std::string(Schlüssel), Wert);
    if (!zone->Setzen(std::move(Wert), Schlüssel)) return;
    ZoneGeändert();
}

void Projekt::ZoneGeändert() {
    if (aktuelleZone_ == rechenzone_) return;
    // Zones added without ZoneNeu get their marks here.
    if (eingabestände_.size() < zonen_.size()) {
        const std::size_t bisher = eingabestände_.size();
        eingabestände_.resize(zonen_.size());
        for (std::size_t i = bisher; i < eingabestände_.size(); ++i) eingabestände_[i] = NeuerStand();
    }
    eingabestände_[static_cast<std::size_t>(aktuelleZone_)] = NeuerStand();
}

void Projekt::PSetColl(KollektionZeiger Wert, std::string_view Schlüssel) {
    PSetVar(Kollektion::Wert(std::in_place_index<2>, std::move(Wert)), Schlüssel);
}
void Projekt::PSetStr(std::string Wert, std::string_view Schlüssel) {
    PSetVar(Kollektion::Wert(std::in_place_index<0>, std::move(Wert)), Schlüssel);
}
void Projekt::PSetNum(double Wert, std::string_view Schlüssel) {
    PSetVar(Kollektion::Wert(std::in_place_index<1>, Wert), Schlüssel);
}
void Projekt::PSetInt(std::int16_t Wert, std::string_view Schlüssel) {
    PSetNum(static_cast<double>(Wert), Schlüssel);
}

void Projekt::ZSetColl(KollektionZeiger Wert, std::string_view Schlüssel) {
    ZSetVar(Kollektion::Wert(std::in_place_index<2>, std::move(Wert)), Schlüssel);
}
void Projekt::ZSetStr(std::string Wert, std::string_view Schlüssel) {
    ZSetVar(Kollektion::Wert(std::in_place_index<0>, std::move(Wert)), Schlüssel);
}
void Projekt::ZSetNum(double Wert, std::string_view Schlüssel) {
    ZSetVar(Kollektion::Wert(std::in_place_index<1>, Wert), Schlüssel);
}
void Projekt::ZSetInt(std::int16_t Wert, std::string_view Schlüssel) {
    ZSetNum(static_cast<double>(Wert), Schlüssel);
}

void Projekt::ZSetArr1(const Monatsarray& Werte, std::string_view Schlüssel) {
    ZSetStr(basZIRVO_Array::ArrayZuText1(Werte), Schlüssel);
}
void Projekt::ZSetArr2(const Monatstabelle& Werte, std::string_view Schlüssel) {
    ZSetStr(basZIRVO_Array::ArrayZuText2(Werte), Schlüssel);
}
void Projekt::ZSetArrX(const std::vector<double>& Werte, std::string_view Schlüssel) {
    ZSetStr(basZIRVO_Array::ArrayZuTextX(Werte), Schlüssel);
}

// ---------------------------------------------------------------- getters

KollektionZeiger Projekt::PGetVarColl(std::string_view Schlüssel) const { return projektwerte_.Koll(Schlüssel); }
std::string Projekt::PGetVarStr(std::string_view Schlüssel) const { return projektwerte_.Text(Schlüssel); }
double Projekt::PGetVarNum(std::string_view Schlüssel) const { return projektwerte_.Zahl(Schlüssel); }

KollektionZeiger Projekt::ZGetVarColl(std::string_view Schlüssel) const {
    const Kollektion* zone = AktuelleZone();
    return zone ? zone->Koll(Schlüssel) : nullptr;
}
std::string Projekt::ZGetVarStr(std::string_view Schlüssel) const {
    const Kollektion* zone = AktuelleZone();
    return zone ? zone->Text(Schlüssel) : std::string();
}
double Projekt::ZGetVarNum(std::string_view Schlüssel) const {
    const Kollektion* zone = AktuelleZone();
    return zone ? zone->Zahl(Schlüssel) : 0.0;
}

KollektionZeiger Projekt::PGetColl(std::string_view Schlüssel) const { return PGetVarColl(Schlüssel); }
std::string Projekt::PGetStr(std::string_view Schlüssel) const { return PGetVarStr(Schlüssel); }
double Projekt::PGetNum(std::string_view Schlüssel) const { return PGetVarNum(Schlüssel); }
std::int16_t Projekt::PGetInt(std::string_view Schlüssel) const { return RundenInt(PGetVarNum(Schlüssel)); }

KollektionZeiger Projekt::ZGetColl(std::string_view Schlüssel) const { return ZGetVarColl(Schlüssel); }
std::string Projekt::ZGetStr(std::string_view Schlüssel) const { return ZGetVarStr(Schlüssel); }
double Projekt::ZGetNum(std::string_view Schlüssel) const { return ZGetVarNum(Schlüssel); }
std::int16_t Projekt::ZGetInt(std::string_view Schlüssel) const { return RundenInt(ZGetVarNum(Schlüssel)); }

void Projekt::ZGetArr1(Monatsarray& Werte, std::string_view Schlüssel) const {
    ArrayLesen(AktuelleZone(), Schlüssel, [&](std::string_view text) { basZIRVO_Array::TextZuArray1(text, Werte); });
}
void Projekt::ZGetArr2(Monatstabelle& Werte, std::string_view Schlüssel) const {
    ArrayLesen(AktuelleZone(), Schlüssel, [&](std::string_view text) { basZIRVO_Array::TextZuArray2(text, Werte); });
}
void Projekt::ZGetArrX(std::vector<double>& Werte, std::string_view Schlüssel) const {
    ArrayLesen(AktuelleZone(), Schlüssel, [&](std::string_view text) { basZIRVO_Array::TextZuArrayX(text, Werte); });
}

KollektionZeiger Projekt::CollGetColl(const KollektionZeiger& Koll, std::string_view Schlüssel) const {
    return Koll ? Koll->Koll(Schlüssel) : nullptr;
}
KollektionZeiger Projekt::CollGetColl(const KollektionZeiger& Koll, std::int32_t Position) const {
    return Koll ? Koll->Koll(Position) : nullptr;
}
std::string Projekt::CollGetStr(const KollektionZeiger& Koll, std::string_view Schlüssel) const {
    return Koll ? Koll->Text(Schlüssel) : std::string();
}
std::string Projekt::CollGetStr(const KollektionZeiger& Koll, std::int32_t Position) const {
    return Koll ? Koll->Text(Position) : std::string();
}

// ---------------------------------------------------------------- zone functions

double Projekt::Zone__Energiebezugsfläche() const { return ZGetNum("EBF"); }
double Projekt::Zone__RaumtemperaturKorr() const { return ZGetNum("Ti") + ZGetNum("RZ"); }
double Projekt::Zone__VorlauftemperaturB() const { return ZGetNum("VTHB"); }
double Projekt::Zone__VorlauftemperaturF() const { return ZGetNum("VTHF"); }

std::string Projekt::Zone_GetStr(std::int16_t Index, std::string_view Schlüssel) const {
    if (Index < 0 || Index >= zonenAnzahl_) return {};
    return zonen_[static_cast<std::size_t>(Index)].Text(Schlüssel);
}

double Projekt::Zone_GetNum(std::int16_t Index, std::string_view Schlüssel) const {
    if (Index < 0 || Index >= zonenAnzahl_) return 0;
    return zonen_[static_cast<std::size_t>(Index)].Zahl(Schlüssel);
}

// ---------------------------------------------------------------- heating months

void Projekt::SetMtOK() {
    Monatstabelle qtA{}, qtU{}, qtF{};
    Monatsarray qv{}, qvm{};
    ZGetArr2(qtA, "QtA");
    ZGetArr2(qtU, "QtU");
    ZGetArr2(qtF, "QtF");
    ZGetArr1(qv, "Qv");
    ZGetArr1(qvm, "Qvm");
    for (std::size_t m = 0; m < 12; ++m)
        monatOK_[m] = (qtA[m][5] + qtU[m][5] + qtF[m][5] + qv[m] + qvm[m]) > 0;
}

void Projekt::SetJahressumme1(std::span<double> Werte) const {
    if (Werte.size() != 13) return;
    double summe = 0;
    for (std::size_t m = 0; m < 12; ++m)
        if (monatOK_[m]) summe += Werte[m];
    Werte[12] = summe;
}

void Projekt::SetJahressumme2(std::span<std::array<double, 6>> Werte) const {
    if (Werte.size() != 13) return;
    for (std::size_t j = 0; j < 6; ++j) {
        double summe = 0;
        for (std::size_t m = 0; m < 12; ++m)
            if (monatOK_[m]) summe += Werte[m][j];
        Werte[12][j] = summe;
    }
}

// ---------------------------------------------------------------- new project

void Projekt::ProjektNeu() {
    ProjektLeeren();
    ZoneNeu();
    exist_ = true;
}
