// The one failure type of the program: a number and a description, thrown by
// any procedure and reported by the window handler that traps it.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <exception>

class QFileDevice;

namespace errorNumber {
inline constexpr int32_t InvalidArgument = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t LibraryNotLoaded = 48;
inline constexpr int32_t BadFileName = 52;
inline constexpr int32_t InternalError = 51;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t DeviceIoError = 57;
inline constexpr int32_t DiskFull = 61;
inline constexpr int32_t DeviceUnavailable = 68;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathFileAccessError = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t EntryPointNotFound = 453;
inline constexpr int32_t UnreadablePicture = 50003;
inline constexpr int32_t UnreadableDocument = 50004;
}  // namespace errorNumber

class Failure : public std::exception {
 public:
  Failure(int32_t number, QString description);

  int32_t number() const { return number_; }
  const QString& description() const { return description_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  int32_t number_;
  QString description_;
  QByteArray utf8_;
};

// The failure behind a system error code met while working on `path`. Where
// the program's text for the number is a broad one, the system's own cause
// follows it in brackets: "Path/File access error (Is a directory): path".
Failure failureFromSystemError(int systemError, const QString& path);

// A file that is in the way and is no plain file (a device, a pipe, a
// folder, or a link where none may be followed): 75, with what it is.
Failure notAPlainFile(const QString& what, const QString& path);

// The failure of the operation that just went wrong on `file`: from
// `systemError`, the errno the failing call left (read right after it), or
// from the file's own error state when the call left none.
Failure fileFailure(const QFileDevice& file, int systemError);

// The failure of whatever exception is being handled (inside a catch block).
Failure currentFailure();
