#include "tests/support/qt/Pdftext.h"

#include <QProcess>
#include <QString>

#include <cstdlib>
#include <filesystem>

namespace Testhilfe {

namespace fs = std::filesystem;

std::string PdfText(const std::string& pdf) {
    if (const char* ordner = std::getenv("ZIRVO_SCREENSHOTS"); ordner && *ordner) {
        std::error_code ec;
        fs::create_directories(ordner, ec);
        fs::copy_file(pdf, fs::path(ordner) / fs::path(pdf).filename(), fs::copy_options::overwrite_existing, ec);
    }
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return "<pdftotext: " + pdf + ">";
    return p.readAllStandardOutput().toStdString();
}

std::vector<std::string> PdfSeiten(const std::string& text) {
    std::vector<std::string> seiten;
    std::size_t a = 0;
    for (std::size_t e; (e = text.find('\f', a)) != std::string::npos; a = e + 1) seiten.push_back(text.substr(a, e - a));
    return seiten;
}

std::string PdfZeile(const std::string& seite, const std::string& text) {
    const std::size_t p = seite.find(text);
    if (p == std::string::npos) return "<" + text + " fehlt>";
    const std::size_t a = seite.rfind('\n', p);
    const std::size_t anfang = a == std::string::npos ? 0 : a + 1;
    return seite.substr(anfang, seite.find('\n', p) - anfang);
}

} // namespace Testhilfe
