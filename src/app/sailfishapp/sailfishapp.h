#ifndef SAILFISHAPP_STANDIN_H
#define SAILFISHAPP_STANDIN_H

// A stand-in for the phone's application library, built where that library is not installed (desktops, CI).
// It offers the three calls start-up uses, with the library's documented behaviour: the installed data files
// live in <directory of the executable>/../share/<executable name>, and the view resizes its root object to
// itself and has that data directory on its QML import path. The build tree mirrors that layout (bin/ beside
// share/), so the program runs from the build tree as it runs installed.

#include <QGuiApplication>
#include <QQuickView>
#include <QString>
#include <QUrl>

namespace SailfishApp {

QGuiApplication *application(int &argc, char **argv);
QUrl pathTo(const QString &filename);
QQuickView *createView();

} // namespace SailfishApp

#endif
