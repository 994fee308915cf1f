#include "app/helpwindow.h"

#include "platform/saferead.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Vellumix Help"));
    setAccessibleName(windowTitle());
    setModal(false);
    resize(720, 560);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setAccessibleName(windowTitle());
    m_browser->setOpenExternalLinks(true);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(close, 0, Qt::AlignRight);
}

bool HelpWindow::showFile(const QString &path, QString *error)
{
    QByteArray bytes;
    FileError failure;
    // A help text is small; a huge or odd file is refused, never read whole.
    if (!SafeRead::readRegularFile(path, 4 * 1024 * 1024, &bytes, &failure)) {
        if (error)
            *error = failure.message();
        return false;
    }
    m_browser->setMarkdown(QString::fromUtf8(bytes));
    setWindowTitle(QStringLiteral("Vellumix Help - ") + QFileInfo(path).fileName());
    show();
    raise();
    activateWindow();
    return true;
}
