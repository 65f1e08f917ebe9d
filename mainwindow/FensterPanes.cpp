// The main window's panes: the aligned regions, the help panel's dividing
// strip, the pane rectangles, the title strips and the splitter between the panes.
#include "mainwindow/frmZIRVO3801.h"

#include "frame/Initialisierung.h"
#include "mainwindow/Fensterteile.h"
#include "project/ProjektGlobal.h"

#include <algorithm>

using Fensterteile::GeradeRunden;

namespace {

// The smallest height a drag leaves to a pane.
constexpr double Mindesthöhe = 60;

} // namespace

// --- layout ---

// The aligned regions: the tool bars at the top, the status bar at the
// bottom, the help panel and its dividing strip at the right edge between them.
static void Ausrichten(frmZIRVO3801& f) {
    std::int32_t oben = 0;
    if (f.tbrToolbar1.Visible()) {
        f.tbrToolbar1.Move(0, 0, f.ScaleWidth, f.tbrToolbar1.Height());
        oben = f.tbrToolbar1.Height();
    }
    if (f.tbrToolbar2.Visible()) {
        f.tbrToolbar2.Move(0, oben, f.ScaleWidth, f.tbrToolbar2.Height());
        oben += f.tbrToolbar2.Height();
    }
    std::int32_t unten = f.ScaleHeight;
    if (f.sbrStatusbar.Visible()) {
        unten -= f.sbrStatusbar.Height();
        f.sbrStatusbar.Move(0, unten, f.ScaleWidth, f.sbrStatusbar.Height());
    }
    const std::int32_t höhe = std::max<std::int32_t>(0, unten - oben);
    std::int32_t rechts = f.ScaleWidth;
    if (f.picHilfe.Visible()) {
        rechts -= f.picHilfe.Width();
        f.picHilfe.Move(rechts, oben, f.picHilfe.Width(), höhe);
    }
    if (f.picTrHilfe.Visible()) f.picTrHilfe.Move(rechts - f.picTrHilfe.Width(), oben, f.picTrHilfe.Width(), höhe);
}

std::int32_t frmZIRVO3801::HilfeBreite() const {
    // The user's width, else a fifth of the window; the panes keep at least
    // MinPanebreite, the panel at least MinHilfebreite (where there is room).
    const std::int32_t gewählt = Global::Initialisierung.HilfeBreite;
    std::int32_t breite = gewählt > 0 ? gewählt : ScaleWidth / 5;
    breite = std::min(breite, ScaleWidth - picTrHilfe.Width() - MinPanebreite);
    return std::max(breite, std::min<std::int32_t>(MinHilfebreite, ScaleWidth / 2));
}

void frmZIRVO3801::Form_Resize() {
    if (picHilfe.Visible()) picHilfe.Move(picHilfe.Left(), picHilfe.Top(), std::max(40, HilfeBreite()), picHilfe.Height());
    Ausrichten(*this);
    PanesAnzeigen();
}

void frmZIRVO3801::picTrHilfe_MouseDown() { HilfeZiehen = true; }

void frmZIRVO3801::picTrHilfe_MouseMove(double x) {
    if (!HilfeZiehen) return;
    // The strip follows the pointer: the panel is what lies right of it.
    const auto breite = static_cast<std::int32_t>(ScaleWidth - x - picTrHilfe.Width() / 2.0);
    Global::Initialisierung.HilfeBreite = std::max<std::int32_t>(1, breite);
    Global::Initialisierung.HilfeBreite = HilfeBreite();
    Form_Resize();
}

void frmZIRVO3801::picTrHilfe_MouseUp(double x) {
    picTrHilfe_MouseMove(x);
    HilfeZiehen = false;
}

void frmZIRVO3801::PaneRechteckeBerechnen() {
    const std::int32_t links = 0;
    std::int32_t oben = 0;
    if (tbrToolbar1.Visible()) oben = tbrToolbar1.Height() + tbrToolbar2.Height();
    std::int32_t breite = ScaleWidth;
    if (picHilfe.Visible()) breite = ScaleWidth - picTrHilfe.Width() - picHilfe.Width();
    std::int32_t höhe = ScaleHeight - oben;
    if (sbrStatusbar.Visible()) höhe -= sbrStatusbar.Height();
    // Panes narrower than the tables scroll sideways: their bar takes the
    // bottom of the pane area.
    const std::int32_t tabellen = GezeigteBreite();
    const bool rollen = breite > 0 && tabellen > breite;
    if (rollen) höhe = std::max<std::int32_t>(0, höhe - hsbPanes.Height());
    PaneVersatz = std::clamp<std::int32_t>(PaneVersatz, 0, rollen ? tabellen - breite : 0);
    PaneFläche = {links, oben, breite, höhe};
    if (rollen) hsbPanes.Move(links, oben + höhe, breite, hsbPanes.Height());
    hsbPanes.setVisible(rollen);

    if (Aufteilung != 0) {
        PaneHöhe[0] = GeradeRunden((1 - Aufteilung) * höhe);
        PaneOben[0] = oben + höhe - PaneHöhe[0];
        PaneHöhe[1] = höhe - PaneHöhe[0];
        PaneOben[1] = oben;
        PaneLinks = {links, links};
        PaneBreite = {breite, breite};
    } else {
        PaneLinks[0] = links;
        PaneOben[0] = oben;
        PaneBreite[0] = breite;
        PaneHöhe[0] = höhe;
        PaneLinks[1] = PaneOben[1] = PaneBreite[1] = PaneHöhe[1] = 0;
    }
}

void frmZIRVO3801::TitelAlleZeichnen() {
    TitelZeichnen(0);
    TitelZeichnen(1);
}

void frmZIRVO3801::TitelZeichnen(std::int16_t i) {
    if (i < 0 || i > 1) return;
    Titelstreifen& s = picTitel[i];
    const bool aktiv = i == AktivePane;
    s.setAktiv(aktiv);
    if (s.Height() > PaneFläche[3] || PaneTabelle[static_cast<std::size_t>(i)] == 0) {
        s.setVisible(false);
        return;
    }
    s.setVisible(true);
    std::string text = s.Tag();
    if (Global::Projekt.ZonenAnzahl() >= 2) text = Global::Projekt.ZGetStr("Bez") + "  :  " + text;
    s.setText(std::move(text));
    if (!aktiv) return;
    HilfeKontextSetzen(0);
    static constexpr const char* themen[] = {"", "EBF", "A", "U", "F"};
    for (const auto& t : Tabellen) {
        if (t && t->Titel == s.Tag()) {
            if (t->KeyNr >= 1 && t->KeyNr <= 4) InfoAnzeigen(themen[t->KeyNr]);
            HilfeKontextSetzen(t->KeyNr);
            break;
        }
    }
}

void frmZIRVO3801::HilfeKontextSetzen(std::int16_t t) {
    switch (t) {
    case 0: HelpContextID = 1000; break;
    case 1: HelpContextID = 3010; break;
    case 2: HelpContextID = 3020; break;
    case 3: HelpContextID = 3030; break;
    case 4: HelpContextID = 3050; break;
    default: break;
    }
}

void frmZIRVO3801::Form_Click() {
    const std::int16_t soll = Aufteilung != 0 ? 1 : 0;
    if (AktivePane != soll) {
        AktivePane = soll;
        PanesAnzeigen();
    }
    if (picTitel[0].Visible() && FokusSetzen) FokusSetzen(picTitel[0]);
}

// --- panes and splitter ---

void frmZIRVO3801::PanesAnzeigen() {
    if (Aufteilung == 0) {
        // The upper pane is closed: what was typed in its table is kept, and
        // the lower pane takes the attention.
        if (PaneTabelle[1] != 0) {
            TabelleSpeichern(PaneTabelle[1]);
            PaneTabelle[1] = 0;
        }
        AktivePane = 0;
    }
    for (std::int16_t k = 1; k <= 4; ++k) {
        EingabeTabelle* t = Tabellen[static_cast<std::size_t>(k)].get();
        if (!t) continue;
        if (t->KeyNr != PaneTabelle[0] && t->KeyNr != PaneTabelle[1] && t->getVisible()) t->setVisible(false);
    }
    PaneRechteckeBerechnen();
    const int panes = Aufteilung != 0 ? 2 : 1;
    for (int p = 0; p < panes; ++p) {
        const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(p)]);
        if (PaneTabelle[static_cast<std::size_t>(p)] <= 0 || k == 0) continue;
        EingabeTabelle& tabelle = *Tabellen[static_cast<std::size_t>(k)];
        Titelstreifen& s = picTitel[p];
        const auto i = static_cast<std::size_t>(p);
        s.setTag(tabelle.Titel);
        s.Move(PaneLinks[i], PaneOben[i], PaneBreite[i], s.Height());
        s.setVisible(true);
        // Scrolled sideways, its rows' scroll bar stays at the pane's right
        // edge, in front of the help panel.
        tabelle.setSichtbarBis(hsbPanes.Visible() ? PaneVersatz + PaneBreite[i] : 0);
        tabelle.Move(PaneLinks[i] - PaneVersatz, PaneOben[i] + s.Height(), std::max(PaneBreite[i], GezeigteBreite()),
                     PaneHöhe[i] - s.Height());
        tabelle.setVisible(true);
    }
    TitelAlleZeichnen();
}

std::int32_t frmZIRVO3801::GezeigteBreite() const {
    std::int32_t breite = 0;
    for (std::size_t p = 0; p < 2; ++p) {
        const std::int16_t t = PaneTabelle[p];
        if (t < 1 || t > 4 || (p == 1 && Aufteilung == 0)) continue;
        const std::int32_t b = Tabellenbreiten[static_cast<std::size_t>(t)];
        breite = std::max(breite, b > 0 ? b : Tabellenbreite);
    }
    return breite;
}

void frmZIRVO3801::hsbPanes_Change(std::int32_t Wert) {
    if (Wert == PaneVersatz) return;
    PaneVersatz = Wert;
    PanesAnzeigen();
}

void frmZIRVO3801::PaneAktivieren(const PictureBox& box) {
    for (std::int16_t p = 0; p < 2; ++p) {
        const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(p)]);
        if (PaneTabelle[static_cast<std::size_t>(p)] <= 0 || k == 0) continue;
        EingabeTabelle& tabelle = *Tabellen[static_cast<std::size_t>(k)];
        if (tabelle.getTab() != &box) continue;
        if (p == AktivePane) return;
        AktivePane = p;
        TitelAlleZeichnen();
        tabelle.TabSetFocus();
        return;
    }
}

void frmZIRVO3801::picEBF_Click() { PaneAktivieren(picEBF); }
void frmZIRVO3801::picDa_Click() { PaneAktivieren(picDa); }
void frmZIRVO3801::picDu_Click() { PaneAktivieren(picDu); }
void frmZIRVO3801::picF_Click() { PaneAktivieren(picF); }

void frmZIRVO3801::picTitel_MouseDown(std::int16_t Index, double y) {
    if (Index < 0 || Index > 1) return;
    const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(Index)]);
    if (PaneTabelle[static_cast<std::size_t>(Index)] > 0 && k > 0) {
        if (PictureBox* box = Tabellen[static_cast<std::size_t>(k)]->getTab()) PaneAktivieren(*box);
    }
    if (Index == 0) {
        picTrennZeiger.setVisible(true);
        ZiehStart = GeradeRunden(y);
        Ziehen = true;
    }
}

void frmZIRVO3801::picTitel_MouseMove(std::int16_t Index, double y) {
    if (Index != 0) return;
    const Titelstreifen& s = picTitel[0];
    const std::int32_t lage = s.Top() + GeradeRunden(y);
    if (lage >= PaneFläche[1] && lage <= PaneFläche[1] + PaneFläche[3] - Mindesthöhe)
        picTrennZeiger.Move(s.Left() + 3, lage - 2, s.Width() - 6, picTrennZeiger.Height());
}

void frmZIRVO3801::picTitel_MouseUp(std::int16_t Index, double y) {
    if (Index != 0) return;
    picTrennZeiger.setVisible(false);
    // Only the release of a press that began a drag moves the border: the
    // release after a double click (the strip has moved under the pointer
    // by then) leaves the share the double click set.
    if (!Ziehen) return;
    Ziehen = false;
    const double H = PaneFläche[3];
    // No pane area, nothing to share.
    if (H <= 0) return;
    double a = (picTitel[0].Top() + y - ZiehStart - PaneFläche[1]) / H;
    if (a < Mindesthöhe / H) a = 0;
    else if (a > (H - Mindesthöhe) / H) a = (H - Mindesthöhe) / H;
    Aufteilung = a;
    PanesAnzeigen();
    const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(AktivePane)]);
    if (PaneTabelle[static_cast<std::size_t>(AktivePane)] > 0 && k > 0) Tabellen[static_cast<std::size_t>(k)]->TabSetFocus();
}

void frmZIRVO3801::picTitel_DblClick(std::int16_t Index) {
    if (Index != 0) return;
    // The second press of a double click begins no drag.
    Ziehen = false;
    picTrennZeiger.setVisible(false);
    Aufteilung = Aufteilung == 0 ? 0.5 : 0;
    PanesAnzeigen();
}
