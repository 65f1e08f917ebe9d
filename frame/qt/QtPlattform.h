// Qt implementations of the platform services.
#pragma once

#include "frame/Plattform.h"
#include "frame/qt/Hilfefenster.h"

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace QtPlattform {

class QtMeldungen : public Plattform::Meldungen {
public:
    Plattform::Antwort Zeigen(const std::string& text, const std::string& titel, Plattform::Symbol symbol,
                              Plattform::Knöpfe knöpfe, Plattform::Antwort vorgabe) override;
};

class QtDateidialoge : public Plattform::Dateidialoge {
public:
    std::optional<std::string> Öffnen(const std::string& titel, const std::string& filter,
                                      const std::string& ordner) override;
    std::optional<std::string> Speichern(const std::string& titel, const std::string& filter,
                                         const std::string& ordner, const std::string& vorschlag) override;
    std::optional<std::string> OrdnerWählen(const std::string& titel, const std::string& ordner) override;
    std::optional<Plattform::Schrift> SchriftWählen(const Plattform::Schrift& vorgabe) override;
};

// The system's printers, plus a PDF printer that writes a file.
class QtDrucker : public Plattform::Drucker {
public:
    static constexpr const char* PdfDrucker = Plattform::PdfDrucker;
    std::vector<std::string> DruckerListe() override;
    std::string StandardDrucker() override;
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& drucker, const std::string& ziel,
                                                    std::string& fehler) override;
    // The system printer's own metrics; the PDF printer's when it has none
    // to give (or for the PDF printer itself).
    std::unique_ptr<Plattform::Druckfläche> Messfläche(const std::string& drucker) override;
    bool Beidseitig(const std::string& drucker) override;
};

class QtHttp : public Plattform::Http {
public:
    Plattform::HttpAntwort Holen(const Plattform::HttpAnfrage& anfrage) override;
};

class QtUmgebung : public Plattform::Umgebung {
public:
    std::string Programmordner() override;
    std::string Konfigurationsordner() override;
    std::time_t Jetzt() override;
    void Sanduhr(bool an) override;
    bool StrgGedrückt() override;
    void TasteSenden(int code) override;
};

// All Qt services together; installs them while it lives.
class Dienste {
public:
    Dienste();
    QtMeldungen meldungen;
    QtDateidialoge dateidialoge;
    QtDrucker drucker;
    QtHttp http;
    QtUmgebung umgebung;
    QtHilfe::Dienst hilfe;

private:
    Plattform::DiensteSetzen gesetzt_;
};

// Room beside the title text in a window's title bar: the window's icon,
// its three buttons and their margins, in pixels.
inline constexpr int TitelleisteRand = 150;
// The width a window needs to show its title whole in the title bar.
int TitelBreite(const QString& titel);
// The message box that QtMeldungen shows, not yet shown: text, title, icon,
// buttons and default button, and at least as wide as its title.
std::unique_ptr<QMessageBox> Meldungsfenster(const std::string& text, const std::string& titel,
                                             Plattform::Symbol symbol, Plattform::Knöpfe knöpfe,
                                             Plattform::Antwort vorgabe, QWidget* eltern = nullptr);

// Converts the "text (*.x)|*.x|..." filter into Qt's form.
QString FilterNachQt(const std::string& filter);

} // namespace QtPlattform
