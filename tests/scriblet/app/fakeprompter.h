// Prompter for tests: records what was shown and answers from queues.
#pragma once

#include "app/prompter.h"

#include <QStringList>

class FakePrompter : public Prompter
{
public:
    QStringList messages;
    QStringList questions;
    QStringList saveAnswers; // next save-dialog answers; empty answer = cancel
    QStringList openAnswers;
    Answer questionAnswer = Answer::No;
    int language = 0;
    int languageAsked = 0;
    int informationShown = 0;
    int aboutShown = 0;
    int beeps = 0;
    int saveDialogs = 0;

    void message(const QString &text, Icon, const QString &) override { messages << text; }
    Answer question(const QString &text, bool) override
    {
        questions << text;
        return questionAnswer;
    }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        ++saveDialogs;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    int chooseLanguage() override
    {
        ++languageAsked;
        return language;
    }
    void showInformation() override { ++informationShown; }
    void showAbout() override { ++aboutShown; }
    void beep() override { ++beeps; }
};
