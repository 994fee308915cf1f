#include "cleanup/tcleanupdlg.h"

#include "cleanup/cleanuphost.h"
#include "platform/profile.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr char CaptionText[] = "Clean Up";
constexpr char CheckAllHint[] = "set all check marks";
constexpr char UncheckAllHint[] = "clears all check marks";
constexpr char ResetHint[] = "sets check marks according entrys in INI (auto saved on program exit)";

QPushButton *makeButton(const QString &text, const QString &name, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(text);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setAccessibleDescription(hint);
    }
    return b;
}
} // namespace

TCleanUpDlg::TCleanUpDlg(const QString &settingsInUse, const QString &perUserSettings, bool settingsAvailable,
                         CleanUpHost *host, QWidget *parent)
    : QDialog(parent)
    , m_settingsInUse(settingsInUse)
    , m_perUserSettings(perUserSettings)
    , m_settingsAvailable(settingsAvailable)
    , m_host(host)
{
    setObjectName(QStringLiteral("CleanUpDlg"));
    setWindowTitle(QLatin1String(CaptionText));
    setAccessibleName(QLatin1String(CaptionText));

    auto *grid = new QGridLayout;
    constexpr int rows = CleanUp::KindCount / 2;
    for (int i = 0; i < CleanUp::KindCount; ++i) {
        const QString caption = QLatin1String(CleanUp::Kinds[i].caption);
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(caption + QLatin1String("Check"));
        box->setAccessibleName(caption);
        box->setToolTip(QLatin1String(CleanUp::Kinds[i].pattern));
        grid->addWidget(box, i % rows, i / rows);
        m_boxes[i] = box;
    }

    auto *ok = makeButton(QStringLiteral("OK"), QStringLiteral("OKBtn"), {}, this);
    ok->setDefault(true);
    auto *cancel = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelBtn"), {}, this);
    auto *checkAllBtn = makeButton(QStringLiteral("Check all"), QStringLiteral("CheckAllBtn"),
                                   QLatin1String(CheckAllHint), this);
    auto *uncheckAllBtn = makeButton(QStringLiteral("Uncheck all"), QStringLiteral("UncheckAllBtn"),
                                     QLatin1String(UncheckAllHint), this);
    auto *resetBtn = makeButton(QStringLiteral("Reset"), QStringLiteral("ResetBtn"), QLatin1String(ResetHint), this);
    connect(ok, &QPushButton::clicked, this, &TCleanUpDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &TCleanUpDlg::reject);
    connect(checkAllBtn, &QPushButton::clicked, this, &TCleanUpDlg::checkAll);
    connect(uncheckAllBtn, &QPushButton::clicked, this, &TCleanUpDlg::uncheckAll);
    connect(resetBtn, &QPushButton::clicked, this, &TCleanUpDlg::reset);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {ok, cancel, checkAllBtn, uncheckAllBtn, resetBtn})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    reset();
}

TCleanUpDlg::~TCleanUpDlg()
{
    writeSettings();
}

CleanUp::Marks TCleanUpDlg::marks() const
{
    CleanUp::Marks m{};
    for (int i = 0; i < CleanUp::KindCount; ++i)
        m[i] = m_boxes[i]->isChecked();
    return m;
}

void TCleanUpDlg::setMarks(const CleanUp::Marks &marks)
{
    for (int i = 0; i < CleanUp::KindCount; ++i)
        m_boxes[i]->setChecked(marks[i]);
}

QString TCleanUpDlg::directory() const
{
    return m_host ? m_host->cleanUpDirectory() : QDir::currentPath();
}

void TCleanUpDlg::writeSettings()
{
    if (m_written || !m_settingsAvailable || m_perUserSettings.isEmpty())
        return;
    m_written = true;
    Profile profile(m_perUserSettings);
    CleanUp::writeMarks(profile, marks());
}

void TCleanUpDlg::checkAll()
{
    CleanUp::Marks m;
    m.fill(true);
    setMarks(m);
}

void TCleanUpDlg::uncheckAll()
{
    setMarks(CleanUp::Marks{});
}

void TCleanUpDlg::reset()
{
    if (m_settingsInUse.isEmpty()) {
        uncheckAll();
        return;
    }
    setMarks(CleanUp::readMarks(Profile(m_settingsInUse)));
}

void TCleanUpDlg::accept()
{
    m_lastDeleted = CleanUp::deleteMarked(directory(), marks());
    if (m_host)
        m_host->filesDeleted(m_lastDeleted);
    QDialog::accept();
}
