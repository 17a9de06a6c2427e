#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/image_combo.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

Art square(const QString &name, QColor colour)
{
    return Art(name, QSize(10, 10), [colour](QPainter &p, const QRectF &r) { p.fillRect(r, colour); });
}

TEST(Twips, FifteenTwipsAPixel)
{
    EXPECT_EQ(px(15345), 1023);
    EXPECT_EQ(px(11070), 738);
    EXPECT_EQ(px(7), 0);
    EXPECT_EQ(px(8), 1);
    EXPECT_EQ(px(-15), -1);
    EXPECT_EQ(twips(646), 9690);
    EXPECT_EQ(rectFromTwips(240, 255, 1155, 1155), QRect(16, 17, 77, 77));
}

TEST(ControlArray, HoldsOnlyTheIndexesItWasGiven)
{
    QWidget parent;
    ControlArray<Picture> imgHouse1;
    for (int i : {0, 1, 4})
        imgHouse1.add(i, new Picture(&parent, i));
    EXPECT_EQ(imgHouse1.count(), 3);
    EXPECT_NE(imgHouse1(4), nullptr);
    EXPECT_EQ(imgHouse1(5), nullptr);
    EXPECT_EQ(imgHouse1(-1), nullptr);
    EXPECT_EQ(imgHouse1.indexes(), (std::vector<int>{0, 1, 4}));
}

TEST(Picture, CopiedPicturesAreTheSamePictureAndDrawStretched)
{
    QWidget parent;
    Picture source(&parent), target(&parent, 7);
    source.setPicture(square("red", Qt::red));
    target.setPicture(source.picture());
    EXPECT_TRUE(target.picture() == source.picture());
    EXPECT_FALSE(target.picture() == square("red", Qt::red));   // same look, different picture
    target.resize(30, 20);
    const QImage shot = target.grab().toImage();
    EXPECT_EQ(shot.pixelColor(29, 19), QColor(Qt::red));
    target.clearPicture();
    EXPECT_TRUE(target.picture().isNull());

    QSignalSpy moved(&target, &Picture::mouseMoved);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &move);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.first().first().toInt(), 7);
}

TEST(Shape, ShowsFillOverBackAndLetsTheMouseThrough)
{
    QWidget parent;
    Shape pip(&parent, Shape::Kind::Circle);
    pip.resize(7, 7);
    pip.setBorder(false);
    EXPECT_FALSE(pip.insideColour().isValid());
    pip.setFillStyle(Shape::FillStyle::Solid);
    EXPECT_EQ(pip.insideColour(), QColor(Qt::black));
    Shape body(&parent, Shape::Kind::RoundedRectangle);
    body.setBackOpaque(true);
    EXPECT_EQ(body.insideColour(), QColor(Qt::white));
    EXPECT_TRUE(body.testAttribute(Qt::WA_TransparentForMouseEvents));

    Shape bar(&parent);
    bar.resize(52, 8);
    bar.setFillStyle(Shape::FillStyle::Solid);
    bar.setFillColour(QColor(255, 192, 192));
    bar.setBorderColour(QColor(255, 0, 0));
    const QImage shot = bar.grab().toImage();
    EXPECT_EQ(shot.pixelColor(26, 4), QColor(255, 192, 192));
    EXPECT_EQ(shot.pixelColor(0, 4), QColor(255, 0, 0));
}

TEST(Label, AutoSizedWidthFollowsTheCaptionAtOnce)
{
    QWidget parent;
    Label label(&parent);
    label.setAutoSize(true);
    label.setCaption("Al");
    const int shortWidth = label.width();
    label.setCaption("Alexandra owes Bob £200");
    EXPECT_GT(label.width(), shortWidth);
    EXPECT_EQ(label.width(), QFontMetrics(label.font()).horizontalAdvance("Alexandra owes Bob £200"));
}

class RecordingForm : public Form {
public:
    std::vector<CloseReason> asked;
    bool cancel = false;

protected:
    bool queryUnload(CloseReason reason) override
    {
        asked.push_back(reason);
        return cancel;
    }
};

TEST(Form, TellsAUsersCloseFromTheProgramsAndCanRefuseIt)
{
    auto *form = new RecordingForm;
    form->setClientSizeTwips(6285, 3585);
    EXPECT_EQ(form->size(), QSize(419, 239));
    form->show();
    form->cancel = true;
    form->close();
    EXPECT_TRUE(form->isVisible());
    form->cancel = false;
    form->unload();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->asked, (std::vector<Form::CloseReason>{Form::CloseReason::User, Form::CloseReason::Program}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Form, LinesKeepTheirStartAndLeaveOutTheirEnd)
{
    Form form;
    form.setClientSizeTwips(150, 150);   // 10 x 10 pixels
    form.drawLine(0, 0, 150, 0, Qt::red);       // top row, all ten pixels
    form.drawLine(30, 30, 30, 90, Qt::blue);    // x = 2, y = 2..5
    form.drawLine(120, 120, 60, 120, Qt::green); // backwards: x = 5..8, y = 8
    const QImage d = form.drawing();
    EXPECT_EQ(d.pixelColor(9, 0), QColor(Qt::red));
    EXPECT_EQ(d.pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(d.pixelColor(2, 5), QColor(Qt::blue));
    EXPECT_EQ(d.pixelColor(2, 6).alpha(), 0);
    EXPECT_EQ(d.pixelColor(8, 8), QColor(Qt::green));
    EXPECT_EQ(d.pixelColor(5, 8), QColor(Qt::green));
    EXPECT_EQ(d.pixelColor(4, 8).alpha(), 0);
    // The drawing shows on the window over its background.
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 3), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(6, 3), boardGreen());
}

TEST(ImageCombo, TextIsThePickedEntryOrAPlaceholder)
{
    PictureList pictures;
    pictures.add("Dog ", square("dog", Qt::gray));
    pictures.add("Hat", square("hat", Qt::black));
    EXPECT_EQ(pictures.indexOf("Hat"), 2);
    EXPECT_EQ(pictures.indexOf("hat"), 0);
    EXPECT_TRUE(pictures.picture(3).isNull());
    ImageCombo combo;
    combo.setPictureList(&pictures);
    combo.addEntry("Dog ", 1);
    combo.addEntry("Hat", 2);
    combo.setText("Playing Piece");
    EXPECT_EQ(combo.text(), "Playing Piece");
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.setText("Dog ");
    EXPECT_EQ(combo.text(), "Dog ");
    EXPECT_FALSE(combo.itemIcon(0).isNull());
    QSignalSpy picked(&combo, &ImageCombo::picked);
    combo.setText("Hat");   // set by code: not a pick
    EXPECT_EQ(picked.count(), 0);
    emit combo.activated(1);
    EXPECT_EQ(picked.count(), 1);
}

TEST(ListView, RowsAndSubItemsFromOne)
{
    ListView list;
    list.addColumn("Name", 1810);
    list.addColumn("Piece", 1400);
    EXPECT_EQ(list.columnWidth(1), 93);
    EXPECT_EQ(list.addRow("Ann"), 1);
    list.setSubItem(1, 1, "Hat");
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.rowText(1), "Ann");
    EXPECT_EQ(list.subItem(1, 1), "Hat");
    EXPECT_EQ(list.rowText(2), "");
}

} // namespace
} // namespace tycora::ui
