// The window of the service-pack installer, bound to frmZIRVOSP: the
// message where the program was found, the question, and the buttons
// "Ja, installieren" and "Nein, abbrechen". When the model has ended the
// program, the window closes and hands its status to Ende.
#pragma once

#include "frame/qt/Dialoghilfe.h"
#include "installer/Datentraeger.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class frmZIRVOSP;

class frmZIRVOSPAnsicht : public QWidget {
public:
    explicit frmZIRVOSPAnsicht(frmZIRVOSP& modell, QWidget* eltern = nullptr);
    ~frmZIRVOSPAnsicht() override;

    // Ends the program with the model's status: the program's main ends
    // its event loop. Unset (as in the widget tests), nothing ends; a
    // QCoreApplication::exit outside the program's own loop would make
    // every later modal loop return at once.
    std::function<void(int)> Ende;

    // The mounted volumes as the system lists them (QStorageInfo), in the
    // installer's order and with their removable flag.
    static std::vector<Datenträger> Laufwerke();

protected:
    // The close box: as "Nein, abbrechen".
    void closeEvent(QCloseEvent* ereignis) override;

private:
    frmZIRVOSP& m_;
    Dialoghilfe::Beobachtungen beobachtet_;

    QLabel* lblInfo_ = nullptr;

    void Gezeigt();
    void Einpassen();
    void NachEreignis();
};
