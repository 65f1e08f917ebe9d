// The component editor: its pages and selectors, when the item shown is
// stored into the project and loaded from it, copy, delete, print and close.
#include "components/frmBauteil.h"

#include "components/frmBauteilListe.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

namespace {

std::string Rechts(const TextBox& t) { return basZIRVO_Format::TextRechtsTrimmen(t.Text()); }

std::string Beidseitig(const std::string& t) {
    const std::size_t a = t.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return t.substr(a, t.find_last_not_of(' ') - a + 1);
}

// The selector entry of item n: "n - designation", or n alone.
std::string Auswahleintrag(int n, const std::string& bez) {
    return bez.empty() ? std::to_string(n) : std::to_string(n) + " - " + bez;
}

struct Frage {
    const char* Text;
    const char* Titel;
};
constexpr Frage Überschreiben[3] = {
    {"Soll das angezeigte Bauteil wirklich überschrieben werden?", "Bauteil überschreiben"},
    {"Soll das angezeigte Fenster wirklich überschrieben werden?", "Fenster überschreiben"},
    {"Soll die angezeigte Wärmebrücke wirklich überschrieben werden?", "Wärmebrücke überschreiben"}};
constexpr Frage Löschen[3] = {
    {"Soll das angezeigte Bauteil wirklich gelöscht werden?", "Bauteil löschen"},
    {"Soll das angezeigte Fenster wirklich gelöscht werden?", "Fenster löschen"},
    {"Soll die angezeigte Wärmebrücke wirklich gelöscht werden?", "Wärmebrücke löschen"}};

bool Gefragt(const Frage& f) {
    return Plattform::meldungen().Zeigen(DS(f.Text), DS(f.Titel), Plattform::Symbol::Frage,
                                         Plattform::Knöpfe::JaNeinAbbrechen,
                                         Plattform::Antwort::Nein) == Plattform::Antwort::Ja;
}

} // namespace

namespace Global {
::frmBauteil frmBauteil;
} // namespace Global

std::function<void(Elementart, int)> frmBauteil::Drucken;

frmBauteil::frmBauteil() {
    // The selector entry follows its designation, whoever changes it.
    for (std::int16_t art = 0; art < 3; ++art)
        Bezeichnungsfeld(art).beobachten([this, art](const Steuerelement&) { AuswahleintragSetzen(art); });
}

ComboBox& frmBauteil::Auswahlliste(std::int16_t art) {
    return art == 1 ? cboFensterListe : art == 2 ? cboWbListe : cboBauteilListe;
}

TextBox& frmBauteil::Bezeichnungsfeld(std::int16_t art) { return art == 1 ? txtFBez : art == 2 ? txtWBez : txtBBez; }

void frmBauteil::Fokus(Steuerelement& s, bool alles) {
    if (FokusSetzen) FokusSetzen(s, alles);
}

// --- the window ---

void frmBauteil::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    Caption = DS("Bauteile");
    tabBauteil.Clear();
    for (const char* t : {"Dach, Wand, Boden", "Fenster", "Wärmebrücke"}) tabBauteil.AddItem(DS(t));
    tabBauteil.setListIndex(0);
    for (Label* p : {&picBauteil, &picFenster, &picWb}) p->setVisible(false);
    for (CommandButton* k : {&cmdBtSuchen, &cmdFeSuchen, &cmdWbSuchen}) k->setCaption("...");
    mnuBauteil.setCaption(DS("Bauteil"));
    mnuBauteilKopieren.setCaption(DS("Kopieren"));
    mnuBauteilLöschen.setCaption(DS("Löschen"));
    mnuBauteilDrucken.setCaption(DS("Drucken"));
    mnuBauteilDrucken.setEnabled(static_cast<bool>(Drucken));
    mnuBauteilSchliessen.setCaption(DS("Schliessen"));
    mnuBearbeiten.setCaption(DS("&Bearbeiten"));
    mnuBearbZeileEinfügen.setCaption(DS("Zeile &einfügen"));
    mnuBearbZeileLöschen.setCaption(DS("Zeile &löschen"));
    txtBUg.setVisible(false);
    txtFUg.setVisible(false);
    for (int r = 0; r < Schichtzeilen; ++r) {
        txtBtUe[r].setMaxLength(1);
        txtBtUe[r].setToolTipText(DS("0=nicht überwacht, 1=überwacht, 2=spezifiziertes Produkt"));
    }
    picBstListe.setVisible(false);
    cmdBstListe.setVisible(false);
    lblKat.setCaption("-");
    lblKat.setToolTipText(DS("Baustoff-Kategorie"));
    mnuBKat.setCaption(DS("Baustoff-Kategorie"));
    Kategoriefilter.clear();
    weitereSchichten_.clear();
    ActiveControl = nullptr;
    aktiviert_ = false;
    geladen_ = true;

    p_ETF_Initialisieren();
    for (std::int16_t art = 0; art < 3; ++art) AuswahllisteFüllen(art);
    BaustoffStatus = 0;

    // Each page shows item 1 of its kind.
    for (std::int16_t art = 0; art < 3; ++art) {
        Seitenart = art;
        Nummer[static_cast<std::size_t>(art)] = 0;
        Auswahlliste(art).setListIndex(0);
        Elementwechsel(art);
    }
    Seitenart = 0;
    BaustoffeLaden();
    // The category menu: item 0 all categories, then A to Z with the title
    // of the category's first title record.
    std::array<std::string, 26> titel;
    std::array<bool, 26> gefunden{};
    if (BaustoffStatus == 1) {
        for (bool ok = baustoff_.FindFirst(); ok; ok = baustoff_.FindNext()) {
            const std::string kat = baustoff_.Kat();
            if (kat.size() != 1 || kat[0] < 'A' || kat[0] > 'Z') continue;
            const std::size_t i = static_cast<std::size_t>(kat[0] - 'A');
            if (gefunden[i] || !baustoff_.KBez().empty() || baustoff_.Rho() != 0 || baustoff_.Dicke() != 0 ||
                baustoff_.Lambda() != 0 || baustoff_.R() != 0 || !baustoff_.Ueberwachung().empty())
                continue;
            gefunden[i] = true;
            std::string t = baustoff_.Bez();
            if (std::size_t gleich = t.find('='); gleich != std::string::npos) t = Beidseitig(t.substr(gleich + 1));
            titel[i] = t;
        }
    }
    mnuBKatAZ[0].setCaption("- ");
    for (int i = 1; i <= 26; ++i) {
        const std::string buchstabe(1, static_cast<char>('A' + i - 1));
        const std::string& t = titel[static_cast<std::size_t>(i - 1)];
        mnuBKatAZ[i].setCaption(t.empty() ? buchstabe : buchstabe + "\t" + t);
    }
    lblKat.setToolTipText(mnuBKat.Caption());
}

void frmBauteil::Form_Activate() {
    if (!geladen_ || aktiviert_) return;
    aktiviert_ = true;
    if (!picBauteil.Visible() && !picFenster.Visible() && !picWb.Visible()) {
        SeiteZeigen(0);
        Fokus(cboBauteilListe);
    }
}

void frmBauteil::Form_Deactivate() {
    if (geladen_) ElementSpeichern();
}

void frmBauteil::Form_QueryUnload() {
    if (geladen_) ElementSpeichern();
}

void frmBauteil::Form_Unload() {
    if (!geladen_) return;
    if (BaustoffStatus == 1) baustoff_.DBClose();
    BaustoffStatus = 0;
    Kategoriefilter.clear();
    geladen_ = false;
    Visible = false;
    ActiveControl = nullptr;
    if (Schliessen) Schliessen();
}

void frmBauteil::mnuBauteilSchliessen_Click() {
    Form_QueryUnload();
    Form_Unload();
}

void frmBauteil::SeiteZeigen(std::int16_t art) {
    picBauteil.setVisible(art == 0);
    picFenster.setVisible(art == 1);
    picWb.setVisible(art == 2);
    Seitenart = art;
    HelpContextID = 7010 + 10 * art;
}

void frmBauteil::tabBauteil_Click() {
    if (!geladen_) return;
    ElementSpeichern();
    const int i = tabBauteil.ListIndex();
    if (i >= 0 && i < 3) SeiteZeigen(static_cast<std::int16_t>(i));
}

// --- selectors ---

void frmBauteil::AuswahllisteFüllen(std::int16_t art) {
    ComboBox& liste = Auswahlliste(art);
    liste.Clear();
    for (int n = Elemente::MinNummer; n <= Elemente::MaxNummer; ++n) {
        KollektionZeiger k = Elemente::Holen(Global::Projekt, static_cast<Elementart>(art), n);
        liste.AddItem(Auswahleintrag(n, k ? basZIRVO_Format::TextRechtsTrimmen(Elemente::Bezeichnung(*k)) : ""));
    }
}

void frmBauteil::AuswahleintragSetzen(std::int16_t art) {
    const int n = Nummer[static_cast<std::size_t>(art)];
    if (!geladen_ || n < Elemente::MinNummer) return;
    Auswahlliste(art).setListEntry(n - 1, Auswahleintrag(n, Rechts(Bezeichnungsfeld(art))));
}

void frmBauteil::Elementwechsel(std::int16_t art) {
    if (!geladen_ || art != Seitenart) return;
    ElementSpeichern();
    ComboBox& liste = Auswahlliste(art);
    const std::string text = liste.ListIndex() >= 0 ? liste.ListEntry(liste.ListIndex()) : liste.Text();
    Nummer[static_cast<std::size_t>(art)] = basVB6NumCvt::ZahlLesenInt(text);
    ElementLaden();
    TextBox& bez = Bezeichnungsfeld(art);
    const Label& seite = art == 0 ? picBauteil : art == 1 ? picFenster : picWb;
    if (Rechts(bez).empty() && seite.Visible()) Fokus(bez);
}

void frmBauteil::cboBauteilListe_Click() { Elementwechsel(0); }
void frmBauteil::cboFensterListe_Click() { Elementwechsel(1); }
void frmBauteil::cboWbListe_Click() { Elementwechsel(2); }

void frmBauteil::ProjektGewechselt() {
    if (!geladen_) return;
    const std::int16_t seite = Seitenart;
    for (std::int16_t art = 0; art < 3; ++art) {
        AuswahllisteFüllen(art);
        const int n = Nummer[static_cast<std::size_t>(art)];
        Auswahlliste(art).setListIndex(n - 1);
        Seitenart = art;
        ElementLaden();
    }
    Seitenart = seite;
}

// --- storing and loading the item shown ---

void frmBauteil::EingabeAbschliessen() {
    // The field being edited is left and entered again, so its leave
    // handler (format, U-value, material pick, range check) has run.
    auto* feld = dynamic_cast<TextBox*>(ActiveControl);
    if (!feld) return;
    Feld_LostFocus(*feld);
    if (ActiveControl == nullptr) Feld_GotFocus(*feld);
}

void frmBauteil::ElementSpeichern() {
    if (!geladen_) return;
    EingabeAbschliessen();
    switch (Seitenart) {
    case 0: BauteilSpeichern(); break;
    case 1: FensterSpeichern(); break;
    case 2: WärmebrückeSpeichern(); break;
    default: break;
    }
}

void frmBauteil::ElementLaden(const KollektionZeiger& quelle) {
    switch (Seitenart) {
    case 0: BauteilLaden(quelle); break;
    case 1: FensterLaden(quelle); break;
    case 2: WärmebrückeLaden(quelle); break;
    default: break;
    }
}

int frmBauteil::LetzteBenutzteZeile() const {
    for (int r = Schichtzeilen - 1; r >= 0; --r) {
        if (!Rechts(txtBtBez[r]).empty() || !Rechts(txtBtUe[r]).empty()) return r;
        for (const auto* spalte : {&txtBtDi, &txtBtRo, &txtBtLa, &txtBtR})
            if (ZahlLesen((*spalte)[r].Text()) != 0) return r;
    }
    return -1;
}

void frmBauteil::BauteilSpeichern() {
    const int n = Nummer[0];
    if (n == 0) return;
    Bauteil b;
    b.Bez = Rechts(txtBBez);
    b.Kom = Rechts(txtBKom);
    b.U = ZahlLesen(txtBU.Text());
    b.U2 = ZahlLesen(txtBUg.Text());
    b.Rsi = ZahlLesen(txtBAi.Text());
    b.Rse = ZahlLesen(txtBAa.Text());
    b.CodeGr = Beidseitig(txtBCodeGr.Text());
    // Layers of the item beyond the grid keep their places behind row 15.
    const int letzte = weitereSchichten_.empty() ? LetzteBenutzteZeile() : Schichtzeilen - 1;
    for (int r = 0; r <= letzte; ++r)
        b.Schichten.push_back({Rechts(txtBtBez[r]), ZahlLesen(txtBtDi[r].Text()), ZahlLesen(txtBtRo[r].Text()),
                               ZahlLesen(txtBtLa[r].Text()), ZahlLesen(txtBtR[r].Text()), Rechts(txtBtUe[r])});
    b.Schichten.insert(b.Schichten.end(), weitereSchichten_.begin(), weitereSchichten_.end());
    b.Speichern(Global::Projekt, n);
}

void frmBauteil::FensterSpeichern() {
    const int n = Nummer[1];
    if (n == 0) return;
    bool leer = true;
    for (const TextBox* t : {&txtFBez, &txtFKom, &txtFU, &txtFg, &txtFF, &txtFRahmen, &txtFRUf, &txtFGlas, &txtFGUg})
        leer = leer && Rechts(*t).empty();
    if (leer) {
        Elemente::Entfernen(Global::Projekt, Elementart::Fenster, n);
        return;
    }
    Fenster f;
    f.Bez = Rechts(txtFBez);
    f.Kom = Rechts(txtFKom);
    f.U = ZahlLesen(txtFU.Text());
    f.U2 = ZahlLesen(txtFUg.Text());
    f.g = ZahlLesen(txtFg.Text());
    f.FF = ZahlLesen(txtFF.Text());
    f.Rahmenmaterial = Rechts(txtFRahmen);
    f.Uf = ZahlLesen(txtFRUf.Text());
    f.Verglasung = Rechts(txtFGlas);
    f.Ug = ZahlLesen(txtFGUg.Text());
    f.CodeGr = Beidseitig(txtFCodeGr.Text());
    f.Speichern(Global::Projekt, n);
}

void frmBauteil::WärmebrückeSpeichern() {
    const int n = Nummer[2];
    if (n == 0) return;
    if (Rechts(txtWBez).empty() && Rechts(txtWKom).empty() && Rechts(txtWPsi).empty() && Rechts(txtWText1).empty()) {
        Elemente::Entfernen(Global::Projekt, Elementart::Wärmebrücke, n);
        return;
    }
    Wärmebrücke w;
    w.Bez = Rechts(txtWBez);
    w.Kom = Rechts(txtWKom);
    w.Psi = ZahlLesen(txtWPsi.Text());
    w.Beschreibung = Rechts(txtWText1);
    w.CodeGr = Beidseitig(txtWCodeGr.Text());
    w.Speichern(Global::Projekt, n);
}

void frmBauteil::BauteilLaden(const KollektionZeiger& quelle) {
    KollektionZeiger k = quelle ? quelle : Elemente::Holen(Global::Projekt, Elementart::Bauteil, Nummer[0]);
    const Bauteil b = k ? Bauteil::AusKollektion(*k) : Bauteil{};
    TextFeldSetzen(txtBBez, b.Bez);
    TextFeldSetzen(txtBKom, b.Kom);
    TextFeldSetzen(txtBU, b.U);
    TextFeldSetzen(txtBUg, b.U2);
    TextFeldSetzen(txtBAi, b.Rsi);
    TextFeldSetzen(txtBAa, b.Rse);
    txtBCodeGr.setText(b.CodeGr);
    for (int r = 0; r < Schichtzeilen; ++r)
        SchichtZeigen(r, r < static_cast<int>(b.Schichten.size()) ? b.Schichten[static_cast<std::size_t>(r)] : Schicht{});
    weitereSchichten_.clear();
    if (b.Schichten.size() > static_cast<std::size_t>(Schichtzeilen))
        weitereSchichten_.assign(b.Schichten.begin() + Schichtzeilen, b.Schichten.end());
}

void frmBauteil::FensterLaden(const KollektionZeiger& quelle) {
    KollektionZeiger k = quelle ? quelle : Elemente::Holen(Global::Projekt, Elementart::Fenster, Nummer[1]);
    const Fenster f = k ? Fenster::AusKollektion(*k) : Fenster{};
    TextFeldSetzen(txtFBez, f.Bez);
    TextFeldSetzen(txtFKom, f.Kom);
    TextFeldSetzen(txtFU, f.U);
    TextFeldSetzen(txtFUg, f.U2);
    TextFeldSetzen(txtFg, f.g);
    TextFeldSetzen(txtFF, f.FF);
    TextFeldSetzen(txtFRahmen, f.Rahmenmaterial);
    TextFeldSetzen(txtFRUf, f.Uf);
    TextFeldSetzen(txtFGlas, f.Verglasung);
    TextFeldSetzen(txtFGUg, f.Ug);
    txtFCodeGr.setText(f.CodeGr);
}

void frmBauteil::WärmebrückeLaden(const KollektionZeiger& quelle) {
    KollektionZeiger k = quelle ? quelle : Elemente::Holen(Global::Projekt, Elementart::Wärmebrücke, Nummer[2]);
    const Wärmebrücke w = k ? Wärmebrücke::AusKollektion(*k) : Wärmebrücke{};
    TextFeldSetzen(txtWBez, w.Bez);
    TextFeldSetzen(txtWKom, w.Kom);
    TextFeldSetzen(txtWPsi, w.Psi);
    TextFeldSetzen(txtWText1, w.Beschreibung);
    txtWCodeGr.setText(w.CodeGr);
}

// --- copy, delete, print ---

std::vector<TextBox*> frmBauteil::Seitenfelder(std::int16_t art) {
    if (art == 1) return {&txtFBez, &txtFKom, &txtFU, &txtFg, &txtFF, &txtFRahmen, &txtFRUf, &txtFGlas, &txtFGUg};
    if (art == 2) return {&txtWBez, &txtWKom, &txtWPsi, &txtWText1};
    std::vector<TextBox*> felder = {&txtBBez, &txtBKom, &txtBU, &txtBAi, &txtBAa};
    for (int s = 0; s < 6; ++s)
        for (int r = 0; r < Schichtzeilen; ++r) felder.push_back(&Schichtspalte(s)[r]);
    return felder;
}

bool frmBauteil::SeiteIstLeer() const {
    auto* selbst = const_cast<frmBauteil*>(this);
    for (TextBox* t : selbst->Seitenfelder(Seitenart))
        if (!Rechts(*t).empty()) return false;
    // Layers beyond the grid are content of the page as well.
    return Seitenart != 0 || weitereSchichten_.empty();
}

void frmBauteil::SeiteLeeren() {
    for (TextBox* t : Seitenfelder(Seitenart)) t->setText({});
    if (Seitenart == 0) weitereSchichten_.clear();
}

void frmBauteil::ElementAusListeKopieren() {
    if (!geladen_) return;
    KollektionZeiger element;
    if (!frmBauteilListe::Aufruf(Seitenart, element) || !element) return;
    if (!SeiteIstLeer() && !Gefragt(Überschreiben[Seitenart])) return;
    ElementLaden(element);
    Fokus(Bezeichnungsfeld(Seitenart), true);
}

void frmBauteil::ElementLöschen() {
    if (!geladen_) return;
    if (!SeiteIstLeer() && !Gefragt(Löschen[Seitenart])) return;
    SeiteLeeren();
    Fokus(Bezeichnungsfeld(Seitenart));
}

void frmBauteil::cmdBtSuchen_Click() { ElementAusListeKopieren(); }
void frmBauteil::cmdFeSuchen_Click() { ElementAusListeKopieren(); }
void frmBauteil::cmdWbSuchen_Click() { ElementAusListeKopieren(); }
void frmBauteil::mnuBauteilKopieren_Click() { ElementAusListeKopieren(); }
void frmBauteil::mnuBauteilLöschen_Click() { ElementLöschen(); }

void frmBauteil::mnuBauteilDrucken_Click() {
    if (!geladen_) return;
    ElementSpeichern();
    if (!Drucken || !mnuBauteilDrucken.Enabled()) return;
    if (!basZIRVO::DruckEingerichtet()) return;
    const int n = Nummer[static_cast<std::size_t>(Seitenart)];
    // An empty page has just been removed: there is no sheet to print.
    if (!Elemente::Holen(Global::Projekt, Art(), n)) return;
    basZIRVO::SanduhrZähler(-1);
    Drucken(Art(), n);
    basZIRVO::SanduhrZähler(0);
}
