#include "templates/documentoptions.h"

#include "platform/profile.h"

namespace {

using K = DocumentField::Kind;
using O = DocumentOptions;

const DocumentField Fields[] = {
    {"Global", "Document Class", "DocumentClass", K::List, "article|report|book|letter|slides", "Class",
     &O::documentClass},
    {"Global", "Default Font Size", "FontSize", K::List, "10pt|11pt|12pt", "FontSize", &O::fontSize},
    {"Global", "Language", "Language", K::List, "english|french|german", "Language", &O::language},
    {"Global", "Create Table of Contents", "TableOfContents", K::Check, nullptr, "TOC", &O::tableOfContents},
    {"Global", "Use Input Files", "InputFiles", K::Check, nullptr, "InputFiles", &O::inputFiles},
    {"Global", "Use Graphics", "Graphics", K::Check, nullptr, "Graphics", &O::graphics},
    {"Page", "Paper Size", "PaperSize", K::List, "a4paper|a5paper|b5paper|letterpaper|legalpaper|executivpaper",
     "PaperSize", &O::paperSize},
    {"Page", "Top Margin", "TopMargin", K::Text, nullptr, "TopMargin", &O::topMargin},
    {"Page", "Left Margin", "LeftMargin", K::Text, nullptr, "LeftMargin", &O::leftMargin},
    {"Page", "Text Width", "TextWidth", K::Text, nullptr, "TextWidth", &O::textWidth},
    {"Page", "Text Height", "TextHeight", K::Text, nullptr, "TextHeight", &O::textHeight},
    {"Paragraphs", "Space between Paragraphs", "ParSkip", K::Text, nullptr, "ParSkip", &O::parSkip},
    {"Paragraphs", "Indent Space of First Line", "ParIndent", K::Text, nullptr, "ParIndent", &O::parIndent},
    {"Paragraphs", "Space between Lines", "LineSpace", K::Text, nullptr, "LineSpace", &O::lineSpace},
    {"Layout", "Page Style", "PageStyle", K::List, "plain|empty|headings|myheadings", "PageStyle", &O::pageStyle},
    {"Layout", "Two Sided Layout", "TwoSidedLayout", K::Check, nullptr, "TwoSided", &O::twoSided},
    {"Layout", "Left Header", "LeftHeader", K::Text, nullptr, "LeftHeader", &O::leftHeader},
    {"Layout", "Right Header", "RightHeader", K::Text, nullptr, "RightHeader", &O::rightHeader},
    {"Layout", "Two Columns Layout", "TwoColumnsLayout", K::Check, nullptr, "TwoColumns", &O::twoColumns},
    {"Layout", "Column Separation", "ColumnSeparation", K::Text, nullptr, "ColumnSeparation", &O::columnSeparation},
    {"Layout", "Ruler Size", "RulerSize", K::Text, nullptr, "RulerSize", &O::rulerSize},
    {"Title", "Titel", "Title", K::Text, nullptr, "Title", &O::title},
    {"Title", "Author 1", "Author1", K::Text, nullptr, "Author1", &O::author1},
    {"Title", "Author 2", "Author2", K::Text, nullptr, "Author2", &O::author2},
    {"Title", "Date", "Date", K::Text, nullptr, "Date", &O::date},
};

} // namespace

QStringList DocumentField::valueList() const
{
    return values ? QString::fromLatin1(values).split(QLatin1Char('|')) : QStringList();
}

std::span<const DocumentField> documentFields() { return Fields; }

QStringList documentTabs()
{
    QStringList tabs;
    for (const DocumentField &f : Fields)
        if (!tabs.contains(QLatin1String(f.tab)))
            tabs << QLatin1String(f.tab);
    return tabs;
}

void DocumentOptions::read(const Profile &profile)
{
    readSettingsSection(profile, QLatin1String(DocumentSection), documentFields(), *this);
}

bool DocumentOptions::write(Profile &profile, QString *error) const
{
    return writeSettingsSection(profile, QLatin1String(DocumentSection), documentFields(), *this, error);
}
