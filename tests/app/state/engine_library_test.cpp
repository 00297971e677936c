#include "state/engine_library.h"

#include <gtest/gtest.h>

#include "failure_of.h"

namespace {

Failure failureOfLoading(const QString& path) {
  return failureOf([&] { EngineLibrary(path).entryPoints(); });
}

}  // namespace

TEST(EngineLibrary, ResolvesTheFourEntryPointsOfTheEngine) {
  EngineLibrary engine(QStringLiteral(ENGINE_PATH));
  const EngineEntryPoints& points = engine.entryPoints();
  EXPECT_NE(points.action, nullptr);
  EXPECT_NE(points.destruction, nullptr);
  EXPECT_NE(points.texture, nullptr);
  EXPECT_NE(points.frontiere, nullptr);
}

TEST(EngineLibrary, MissingLibraryIsAFailureNotACrash) {
  const Failure failure = failureOfLoading(QStringLiteral("/nonexistent/libVelloro.so"));
  EXPECT_EQ(failure.number(), errorNumber::LibraryNotLoaded);
  EXPECT_TRUE(failure.description().contains(QStringLiteral("relief engine")));
}

TEST(EngineLibrary, IncompleteLibraryNamesTheMissingEntryPoint) {
  const Failure failure = failureOfLoading(QStringLiteral(INCOMPLETE_ENGINE_PATH));
  EXPECT_EQ(failure.number(), errorNumber::EntryPointNotFound);
  EXPECT_TRUE(failure.description().contains(QStringLiteral("DESTRUCTION")));
}
