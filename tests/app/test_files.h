// Reading and writing whole small files in tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The file's bytes; empty when it cannot be read.
QByteArray contentOf(const QString& path);

// Writes `content` as the file `path`, making its folders; fails the test
// when it cannot.
void writeContent(const QString& path, const QByteArray& content);

// Every name in `folder`, hidden files and folders included: what a writer
// left behind shows here.
QStringList entriesOf(const QString& folder);
