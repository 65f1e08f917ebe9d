// The help panel at the right edge of the main window: a short topic for
// what the user is doing (the table of the active pane, the standard uses,
// the calculation values, the program), with links to further topics.
// Topics come from the info package beside the program, read once at
// start, or, when there is none, from one file per topic.
#include "mainwindow/frmZIRVO3801.h"

#include "frame/Dateien.h"
#include "frame/Hilfeseiten.h"
#include "frame/Plattform.h"
#include "frame/Programmstart.h"
#include "frame/Windows1252.h"
#include "frame/basZIRVODialogSprache.h"
#include "mainwindow/Infopaket.h"

void frmZIRVO3801::InfoPaketLesen() {
    const std::string datei =
        Plattform::umgebung().Programmordner() + "/" + basZIRVO3801::Programmname + ".pip";
    InfoPaket = Dateien::Lesen(datei).value_or("");
}

std::string frmZIRVO3801::InfoTextLesen(const std::string& Thema) const {
    if (InfoPaket.empty()) {
        const auto text =
            Dateien::Lesen(Plattform::umgebung().Programmordner() + "/Q4-" + Thema + ".html");
        if (!text) return {};
        return Windows1252::IstUtf8(*text) ? *text : Windows1252::NachUtf8(*text);
    }
    const auto text = Infopaket::Thema(InfoPaket, Windows1252::AusUtf8(Thema));
    return text ? Windows1252::NachUtf8(*text) : std::string();
}

void frmZIRVO3801::InfoAnzeigen(std::string Thema) {
    if (Thema.empty()) Thema = basZIRVO3801::Programmname;
    if (Thema == InfoThema) return;
    InfoThema = Thema;
    // Numbers in the topic as the program shows them.
    const std::string text = Hilfeseiten::ZahlenAnzeigen(InfoTextLesen(Thema));
    InfoVerweise.clear();
    if (text.empty()) {
        rtbInfo.setFont(FontName, FontSize, false);
        rtbInfo.setText(DS("Info") + ":  " + Thema + "\r\n\r\n" + DS("Info nicht gefunden."));
        return;
    }
    const std::string rich = Infopaket::MarkenNormalisieren(text);
    Infopaket::Angezeigt a =
        Infopaket::VerweiseIndizieren(rich, RichTextBox::Zeilenumbrüche(Plattform::hilfe().Klartext(rich)));
    InfoVerweise = std::move(a.Verweise);
    if (a.RichText.empty()) {
        rtbInfo.setFont(FontName, FontSize, false);
        rtbInfo.setText(std::move(a.Text));
    } else {
        rtbInfo.setRichText(std::move(a.RichText), std::move(a.Text));
    }
}

void frmZIRVO3801::rtbInfo_SelChange() {
    const std::int32_t pos = rtbInfo.SelStart();
    for (const InfoVerweis& v : InfoVerweise) {
        if (v.Anfang <= pos && pos <= v.Ende) {
            // The topic replaces the list the loop walks.
            const std::string thema = v.Thema;
            InfoAnzeigen(thema);
            return;
        }
    }
}
