// The component chooser ("Auswahl Bauteil", "Auswahl Fenster", "Auswahl
// Wärmebrücke"): the component editor asks it for an item to copy. The user
// picks the source, the open project or one of the project files added to
// the window's list, sees the source's items of the kind asked for and one
// item's data, and confirms. The chooser hands back the item's record; the
// editor decides whether to overwrite its own item with it.
//
// One window serves the whole run: the added project files, the last
// listed project and the window's position survive closing. Project files
// are read into private projects, the open project is read in place.
#pragma once

#include "frame/Steuerelemente.h"
#include "project/Kollektion.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Projekt;

class frmBauteilListe : public Formular {
public:
    frmBauteilListe();
    ~frmBauteilListe() override;

    Label fraProjekt{"fraProjekt"};
    // 0 "Aktuelles Projekt", 1 a project of the list.
    Steuerelementfeld<OptionButton> optProjAktuell{"optProjAktuell", 2};
    ListBox lstProjekte{"lstProjekte"};
    std::vector<int> lstProjekteItemData; // index into the added projects
    CommandButton cmdProjHinzufügen{"cmdProjHinzufügen"};
    CommandButton cmdProjEntfernen{"cmdProjEntfernen"};
    Label fraBauteil{"fraBauteil"};
    ListBox lstBauteile{"lstBauteile"};
    std::vector<int> lstBauteileItemData; // item numbers
    CommandButton cmdAuswahl{"cmdAuswahl"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    // The details of the item shown: plain text with TAB columns; the
    // headings (start and length in bytes of the text) are drawn in
    // RGB(31, 0, 127); the tab stops (twips) hold for the text, the head
    // block up to KopfEnde has its first stop at KopfTabstopp.
    TextBox rtbT{"rtbT"};
    struct Abschnitt {
        std::size_t Anfang = 0;
        std::size_t Länge = 0;
    };
    std::vector<Abschnitt> Überschriften;
    std::vector<std::int32_t> Tabstopps;
    std::size_t KopfEnde = 0;
    std::int32_t KopfTabstopp = 0;
    static constexpr Farbe Überschriftfarbe = RGB(31, 0, 127);
    // The tab stops of a component's details, the widest of the three kinds.
    static constexpr std::int32_t BauteilTabstopps[5] = {3450, 4080, 4710, 5370, 6000};

    // The window's place when it was last closed (twips), and whether there is one.
    std::int32_t Left = 0, Top = 0;
    bool PositionGemerkt = false;

    // Shows the chooser for kind art (0 components, 1 windows, 2 thermal
    // bridges). True with the chosen record in element when the user
    // confirmed with an item chosen; otherwise False and element unchanged.
    static bool Aufruf(std::int16_t art, KollektionZeiger& element);
    // Shows the loaded window modally (the window code installs it; a test
    // may play the user here).
    static std::function<void(frmBauteilListe&)> Anzeigen;

    void Form_Load();
    void Form_Unload();
    void optProjAktuell_Click(int Index);
    void cmdProjHinzufügen_Click();
    void cmdProjEntfernen_Click();
    void lstProjekte_Click();
    void lstBauteile_Click();
    void lstBauteile_DblClick();
    void cmdAuswahl_Click();
    void cmdAbbrechen_Click();

    void ElementeAuflisten(const std::string& Pfad);
    void BauteilAnzeigen(int n);
    void FensterAnzeigen(int n);
    void WärmebrückeAnzeigen(int n);
    // A number in a column of the details: right-aligned to width by two
    // blanks per missing character, "" for 0.
    static std::string ZahlSpalte(double x, int breite, int dezimalen);
    static bool ProjektKopfLesen(std::string& Id, std::string& Bez, const std::string& Pfad);
    static std::string ProjektEintrag(const std::string& Bez, const std::string& Id);

    bool Geladen() const { return geladen_; }
    std::int16_t Art() const { return art_; }
    // The view's hook that closes the real window once the model has unloaded.
    std::function<void()> Schliessen;

private:
    struct Projektdatei {
        std::string Id, Bez, Pfad;
    };
    std::vector<Projektdatei> projekte_;
    std::int16_t art_ = 0;
    KollektionZeiger gewählt_;
    bool bestätigt_ = false;
    bool quelleOffen_ = false;
    int letztePosition_ = -1;
    bool geladen_ = false;
    // The project whose items are listed: the open one, or one read from a file.
    const Projekt* quelle_ = nullptr;
    std::unique_ptr<Projekt> eigenes_;

    void TextAnhängen(const std::string& text);
    void TitelAnhängen(const std::string& text);
    // A heading, TAB, the value and a line end.
    void ZeileAnhängen(const std::string& titel, const std::string& wert);
    void DetailsLeeren();
    KollektionZeiger Element(int n) const;
};

namespace Global {
extern ::frmBauteilListe frmBauteilListe;
} // namespace Global
