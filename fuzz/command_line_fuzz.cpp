// Feeds arbitrary argument lists to the command-line parser of
// `Velloro --render`: the bytes are split into arguments at each zero byte.
// The parser must give a request that keeps the rules it checks, or refuse
// with a UsageError.
#include <QStringList>
#include <cstdlib>

#include "headless/render_command.h"

namespace {

QStringList argumentsOf(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QStringList arguments;
  for (const QByteArray& part : bytes.split('\0')) arguments << QString::fromUtf8(part);
  return arguments;
}

bool keepsTheRules(const RenderRequest& request) {
  const bool single = !request.text.isEmpty();
  const bool batch = !request.batchList.isEmpty();
  if (single == batch) return false;
  if (single && (request.outputFile.isEmpty() || outputFormatOf(request.outputFile).isEmpty()))
    return false;
  if (batch && request.outputFolder.isEmpty()) return false;
  if (request.trimMargin && (!request.transparent || *request.trimMargin < 0)) return false;
  if (request.quality && (*request.quality < 0 || *request.quality > 100)) return false;
  if (request.canvasSize && (request.canvasSize->isEmpty() || request.canvasSize->width() > 8192 ||
                             request.canvasSize->height() > 8192))
    return false;
  for (const auto& [setting, value] : request.overrides) {
    const SettingDeclaration& declared = declaration(setting);
    if (const double* number = std::get_if<double>(&value))
      if (!(*number >= declared.low && *number <= declared.high)) return false;
    if (const int32_t* whole = std::get_if<int32_t>(&value))
      if (declared.type == SettingType::WholeNumber &&
          !(*whole >= declared.low && *whole <= declared.high))
        return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const ParsedCommand command = parseRenderCommand(argumentsOf(data, size));
    if (command.action == CommandAction::Render && !keepsTheRules(command.request)) std::abort();
  } catch (const UsageError&) {
  }
  return 0;
}
