// Running a piece of test code in a child process whose files cannot grow
// past a few bytes: every write beyond the limit fails with EFBIG, through
// the same paths as a write onto a full disk.
#pragma once

#include <QByteArray>
#include <functional>

// Runs `body` in a child process limited to files of `limit` bytes and
// returns what it returned; an exception escaping `body` comes back as
// "escaped: " and its text.
QByteArray inChildWithFileLimit(long limit, const std::function<QByteArray()>& body);
