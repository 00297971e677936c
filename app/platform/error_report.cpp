#include "platform/error_report.h"

QString failureReportText(const Failure& failure, std::string_view siteTag) {
  return QStringLiteral("error number : ") + QString::number(failure.number()) +
         QString::fromLatin1(siteTag.data(), qsizetype(siteTag.size())) + QStringLiteral("\r\n") +
         failure.description();
}

void reportFailure(Platform& target, std::string_view siteTag, const Failure& failure) {
  target.showMessage({failureReportText(failure, siteTag), MessageIcon::None, MessageButtons::Ok});
}
