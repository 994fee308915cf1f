// A prompter for Scriblet's benchmarks: nobody is there to answer, so every
// question is declined and nothing is shown.
#pragma once

#include "common/prompter.h"

class SilentPrompter : public Prompter
{
public:
    void message(const QString &, Icon, const QString &) override {}
    Answer question(const QString &, bool) override { return Answer::No; }
    int choose(const QString &, const QString &, const QStringList &, int, int escapeIndex) override
    {
        return escapeIndex;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QStringList openFileNames(const QString &, const QString &, const QString &) override { return {}; }
    QString openProgramName(const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &, Overwrite) override
    {
        return {};
    }
    bool chooseFont(QFont *) override { return false; }
    bool chooseColour(QColor *) override { return false; }
    bool askProjectName(QString *) override { return false; }
    int chooseLanguage() override { return 0; }
    void showInformation() override {}
    void showAbout() override {}
    void beep() override {}
};
