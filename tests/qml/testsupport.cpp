#include "testsupport.h"

#include "gamecore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtGlobal>

#include <algorithm>

namespace {

QStringList collectedWarnings;
QtMessageHandler previousHandler = nullptr;

// Only what the interface or the engine says counts: Qt's own start-up chatter of the test platform does not.
bool concernsUs(const QMessageLogContext &context, const QString &message)
{
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    return category == QLatin1String("qml") || category == QLatin1String("js")
        || message.contains(QLatin1String(".qml:")) || message.contains(QLatin1String(".js:"))
        || message.startsWith(QLatin1String("[harbour-zavel]"));
}

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && concernsUs(context, message))
        collectedWarnings.append(message);
    if (previousHandler)
        previousHandler(type, context, message);
}

bool parseCardId(const QString &id, Zavel::Card *card)
{
    const QStringList parts = id.split(QLatin1Char('_'));
    bool suitOk = false;
    bool rankOk = false;
    if (parts.size() != 2)
        return false;
    card->suit = parts[0].toInt(&suitOk);
    card->rank = parts[1].toInt(&rankOk);
    card->playedBy = -1;
    return suitOk && rankOk;
}

bool parseCards(const QVariant &value, std::vector<Zavel::Card> *out)
{
    out->clear();
    for (const QVariant &item : value.toList()) {
        Zavel::Card card;
        if (!parseCardId(item.toString(), &card)) {
            qWarning("[harbour-zavel] test game: bad card id %s", qPrintable(item.toString()));
            return false;
        }
        out->push_back(card);
    }
    return true;
}

bool contains(const std::vector<Zavel::Card> &cards, const Zavel::Card &card)
{
    return std::any_of(cards.begin(), cards.end(), [&](const Zavel::Card &c) { return Zavel::sameCard(c, card); });
}

} // namespace

TestSupport::TestSupport(QObject *parent)
    : QObject(parent)
{ }

QUrl TestSupport::mainQml() const
{
    return QUrl::fromLocalFile(QStringLiteral(ZAVEL_QML_DIR "/harbour-zavel.qml"));
}

QString TestSupport::screenshotDir() const
{
    const QString dir = QStringLiteral(ZAVEL_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return dir;
}

QString TestSupport::autosavePath() const
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("autosave-v1.txt"));
}

bool TestSupport::writeGame(const QVariantMap &spec) const
{
    const int players = spec.value(QStringLiteral("players"), 2).toInt();
    Zavel::GameCore core(players, spec.value(QStringLiteral("seed"), 7u).toUInt());

    const QVariantList hands = spec.value(QStringLiteral("hands")).toList();
    if (hands.size() != core.playerCount) {
        qWarning("[harbour-zavel] test game: %d hands for %d players", int(hands.size()), core.playerCount);
        return false;
    }
    for (int seat = 0; seat < core.playerCount; ++seat) {
        if (!parseCards(hands[seat], &core.hands[std::size_t(seat)]))
            return false;
    }
    std::vector<Zavel::Card> talonTop;
    if (!parseCards(spec.value(QStringLiteral("discard")), &core.discard)
        || !parseCards(spec.value(QStringLiteral("talonTop")), &talonTop))
        return false;

    // Every card not placed goes under the named talon cards, in deck order.
    core.talon.clear();
    for (const Zavel::Card &card : Zavel::buildDeck()) {
        bool placed = contains(core.discard, card) || contains(talonTop, card);
        for (const auto &hand : core.hands)
            placed = placed || contains(hand, card);
        if (!placed)
            core.talon.push_back(card);
    }
    core.talon.insert(core.talon.end(), talonTop.begin(), talonTop.end());

    core.currentPlayer = spec.value(QStringLiteral("current"), 0).toInt();
    core.winner = spec.value(QStringLiteral("winner"), -1).toInt();
    core.requestedSuit = spec.value(QStringLiteral("requestedSuit"), -1).toInt();
    core.requestedRank = spec.value(QStringLiteral("requestedRank"), -1).toInt();
    core.pendingDraw = spec.value(QStringLiteral("pendingDraw"), 0).toInt();
    core.pendingSkip = spec.value(QStringLiteral("pendingSkip"), false).toBool();
    core.pendingChoice = spec.value(QStringLiteral("pendingChoice"), 0).toInt();
    core.choiceOwner = core.pendingChoice != 0 ? core.currentPlayer : -1;
    const QVariantList declared = spec.value(QStringLiteral("declared")).toList();
    for (int seat = 0; seat < core.playerCount && seat < declared.size(); ++seat)
        core.announcements[std::size_t(seat)] = declared[seat].toBool();

    std::string error;
    if (!core.validate(&error)) {
        qWarning("[harbour-zavel] test game rejected: %s", error.c_str());
        return false;
    }

    const QString path = autosavePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string text = core.serializeState();
    file.write(text.data(), qint64(text.size()));
    return file.commit();
}

void TestSupport::removeGame() const
{
    QFile::remove(autosavePath());
}

QString TestSupport::savedGame() const
{
    QFile file(autosavePath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

QStringList TestSupport::takeWarnings()
{
    const QStringList warnings = collectedWarnings;
    collectedWarnings.clear();
    return warnings;
}

void TestSupport::installMessageHandler()
{
    previousHandler = qInstallMessageHandler(collectWarnings);
}
