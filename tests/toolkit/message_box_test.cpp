// The real message boxes as a person meets them: wide enough for their
// title, the desktop's standard icons, the right default button, and boxes
// that are asked without waiting and answer through a callback.

#include "toolkit/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace tycora::ui {
namespace {

// What an open box showed, read as soon as it is open, before a key
// answers it.
struct OpenBox {
    QString title;
    int width = 0;
    QImage icon;
    QString defaultButton;
    Qt::WindowModality modality = Qt::NonModal;
};

// Presses a key in the modal box as soon as it is open.
OpenBox *pressWhenOpen(Qt::Key key)
{
    auto *seen = new OpenBox;
    QTimer::singleShot(0, [seen, key] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen->title = box->windowTitle();
        seen->width = box->width();
        seen->icon = box->iconPixmap().toImage();
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen->modality = box->windowModality();
        QTest::keyClick(box, key);
    });
    return seen;
}

// The width a title bar needs for the title in a bold face of the usual
// title size, with room for three buttons.
int titleNeeds(const QString &title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 3 * 24;
}

TEST(QtMessageBoxes, AreWideEnoughForTheirTitleAndNeverNarrow)
{
    QtMessageBoxes boxes;
    std::unique_ptr<OpenBox> seen(pressWhenOpen(Qt::Key_Return));
    boxes.show(nullptr, QStringLiteral("Not Done"), MsgButtons::Ok, MsgIcon::Critical);
    EXPECT_EQ(seen->title, QStringLiteral("Tycora"));
    EXPECT_GE(seen->width, 300);
    EXPECT_GE(seen->width, titleNeeds(seen->title));

    // A long title widens a box with a short text.
    const QString longTitle = QStringLiteral("Tycora: a title far longer than the text of the box it names");
    seen.reset(pressWhenOpen(Qt::Key_Return));
    boxes.show(nullptr, QStringLiteral("Not Done"), MsgButtons::Ok, MsgIcon::None, longTitle);
    EXPECT_EQ(seen->title, longTitle);
    EXPECT_GE(seen->width, titleNeeds(longTitle));
}

TEST(QtMessageBoxes, ShowTheDesktopsStandardIcons)
{
    QtMessageBoxes boxes;
    QStyle *style = QApplication::style();
    const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize);
    const struct {
        MsgIcon icon;
        QStyle::StandardPixmap standard;
    } kinds[] = {{MsgIcon::Exclamation, QStyle::SP_MessageBoxWarning},
                 {MsgIcon::Question, QStyle::SP_MessageBoxQuestion},
                 {MsgIcon::Critical, QStyle::SP_MessageBoxCritical}};
    for (const auto &kind : kinds) {
        std::unique_ptr<OpenBox> seen(pressWhenOpen(Qt::Key_Return));
        boxes.show(nullptr, QStringLiteral("Only 1 Tycora At A Time!"), MsgButtons::Ok, kind.icon);
        const QImage expected = style->standardIcon(kind.standard).pixmap(QSize(size, size)).toImage();
        ASSERT_FALSE(seen->icon.isNull());
        EXPECT_EQ(seen->icon.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32))
            << static_cast<int>(kind.icon);
    }
    std::unique_ptr<OpenBox> seen(pressWhenOpen(Qt::Key_Return));
    boxes.show(nullptr, QStringLiteral("Ann has landed on Chance."), MsgButtons::Ok, MsgIcon::None);
    EXPECT_TRUE(seen->icon.isNull()) << "no icon where none is asked for";
}

TEST(QtMessageBoxes, ReturnPressesTheDefaultAnswerAndYStillSaysYes)
{
    QtMessageBoxes boxes;
    const QString purchase = QStringLiteral("Ann, do you want to purchase Old Kent Road for £60?");
    std::unique_ptr<OpenBox> seen(pressWhenOpen(Qt::Key_Return));
    EXPECT_EQ(boxes.show(nullptr, purchase, MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(seen->defaultButton, QStringLiteral("&Yes"));

    const QString quit = QStringLiteral("Are you sure you want to Quit?");
    seen.reset(pressWhenOpen(Qt::Key_Return));
    EXPECT_EQ(boxes.show(nullptr, quit, MsgButtons::YesNo, MsgIcon::Question, ApplicationTitle, MsgAnswer::No),
              MsgAnswer::No);
    EXPECT_EQ(seen->defaultButton, QStringLiteral("&No"));
    seen.reset(pressWhenOpen(Qt::Key_Y));
    EXPECT_EQ(boxes.show(nullptr, quit, MsgButtons::YesNo, MsgIcon::Question, ApplicationTitle, MsgAnswer::No),
              MsgAnswer::Yes);
    seen.reset(pressWhenOpen(Qt::Key_Enter));
    EXPECT_EQ(boxes.show(nullptr, quit, MsgButtons::YesNo, MsgIcon::Question, ApplicationTitle, MsgAnswer::No),
              MsgAnswer::No);
}

class AskedBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        window.show();
    }
    QMessageBox *openBox() const { return window.findChild<QMessageBox *>(); }
    // Lets the answer, which is delivered after the answering event, arrive.
    static void deliver() { QCoreApplication::sendPostedEvents(); }

    QWidget window;
    QtMessageBoxes boxes;
    std::vector<MsgAnswer> answers;
    std::function<void(MsgAnswer)> record = [this](MsgAnswer a) { answers.push_back(a); };
};

TEST_F(AskedBox, OpensWithoutWaitingAndAnswersOnce)
{
    const QString purchase = QStringLiteral("Ann, do you want to purchase Old Kent Road for £60?");
    boxes.ask(&window, purchase, MsgButtons::YesNo, MsgIcon::Question, record);
    // Back at once, with the box open over its window and no answer yet.
    QMessageBox *box = openBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->text(), purchase);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Tycora"));
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_GE(box->width(), 300);
    deliver();
    EXPECT_TRUE(answers.empty());

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(answers.empty()) << "the answer waits until the key is handled";
    deliver();
    EXPECT_EQ(answers, (std::vector<MsgAnswer>{MsgAnswer::Yes}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openBox(), nullptr) << "the box is gone once answered";
    deliver();
    EXPECT_EQ(answers.size(), 1u);
}

TEST_F(AskedBox, AnswersNoToEscapeToNAndToADefaultNo)
{
    boxes.ask(&window, QStringLiteral("Buy it?"), MsgButtons::YesNo, MsgIcon::Question, record);
    QTest::keyClick(openBox(), Qt::Key_Escape);
    deliver();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    boxes.ask(&window, QStringLiteral("Are you sure you want to Quit?"), MsgButtons::YesNo, MsgIcon::Question, record,
              ApplicationTitle, MsgAnswer::No);
    QTest::keyClick(openBox(), Qt::Key_Return);
    deliver();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    boxes.ask(&window, QStringLiteral("Not Done"), MsgButtons::Ok, MsgIcon::Critical, record);
    QTest::mouseClick(openBox()->button(QMessageBox::Ok), Qt::LeftButton);
    deliver();
    EXPECT_EQ(answers, (std::vector<MsgAnswer>{MsgAnswer::No, MsgAnswer::No, MsgAnswer::Ok}));
}

TEST_F(AskedBox, TheAnswerMayCloseTheWindowThatAsked)
{
    auto *owner = new QWidget;
    owner->show();
    bool answered = false;
    boxes.ask(owner, QStringLiteral("Buy it?"), MsgButtons::YesNo, MsgIcon::Question, [&](MsgAnswer) {
        answered = true;
        delete owner;
    });
    auto *box = owner->findChild<QMessageBox *>();
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    deliver();
    EXPECT_TRUE(answered);
}

TEST(ScriptedMessageBoxes, AskedBoxesAreRecordedAndAnsweredAtOnce)
{
    ScriptedMessageBoxes boxes;
    boxes.answers = {MsgAnswer::Yes};
    std::vector<std::string> events;
    boxes.whileOpen = [&](const ScriptedMessageBoxes::Shown &box) {
        events.push_back("open " + box.text.toStdString());
    };
    const auto note = [&](MsgAnswer a) { events.push_back(a == MsgAnswer::Yes ? "yes" : a == MsgAnswer::No ? "no" : "ok"); };
    boxes.ask(nullptr, QStringLiteral("Buy it?"), MsgButtons::YesNo, MsgIcon::Question, note);
    boxes.ask(nullptr, QStringLiteral("Quit?"), MsgButtons::YesNo, MsgIcon::Question, note, ApplicationTitle,
              MsgAnswer::No);
    boxes.show(nullptr, QStringLiteral("Not Done"), MsgButtons::Ok, MsgIcon::Critical);
    EXPECT_EQ(events, (std::vector<std::string>{"open Buy it?", "yes", "open Quit?", "no", "open Not Done"}));
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_TRUE(boxes.shown[0].asked);
    EXPECT_EQ(boxes.shown[0].defaultAnswer, MsgAnswer::Yes);
    EXPECT_EQ(boxes.shown[1].defaultAnswer, MsgAnswer::No);
    EXPECT_FALSE(boxes.shown[2].asked);
    EXPECT_EQ(boxes.shown[2].title, QStringLiteral("Tycora"));
}

} // namespace
} // namespace tycora::ui
