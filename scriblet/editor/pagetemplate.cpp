#include "editor/pagetemplate.h"

#include "editor/cshelldoc.h"

namespace PageTemplate {

namespace {

QString replaceFirst(QString text, const QString &placeholder, const QString &with)
{
    const qsizetype at = text.indexOf(placeholder);
    if (at >= 0)
        text.replace(at, placeholder.size(), with);
    return text;
}

} // namespace

QString expand(const QString &templ, int page, const QString &docName)
{
    // The page number goes in first, so that an "&f" inside it cannot arise and a
    // name holding "&p" stays as it is.
    const QString withPage = replaceFirst(templ, QStringLiteral("&p"), QString::number(page));
    return replaceFirst(withPage, QStringLiteral("&f"), docName);
}

QString documentName(const CShellDoc &doc) { return doc.isUntitled() ? doc.fileTitle() : doc.path(); }

} // namespace PageTemplate
