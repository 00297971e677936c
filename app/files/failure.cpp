#include "files/failure.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <new>

Failure::Failure(int32_t number, QString description)
    : number_(number),
      description_(std::move(description)),
      utf8_(QStringLiteral("error %1: %2").arg(number_).arg(description_).toUtf8()) {}

namespace {

Failure described(int32_t number, const char* text, const QString& path) {
  return Failure(number, QStringLiteral("%1: %2").arg(QLatin1String(text), path));
}

// The system's English text of an error code, whatever the user's language.
QString causeOf(int systemError) {
  const char* text = strerrordesc_np(systemError);
  return text ? QLatin1String(text) : QStringLiteral("error %1").arg(systemError);
}

Failure describedWithCause(int32_t number, const char* text, int systemError, const QString& path) {
  return Failure(
      number, QStringLiteral("%1 (%2): %3").arg(QLatin1String(text), causeOf(systemError), path));
}

bool folderOfExists(const QString& path) { return QFileInfo(path).absoluteDir().exists(); }

Failure failureFromFileError(QFileDevice::FileError error, const QString& path) {
  switch (error) {
    case QFileDevice::OpenError:
      return described(errorNumber::PathFileAccessError, "Path/File access error", path);
    case QFileDevice::PermissionsError:
      return described(errorNumber::PermissionDenied, "Permission denied", path);
    default: return described(errorNumber::DeviceIoError, "Device I/O error", path);
  }
}

}  // namespace

Failure failureFromSystemError(int systemError, const QString& path) {
  switch (systemError) {
    case ENOENT:
      if (folderOfExists(path)) return described(errorNumber::FileNotFound, "File not found", path);
      return described(errorNumber::PathNotFound, "Path not found", path);
    case ENOTDIR: return described(errorNumber::PathNotFound, "Path not found", path);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return described(errorNumber::DiskFull, "Disk full", path);
    case EACCES:
    case EPERM: return described(errorNumber::PermissionDenied, "Permission denied", path);
    // The user may write there; the file system takes no writes at all.
    case EROFS:
      return describedWithCause(errorNumber::PermissionDenied, "Permission denied", systemError,
                                path);
    case EISDIR:
    case ELOOP:
      return describedWithCause(errorNumber::PathFileAccessError, "Path/File access error",
                                systemError, path);
    case ENAMETOOLONG:
      return describedWithCause(errorNumber::BadFileName, "Bad file name or number", systemError,
                                path);
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM: return described(errorNumber::DeviceUnavailable, "Device unavailable", path);
    default:
      return describedWithCause(errorNumber::DeviceIoError, "Device I/O error", systemError, path);
  }
}

Failure notAPlainFile(const QString& what, const QString& path) {
  return Failure(errorNumber::PathFileAccessError,
                 QStringLiteral("Path/File access error (%1): %2").arg(what, path));
}

Failure fileFailure(const QFileDevice& file, int systemError) {
  if (systemError != 0) return failureFromSystemError(systemError, file.fileName());
  return failureFromFileError(file.error(), file.fileName());
}

Failure currentFailure() {
  try {
    throw;
  } catch (const Failure& failure) {
    return failure;
  } catch (const std::bad_alloc&) {
    return Failure(errorNumber::OutOfMemory, QStringLiteral("Out of memory"));
  } catch (const std::exception& other) {
    return Failure(errorNumber::InternalError, QString::fromLocal8Bit(other.what()));
  } catch (...) {
    return Failure(errorNumber::InternalError, QStringLiteral("Unknown failure"));
  }
}
