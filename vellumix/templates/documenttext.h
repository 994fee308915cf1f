// The document wizard's texts: the preamble and front matter that go before the
// selection, and the closing part that goes after it, so that a selected body
// becomes a whole document. Line breaks are CR LF.
#pragma once

#include <QString>

struct DocumentOptions;

namespace DocumentText {

QString before(const DocumentOptions &o);
// With input files the caret, placed after the before-text, stands inside "\input{"
// before the word "filename".
QString after(const DocumentOptions &o);

} // namespace DocumentText
