// Writing a TrueType font: big-endian numbers, the name table of a face and
// the table directory that binds the tables into one font file.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <utility>
#include <vector>

namespace fontBytes {

void append16(QByteArray& bytes, quint16 value);
void append32(QByteArray& bytes, quint32 value);
// Writes over bytes already there; a table too short for it is left as it is.
void put16(QByteArray& bytes, qsizetype at, quint16 value);
void put32(QByteArray& bytes, qsizetype at, quint32 value);
quint16 read16(const QByteArray& bytes, qsizetype at);

}  // namespace fontBytes

// A name table of the given names (number, text), in Unicode for Windows,
// in English.
QByteArray nameTable(const std::vector<std::pair<int, QString>>& names);

// The tables, by tag, as one TrueType font: its directory in tag order,
// each table's checksum, and the head table's whole-font adjustment.
QByteArray trueTypeFontOf(const std::map<quint32, QByteArray>& tables);
