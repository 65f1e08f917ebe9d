// A rich-text box on screen: a read-only QTextBrowser that shows a
// RichTextBox state (its rich source, or its plain text with the state's
// font, tab stops and colours) and follows every change of its text or
// formats. A click into the text puts the caret's position into the state's
// selection and then tells the owner (the box's SelChange event).
#pragma once

#include <functional>

class QTextBrowser;
class RichTextBox;

namespace RichTextAnsicht {

// The binding lives as long as both sides.
void binden(RichTextBox& zustand, QTextBrowser* widget, std::function<void()> selChange = {});

} // namespace RichTextAnsicht
