#include "app/caboutdlg.h"

#include "app/hyperlinkopener.h"
#include "resources/strings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog853"));
    setWindowTitle(Str::text(Str::AboutTitle));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(this);
    title->setTextFormat(Qt::RichText);
    title->setText(QStringLiteral("<b>%1</b>").arg(Str::text(Str::AboutHeading).toHtmlEscaped()));
    layout->addWidget(title);
    const QStringList links = {QStringLiteral("https://www.ctan.org/"), QStringLiteral("https://www.latex-project.org/")};
    const int ids[] = {1046, 1045};
    for (int i = 0; i < links.size(); ++i) {
        auto *l = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(links[i]), this);
        l->setObjectName(QStringLiteral("link%1").arg(ids[i]));
        l->setAccessibleName(links[i]);
        l->setCursor(Qt::PointingHandCursor);
        l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(l, &QLabel::linkActivated, this, [this](const QString &url) {
            const int result = HyperlinkOpener().open(url);
            if (result != HyperlinkOpener::Opened)
                QMessageBox::warning(this, Str::text(Str::AppName), HyperlinkOpener::failureMessage(result));
        });
        layout->addWidget(l);
    }
    auto *text = new QPlainTextEdit(Str::text(Str::Licence), this);
    text->setObjectName(QStringLiteral("text1056"));
    text->setAccessibleName(Str::text(Str::LicenceName));
    text->setReadOnly(true);
    layout->addWidget(text);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(box);
}
