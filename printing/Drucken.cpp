#include "printing/Drucken.h"

#include "balance/Anzeigezahl.h"
#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "printing/Zeichensaetze.h"

#include <algorithm>
#include <cmath>
#include <utility>

bool Drucken::ZeilenNachSchrift = false;

namespace {

constexpr std::string_view Markenzeichen = "÷";
constexpr Plattform::Druckfarbe Schwarz = 0;
constexpr Plattform::Druckfarbe Grau = 0x808080;   // RGB(128, 128, 128)
constexpr Plattform::Druckfarbe Hellgrau = 0xF0F0F0; // RGB(240, 240, 240)

// The pieces of a marked-up text, in order: plain text, one glyph of the
// Greek or the symbol set, or a subscript group.
enum class Teil { Text, Griechisch, Symbol, Tiefgestellt };

// The font of a piece: a glyph in its set, anything else in the font s.
Plattform::Druckschrift Teilschrift(Teil art, Plattform::Druckschrift s) {
    s.Zeichensatz = art == Teil::Griechisch ? Zeichensätze::Griechisch
                    : art == Teil::Symbol   ? Zeichensätze::Symbol
                                            : Zeichensätze::Normal;
    return s;
}

// The glyph of a one-character escape and its set; "" when it names none.
std::pair<Teil, std::string> Glyphe(char32_t c) {
    if (c == U'0') return {Teil::Symbol, Zeichensätze::Text(Zeichensätze::Symbol, Zeichensätze::KästchenLeer)};
    if (c == U'1') return {Teil::Symbol, Zeichensätze::Text(Zeichensätze::Symbol, Zeichensätze::KästchenAngekreuzt)};
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
        return {Teil::Griechisch, Zeichensätze::Text(Zeichensätze::Griechisch, static_cast<int>(c) + 128)};
    return {Teil::Text, {}};
}

template <class F> void Zerlegen(std::string_view s, F&& teil) {
    while (!s.empty()) {
        const std::size_t p = s.find(Markenzeichen);
        if (p == std::string_view::npos) {
            teil(Teil::Text, s);
            return;
        }
        if (p > 0) teil(Teil::Text, s.substr(0, p));
        std::size_t nach = p + Markenzeichen.size();
        if (nach >= s.size()) return; // a "÷" at the end prints nothing
        std::size_t ende = nach;
        const char32_t c = Windows1252::NächstesZeichen(s, ende);
        if (c == U'÷') {
            teil(Teil::Tiefgestellt, s.substr(ende));
            return;
        }
        if (c == U'(') {
            const std::size_t q = s.find(')', ende);
            if (q == std::string_view::npos) {
                teil(Teil::Text, s.substr(p));
                return;
            }
            teil(Teil::Tiefgestellt, s.substr(ende, q - ende));
            s = s.substr(q + 1);
            continue;
        }
        if (const auto [art, g] = Glyphe(c); !g.empty()) teil(art, std::string_view(g));
        s = s.substr(ende);
    }
}

// The end of the first UTF-8 character of s, at least 1 byte.
std::size_t ErstesZeichen(std::string_view s) {
    std::size_t i = 0;
    Windows1252::NächstesZeichen(s, i);
    return i;
}

} // namespace

void Drucken::Auftrag(std::unique_ptr<Plattform::Druckfläche> fläche) {
    fläche_ = std::move(fläche);
    gezeichnet_ = überlauf_ = false;
    felder_.clear();
    linien_.clear();
    freiflächen_.clear();
    raumfehler_.clear();
    feldOffen_ = freiNächstes_ = false;
    if (fläche_) fläche_->Schrift(schrift_);
}

void Drucken::SchriftSetzen(const Plattform::Druckschrift& s) {
    schrift_ = s;
    if (fläche_) fläche_->Schrift(schrift_);
}

void Drucken::Fett(bool fett) {
    if (schrift_.Fett == fett) return;
    Plattform::Druckschrift s = schrift_;
    s.Fett = fett;
    SchriftSetzen(s);
}

void Drucken::Schriftname(const std::string& name) {
    Plattform::Druckschrift s = schrift_;
    s.Name = name;
    SchriftSetzen(s);
}

void Drucken::Zeichensatz(int satz) {
    Plattform::Druckschrift s = schrift_;
    s.Zeichensatz = satz;
    SchriftSetzen(s);
}

void Drucken::Initialize(const std::string& fontName, double fontSize, double lineWidth) {
    SchriftSetzen({fontName, fontSize, false});
    grundschrift_ = schrift_;
    linie_ = basVB6NumCvt::GanzzahlGerade(lineWidth);
    mitTitel_ = false;
    titel_.clear();
    blockanfang_ = boxanfang_ = boxende_ = 0;
}

bool Drucken::Terminate(std::string& fehler) {
    fehler.clear();
    if (!fläche_) return true;
    if (überlauf_) {
        fläche_.reset();
        fehler = DS("Mit diesen Druckeinstellungen reicht der Ausdruck über den unteren Seitenrand hinaus.");
        return false;
    }
    if (std::string raum = Raumfehler(); !raum.empty()) {
        fläche_.reset();
        fehler = raum;
        return false;
    }
    const bool ok = fläche_->Beenden(fehler);
    fläche_.reset();
    // A printout without a page is no printout, whatever the printer says.
    if (ok && !gezeichnet_) {
        fehler = DS("Der Ausdruck enthält keine Seite.");
        return false;
    }
    return ok;
}

void Drucken::ScaleA4(double left, double top, bool landscape) {
    if (!fläche_) return;
    fläche_->Querformat(landscape);
    const double bereichB = fläche_->DruckbereichBreite();
    const double bereichH = fläche_->DruckbereichHöhe();
    // The unprintable strip on each side: half of what the printable area
    // lacks of the paper.
    const double randX = (fläche_->PapierBreite() - bereichB) / 2;
    const double randY = (fläche_->PapierHöhe() - bereichH) / 2;
    x1_ = randX - left;
    y1_ = randY - top;
    x2_ = bereichB + x1_;
    y2_ = bereichH + y1_;
    fläche_->Massstab(x1_, y1_, x2_, y2_);
}

void Drucken::CharA4(double width, double height, int nChars, int nLines) {
    if (nChars < 1) {
        zellenbreite_ = fläche_ ? fläche_->Textbreite("0") : zellenbreite_;
        zeichen_ = zellenbreite_ > 0 ? static_cast<int>(width / zellenbreite_) : 0;
    } else {
        zellenbreite_ = width / nChars;
        zeichen_ = nChars;
    }
    if (nLines < 1 || ZeilenNachSchrift) {
        if (fläche_) zellenhöhe_ = Markupzeile(*fläche_, schrift_);
        zeilen_ = zellenhöhe_ > 0 ? static_cast<int>(height / zellenhöhe_) : 0;
    } else {
        zellenhöhe_ = height / nLines;
        zeilen_ = nLines;
    }
    // On a back page the right edge of the grid lies left cm from the right
    // paper edge.
    const double bereichB = fläche_ ? fläche_->DruckbereichBreite() : 0;
    geradeLinks_ = zeichen_ * zellenbreite_ - bereichB - x1_;
    geradeRechts_ = bereichB + geradeLinks_;
}

double Drucken::Markupzeile(Plattform::Druckfläche& f, const Plattform::Druckschrift& s) {
    Plattform::Druckschrift klein = s;
    klein.Grösse = TiefGrösse(s.Grösse);
    f.Schrift(klein);
    const double tief = f.Zeilenhöhe();
    f.Schrift(s);
    const double zeile = f.Zeilenhöhe();
    return std::max(zeile, TiefVersatz(zeile) + tief);
}

void Drucken::NewPage() {
    Räumeprüfen();
    if (fläche_) {
        fläche_->NeueSeite();
        if (spiegeln_) {
            if (fläche_->Seitennummer() % 2 == 1) fläche_->Massstab(x1_, y1_, x2_, y2_);
            else fläche_->Massstab(geradeLinks_, y1_, geradeRechts_, y2_);
        }
    }
    blockanfang_ = boxanfang_ = boxende_ = 0;
}

void Drucken::NeuesExemplar() {
    Räumeprüfen();
    if (fläche_) {
        fläche_->NeuesExemplar();
        if (spiegeln_) fläche_->Massstab(x1_, y1_, x2_, y2_);
    }
    blockanfang_ = boxanfang_ = boxende_ = 0;
}

void Drucken::Duplex(bool on) {
    if (!fläche_) return;
    const int gewünscht = on ? 2 : 1;
    if (fläche_->DuplexModus() != gewünscht) fläche_->DuplexModusSetzen(gewünscht);
    // A printer that already printed on both sides mirrors as well.
    if (fläche_->DuplexModus() == gewünscht) spiegeln_ = on;
}

bool Drucken::PageTitle(bool show, const std::optional<std::string>& title, const std::string& titleEnd) {
    const bool vorher = mitTitel_;
    mitTitel_ = show;
    if (title) {
        titel_ = *title;
        titelEnde_ = titleEnd;
    }
    return vorher;
}

void Drucken::PageHead() {
    const bool fett = schrift_.Fett;
    Fett(false);
    if (fläche_) {
        gezeichnet_ = true;
        const double y = blockanfang_ * zellenhöhe_;
        const std::string seite = DS("Seite ") + std::to_string(fläche_->Seitennummer());
        const double x = zeichen_ * zellenbreite_ - fläche_->Textbreite(seite);
        // Two cells at least between the title and the page number.
        const double platz = x - 2 * zellenbreite_;
        std::string titel = titel_ + titelEnde_;
        if (fläche_->Textbreite(titel) > platz)
            titel = Gekürzt(titel_, platz - fläche_->Textbreite(titelEnde_), false) + titelEnde_;
        fläche_->Text(0, y, titel);
        fläche_->Text(x, y, seite);
        if (!zusatz_.empty()) {
            const double breite = zeichen_ * zellenbreite_;
            fläche_->Text(0, y + zellenhöhe_,
                          fläche_->Textbreite(zusatz_) > breite ? Gekürzt(zusatz_, breite, false) : zusatz_);
        }
        aktX_ = x + fläche_->Textbreite(seite);
        aktY_ = y;
    }
    Fett(fett);
    blockanfang_ += 2;
}

void Drucken::Box(int rows, bool shaded) {
    // A box that does not fit goes to a new page; at the top of a page it
    // stays (it would not fit on the next one either).
    if (blockanfang_ + rows + 2 > zeilen_ && blockanfang_ > 0) NewPage();
    if (blockanfang_ == 0 && mitTitel_) PageHead();
    const int b = blockanfang_;
    Zeileprüfen(b + rows + 1);
    const double y1 = b * zellenhöhe_ + zellenhöhe_ / 2;
    const double y2 = y1 + (rows + 1) * zellenhöhe_;
    const double links = zellenbreite_ / 2;
    const double rechts = zeichen_ * zellenbreite_ - zellenbreite_ / 2;
    if (fläche_) {
        gezeichnet_ = true;
        if (shaded) fläche_->Fläche(links, y1, rechts, y1 + 2 * zellenhöhe_, Hellgrau);
        fläche_->Rechteck(links, y1, rechts, y2, 2 * linie_, Schwarz);
        for (const double x : {links, rechts}) linien_.push_back({x, y1, x, y2, 2 * linie_});
        for (const double y : {y1, y2}) linien_.push_back({links, y, rechts, y, 2 * linie_});
    }
    boxanfang_ = b;
    boxende_ = b + rows + 1;
    blockanfang_ = b + rows + 2;
}

int Drucken::FreieZeilen(bool neueSeite) const {
    const int b = neueSeite ? 0 : blockanfang_;
    return zeilen_ - b - 2 - (b == 0 && mitTitel_ ? 2 : 0);
}

void Drucken::Rahmenlinie(double x1, double y1, double x2, double y2, bool dick, bool grau) {
    if (!fläche_) return;
    gezeichnet_ = true;
    const double breite = dick ? 2 * linie_ : linie_;
    fläche_->Linie(x1, y1, x2, y2, breite, grau ? Grau : Schwarz);
    if (std::abs(x1 - x2) < 1e-9 || std::abs(y1 - y2) < 1e-9)
        linien_.push_back({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), breite});
}

void Drucken::LineX(int row1, int col1, int row2, int col2, bool thick, bool grey) {
    Rahmenlinie(MittelX(col1), MittelY(row1), MittelX(col2), MittelY(row2), thick, grey);
}

void Drucken::LineV(int col, bool thick) {
    const double x = MittelX(col);
    Rahmenlinie(x, MittelY(2), x, boxende_ * zellenhöhe_ + zellenhöhe_ / 2, thick, false);
}

void Drucken::LineH(int row, bool thick) {
    const double y = MittelY(row);
    Rahmenlinie(zellenbreite_ / 2, y, zeichen_ * zellenbreite_ - zellenbreite_ / 2, y, thick, false);
}

void Drucken::Drucke(std::string_view text) {
    if (!fläche_ || text.empty()) return;
    gezeichnet_ = true;
    fläche_->Text(aktX_, aktY_, text);
    const double x = aktX_;
    aktX_ += fläche_->Textbreite(text);
    if (!feldOffen_ || felder_.empty()) return;
    // The room the characters take, the blanks at either end left out.
    const std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return;
    const std::size_t e = text.find_last_not_of(' ') + 1;
    Feld& f = felder_.back();
    const double x1 = x + (a > 0 ? fläche_->Textbreite(text.substr(0, a)) : 0);
    const double x2 = e < text.size() ? x + fläche_->Textbreite(text.substr(0, e)) : aktX_;
    if (f.x2 < f.x1) f.x1 = x1;
    f.x2 = x2;
    f.y1 = std::min(f.y1, aktY_);
    f.y2 = std::max(f.y2, aktY_ + fläche_->Zeilenhöhe());
    f.Text += text;
}

void Drucken::Text(int row, int col, std::string_view text, bool bold, bool rightAlign, int width) {
    TextBegrenzt(row, col, text, bold, rightAlign, width, Textgrenze());
}

void Drucken::TextBis(int row, int col, std::string_view text, bool bold, int bis) {
    TextBegrenzt(row, col, text, bold, false, 0, std::min(Textgrenze(), (bis + 1) * zellenbreite_));
}

void Drucken::TextVor(int row, int col, std::string_view text, bool bold, int spalte) {
    TextBegrenzt(row, col, text, bold, false, 0, std::min(Textgrenze(), (spalte + 0.75) * zellenbreite_));
}

void Drucken::TextBegrenzt(int row, int col, std::string_view text, bool bold, bool rightAlign, int width,
                           double grenze) {
    if (row != -1) {
        aktX_ = (col + 1) * zellenbreite_;
        aktY_ = (boxanfang_ + row) * zellenhöhe_;
        if (!text.empty()) Zeileprüfen(boxanfang_ + row);
    }
    // A text chained with row -1 belongs to the one before; else it begins
    // a room of its own in its page row.
    const bool neu = row != -1 || !feldOffen_;
    const int zeile = row != -1 || zellenhöhe_ <= 0 ? boxanfang_ + row
                                                   : static_cast<int>(std::lround(aktY_ / zellenhöhe_));
    const bool fett = schrift_.Fett;
    if (bold) Fett(true);
    // Aligned by the width the text has on paper, so that a subscript or a
    // Greek letter ends at the edge like any other text.
    double breite = -1;
    if (rightAlign) {
        breite = Markupbreite(text);
        aktX_ += width * zellenbreite_ - breite;
    }
    // A text that would reach past its bound (the right frame) is cut short
    // there. No character is wider than 1.25 em, nor takes less than a
    // byte: a text that fits by that bound is not measured.
    // (A text that ends on its bound, such as a number right-aligned at
    // the last cell, fits whatever the divisions leave.)
    const double platz = grenze - aktX_ + 1e-9;
    const double em = schrift_.Grösse * 2.54 / 72;
    if (static_cast<double>(text.size()) * 1.25 * em > platz) {
        if (breite < 0) breite = Markupbreite(text);
        if (breite > platz) {
            const std::string kurz = Gekürzt(text, platz, true);
            if (neu) Feldbeginn(zeile, true, kurz);
            else if (!felder_.empty()) felder_.back().Gekürzt = true;
            PrintMarkup(kurz);
            if (bold) Fett(fett);
            return;
        }
    }
    if (neu) Feldbeginn(zeile, false, text);
    PrintMarkup(text);
    if (bold) Fett(fett);
}

void Drucken::Feldbeginn(int zeile, bool gekürzt, std::string_view text) {
    if (freiNächstes_) Freifüllen(text);
    freiNächstes_ = false;
    felder_.push_back({zeile, aktX_, aktX_ - 1, 1e300, -1e300, {}, gekürzt});
    feldOffen_ = true;
}

void Drucken::Freifüllen(std::string_view text) {
    if (!fläche_ || text.empty()) return;
    // As deep as its line, or as its subscript below the line where it has one.
    const double h = fläche_->Zeilenhöhe();
    double tiefe = h;
    Zerlegen(text, [&](Teil art, std::string_view) {
        if (art != Teil::Tiefgestellt) return;
        Plattform::Druckschrift klein = schrift_;
        klein.Grösse = TiefGrösse(schrift_.Grösse);
        fläche_->Schrift(klein);
        tiefe = std::max(tiefe, TiefVersatz(h) + fläche_->Zeilenhöhe());
        fläche_->Schrift(schrift_);
    });
    // The gap around it, but never onto the rules through the middle of the
    // rows above and below (the check then finds the gap too small).
    const double rand = Höhenabstand(), dick = linie_ * 2.54 / 600;
    const double x1 = aktX_ - rand, x2 = aktX_ + Markupbreite(text) + rand;
    const double y1 = std::max(aktY_ - rand, aktY_ - zellenhöhe_ / 2 + dick);
    const double y2 = std::min(aktY_ + tiefe + rand, aktY_ + 1.5 * zellenhöhe_ - dick);
    fläche_->Fläche(x1, y1, x2, y2, 0xFFFFFF);
    freiflächen_.push_back({x1, y1, x2, y2, linien_.size()});
}

double Drucken::Textabstand(bool zurLinie) const {
    const double em = grundschrift_.Grösse * 2.54 / 72;
    // A text's width holds the side bearings of its first and last glyph:
    // two texts whose widths overlap by less than a twentieth of an em keep
    // their ink apart. A line has no such margin: a text keeps the gap of
    // Linienabstand from its ink.
    return zurLinie ? Linienabstand * 2.54 / 72 : -em / 20;
}

double Drucken::Höhenabstand() const {
    // A text's line reaches from the top of its tallest letters to the foot
    // of its brackets: a line ending nearer than a quarter of an em above
    // or below it runs, to the eye, into its letters.
    return grundschrift_.Grösse * 2.54 / 72 / 4;
}

bool Drucken::Berührt(const Feld& f, const Linie& l, std::size_t nr,
                      const std::vector<Freifläche>& freiflächen) const {
    // Across a line a text keeps its width clear of the line's half width;
    // along it, above and below, the room of Höhenabstand. A line's ends
    // are square: they reach half its width beyond its end points.
    const double halb = l.Breite * 2.54 / 600 / 2, seitlich = halb + Textabstand(true), oben = Höhenabstand();
    constexpr double eps = 1e-9;
    if (l.x1 == l.x2) {
        if (l.x1 <= f.x1 - seitlich || l.x1 >= f.x2 + seitlich) return false;
        // The parts of the line that no white fill drawn after it covers.
        std::vector<std::pair<double, double>> teile{{l.y1 - halb, l.y2 + halb}};
        for (const Freifläche& w : freiflächen) {
            if (w.linien <= nr || w.x1 > l.x1 - halb + eps || w.x2 < l.x1 + halb - eps) continue;
            std::vector<std::pair<double, double>> rest;
            for (const auto& [a, b] : teile) {
                if (a < w.y1) rest.push_back({a, std::min(b, w.y1)});
                if (b > w.y2) rest.push_back({std::max(a, w.y2), b});
            }
            teile.swap(rest);
        }
        return std::any_of(teile.begin(), teile.end(), [&](const auto& t) {
            return t.first < f.y2 + oben - eps && t.second > f.y1 - oben + eps;
        });
    }
    return l.x1 - halb < f.x2 + seitlich && l.x2 + halb > f.x1 - seitlich && l.y1 > f.y1 - oben - halb + eps &&
           l.y1 < f.y2 + oben + halb - eps;
}

void Drucken::Räumeprüfen() {
    std::vector<Feld> felder;
    felder.swap(felder_);
    std::vector<Linie> linien;
    linien.swap(linien_);
    std::vector<Freifläche> freiflächen;
    freiflächen.swap(freiflächen_);
    feldOffen_ = false;
    if (!raumfehler_.empty() || !fläche_ || !fläche_->Schriftbreiten()) return;
    const double abstand = Textabstand(false);
    const auto fehler = [&](const Feld& f, const std::string& woran) {
        raumfehler_ = DSFormat(DSFormat(DSFormat(DSFormat(DS("Mit der Schrift @ in @ pt bleibt «@» nicht in seinem "
                                                             "Feld der Ausdrucke: es reicht an @."),
                                                          grundschrift_.Name),
                                                 Anzeigezahl::Zahltext(grundschrift_.Grösse)),
                                        f.Text),
                               woran);
    };
    // The texts of each row from left to right; of the texts that do not
    // keep their room the one drawn first is named.
    std::vector<std::size_t> folge(felder.size());
    for (std::size_t i = 0; i < folge.size(); ++i) folge[i] = i;
    std::sort(folge.begin(), folge.end(), [&](std::size_t i, std::size_t j) {
        return felder[i].Zeile != felder[j].Zeile ? felder[i].Zeile < felder[j].Zeile : felder[i].x1 < felder[j].x1;
    });
    std::size_t erster = felder.size();
    std::string woran;
    const auto melden = [&](std::size_t i, const std::string& was) {
        if (i >= erster) return;
        erster = i;
        woran = was;
    };
    for (std::size_t k = 0; k < folge.size(); ++k) {
        const Feld& a = felder[folge[k]];
        if (a.x2 < a.x1) continue;
        for (std::size_t l = k + 1; l < folge.size(); ++l) {
            const Feld& b = felder[folge[l]];
            if (b.Zeile != a.Zeile || b.x1 >= a.x2 + abstand) break;
            // a begins left of b: a is the text that reaches into b.
            if (b.x2 >= b.x1 && a.x1 < b.x2 + abstand) melden(folge[k], "«" + b.Text + "»");
        }
        if (a.Gekürzt) continue;
        for (std::size_t n = 0; n < linien.size(); ++n) {
            if (Berührt(a, linien[n], n, freiflächen)) {
                melden(folge[k], DS("eine Linie"));
                break;
            }
        }
    }
    if (erster < felder.size()) fehler(felder[erster], woran);
}

std::string Drucken::Raumfehler() {
    Räumeprüfen();
    return raumfehler_;
}

std::string Drucken::Gekürzt(std::string_view text, double breite, bool markup) const {
    static constexpr std::string_view Auslassung = "…";
    if (!fläche_) return {};
    const auto passt = [&](std::size_t n) {
        const std::string t = std::string(text.substr(0, n)) + std::string(Auslassung);
        return (markup ? Markupbreite(t) : fläche_->Textbreite(t)) <= breite;
    };
    // The ends of the characters; the longest start that fits, found by halving.
    std::vector<std::size_t> enden{0};
    for (std::size_t i = 0; i < text.size();) {
        Windows1252::NächstesZeichen(text, i);
        enden.push_back(i);
    }
    if (!passt(0)) return {};
    std::size_t gut = 0, schlecht = enden.size();
    while (schlecht - gut > 1) {
        const std::size_t mitte = (gut + schlecht) / 2;
        (passt(enden[mitte]) ? gut : schlecht) = mitte;
    }
    std::string kurz(text.substr(0, enden[gut]));
    kurz.erase(kurz.find_last_not_of(' ') + 1);
    return kurz + std::string(Auslassung);
}

void Drucken::PrintMarkup(std::string_view text) {
    Zerlegen(text, [this](Teil art, std::string_view t) {
        if (art == Teil::Text) {
            Drucke(t);
            return;
        }
        if (art != Teil::Tiefgestellt) {
            // The glyph in the face of its set, then the text's own face again.
            const Plattform::Druckschrift vorher = schrift_;
            SchriftSetzen(Teilschrift(art, vorher));
            Drucke(t);
            SchriftSetzen(vorher);
            return;
        }
        const double y0 = aktY_;
        const double h = fläche_ ? fläche_->Zeilenhöhe() : 0;
        const Plattform::Druckschrift vorher = schrift_;
        aktY_ = y0 + TiefVersatz(h);
        Plattform::Druckschrift klein = schrift_;
        klein.Grösse = TiefGrösse(vorher.Grösse);
        SchriftSetzen(klein);
        Drucke(t);
        SchriftSetzen(vorher);
        aktY_ = y0;
    });
}

double Drucken::Markupbreite(std::string_view text, bool bold) const {
    if (!fläche_) return 0;
    double breite = 0;
    Plattform::Druckschrift schrift = schrift_;
    schrift.Fett = bold;
    if (bold != schrift_.Fett) fläche_->Schrift(schrift);
    Zerlegen(text, [&](Teil art, std::string_view t) {
        if (art == Teil::Text) {
            breite += fläche_->Textbreite(t);
            return;
        }
        // A glyph measured in its set's face, a group in the smaller size.
        Plattform::Druckschrift teil = Teilschrift(art, schrift);
        if (art == Teil::Tiefgestellt) teil.Grösse = TiefGrösse(schrift.Grösse);
        fläche_->Schrift(teil);
        breite += fläche_->Textbreite(t);
        fläche_->Schrift(schrift);
    });
    if (bold != schrift_.Fett) fläche_->Schrift(schrift_);
    return breite;
}

std::vector<std::string> Drucken::Umbrechen(std::string_view text, double width, bool bold, int höchstens) {
    std::vector<std::string> zeilen;
    if (!fläche_) return zeilen;
    const double max = width * zellenbreite_;
    const bool fett = schrift_.Fett;
    if (bold) Fett(true);
    std::string_view rest = text;
    while (!rest.empty()) {
        if (fläche_->Textbreite(rest) <= max) {
            zeilen.emplace_back(rest);
            break;
        }
        if (höchstens > 0 && static_cast<int>(zeilen.size()) + 1 >= höchstens) {
            zeilen.push_back(Gekürzt(rest, max, false));
            break;
        }
        // The longest start up to a blank that fits.
        std::size_t bis = std::string_view::npos;
        for (std::size_t p = rest.find(' '); p != std::string_view::npos; p = rest.find(' ', p + 1)) {
            if (fläche_->Textbreite(rest.substr(0, p)) > max) break;
            bis = p;
        }
        if (bis != std::string_view::npos) {
            zeilen.emplace_back(rest.substr(0, bis));
            rest = rest.substr(bis + 1);
            continue;
        }
        // Not even the first word fits: break it after its last comma that
        // fits (a list of values), else where the box ends, after one
        // character at least, and go on with the rest.
        std::size_t ende = ErstesZeichen(rest);
        while (ende < rest.size()) {
            std::size_t weiter = ende + ErstesZeichen(rest.substr(ende));
            if (fläche_->Textbreite(rest.substr(0, weiter)) > max) break;
            ende = weiter;
        }
        const std::size_t komma = rest.substr(0, ende).rfind(',');
        if (komma != std::string_view::npos && komma + 1 < ende) ende = komma + 1;
        zeilen.emplace_back(rest.substr(0, ende));
        rest = rest.substr(ende);
    }
    if (bold) Fett(fett);
    return zeilen;
}

void Drucken::Textzeilen(int row, int col, const std::vector<std::string>& zeilen, bool bold) {
    for (std::size_t k = 0; k < zeilen.size(); ++k) Text(row + static_cast<int>(k), col, zeilen[k], bold);
}

int Drucken::TextBox(int row, int col, int width, std::string_view text, bool bold) {
    const std::vector<std::string> zeilen = Umbrechen(text, width, bold);
    if (zeilen.empty()) return 0;
    Zeileprüfen(boxanfang_ + row + static_cast<int>(zeilen.size()) - 1);
    const double x = (col + 1) * zellenbreite_;
    double y = (boxanfang_ + row) * zellenhöhe_;
    const bool fett = schrift_.Fett;
    if (bold) Fett(true);
    gezeichnet_ = true;
    for (const std::string& zeile : zeilen) {
        fläche_->Text(x, y, zeile);
        y += zellenhöhe_;
    }
    if (bold) Fett(fett);
    return static_cast<int>(zeilen.size());
}

void Drucken::Abspielen(const Probeaufzeichnung& aufzeichnung,
                        const std::function<void(Probemarke, const std::string&)>& marke) {
    if (!fläche_) return;
    gezeichnet_ = gezeichnet_ || aufzeichnung.Gezeichnet();
    aufzeichnung.Abspielen(*fläche_, marke);
}

void Drucken::SkipCentimeters(double cm) {
    if (zellenhöhe_ <= 0) return;
    const double zeilen = cm / zellenhöhe_;
    double ganz = std::floor(zeilen);
    // A fraction (beyond the rounding of the division) takes one row more.
    if (zeilen - ganz > 1e-9) ganz += 1;
    SkipRows(static_cast<int>(ganz));
}
