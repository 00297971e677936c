// A turned or bent title runs past the canvas on any side, also before the
// canvas's top left corner: the window tells it, fits the canvas to it and
// exports it as the command line draws the same style.
#include "main_window_fixture.h"
#include "shrunk_difference.h"

namespace {

struct Deformed {
  const char* title;
  int option;  // "No", "Rotate", "Curve"
  int slider;
  const char* cutEdge;  // an edge the design runs past; empty when it lies inside
};

void PrintTo(const Deformed& deformed, std::ostream* out) {
  *out << deformed.title << ", deformation " << deformed.option << " at " << deformed.slider;
}

// The box of the pixels more opaque than not: the letters without the faint
// reach of their effect.
QRect solidExtent(const QImage& picture) {
  QRect box;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qAlpha(picture.pixel(x, y)) > 128) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

class TurnedDesignTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    loadDefaultCurve();
    QDir().mkpath(path("styles"));
  }

  // Chooses the deformation with the pointer on the "Deformation" tab.
  void deform(int option, int slider) {
    QTabBar* strip = window->panels()->tabStrip();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(3).center());
    QRadioButton* button = window->panels()->deformation().buttons()[size_t(option)];
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    window->panels()->deformation().amountSlider()->setValue(slider);
  }

  // The window's settings as a style file the command line reads.
  QString savedStyle() {
    const QString style = path("styles/turned.vstyle");
    run("mnuFileSaveStyle", style);
    return style;
  }

  QString notice() const { return window->canvasArea().cutNotice()->text(); }
  bool noticeShown() const { return window->canvasArea().cutNotice()->isVisibleTo(window.get()); }
};

class TurnedDesignNoticeTest : public TurnedDesignTest,
                               public testing::WithParamInterface<Deformed> {};

// A design moved well inside the canvas is not told, turned or not.
TEST_P(TurnedDesignNoticeTest, TheNoticeAndFitCanvasMeasureTheDesignAsDrawn) {
  const auto& [title, option, slider, cutEdge] = GetParam();
  textBox()->setText(QString::fromUtf8(title));
  deform(option, slider);
  window->draw();
  if (!*cutEdge) {
    dragOnCanvas({10, 10}, {100, 60});
    const DesignFrame& frame = design().designFrame;
    EXPECT_FALSE(noticeShown()) << notice().toStdString() << " frame " << frame.left << ","
                                << frame.top << " " << frame.width << "x" << frame.height;
    return;
  }
  const QString style = savedStyle();
  ASSERT_TRUE(noticeShown());
  const QString told = notice();
  EXPECT_TRUE(told.contains(QLatin1String(cutEdge) + u" by "_s)) << told.toStdString();

  run("mnuToolsFitCanvas");
  EXPECT_FALSE(noticeShown()) << notice().toStdString();
  const QByteArray fitted = encodedPicture(canvas(), u"png"_s, std::nullopt);
  run("mnuEditUndo");
  EXPECT_EQ(canvas().size(), QSize(631, 331));
  EXPECT_TRUE(noticeShown());

  // The command line runs on the window's engine and replaces its layers:
  // it comes last.
  const QString toldByCommand = toldByRender(
      {u"--text"_s, QString::fromUtf8(title), u"--style"_s, style, u"--canvas"_s, u"631x331"_s});
  const QString cut = u"the design runs past the canvas: "_s;
  ASSERT_TRUE(toldByCommand.startsWith(u"Velloro: "_s + cut)) << toldByCommand.toStdString();
  EXPECT_EQ(
      told.toStdString(),
      (u"The design runs past the canvas: "_s + toldByCommand.mid(9 + cut.size())).toStdString());
  EXPECT_EQ(fitted, rendered({u"--text"_s, QString::fromUtf8(title), u"--style"_s, style}));
}

INSTANTIATE_TEST_SUITE_P(
    TurnedAndBent, TurnedDesignNoticeTest,
    testing::Values(Deformed{"Sunny Bakery", 0, 0, "right"},  // a long title, not deformed
                    Deformed{"Sunny Bakery", 2, 70, "left"},  // bent by 75 degrees
                    Deformed{"Velloro", 2, 0, "top"},   // Curve chosen with the slider at its start
                    Deformed{"Velloro", 1, 23, "top"},  // turned by 80 degrees
                    Deformed{"VelloroXYZ", 1, 23, "top"}, Deformed{"Velloro", 0, 0, ""},
                    Deformed{"Velloro", 1, 50, ""}, Deformed{"V", 2, 60, ""}));

// The copies at 2x and 3x show the same part of the title as the picture,
// which holds the whole turned title.
TEST_F(TurnedDesignTest, DenserCopiesOfATurnedTitleShowWhatThePictureShows) {
  textBox()->setText(u"Velloro"_s);
  deform(1, 23);
  window->draw();
  const QString style = savedStyle();
  seam->modalAnswers.push_back([](QDialog& dialog) {
    auto& choices = static_cast<WebExportDialog&>(dialog);
    choices.formatBox->setCurrentIndex(0);  // PNG
    choices.trimOption->setChecked(true);
    choices.marginBox->setValue(4);
    choices.denserBox->setChecked(true);
    pressOk(dialog);
  });
  seam->modalAnswers.push_back([](QDialog& dialog) { dialog.reject(); });
  run("mnuFileExportWeb", path("outputs/turned.png"));
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  const QImage one(path("outputs/turned.png"));
  ASSERT_FALSE(one.isNull());
  // The picture holds the whole title, as the command line cuts it out. The
  // engine's reach search remembers earlier renders, so a few pixels of the
  // faint effect may differ.
  const QImage whole = QImage::fromData(rendered(
      {u"--text"_s, u"Velloro"_s, u"--style"_s, style, u"--transparent"_s, u"--trim"_s, u"4"_s}));
  ASSERT_EQ(one.size(), whole.size());
  EXPECT_EQ(solidExtent(one), solidExtent(whole));
  EXPECT_LT(shrunkDifference(whole, one, 1), 0.5);
  for (const int scale : {2, 3}) {
    const QImage dense(path("outputs/turned@%1x.png").arg(scale));
    ASSERT_EQ(dense.size(), one.size() * scale) << scale;
    EXPECT_LT(shrunkDifference(one, dense, scale), 15) << scale;
    // The letters lie at the same place, `scale` times as far, give or take
    // what drawing the glyphs anew at each size moves them: far less than
    // a letter.
    const QRect letters = solidExtent(dense);
    const QRect expected(solidExtent(one).topLeft() * scale, solidExtent(one).size() * scale);
    EXPECT_LE((letters.topLeft() - expected.topLeft()).manhattanLength(), 12 * scale) << scale;
    EXPECT_LE((letters.bottomRight() - expected.bottomRight()).manhattanLength(), 12 * scale)
        << scale;
  }
}
