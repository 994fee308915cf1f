// What the customisation dialog offers: the commands by category, in a fixed
// order, each with the image it shows. Built anew each time the dialog opens,
// so that the user tools and macros carry their current names.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where an entry's image comes from: the main toolbar's images (by command), or
// one of the two user-editable files "ScribletTools.bmp" / "ScribletMacros.bmp".
enum class ImageSource { Main, Tools, Macros };

struct CatalogueEntry {
    int id = 0;
    ImageSource source = ImageSource::Main;
    int image = 0;   // index into the source's images
    QString caption; // user tools and macros: their names; else empty (the command's text)
    bool operator==(const CatalogueEntry &) const = default;
};

struct CatalogueCategory {
    QString name;
    QList<CatalogueEntry> entries;
};

namespace CustomiseCatalogue {

// "Standard", "LaTeX", "Einstellungen", "Leisten", "Ansicht", "Benutzer-Programme",
// "Benutzer-Makros" (names from the string table, in the language in force,
// except the first two), with the ten tools and ten macros under the names given.
QList<CatalogueCategory> build(const QStringList &toolNames, const QStringList &macroNames);

} // namespace CustomiseCatalogue
