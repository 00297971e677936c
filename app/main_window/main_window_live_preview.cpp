// Which controls the live preview follows: every control that changes a
// setting of the drawn source. Each connection is made after the control's
// own handler, and the redraw waits for the event loop anyway, so the
// preview always reads the setting the handler has just stored.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "main_window/tab_panels.h"
#include "main_window/text_layout_controls.h"
#include "main_window/title_text_box.h"

void MainWindow::connectLivePreview() {
  livePreview_->attachToggle(actions_.livePreview);
  auto follow = [this](auto* sender, auto signal) {
    connect(sender, signal, livePreview_, &LivePreview::settingChanged);
  };
  // Each panel tells once its own handlers have stored what changed.
  follow(&panels_->inside(), &InsidePanel::settingChanged);
  follow(&panels_->edge(), &EdgePanel::settingChanged);
  follow(&panels_->outside(), &OutsidePanel::settingChanged);
  follow(&panels_->deformation(), &DeformationPanel::settingChanged);
  connectTextPreview();
}

// The title's words and font: typing, the style buttons, the font and size
// lists. The font dialog asks for its redraw itself, once a font is chosen.
void MainWindow::connectTextPreview() {
  auto follow = [this](auto* sender, auto signal) {
    connect(sender, signal, livePreview_, &LivePreview::settingChanged);
  };
  follow(sourceFrame_->textBox(), &TitleTextBox::textEdited);
  for (const char* key : {"Bold", "Italic", "Underline"})
    follow(toolButton(QLatin1String(key)), &QAction::triggered);
  follow(fontNameBox_, &QComboBox::activated);
  follow(fontSizeBox_, &QComboBox::activated);
  follow(textLayout_, &TextLayoutControls::changed);
  // A size refused by its check is reported once, by the check: no preview
  // runs it again.
  connect(fontSizeBox_->lineEdit(), &QLineEdit::editingFinished, livePreview_, [this] {
    if (sizeValid_) livePreview_->settingChanged();
  });
}
