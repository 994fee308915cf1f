// The real file dialogs behind the prompter, driven as a user would.
#include "common/dialogprompter.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// Picks name in the next file dialog, under the filter with the 1-based index.
QString pickInOpenDialog(const QString &name, int filter)
{
    QTimer::singleShot(0, [name] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    DialogPrompter prompter(nullptr);
    int index = filter;
    return prompter.chooseOpenFile(QStringLiteral("Open File"),
                                   QStringLiteral("TeX Files (*.tex)|*.tex|All Files (*.*)|*.*"),
                                   QStringLiteral("tex"), &index);
}

} // namespace

TEST(DialogPrompterTest, OpenTakesTheChosenNameAsItIs)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("README")));
    touch(dir.filePath(QStringLiteral("README.tex")));
    touch(dir.filePath(QStringLiteral("chapter.tex")));
    // A file without extension opens as it is, even where a .tex of that name exists.
    EXPECT_EQ(pickInOpenDialog(dir.filePath(QStringLiteral("README")), 2), dir.filePath(QStringLiteral("README")));
    EXPECT_EQ(pickInOpenDialog(dir.filePath(QStringLiteral("chapter.tex")), 1),
              dir.filePath(QStringLiteral("chapter.tex")));
}
