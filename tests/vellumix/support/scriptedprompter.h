// A Prompter for widget tests: answers come from queues, questions are recorded.
#pragma once

#include "common/prompter.h"

#include <QList>
#include <QStringList>

class ScriptedPrompter : public Prompter
{
public:
    QList<Answer> answers;       // for askYesNoCancel / askRetryCancel; Cancel when empty
    QStringList files;           // for the file dialogs; cancelled when empty
    QList<int> filterIndexes;    // chosen filter per file answer (1 when missing)
    QStringList asked;           // every question, error, warning and information text
    QStringList errors;
    QStringList dialogTitles;

    Answer askYesNoCancel(const QString &text) override { return next(text); }
    Answer askRetryCancel(const QString &text) override { return next(text); }
    void showError(const QString &text) override
    {
        asked << text;
        errors << text;
    }
    void showWarning(const QString &text) override { asked << text; }
    void showInformation(const QString &text) override { asked << text; }
    QString chooseOpenFile(const QString &title, const QString &, const QString &, int *filterIndex) override
    {
        return nextFile(title, filterIndex);
    }
    QString chooseSaveFile(const QString &title, const QString &, const QString &, const QString &, int *filterIndex) override
    {
        return nextFile(title, filterIndex);
    }

private:
    Answer next(const QString &text)
    {
        asked << text;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    QString nextFile(const QString &title, int *filterIndex)
    {
        dialogTitles << title;
        if (files.isEmpty())
            return QString();
        if (filterIndex)
            *filterIndex = filterIndexes.isEmpty() ? 1 : filterIndexes.takeFirst();
        return files.takeFirst();
    }
};
