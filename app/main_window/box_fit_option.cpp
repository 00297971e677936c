#include "main_window/box_fit_option.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "headless/render_command.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

namespace {

// A slot of a web page: a wide banner's at first.
constexpr QSize firstBox(600, 200);

QSpinBox* sideBox(const char* name, int value, QWidget* owner) {
  auto* box = new QSpinBox(owner);
  box->setObjectName(QLatin1String(name));
  box->setRange(1, largestCanvasSide);
  box->setSuffix(u" px"_s);
  box->setValue(value);
  return box;
}

}  // namespace

BoxFitDialog::BoxFitDialog(std::optional<QSize> box, QWidget* owner)
    : QDialog(owner),
      fit_(new QCheckBox(u"Fit the title to a box"_s, this)),
      width_(sideBox("BoxWidth", box.value_or(firstBox).width(), this)),
      height_(sideBox("BoxHeight", box.value_or(firstBox).height(), this)) {
  setObjectName(u"BoxFitDialog"_s);
  setWindowTitle(u"Fit title to box"_s);
  fit_->setObjectName(u"FitToBox"_s);
  fit_->setChecked(box.has_value());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(fit_);
  form->addRow(u"Width"_s, width_);
  form->addRow(u"Height"_s, height_);
  form->addRow(buttons);
}

std::optional<QSize> BoxFitDialog::box() const {
  if (!fit_->isChecked()) return std::nullopt;
  return QSize(width_->value(), height_->value());
}

void BoxFitOption::ask(Platform& platform, QWidget& owner) {
  BoxFitDialog dialog(box_, &owner);
  platform.showModal(dialog);
  if (dialog.result() == QDialog::Accepted) box_ = dialog.box();
}
