#ifndef ENGINETEXTS_H
#define ENGINETEXTS_H

// The texts the engine shows, made from the rules state and the players' names: names of players, suits and
// ranks, the status line, the result, the request and penalty that stand, and the event lines of actions. Every
// fixed text is an English source text of the translation context "GameEngine", looked up before its
// placeholders are filled. How the placeholders are filled matters when a player's name itself holds a "%"
// sequence, so each text keeps its own way: one substitution, a number, two successive substitutions, or one
// two-argument substitution.

#include "gamecore.h"

#include <QCoreApplication>
#include <QString>

class EngineTexts
{
    Q_DECLARE_TR_FUNCTIONS(GameEngine)

public:
    // Reads the game and the four names (as the player entered them) it is given, as they are at each call.
    EngineTexts(const Zavel::GameCore &core, const QString *names);

    QString displayName(int seat) const;
    QString suitName(int suit) const;
    QString rankName(int rank) const;

    QString status() const;
    QString roundResult() const;
    QString activeRequest() const;
    QString penalty() const;

    // The event line of an applied action: in the player's own words for seat 0, by name for the others. A null
    // text leaves the last one standing, as an ordinary play does.
    QString actionText(int seat, const Zavel::AiAction &action, const Zavel::ActionResult &result) const;
    QString declaration(int seat) const;
    QString restored() const;
    // Why seat 0 cannot play a card now.
    QString rejection() const;

private:
    const Zavel::GameCore &m_core;
    const QString *m_names;
};

#endif
