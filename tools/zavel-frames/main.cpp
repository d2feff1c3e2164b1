// zavel-frames: plays whole 4-player games on the real interface, with its animations, and times what a player
// feels: the work of every frame and the interval between frames while cards move, and the interface thread's
// time for every action with the saves inside it. tools/measure-frames.sh runs it under Xvfb in a temporary
// home, taking turns with the floor scene (--floor: the engine and one flying rectangle, the least any
// interface costs), and merges the runs' samples into one report:
//   zavel-frames [--games N] [--deals K] [--delay MS] [--qml FILE] [--screenshot PNG] [--samples FILE]
//                [--slow MS] [-qmljsdebugger=...]
//   zavel-frames --floor SECONDS [--samples FILE]
//   zavel-frames --merge FILE...
// --deals deals anew K times before each game is played (the new deals are timed as actions of their own). The
// first game also starts with a timed deal; before it, an untimed deal brings the table from the start's seats
// to four, so that every timed deal is one at an unchanged table.
// --slow prints every action that takes longer than MS, with its kind and what the engine says after it, and
// every frame whose work takes longer, with its parts.
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
#include "samples.h"
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
#include <vector>

namespace {

struct Options
{
    int games = 5;
    int deals = 0;
    int delayMs = 150;
    int floorSeconds = 0;
    int slowMs = 0;
    QString qml = QStringLiteral(ZAVEL_FRAMES_QML);
    QString screenshot;
    std::string samples;
    std::vector<std::string> merge;
};

int usage(const char *program)
{
    std::fprintf(
        stderr,
        "usage: %s [--games N] [--deals K] [--delay MS] [--qml FILE] [--screenshot PNG] [--samples FILE] [--slow MS]\n"
        "       %s --floor SECONDS [--samples FILE]\n"
        "       %s --merge FILE...\n",
        program, program, program);
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
        if (std::strcmp(argv[i], "--merge") == 0 && hasValue) {
            options->merge.assign(argv + i + 1, argv + argc);
            return true;
        }
        if (std::strcmp(argv[i], "--games") == 0 && hasValue) {
            if (!readInt(argv[++i], 1, 100000, &options->games))
                return false;
        } else if (std::strcmp(argv[i], "--deals") == 0 && hasValue) {
            if (!readInt(argv[++i], 0, 1000, &options->deals))
                return false;
        } else if (std::strcmp(argv[i], "--floor") == 0 && hasValue) {
            if (!readInt(argv[++i], 1, 100000, &options->floorSeconds))
                return false;
        } else if (std::strcmp(argv[i], "--samples") == 0 && hasValue) {
            options->samples = argv[++i];
        } else if (std::strcmp(argv[i], "--delay") == 0 && hasValue) {
            if (!readInt(argv[++i], 0, 10000, &options->delayMs))
                return false;
        } else if (std::strcmp(argv[i], "--slow") == 0 && hasValue) {
            if (!readInt(argv[++i], 1, 100000, &options->slowMs))
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

int runMerge(const Options &options)
{
    SampleSet samples;
    for (const std::string &file : options.merge) {
        if (!readSamples(file, &samples)) {
            std::fprintf(stderr, "zavel-frames: cannot read the samples in %s\n", file.c_str());
            return 1;
        }
    }
    printMergedReport(samples);
    return 0;
}

// Loads a scene into a new view; null, with the errors said, when it does not load or has no engine.
std::unique_ptr<QQuickView> loadScene(const QUrl &source, LanguageSettings *languageSettings, std::string *glRenderer)
{
    auto view = std::make_unique<QQuickView>();
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->rootContext()->setContextProperty(QStringLiteral("languageSettings"), languageSettings);
    QObject::connect(
        view.get(), &QQuickWindow::sceneGraphInitialized, view.get(),
        [glRenderer] {
            if (QOpenGLContext *context = QOpenGLContext::currentContext())
                *glRenderer = reinterpret_cast<const char *>(context->functions()->glGetString(GL_RENDERER));
        },
        Qt::DirectConnection);
    view->setSource(source);
    if (view->status() != QQuickView::Ready) {
        for (const QQmlError &error : view->errors())
            std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
        std::fprintf(stderr, "zavel-frames: %s did not load\n", qPrintable(source.toString()));
        return nullptr;
    }
    if (!findEngine(view->rootObject())) {
        std::fprintf(stderr, "zavel-frames: %s has no GameEngine\n", qPrintable(source.toString()));
        return nullptr;
    }
    return view;
}

// The floor scene for a number of seconds: every frame is one of an animation.
int runFloor(TimedApplication &app, const Options &options, LanguageSettings *languageSettings)
{
    std::string glRenderer;
    std::unique_ptr<QQuickView> view = loadScene(QUrl(QStringLiteral("qrc:/floor.qml")), languageSettings, &glRenderer);
    if (!view)
        return 1;
    FrameClock frames(view.get(), [] { return true; });
    app.addObserver(&frames);
    QObject::connect(
        view.get(), &QQuickWindow::frameSwapped, view.get(), [&frames] { frames.setRecording(true); },
        Qt::QueuedConnection);
    QTimer::singleShot(options.floorSeconds * 1000, &app, &QCoreApplication::quit);
    view->resize(540, 960);
    view->show();
    app.exec();
    const FrameClock::Results results = frames.results();
    app.clearObservers();
    std::printf("floor scene: %lld frames; work %s; interval %s\n", results.frames, results.work.summary().c_str(),
                results.animatedInterval.summary().c_str());
    if (!options.samples.empty() && !appendSamples(options.samples, "floor", results, nullptr))
        return 1;
    return 0;
}

int runInterface(TimedApplication &app, const Options &options, LanguageSettings *languageSettings, bool qmlDebugging)
{
    std::string glRenderer;
    std::unique_ptr<QQuickView> view = loadScene(QUrl::fromLocalFile(options.qml), languageSettings, &glRenderer);
    if (!view)
        return 1;
    GameEngine *engine = findEngine(view->rootObject());
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
    actions.reportSlowerThan(options.slowMs);
    frames.reportSlowerThan(options.slowMs);
    app.addObserver(&frames);
    app.addObserver(&actions);

    Player player(engine, &actions, options.games, options.deals, options.delayMs);
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
    if (!options.samples.empty() && !appendSamples(options.samples, "interface", frameResults, &actions.results()))
        return 1;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const bool qmlDebugging = qmlDebuggingAsked(argc, argv);
    TimedApplication app(argc, argv);
    Options options;
    if (!parse(argc, argv, &options))
        return usage(argv[0]);
    if (!options.merge.empty())
        return runMerge(options);
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

    // As the application registers them: the QML types of the game, and the language settings the interface
    // reads.
    LanguageSettings languageSettings;
    registerZavelTypes();
    if (options.floorSeconds > 0)
        return runFloor(app, options, &languageSettings);
    return runInterface(app, options, &languageSettings, qmlDebugging);
}
