// The Qt Quick Test cases of the interface. They load the real main QML file, with the engine registered as
// the application registers it and a real LanguageSettings published as "languageSettings", in Qt's test mode
// so that the autosave and the language file live in a scratch location that starts empty. That location is
// under a home directory of this run's own: other test programs running at the same time use Qt's test mode
// with the same application name, and must not write the autosave these tests have just crafted.

#include "gameengine.h"
#include "languagesettings.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QScopedPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtQml>
#include <QtQuickTest>

class Setup : public QObject
{
    Q_OBJECT

public:
    // Runs before the application object exists, so everything Qt derives from the home directory follows.
    Setup() { qputenv("HOME", m_home.path().toLocal8Bit()); }

public slots:
    void applicationAvailable()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
        QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
        QStandardPaths::setTestModeEnabled(true);
        removeScratchData();
        TestSupport::installMessageHandler();
        m_language.reset(new LanguageSettings);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        qmlRegisterType<GameEngine>("harbour.zavel", 1, 0, "GameEngine");
        engine->rootContext()->setContextProperty(QStringLiteral("languageSettings"), m_language.data());
        engine->rootContext()->setContextProperty(QStringLiteral("testSupport"), &m_support);
    }

    void cleanupTestCase()
    {
        m_language.reset();
        removeScratchData();
    }

private:
    static void removeScratchData()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
    }

    QTemporaryDir m_home;
    QScopedPointer<LanguageSettings> m_language;
    TestSupport m_support;
};

QUICK_TEST_MAIN_WITH_SETUP(zavel_qml, Setup)

#include "tst_qml.moc"
