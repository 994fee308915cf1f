#include "app/languagecommands.h"

#include "app/cmainframe.h"
#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "editor/editorcommands.h"
#include "resources/actiontext.h"
#include "resources/language.h"
#include "resources/strings.h"
#include "tools/toolcommands.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QStatusBar>

namespace {
const int Commands[3] = {Cmd::LanguageGerman, Cmd::LanguageEnglish, Cmd::LanguageFrench};
const int Names[3] = {Str::LanguageGerman, Str::LanguageEnglish, Str::LanguageFrench};
} // namespace

LanguageCommands::LanguageCommands(CMainFrame *frame)
    : QObject(frame)
    , m_frame(frame)
{
    setObjectName(QStringLiteral("LanguageCommands"));
    QMenu *settings = frame->menu(QStringLiteral("menuSettings"));
    settings->addSeparator();
    QMenu *languages = settings->addMenu(QString());
    languages->setObjectName(QStringLiteral("menuLanguage"));
    languages->menuAction()->setObjectName(QStringLiteral("menuLanguageAction"));
    ActionText::set(languages->menuAction(), Str::MenuLanguage);
    for (int i = 0; i < 3; ++i) {
        // A language's own name in every language: captions without accelerators.
        QAction *a = frame->addCommand(Commands[i], QString(), Names[i], Commands[i]);
        a->setCheckable(true);
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { switchTo(i); });
        m_actions[i] = a;
    }
    updateChecks();
}

QAction *LanguageCommands::action(int index) const
{
    return index >= 0 && index < 3 ? m_actions[index] : nullptr;
}

void LanguageCommands::updateChecks()
{
    const int current = m_frame->settings()->language;
    for (int i = 0; i < 3; ++i) {
        m_actions[i]->setChecked(i == current);
        m_actions[i]->setEnabled(i != current);
    }
}

bool LanguageCommands::switchTo(int index)
{
    CShellSettings *settings = m_frame->settings();
    QString message;
    const bool ok = Language::activate(index, settings->languageDir, &message);
    // The choice is stored even when its file is missing: the next start tries it
    // again (and says so again), while this session goes on in German.
    settings->setLanguage(index);
    settings->language = Language::active();
    retranslateAll();
    updateChecks();
    // Umlaut conversion belongs to German typing only.
    if (QAction *umlauts = m_frame->action(Cmd::UmlautSettings))
        umlauts->setEnabled(settings->language == Language::German);
    if (ToolCommands *tools = m_frame->toolCommands())
        tools->updateUserToolTexts();
    if (EditorCommands *editor = m_frame->editorCommands())
        editor->updateMacroCaptions();
    m_frame->statusBar()->showMessage(ok ? Str::text(Str::Ready) : message);
    return ok;
}

void LanguageCommands::retranslateAll()
{
    // Synchronously, so that every text is set again before the command returns.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        QEvent e(QEvent::LanguageChange);
        QCoreApplication::sendEvent(w, &e);
    }
}
