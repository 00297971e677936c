#include "output/web_export_memory.h"

#include <algorithm>

#include "platform/program_settings.h"

namespace {

// Settings name their format in words: a reordered enumeration must not
// turn a stored WebP into PNG.
const QString webpName = QStringLiteral("webp");
const QString pngName = QStringLiteral("png");

}  // namespace

WebExportChoice rememberedWebExportChoice() {
  const QSettings settings = programSettings();
  WebExportChoice choice;
  WebEncoding& encoding = choice.encoding;
  const QString format = settings.value(QStringLiteral("WebExport/Format"), pngName).toString();
  encoding.format = format == webpName ? WebFormat::Webp : WebFormat::Png;
  encoding.lossless =
      settings.value(QStringLiteral("WebExport/Lossless"), encoding.lossless).toBool();
  encoding.quality = std::clamp(
      settings.value(QStringLiteral("WebExport/Quality"), encoding.quality).toInt(), 0, 100);
  choice.wholeCanvas =
      settings.value(QStringLiteral("WebExport/WholeCanvas"), choice.wholeCanvas).toBool();
  choice.margin =
      std::max(0, settings.value(QStringLiteral("WebExport/Margin"), choice.margin).toInt());
  choice.alsoDenser =
      settings.value(QStringLiteral("WebExport/AlsoDenser"), choice.alsoDenser).toBool();
  return choice;
}

void rememberWebExportChoice(const WebExportChoice& choice) {
  QSettings settings = programSettings();
  settings.setValue(QStringLiteral("WebExport/Format"),
                    choice.encoding.format == WebFormat::Webp ? webpName : pngName);
  settings.setValue(QStringLiteral("WebExport/Lossless"), choice.encoding.lossless);
  settings.setValue(QStringLiteral("WebExport/Quality"), choice.encoding.quality);
  settings.setValue(QStringLiteral("WebExport/WholeCanvas"), choice.wholeCanvas);
  settings.setValue(QStringLiteral("WebExport/Margin"), choice.margin);
  settings.setValue(QStringLiteral("WebExport/AlsoDenser"), choice.alsoDenser);
}
