// The view's picture to keep: saved as shown, at print size, copied; written
// whole or not at all.

#include "ConfigInvariants.h"
#include "DialogCounter.h"
#include "FrameCapture.h"
#include "GLView.h"
#include "ImageCompare.h"
#include "PictureFile.h"
#include "ct_ogl1.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

#include <sys/resource.h>
#include <unistd.h>

namespace {

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(ShowAndExpose(box));
        ASSERT_TRUE(ActivateForKeys(box));
        QCoreApplication::processEvents();
        // Pictures show the view as it is moved.
        box.Config().Pan = {2.5, -1.5};
        before = box.Config();
        shown = CaptureFrame(box);
    }

    // Answers the file dialog with a path; remembers what it suggested.
    void ChooseFile(const QString& path)
    {
        dialogs.Answer([this, path](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr) << "expected the file dialog";
            suggested = files->selectedFiles().value(0);
            // Typed into the name field, which has the focus by now.
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(files)->accept();
        });
    }

    QAction* Action(const QString& text) const
    {
        for (QAction* action : box.actions())
            if (action->text() == text)
                return action;
        ADD_FAILURE() << "no action " << text.toStdString();
        return nullptr;
    }

    // Neither the configuration nor the view changed.
    void ExpectUntouched()
    {
        EXPECT_EQ(ChangedGroups(before, box.Config()), 0u);
        EXPECT_TRUE(ImagesMatch(CaptureFrame(box), shown, QStringLiteral("picture-view-after")));
    }

    QStringList FilesInFolder() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir folder;
    TOpenGL_box box;
    DialogCounter dialogs;
    WheelConfig before;
    QImage shown;
    QString suggested;
};

// Names chosen in the save dialog, one save each, in this order, and what
// each leaves behind: a file in the format its name says, or a message with
// its cause and no file.
struct SaveCase {
    QString path;         // in the test's folder unless absolute
    const char* format;   // null when nothing may be written
    const char* message;  // part of the message shown; null for none
};

TEST_F(Pictures, EachSaveWritesWhatItsNameSaysOrTellsWhyNot)
{
    // Root writes anywhere a mode allows; sysfs takes no new files from anyone.
    QString unwritable = QStringLiteral("/sys");
    if (geteuid() != 0) {
        unwritable = folder.filePath(QStringLiteral("nur-lesen"));
        ASSERT_TRUE(QDir().mkdir(unwritable));
        ASSERT_TRUE(QFile::setPermissions(unwritable, QFile::ReadOwner | QFile::ExeOwner));
    }
    const SaveCase saves[] = {
        {QStringLiteral("rad.png"), "png", nullptr},
        {QStringLiteral("rad.JPG"), "jpeg", nullptr},
        {QStringLiteral("rad.bmp"), nullptr, "„rad.bmp“ wurde nicht gespeichert"},
        // /proc exists and takes no files; its files block a reader for good.
        {QStringLiteral("/proc/rad.png"), nullptr, "„/proc“ gespeichert werden: in diesem Ordner lassen sich keine"},
        {unwritable + QStringLiteral("/rad.png"), nullptr, "keine Berechtigung"},
    };
    QString home = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QFileInfo(home).isDir())
        home = QDir::homePath();
    QString lastSaved = home;
    for (const SaveCase& save : saves) {
        SCOPED_TRACE(save.path.toStdString());
        const QString path = QDir(folder.path()).filePath(save.path);
        dialogs.Answer([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr) << "expected the file dialog";
            suggested = files->selectedFiles().value(0);
            // Listed and drawn with every file's icon and type.
            files->setViewMode(QFileDialog::Detail);
            const QString where = QFileInfo(path).absolutePath();
            if (files->directory().absolutePath() != where) {
                QSignalSpy listed(files->findChild<QFileSystemModel*>(), &QFileSystemModel::directoryLoaded);
                files->setDirectory(where);
                EXPECT_TRUE(ServeUntil([&listed] { return listed.count() > 0; }));
            }
            files->grab();
            // Typed into the name field, which has the focus by now.
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(files)->accept();
        });
        const int messages = dialogs.Count();
        // The window is active again once the last dialog has gone.
        ASSERT_TRUE(ActivateForKeys(box));
        QTest::keyClick(&box, Qt::Key_S, Qt::ControlModifier);
        ASSERT_TRUE(dialogs.AllAnswered()) << "no file dialog opened";
        EXPECT_EQ(suggested, QDir(lastSaved).filePath(QStringLiteral("6J x 15 H2 ET34.png")));
        if (!save.format) {
            ASSERT_EQ(dialogs.Count(), messages + 1);
            EXPECT_TRUE(dialogs.MessageTexts().constLast().contains(QString::fromUtf8(save.message)))
                << dialogs.MessageTexts().constLast().toStdString();
            EXPECT_FALSE(QFileInfo::exists(path));
            continue;
        }
        EXPECT_EQ(dialogs.Count(), messages) << dialogs.MessageTexts().join(QLatin1Char('\n')).toStdString();
        lastSaved = folder.path();
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), save.format);
        const QImage saved = reader.read();
        EXPECT_FALSE(saved.hasAlphaChannel());
        if (reader.format() == "png") {
            EXPECT_EQ(reader.text(QStringLiteral("Title")), QStringLiteral("6J x 15 H2 ET34"));
            EXPECT_TRUE(reader.text(QStringLiteral("Software")).startsWith(QLatin1String("MarloQuent")));
            EXPECT_TRUE(ImagesMatch(saved, shown, QStringLiteral("picture-saved")));
        }
    }
    EXPECT_EQ(FilesInFolder(), (QStringList{QStringLiteral("rad.JPG"), QStringLiteral("rad.png")}));
    ExpectUntouched();
}

TEST_F(Pictures, PrintSizeIsLargerWithTheSameFraming)
{
    const int width = 3 * shown.width();
    QString question;
    dialogs.Answer([width, &question](QWidget* dialog) {
        auto* ask = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(ask, nullptr) << "expected the question for the width";
        ask->setIntValue(width);
        question = ask->labelText();
        // Room for the whole title beside the title bar's buttons.
        EXPECT_GT(ask->width(), ask->fontMetrics().horizontalAdvance(ask->windowTitle()) + 100);
        ask->accept();
    });
    const QString path = folder.filePath(QStringLiteral("druck.png"));
    ChooseFile(path);
    // From the view's context menu, as a user would.
    QTest::mouseClick(box.View(), Qt::RightButton, {}, QPoint(50, 50));
    auto* menu = box.findChild<QMenu*>(QStringLiteral("ViewMenu"));
    ASSERT_TRUE(menu && menu->isVisible());
    QElapsedTimer clock;
    clock.start();
    Action(QStringLiteral("Bild in Druckgröße speichern …"))->trigger();
    std::cout << "print size " << width << " px wide, dialogs answered at once: " << clock.elapsed() << " ms"
              << std::endl;
    EXPECT_TRUE(CloseWindow(*menu));
    EXPECT_EQ(dialogs.Count(), 0) << dialogs.MessageTexts().join(QLatin1Char('\n')).toStdString();

    // The range, and the printed size at 300 dpi, in the user's numbers.
    const QLocale locale;
    const QString printed = locale.toString(width / 300.0 * 2.54, 'f', 1) + QStringLiteral(" × ") +
                            locale.toString(3 * shown.height() / 300.0 * 2.54, 'f', 1) + QStringLiteral(" cm");
    EXPECT_TRUE(question.contains(QStringLiteral("von %1 bis").arg(shown.width()))) << question.toStdString();
    EXPECT_TRUE(question.contains(printed)) << question.toStdString();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("6J x 15 H2 ET34 (Druck %1 px).png").arg(width)))
        << suggested.toStdString();

    const QImage print(path);
    ASSERT_FALSE(print.isNull());
    EXPECT_EQ(print.size(), QSize(width, 3 * shown.height()));
    EXPECT_EQ(print.dotsPerMeterX(), 11811);
    EXPECT_EQ(print.dotsPerMeterY(), 11811);
    // Brought back to the view's size, it is the view's picture: the framing is the same.
    const QImage small = print.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_TRUE(ImagesMatch(small, shown, QStringLiteral("picture-print-size-scaled-down"), 40,
                            shown.width() * shown.height() / 50));
    ExpectUntouched();
}

TEST_F(Pictures, ACancelledDialogWritesNothingAndSaysNothing)
{
    dialogs.Answer([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    QTest::keyClick(&box, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(dialogs.AllAnswered());
    EXPECT_EQ(dialogs.Count(), 0);
    EXPECT_TRUE(FilesInFolder().isEmpty());
    ExpectUntouched();
}

TEST_F(Pictures, AWriteThatFailsMidwayLeavesNoPartOfTheFileAndKeepsAnOldOne)
{
    // Files may grow to 4 KiB only: the PNG fails partway, as on a full disk.
    struct rlimit previous {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    const QString fresh = folder.filePath(QStringLiteral("neu.png"));
    const QString kept = folder.filePath(QStringLiteral("alt.png"));
    {
        QFile old(kept);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the picture saved earlier");
    }
    const QString freshCause = WritePicture(shown, fresh, QStringLiteral("6J x 15 H2 ET34"));
    const QString keptCause = WritePicture(shown, kept, QStringLiteral("6J x 15 H2 ET34"));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(freshCause, QStringLiteral("die Datei wäre größer, als erlaubt ist"));
    EXPECT_EQ(keptCause, freshCause);
    EXPECT_EQ(FilesInFolder(), QStringList{QStringLiteral("alt.png")}) << "a part of the picture was left";
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the picture saved earlier"));
}

TEST_F(Pictures, CopyPutsThePictureAsShownOnTheClipboard)
{
    // A Wayland compositor takes a selection only with the serial of real
    // input, which a headless one never delivers.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "the clipboard needs real input on Wayland";
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(ImagesMatch(QGuiApplication::clipboard()->image(), shown, QStringLiteral("picture-copied")));
    ExpectUntouched();
}

}  // namespace
