#include "editor/cchildframe.h"

#include "editor/cshelldoc.h"
#include "editor/cshellview.h"

#include <QCloseEvent>
#include <QStyle>

CChildFrame::CChildFrame(CShellDoc *doc, CShellSettings *settings, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_doc(doc)
{
    doc->setParent(this);
    m_view = new CShellView(doc, settings, this);
    setWidget(m_view);
    setAttribute(Qt::WA_DeleteOnClose); // the MDI area's child list owns the window
    setWindowTitle(doc->title());
    setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    connect(doc, &CShellDoc::titleChanged, this, &QWidget::setWindowTitle);
}

void CChildFrame::closeEvent(QCloseEvent *e)
{
    if (m_doc->isModified() && canClose && !canClose(this)) {
        e->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(e);
}
