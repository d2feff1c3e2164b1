// The interface's Qt Quick tests: the real main QML file and engine, in Qt's test mode under a home of this run's
// own, so that the autosave starts empty and other test programs running at the same time cannot touch it. The
// interface's database lives in an offline storage folder of the run's own, never the user's.

#include "gameengine.h"
#include "languagesettings.h"
#include "savefiles.h"
#include "storagesupport.h"
#include "zavelqmltypes.h"

#include <QDir>
#include <QScopedPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
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

    // The game that the words describe (gametext.h) as the autosave; "" for none, so that a fresh game is dealt.
    Q_INVOKABLE bool writeGame(const QString &words) const { return SaveFiles::writeGame(words); }

    // Goes in after the handler that Qt Quick Test installs, passing nothing on, as the first test case starts.
    Q_INVOKABLE void watchWarnings()
    {
        previousHandler = previousHandler ? previousHandler : qInstallMessageHandler(collectWarnings);
    }
    Q_INVOKABLE QStringList takeWarnings() { return std::exchange(warnings, QStringList()); }

    // Runs the texts in Hungarian from the catalogue the build made, or in English again, as a start in that
    // language would: the interface made after this call shows it.
    Q_INVOKABLE bool useHungarian(bool hungarian)
    {
        QCoreApplication::removeTranslator(&m_translator);
        return !hungarian
            || (m_translator.load(QStringLiteral(ZAVEL_CATALOGUE))
                && QCoreApplication::installTranslator(&m_translator));
    }

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
        registerZavelTypes();
        engine->setOfflineStoragePath(m_home.filePath(QStringLiteral("offline-storage")));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("storageSupport"), new StorageSupport(engine, this));
        context->setContextProperty(QStringLiteral("languageSettings"), m_language.data());
        context->setContextProperty(QStringLiteral("testSupport"), this);
        // ZAVEL_TEST_QML names another interface folder to play, for a scratch copy with a planted fault.
        const QByteArray qml = qEnvironmentVariableIsSet("ZAVEL_TEST_QML") ? qgetenv("ZAVEL_TEST_QML") : ZAVEL_QML_DIR;
        context->setContextProperty(QStringLiteral("mainQml"),
                                    QUrl::fromLocalFile(QString::fromLocal8Bit(qml) + "/harbour-zavel.qml"));
    }

private:
    QTemporaryDir m_home;
    QScopedPointer<LanguageSettings> m_language;
    QTranslator m_translator;
};

QUICK_TEST_MAIN_WITH_SETUP(zavel_qml, Setup)

#include "tst_qml.moc"
