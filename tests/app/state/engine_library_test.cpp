#include "state/engine_library.h"

#include <gtest/gtest.h>

#include "state/failure.h"

namespace {

Failure failureOfLoading(const QString& path) {
  EngineLibrary engine(path);
  try {
    engine.entryPoints();
  } catch (const Failure& failure) {
    return failure;
  }
  return Failure(0, {});
}

}  // namespace

TEST(EngineLibrary, ResolvesTheFourEntryPointsOfTheEngine) {
  EngineLibrary engine(QStringLiteral(ENGINE_PATH));
  const EngineEntryPoints& points = engine.entryPoints();
  EXPECT_NE(points.action, nullptr);
  EXPECT_NE(points.destruction, nullptr);
  EXPECT_NE(points.texture, nullptr);
  EXPECT_NE(points.frontiere, nullptr);
  EXPECT_EQ(&engine.entryPoints(), &points);
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
