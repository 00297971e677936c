#include "state/failure.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <new>

TEST(FailureMapping, MissingFileAndMissingFolderAreTold) {
  QTemporaryDir folder;
  EXPECT_EQ(failureFromSystemError(ENOENT, folder.filePath("absent.bmp")).number(),
            errorNumber::FileNotFound);
  EXPECT_EQ(failureFromSystemError(ENOENT, folder.filePath("absent/x.bmp")).number(),
            errorNumber::PathNotFound);
}

TEST(FailureMapping, SystemErrorsGiveTheProgramsNumbers) {
  EXPECT_EQ(failureFromSystemError(ENOSPC, "f").number(), errorNumber::DiskFull);
  EXPECT_EQ(failureFromSystemError(EDQUOT, "f").number(), errorNumber::DiskFull);
  EXPECT_EQ(failureFromSystemError(ENODEV, "f").number(), errorNumber::DeviceUnavailable);
  EXPECT_EQ(failureFromSystemError(ENOTDIR, "f").number(), errorNumber::PathNotFound);
  EXPECT_EQ(failureFromSystemError(EROFS, "f").number(), errorNumber::PermissionDenied);
  EXPECT_EQ(failureFromSystemError(EISDIR, "f").number(), errorNumber::PathFileAccessError);
}

TEST(FailureMapping, FullDeviceIsDiskFull) {
  QFile full(QStringLiteral("/dev/full"));
  ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  errno = 0;
  ASSERT_EQ(full.write("relief"), -1);
  const Failure failure = fileFailure(full, errno);
  EXPECT_EQ(failure.number(), errorNumber::DiskFull);
  EXPECT_TRUE(failure.description().contains(QStringLiteral("/dev/full")));
}

TEST(FailureMapping, OpeningAMissingFileIsFileNotFound) {
  QTemporaryDir folder;
  QFile missing(folder.filePath("absent.txt"));
  errno = 0;
  ASSERT_FALSE(missing.open(QIODevice::ReadOnly));
  EXPECT_EQ(fileFailure(missing, errno).number(), errorNumber::FileNotFound);
}

TEST(FailureMapping, CurrentExceptionBecomesAFailure) {
  const auto caught = [](auto thrown) {
    try {
      throw thrown;
    } catch (...) {
      return currentFailure();
    }
  };
  EXPECT_EQ(caught(Failure(61, "Disk full")).number(), 61);
  EXPECT_EQ(caught(std::bad_alloc()).number(), errorNumber::OutOfMemory);
  EXPECT_EQ(caught(42).number(), errorNumber::InternalError);
}

TEST(FailureMapping, BroadTextsNameTheSystemsCause) {
  EXPECT_EQ(failureFromSystemError(EIO, "f").description(),
            "Device I/O error (Input/output error): f");
  EXPECT_EQ(failureFromSystemError(ENOSPC, "f").description(), "Disk full: f");
}
