// The start window on the screen: program picture, title, version, the
// progress counter and the maker. The counter is repainted at once each
// time it changes, since the window thread is busy building tables then.
#pragma once

#include <QWidget>

class QLabel;
class frmZIRVO3801Start;

class frmZIRVO3801StartAnsicht : public QWidget {
public:
    explicit frmZIRVO3801StartAnsicht(frmZIRVO3801Start& modell, QWidget* parent = nullptr);
    ~frmZIRVO3801StartAnsicht() override;

    QLabel* Image1 = nullptr;
    QLabel* lblProg = nullptr;
    QLabel* lblVer = nullptr;
    QLabel* lblStartZähler = nullptr;
    QLabel* lblHersteller = nullptr;

private:
    frmZIRVO3801Start& modell_;
    int zählerBeobachter_ = 0;
};
