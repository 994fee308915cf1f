// The appearance dialog: the editor background colour and the font of each of the
// seven highlighting classes, with a live preview. It edits a copy; OK hands the copy
// to the caller, Cancel drops it.
#pragma once

#include "common/tokenclass.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <functional>

class QPushButton;
class QTextEdit;
class TEditForm;

class TAppearanceDialog : public QDialog {
    Q_OBJECT
public:
    // Pickers return false when the user cancels; tests replace them.
    using FontPicker = std::function<bool(QWidget *parent, ClassFont &font)>;
    using ColorPicker = std::function<bool(QWidget *parent, QColor &color)>;

    explicit TAppearanceDialog(QWidget *parent = nullptr);

    void setAppearance(const ClassFonts &fonts, const QColor &background);
    ClassFonts fonts() const { return m_fonts; }
    QColor backgroundColor() const { return m_background; }

    void setFontPicker(FontPicker picker) { m_fontPicker = std::move(picker); }
    void setColorPicker(ColorPicker picker) { m_colorPicker = std::move(picker); }

    // Shows the dialog modally with a copy of fonts and background; on OK writes the
    // result back and returns true.
    bool edit(ClassFonts &fonts, QColor &background);

    // After the frame has taken the new fonts: recolours every editor, each keeping
    // its modified flag.
    static void applyToEditors(const QList<TEditForm *> &editors);

    QTextEdit *preview() const { return m_preview; }
    // The ten lines of the preview.
    static QStringList previewLines();
    // Highlights the preview with the dialog's fonts; the caret goes to the start.
    void highlightPreview();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void chooseFont(TokenClass cls);
    void chooseBackground();

    ClassFonts m_fonts;
    QColor m_background = Qt::white;
    QTextEdit *m_preview = nullptr;
    FontPicker m_fontPicker;
    ColorPicker m_colorPicker;
};
