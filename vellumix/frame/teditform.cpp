#include "frame/teditform.h"

#include "frame/tframeform.h"
#include "platform/paths.h"
#include "platform/savefile.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

TEditForm::TEditForm(TFrameForm *frame, QWidget *parent)
    : QWidget(parent), m_frame(frame), m_editor(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("EditForm"));
    m_editor->setObjectName(QStringLiteral("Editor"));
    m_editor->setAccessibleName(QStringLiteral("Text"));
    m_editor->setTabChangesFocus(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    setFocusProxy(m_editor);
    if (m_frame) {
        m_editor->setLineWrapMode(m_frame->settings().wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        m_editor->setFont(m_frame->classFont(TokenClass::Standard));
    }
}

bool TEditForm::loadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    m_crlf = bytes.contains("\r\n");
    QString text = TextCodec::decodeDetected(bytes, &m_encoding);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_editor->setPlainText(text);
    setFileName(QFileInfo(fileName).absoluteFilePath());
    setModified(false);
    return true;
}

bool TEditForm::save()
{
    if (m_fileName.isEmpty())
        return chooseNameAndSave();
    QString text = m_editor->toPlainText();
    if (m_crlf)
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    bool lossless = true;
    QByteArray bytes = TextCodec::encode(text, m_encoding, &lossless);
    if (!lossless) {
        // A character the file's encoding cannot hold is never dropped: write UTF-8.
        m_encoding = TextCodec::Encoding::Utf8;
        bytes = TextCodec::encode(text, m_encoding);
    }
    QString error;
    if (!SaveFile::write(m_fileName, bytes, &error)) {
        if (m_frame)
            m_frame->prompter()->showError(error);
        return false;
    }
    setModified(false);
    return true;
}

bool TEditForm::saveAs(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    const QString old = m_fileName;
    setFileName(QFileInfo(fileName).absoluteFilePath());
    if (save())
        return true;
    setFileName(old);
    return false;
}

bool TEditForm::chooseNameAndSave()
{
    if (!m_frame)
        return false;
    int filter = 1;
    QString name = m_frame->prompter()->chooseSaveFile(QStringLiteral("Save As"),
                                                        QStringLiteral("TeX Files (*.tex)|*.tex"),
                                                        QStringLiteral("tex"), m_fileName, &filter);
    if (name.isEmpty())
        return false;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".tex");
    if (!m_fileName.isEmpty())
        m_frame->addRecent(m_fileName);
    if (!saveAs(name))
        return false;
    m_frame->replaceFirstRecent(m_fileName);
    return true;
}

void TEditForm::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    if (!fileName.isEmpty())
        setWindowTitle(Paths::fileNamePart(fileName));
}

bool TEditForm::isModified() const { return m_editor->document()->isModified(); }
void TEditForm::setModified(bool modified) { m_editor->document()->setModified(modified); }

int TEditForm::caretPosition() const { return m_editor->textCursor().position(); }

void TEditForm::setCaretPosition(int position)
{
    QTextCursor c = m_editor->textCursor();
    c.setPosition(qBound(0, position, m_editor->document()->characterCount() - 1));
    m_editor->setTextCursor(c);
}

bool TEditForm::queryClose()
{
    if (!isModified() || !m_frame)
        return true;
    switch (m_frame->prompter()->askYesNoCancel(QStringLiteral("Save changes to \"%1\"?").arg(windowTitle()))) {
    case Prompter::Answer::Yes: return save();
    case Prompter::Answer::No: return true;
    default: return false;
    }
}

void TEditForm::insert(const QString &before, const QString &after)
{
    QTextCursor c = m_editor->textCursor();
    const int start = c.selectionStart();
    const QString selected = c.selectedText();
    c.insertText(before + selected + after);
    c.setPosition(start + int(before.size()));
    c.setPosition(start + int(before.size() + selected.size()), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(c);
}

void TEditForm::closeEvent(QCloseEvent *event)
{
    if (queryClose())
        event->accept();
    else
        event->ignore();
}
