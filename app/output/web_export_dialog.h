// The choices of File > Export for the web: the format (PNG, or WebP when
// this run can write it), lossless or lossy at a quality, whether the
// design is trimmed to what can be seen of it plus a margin or keeps the
// whole canvas, and whether copies for screens of high density go beside it. The dialog is the
// program's own and is shown through the platform seam, so tests work it like a user.
#pragma once

#include <QDialog>
#include <QList>
#include <optional>

#include "files/web_encoding.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QSpinBox;

struct WebExportChoice {
  WebEncoding encoding;
  bool wholeCanvas = false;
  int margin = 4;           // pixels, around the trimmed design
  bool alsoDenser = false;  // copies at 2x and 3x the density beside the picture
};

class WebExportDialog : public QDialog {
  Q_OBJECT
 public:
  // Offers `formats` (PNG first) and starts from `initial`.
  WebExportDialog(const QList<WebFormat>& formats, const WebExportChoice& initial,
                  QWidget* owner = nullptr);

  QComboBox* formatBox;
  QCheckBox* losslessBox;
  QSpinBox* qualityBox;
  QRadioButton* trimOption;
  QSpinBox* marginBox;
  QRadioButton* wholeCanvasOption;
  QCheckBox* denserBox;
  QDialogButtonBox* buttons;

  // What the controls show now; the copies at 2x and 3x as last chosen
  // while they are refused.
  WebExportChoice choice() const;
  // The design cannot be drawn anew at 2x and 3x: the box is cleared and
  // greyed, and `why` shows under it.
  void refuseDenser(const QString& why);
  QLabel* denserRefusal;

 private:
  void buildControls();
  void showChoice(const WebExportChoice& initial);
  void enableDependentControls();
  WebFormat chosenFormat() const;

  QList<WebFormat> formats_;
  bool denserWanted_ = false;
};

// The caption of a format in the dialog and in file type lists.
QString webFormatCaption(WebFormat format);
