// An editor child of the frame: one text file in a plain-text editor.
//
// Minimal form that the frame needs to load, show, save and close documents; the
// full editor (highlighting, find and replace, backups, formats) replaces it with the
// same public interface.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/textcodec.h"

class QPlainTextEdit;
class TFrameForm;

class TEditForm : public QWidget
{
    Q_OBJECT
public:
    explicit TEditForm(TFrameForm *frame, QWidget *parent = nullptr);

    // Loads the file (the text keeps its encoding and line-break style); false when it
    // cannot be read.
    bool loadFromFile(const QString &fileName);
    // Without a file name Save is Save As. False when nothing was written.
    bool save();
    bool saveAs(const QString &fileName);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);
    bool isModified() const;
    void setModified(bool modified);
    // Caret as a character offset into the text.
    int caretPosition() const;
    void setCaretPosition(int position);
    // The save question for a modified text: false when the user cancels.
    bool queryClose();
    // Replaces the selection by before + selection + after and selects the old
    // selection again (the caret stands after before when nothing was selected).
    void insert(const QString &before, const QString &after);
    QPlainTextEdit *editor() const { return m_editor; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool chooseNameAndSave();

    TFrameForm *m_frame;
    QPlainTextEdit *m_editor;
    QString m_fileName;
    TextCodec::Encoding m_encoding = TextCodec::Encoding::Utf8;
    bool m_crlf = false;
};
