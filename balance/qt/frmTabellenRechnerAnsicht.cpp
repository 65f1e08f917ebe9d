#include "balance/qt/frmTabellenRechnerAnsicht.h"

#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Bindung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

using Bindung::Pixel;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Window width and the part of the height that the title bar and the
// border take, both in twips.
constexpr int Breite = 10000;
constexpr int Rahmen = 510;

constexpr int Links = 240;
constexpr int SpalteWert = 7350;
constexpr int SpalteErgebnis = 8085;
constexpr int ZeilenHöhe = 315;

void Setzen(QWidget* w, int x, int y, int breite, int höhe = ZeilenHöhe) {
    w->setGeometry(Pixel(x), Pixel(y), Pixel(breite), Pixel(höhe));
}

QLabel* Text(QWidget* eltern, const char* text, int x, int y, int breite) {
    auto* l = new QLabel(Q(DS(text)), eltern);
    Setzen(l, x, y, breite);
    return l;
}

// A section's heading with the clause reference at its right and a line below.
void Überschrift(QWidget* eltern, const char* titel, const char* ziffer, int y) {
    QLabel* t = Text(eltern, titel, Links, y - 90, 7000);
    QFont f = t->font();
    f.setBold(true);
    t->setFont(f);
    QLabel* z = Text(eltern, ziffer, 7300, y - 90, Breite - 7300 - Links);
    z->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* linie = new QFrame(eltern);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    Setzen(linie, Links, y + 210, Breite - 2 * Links, 30);
}

// A column head between the heading and the input row.
QLabel* Kopf(QWidget* eltern, const char* text, int x, int y, int breite) {
    auto* l = new QLabel(Q(DS(text)), eltern);
    Setzen(l, x, y, breite, 270);
    return l;
}

// The column head over the result labels.
void KopfWert(QWidget* eltern, int y) {
    Kopf(eltern, "Wert", SpalteWert, y, SpalteErgebnis + 660 - SpalteWert)->setAlignment(Qt::AlignRight |
                                                                                          Qt::AlignVCenter);
}

QLineEdit* Feld(QWidget* eltern, TextBox& zustand, int x, int y, int breite = 800) {
    auto* w = new QLineEdit(eltern);
    Setzen(w, x, y, breite);
    Bindung::binden(zustand, w);
    return w;
}

QComboBox* Liste(QWidget* eltern, ComboBox& zustand, int x, int y, int breite) {
    auto* w = new QComboBox(eltern);
    Setzen(w, x, y, breite);
    Bindung::binden(zustand, w);
    return w;
}

QLabel* Ergebnis(QWidget* eltern, Label& zustand, int y) {
    auto* w = new QLabel(eltern);
    w->setFrameShape(QFrame::Panel);
    w->setFrameShadow(QFrame::Sunken);
    w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Setzen(w, SpalteErgebnis, y, 660);
    Bindung::binden(zustand, w);
    return w;
}

} // namespace

frmTabellenRechnerAnsicht::frmTabellenRechnerAnsicht(QWidget* eigentümer) : QDialog(eigentümer) {
    setObjectName("frmTabellenRechner");
    auto& m = m_;
    auto neuBerechnen = [this](QLineEdit* w, void (frmTabellenRechner::*handler)()) {
        connect(w, &QLineEdit::textChanged, this, [this, handler] { (m_.*handler)(); });
    };
    auto gewählt = [this](QComboBox* w, void (frmTabellenRechner::*handler)()) {
        connect(w, &QComboBox::activated, this, [this, handler] { (m_.*handler)(); });
    };

    // bu
    Überschrift(this, "Reduktionsfaktor bu für Wärmeverluste gegen unbeheizte Räume", "» SIA 380/1, Ziffer 3.5.4.7",
                420);
    Kopf(this, "Unbeheizter Raum", Links, 675, 3000);
    KopfWert(this, 675);
    gewählt(Liste(this, m.cboListeBU, Links, 945, 4800), &frmTabellenRechner::cboListeBU_Click);
    auto* gedämmt = new QCheckBox(this);
    Setzen(gedämmt, Links, 1365, 6000);
    Bindung::binden(m.chkListeBU_g, gedämmt);
    connect(gedämmt, &QCheckBox::stateChanged, this, [this] { m_.chkListeBU_g_Click(); });
    Ergebnis(this, m.lblBU, 945);

    // bG
    Überschrift(this, "Reduktionsfaktor bG für Wärmeverluste gegen Erdreich", "» SIA 380/1, Ziffer 3.5.4.9", 2100);
    KopfWert(this, 2355);
    Text(this, "Wand:", Links, 2625, 900);
    Text(this, "Tiefe", 1200, 2625, 600);
    neuBerechnen(Feld(this, m.txtBGTW, 1800, 2625), &frmTabellenRechner::txtBGTW_Change);
    Text(this, "U WG", 2800, 2625, 600);
    neuBerechnen(Feld(this, m.txtBGUW, 3400, 2625), &frmTabellenRechner::txtBGUW_Change);
    Ergebnis(this, m.lblBGW, 2625);
    Text(this, "Boden:", Links, 3045, 900);
    Text(this, "Tiefe", 1200, 3045, 600);
    neuBerechnen(Feld(this, m.txtBGTF, 1800, 3045), &frmTabellenRechner::txtBGTF_Change);
    Text(this, "U FG", 2800, 3045, 600);
    neuBerechnen(Feld(this, m.txtBGUF, 3400, 3045), &frmTabellenRechner::txtBGUF_Change);
    Text(this, "A FG", 4400, 3045, 600);
    neuBerechnen(Feld(this, m.txtBGAFG, 5000, 3045), &frmTabellenRechner::txtBGAFG_Change);
    Text(this, "P FG", 6000, 3045, 500);
    neuBerechnen(Feld(this, m.txtBGPFG, 6500, 3045, 700), &frmTabellenRechner::txtBGPFG_Change);
    Ergebnis(this, m.lblBGF, 3045);

    // fS1
    Überschrift(this, "Verschattungsfaktor fS1  (Horizont)", "» SIA 380/1, Ziffer 3.5.4.13", 3990);
    Kopf(this, "Orientierung", Links, 4245, 1500);
    Kopf(this, "Winkel Horizont", 1800, 4245, 2500);
    KopfWert(this, 4245);
    gewählt(Liste(this, m.cboOriFS1, Links, 4515, 1400), &frmTabellenRechner::cboOriFS1_Click);
    neuBerechnen(Feld(this, m.txtFS1Alpha, 1800, 4515), &frmTabellenRechner::txtFS1Alpha_Change);
    Ergebnis(this, m.lblFS1, 4515);

    // fS23
    Überschrift(this, "Verschattungsfaktor fS23  (Überhang und Seitenblenden)", "» SIA 380/1, Ziffer 3.5.4.13",
                5460);
    Kopf(this, "Orientierung", Links, 5715, 1500);
    Kopf(this, "Winkel Überhang", 1800, 5715, 2500);
    KopfWert(this, 5715);
    gewählt(Liste(this, m.cboOriFS23, Links, 5985, 1400), &frmTabellenRechner::cboOriFS23_Click);
    neuBerechnen(Feld(this, m.txtFS23Beta, 1800, 5985), &frmTabellenRechner::txtFS23Beta_Change);
    neuBerechnen(Feld(this, m.txtFS23Gamma_l, 1800, 6300), &frmTabellenRechner::txtFS23Gamma_l_Change);
    Text(this, "Winkel Seitenblende links", 2700, 6300, 3000);
    neuBerechnen(Feld(this, m.txtFS23Gamma_r, 1800, 6615), &frmTabellenRechner::txtFS23Gamma_r_Change);
    Text(this, "Winkel Seitenblende rechts", 2700, 6615, 3000);
    Text(this, "(Seitenblenden von innen gesehen)", 1800, 6930, 4000);
    Ergebnis(this, m.lblFS23, 5985);

    m_.Form_Load();
    setWindowTitle(Q(m_.Caption));
    setFixedWidth(Pixel(Breite));
    HöheSetzen();
}

void frmTabellenRechnerAnsicht::HöheSetzen() { setFixedHeight(Pixel(m_.Height - Rahmen)); }

void frmTabellenRechnerAnsicht::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    m_.Form_DblClick();
    HöheSetzen();
    ereignis->accept();
}
