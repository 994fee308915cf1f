// MDI child window holding one document and its view. It owns the document; the
// window title follows the document's title (bare file name, " *" while modified).
#pragma once

#include <QMdiSubWindow>
#include <functional>

class CShellDoc;
class CShellView;
class CShellSettings;

class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT
public:
    CChildFrame(CShellDoc *doc, CShellSettings *settings, QWidget *parent = nullptr);

    CShellDoc *doc() const { return m_doc; }
    CShellView *view() const { return m_view; }

    // Asked before the window closes while its document is modified; false keeps
    // it open. Set by the main frame (save / don't save / cancel).
    std::function<bool(CChildFrame *)> canClose;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    CShellDoc *m_doc;
    CShellView *m_view;
};
