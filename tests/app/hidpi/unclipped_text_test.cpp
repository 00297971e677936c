// On a doubled screen every caption still fits its control in each window.
#include <QAbstractButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

#include "main_window_fixture.h"
#include "output/jpeg_optimiser.h"
#include "output/print_window.h"
#include "tools/new_canvas_dialog.h"
#include "tools/shape_tool.h"

static QString shownText(QString text) { return text.remove(QLatin1Char('&')); }

// The room a check box or option button leaves its caption beside the mark.
static int captionRoom(const QAbstractButton& button) {
  const bool check = qobject_cast<const QCheckBox*>(&button) != nullptr;
  if (!check && !qobject_cast<const QRadioButton*>(&button)) return button.width();
  QStyleOptionButton option;
  option.initFrom(&button);
  const auto caption = check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
  return button.style()->subElementRect(caption, &option, &button).width();
}

// "Object: text" for every caption wider than its control.
static QStringList clippedCaptions(QWidget& window) {
  QStringList clipped;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull()) continue;
    for (const QString& line : shownText(label->text()).split(QLatin1Char('\n')))
      if (label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width())
        clipped << label->objectName() + QStringLiteral(": ") + line;
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    const QString text = shownText(button->text());
    const auto* tool = qobject_cast<const QToolButton*>(button);
    const bool pictureOnly =
        tool && !tool->icon().isNull() && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
    if (text.isEmpty() || pictureOnly) continue;
    if (button->fontMetrics().horizontalAdvance(text) > captionRoom(*button))
      clipped << button->objectName() + QStringLiteral(": ") + text;
  }
  return clipped;
}

TEST_F(MainWindowTest, NoCaptionIsClippedInAnyWindowOnADoubledScreen) {
  const QImage relief = filled({40, 30}, Qt::gray);
  const ToolDesign tools(design());
  const ScreenScale scale = tools.screenScale();
  std::vector<std::unique_ptr<QWidget>> windows;
  windows.push_back(std::make_unique<AboutBox>(window.get(), 1.0));
  windows.push_back(std::make_unique<NewCanvasDialog>(*window, tools, platform()));
  windows.push_back(std::make_unique<PictureTool>(*window, tools, platform()));
  windows.push_back(std::make_unique<ShapeTool>(*window, tools, platform()));
  windows.push_back(std::make_unique<SymbolPicker>(*window, scale, platform()));
  windows.push_back(std::make_unique<EllipseRatioDialog>(*window, tools, platform()));
  windows.push_back(std::make_unique<JpegOptimiser>(
      relief, JpegSave{u"saveas"_s, path("relief.jpg"), {}}, scale, platform()));
  windows.push_back(
      std::make_unique<PrintWindow>([relief] { return relief; }, scale, platform(), window.get()));
  EXPECT_EQ(clippedCaptions(*window), QStringList());
  for (const auto& shown : windows) {
    SCOPED_TRACE(shown->metaObject()->className());
    shown->show();
    EXPECT_EQ(clippedCaptions(*shown), QStringList());
    shown->hide();
  }
}
