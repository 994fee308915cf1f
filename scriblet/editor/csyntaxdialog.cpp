#include "editor/csyntaxdialog.h"

#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "editor/editorfont.h"
#include "resources/okcancelbox.h"
#include "resources/strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The list's entries in their order, with the colour each one selects.
const ColourIndex EntryColours[ColourCount] = {ColourCommands, ColourSquareBrackets, ColourCurlyBraces, ColourComment,
                                               ColourMathMode, ColourNormalText,     ColourBackground};

} // namespace

CSyntaxDialog::CSyntaxDialog(CShellSettings &settings, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("CSyntaxDialog"));
    setWindowTitle(Str::text(Str::SyntaxTitle));
    auto *outer = new QVBoxLayout(this);

    m_switch = new QCheckBox(Str::text(Str::SyntaxCheck), this);
    m_switch->setObjectName(QStringLiteral("SyntaxCheck"));
    m_switch->setChecked(m_settings.syntaxHighlighting != 0);
    outer->addWidget(m_switch);

    auto *row = new QHBoxLayout;
    m_entries = new QComboBox(this);
    m_entries->setObjectName(QStringLiteral("ColourList"));
    m_entries->setAccessibleName(Str::text(Str::SyntaxEntryList));
    for (int i = 0; i < ColourCount; ++i)
        m_entries->addItem(Str::text(Str::SyntaxEntryCommands + i));
    row->addWidget(m_entries, 1);
    m_sample = new QLabel(this);
    m_sample->setObjectName(QStringLiteral("ColourSample"));
    m_sample->setFixedSize(24, 16);
    m_sample->setFrameShape(QFrame::Box);
    m_sample->setAutoFillBackground(true);
    row->addWidget(m_sample);
    outer->addLayout(row);

    auto *buttons = new QHBoxLayout;
    m_default = new QPushButton(Str::text(Str::SyntaxDefault), this);
    m_default->setObjectName(QStringLiteral("DefaultBtn"));
    m_colour = new QPushButton(Str::text(Str::SyntaxColour), this);
    m_colour->setObjectName(QStringLiteral("ColourBtn"));
    buttons->addWidget(m_default);
    buttons->addWidget(m_colour);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    outer->addWidget(okCancelBox(this));

    connect(m_switch, &QCheckBox::toggled, this, &CSyntaxDialog::setSwitch);
    connect(m_entries, &QComboBox::currentIndexChanged, this, &CSyntaxDialog::showSample);
    connect(m_default, &QPushButton::clicked, this, &CSyntaxDialog::restoreDefaults);
    connect(m_colour, &QPushButton::clicked, this, &CSyntaxDialog::chooseColour);
    setSwitch(m_switch->isChecked());
    showSample();
}

int CSyntaxDialog::colourOfEntry(int row) { return row >= 0 && row < ColourCount ? EntryColours[row] : -1; }

void CSyntaxDialog::setSwitch(bool on)
{
    m_settings.syntaxHighlighting = on ? 1 : 0;
    m_entries->setEnabled(on);
    m_default->setEnabled(on);
    m_colour->setEnabled(on);
    m_sample->setEnabled(on);
}

void CSyntaxDialog::chooseColour()
{
    const int index = colourOfEntry(m_entries->currentIndex());
    if (index < 0)
        return;
    QColor c = EditorFontConv::toQColor(m_settings.colours[index]);
    if (!m_prompter.chooseColour(&c) || !c.isValid())
        return;
    m_settings.colours[index] = EditorFontConv::fromQColor(c);
    showSample();
}

void CSyntaxDialog::restoreDefaults()
{
    for (int i = 0; i < ColourCount; ++i)
        m_settings.colours[i] = CShellSettings::defaultColour(ColourIndex(i));
    showSample();
}

void CSyntaxDialog::showSample()
{
    const int index = colourOfEntry(m_entries->currentIndex());
    if (index < 0)
        return;
    QPalette p = m_sample->palette();
    p.setColor(QPalette::Window, EditorFontConv::toQColor(m_settings.colours[index]));
    m_sample->setPalette(p);
}
