#ifndef JOURNALFILE_H
#define JOURNALFILE_H

// The move log of the running game, kept beside the autosave so that it survives a restart. The autosave holds the
// state text and nothing more; this file holds the game's identity and its records as the player saw them, each
// batch followed by a check of the state text it led to:
//
//   ZAVEL_MOVES_V1 <game id>
//   deal -1 2 0 -1 1 3,10,-1
//   check 5d0f4e2a9c31b8e7
//   play 0 0 0 -1 1 3,8,0
//   check 0c9a...
//
// It is written after the autosave, so it may lag behind it but never run ahead of it. What is read back counts
// only when it ends on the check of the very state that was restored: a damaged file, one cut short, or one of
// another game is dropped as a whole, never shown in part.

#include "moverecord.h"

#include <QString>

#include <string>
#include <vector>

class JournalFile
{
public:
    void setPath(const QString &path) { m_path = path; }
    QString path() const { return m_path; }

    // Starts the file anew: the game's identity and the first records, tied to the state they led to.
    void start(const QString &gameId, const std::vector<Zavel::MoveRecord> &records, const std::string &state) const;
    void append(const std::vector<Zavel::MoveRecord> &records, const std::string &state) const;
    // What the file holds for the game in `state`; false, with nothing given out, when it holds nothing usable.
    bool read(const std::string &state, QString *gameId, std::vector<Zavel::MoveRecord> *records) const;

    // A short, stable check of a state text.
    static QByteArray check(const std::string &state);

private:
    QString m_path;
};

#endif
