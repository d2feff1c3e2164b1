// The interface's Qt Quick tests: the real main QML file and engine, in Qt's test mode under a home of this run's
// own, so that the autosave starts empty and other test programs running at the same time cannot touch it.

#include "gamecore.h"
#include "gameengine.h"
#include "languagesettings.h"

#include <QDir>
#include <QSaveFile>
#include <QScopedPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtQml>
#include <QtQuickTest>

#include <utility>

namespace {

QStringList warnings;
QtMessageHandler previousHandler = nullptr;

// Only what the interface or the engine's audit says counts, not the test platform's start-up chatter.
void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray category(context.category ? context.category : "");
    if (type != QtDebugMsg && type != QtInfoMsg
        && (category == "qml" || category == "js" || message.contains(QLatin1String(".qml:"))
            || message.startsWith(QLatin1String("[harbour-zavel]"))))
        warnings.append(message);
    previousHandler(type, context, message);
}

} // namespace

class Setup : public QObject
{
    Q_OBJECT

public:
    // Runs before the application object exists, so everything Qt derives from the home directory follows.
    Setup() { qputenv("HOME", m_home.path().toLocal8Bit()); }

    // Writes a game as the autosave for the engine to restore: "hands" (ids "suit_rank", one list per seat),
    // "discard" (bottom to top), "requestedSuit"; the rest of the deck is the talon. {} means a fresh deal.
    Q_INVOKABLE bool writeGame(const QVariantMap &spec) const
    {
        const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                 .filePath(QStringLiteral("autosave-v1.txt"));
        if (spec.isEmpty())
            return !QFileInfo::exists(path) || QFile::remove(path);
        // A fresh deal leaves no penalty, request or choice pending and the player on turn.
        const QVariantList hands = spec.value(QStringLiteral("hands")).toList();
        Zavel::GameCore core(hands.size(), 7);
        QSet<QString> placed;
        auto cards = [&placed](const QVariant &ids) {
            std::vector<Zavel::Card> out;
            for (const QVariant &id : ids.toList()) {
                placed.insert(id.toString());
                const QStringList suitAndRank = id.toString().split(QLatin1Char('_'));
                out.push_back(Zavel::Card{suitAndRank.value(1).toInt(), suitAndRank.value(0).toInt(), -1});
            }
            return out;
        };
        for (int seat = 0; seat < hands.size(); ++seat)
            core.hands[std::size_t(seat)] = cards(hands[seat]);
        core.discard = cards(spec.value(QStringLiteral("discard")));
        core.talon.clear();
        for (const Zavel::Card &card : Zavel::buildDeck()) {
            if (!placed.contains(QStringLiteral("%1_%2").arg(card.suit).arg(card.rank)))
                core.talon.push_back(card);
        }
        core.requestedSuit = spec.value(QStringLiteral("requestedSuit"), -1).toInt();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        const std::string text = core.serializeState();
        return file.open(QIODevice::WriteOnly) && file.write(text.data(), qint64(text.size())) > 0 && file.commit();
    }

    // Goes in after the handler that Qt Quick Test installs, passing nothing on, as the first test case starts.
    Q_INVOKABLE void watchWarnings()
    {
        previousHandler = previousHandler ? previousHandler : qInstallMessageHandler(collectWarnings);
    }
    Q_INVOKABLE QStringList takeWarnings() { return std::exchange(warnings, QStringList()); }

public slots:
    void applicationAvailable()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
        QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
        QStandardPaths::setTestModeEnabled(true);
        m_language.reset(new LanguageSettings);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        qmlRegisterType<GameEngine>("harbour.zavel", 1, 0, "GameEngine");
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("languageSettings"), m_language.data());
        context->setContextProperty(QStringLiteral("testSupport"), this);
        context->setContextProperty(QStringLiteral("mainQml"),
                                    QUrl::fromLocalFile(QStringLiteral(ZAVEL_QML_DIR "/harbour-zavel.qml")));
        context->setContextProperty(QStringLiteral("screenshotDir"), QStringLiteral(ZAVEL_SCREENSHOT_DIR));
    }

private:
    QTemporaryDir m_home;
    QScopedPointer<LanguageSettings> m_language;
};

QUICK_TEST_MAIN_WITH_SETUP(zavel_qml, Setup)

#include "tst_qml.moc"
