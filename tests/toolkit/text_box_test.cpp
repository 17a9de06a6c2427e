// Text boxes and lists that keep a name on one plain line: control
// characters never get into the box, however the text arrives, and a list
// shows every row on one line.

#include "toolkit/list_view.h"
#include "toolkit/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

// One of each kind of control character, with a letter between them.
QString everyKindOfControl()
{
    QString text = QStringLiteral("a");
    for (const char16_t c : {u'\u0000', u'\u0001', u'\t', u'\n', u'\r', u'\u001B', u'\u001F', u'\u007F', u'\u0080',
                             u'\u0085', u'\u009F', u'\u202A', u'\u202B', u'\u202C', u'\u202D', u'\u202E', u'\u2066',
                             u'\u2067', u'\u2068', u'\u2069'})
        text.append(QChar(c));
    return text + QStringLiteral("b");
}

class NameBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.setMaxLength(20);
        box.show();
        box.setFocus();
    }
    void replaceAllByPasting(const QString &clip)
    {
        QGuiApplication::clipboard()->setText(clip);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }
    TextBox box;
};

TEST(ControlCharacters, AreTheC0C1DelSeparatorsAndInvisibleFormatCharacters)
{
    for (char32_t c = 0; c < 0x3000; ++c) {
        const bool control = c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
                             QChar::category(c) == QChar::Other_Format;
        EXPECT_EQ(isControlCharacter(c), control) << std::hex << static_cast<unsigned>(c);
    }
    // The line and paragraph separators, and characters that show nothing:
    // zero-width space, word joiner, byte order mark, the marks of
    // direction, a soft hyphen, a tag.
    for (const char32_t c : {0x2028, 0x2029, 0x200B, 0x2060, 0xFEFF, 0x200E, 0x200F, 0x00AD, 0xE0041})
        EXPECT_TRUE(isControlCharacter(c)) << std::hex << static_cast<unsigned>(c);
    EXPECT_EQ(withoutControlCharacters(everyKindOfControl()), QStringLiteral("ab"));
    EXPECT_EQ(withoutControlCharacters(QStringLiteral("Zoë\u2028 😀\u200E\U000E0041")), QStringLiteral("Zoë 😀"));
}

TEST_F(NameBox, PastedLineBreaksGoBeforeTheLengthCap)
{
    box.setText(QStringLiteral("Player 1"));
    replaceAllByPasting(QStringLiteral("Ann\r\nGame Ended:  forged"));
    EXPECT_EQ(box.text(), QStringLiteral("AnnGame Ended:  forg"));

    replaceAllByPasting(everyKindOfControl());
    EXPECT_EQ(box.text(), QStringLiteral("ab"));
    // Pasted where the cursor stands, as any paste.
    QTest::keyClick(&box, Qt::Key_Left);
    QGuiApplication::clipboard()->setText(QStringLiteral("\u202Enn\n"));
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box.text(), QStringLiteral("annb"));
    // Undo takes the paste back in one step.
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("ab"));
}

TEST_F(NameBox, PasteFromTheContextMenuIsCleanedToo)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("Bea\ttrice\u2066"));
    box.clear();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&box, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("&Paste")))
            paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(box.text(), QStringLiteral("Beatrice"));
}

TEST_F(NameBox, TypedAndCommittedControlsAreRefused)
{
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("Cy"));
    const QString controls = everyKindOfControl().mid(1, everyKindOfControl().size() - 2);
    for (const QChar c : controls) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&box, &press);
    }
    EXPECT_EQ(box.text(), QStringLiteral("Cy"));
    // A key whose text has a printable start keeps only what is printable.
    QKeyEvent mixed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("d\u202Ee\n"));
    QCoreApplication::sendEvent(&box, &mixed);
    EXPECT_EQ(box.text(), QStringLiteral("Cyde"));

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u2067Ω\r\n"));
    QCoreApplication::sendEvent(&box, &commit);
    EXPECT_EQ(box.text(), QStringLiteral("CydeΩ"));

    // Editing keys keep working.
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("Cyde"));
}

TEST_F(NameBox, DroppedTextLosesItsControls)
{
    box.clear();
    QMimeData data;
    data.setText(QStringLiteral("Di\r\nana"));
    const QPointF at(5, box.height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(box.text(), QStringLiteral("Diana"));
}

TEST(ListView, EveryRowShowsOnOneLine)
{
    ListView list;
    list.addColumn(QStringLiteral("Name"), 1810);
    list.resize(200, 120);
    list.addRow(QStringLiteral("Ann\r\nGame Ended:  forged"));
    list.addRow(QStringLiteral("Bob"));
    list.show();
    QAbstractItemDelegate *delegate = list.itemDelegate();
    QStyleOptionViewItem option;
    option.initFrom(&list);
    const QModelIndex first = list.model()->index(0, 0), second = list.model()->index(1, 0);
    EXPECT_EQ(delegate->sizeHint(option, first).height(), delegate->sizeHint(option, second).height());
    EXPECT_EQ(list.visualRect(first).height(), list.visualRect(second).height());
    EXPECT_EQ(list.rowText(1), QStringLiteral("Ann\r\nGame Ended:  forged")) << "the row keeps its text";
}

} // namespace
} // namespace tycora::ui
