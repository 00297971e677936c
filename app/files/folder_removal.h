// Removing a folder tree in a folder other users may write to: the tree is
// opened once and walked relative to its open descriptors, never by path,
// so a folder swapped for a link while the walk runs leads nowhere else.
// No link is ever followed: a link in the tree is removed as a name.
#pragma once

#include <QByteArray>
#include <QByteArrayList>

// The names in the open folder `folder`, without "." and "..".
QByteArrayList namesInFolder(int folder);

// Removes the folder `name` inside the open folder `parent` with all it
// holds, when it is a folder (not a link) that the current user owns.
// Returns whether the folder is gone.
bool removeOwnedFolder(int parent, const QByteArray& name);
