#ifndef ZAVEL_CRASHSAFETY_SAVELOG_H
#define ZAVEL_CRASHSAFETY_SAVELOG_H

// The side log through which the autosave writer tells the kill test which states it may have saved.
//
// One line per entry, each written with a single write() to a file opened for appending, so that a line is
// either wholly in the log or not at all when the writer is killed:
//   R             the writer has started and is about to play
//   S <hash>      a state text that the writer is about to have saved, logged before the save begins
//   N <players>   a new game is about to be dealt (its deal is random, so it cannot be named in advance)
//   X <hash>      a checkpoint found a saved text that was never announced: the writer's prediction is wrong
// Hashes are 64-bit FNV-1a of the whole text, in hexadecimal.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace SaveLog {

inline std::uint64_t hash(const QByteArray &text)
{
    std::uint64_t h = 14695981039346656037ull;
    for (char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

inline QByteArray hashText(const QByteArray &text)
{
    return QByteArray::number(static_cast<qulonglong>(hash(text)), 16);
}

} // namespace SaveLog

#endif
