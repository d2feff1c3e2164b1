// zavel-frames: plays whole 4-player games on the real interface, with its animations, and times what a player
// feels: the work of every frame and the interval between frames while cards move, and the interface thread's
// time for every action with the saves inside it. tools/measure-frames.sh runs it under Xvfb in a temporary
// home:
//   zavel-frames [--games N] [--delay MS] [--qml FILE] [--screenshot PNG] [-qmljsdebugger=...]
// The renderer is Qt Quick's choice: QT_QUICK_BACKEND=software for the software renderer, OpenGL otherwise.
// With Qt's -qmljsdebugger option the QML debugging services are on, so that qmlprofiler can record a run:
//   qmlprofiler -o trace.qtd zavel-frames --games 1
// --screenshot saves the window 10 s into the run, to see what was measured (that run's frames include the
// grab). It refuses to run in the account's own home, whose autosave it would overwrite.

#include "actionclock.h"
#include "clock.h"
#include "frameclock.h"
#include "gameengine.h"
#include "languagesettings.h"
#include "player.h"
#include "report.h"
#include "savecounter.h"
#include "timedapplication.h"
#include "zavelqmltypes.h"

#include <QDir>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQmlContext>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickView>
#include <QStandardPaths>
#include <QTimer>
#include <QtQml>
#include <qqmldebug.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct Options
{
    int games = 5;
    int delayMs = 150;
    QString qml = QStringLiteral(ZAVEL_FRAMES_QML);
    QString screenshot;
};

int usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--games N] [--delay MS] [--qml FILE] [--screenshot PNG] [-qmljsdebugger=...]\n",
                 program);
    return 2;
}

bool readInt(const char *text, int low, int high, int *out)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < low || value > high)
        return false;
    *out = static_cast<int>(value);
    return true;
}

bool parse(int argc, char **argv, Options *options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--games") == 0 && hasValue) {
            if (!readInt(argv[++i], 1, 100000, &options->games))
                return false;
        } else if (std::strcmp(argv[i], "--delay") == 0 && hasValue) {
            if (!readInt(argv[++i], 0, 10000, &options->delayMs))
                return false;
        } else if (std::strcmp(argv[i], "--qml") == 0 && hasValue) {
            options->qml = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && hasValue) {
            options->screenshot = QString::fromLocal8Bit(argv[++i]);
        } else {
            return false;
        }
    }
    return true;
}

bool inside(const QString &path, const QString &folder)
{
    return QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + QLatin1Char('/'));
}

// The game saves after every move: that must land in a home made for the run, never in the account's own.
bool homeIsTemporary()
{
    const QString home = QDir::home().canonicalPath();
    const passwd *account = getpwuid(getuid());
    if (home.isEmpty() || (account && QDir(QString::fromLocal8Bit(account->pw_dir)).canonicalPath() == home))
        return false;
    const QStandardPaths::StandardLocation kept[]
        = {QStandardPaths::AppDataLocation, QStandardPaths::GenericConfigLocation};
    for (const auto location : kept) {
        const QString path = QDir(QStandardPaths::writableLocation(location)).absolutePath();
        QDir().mkpath(path);
        if (!inside(QDir(path).canonicalPath(), home))
            return false;
    }
    return true;
}

GameEngine *findEngine(QQuickItem *root)
{
    if (!root)
        return nullptr;
    if (auto *engine = qobject_cast<GameEngine *>(root->property("engine").value<QObject *>()))
        return engine;
    return root->findChild<GameEngine *>();
}

// Qt takes its -qmljsdebugger option out of the arguments when the application object is made.
bool qmlDebuggingAsked(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-qmljsdebugger=", 15) == 0)
            return true;
    }
    return false;
}

// The run measures play as it looks after the first start: a welcome shown over the table on a first start
// is answered the way a player with a keyboard answers it, with Escape (which otherwise only closes panels).
// The key goes straight to the root item, whose key handler serves the whole interface: under Xvfb without a
// window manager the window never becomes active, so it would not reach it through the window.
void pressEscape(QQuickItem *root)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(root, &press);
    QCoreApplication::sendEvent(root, &release);
}

} // namespace

int main(int argc, char **argv)
{
    const bool qmlDebugging = qmlDebuggingAsked(argc, argv);
    TimedApplication app(argc, argv);
    Options options;
    if (!parse(argc, argv, &options))
        return usage(argv[0]);
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
    if (!homeIsTemporary()) {
        std::fprintf(stderr,
                     "zavel-frames: HOME and the XDG folders must be a temporary home, not the account's "
                     "own (tools/measure-frames.sh makes one); refusing to run\n");
        return 1;
    }

    // Before any QML engine exists; the profiler's timings are for finding where the time goes, not the figures.
    if (qmlDebugging) {
        const QQmlDebuggingEnabler enabler(false);
        Q_UNUSED(enabler)
    }

    // As the application registers them: the engine type, and the language settings the interface reads.
    LanguageSettings languageSettings;
    registerZavelTypes();

    auto view = std::make_unique<QQuickView>();
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->rootContext()->setContextProperty(QStringLiteral("languageSettings"), &languageSettings);
    std::string glRenderer;
    QObject::connect(
        view.get(), &QQuickWindow::sceneGraphInitialized, view.get(),
        [&glRenderer] {
            if (QOpenGLContext *context = QOpenGLContext::currentContext())
                glRenderer = reinterpret_cast<const char *>(context->functions()->glGetString(GL_RENDERER));
        },
        Qt::DirectConnection);
    view->setSource(QUrl::fromLocalFile(options.qml));
    if (view->status() != QQuickView::Ready) {
        for (const QQmlError &error : view->errors())
            std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
        std::fprintf(stderr, "zavel-frames: the interface %s did not load\n", qPrintable(options.qml));
        return 1;
    }
    GameEngine *engine = findEngine(view->rootObject());
    if (!engine) {
        std::fprintf(stderr, "zavel-frames: the interface has no GameEngine\n");
        return 1;
    }

    QDir().mkpath(QFileInfo(engine->saveFilePath()).absolutePath());
    SaveCounter saves(engine->saveFilePath());
    if (!saves.isValid())
        std::fprintf(stderr, "zavel-frames: cannot watch the autosave folder; saves are not counted\n");

    // Something moves while the engine runs an animation phase or the interface has cards in the air.
    const QObject *flights = view->rootObject()->findChild<QObject *>(QStringLiteral("flights"));
    FrameClock frames(view.get(), [engine, flights] {
        return engine->visualPhase() != GameEngine::Idle || (flights && flights->property("flying").toInt() > 0);
    });
    ActionClock actions(engine, view.get(), &frames, &saves);
    app.addObserver(&frames);
    app.addObserver(&actions);

    Player player(engine, &actions, options.games, options.delayMs);
    qint64 startNs = 0;
    // Once, at the first frame; later frames must not add a dispatch of their own to what is measured.
    auto firstFrame = std::make_shared<QMetaObject::Connection>();
    *firstFrame = QObject::connect(
        view.get(), &QQuickWindow::frameSwapped, &player,
        [&, firstFrame] {
            QObject::disconnect(*firstFrame);
            player.start([&] {
                pressEscape(view->rootObject());
                frames.setRecording(true);
                actions.setRecording(true);
                startNs = nowNs();
            });
        },
        Qt::QueuedConnection);

    view->resize(540, 960);
    view->show();
    if (!options.screenshot.isEmpty()) {
        QQuickView *window = view.get();
        const QString file = options.screenshot;
        QTimer::singleShot(10000, window, [window, file] { window->grabWindow().save(file); });
    }
    const int status = app.exec();
    const double seconds = nsToMs(nowNs() - startNs) / 1000;

    const FrameClock::Results frameResults = frames.results();
    app.clearObservers();
    view.reset();
    if (qmlDebugging) {
        // The profiler's data leaves once the QML engine is gone, from the event loop: give it time to go.
        QTimer::singleShot(2000, &app, &QCoreApplication::quit);
        app.exec();
    }
    if (status != 0 || !player.failure().isEmpty()) {
        const QString failure
            = player.failure().isEmpty() ? QStringLiteral("the run did not finish") : player.failure();
        std::fprintf(stderr, "zavel-frames: %s\n", qPrintable(failure));
        return 1;
    }

    RunFacts run;
    const bool software = qgetenv("QT_QUICK_BACKEND") == "software";
    run.renderer = software ? "Qt Quick software renderer" : "OpenGL (" + glRenderer + ")";
    run.renderer += frameResults.renderThread ? ", rendered on a render thread of its own"
                                              : ", rendered on the interface thread";
    run.games = player.gamesPlayed();
    run.delayMs = options.delayMs;
    run.ownMoves = player.moves();
    run.seconds = seconds;
    printReport(run, frameResults, actions.results(), player.saveTimes());
    return 0;
}
