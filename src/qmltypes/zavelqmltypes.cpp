#include "zavelqmltypes.h"

#include "databaseguard.h"
#include "expertplayers.h"
#include "gameengine.h"
#include "handmodel.h"
#include "movejournal.h"
#include "pilemodel.h"
#include "seatmodel.h"

#include <QtQml>

void registerZavelTypes()
{
    const char uri[] = "harbour.zavel";
    qmlRegisterType<GameEngine>(uri, 1, 0, "GameEngine");
    qmlRegisterType<HandModel>(uri, 1, 0, "HandModel");
    qmlRegisterType<PileModel>(uri, 1, 0, "PileModel");
    qmlRegisterType<SeatModel>(uri, 1, 0, "SeatModel");
    qmlRegisterType<MoveJournal>(uri, 1, 0, "MoveJournal");
    qmlRegisterType<DatabaseGuard>(uri, 1, 0, "DatabaseGuard");
    qmlRegisterType<ExpertPlayers>(uri, 1, 0, "ExpertPlayers");
}
