// A plain window in place of the main window while that is not built: it
// carries the program's title and says that the main window is missing,
// and ends the program as the main window would (settings written on close).
#pragma once

#include "frame/Programmstart.h"

#include <QMainWindow>

class QLabel;

class Ersatzhauptfenster : public QMainWindow, public Programmstart::Hauptfenster {
public:
    explicit Ersatzhauptfenster(QWidget* parent = nullptr);

    void Form_Load() override;
    void TabelleInitialisieren() override {}
    void Zeigen() override;
    void NeuereVersionAnzeigen(const std::string& text) override;
    void ProjektEinlesenBeimProgrammstart(const std::string& datei) override;

    QLabel* lblHinweis = nullptr;
    QLabel* lblProjekt = nullptr;
    QLabel* lblNeuereVersionVorhanden = nullptr;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
};

// The single-component proof window is not built yet either.
class KeinNachweisEBFenster : public Programmstart::NachweisEBFenster {
public:
    void Laden() override {}
    void TabelleInitialisieren() override {}
};
