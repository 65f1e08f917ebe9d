// The state that a dialog window model of one zone keeps besides its
// fields: whether the form is loaded, and which zone its fields hold.
//
// The fields always belong to one zone: they hold the project's current
// zone only as long as no other zone was made current and no zone was
// added, deleted or reordered since they were loaded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class Zonendialog {
public:
    virtual ~Zonendialog() = default;
    // True while the form is loaded (between its first use and the closing of the dialog).
    bool Geladen() const { return geladen_; }
    // True while the fields hold the current zone of the project.
    bool ZoneGeladen() const;

protected:
    bool geladen_ = false;

    // The fields now hold the project's current zone.
    void ZoneMerken();
    // The fields hold no zone.
    void ZoneVergessen() { zoneGültig_ = false; }

    // Energy reference areas of the zone being loaded ("EBF", "EBF0").
    double EBF_ = 0, EBF0_ = 0;
    // Starts loading the current zone: the input error of the dialog's table
    // begins, the fields hold no zone any more, and EBF_ and EBF0_ are read.
    void ZoneLadenBeginnen(std::int16_t tabelle);
    // A zone that cannot be loaded: the message (through DS, no control) in
    // the input error, the fields emptied, no areas; returns True.
    bool ZoneNichtLadbar(std::string_view text);
    virtual void FelderLeeren() = 0;

    // The dialog's results could not be computed (fehler, the reason in
    // Eingabefehler) or were: while the dialog is shown, the status bar
    // says why they are empty, and the note goes once they are back.
    // Returns fehler.
    bool ErgebnisHinweisen(bool fehler, bool sichtbar);

private:
    // The zone the fields hold: its index and the project's structure mark
    // at loading; valid only while zoneGültig_.
    bool zoneGültig_ = false;
    std::int16_t zone_ = 0;
    std::uint64_t strukturstand_ = 0;
    // The status note given on the results ("" when none).
    std::string hinweis_;
};
