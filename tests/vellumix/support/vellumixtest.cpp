// VellumixTest's frame: only the widget tests link it.
#include "vellumixfixture.h"

#include "app/tframeform.h"
#include "editor/teditform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QTimer>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

VellumixTest::VellumixTest() = default;

VellumixTest::~VellumixTest() = default;

void VellumixTest::SetUp()
{
    TempDirTest::SetUp();
    m_oldCwd = QDir::currentPath();
    QDir().mkpath(path("prog"));
    QDir::setCurrent(path());
}

void VellumixTest::TearDown()
{
    m_frame.reset();
    QDir::setCurrent(m_oldCwd);
    TempDirTest::TearDown();
}

TFrameForm &VellumixTest::frame()
{
    if (!m_frame)
        m_frame = std::make_unique<TFrameForm>(path("prog"), &prompter);
    return *m_frame;
}

void VellumixTest::restart()
{
    m_frame.reset();
    frame().restoreAtStartUp();
}

bool VellumixTest::showFrameActive()
{
    frame().show();
    frame().activateWindow();
    return QTest::qWaitForWindowActive(&frame());
}

bool VellumixTest::closeFrame()
{
    QCloseEvent ev;
    QApplication::sendEvent(&frame(), &ev);
    return ev.isAccepted();
}

QMenu *VellumixTest::menu(const QString &objectName)
{
    return frame().menuBar()->findChild<QMenu *>(objectName);
}

QAction *VellumixTest::action(const QString &objectName)
{
    // The items of the menu bar (the editors' context menus have items of the same names).
    for (QMenu *m : frame().menuBar()->findChildren<QMenu *>())
        for (QAction *a : m->actions())
            if (a->objectName() == objectName)
                return a;
    for (QAction *a : frame().menuBar()->actions())
        if (a->objectName() == objectName)
            return a;
    return nullptr;
}

void VellumixTest::trigger(const char *objectName)
{
    QAction *a = action(QString::fromLatin1(objectName));
    ASSERT_NE(a, nullptr) << objectName;
    a->trigger();
}

TEditForm *VellumixTest::editorWith(const QString &text, int from, int to)
{
    trigger("New1");
    TEditForm *e = frame().activeEditor();
    e->editor()->setPlainText(text);
    QTextCursor c = e->editor()->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    e->editor()->setTextCursor(c);
    return e;
}

QString VellumixTest::selection(TEditForm *e)
{
    return e->editor()->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

TEditForm *VellumixTest::chooseMainFile(const QByteArray &text)
{
    testsupport::writeFile(path("doc/paper.tex"), text);
    prompter.files << path("doc/paper.tex");
    trigger("MainFile1");
    return frame().activeEditor();
}

bool VellumixTest::waitForLatex(const QString &stem)
{
    return waitUntil([&] { return testsupport::readAll(stem + ".log").contains("Output written on"); });
}

QStringList VellumixTest::listing(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void onNextModal(const std::function<void(QDialog *)> &f)
{
    QTimer::singleShot(0, [f] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no modal dialog";
        f(dialog);
    });
}
