// Reading a PDF of the program back: its text as pdftotext lays it out,
// its pages, the line that holds a text, the page size pdfinfo gives, and
// its words with their boxes (pdftotext -bbox).
#pragma once

#include <QProcess>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace Testhilfe::Pdf {

// With ZIRVO_SCREENSHOTS naming a folder, the PDF read is kept there too.
inline void Behalten(const std::string& pdf) {
    if (const char* ordner = std::getenv("ZIRVO_SCREENSHOTS"); ordner && *ordner) {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::create_directories(ordner, ec);
        fs::copy_file(pdf, fs::path(ordner) / fs::path(pdf).filename(), fs::copy_options::overwrite_existing, ec);
    }
}

// The text of the PDF as pdftotext lays it out; pages end with a form feed.
inline std::string Text(const std::string& pdf) {
    Behalten(pdf);
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return "<pdftotext: " + pdf + ">";
    return p.readAllStandardOutput().toStdString();
}

inline std::vector<std::string> Seiten(const std::string& text) {
    std::vector<std::string> seiten;
    std::size_t a = 0;
    for (std::size_t e; (e = text.find('\f', a)) != std::string::npos; a = e + 1)
        seiten.push_back(text.substr(a, e - a));
    return seiten;
}

// The line of a page that holds the text.
inline std::string Zeile(const std::string& seite, const std::string& text) {
    const std::size_t p = seite.find(text);
    if (p == std::string::npos) return "<" + text + " fehlt>";
    const std::size_t a = seite.rfind('\n', p);
    return seite.substr(a == std::string::npos ? 0 : a + 1, seite.find('\n', p) - (a == std::string::npos ? 0 : a + 1));
}

inline std::string Seitengrösse(const std::string& pdf) {
    QProcess p;
    p.start("pdfinfo", {QString::fromStdString(pdf)});
    p.waitForFinished(30000);
    std::smatch m;
    const std::string info = p.readAllStandardOutput().toStdString();
    return std::regex_search(info, m, std::regex(R"(Page size:\s+([0-9.]+ x [0-9.]+))")) ? m[1].str() : info;
}

// One word of a page and its box, in pt from the page's top-left corner.
struct Wort {
    int Seite; // from 1
    double xMin, yMin, xMax, yMax;
    std::string Text;
};

// The words of every page, in the order pdftotext reads them.
inline std::vector<Wort> Wörter(const std::string& pdf) {
    Behalten(pdf);
    QProcess p;
    p.start("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
    p.waitForFinished(60000);
    const std::string html = p.readAllStandardOutput().toStdString();
    // <page ...> begins a page; <word xMin="..." yMin="..." xMax="..." yMax="...">text</word>
    // is a word (read by hand: a regular expression over a long printout
    // takes seconds, under the sanitizers a minute).
    std::vector<Wort> wörter;
    int seite = 0;
    static const std::string wortAnfang = "<word xMin=\"";
    for (std::size_t i = 0; (i = html.find('<', i)) != std::string::npos;) {
        if (html.compare(i, 6, "<page ") == 0) {
            ++seite;
            ++i;
            continue;
        }
        if (html.compare(i, wortAnfang.size(), wortAnfang) != 0) {
            ++i;
            continue;
        }
        Wort w{seite, 0, 0, 0, 0, {}};
        std::size_t k = i;
        for (double* zahl : {&w.xMin, &w.yMin, &w.xMax, &w.yMax}) {
            k = html.find('"', k) + 1;
            *zahl = std::stod(html.substr(k, html.find('"', k) - k));
            k = html.find('"', k) + 1;
        }
        const std::size_t a = html.find('>', k) + 1, e = html.find("</word>", a);
        std::string text = html.substr(a, e - a);
        for (auto [von, nach] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
            for (std::size_t n; (n = text.find(von)) != std::string::npos;)
                text.replace(n, std::string(von).size(), nach);
        w.Text = std::move(text);
        wörter.push_back(std::move(w));
        i = e;
    }
    return wörter;
}

} // namespace Testhilfe::Pdf
