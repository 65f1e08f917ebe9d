// Test fixture for the main window's commands: the window loaded and its
// grids built as at start, a project with one zone of category I on a known
// station (Testhilfe::Zonenprojekt), scripted message boxes and file
// dialogs, a fresh recent-projects list of 4 entries, and a folder for
// project files. The destructor puts every program-wide object back.
#pragma once

#include "tests/support/Testplattform.h"
#include "dialogs/frmNutzung.h"
#include "dialogs/frmProjekt.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Temppfad.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace Testhilfe {

using TestUmgebung = Testhilfe::SkriptUmgebung;

class Befehlsfenster {
public:
    Befehlsfenster()
        : P(z.P), F(z.F), M(z.umgebung.meldungen), D(z.umgebung.dateidialoge), ini_(Global::Initialisierung),
          projektAnzeigen_(frmProjekt::Anzeigen), nutzungAnzeigen_(frmNutzung::Anzeigen),
          dienste_(MitUmgebung()) {
        Global::Initialisierung = Initialisierung();
        Global::Initialisierung.ProgrammSetzen("", "", "", "");
        frmProjekt::Anzeigen = nullptr;
        frmNutzung::Anzeigen = nullptr;
        HooksLeeren();
        F.Form_Load();
        F.TabelleInitialisieren();
        z.TabellenLeeren();
        Ordner = Testhilfe::Temppfad("zirvo_befehle_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(Ordner);
        std::filesystem::create_directories(Ordner);
    }

    ~Befehlsfenster() {
        HooksLeeren();
        F.PaneTabelle = {0, 0};
        F.AktivePane = 0;
        F.Aufteilung = 0;
        frmProjekt::Anzeigen = projektAnzeigen_;
        frmNutzung::Anzeigen = nutzungAnzeigen_;
        Global::Initialisierung = ini_;
        std::error_code ec;
        std::filesystem::permissions(Ordner, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(Ordner, ec);
    }

    Befehlsfenster(const Befehlsfenster&) = delete;
    Befehlsfenster& operator=(const Befehlsfenster&) = delete;

    Zonenprojekt z;
    Projekt& P;
    frmZIRVO3801& F;
    SkriptMeldungen& M;
    SkriptDateidialoge& D;
    TestUmgebung U;
    std::filesystem::path Ordner;

    std::string Pfad(const std::string& name) const { return (Ordner / name).string(); }

    // The user enters a cell, types the text and leaves it.
    void Tippen(TextBox& zelle, const std::string& text) {
        F.Zelle_GotFocus(zelle);
        zelle.setText(text);
        F.Zelle_LostFocus(zelle);
    }
    // The user types one character into a cell; the text it leaves.
    std::string Taste(TextBox& zelle, char c) {
        std::int16_t k = static_cast<unsigned char>(c);
        F.Zelle_KeyPress(zelle, k);
        if (k == 8) {
            std::string t = zelle.Text();
            if (!t.empty()) t.pop_back();
            zelle.setText(t);
        } else if (k != 0) {
            zelle.setText(zelle.Text() + static_cast<char>(k));
        }
        return zelle.Text();
    }

    // The texts of the message boxes shown since the last call.
    std::vector<std::string> Meldungen() {
        std::vector<std::string> texte;
        for (std::size_t i = gelesen_; i < M.Gezeigt.size(); ++i) texte.push_back(M.Gezeigt[i].Text);
        gelesen_ = M.Gezeigt.size();
        return texte;
    }

    // The project of the fixture becomes a proper one: identification and
    // one zone "Haus" with its stored floor area.
    void Projektangaben(double EBF = 100) {
        P.PSetStr("P-1", "Id");
        P.ZSetStr("Haus", "Bez");
        z.EBFSetzen(EBF);
    }

private:
    Plattform::Dienste MitUmgebung() {
        Plattform::Dienste d = Plattform::Aktuell();
        d.umgebung = &U;
        return d;
    }
    void HooksLeeren() {
        for (auto* h : {&F.LüftungAnzeigen, &F.GewinnAnzeigen, &F.QhAnzeigen, &F.WärmeleistungsbedarfAnzeigen,
                        &F.TabellenRechnerAnzeigen, &F.BauteileAnzeigen, &F.Nachweis3801Anzeigen,
                        &F.NachweisEBAnzeigen, &F.NachweisEBEinlesen, &F.NachweisEBSpeichern, &F.BaustoffeAnzeigen, &F.DruckenAnzeigen,
                        &F.DruckIniAnzeigen, &F.FlächenAnzeigen, &F.BauteilverlusteTabelle,
                        &F.BauteilVerlusteAnzeigen, &F.EnergienAnzeigen, &F.Schliessen})
            *h = nullptr;
        F.ActiveControl = nullptr;
        F.FehlerAnzeigeFehlgeschlagen = false;
    }

    Initialisierung ini_;
    std::function<void(frmProjekt&)> projektAnzeigen_;
    std::function<void(frmNutzung&)> nutzungAnzeigen_;
    Plattform::DiensteSetzen dienste_;
    std::size_t gelesen_ = 0;
};

// The project saved as datei with Save As, then text typed into table A
// and not yet saved.
inline void GespeichertDannGetippt(Befehlsfenster& w, const std::string& datei, const std::string& text) {
    w.Projektangaben();
    w.F.MenüsAktivieren();
    w.D.Antworten.push_back(datei);
    w.F.mnuDateiSpeichernUnter_Click();
    ASSERT_EQ(Global::Projekt.Dateiname(), datei);
    w.F.mnuZoneA_Click();
    w.Tippen(w.F.txtDaBez[0], text);
    w.Meldungen();
}

// The text typed into table A's first row of the project file.
inline std::string GetipptIn(const std::string& datei) {
    Projekt gelesen;
    if (gelesen.ProjektEinlesen(datei) != 0) return "(nicht lesbar)";
    const KollektionZeiger a = gelesen.ZGetColl("A_");
    return a && a->Anzahl() >= 1 && a->Koll(1) ? a->Koll(1)->Text(2) : "";
}

} // namespace Testhilfe
