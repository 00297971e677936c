// The title's font family as a step of the title box's own history, so
// Ctrl+Z after a replacement in another font brings back the old text in
// the font it was written in.
#pragma once

#include <QAbstractUndoItem>
#include <QString>
#include <functional>
#include <utility>

class FontFamilyStep : public QAbstractUndoItem {
 public:
  using Show = std::function<void(const QString& family)>;
  FontFamilyStep(QString before, QString after, Show show)
      : before_(std::move(before)), after_(std::move(after)), show_(std::move(show)) {}

  void undo() override { show_(before_); }
  void redo() override { show_(after_); }

 private:
  QString before_;
  QString after_;
  Show show_;
};
