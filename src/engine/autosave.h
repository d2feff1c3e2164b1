#ifndef AUTOSAVE_H
#define AUTOSAVE_H

// The autosave: one file holding exactly the state text of the running game, rewritten after every applied action
// through a save file, so that a crash or a full disk never leaves half a game behind. Its place is
// "autosave-v1.txt" in the application's data folder, which the application's names decide; a test or a tool
// may put it elsewhere.

#include "gamecore.h"

#include <QString>

class Autosave
{
public:
    // The file's path: the one set, or else the default in the data folder (looked up at each call, so that a
    // test mode switched on later is followed).
    QString path() const;
    void setPath(const QString &path);

    // Failures are silent: the previous file stays as it was whenever the new one is not completely written.
    void save(const Zavel::GameCore &core) const;
    // Replaces *core by the saved game; false, with *core unchanged, when there is none or it is refused.
    bool restore(Zavel::GameCore *core) const;

private:
    QString m_path;
};

#endif
