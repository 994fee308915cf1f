// The printed header and footer lines: templates with "&p" for the page number
// and "&f" for the document's name.
#pragma once

#include <QString>

class CShellDoc;

namespace PageTemplate {

// Replaces the first "&p" with the page number (decimal), then the first "&f" in
// the result with docName; everything else stays as written.
QString expand(const QString &templ, int page, const QString &docName);

// The name "&f" stands for: the full path, or the title of a document that has
// no file yet (without the modified mark).
QString documentName(const CShellDoc &doc);

} // namespace PageTemplate
