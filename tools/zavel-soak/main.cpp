// zavel-soak: plays many games through the rules engine and through GameEngine with its autosave, checking the
// state after every action and every phase. CTest runs a few hundred games; the full soak is
//   build/tools/zavel-soak/zavel-soak --core-games 100000 --engine-games 1000
// It never touches the user's files: the engine's data directory is a temporary one in Qt's test mode.

#include "coresoak.h"
#include "enginesoak.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--core-games N] [--engine-games M] [--seed S]\n", program);
    return 2;
}

bool readCount(const char *text, long long *out)
{
    char *end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < 0)
        return false;
    *out = value;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    long long coreGames = 2000;
    long long engineGames = 20;
    long long seed = 1;
    for (int i = 1; i < argc; ++i) {
        long long *target = nullptr;
        if (std::strcmp(argv[i], "--core-games") == 0)
            target = &coreGames;
        else if (std::strcmp(argv[i], "--engine-games") == 0)
            target = &engineGames;
        else if (std::strcmp(argv[i], "--seed") == 0)
            target = &seed;
        if (!target || i + 1 == argc || !readCount(argv[++i], target) || seed > 0xFFFFFFFFll)
            return usage(argv[0]);
    }

    // HOME first: Qt's test-mode paths are derived from it when first asked for.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel"));
    if (!QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).startsWith(home.path())) {
        std::fprintf(stderr, "zavel-soak: the data directory is not the temporary one; refusing to run\n");
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    const Soak::CoreTotals core = Soak::soakCore(coreGames, static_cast<std::uint32_t>(seed));
    const double coreSeconds = clock.restart() / 1000.0;
    std::printf("core: %lld games (2 to 4 players, every mix of levels, seeds %lld to %lld), %lld actions, "
                "%lld unfinished at the cap, %lld failed, %.1f s\n",
                core.games, seed, seed + coreGames - 1, core.actions, core.unfinished, core.failures, coreSeconds);
    std::fflush(stdout);

    const Soak::EngineTotals engine = Soak::soakEngine(engineGames);
    const double engineSeconds = clock.elapsed() / 1000.0;
    std::printf("engine: %lld games, %lld phase ends checked against the autosave, %lld games resumed from it "
                "identically, %lld unfinished, %lld failed, %.1f s\n",
                engine.games, engine.checkpoints, engine.resumed, engine.unfinished, engine.failures, engineSeconds);
    const long long failed = core.failures + engine.failures;
    std::printf("%lld passed, %lld failed\n", core.games + engine.games - failed, failed);
    return failed == 0 ? 0 : 1;
}
