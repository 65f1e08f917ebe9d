#include "frame/RichTextBox.h"

#include "frame/Plattform.h"
#include "frame/Windows1252.h"

#include <algorithm>

std::string RichTextBox::Zeilenumbrüche(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            r += '\n';
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else {
            r += s[i];
        }
    }
    return r;
}

std::int32_t RichTextBox::Zeichenzahl(std::string_view utf8) {
    std::int32_t n = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        Windows1252::NächstesZeichen(utf8, pos);
        ++n;
    }
    return n;
}

std::size_t RichTextBox::Byteposition(std::string_view utf8, std::int32_t zeichen) {
    std::size_t pos = 0;
    for (std::int32_t i = 0; i < zeichen && pos < utf8.size(); ++i) Windows1252::NächstesZeichen(utf8, pos);
    return pos;
}

void RichTextBox::geändert() {
    länge_ = Zeichenzahl(text_);
    selStart_ = std::clamp(selStart_, 0, länge_);
    selLength_ = std::clamp(selLength_, 0, länge_ - selStart_);
    ++stand_;
    melden();
}

void RichTextBox::setText(std::string v) {
    text_ = Zeilenumbrüche(v);
    rtf_.clear();
    farben_.clear();
    tabs_.clear();
    selStart_ = 0;
    selLength_ = 0;
    geändert();
}

void RichTextBox::setTextRTF(std::string v) {
    std::string text = Zeilenumbrüche(Plattform::hilfe().Klartext(v));
    setRichText(std::move(v), std::move(text));
}

void RichTextBox::setRichText(std::string rtf, std::string text) {
    rtf_ = std::move(rtf);
    text_ = Zeilenumbrüche(text);
    farben_.clear();
    tabs_.clear();
    selStart_ = 0;
    selLength_ = 0;
    geändert();
}

void RichTextBox::Anhängen(std::string_view s) {
    text_ += Zeilenumbrüche(s);
    selStart_ = Zeichenzahl(text_);
    selLength_ = 0;
    geändert();
}

void RichTextBox::setSelStart(std::int32_t v) {
    v = std::clamp(v, 0, länge_);
    if (v == selStart_ && selLength_ == 0) return;
    selStart_ = v;
    selLength_ = 0;
    melden();
}

void RichTextBox::setSelLength(std::int32_t v) { setze(selLength_, std::clamp(v, 0, länge_ - selStart_)); }

std::string RichTextBox::SelText() const {
    const std::size_t a = Byteposition(text_, selStart_);
    const std::size_t e = Byteposition(text_, selStart_ + selLength_);
    return text_.substr(a, e - a);
}

void RichTextBox::setSelColor(Farbe f) {
    if (selLength_ == 0) return;
    farben_.push_back({selStart_, selLength_, f});
    ++stand_;
    melden();
}

void RichTextBox::setSelTabs(std::vector<std::int32_t> tabs) {
    const std::int32_t länge = selStart_ + selLength_ >= länge_ ? -1 : selLength_;
    tabs_.push_back({selStart_, länge, std::move(tabs)});
    ++stand_;
    melden();
}

std::int32_t RichTextBox::Find(std::string_view s, std::int32_t start) const {
    if (s.empty() || start < 0 || start > länge_) return -1;
    const std::size_t p = text_.find(s, Byteposition(text_, start));
    if (p == std::string::npos) return -1;
    return Zeichenzahl(std::string_view(text_).substr(0, p));
}

void RichTextBox::setFont(std::string name, double size, bool bold) {
    if (name == fontName_ && size == fontSize_ && bold == fontBold_) return;
    fontName_ = std::move(name);
    fontSize_ = size;
    fontBold_ = bold;
    ++stand_;
    melden();
}
