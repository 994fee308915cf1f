#include "editor/tappearancedialog.h"

#include "common/classformats.h"
#include "editor/highlighter.h"
#include "editor/teditform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

bool pickFont(QWidget *parent, ClassFont &font)
{
    const QFont initial = ClassFormats::fontOf(font);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Font"));
    if (!ok)
        return false;
    font.face = chosen.family();
    font.size = chosen.pointSize() > 0 ? chosen.pointSize() : font.size;
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    font.strikeOut = chosen.strikeOut();
    // The font dialog of this platform has no colour: the colour picker follows.
    const QColor color = QColorDialog::getColor(font.color, parent, QStringLiteral("Font Colour"));
    if (color.isValid())
        font.color = color;
    return true;
}

bool pickColor(QWidget *parent, QColor &color)
{
    const QColor chosen = QColorDialog::getColor(color, parent, QStringLiteral("Background"));
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

} // namespace

TAppearanceDialog::TAppearanceDialog(QWidget *parent)
    : QDialog(parent), m_fontPicker(pickFont), m_colorPicker(pickColor)
{
    setObjectName(QStringLiteral("AppearanceDialog"));
    setWindowTitle(QStringLiteral("Appearance"));

    struct ButtonDef {
        const char *name;
        const char *text;
        int cls; // -1: background
    };
    static const ButtonDef defs[] = {
        {"BackgroundBtn", "Background...", -1},
        {"StandardBtn", "Standard...", int(TokenClass::Standard)},
        {"TeXBtn", "TeX...", int(TokenClass::TexCommand)},
        {"CommentsBtn", "Comments...", int(TokenClass::Comment)},
        {"ParenthesisBtn", "{ }...", int(TokenClass::Parenthesis)},
        {"SquareBracketBtn", "[ ]...", int(TokenClass::SquareBracket)},
        {"RoundBracketBtn", "( )...", int(TokenClass::RoundBracket)},
        {"DollarBtn", "$...", int(TokenClass::Dollar)},
    };
    auto *buttons = new QVBoxLayout;
    for (const ButtonDef &d : defs) {
        auto *b = new QPushButton(QString::fromUtf8(d.text), this);
        b->setObjectName(QLatin1String(d.name));
        b->setAccessibleName(b->text());
        const int cls = d.cls;
        connect(b, &QPushButton::clicked, this, [this, cls] {
            if (cls < 0)
                chooseBackground();
            else
                chooseFont(TokenClass(cls));
        });
        buttons->addWidget(b);
    }
    buttons->addStretch();

    m_preview = new QTextEdit(this);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setAccessibleName(QStringLiteral("Preview"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QTextEdit::NoWrap);
    QFont previewFont(QStringLiteral("MS Sans Serif"));
    previewFont.setPixelSize(18);
    m_preview->setFont(previewFont);
    m_preview->setMinimumSize(420, 260);

    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = box->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setAccessibleName(QStringLiteral("OK"));
    QPushButton *cancel = box->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addLayout(buttons, 0, 0);
    grid->addWidget(m_preview, 0, 1);
    grid->addWidget(box, 1, 0, 1, 2);
    highlightPreview();
}

QStringList TAppearanceDialog::previewLines()
{
    return {
        QStringLiteral("% Demo to show general appearance "),
        QStringLiteral("\\documentclass[12pt]{article}"),
        QStringLiteral("\\begin{document}"),
        QString(),
        QStringLiteral("Have you ever wondered why you are"),
        QStringLiteral("on this earth (Yes, exactly this) and in "),
        QStringLiteral("this time where $e=mc^2$?"),
        QStringLiteral("Strange coincident, isn't it?"),
        QString(),
        QStringLiteral("\\end{document}"),
    };
}

void TAppearanceDialog::setAppearance(const ClassFonts &fonts, const QColor &background)
{
    m_fonts = fonts;
    m_background = background;
    highlightPreview();
}

void TAppearanceDialog::highlightPreview()
{
    const QString text = previewLines().join(QLatin1Char('\n'));
    const ClassFormats formats(m_fonts);
    QPalette pal = m_preview->palette();
    pal.setColor(QPalette::Base, m_background);
    m_preview->setPalette(pal);
    QTextDocument *doc = m_preview->document();
    doc->clear();
    QTextCursor c(doc);
    c.beginEditBlock();
    for (const ClassRun &r : Highlighter::previewRuns(text))
        c.insertText(text.mid(r.start, r.length), formats.format(r.cls));
    c.endEditBlock();
    c.setPosition(0);
    m_preview->setTextCursor(c);
}

void TAppearanceDialog::chooseFont(TokenClass cls)
{
    ClassFont font = m_fonts[size_t(cls)];
    if (m_fontPicker && m_fontPicker(this, font)) {
        m_fonts[size_t(cls)] = font;
        highlightPreview();
    }
}

void TAppearanceDialog::chooseBackground()
{
    QColor color = m_background;
    if (m_colorPicker && m_colorPicker(this, color)) {
        m_background = color;
        highlightPreview();
    }
}

bool TAppearanceDialog::edit(ClassFonts &fonts, QColor &background)
{
    setAppearance(fonts, background);
    if (exec() != QDialog::Accepted)
        return false;
    fonts = m_fonts;
    background = m_background;
    return true;
}

void TAppearanceDialog::applyToEditors(const QList<TEditForm *> &editors)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (TEditForm *e : editors)
        if (e)
            e->refreshAppearance();
    QApplication::restoreOverrideCursor();
}

void TAppearanceDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        highlightPreview();
    QDialog::changeEvent(event);
}

void TAppearanceDialog::showEvent(QShowEvent *event)
{
    highlightPreview();
    QDialog::showEvent(event);
}
