// The editor form on the screen with a recording host, for the form's tests.
#pragma once

#include "editor/teditform.h"

#include "vellumixfixture.h"
#include "testsupport.h"

#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>

inline char classLetter(TokenClass c) { return "scpqrdm"[int(c)]; }

class EditFormFixture : public testsupport::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        form = std::make_unique<TEditForm>(&host);
        form->resize(600, 400);
    }
    void TearDown() override
    {
        form.reset();
        TempDirTest::TearDown();
    }
    std::string classes() const
    {
        std::string s;
        const QString text = form->plainText();
        for (int i = 0; i < text.size(); ++i)
            s += classLetter(form->classAt(i));
        return s;
    }
    void type(const QString &text) { QTest::keyClicks(form->editor(), text); }
    // Lets the background work (the rest of a file, the colours) finish.
    void settle() { ASSERT_TRUE(waitUntil([&] { return !form->isLoading() && form->highlightingDone(); })); }
    void typeEnter() { QTest::keyClick(form->editor(), Qt::Key_Return); }
    void load(const QByteArray &bytes, OpenFormat format = OpenFormat::Plain)
    {
        testsupport::writeFile(path("doc.tex"), bytes);
        ASSERT_TRUE(form->loadFromFile(path("doc.tex"), format));
    }
    void select(int start, int end)
    {
        QTextCursor c = form->editor()->textCursor();
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        form->editor()->setTextCursor(c);
    }

    RecordingEditorHost host;
    ScriptedPrompter &prompter = host.prompts;
    std::unique_ptr<TEditForm> form;
};
