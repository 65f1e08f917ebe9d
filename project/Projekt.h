// The open building project: the values of the whole project and up to 8
// zones, each a keyed collection of zone values, behind typed accessors.
// Setters take the value first and the key second and replace what was
// stored under the key; getters give "", 0 or nothing for a missing key and
// never fail. The zone accessors work on the current zone; with no zone
// there (or a current zone outside the zones) they read the defaults and
// write nothing.
//
// Arrays of numbers are kept as texts (basZIRVO_Array): monthly values
// (13 numbers, index 12 = year) and part-monthly values (13 rows by 6
// columns, column 5 = total).
//
// The project file (".zirvo9") is written by ProjektSpeichern and read by
// ProjektEinlesen.
#pragma once

#include "frame/Dateien.h"
#include "frame/basZIRVO_Array.h"
#include "project/Kollektion.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Sdbase;

class Projekt {
public:
    // The most zones a project holds.
    static constexpr std::int16_t MaxZonen = 8;

    Projekt();

    std::int16_t ZonenAnzahl() const;
    // Appends an empty zone and makes it current: 0; -1 and no change with 8 zones.
    std::int16_t ZoneNeu();
    // Deletes the current zone and makes zone 0 current: 0; -1 and no change with fewer than 2 zones.
    std::int16_t ZoneLöschen();
    // Moves zone VonIndex to position NachIndex, the zones between shifting
    // by one; the current zone index stays. -1 without change for indices
    // outside the zones or equal indices.
    std::int16_t ZoneSortieren(std::int16_t VonIndex, std::int16_t NachIndex);
    // Makes the zone current (no range check: the zone accessors check).
    void SetNZone(std::int16_t NutzungszoneNr);
    std::int16_t GetNZone() const;

    // True once a project was created (ProjektNeu) or read from a file.
    bool Exist() const;

    // A program-wide unique mark of the project's structure: it changes
    // whenever a project object is created or emptied, read from a file, or
    // its zones are deleted or reordered. Whoever keeps results per zone
    // index compares it to know that those results no longer apply.
    std::uint64_t Strukturstand() const { return strukturstand_; }
    // Program-wide unique marks of the stored values, in the same way: the
    // mark of the project values changes with every write that changes one
    // of them, the input mark of a zone with every write that changes one
    // of its values, except the writes of the zone's own computation while
    // it runs (Rechenzone): those are its results, which no other zone's
    // computation reads. Whoever keeps what a computation made of the
    // project compares the marks to know whether its inputs still hold.
    std::uint64_t Projektwertestand() const { return projektwertestand_; }
    // 0 for an index outside the zones.
    std::uint64_t Eingabestand(std::int16_t Index) const;
    // Every value of zone Index as stored (null outside the zones), to
    // compare with or to copy; it changes with the next write.
    const Kollektion* Zonenwerte(std::int16_t Index) const;
    // Puts back every value of the current zone as a copy holds them (a
    // write as any other: it changes the marks when it changes a value).
    void ZonenwerteSetzen(const Kollektion& Werte);
    // The zone whose computation writes now (-1 none, the default). Only
    // the zone computation sets it, through a Rechenbereich around its own
    // work on the current zone.
    std::int16_t Rechenzone() const { return rechenzone_; }
    // A record of writes: while one is set, every value stored into the
    // current zone is noted in it with its key, in order (a value equal to
    // the one stored before too). Null, the default: none.
    using Schreibprotokoll = std::vector<std::pair<std::string, Kollektion::Wert>>;
    void SchreibprotokollSetzen(Schreibprotokoll* protokoll) { schreibprotokoll_ = protokoll; }
    class Rechenbereich {
    public:
        explicit Rechenbereich(Projekt& p) : p_(p), vorher_(p.rechenzone_) { p.rechenzone_ = p.aktuelleZone_; }
        ~Rechenbereich() { p_.rechenzone_ = vorher_; }
        Rechenbereich(const Rechenbereich&) = delete;
        Rechenbereich& operator=(const Rechenbereich&) = delete;

    private:
        Projekt& p_;
        std::int16_t vorher_;
    };
    // Full path of the project file; "" for a new project.
    std::string Dateiname() const;
    // The file name without folder and last extension.
    std::string Projektname() const;

    // Project values. Storing a null collection removes the value.
    void PSetColl(KollektionZeiger Wert, std::string_view Schlüssel);
    void PSetStr(std::string Wert, std::string_view Schlüssel);
    void PSetNum(double Wert, std::string_view Schlüssel);
    void PSetInt(std::int16_t Wert, std::string_view Schlüssel);

    // Values of the current zone.
    void ZSetColl(KollektionZeiger Wert, std::string_view Schlüssel);
    void ZSetStr(std::string Wert, std::string_view Schlüssel);
    void ZSetNum(double Wert, std::string_view Schlüssel);
    void ZSetInt(std::int16_t Wert, std::string_view Schlüssel);
    void ZSetArr1(const Monatsarray& Werte, std::string_view Schlüssel);
    void ZSetArr2(const Monatstabelle& Werte, std::string_view Schlüssel);
    void ZSetArrX(const std::vector<double>& Werte, std::string_view Schlüssel);

    KollektionZeiger PGetColl(std::string_view Schlüssel) const;
    std::string PGetStr(std::string_view Schlüssel) const;
    double PGetNum(std::string_view Schlüssel) const;
    // PGetNum rounded to the nearest whole number, halves to even.
    std::int16_t PGetInt(std::string_view Schlüssel) const;

    KollektionZeiger ZGetColl(std::string_view Schlüssel) const;
    std::string ZGetStr(std::string_view Schlüssel) const;
    double ZGetNum(std::string_view Schlüssel) const;
    std::int16_t ZGetInt(std::string_view Schlüssel) const;
    // Fill the caller's array from the stored text; a missing or malformed
    // text leaves the array as it was.
    void ZGetArr1(Monatsarray& Werte, std::string_view Schlüssel) const;
    void ZGetArr2(Monatstabelle& Werte, std::string_view Schlüssel) const;
    void ZGetArrX(std::vector<double>& Werte, std::string_view Schlüssel) const;

    // An entry of the given collection by key or by 1-based position;
    // nothing or "" when there is none.
    KollektionZeiger CollGetColl(const KollektionZeiger& Koll, std::string_view Schlüssel) const;
    KollektionZeiger CollGetColl(const KollektionZeiger& Koll, std::int32_t Position) const;
    std::string CollGetStr(const KollektionZeiger& Koll, std::string_view Schlüssel) const;
    std::string CollGetStr(const KollektionZeiger& Koll, std::int32_t Position) const;

    double Zone__Energiebezugsfläche() const;   // "EBF"
    double Zone__RaumtemperaturKorr() const;    // "Ti" + "RZ"
    double Zone__VorlauftemperaturB() const;    // "VTHB"
    double Zone__VorlauftemperaturF() const;    // "VTHF"

    // A value of zone Index (not the current one); "" or 0 when the index
    // lies outside the zones or the key is absent.
    std::string Zone_GetStr(std::int16_t Index, std::string_view Schlüssel) const;
    double Zone_GetNum(std::int16_t Index, std::string_view Schlüssel) const;

    // Heating months: a month whose losses QtA+QtU+QtF (column 5) + Qv + Qvm
    // in the current zone are greater than 0.
    void SetMtOK();
    // The heating months as SetMtOK found them last.
    const std::array<bool, 12>& MonateOK() const { return monatOK_; }
    // Element 12 := sum of the heating months; only for 13 elements.
    void SetJahressumme1(std::span<double> Werte) const;
    // Row 12 := per-column sum of the heating months; only for 13 rows.
    void SetJahressumme2(std::span<std::array<double, 6>> Werte) const;

    // Empties the project and creates one zone; Exist becomes true.
    void ProjektNeu();

    // Reads a project file into this object. 0 when it was read: the project
    // then holds the file's content and its path as file name. Otherwise the
    // number of the failure (1 missing file, 2 unreadable file, else the
    // document's error number) and this project stays exactly as it was;
    // for an unreadable file the reader's reason goes to grund (such as a
    // file being written by another program). hinweis: what lay beside the
    // file under the name of a copy and was left alone, or a copy that
    // could not be applied ("" for nothing), also when the read failed.
    [[nodiscard]] std::int32_t ProjektEinlesen(const std::string& Dateiname, std::string* grund = nullptr,
                                               std::string* hinweis = nullptr);
    // Zones of the last file read that were beyond the 8 a project keeps
    // (they are not in the project and a save drops them).
    std::int16_t ÜbergangeneZonen() const { return übergangeneZonen_; }

    // Writes the project file; a non-empty path is the new file name, an
    // empty one writes to the current file name. The old file is replaced
    // only by a completely written new one. 0 when written (the project then
    // bears the path as file name); -1 when not, after a message: the old
    // file and the project's file name stay as they were.
    [[nodiscard]] std::int32_t ProjektSpeichern(const std::string& Dateiname);

    // True when the project's file now holds something other than what this
    // object last read from it or wrote to it: someone else saved it since
    // (the same content written again does not count). False for a project
    // without a file, and for a file that is no longer there (nobody's work
    // is then overwritten by a save).
    bool DateiFremdGeändert() const;

private:
    std::uint64_t strukturstand_ = 0;
    void StrukturGeändert();
    static std::uint64_t NeuerStand();
    std::uint64_t projektwertestand_ = 0;
    // Per zone: the mark of its inputs.
    std::vector<std::uint64_t> eingabestände_;
    std::int16_t rechenzone_ = -1;
    Schreibprotokoll* schreibprotokoll_ = nullptr;
    // Gives every zone fresh marks (the zones were renumbered or replaced).
    void ZonenständeErneuern();
    // A value of the current zone changed: its input mark, unless it computes.
    void ZoneGeändert();
    std::string dateiname_;
    // What the file held when it was last read or written here.
    std::optional<Dateien::Inhaltsstand> dateistand_;
    bool exist_ = false;
    Kollektion projektwerte_;
    std::vector<Kollektion> zonen_;
    std::int16_t zonenAnzahl_ = 0;
    std::int16_t aktuelleZone_ = 0;
    std::array<bool, 12> monatOK_{};
    Sdbase* dokument_ = nullptr;   // only while a file is written or read

    void ProjektLeeren();
    void PSetVar(Kollektion::Wert Wert, std::string_view Schlüssel);
    void ZSetVar(Kollektion::Wert Wert, std::string_view Schlüssel);
    KollektionZeiger PGetVarColl(std::string_view Schlüssel) const;
    std::string PGetVarStr(std::string_view Schlüssel) const;
    double PGetVarNum(std::string_view Schlüssel) const;
    KollektionZeiger ZGetVarColl(std::string_view Schlüssel) const;
    std::string ZGetVarStr(std::string_view Schlüssel) const;
    double ZGetVarNum(std::string_view Schlüssel) const;
    const Kollektion* AktuelleZone() const;
    Kollektion* AktuelleZone();

    // Writing the file (through the document object in hand).
    void Object(std::string_view Name);
    void ObjectEnd(std::string_view Name);
    void ItemStr(std::string_view Name, std::string_view Wert);
    void ItemNum(std::string_view Name, double Wert);
    // The document of the project; ersetzt: characters written as "?".
    std::string DokumentText(std::size_t* ersetzt = nullptr);
    void ProjektObjektSchreiben();
    void AdresseObjektSchreiben(std::string_view Name, const KollektionZeiger& Adresse);
    void ZoneObjektSchreiben();
    void ZeileSchreiben(const KollektionZeiger& Zeile, std::string_view Zellen);
    void ZeilenSchreiben(const KollektionZeiger& Tabelle, std::string_view Zellen);
    void BauteileSchreiben();
    void EBSpeichern();
    bool ProjektdateiSchreiben(const std::string& Pfad, const std::string& Text);
    static std::string DatumText();

    // Reading the file: each reader takes tokens up to the end of its object
    // or section and stops at once when reading has ended (error or end of text).
    static std::int32_t ProjektdateiLesen(const std::string& Pfad, std::string& Text, std::string* grund,
                                          std::string* hinweis = nullptr);
    std::int32_t TextLesen(const std::string& Text);
    std::int16_t Nächstes(std::string& Name, std::string& Wert);
    template <class Sonst>
    bool ZellenLesen(std::string_view Zellen, std::vector<Kollektion::Wert>& Werte, Sonst&& sonst);
    KollektionZeiger ZeileLesen(std::string_view Zellen);
    bool KopfLesen();
    void DokumentLesen();
    bool InhaltLesen();
    void ProjektObjektLesen();
    void BeteiligteLesen(const std::string& Name);
    void ZoneObjektLesen();
    void TabelleLesen(std::string_view Schlüssel, std::string_view Zellen);
    void LüftungLesen();
    void GewinnLesen();
    void BauteileObjektLesen();
    void ElementLesen(const std::string& Art);
    void EBObjektLesen();
    void ObjektÜberspringen();

    std::int16_t übergangeneZonen_ = 0;
    bool leseende_ = false;        // reading has ended: every reader returns
    std::int32_t lesefehler_ = 0;  // why, when it was not the end of the body
    std::size_t tokenzahl_ = 0;
    std::size_t tokengrenze_ = 0;
};
