// Scriblet's command line and the hand-over message a later start sends to the
// running instance.
//
// Switches begin with '-' or '/', compare exactly and case-sensitively: "p" project,
// "m" main document, "l" line number, "c" file (which a plain parameter is anyway).
// A parameter ending in "sbp" always announces a project.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CShellCommandLineInfo
{
public:
    QString projectPath;
    QString mainDocPath;
    QString filePath;
    int lineNumber = 0; // 0 = none; lines count from 1
    // A received message whose names cannot be told apart (see fromHandOver).
    bool ambiguous = false;

    // Parses the parameters (without the program name).
    void parse(const QStringList &args);
    // One parameter, as the framework hands them over.
    void parseParam(const QString &param, bool isSwitch);

    // "%s;%s;%s;%i" with project, main document, file and line, plus the
    // terminating NUL byte. When a name holds ';' the fields go in the second
    // form instead: FieldsMarker, then the four fields each ended by a NUL byte (no
    // name can hold one). A receiver that knows only the first form reads the
    // second as an empty message (it ends at the first NUL byte).
    QByteArray handOverMessage() const;
    // Reads either form. The first is split at ';' into the four fields; everything
    // from the first NUL byte on is ignored, missing fields stay empty (line 0), the
    // line is read as atoi would; more than four fields mean that a name held ';'
    // and the message is marked ambiguous. Bytes are read as UTF-8, else as
    // Windows-1252.
    static CShellCommandLineInfo fromHandOver(const QByteArray &message);
    static const QByteArray FieldsMarker;

private:
    bool m_nextIsProject = false;
    bool m_nextIsMainDoc = false;
    bool m_nextIsLine = false;
};
