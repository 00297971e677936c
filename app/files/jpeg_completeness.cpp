#include "files/jpeg_completeness.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

constexpr uchar endOfImage = 0xD9;
constexpr uchar startOfScan = 0xDA;
constexpr uchar huffmanTables = 0xC4;
constexpr uchar restartInterval = 0xDD;
constexpr uchar temporary = 0x01;
constexpr int blockSide = 8;
constexpr int coefficients = 64;
constexpr int longestCode = 16;

bool isRestart(uchar marker) { return marker >= 0xD0 && marker <= 0xD7; }

bool isRestartOrStuffing(uchar marker) { return marker == 0x00 || isRestart(marker); }

// Baseline and extended sequential Huffman frames; the others (progressive,
// lossless, arithmetic coding) are checked by their markers alone.
bool isSequentialHuffman(uchar marker) { return marker == 0xC0 || marker == 0xC1; }

bool isOtherFrame(uchar marker) {
  return marker >= 0xC2 && marker <= 0xCF && marker != huffmanTables && marker != 0xC8 &&
         marker != 0xCC;
}

// Where the entropy-coded data that starts at `at` ends: at the next marker
// that is not a stuffed byte or a restart marker; the length when none comes.
qsizetype afterScanData(const uchar* data, qsizetype length, qsizetype at) {
  while (at + 1 < length) {
    if (data[at] != 0xFF) {
      ++at;
    } else if (data[at + 1] == 0xFF) {
      ++at;  // a fill byte before a marker
    } else if (isRestartOrStuffing(data[at + 1])) {
      at += 2;
    } else {
      return at;
    }
  }
  return length;
}

// A Huffman table in the canonical form of the standard's decoding
// procedure: per code length the largest code and where its values start.
struct HuffmanTable {
  std::array<int, longestCode + 1> largest{};
  std::array<int, longestCode + 1> firstIndex{};
  std::array<int, longestCode + 1> smallest{};
  std::vector<uchar> values;
};

struct Component {
  int id = 0;
  int horizontal = 1;
  int vertical = 1;
};

struct Frame {
  bool sequentialHuffman = false;
  int width = 0;
  int rows = 0;
  std::vector<Component> components;
};

// The bits of a scan's entropy-coded data, highest first, stuffed zero
// bytes removed; no bit past a marker or the file's end.
class ScanBits {
 public:
  ScanBits(const uchar* data, qsizetype length, qsizetype at)
      : data_(data), length_(length), at_(at) {}

  std::optional<int> bit() {
    if (left_ == 0) {
      if (at_ >= length_) return std::nullopt;
      byte_ = data_[at_++];
      if (byte_ == 0xFF) {
        if (at_ >= length_ || data_[at_] != 0x00) return std::nullopt;
        ++at_;  // the stuffed zero after a data byte 0xFF
      }
      left_ = 8;
    }
    --left_;
    return (byte_ >> left_) & 1;
  }

  std::optional<int> bits(int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
      const std::optional<int> next = bit();
      if (!next) return std::nullopt;
      value = value << 1 | *next;
    }
    return value;
  }

  std::optional<int> decode(const HuffmanTable& table) {
    int code = 0;
    for (int length = 1; length <= longestCode; ++length) {
      const std::optional<int> next = bit();
      if (!next) return std::nullopt;
      code = code << 1 | *next;
      if (code <= table.largest[length]) {
        const size_t index = size_t(table.firstIndex[length] + code - table.smallest[length]);
        return index < table.values.size() ? std::optional<int>(table.values[index]) : std::nullopt;
      }
    }
    return std::nullopt;
  }

  // Past the restart marker that must follow an interval, its last byte's
  // padding dropped.
  bool restart() {
    left_ = 0;
    while (at_ + 1 < length_ && data_[at_] == 0xFF && data_[at_ + 1] == 0xFF) ++at_;
    if (at_ + 1 >= length_ || data_[at_] != 0xFF || !isRestart(data_[at_ + 1])) return false;
    at_ += 2;
    return true;
  }

 private:
  const uchar* data_;
  qsizetype length_;
  qsizetype at_;
  int byte_ = 0;
  int left_ = 0;
};

// The tables of a DHT segment, `data` its bytes after the length.
bool readHuffmanTables(const uchar* data, qsizetype length,
                       std::array<std::optional<HuffmanTable>, 8>& tables) {
  qsizetype at = 0;
  while (at < length) {
    if (at + 1 + longestCode > length) return false;
    const int tableClass = data[at] >> 4;
    const int id = data[at] & 15;
    if (tableClass > 1 || id > 3) return false;
    HuffmanTable table;
    int code = 0;
    int count = 0;
    for (int bitsLong = 1; bitsLong <= longestCode; ++bitsLong) {
      const int codes = data[at + bitsLong];
      table.firstIndex[bitsLong] = count;
      table.smallest[bitsLong] = code;
      table.largest[bitsLong] = codes == 0 ? -1 : code + codes - 1;
      code = (code + codes) << 1;
      count += codes;
    }
    at += 1 + longestCode;
    if (at + count > length) return false;
    table.values.assign(data + at, data + at + count);
    at += count;
    tables[size_t(tableClass * 4 + id)] = std::move(table);
  }
  return true;
}

bool readFrame(const uchar* data, qsizetype length, Frame& frame) {
  if (length < 6) return false;
  frame.rows = data[1] << 8 | data[2];
  frame.width = data[3] << 8 | data[4];
  const int count = data[5];
  if (count == 0 || length < 6 + 3 * count) return false;
  frame.components.clear();
  for (int c = 0; c < count; ++c) {
    const uchar* entry = data + 6 + 3 * c;
    const int horizontal = entry[1] >> 4;
    const int vertical = entry[1] & 15;
    if (horizontal < 1 || horizontal > 4 || vertical < 1 || vertical > 4) return false;
    frame.components.push_back({entry[0], horizontal, vertical});
  }
  return true;
}

int blocksAcross(int pixels, int factor, int largestFactor) {
  const int samples = (pixels * factor + largestFactor - 1) / largestFactor;
  return (samples + blockSide - 1) / blockSide;
}

// One block's codes: a DC difference, then AC runs to the end of block.
bool skipBlock(ScanBits& bits, const HuffmanTable& dc, const HuffmanTable& ac) {
  const std::optional<int> category = bits.decode(dc);
  if (!category || *category > longestCode || !bits.bits(*category)) return false;
  for (int k = 1; k < coefficients;) {
    const std::optional<int> runSize = bits.decode(ac);
    if (!runSize) return false;
    const int run = *runSize >> 4;
    const int size = *runSize & 15;
    if (size == 0 && run != 15) return true;  // end of block
    if (size > 0 && !bits.bits(size)) return false;
    k += run + 1;
  }
  return true;
}

struct ScanPart {
  const Component* component;
  const HuffmanTable* dc;
  const HuffmanTable* ac;
};

// Whether the scan whose header is `header` (after its length) codes every
// block of the frame's components it names.
bool scanCodesEveryBlock(const Frame& frame, const uchar* header, qsizetype headerLength,
                         const std::array<std::optional<HuffmanTable>, 8>& tables, int interval,
                         const uchar* data, qsizetype length, qsizetype at) {
  // One to four components, each with its tables, then the spectral
  // selection and the approximation.
  if (headerLength < 1 || header[0] < 1 || header[0] > 4 || headerLength < 1 + 2 * header[0] + 3)
    return false;
  std::vector<ScanPart> parts;
  for (int s = 0; s < header[0]; ++s) {
    const uchar* entry = header + 1 + 2 * s;
    const auto component = std::ranges::find(frame.components, int(entry[0]), &Component::id);
    const auto& dc = tables[entry[1] >> 4 & 3];
    const auto& ac = tables[4 + (entry[1] & 3)];
    if (component == frame.components.end() || !dc || !ac) return false;
    parts.push_back({&*component, &*dc, &*ac});
  }
  int largestH = 1, largestV = 1;
  for (const Component& c : frame.components) {
    largestH = std::max(largestH, c.horizontal);
    largestV = std::max(largestV, c.vertical);
  }
  const bool interleaved = parts.size() > 1;
  const Component& only = *parts.front().component;
  const qint64 units = interleaved ? qint64(blocksAcross(frame.width, 1, largestH)) *
                                         blocksAcross(frame.rows, 1, largestV)
                                   : qint64(blocksAcross(frame.width, only.horizontal, largestH)) *
                                         blocksAcross(frame.rows, only.vertical, largestV);
  ScanBits bits(data, length, at);
  for (qint64 unit = 0; unit < units; ++unit) {
    if (interval > 0 && unit > 0 && unit % interval == 0 && !bits.restart()) return false;
    for (const ScanPart& part : parts) {
      const int blocks = interleaved ? part.component->horizontal * part.component->vertical : 1;
      for (int b = 0; b < blocks; ++b)
        if (!skipBlock(bits, *part.dc, *part.ac)) return false;
    }
  }
  return true;
}

}  // namespace

// Walks the marker segments from the start-of-image; each scan's data runs
// to the next marker. Complete when the end-of-image marker follows a scan
// and every scan of a sequential Huffman frame codes all its blocks. A
// thumbnail's end marker lies inside its APP segment and is stepped over
// with it.
bool isCompleteJpeg(const QByteArray& bytes) {
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  const qsizetype length = bytes.size();
  if (length < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
  std::array<std::optional<HuffmanTable>, 8> tables;
  Frame frame;
  int interval = 0;
  qsizetype at = 2;
  bool scanned = false;
  while (at + 1 < length) {
    if (data[at] != 0xFF) return false;
    const uchar marker = data[at + 1];
    if (marker == 0xFF) {
      ++at;
      continue;
    }
    at += 2;
    if (marker == endOfImage) return scanned;
    if (marker == temporary || isRestartOrStuffing(marker)) continue;
    if (at + 2 > length) return false;
    const qsizetype segment = data[at] << 8 | data[at + 1];
    if (segment < 2 || at + segment > length) return false;
    const uchar* body = data + at + 2;
    const qsizetype bodyLength = segment - 2;
    if (marker == huffmanTables && !readHuffmanTables(body, bodyLength, tables)) return false;
    if (isSequentialHuffman(marker) || isOtherFrame(marker)) {
      if (!readFrame(body, bodyLength, frame)) return false;
      frame.sequentialHuffman = isSequentialHuffman(marker);
    }
    if (marker == restartInterval) interval = bodyLength >= 2 ? body[0] << 8 | body[1] : 0;
    at += segment;
    if (marker == startOfScan) {
      if (frame.sequentialHuffman &&
          !scanCodesEveryBlock(frame, body, bodyLength, tables, interval, data, length, at))
        return false;
      scanned = true;
      at = afterScanData(data, length, at);
    }
  }
  return false;
}
