#include "ui/toolkit/art.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/runtime_services.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace tycora::ui {
namespace {

TEST(InstanceLock, ASecondCopyIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tycora.lock");
    int first = -1, second = -1;
    ASSERT_TRUE(takeInstanceLock(path, &first));
    EXPECT_FALSE(takeInstanceLock(path, &second));
    ::close(first);
    ASSERT_TRUE(takeInstanceLock(path, &second));
    ::close(second);
}

TEST(InstanceLock, AKilledCopyLeavesNoStaleLock)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tycora.lock");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int fd = -1;
        const char ok = takeInstanceLock(path, &fd) ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    int fd = -1;
    EXPECT_FALSE(takeInstanceLock(path, &fd));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(takeInstanceLock(path, &fd));
    ::close(fd);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(SystemServices, CommandLineAndRandomAndFiles)
{
    char program[] = "tycora", a[] = "/fast", b[] = "Debug";
    char *argv[] = {program, a, b, nullptr};
    SystemServices services(3, argv);
    EXPECT_EQ(services.commandLine(), "/fast Debug");
    for (int i = 0; i < 1000; ++i) {
        const double r = services.random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(services.appendToFile(dir.filePath("x.txt"), "a\r\n", &error));
    EXPECT_TRUE(services.appendToFile(dir.filePath("x.txt"), "b\r\n", &error));
    QFile f(dir.filePath("x.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("a\r\nb\r\n"));
    EXPECT_FALSE(services.appendToFile(dir.filePath("missing/x.txt"), "a", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(localDateTimeText().isEmpty());
}

TEST(ScriptedMessageBoxes, RecordsAndAnswers)
{
    ScriptedMessageBoxes boxes;
    boxes.answers = {MsgAnswer::Yes};
    EXPECT_EQ(boxes.show(nullptr, "Sure?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(boxes.show(nullptr, "Sure?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    EXPECT_EQ(boxes.show(nullptr, "Not Done", MsgButtons::Ok, MsgIcon::Critical), MsgAnswer::Ok);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[2].title, "Tycora");
}

// Presses a key in the message box as soon as it is open, and notes what the
// box showed.
struct KeyInBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    void press(Qt::Key key)
    {
        QTimer::singleShot(0, [this, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, key);
        });
    }
};

TEST(QtMessageBoxes, QuestionsAnswerToYAndNAndOkToReturn)
{
    QtMessageBoxes boxes;
    KeyInBox user;
    user.press(Qt::Key_Y);
    EXPECT_EQ(boxes.show(nullptr, "Buy it?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(user.title, "Tycora");
    EXPECT_EQ(user.text, "Buy it?");
    EXPECT_EQ(user.icon, QMessageBox::Question);
    user.press(Qt::Key_N);
    EXPECT_EQ(boxes.show(nullptr, "Buy it?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    user.press(Qt::Key_Escape);
    EXPECT_EQ(boxes.show(nullptr, "Buy it?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    user.press(Qt::Key_Return);
    EXPECT_EQ(boxes.show(nullptr, "Only 1 Tycora At A Time!", MsgButtons::Ok, MsgIcon::Exclamation), MsgAnswer::Ok);
    EXPECT_EQ(user.icon, QMessageBox::Warning);
}

TEST(Art, RendersCrispAtTwiceTheDensity)
{
    const Art disc("disc", QSize(14, 14), [](QPainter &p, const QRectF &r) {
        p.setBrush(Qt::blue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(r);
    });
    const QImage one = disc.image(QSize(14, 14), 1.0);
    const QImage two = disc.image(QSize(14, 14), 2.0);
    EXPECT_EQ(one.size(), QSize(14, 14));
    EXPECT_EQ(two.size(), QSize(28, 28));
    EXPECT_EQ(two.pixelColor(14, 14), QColor(Qt::blue));
    EXPECT_EQ(two.pixelColor(0, 0).alpha(), 0);
    // Drawn anew at the higher density, not blown up from the small one.
    EXPECT_NE(two, one.scaled(28, 28));
}

} // namespace
} // namespace tycora::ui
