// Reading back what a run wrote to a stream of its own.
#pragma once

#include <cstdio>
#include <string>

// Everything written to `stream` so far.
inline std::string textOf(std::FILE* stream) {
  std::rewind(stream);
  std::string content;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) content += char(c);
  return content;
}
