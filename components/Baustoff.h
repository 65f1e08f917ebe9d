// The material database: the text file Baustoff.dbk in the database folder,
// shared by every copy of the program that uses that folder, with its lock
// file Baustoff.db$ beside it (beside the file a link points to, when the
// path is a link, so that every copy locks the one file it writes).
//
// The file holds the header line "BAUSTOFF.DBK|1.0" and one record a line:
// the record's id, then "|", a field letter and the escaped value for every
// field that is not empty (b designation, c short designation, k category,
// r density, d thickness, l lambda, w thermal resistance, u monitoring).
// Lines are written with CR LF (CR, LF and LF CR are read as line ends as
// well); characters outside " ".."z" are written as "~" and two
// hexadecimal digits of their Windows-1252 code. A file of another version
// is opened for reading only and never rewritten; so is a file whose mode
// lets nobody write it, one in a folder this user may not write, and one
// whose lock file this user can neither open nor make (the message names
// the lock file and its owner). A lock file this program makes gets the
// database file's group and its read and write bits for group and others,
// whatever the umask.
//
// An object holds all records in memory, sorted by designation, and one
// current record whose fields the properties read and write. Only Save and
// Delete change the file: each takes the lock, reads the file as it stands
// now, applies its one change, writes the whole file through a temporary
// file and gives the lock up, so two program copies never lose each other's
// records. Taking the lock never waits: when another copy holds it, the
// operation fails at once and says so. Save and Delete act on the record as
// this copy read it: when another copy has meanwhile changed or deleted that
// line (or its id went to another record), they refuse with a message and
// the file stays as it is. An id this copy has once seen or given is not
// given to a new record again while the object lives. Lines the program
// cannot make sense of are kept exactly as they are; a record that is saved
// keeps exactly the values it showed (a field that stands twice in a
// damaged line is shown from its first place and written once; a NUL byte,
// which no escape can write, stays in a field that was not changed). A line
// that repeats the id of an earlier one gets a free id when the file is
// read (and keeps it from the next write on), so every record is shown,
// saved and deleted as itself. The file itself is not touched before a save
// or delete; the leftovers of a save that was killed midway are removed once
// no other copy holds the lock.
//
// One global object serves the material window and the printed material
// list; the component editor opens an object of its own.
#pragma once

#include "frame/Plattform.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Baustoff {
public:
    static constexpr std::string_view Kopfzeile = "BAUSTOFF.DBK|1.0";
    // The field letters, field 1 to 8.
    static constexpr std::string_view Feldbuchstaben = "bckrdlwu";
    // Files beyond this size or line count are not opened.
    static constexpr std::uintmax_t MaxGrösse = 64u << 20;
    static constexpr std::size_t MaxZeilen = 1000000;
    // The limits an object opens and writes by (the above unless a test
    // sets smaller ones). A save or delete that would make the file cross
    // them is refused, as the next open would refuse the file.
    struct Grenzen {
        std::uintmax_t Bytes = MaxGrösse;
        std::size_t Zeilen = MaxZeilen;
    };

    Baustoff() = default;
    explicit Baustoff(Grenzen grenzen) : grenzen_(grenzen) {}
    ~Baustoff() = default;
    Baustoff(const Baustoff&) = delete;
    Baustoff& operator=(const Baustoff&) = delete;

    // Opens the database at path: creates a missing file from the template
    // beside the program (or with the header alone) and the lock file, and
    // reads every record. True when open; an object already open is not
    // read again. False when the files cannot be created or read, or
    // another copy holds the lock (each said in a message); a lock file
    // that can neither be opened nor made opens the file for reading only
    // (NurLesen).
    bool DBOpen(const std::string& Pfad);
    // Drops the records; the current record stays.
    void DBClose();
    bool Offen() const { return offen_; }
    // Open, but only for reading: the file is of a version this program
    // does not know (its header is not "BAUSTOFF.DBK|1.0"), its mode lets
    // nobody write it, this user may not write its folder, or its lock file
    // can neither be opened nor made, so Save and Delete refuse with a
    // message rather than rewrite it.
    bool NurLesen() const { return nurLesen_; }

    // The first or next record in sorted order, or the one with the id,
    // becomes the current record. False (and no current record) when there
    // is none; a line without an id (0) is never found by it.
    bool FindFirst();
    bool FindNext();
    bool Find(std::int64_t id);
    // A new current record: id 0, no fields.
    void NewRecord();
    // Writes the current record into the file (a new one gets the highest id
    // of the file and of all this object has seen, plus 1, or the lowest free
    // id once the highest is at the limit) and returns its id. -1 when it
    // could not be written, after a message: the file is as it was and the
    // current record keeps its values, so it can be saved again. When the
    // record's line in the file is no longer the one this object read
    // (Überholt()), the current record keeps its values as a new record
    // (id 0), to be saved as such, and the records in memory are the file as
    // it stands now.
    std::int64_t Save();
    // Removes the current record's id from the file: 0. -1 for a new record,
    // one changed or removed by another copy since this one read it, or a
    // file that could not be locked, read or written (all but the first with
    // a message); the file is then as it was. After a refusal because of
    // another copy, the records in memory are the file as it stands now.
    std::int32_t Delete();
    // The last Save or Delete was refused because another copy had changed
    // or deleted the record meanwhile.
    bool Überholt() const { return überholt_; }

    std::int32_t Count() const { return static_cast<std::int32_t>(zeilen_.size()); }
    std::int64_t IndexNr() const;

    std::string Bez() const { return FeldLesen(1); }
    void setBez(const std::string& v) { FeldSchreiben(1, v); }
    std::string KBez() const { return FeldLesen(2); }
    void setKBez(const std::string& v) { FeldSchreiben(2, v); }
    std::string Kat() const { return FeldLesen(3); }
    void setKat(const std::string& v) { FeldSchreiben(3, v); }
    double Rho() const { return ZahlLesen(4); }
    void setRho(double v) { ZahlSchreiben(4, v); }
    double Dicke() const { return ZahlLesen(5); }
    void setDicke(double v) { ZahlSchreiben(5, v); }
    double Lambda() const { return ZahlLesen(6); }
    void setLambda(double v) { ZahlSchreiben(6, v); }
    double R() const { return ZahlLesen(7); }
    void setR(double v) { ZahlSchreiben(7, v); }
    std::string Ueberwachung() const { return FeldLesen(8); }
    void setUeberwachung(const std::string& v) { FeldSchreiben(8, v); }

    // A value (UTF-8) in the file's escaped form, and back.
    static std::string Maskieren(std::string_view wert);
    static std::string Demaskieren(std::string_view text);
    // The leading decimal digits of a record line (0 when there are none).
    static std::int64_t Kennung(std::string_view zeile);

private:
    std::string pfad_;
    std::string sperrpfad_;
    bool offen_ = false;
    bool nurLesen_ = false;
    std::string nurLesenGrund_; // why Save and Delete refuse
    Grenzen grenzen_;
    std::vector<std::string> zeilen_; // record lines as they stand in the file
    std::string aktuell_;
    std::string gelesen_; // the current record's line as read ("" for a new one)
    bool hatAktuell_ = false;
    bool überholt_ = false;
    std::int64_t gesehen_ = 0; // the highest id read or given from this file
    std::size_t position_ = 0;

    bool DateienPrüfen();
    void ResteEntfernen() const;
    bool VorlageKopieren();
    // The record lines of the file, or false (with the reason for a message).
    // fremderKopf: the header of a version this program does not know, or "".
    // hinweis: what lay beside the file under the name of a copy and was
    // left alone ("" for nothing).
    bool DateiLesen(std::vector<std::string>& zeilen, std::string& fehler, std::string* fremderKopf,
                    std::string* hinweis = nullptr) const;
    bool DateiSchreiben(const std::vector<std::string>& zeilen, std::string& fehler) const;
    // Under the lock: the file as it stands now, to be changed; "" or the
    // reason it cannot be.
    std::string ZumÄndernLesen(std::vector<std::string>& zeilen);
    // The place of the current record's line in zeilen, when it is still
    // the line this object read; zeilen.size() when another copy changed or
    // deleted it, or gave its id to another record.
    std::size_t GeleseneZeile(const std::vector<std::string>& zeilen) const;
    // The lines as they stand in the file become the records in memory.
    void Übernehmen(std::vector<std::string> zeilen);
    void IdsGesehen(const std::vector<std::string>& zeilen);
    void Sortieren();
    std::string FeldLesen(int n) const;
    void FeldSchreiben(int n, const std::string& wert);
    double ZahlLesen(int n) const;
    void ZahlSchreiben(int n, double wert);
    void Melden(const std::string& text, Plattform::Symbol symbol = Plattform::Symbol::Fehler) const;
};

namespace Global {
extern ::Baustoff Baustoff;
} // namespace Global
