#include <QDialog>
#include <QDialogButtonBox>
#include <QSpinBox>

#include "main_window/gradient_editor.h"
#include "main_window_fixture.h"

using TitleLinesTest = MainWindowTest;

TEST_F(TitleLinesTest, EnterStartsALineAndCtrlEnterDraws) {
  focusTextBox();
  textBox()->setText(QString());
  const QImage blank = canvas();
  QTest::keyClicks(textBox(), u"Top"_s);
  QTest::keyClick(textBox(), Qt::Key_Return);
  QTest::keyClicks(textBox(), u"Low"_s);
  EXPECT_EQ(textBox()->text(), u"Top\nLow"_s);
  EXPECT_EQ(canvas(), blank);
  QTest::keyClick(textBox(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(textBox()->text(), u"Top\nLow"_s);
  EXPECT_NE(canvas(), blank);
}

TEST_F(TitleLinesTest, TooManyLinesAreRefusedByName) {
  textBox()->setText(QString(20, u'\n') + u'A');
  const QImage before = canvas();
  window->draw();
  EXPECT_EQ(onlyMessage().text, u"Text: the text has 21 lines; a title holds at most 20"_s);
  EXPECT_EQ(onlyMessage().icon, MessageIcon::Exclamation);
  EXPECT_EQ(canvas(), before);
}

TEST_F(TitleLinesTest, EditedGradientBecomesTheFill) {
  seam->colourAnswers = {QColor(255, 0, 0), QColor(0, 0, 255)};
  seam->modalAnswers.push_back([](QDialog& dialog) {
    auto& editor = dynamic_cast<GradientEditor&>(dialog);
    QTest::mouseClick(editor.addStopButton(), Qt::LeftButton);
    QTest::mouseClick(editor.stopButton(0), Qt::LeftButton);
    QTest::mouseClick(editor.stopButton(2), Qt::LeftButton);
    editor.angleBox()->setValue(90);
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  });
  const QColor middle = design().gradient.stops.back();
  QTest::mouseClick(window->panels()->gradientButton(), Qt::LeftButton);
  ASSERT_TRUE(seam->messages.empty());
  EXPECT_EQ(design().gradient.stops, (QList<QColor>{Qt::red, middle, Qt::blue}));
  EXPECT_EQ(design().gradient.angle, 90);
  EXPECT_TRUE(window->panels()->fillSourceButtons()[2]->isChecked());
  // The swatch runs top to bottom: red on its first row, blue on its last.
  const QImage swatch = window->panels()->gradientPreview()->picture();
  EXPECT_GT(swatch.pixelColor(10, 0).red(), 230);
  EXPECT_GT(swatch.pixelColor(10, swatch.height() - 1).blue(), 230);
}
