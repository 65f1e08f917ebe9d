#include "balance/Monatsbilanz.h"

#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "project/ProjektGlobal.h"

#include <array>
#include <cmath>

namespace basZIRVO3801 {

namespace {

constexpr std::size_t Jahr = 12;

// A value that is not finite (an overflow, a division by zero) counts as 0:
// nothing of the kind is ever stored or shown.
double endlich(double x) { return std::isfinite(x) ? x : 0.0; }

// Total loss of month m: transmission (total columns) and ventilation.
double Verlust(const Monatstabelle& QtA, const Monatstabelle& QtU, const Monatstabelle& QtF, const Monatsarray& Qv,
               const Monatsarray& Qvm, std::size_t m) {
    return QtA[m][5] + QtU[m][5] + QtF[m][5] + Qv[m] + Qvm[m];
}

// Utilisation factor of one month from the ratio of gains to losses and the
// numerical parameter a; 0 when the powers overflow.
double Monatsfaktor(double gamma, double a) {
    double eta;
    if (gamma == 1) {
        eta = a / (a + 1);
    } else {
        eta = (1 - std::pow(gamma, a)) / (1 - std::pow(gamma, a + 1));
    }
    return endlich(eta);
}

// The stored losses and gains of the current zone.
struct Bilanzwerte {
    Monatstabelle QtA{}, QtU{}, QtF{};
    Monatsarray Qv{}, Qvm{}, QgS{}, QgP{}, QgE{};

    void Lesen() {
        const auto& projekt = Global::Projekt;
        projekt.ZGetArr2(QtA, "QtA");
        projekt.ZGetArr2(QtU, "QtU");
        projekt.ZGetArr2(QtF, "QtF");
        projekt.ZGetArr1(Qv, "Qv");
        projekt.ZGetArr1(Qvm, "Qvm");
        projekt.ZGetArr1(QgS, "QgS");
        projekt.ZGetArr1(QgP, "QgP");
        projekt.ZGetArr1(QgE, "QgE");
    }
    double L(std::size_t m) const { return Verlust(QtA, QtU, QtF, Qv, Qvm, m); }
    double G(std::size_t m) const { return QgS[m] + QgP[m] + QgE[m]; }
};

// The utilisation factors of the current zone from its stored values (read
// only when the zone has what the factor needs).
bool Ausnutzungsgrad(Monatsarray& EtaG, Bilanzwerte& werte, bool gelesen) {
    EtaG.fill(0);
    auto& projekt = Global::Projekt;

    constexpr double a0 = 1.0;
    constexpr double tau0 = 15; // h
    const double Ti = projekt.Zone__RaumtemperaturKorr();
    const double C = projekt.ZGetNum("C");
    const double EBF = projekt.ZGetNum("EBF");
    if (Ti == 0 || C == 0) return true;

    if (!gelesen) werte.Lesen();
    const double H = ZoneLeitwertH(false);

    // The time constant in hours and the parameter a, the same for every
    // month; a time constant that overflows leaves every factor at 0.
    const double tau = H == 0 ? 100000.0 : C * EBF * 1000 / H;
    const bool tauEndlich = std::isfinite(tau);
    double a = a0 + tau / tau0;
    if (!(a >= a0 && a <= 85)) a = 85;

    double summeG = 0, summeGEta = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        const double L = werte.L(m);
        const double G = werte.G(m);
        if (!(L > 0)) {
            EtaG[m] = 0;
            continue;
        }
        double gamma = G / L;
        summeG += G;
        if (!tauEndlich || !std::isfinite(gamma)) {
            EtaG[m] = 0;
            continue;
        }
        // a negative ratio is taken as the upper bound, not as 0
        if (gamma < 0 || gamma > 3800) gamma = 3800;
        EtaG[m] = Monatsfaktor(gamma, a);
        summeGEta += G * EtaG[m];
    }
    EtaG[Jahr] = summeG != 0 ? endlich(summeGEta / summeG) : 0.0;

    projekt.ZSetArr1(EtaG, "EtaG");
    return false;
}

} // namespace

bool ZoneAusnutzungsgradBerechnen(Monatsarray& EtaG) {
    Bilanzwerte werte;
    return Ausnutzungsgrad(EtaG, werte, false);
}

bool ZoneMonatsbilanzBerechnen() {
    auto& projekt = Global::Projekt;

    Bilanzwerte werte;
    werte.Lesen();
    auto& [QtA, QtU, QtF, Qv, Qvm, QgS, QgP, QgE] = werte;

    // Without a factor (no capacity or room temperature) no gain is utilised.
    Monatsarray EtaG{};
    Ausnutzungsgrad(EtaG, werte, true);

    Monatsarray Qug{}, Qt{}, Qh{};
    for (std::size_t m = 0; m < 12; ++m) {
        Qug[m] = endlich((QgP[m] + QgS[m] + QgE[m]) * EtaG[m]);
        Qt[m] = endlich(Verlust(QtA, QtU, QtF, Qv, Qvm, m));
        Qh[m] = Qt[m] > 0 ? endlich(Qt[m] - Qug[m]) : 0.0;
    }

    // The year: losses, utilised gains and the heating demand over the
    // heating months, the gains over all twelve months.
    for (std::size_t s = 0; s < 6; ++s) QtA[Jahr][s] = QtU[Jahr][s] = QtF[Jahr][s] = 0;
    Qv[Jahr] = Qvm[Jahr] = Qt[Jahr] = QgE[Jahr] = QgP[Jahr] = QgS[Jahr] = Qug[Jahr] = Qh[Jahr] = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        if (Qt[m] > 0) {
            for (std::size_t s = 0; s < 6; ++s) {
                QtA[Jahr][s] += QtA[m][s];
                QtU[Jahr][s] += QtU[m][s];
                QtF[Jahr][s] += QtF[m][s];
            }
            Qv[Jahr] += Qv[m];
            Qvm[Jahr] += Qvm[m];
            Qt[Jahr] += Qt[m];
            Qug[Jahr] += Qug[m];
            Qh[Jahr] += Qh[m];
        }
        QgE[Jahr] += QgE[m];
        QgP[Jahr] += QgP[m];
        QgS[Jahr] += QgS[m];
    }
    for (std::size_t s = 0; s < 6; ++s) {
        QtA[Jahr][s] = endlich(QtA[Jahr][s]);
        QtU[Jahr][s] = endlich(QtU[Jahr][s]);
        QtF[Jahr][s] = endlich(QtF[Jahr][s]);
    }
    for (Monatsarray* a : {&Qv, &Qvm, &Qt, &QgE, &QgP, &QgS, &Qug, &Qh}) (*a)[Jahr] = endlich((*a)[Jahr]);

    // The year's factor: utilised gains over the gains of all twelve months.
    const double Gy = QgP[Jahr] + QgS[Jahr] + QgE[Jahr];
    EtaG[Jahr] = Gy != 0 ? endlich(Qug[Jahr] / Gy) : 0.0;

    projekt.ZSetArr2(QtA, "QtA");
    projekt.ZSetArr2(QtU, "QtU");
    projekt.ZSetArr2(QtF, "QtF");
    projekt.ZSetArr1(Qv, "Qv");
    projekt.ZSetArr1(Qvm, "Qvm");
    projekt.ZSetArr1(Qt, "Qt");
    projekt.ZSetArr1(QgS, "QgS");
    projekt.ZSetArr1(QgP, "QgP");
    projekt.ZSetArr1(QgE, "QgE");
    projekt.ZSetArr1(EtaG, "EtaG");
    projekt.ZSetArr1(Qug, "Qug");
    projekt.ZSetArr1(Qh, "Qh");
    return false;
}

double ZoneLeitwertH(bool Heizlast) {
    const auto& projekt = Global::Projekt;
    const double HT = Gebäudehülle::Instanz().Faktor_H(projekt.GetNZone());
    double q = projekt.ZGetNum("AVE");
    const double A = projekt.ZGetNum("EBF");
    const double h = Global::Klimastation_MB2028.Meereshöhe();
    // heat capacity of air at the station's altitude, Wh/(m³·K)
    const double f = (1220 - 0.14 * h) / 3600;
    if (Heizlast) q = HeizlastLuftvolumenstrom(q);
    return endlich(A * q * f + HT);
}

double HeizlastLuftvolumenstrom(double AVE) {
    const double EtaV = Global::Projekt.PGetNum("HL_EtaV");
    const double fV = Global::Projekt.PGetNum("HL_fV");
    if (EtaV < 0 || EtaV >= 1 || fV == 0) return AVE;
    // the base rate of 0.15 m³/(h·m²) is never reduced
    return endlich((AVE - 0.15) * (1 - EtaV) / fV + 0.15);
}

double ZoneHeizleistungKennwert() {
    const auto& projekt = Global::Projekt;
    const double A = projekt.Zone__Energiebezugsfläche();
    const double Ti = projekt.ZGetInt("Ti");
    const double TaMin = Global::Klimastation_MB2028.TaMin();
    const double H = ZoneLeitwertH(true);
    const std::int16_t Gk = projekt.ZGetInt("Gk");
    if (A == 0) return 0;
    return endlich((Ti - TaMin) * H / A - HeizlastInterneGewinne(Gk));
}

double ZoneHeizleistungGrenzwert() {
    const auto& projekt = Global::Projekt;
    double PhNwGw = HeizlastGrenzwertTabelle(projekt.ZGetInt("Gk"));
    const double TaMin = Global::Klimastation_MB2028.TaMin();
    if (PhNwGw > 0 && TaMin < -8) {
        const double Ti = projekt.ZGetInt("Ti");
        if (Ti + 8 == 0) return 0;
        PhNwGw = PhNwGw * (Ti - TaMin) / (Ti + 8);
    }
    return endlich(PhNwGw);
}

double HeizlastInterneGewinne(std::int16_t Gk) {
    static constexpr std::array<double, 12> werte = {3.1, 2.4, 3.3, 2.3, 4.5, 5.2, 3.5, 4, 3, 0.8, 1.8, 4.9};
    if (Gk < 1 || Gk > 12) return 0;
    return werte[static_cast<std::size_t>(Gk - 1)];
}

double HeizlastGrenzwertTabelle(std::int16_t Gk) {
    static constexpr std::array<double, 12> werte = {20, 25, 25, 20, 0, 0, 0, 0, 0, 0, 0, 0};
    if (Gk < 1 || Gk > 12) return 0;
    return werte[static_cast<std::size_t>(Gk - 1)];
}

void HeizlastKennwerteLesen(std::int16_t& Gk, double& H, double& Luftrate, double& TaMin, double& InterneGewinne) {
    Gk = Global::Projekt.ZGetInt("Gk");
    H = ZoneLeitwertH(true);
    Luftrate = HeizlastLuftvolumenstrom(Global::Projekt.ZGetNum("AVE"));
    TaMin = Global::Klimastation_MB2028.TaMin();
    InterneGewinne = HeizlastInterneGewinne(Gk);
}

} // namespace basZIRVO3801
