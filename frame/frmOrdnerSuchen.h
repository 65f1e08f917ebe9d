// The folder dialog: a drive list, a folder list and the folder chosen so far.
//
// Drives are the roots the user can browse: the file system's root, the
// user's home folder and the mounted media (under /media, /run/media and
// /mnt). The folder list shows the path of the current folder from its
// drive down, then the current folder's sub-folders; opening an entry
// (double click) makes it the current folder.
#pragma once

#include "frame/Steuerelemente.h"

#include <functional>
#include <string>
#include <vector>

class frmOrdnerSuchen : public Formular {
public:
    frmOrdnerSuchen();

    ComboBox dlbDrive1{"dlbDrive1"};      // drives
    ListBox dlbDir1{"dlbDir1"};           // folders
    Label lblSuchenIn{"lblSuchenIn"};     // "Suchen in:"
    Label lblOrdner{"lblOrdner"};         // the folder chosen so far
    CommandButton cmdOK{"cmdOK"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    bool Ergebnis = false;        // True when left with OK
    std::string Ordner;           // the chosen folder (after OK)
    bool Entladen = false;        // True once unloaded
    std::function<void()> BeimEntladen; // told when the dialog unloads

    // The drive list's drive: the root path of the selected entry ("" for none).
    std::string Drive() const;
    // The folder list's current folder.
    const std::string& Dir1Pfad() const { return dir1Pfad_; }
    // Makes a folder the folder list's current one. False (and nothing
    // changes) when it is no folder that can be listed.
    bool Dir1PfadSetzen(const std::string& pfad);
    // Full path of the folder list's entry i ("" outside the list).
    std::string Dir1Eintrag(int i) const;
    // Opens entry i of the folder list (the user's double click).
    bool dlbDir1_Öffnen(int i);
    // Index of the drive list's entry that holds the path (-1 for none).
    int LaufwerkVon(const std::string& pfad) const;

    void Form_Load();
    void dlbDrive1_Change();
    void dlbDir1_Change();
    void lblOrdner_Change();
    void cmdOK_Click();
    void cmdAbbrechen_Click();

    // Shows the dialog starting at Ordner; on OK puts the chosen folder into
    // Ordner and returns True; on cancel leaves Ordner alone. A non-empty
    // Titel gives the caption Titel + " suchen".
    static bool Aufruf(std::string& Ordner, const std::string& Titel);

    // Shows the loaded dialog modally (set by the window code, or by a test
    // that plays the user). While none is set, the dialog counts as cancelled.
    static std::function<void(frmOrdnerSuchen&)> Anzeigen;

    // The drives of this system: "/", the home folder and the mounted media.
    static std::vector<std::string> Laufwerke();

private:
    void Unload();

    std::string dir1Pfad_;
    std::vector<std::string> dir1Pfade_; // full path of each folder-list entry
    int letztesLaufwerk_ = -1;           // the last drive that worked
    int gemeldetesLaufwerk_ = -1;        // drive index the Change event last saw
    bool laufwerkZurück_ = false;        // while the drive list is being reset
    std::string gemeldeterOrdner_;       // lblOrdner caption the Change event last saw
};
