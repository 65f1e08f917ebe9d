// The tagged text document "SDF" of the program: writing, scrambling,
// checking and reading, and its files.
//
// A document is one text of characters 32 to 126:
//   {SDF}{HEAD} items and objects {~HEAD}{BODY} items and objects {~BODY}{~SDF}
// An object is "{name}" ... "{~name}", an item "|x" + value (one lowercase
// letter) or "|Name=" + value (2 to 30 characters). In a value the characters
// 32 to 122 stand for themselves, every other one is "~" and its
// Windows-1252 code as two uppercase hexadecimal digits.
// A scrambled document begins "{SDf}"; from its sixth character on every
// code c is replaced by 158 - c.
//
// One object serves one document: one for writing it, another for reading it.
// Inside the program texts are UTF-8; the document text itself is plain
// single-byte text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The error a writing call raises (codes 11 and 21) and the file writers
// raise on a failed write.
class SdbaseFehler : public std::runtime_error {
public:
    SdbaseFehler(std::int32_t nummer, std::string quelle, std::string beschreibung);
    std::int32_t Nummer;      // 0x80040000 + code, e.g. -2147221493 for code 11
    std::string Quelle;       // "SDF." and the operation, e.g. "SDF.HeadEnd"
    std::string Beschreibung; // the text of the error
};

class Sdbase {
public:
    // Codes of our own, beyond those of the format's checks:
    // a document (or document file) longer than MaxLänge characters is
    // refused by ReadBegin and FileRead with this code, unread.
    static constexpr std::int32_t FehlerZuLang = 102;
    static constexpr std::size_t MaxLänge = 16u * 1024u * 1024u;
    // Most objects open at once: the reader refuses more, the writer too.
    static constexpr int MaxTiefe = 15;

    Sdbase();

    // Code of the last failure, 0 when none.
    std::int32_t LastError() const;
    // Starts the document: "{SDF}". Only on a new object.
    void DocumentBegin();
    // Ends the document: "{~SDF}"; the text is then complete. After BodyEnd.
    void DocumentEnd();
    // "{HEAD}", right after DocumentBegin.
    void HeadBegin();
    // "{~HEAD}", with no object open.
    void HeadEnd();
    // "{BODY}", right after HeadEnd.
    void BodyBegin();
    // "{~BODY}", with no object open.
    void BodyEnd();
    // Opens an object "{name}" inside the head or the body.
    void Object(std::string_view name);
    // Closes the innermost object; a name given must be that object's.
    void ObjectEnd(std::string_view name);
    // A text item; an empty value writes nothing.
    void ItemStr(std::string_view name, std::string_view value);
    // A number item; a value that rounds to 0 at 12 decimals writes nothing.
    void ItemNum(std::string_view name, double value);
    // The value text of an item as text: unchanged.
    std::string ValStr(std::string_view value) const;
    // The value text of an item as number ("." as decimal point; "" is 0).
    double ValNum(std::string_view value) const;
    // After DocumentEnd: with Crypt True scrambles the document.
    void Complete(bool Crypt);
    // After a successful ReadBegin: moves to the head's first token. 0, or 14.
    std::int32_t ReadHeader();
    // After the head's end was read: moves to the body's first token. 0, or 14.
    std::int32_t ReadBody();
    // The next token of the section being read: 3 item (name, value with
    // escapes undone, UTF-8), 1 object start (name), 2 object end (name),
    // 0 end of the section, -1 nothing to read (name and value unchanged).
    std::int16_t NextItem(std::string& name, std::string& value);
    // The document text (while reading: unscrambled by ReadBegin).
    std::string SDFString() const;
    // Sets the text to be read.
    void SDFString(std::string_view text);
    // Checks the whole text and undoes the scrambling: 0 when valid, else the
    // error code (also in LastError). Only once per object.
    std::int32_t ReadBegin();
    // Ends reading; does nothing.
    void ReadEnd();
    // Loads a document file written in lines: 0, 1 (no such file),
    // 2 (read failure) or FehlerZuLang.
    std::int32_t FileRead(const std::string& path);
    // Writes the document in lines of at most 76 characters, CR LF after each,
    // through a temporary file beside the target.
    void FileSave(const std::string& path);
    // The document in lines, as FileSave writes them.
    std::string FileString();
    // Sets the document text from lines: joined, trailing blanks removed.
    void FileString(std::string_view text);

    // Characters of text items that the code page of the file cannot hold
    // and that were written as "?" since the document was begun.
    std::size_t ErsetzteZeichen() const { return ersetzt_; }

private:
    static std::int32_t ObjektnameFehler(std::string_view name, std::int16_t zustand);
    static std::int32_t ItemnameFehler(std::string_view name, std::int16_t zustand);
    [[noreturn]] void Auslösen(std::int32_t code, const char* operation);
    void Anhängen(std::string_view stück);
    void Schreiben(std::string_view a, std::string_view b = {}, std::string_view c = {});
    std::vector<std::string_view> Zeilen() const;
    std::int32_t Prüfen();

    std::int16_t Zustand = 0;
    std::string Text;
    std::size_t Position = 0;          // 0-based: next free character / read position
    std::vector<std::string> Offen;    // writing: [0] the section, then the open objects
    std::int32_t Fehler = 0;
    std::size_t ersetzt_ = 0;
};
