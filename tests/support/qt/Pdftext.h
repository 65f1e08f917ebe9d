// Reading a PDF of the program back: its text as pdftotext lays it out,
// its pages, the line that holds a text, and the page size pdfinfo gives.
#pragma once

#include <QProcess>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace Testhilfe::Pdf {

// The text of the PDF as pdftotext lays it out; pages end with a form feed.
// With ZIRVO_SCREENSHOTS naming a folder, the PDF is kept there too.
inline std::string Text(const std::string& pdf) {
    if (const char* ordner = std::getenv("ZIRVO_SCREENSHOTS"); ordner && *ordner) {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::create_directories(ordner, ec);
        fs::copy_file(pdf, fs::path(ordner) / fs::path(pdf).filename(), fs::copy_options::overwrite_existing, ec);
    }
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

} // namespace Testhilfe::Pdf
