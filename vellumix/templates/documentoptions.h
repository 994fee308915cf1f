// The document wizard's fields as one value, and the table that declares each of
// them once: tab page, label, field name (objectName), kind, list values, key in
// section `Document` of the settings file; the default is the member's initialiser.
// Length fields are free text, copied into the source as typed.
#pragma once

#include "common/settingstable.h"

#include <QString>
#include <QStringList>
#include <span>

class Profile;

struct DocumentOptions {
    // Global
    QString documentClass = QStringLiteral("article");
    QString fontSize = QStringLiteral("12pt");
    QString language = QStringLiteral("english");
    bool tableOfContents = false;
    bool inputFiles = false;
    bool graphics = false;
    // Page
    QString paperSize = QStringLiteral("a4paper");
    QString topMargin, leftMargin, textWidth, textHeight;
    // Paragraphs
    QString parSkip, parIndent, lineSpace;
    // Layout
    QString pageStyle = QStringLiteral("plain");
    bool twoSided = false;
    QString leftHeader, rightHeader;
    bool twoColumns = false;
    QString columnSeparation, rulerSize;
    // Title
    QString title, author1, author2, date;

    bool operator==(const DocumentOptions &) const = default;

    // Missing keys keep their defaults.
    void read(const Profile &profile);
    // All fields in one replacement of the file; false (and *error) when it failed.
    bool write(Profile &profile, QString *error = nullptr) const;
};

inline constexpr char DocumentSection[] = "Document";

struct DocumentField {
    enum class Kind { List, Check, Text };  // List: an editable list, any typed value counts
    const char *tab;
    const char *label;
    const char *name;
    Kind kind;
    const char *values;  // List: the values, separated by '|'
    const char *key;
    SettingsMember<DocumentOptions> member;

    QStringList valueList() const;
};

// Every field, by tab page in the order of the pages, and in page order.
std::span<const DocumentField> documentFields();
// The tab pages in order.
QStringList documentTabs();
