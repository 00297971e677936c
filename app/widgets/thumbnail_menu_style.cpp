#include "widgets/thumbnail_menu_style.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

constexpr int gap = 6;

bool carriesThumbnail(const QStyleOption* option) {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  return item && item->menuItemType == QStyleOptionMenuItem::Normal;
}

}  // namespace

ThumbnailMenuStyle::ThumbnailMenuStyle(QSize thumbnailSize) : thumbnailSize_(thumbnailSize) {}

// The entry is drawn as one whose icon column is as wide as a thumbnail and
// which has no icon; the thumbnail then goes into that column.
void ThumbnailMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
  if (element != CE_MenuItem || !carriesThumbnail(option)) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  QStyleOptionMenuItem item = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  const QIcon thumbnail = item.icon;
  item.icon = QIcon();
  item.maxIconWidth = thumbnailSize_.width() + 2 * gap;
  QProxyStyle::drawControl(element, &item, painter, widget);
  if (thumbnail.isNull()) return;
  QRect column(item.rect.left() + gap, item.rect.top(), thumbnailSize_.width(), item.rect.height());
  column = visualRect(item.direction, item.rect, column);
  const QPixmap picture = thumbnail.pixmap(thumbnailSize_, painter->device()->devicePixelRatioF());
  const QSize shown = picture.deviceIndependentSize().toSize();
  painter->drawPixmap(QRect(QPoint(column.left(), column.center().y() - shown.height() / 2), shown),
                      picture);
}

QSize ThumbnailMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                           const QSize& size, const QWidget* widget) const {
  if (type != CT_MenuItem || !carriesThumbnail(option))
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  QStyleOptionMenuItem item = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  item.icon = QIcon();
  item.maxIconWidth = thumbnailSize_.width() + 2 * gap;
  QSize fitted = QProxyStyle::sizeFromContents(type, &item, size, widget);
  fitted.setHeight(std::max(fitted.height(), thumbnailSize_.height() + gap));
  return fitted;
}
