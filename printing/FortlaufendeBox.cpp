#include "printing/FortlaufendeBox.h"

#include "frame/basZIRVODialogSprache.h"

#include <algorithm>

FortlaufendeBox::FortlaufendeBox(Drucken& d, int zeilen, bool schattiert, std::string titel, int mindestens)
    : d_(d), schattiert_(schattiert), titel_(std::move(titel)), rest_(zeilen - 2) {
    int teil = zeilen;
    if (zeilen > d.FreieZeilen() && zeilen > d.FreieZeilen(true)) {
        if (d.FreieZeilen() < mindestens && d.Blockanfang() > 0) d.NewPage();
        teil = std::min(zeilen, d.FreieZeilen());
    }
    Teil(teil, false);
}

void FortlaufendeBox::Teil(int zeilen, bool fortsetzung) {
    d_.Box(zeilen, schattiert_);
    if (fortsetzung) {
        // The title gives way to "(Fortsetzung)", which stays whole.
        const std::string ende = " " + DS("(Fortsetzung)");
        const double zelle = d_.Zellenbreite();
        const int zellen = static_cast<int>((d_.Textgrenze() - d_.Markupbreite(ende, true)) / zelle) - 2;
        const std::vector<std::string> titel = d_.Umbrechen(titel_, std::max(zellen, 1), true, 1);
        d_.Text(1, 1, (titel.empty() ? std::string() : titel.front()) + ende, true);
    } else {
        d_.Text(1, 1, titel_, true);
    }
    d_.LineH(2, true);
    zeile_ = erste_ = 3;
    letzte_ = zeilen;
}

void FortlaufendeBox::Umbruch() {
    // This page's part ends in its last row; the next part holds what is
    // left, below the title and the head of the open section, as far as a
    // page holds it.
    if (offen_) linien_(kopfzeile_, letzte_ + 1);
    d_.NewPage();
    const int kopf = offen_ ? kopfzeilen_ : 0;
    Teil(std::min(2 + kopf + rest_, d_.FreieZeilen()), true);
    if (offen_) {
        kopfzeile_ = zeile_;
        kopf_(zeile_);
        zeile_ += kopf;
    }
    erste_ = zeile_;
}

void FortlaufendeBox::Abschnitt(int kopfzeilen, std::function<void(int)> kopf, std::function<void(int, int)> linien) {
    if (zeile_ + kopfzeilen > letzte_ && zeile_ > erste_) Umbruch();
    kopfzeilen_ = kopfzeilen;
    kopf_ = std::move(kopf);
    linien_ = std::move(linien);
    offen_ = true;
    kopfzeile_ = zeile_;
    kopf_(zeile_);
    zeile_ += kopfzeilen;
    rest_ -= kopfzeilen;
}

int FortlaufendeBox::Zeilen(int n) {
    // Rows that do not fit even at the top of a part are drawn all the
    // same: callers keep an entry well below a page.
    if (zeile_ + n - 1 > letzte_ && zeile_ > erste_) Umbruch();
    const int r = zeile_;
    zeile_ += n;
    rest_ -= n;
    return r;
}

void FortlaufendeBox::AbschnittEnde() {
    // The last section's rule lies in the bottom frame row.
    const int r = std::min(zeile_, letzte_ + 1);
    d_.LineH(r, true);
    if (offen_) linien_(kopfzeile_, r);
    offen_ = false;
    zeile_ = r + 1;
    rest_ -= 1;
}

void FortlaufendeBox::Ende() {
    if (offen_) linien_(kopfzeile_, letzte_ + 1);
    offen_ = false;
}
