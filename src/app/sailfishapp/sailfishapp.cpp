#include "sailfishapp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QQmlEngine>

namespace {

QString dataDirectory()
{
    const QString executable = QCoreApplication::applicationFilePath();
    const QFileInfo info(executable);
    return QDir::cleanPath(info.absolutePath() + QStringLiteral("/../share/") + info.fileName());
}

} // namespace

namespace SailfishApp {

QGuiApplication *application(int &argc, char **argv)
{
    return new QGuiApplication(argc, argv);
}

QUrl pathTo(const QString &filename)
{
    return QUrl::fromLocalFile(QDir(dataDirectory()).filePath(filename));
}

QQuickView *createView()
{
    auto *view = new QQuickView;
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->engine()->addImportPath(dataDirectory());
    // Qt.quit() and Qt.exit() in QML end the application, as on the phone.
    QObject::connect(view->engine(), &QQmlEngine::quit, qApp, &QCoreApplication::quit);
#if QT_VERSION >= QT_VERSION_CHECK(5, 8, 0)
    QObject::connect(view->engine(), &QQmlEngine::exit, qApp, &QCoreApplication::exit);
#endif
    return view;
}

} // namespace SailfishApp
