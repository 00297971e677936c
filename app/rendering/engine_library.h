// The relief engine, libVelloro.so beside the program, loaded by name at the
// first use. The program works only with engine objects of the library:
// the window with one of its own, and every render apart from the window's
// design (a batch lane, a thumbnail, a denser copy) with another, so no
// render ever touches another's layers.
#pragma once

#include <QLibrary>
#include <QString>
#include <memory>
#include <optional>
#include <stop_token>

#include "action_arguments.h"
#include "engine.h"

// The library's engine object functions.
struct EngineObjectFunctions {
  decltype(&::ENGINE_NEW) create = nullptr;
  decltype(&::ENGINE_FREE) free = nullptr;
  decltype(&::ENGINE_ACTION) action = nullptr;
  decltype(&::ENGINE_DESTRUCTION) destruction = nullptr;
  decltype(&::ENGINE_TEXTURE) texture = nullptr;
  decltype(&::ENGINE_FRONTIERE) frontiere = nullptr;
  decltype(&::ENGINE_PREVIEW) preview = nullptr;
  decltype(&::ENGINE_UNDERLAY) underlay = nullptr;
  decltype(&::ENGINE_KEEP_UNDERLAYS) keepUnderlays = nullptr;
  decltype(&::ENGINE_STOP) stop = nullptr;
};

// Thrown by a render call of an engine object whose caller asked its
// renders to stop (StoppableRenders): the render was given up, and the
// object is ready for the next one.
struct RenderStopped {};

// The entry points of one engine object: the original calls' arguments,
// reaching the object's own layer slots, texture tile and working memory.
// The object lives as long as this does.
class EngineEntryPoints {
 public:
  // Makes an object that renders on at most `threads` threads; throws a
  // Failure when the engine cannot make one.
  EngineEntryPoints(const EngineObjectFunctions& functions, int threads);
  ~EngineEntryPoints();
  EngineEntryPoints(const EngineEntryPoints&) = delete;
  EngineEntryPoints& operator=(const EngineEntryPoints&) = delete;

  // Whether the renders are frames of a drag, which may turn and bend by
  // faster approximations; off, every render is exact.
  void setPreview(bool on) const;
  // Where the next renders lay their layer: 0 the slot itself, 1..7 the
  // slot's underlay of that number (the outside effect alone, under it).
  void setUnderlay(int32_t underlay) const;
  // Keeps the first `count` underlays of `layerSlot` and drops the others.
  void keepUnderlays(int32_t layerSlot, int32_t count) const;
  void destruction() const;
  void texture(const uint8_t* tile, int32_t rowOffset, int32_t columnOffset, int32_t stride,
               int32_t rows) const;
  void frontiere(uint8_t* picture, uint8_t* mask, int32_t stride, int32_t rows, int32_t keyRed,
                 int32_t keyGreen, int32_t keyBlue, int32_t redMin, int32_t redMax,
                 int32_t greenMin, int32_t greenMax, int32_t blueMin, int32_t blueMax) const;

 private:
  friend void callAction(const EngineEntryPoints& engine,
                         const velloro::ActionArguments& arguments);
  friend class StoppableRenders;

  // Asks the engine to stop the object's render under way, on the thread
  // that asked the stop request.
  struct StopRender {
    const EngineEntryPoints* engine;
    void operator()() const noexcept;
  };

  // Whether the render calls stop, and when; empty (as made): never.
  void stopOn(std::stop_token request) const;
  bool stopAsked() const { return stopRequest_.stop_requested(); }

  EngineObjectFunctions functions_;
  VelloroEngine* object_ = nullptr;
  // Set on a const handle, as the object's other settings are.
  mutable std::stop_token stopRequest_;
  mutable std::optional<std::stop_callback<StopRender>> onStop_;
};

// While it lives, the renders of `engine` stop once `request` is asked to
// stop, from any thread: the engine ends the render under way within a
// little work, and that render call and every later one throw
// RenderStopped. The engine forgets a stop asked between its render calls,
// so a request asked just as a call begins ends the render when that call
// returns.
class StoppableRenders {
 public:
  StoppableRenders(const EngineEntryPoints& engine, std::stop_token request);
  ~StoppableRenders();
  StoppableRenders(const StoppableRenders&) = delete;
  StoppableRenders& operator=(const StoppableRenders&) = delete;

 private:
  const EngineEntryPoints& engine_;
};

// Renders with `arguments` unpacked into the engine's positions, at their
// density; the one place that knows the positional order. Throws a Failure
// when the engine refuses the render, RenderStopped when it was stopped.
void callAction(const EngineEntryPoints& engine, const velloro::ActionArguments& arguments);

class EngineLibrary {
 public:
  explicit EngineLibrary(QString libraryPath);

  // The engine object of this library's user (the window, a command-line
  // render), made on the first call with a thread for each core. Throws a
  // Failure naming the library or the missing entry point; a later call
  // tries again.
  const EngineEntryPoints& entryPoints();

  // Another engine object of the library, rendering on at most `threads`
  // threads; throws a Failure like entryPoints().
  std::unique_ptr<EngineEntryPoints> newObject(int threads);

  // The library file, as given or, once loaded, as found.
  QString libraryPath() const { return library_.fileName(); }

 private:
  const EngineObjectFunctions& functions();

  QLibrary library_;
  std::optional<EngineObjectFunctions> functions_;
  std::unique_ptr<EngineEntryPoints> own_;
};
