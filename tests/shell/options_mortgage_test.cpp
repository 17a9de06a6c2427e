#include "shell_test_support.h"
#include "support/find_control.h"

#include "ui/shell/frm_mortgage.h"
#include "ui/shell/frm_options.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

using testing::control;

TEST(Options, DoubleSalaryFollowsItsBoxAndNothingElse)
{
    FrmOptions options;
    EXPECT_FALSE(options.doubleSalary());
    options.show();
    EXPECT_FALSE(options.doubleSalary()) << "showing the window changes nothing";
    QTest::mouseClick(control<QCheckBox>(options, "Check2"), Qt::LeftButton);
    EXPECT_TRUE(options.doubleSalary());
    options.hide();
    options.show();
    EXPECT_TRUE(options.doubleSalary());
    QTest::mouseClick(control<QCheckBox>(options, "Check2"), Qt::LeftButton);
    EXPECT_FALSE(options.doubleSalary());
    QTest::mouseClick(control<QCheckBox>(options, "Check1"), Qt::LeftButton);
    QTest::mouseClick(control<QCheckBox>(options, "Check3"), Qt::LeftButton);
    EXPECT_FALSE(options.doubleSalary()) << "the other boxes are not it";

    // The boxes show what the players chose in the set-up window.
    options.showOptions({false, true, true, RuleSet::Full});
    EXPECT_FALSE(control<QCheckBox>(options, "Check1")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(options, "Check2")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(options, "Check3")->isChecked());
    EXPECT_TRUE(options.doubleSalary());
    options.showOptions({});
    EXPECT_TRUE(control<QCheckBox>(options, "Check1")->isChecked());
    EXPECT_FALSE(options.doubleSalary());
}

TEST(Options, WindowAndCheckBoxes)
{
    FrmOptions options;
    EXPECT_EQ(options.windowTitle(), QStringLiteral("Tycora by Varnoth"));
    EXPECT_EQ(options.size(), QSize(px(5520), px(5100)));
    EXPECT_EQ(options.minimumSize(), options.maximumSize());
    EXPECT_FALSE(options.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(options.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(options.windowFlags() & Qt::FramelessWindowHint);

    struct Expected {
        QCheckBox *box;
        QString text;
        QRect place;
    };
    const Expected expected[] = {
        {control<QCheckBox>(options, "Check1"), QStringLiteral("Allow purchasing on the first round"), rectFromTwips(1200, 1800, 3255, 255)},
        {control<QCheckBox>(options, "Check2"), QStringLiteral("£400 for landing on GO"), rectFromTwips(1200, 2280, 2775, 255)},
        {control<QCheckBox>(options, "Check3"), QStringLiteral("All payments goto Free Parking"), rectFromTwips(1320, 2880, 3135, 195)},
    };
    for (const Expected &e : expected) {
        EXPECT_EQ(e.box->text(), e.text);
        EXPECT_EQ(e.box->geometry(), e.place);
    }
    // Purchasing on the first round is allowed unless the players say not.
    EXPECT_TRUE(control<QCheckBox>(options, "Check1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(options, "Check2")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(options, "Check3")->isChecked());
    EXPECT_EQ(control<QCheckBox>(options, "Check1")->nextInFocusChain(), control<QCheckBox>(options, "Check2"));
    EXPECT_EQ(control<QCheckBox>(options, "Check2")->nextInFocusChain(), control<QCheckBox>(options, "Check3"));

    // The boxes lie on the window's pale green.
    options.show();
    const QImage shot = testing::grabImage(options);
    const QRect r = control<QCheckBox>(options, "Check1")->geometry();
    EXPECT_EQ(testing::pixelAt(shot, r.right() - 1, r.top() + 1), boardGreen());
}

TEST(Mortgage, WindowKeepsItsOutlinesInTheirPlacesHidden)
{
    FrmMortgage mortgage;
    EXPECT_EQ(mortgage.windowTitle(), QStringLiteral("Mortgage Property"));
    EXPECT_FALSE(mortgage.isVisible());

    struct Expected {
        Shape *shape;
        int left, top;
        bool paleInside;
    };
    const Expected expected[] = {
        {control<Shape>(mortgage, "shpProperty1"), 2460, 4035, false}, {control<Shape>(mortgage, "shpProperty3"), 2460, 4245, true},
        {control<Shape>(mortgage, "shpProperty6"), 3045, 4035, true},  {control<Shape>(mortgage, "shpProperty8"), 3045, 4245, true},
        {control<Shape>(mortgage, "shpProperty9"), 3045, 4455, true},  {control<Shape>(mortgage, "Shape3"), 4380, 2670, false},
    };
    EXPECT_EQ(mortgage.findChildren<Shape *>(QRegularExpression("^shpProperty")).size(), 5);
    mortgage.show();
    for (const Expected &e : expected) {
        ASSERT_NE(e.shape, nullptr);
        EXPECT_EQ(e.shape->geometry(), rectFromTwips(e.left, e.top, 405, 480));
        EXPECT_EQ(e.shape->kind(), Shape::Kind::RoundedRectangle);
        EXPECT_EQ(e.shape->insideColour(), e.paleInside ? boardGreen() : QColor());
        // The cards took their part: no empty box shows.
        EXPECT_FALSE(e.shape->isVisible());
    }
    // Nothing to show yet: the board's pale green everywhere but the
    // Close button.
    const QImage shot = testing::grabImage(mortgage);
    EXPECT_EQ(testing::pixelAt(shot, mortgage.width() / 2, mortgage.height() / 3), boardGreen());
}

} // namespace
} // namespace tycora::ui
