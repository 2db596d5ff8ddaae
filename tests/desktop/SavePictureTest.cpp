#include "desktop/ThemeColours.h"
#include "tests/desktop/FormFixture.h"
#include "tests/desktop/Pixels.h"
#include "tests/support/WorkedValues.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace quorvel {
namespace {

using testing::greenPixel;
using testing::hasColourNear;

class SavePictureOnWindow : public testing::FormFixture {
protected:
    // Distance 250 and frequency 1, drawn whole.
    const nlohmann::json& run()
    {
        click("op250");
        click("cmdStart");
        return testing::workedSettings()[2];
    }

    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    std::string svg() { return form.model().pictureSvg(themeColours(form)); }

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Ctrl+S with a name typed into the dialog; a question that follows is answered and its
    // text returned.
    QString saveAs(const QString& typed, QMessageBox::StandardButton answer)
    {
        QString asked;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->setDirectory(folder.path());
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(answer)->click();
            }
        });
        activate();
        watch.start(10);
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        return asked;
    }

    QTemporaryDir folder;
};

// Saving during a run takes the picture so far and the run goes on. The ending chooses the
// format, in capitals too; an SVG holds the core's document with the window's colours, and a PNG
// the picture with its labels and no buttons, at the pixel ratio.
TEST_F(SavePictureOnWindow, SavingDuringARunTakesThePictureSoFarAndEachEndingGivesItsFormat)
{
    QString problem = QStringLiteral("not saved");
    std::string atThatPause;
    onPause = [&](std::chrono::nanoseconds) {
        if (pauses.size() == 10) {
            problem = form.savePicture(path("halfway.svg"));
            atThatPause = svg();
        }
    };
    const auto& setting = run();
    EXPECT_EQ(problem, QString());
    EXPECT_EQ(contents(path("halfway.svg")).toStdString(), atThatPause);
    EXPECT_NE(atThatPause, svg()) << "the run went on after the save";
    EXPECT_EQ(pauses.size(), 30u);
    EXPECT_EQ(finishedRuns, 1);

    for (const char* name : {"picture.svg", "upper.SVG"}) {
        ASSERT_EQ(form.savePicture(path(name)), QString());
        EXPECT_EQ(contents(path(name)).toStdString(), svg()) << name;
    }
    ASSERT_EQ(form.savePicture(path("x.jpg")), QString());
    EXPECT_TRUE(contents(path("x.jpg")).startsWith("\xff\xd8\xff")) << "JPEG data";
    ASSERT_EQ(form.savePicture(path("picture.png")), QString());
    QImage saved;
    ASSERT_TRUE(saved.loadFromData(contents(path("picture.png")), "PNG"));
    const qreal ratio = form.surface().picture().devicePixelRatio();
    EXPECT_EQ(saved.size(), QSize(800, 581) * ratio);
    const auto& sum = setting["checkPixels"]["sumVector"];
    EXPECT_TRUE(hasColourNear(saved, QPoint(sum[0].get<int>(), sum[1].get<int>()) * ratio, greenPixel));

    auto* label = find<QLabel>("labSoucet");
    ASSERT_TRUE(label->isVisible());
    const QImage caption = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.copy(QRect(label->pos() * ratio, caption.size())), caption) << "the label as shown";
    // The picture, not the button over it.
    const QRect start(find("cmdStart")->pos() * ratio, find("cmdStart")->size() * ratio);
    QImage under(start.size(), QImage::Format_RGB32);
    under.fill(form.palette().color(QPalette::Window));
    QPainter(&under).drawImage(0, 0, form.surface().picture().copy(start));
    EXPECT_EQ(saved.copy(start), under);
}

// A missing folder, a full disk (the device stays a device), a folder where the file should be,
// an ending of no format offered, and a write cut short by a file-size limit, as a full disk cuts
// it where no disk can be filled: each message names the file and why, and nothing is left.
TEST_F(SavePictureOnWindow, AFileThatCannotBeWrittenGivesAMessageNamingItAndWhyAndLeavesNothing)
{
    run();
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const QString tooLarge = path("big.png");
    for (const auto& [where, why] : {std::pair(QStringLiteral("/nonexistent/dir/x.png"), QStringLiteral("No such file or directory")),
                                     {QStringLiteral("/dev/full"), QStringLiteral("No space left on device")}, {folder.path(), QString()},
                                     {path("x.gif"), QStringLiteral(".png, .svg or .jpg")}, {tooLarge, QStringLiteral("File too large")}}) {
        if (where == tooLarge) {
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        const QString problem = form.savePicture(where);
        EXPECT_TRUE(problem.contains(where) && problem.contains(why)) << problem.toStdString();
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    for (const QString& left : {QStringLiteral("/nonexistent/dir/x.png"), path("x.gif"), tooLarge})
        EXPECT_FALSE(QFileInfo::exists(left)) << left.toStdString();
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
    EXPECT_EQ(QDir(QStringLiteral("/dev")).entryList({QStringLiteral("full.*")}, QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());
}

TEST_F(SavePictureOnWindow, TheDialogAsksToReplaceTheFileItWillWriteAndTakesANameAsTypedAndCtrlCCopies)
{
    run();
    QFile old(path("lesson1.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    EXPECT_EQ(saveAs(QStringLiteral("lesson1"), QMessageBox::No), QStringLiteral("lesson1.png already exists. Do you want to replace it?"));
    EXPECT_EQ(contents(path("lesson1.png")), QByteArray("old"));
    saveAs(QStringLiteral("lesson1"), QMessageBox::Yes);
    EXPECT_TRUE(contents(path("lesson1.png")).startsWith("\x89PNG"));

    EXPECT_EQ(saveAs(QStringLiteral("q1\"x\".png"), QMessageBox::Yes), QString()) << "a new name asks nothing";
    EXPECT_TRUE(contents(path("q1\"x\".png")).startsWith("\x89PNG"));
    EXPECT_FALSE(QFileInfo::exists(path("x.png")));

    // Ctrl+C copies the picture as an image and as SVG.
    activate();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    ASSERT_TRUE(copied->hasImage());
    const QImage shown = form.shownPicture();
    QImage image = qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32);
    // The clipboard keeps the pixels, not the ratio they were made at.
    image.setDevicePixelRatio(shown.devicePixelRatio());
    EXPECT_EQ(image, shown);
    EXPECT_EQ(copied->data(QStringLiteral("image/svg+xml")).toStdString(), svg());
}

}  // namespace
}  // namespace quorvel
