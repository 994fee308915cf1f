// The fields of the "Insert Graphics" and "Insert Image" dialogs as values, the
// tables that declare each field once (label, objectName, kind, list values, key in
// the dialog's settings section, null when not stored), and the figure texts that
// OK inserts. Line breaks are CR LF.
#pragma once

#include "common/settingstable.h"

#include <QString>
#include <QStringList>
#include <span>

class Profile;

template<typename Record> struct FigureField {
    enum class Kind { List, File, Text };  // File: a name with "Browse..."
    const char *label;
    const char *name;
    Kind kind;
    const char *values;  // List: separated by '|'
    const char *key;     // null: not stored
    SettingsMember<Record> member;

    QStringList valueList() const
    {
        return values ? QString::fromLatin1(values).split(QLatin1Char('|')) : QStringList();
    }
};

struct GraphicsOptions {
    QString position = QStringLiteral("default");
    QString fileName;
    QString xImageSize = QStringLiteral("6cm");
    QString yImageSize = QStringLiteral("6cm");
    QString title;
    bool operator==(const GraphicsOptions &) const = default;

    static constexpr char Caption[] = "Insert Graphics";
    static constexpr char Section[] = "GraphicsDialog";
    static constexpr char Filter[] = "Encapsulated Postsript (*.eps)|*.eps|Windows Bitmap (*.bmp)|*.bmp|"
                                     "All Files (*.*)|*.*";
    static constexpr char HelpTopic[] = "InsertGraphicsDlg";
    static std::span<const FigureField<GraphicsOptions>> fields();

    void read(const Profile &profile);
    bool write(Profile &profile, QString *error = nullptr) const;
    // The figure with an included graphics file; position "here", "top", "bottom" and
    // "own page" become [h], [t], [b] and [p], anything else no option.
    QString text() const;
};

struct ImageOptions {
    QString action = QStringLiteral("center");
    QString fileName;
    QString xPaperSize = QStringLiteral("\\the\\hsize");
    QString yPaperSize = QStringLiteral("6cm");
    QString xImageSize = QStringLiteral("6cm");
    QString yImageSize = QStringLiteral("6cm");
    QString latexHeight = QStringLiteral("7cm");
    QString title;
    bool operator==(const ImageOptions &) const = default;

    static constexpr char Caption[] = "Insert Image";
    static constexpr char Section[] = "ImageDialog";
    static constexpr char Filter[] = "Windows Bitmap (*.bmp)|*.bmp|Windows Metafile (*.wmf)|*.wmf|"
                                     "All Files (*.*)|*.*";
    static constexpr char HelpTopic[] = "InsertImageDlg";
    static std::span<const FigureField<ImageOptions>> fields();

    void read(const Profile &profile);
    bool write(Profile &profile, QString *error = nullptr) const;
    // The figure placed by a DVI special, with the space LaTeX keeps for it.
    QString text() const;
};

// The title of the file dialog behind "Browse...".
inline constexpr char SelectImageTitle[] = "Select Image";
