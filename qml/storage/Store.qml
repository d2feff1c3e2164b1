import QtQuick 2.6
import QtQuick.LocalStorage 2.0
import harbour.zavel 1.0

// The interface's one database: its preferences and the results of finished games, kept with the QML engine's
// offline storage (on the phone below ~/.local/share/org.brenvik/harbour-zavel/QML/OfflineStorage). The game
// itself is never kept here: the engine's autosave is a file of its own.
//
// Layout, version 1:
//   meta(key, value)          "schema" -> the layout's version; "lastCounted" -> the identity of the last
//                              finished game that was counted, kept across a reset of the results
//   preferences(key, value)   one row a preference, the value as JSON text
//   results(id, finished, players, outcome, winner, opponents, fingerprint)
//                              one row a game that ended or was abandoned, oldest first; finished is an ISO
//                              8601 time, outcome "won", "lost" or "abandoned", opponents a JSON list of
//                              {name, level}
//
// Nothing here may stop a game. A file that is not a database at all is moved aside before it is opened (kept,
// renamed with the date and time) and a fresh database made, so that the player's choices are kept again from
// then on. A database that cannot be opened, read or written (read-only, locked by another process) or that a
// newer version of the game wrote leaves the store unusable for the run: the owners keep their defaults, one
// warning line goes to the log, and nothing is written, so that nothing is lost from a database this version
// does not understand. notice says either in one short line, for the settings and the statistics.
QtObject {
    id: store

    readonly property int schemaVersion: 1
    // Whether reads and writes reach the database; false until open() succeeds and after any failure.
    property bool usable: false
    property bool warned: false
    property var db: null
    property DatabaseGuard guard: DatabaseGuard {}
    // What the player is told of the database, "" when all is well.
    readonly property string notice: guard.movedAside.length > 0
                                     ? qsTr("Your saved settings and results could not be read: they start afresh, and the damaged file was kept.")
                                     : opened && !usable
                                       ? qsTr("Settings and results cannot be saved now; they last until the game is closed.")
                                       : ""
    property bool opened: false

    function warn(what, error) {
        usable = false;
        if (warned)
            return;
        warned = true;
        console.warn("[harbour-zavel] " + what + " (" + (error && error.message ? error.message : error)
                     + "): settings and statistics are not kept in this run");
    }

    // Opens the database and brings a new one to the current layout. Returns usable.
    function open() {
        if (db !== null)
            return usable;
        opened = true;
        guard.check("harbour-zavel");
        try {
            db = LocalStorage.openDatabaseSync("harbour-zavel", "", "Preferences and results of harbour-zavel",
                                               100000);
            // A lock that another process holds fails at once instead of stalling the interface for seconds.
            db.transaction(function(tx) { tx.executeSql("PRAGMA busy_timeout = 0"); });
        } catch (e) {
            warn("cannot open the database", e);
            return false;
        }
        var version = readVersion();
        if (version === null)
            return false;
        if (version > schemaVersion) {
            warn("the database was written by a newer version", "layout " + version);
            return false;
        }
        usable = true;
        if (version < schemaVersion)
            createLayout();
        return usable;
    }

    // The layout's version; 0 for a new, empty database; null (and a warning) when it cannot be read.
    function readVersion() {
        var version = 0;
        try {
            db.readTransaction(function(tx) {
                var tables = tx.executeSql("SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'meta'");
                if (tables.rows.length === 0)
                    return;
                var rows = tx.executeSql("SELECT value FROM meta WHERE key = 'schema'");
                version = rows.rows.length > 0 ? parseInt(rows.rows.item(0).value, 10) : 0;
            });
        } catch (e) {
            warn("cannot read the database", e);
            return null;
        }
        return isNaN(version) ? schemaVersion + 1 : version;
    }

    function createLayout() {
        run([["CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)"],
             ["CREATE TABLE IF NOT EXISTS preferences(key TEXT PRIMARY KEY, value TEXT NOT NULL)"],
             ["CREATE TABLE IF NOT EXISTS results(id INTEGER PRIMARY KEY AUTOINCREMENT, finished TEXT NOT NULL, "
              + "players INTEGER NOT NULL, outcome TEXT NOT NULL, winner TEXT, opponents TEXT NOT NULL, "
              + "fingerprint TEXT NOT NULL)"],
             ["INSERT OR REPLACE INTO meta(key, value) VALUES('schema', ?)", [String(schemaVersion)]]]);
    }

    // The rows of a query as plain objects, or null when the store is unusable or the query fails.
    function select(sql, args) {
        if (!usable)
            return null;
        var result = [];
        try {
            db.readTransaction(function(tx) {
                var rows = tx.executeSql(sql, args || []).rows;
                for (var i = 0; i < rows.length; ++i)
                    result.push(rows.item(i));
            });
        } catch (e) {
            warn("cannot read the database", e);
            return null;
        }
        return result;
    }

    // Runs [sql, args] statements in one transaction: all of them or none. Returns whether they were written.
    function run(statements) {
        if (!usable)
            return false;
        try {
            db.transaction(function(tx) {
                for (var i = 0; i < statements.length; ++i)
                    tx.executeSql(statements[i][0], statements[i][1] || []);
            });
        } catch (e) {
            warn("cannot write the database", e);
            return false;
        }
        return true;
    }
}
