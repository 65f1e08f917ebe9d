// Reading a printed PDF back as text, as pdftotext lays it out (-layout):
// the whole text with a form feed after every page, its pages, the line
// that holds a text. With ZIRVO_SCREENSHOTS naming a folder the PDF is kept
// there too.
#pragma once

#include <string>
#include <vector>

namespace Testhilfe {

std::string PdfText(const std::string& pdf);
std::vector<std::string> PdfSeiten(const std::string& text);
// The line that holds the text ("<text fehlt>" when none does).
std::string PdfZeile(const std::string& seite, const std::string& text);

} // namespace Testhilfe
