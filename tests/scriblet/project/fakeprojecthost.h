// A ProjectHost that answers from prepared values and records what it was asked.
#pragma once

#include "project/projecthost.h"

#include <QList>
#include <QString>
#include <QStringList>

struct OpenedDocument {
    QString path;
    int line = 0;
    QString searchText;
    QString command;
};

class FakeProjectHost : public ProjectHost
{
public:
    void showMessage(const QString &text) override { messages << text; }
    bool askYesNo(const QString &text) override
    {
        questions << text;
        return answerYes;
    }
    QString getOpenFileName(const QString &title, const QString &filter) override
    {
        dialogTitles << title;
        dialogFilters << filter;
        return openFileName;
    }
    QStringList getOpenFileNames(const QString &title, const QString &filter) override
    {
        dialogTitles << title;
        dialogFilters << filter;
        return openFileNames;
    }
    QString getSaveFileName(const QString &title, const QString &filter, const QString &defaultSuffix,
                            const QString &proposedName) override
    {
        dialogTitles << title;
        dialogFilters << filter;
        saveSuffix = defaultSuffix;
        proposedNames << proposedName;
        return saveFileName;
    }
    bool askProjectName(QString *name) override
    {
        ++nameDialogs;
        if (!nameAccepted)
            return false;
        *name = projectName;
        return true;
    }
    bool openDocument(const QString &path, int line, const QString &searchText, const QString &command) override
    {
        opened.append({path, line, searchText, command});
        return true;
    }
    void setMainDocument(const QString &maintex, const QString &mainpath) override
    {
        this->maintex = maintex;
        this->mainpath = mainpath;
        ++mainDocumentWrites;
    }
    void clearMainDocument() override
    {
        maintex.clear();
        ++mainDocumentWrites;
    }
    void setMainDocumentStatus(const QString &text) override { status = text; }
    void raiseNeedsTexRun() override { ++needsTexRun; }
    QStringList umlautReplacements() const override { return umlauts; }

    // Answers.
    bool answerYes = false;
    QString openFileName;
    QStringList openFileNames;
    QString saveFileName;
    bool nameAccepted = true;
    QString projectName;
    QStringList umlauts{"\"a", "\"A", "\"o", "\"O", "\"u", "\"U", "\"s"};

    // Records.
    QStringList messages;
    QStringList questions;
    QStringList dialogTitles;
    QStringList dialogFilters;
    QStringList proposedNames;
    QString saveSuffix;
    int nameDialogs = 0;
    QList<OpenedDocument> opened;
    QString maintex;
    QString mainpath;
    int mainDocumentWrites = 0;
    QString status;
    int needsTexRun = 0;
};
