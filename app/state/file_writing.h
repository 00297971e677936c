// Writing files so that a failure never leaves a half-written file over a good
// one: the new content goes to a temporary file beside the target, which then
// replaces it in one step. Every failure is thrown as a Failure.
#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;
class QFile;

// Replaces `target` with a copy of `source`.
void copyFileReplacing(const QString& source, const QString& target);

// Replaces `target` with `content`.
void writeFileReplacing(const QString& target, const QByteArray& content);

// Opens `file` for reading or throws the failure.
void openForReading(QFile& file);

// Opens `file` for writing its replacement or throws the failure.
void openForWriting(QSaveFile& file);

// Copies what is left of `input` into `output`, or throws the failure.
void appendRest(QFile& input, QSaveFile& output);

// Writes `content` into an open save file, or throws the failure.
void writeAll(QSaveFile& file, const QByteArray& content);

// Makes the written content take the target's place, or throws the failure.
void commit(QSaveFile& file);
