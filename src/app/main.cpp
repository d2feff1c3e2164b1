// Start-up: the application object, its names (which decide where settings and the autosave live), the
// language chosen at the last run, the QML types of the game, and the view with the main QML file.

#include "languagesettings.h"
#include "zavelqmltypes.h"

#include <sailfishapp.h>

#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickView>
#include <QScopedPointer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QScopedPointer<QGuiApplication> app(SailfishApp::application(argc, argv));
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));

    LanguageSettings languageSettings;
    const QString language = languageSettings.language();

    // Installed once, before the view exists: the first frame is already translated, and a language chosen
    // during the run takes effect at the next start.
    QTranslator translator;
    const QString translations = SailfishApp::pathTo(QStringLiteral("translations")).toLocalFile();
    if (language == QLatin1String("hu") && translator.load(translations + QStringLiteral("/harbour-zavel-hu.qm")))
        QCoreApplication::installTranslator(&translator);

    registerZavelTypes();

    // The view, and the engine QML creates in it, go before the language settings they refer to.
    QScopedPointer<QQuickView> view(SailfishApp::createView());
    view->rootContext()->setContextProperty(QStringLiteral("languageSettings"), &languageSettings);
    view->setSource(SailfishApp::pathTo(QStringLiteral("qml/harbour-zavel.qml")));
    // The game's own name, not the program's: the application name decides where its data lives.
    view->setTitle(QStringLiteral("Zavél"));
    view->show();

    const int result = app->exec();
    view.reset();
    return result;
}
