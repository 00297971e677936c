#include <QAccessible>
#include <QSet>

#include "files/web_encoding.h"
#include "main_window_fixture.h"
#include "output/jpeg_optimiser.h"

// What a user works with: buttons, boxes, lists, sliders, tabs, and the
// picture boxes that take clicks (palettes, pattern and material pictures).
static bool isControl(const QAccessibleInterface& node) {
  using enum QAccessible::Role;
  static const QSet<QAccessible::Role> controls{
      PushButton, CheckBox,  RadioButton, ComboBox, EditableText, SpinBox,
      Slider,     ScrollBar, List,        PageTab,  ButtonMenu,   ButtonDropDown};
  return controls.contains(node.role()) || qobject_cast<PictureBox*>(node.object()) ||
         qobject_cast<TrackSlider*>(node.object());
}

// Named, hinted and reached by Tab (scroll bars follow their
// view's keys; a slider's thumb lets the pointer through to the track).
static void collectFaults(QAccessibleInterface& node, const QString& window, QStringList& faults) {
  for (int index = 0; index < node.childCount(); ++index) {
    QAccessibleInterface* child = node.child(index);
    if (!child || child->state().invisible) continue;
    collectFaults(*child, window, faults);
    if (!isControl(*child)) continue;
    const QString where = window + '/' + (child->object() ? child->object()->objectName() : "") +
                          " role " + QString::number(child->role());
    if (child->text(QAccessible::Name).trimmed().isEmpty()) faults << where + " has no name";
    auto* control = qobject_cast<QWidget*>(child->object());
    if (!control || child->role() == QAccessible::ScrollBar ||
        control->testAttribute(Qt::WA_TransparentForMouseEvents))
      continue;
    if (!(control->focusPolicy() & Qt::TabFocus)) faults << where + " is not reached by Tab";
    if (control->toolTip().trimmed().isEmpty()) faults << where + " has no tooltip";
  }
}

TEST_F(MainWindowTest, EveryControlOfEveryWindowIsNamedHintedAndReachedByTab) {
  openToolWindows();
  SymbolPicker symbols(*window, ScreenScale{}, platform());
  symbols.load();
  EllipseRatioDialog ellipse(*window, ToolDesign(design()), platform());
  JpegOptimiser optimiser(window->canvasView()->picture(), {QStringLiteral("save"), {}, {}},
                          ScreenScale{}, platform(), window.get());
  optimiser.load();
  WebExportDialog webExport(writableWebFormats(), WebExportChoice{}, window.get());
  AboutBox about(window.get(), 1.0);
  about.load();
  for (QWidget* dialog :
       std::initializer_list<QWidget*>{&symbols, &ellipse, &optimiser, &webExport, &about})
    dialog->show();
  // Every outside effect's controls at once.
  for (const char* effect : {"FrameShadow", "FrameOutline", "FrameEngraved"})
    window->panels()->outside().findChild<QFrame*>(QLatin1String(effect))->show();
  QStringList faults;
  int windows = 0;
  for (QWidget* shown : QApplication::topLevelWidgets()) {
    if (!shown->isVisible()) continue;
    ++windows;
    collectFaults(*QAccessible::queryAccessibleInterface(shown), shown->objectName(), faults);
  }
  EXPECT_EQ(windows, 10);
  EXPECT_EQ(faults.join('\n').toStdString(), "");
}
