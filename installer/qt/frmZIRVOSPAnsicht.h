// The window of the service-pack installer, bound to frmZIRVOSP: the
// message where the program was found, the question, and the buttons
// "Ja, installieren" and "Nein, abbrechen". When the model has ended the
// program, the window closes and the event loop ends with its status.
#pragma once

#include "frame/qt/Dialoghilfe.h"
#include "installer/Datentraeger.h"

#include <QWidget>

#include <vector>

class QLabel;
class frmZIRVOSP;

class frmZIRVOSPAnsicht : public QWidget {
public:
    explicit frmZIRVOSPAnsicht(frmZIRVOSP& modell, QWidget* eltern = nullptr);
    ~frmZIRVOSPAnsicht() override;

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
