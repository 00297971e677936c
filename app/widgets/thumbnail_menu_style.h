// A menu whose entries carry wide thumbnails: the icon of each entry is
// drawn at its own proportions in a column of `thumbnailSize` left of the
// text, where menus otherwise keep a small square icon. Texts, keys and
// mouse work stay the menu's own.
#pragma once

#include <QProxyStyle>
#include <QSize>

class ThumbnailMenuStyle : public QProxyStyle {
 public:
  explicit ThumbnailMenuStyle(QSize thumbnailSize);

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget = nullptr) const override;

 private:
  QSize thumbnailSize_;
};
