// The layout of the real interface in every state a player can reach, at four window sizes, in both languages
// and at every text size. The items in sight (visible, opacity above 0) are walked, and the test fails when
// - a text does not fit its box, is elided, or is cut off by the nearest ancestor that clips or by the window
//   (inside a Flickable: by the bounds of its content, which scrolls); a text that an action of the player
//   brings up must come up in view;
// - an item spills outside its parent (the nearest ancestor with a size); a text by its painted area;
// - a translucent panel holding items of its own lies over a text or a control painted before it;
// - two controls overlap (their visible rectangles meet by more than a pixel, neither contains the other) and
//   neither is out of reach there: covered in the common part by an item that takes taps (a panel's or a page's
//   MouseArea), painted above it and part of neither control. Controls are items with the accessible role of a
//   button, check box, radio button, slider or text entry, and enabled MouseAreas beside a Text. The cards of a
//   hand overlap by design.
// Markers in the QML: `property bool mayElide: true` on a Text that may be shortened (a name the player typed);
// `property color background` on an item that paints a solid colour without being a Rectangle (a card's image);
// `property bool mayOverhang: true` on an item that may stick out of its parent as long as its centre stays
// inside (a glow, a badge on a border). ZAVEL_LAYOUT_QML names another QML folder to check; ZAVEL_LAYOUT_SHOTS
// names a folder where each state is saved as a picture, at the normal text size.

#include "gameengine.h"
#include "journalfile.h"
#include "languagesettings.h"
#include "savefiles.h"
#include "zavelqmltypes.h"

#include <QAccessible>
#include <QJSValue>
#include <QQmlContext>
#include <QQmlListReference>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// What QML says while the states are set up: a component that fails to load shows nothing to measure, so a
// warning of the interface is a fault like a clipped text.
QStringList qmlWarnings;
QtMessageHandler defaultHandler = nullptr;

void collectQmlWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && message.contains(QLatin1String(".qml:")))
        qmlWarnings << message;
    defaultHandler(type, context, message);
}

// Four players: seat 1 holds nine cards, seat 3 one and has declared. Seat 2 has won the second game.
const QString four
    = QStringLiteral("H 8B KB KH 9L TA 8L 9B 7H H 8H 9H UB 7L LA 8A 9A TB TL H KL KA 7B LB H! AB D TH/3 ");
const QString won = QStringLiteral("H 8B KB KH 9L TA 8L 9B 7H H 8H 9H UB 7L LA 8A 9A TB TL H H! AB D TH/3 KL/2 win=2");

// A move log for the game of `words` in which every seat's last turn says as much as a turn can: a declaration, a
// play and a request; a penalty; a forgotten declaration; the player's own play and request.
void writeLongTurns(const QString &words)
{
    std::vector<Zavel::MoveRecord> records;
    for (const char *line : {"deal -1 4 0 -1 1 3,10,-1", "play 0 0 0 -1 1 2,11,0", "rank 0 0 0 13 0",
                             "declare 1 0 0 -1 0", "play 1 0 0 -1 1 0,12,1", "suit 1 0 0 3 0", "penalty 2 4 4 -1 0",
                             "play 3 0 0 -1 1 2,10,3", "forgot 3 4 0 -1 0"}) {
        Zavel::MoveRecord record;
        QVERIFY(Zavel::parseRecord(line, &record));
        records.push_back(record);
    }
    JournalFile file;
    file.setPath(QFileInfo(SaveFiles::savePath()).dir().filePath(QStringLiteral("moves-v1.txt")));
    file.start(QStringLiteral("layout"), records, GameText::stateText(words.toStdString()));
}

QVariantList statisticsResults()
{
    QVariantList results;
    for (int level = 0; level <= 4; ++level) {
        const QVariantMap opponent{
            {"seat", 1}, {"name", level == 0 ? QString() : QStringLiteral("Konstantin Wolkenstein")}, {"level", level}};
        results << QVariantMap{{"finished", "2026-12-01T10:00:00Z"},
                               {"players", 2 + level % 3},
                               {"outcome", level == 1 ? "lost" : "won"},
                               {"winner", ""},
                               {"opponents", QVariantList{opponent}}};
    }
    return results;
}

QString rectText(const QRectF &r)
{
    const auto n = [](qreal v) {
        return QString::number(qRound(v * 10) / 10.0);
    };
    return QStringLiteral("[%1,%2 %3x%4]").arg(n(r.x()), n(r.y()), n(r.width()), n(r.height()));
}

// Whether inner lies inside outer, a pixel of rounding allowed.
bool inside(const QRectF &outer, const QRectF &inner)
{
    return outer.adjusted(-1, -1, 1, 1).contains(inner);
}

bool meet(const QRectF &a, const QRectF &b)
{
    const QRectF common = a & b;
    return common.width() > 1 && common.height() > 1;
}

// The QML type that made the item ("Button", "Card") or Qt's own without its prefix ("Text", "MouseArea").
QString typeName(const QObject *object)
{
    QString name = QString::fromLatin1(object->metaObject()->className());
    name = name.left(name.indexOf(QLatin1String("_QML")));
    return name.startsWith(QLatin1String("QQuick")) ? name.mid(6) : name;
}

// The type, the object name, the file that declares the item, the nearest ancestor with a name, and the text.
QString describe(const QQuickItem *item)
{
    QString out = typeName(item);
    if (!item->objectName().isEmpty())
        out += QStringLiteral(" \"%1\"").arg(item->objectName());
    if (const QQmlContext *context = qmlContext(item))
        out += QStringLiteral(" (%1)").arg(context->baseUrl().fileName());
    const QQuickItem *named = item->parentItem();
    while (named && named->objectName().isEmpty())
        named = named->parentItem();
    if (named)
        out += QStringLiteral(" in \"%1\"").arg(named->objectName());
    const QString text = item->property("text").toString();
    return text.isEmpty() ? out : out + QStringLiteral(" text \"%1\"").arg(text);
}

QRectF sceneRect(const QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// A painted text's area in its own coordinates, placed as its alignment puts it.
QRectF paintedRect(const QQuickItem *text)
{
    const qreal w = text->property("paintedWidth").toReal(), h = text->property("paintedHeight").toReal();
    const int hAlign = text->property("effectiveHorizontalAlignment").toInt();
    const int vAlign = text->property("verticalAlignment").toInt();
    const qreal x = hAlign & Qt::AlignRight ? text->width() - w
        : hAlign & Qt::AlignHCenter         ? (text->width() - w) / 2
                                            : 0;
    const qreal y = vAlign & Qt::AlignBottom ? text->height() - h
        : vAlign & Qt::AlignVCenter          ? (text->height() - h) / 2
                                             : 0;
    return QRectF(x, y, w, h);
}

bool hasControlRole(const QQuickItem *item)
{
    static const QVector<int> roles{QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton,
                                    QAccessible::Slider, QAccessible::EditableText};
    const QObjectList children = item ? item->children() : QObjectList();
    return std::any_of(children.begin(), children.end(), [](const QObject *child) {
        return child->inherits("QQuickAccessibleAttached") && roles.contains(child->property("role").toInt());
    });
}

// One with a control's role, or an enabled MouseArea beside a Text that is not already inside such an item.
bool isControl(const QQuickItem *item)
{
    if (hasControlRole(item))
        return true;
    if (!item->inherits("QQuickMouseArea") || !item->isEnabled() || hasControlRole(item->parentItem()))
        return false;
    const QList<QQuickItem *> siblings = item->parentItem()->childItems();
    return std::any_of(siblings.begin(), siblings.end(), [](QQuickItem *s) { return s->inherits("QQuickText"); });
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    // After the test library's own handler, which it installs as the run starts.
    void initTestCase() { defaultHandler = qInstallMessageHandler(collectQmlWarnings); }
    void layout_data();
    void layout();

private:
    // An item in sight, in paint order; rect is in the scene, a text's painted area.
    struct Seen
    {
        QQuickItem *item;
        QRectF rect;
        bool text, control, catcher, opaque, panel;
        qreal shown; // the opacity it is painted with
    };

    void fail(const QString &what, const QString &rects);
    void walk(QQuickItem *item, const QRectF &bound, const QQuickItem *clipper, qreal opacity);
    void checkPanels();
    void checkOverlaps();
    void checkContrast();
    QRectF visibleRect(const QQuickItem *item) const;
    void checkState(QQuickView &view);

    QString m_state;
    int m_textSize = 0;
    QStringList m_faults; // each reported once, where it was found first, with the other places that show it
    QHash<QString, QStringList> m_places;
    QHash<QString, QString> m_rects;
    QVector<Seen> m_seen;
    QList<QQuickItem *> m_shownBefore; // before the state's action, if it has one
    QRectF m_window;
};

void TestLayout::fail(const QString &what, const QString &rects)
{
    const QString where = QStringLiteral("%1, text size %2").arg(m_state).arg(m_textSize);
    if (!m_faults.contains(what)) {
        m_faults << what;
        m_rects.insert(what, rects);
    }
    if (!m_places[what].contains(where))
        m_places[what] << where;
}

// Checks the children of the item; bound is the part of the scene where they can show, clipper what cuts it.
void TestLayout::walk(QQuickItem *item, const QRectF &bound, const QQuickItem *clipper, qreal opacity)
{
    QList<QQuickItem *> children = item->childItems();
    std::stable_sort(children.begin(), children.end(), [](QQuickItem *a, QQuickItem *b) { return a->z() < b->z(); });
    for (QQuickItem *child : children) {
        if (!child->isVisible() || child->opacity() <= 0)
            continue;
        const bool text = child->inherits("QQuickText") && !child->property("text").toString().trimmed().isEmpty();
        const QRectF box(0, 0, child->width(), child->height());
        const QRectF painted = text ? paintedRect(child) : box;
        const QRectF scene = child->mapRectToScene(painted);
        const QString boxText = QStringLiteral("box %1, painted %2").arg(rectText(sceneRect(child)), rectText(scene));
        if (text && !inside(box, painted))
            fail(describe(child) + QStringLiteral(" does not fit its box"), boxText);
        if (text && child->property("truncated").toBool() && !child->property("mayElide").toBool())
            fail(describe(child) + QStringLiteral(" is elided"),
                 boxText + QStringLiteral(", whole text %1 wide").arg(child->implicitWidth()));
        if (text && !inside(bound, scene))
            fail(describe(child)
                     + (clipper ? QStringLiteral(" is cut off by ") + describe(clipper)
                                : QStringLiteral(" is outside the window")),
                 boxText + QStringLiteral(", visible part %1").arg(rectText(bound)));
        if (text && !m_shownBefore.isEmpty() && !m_shownBefore.contains(child) && !inside(visibleRect(child), scene))
            fail(describe(child) + QStringLiteral(" comes up out of view"),
                 boxText + QStringLiteral(", in view %1").arg(rectText(visibleRect(child))));

        const QQuickItem *parent = item;
        while (parent->parentItem() && (parent->width() <= 0 || parent->height() <= 0))
            parent = parent->parentItem();
        const QRectF rect = item->mapRectToItem(parent, painted.translated(child->position()));
        const QRectF limits(0, 0, parent->width(), parent->height());
        // A plain Item without children shows nothing; a Flickable's only child, its content, scrolls.
        const bool empty = typeName(child) == QLatin1String("Item") && child->childItems().isEmpty();
        if (!empty && !painted.isEmpty() && !item->inherits("QQuickFlickable") && !inside(limits, rect)
            && !(child->property("mayOverhang").toBool() && limits.contains(rect.center())))
            fail(describe(child) + QStringLiteral(" spills outside ") + describe(parent),
                 QStringLiteral("%1 in %2").arg(rectText(parent->mapRectToScene(rect)), rectText(sceneRect(parent))));

        const qreal shown = opacity * child->opacity();
        const qreal alpha
            = child->inherits("QQuickRectangle") ? child->property("color").value<QColor>().alphaF() * shown : 0;
        m_seen.append({child, scene, text, isControl(child) && !box.isEmpty(),
                       child->acceptedMouseButtons() != Qt::NoButton && child->isEnabled(), alpha >= 1,
                       alpha > 0 && alpha < 1 && !child->childItems().isEmpty(), shown});
        if (item->inherits("QQuickFlickable"))
            walk(child, sceneRect(child), item, shown);
        else
            walk(child, child->clip() ? bound & sceneRect(child) : bound, child->clip() ? child : clipper, shown);
    }
}

// A translucent panel holding items of its own must hide the texts and controls below it, unless an opaque
// rectangle between them already does.
void TestLayout::checkPanels()
{
    for (int p = 0; p < m_seen.size(); ++p) {
        QStringList under;
        for (int t = 0; m_seen[p].panel && t < p; ++t) {
            const Seen &below = m_seen[t];
            const bool hidden = std::any_of(m_seen.begin() + t + 1, m_seen.begin() + p, [&](const Seen &s) {
                return s.opaque && inside(s.rect, below.rect) && !below.item->isAncestorOf(s.item);
            });
            if ((below.text || below.control) && !hidden && !m_seen[p].item->isAncestorOf(below.item)
                && meet(m_seen[p].rect, below.rect))
                under << describe(below.item);
        }
        if (!under.isEmpty())
            fail(
                describe(m_seen[p].item) + QStringLiteral(" is translucent over ") + under.first(),
                QStringLiteral("panel %1, over %2 texts and controls").arg(rectText(m_seen[p].rect)).arg(under.size()));
    }
}

void TestLayout::checkOverlaps()
{
    // Whether an item that takes taps, painted above the control and part of neither, covers the common part.
    const auto covered = [this](int control, const QQuickItem *other, const QRectF &common) {
        return std::any_of(m_seen.begin() + control + 1, m_seen.end(), [&](const Seen &s) {
            return s.catcher && !m_seen[control].item->isAncestorOf(s.item) && s.item != other
                && !other->isAncestorOf(s.item) && inside(visibleRect(s.item), common);
        });
    };
    const auto card = [](const QQuickItem *c) {
        return typeName(c->inherits("QQuickMouseArea") ? c->parentItem() : c) == QLatin1String("Card");
    };
    for (int i = 0; i < m_seen.size(); ++i) {
        for (int j = i + 1; m_seen[i].control && j < m_seen.size(); ++j) {
            QQuickItem *a = m_seen[i].item, *b = m_seen[j].item;
            const QRectF ra = visibleRect(a), rb = visibleRect(b);
            if (!m_seen[j].control || !meet(ra, rb) || inside(ra, rb) || inside(rb, ra) || a->isAncestorOf(b)
                || (card(a) && card(b) && a->parentItem() == b->parentItem()))
                continue;
            if (!covered(i, b, ra & rb) && !covered(j, a, ra & rb))
                fail(describe(a) + QStringLiteral(" overlaps ") + describe(b),
                     QStringLiteral("%1 and %2").arg(rectText(ra), rectText(rb)));
        }
    }
}

// Every text against what it is painted on, the topmost rectangle below it that holds its centre (translucent
// ones laid over the rectangles below them; a gradient taken at its worst stop): at least 4.5:1, or 3:1 for large
// text (24 pixels, or bold from 18.7). A text shown dimmed, as on a disabled button, is exempt.
void TestLayout::checkContrast()
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](qreal v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const auto ratio = [&](const QColor &a, const QColor &b) {
        const qreal la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    const auto over = [](const QColor &top, qreal alpha, const QColor &below) {
        return QColor::fromRgbF(top.redF() * alpha + below.redF() * (1 - alpha),
                                top.greenF() * alpha + below.greenF() * (1 - alpha),
                                top.blueF() * alpha + below.blueF() * (1 - alpha));
    };
    for (int t = 0; t < m_seen.size(); ++t) {
        if (!m_seen[t].text || m_seen[t].shown < 0.9)
            continue;
        QVector<const Seen *> layers; // from the text down to the first opaque rectangle
        QVector<QColor> bases;
        for (int b = t - 1; b >= 0 && bases.isEmpty(); --b) {
            const Seen &below = m_seen[b];
            const QVariant painted = below.item->property("background");
            if (!below.rect.contains(m_seen[t].rect.center()))
                continue;
            if (painted.canConvert<QColor>() && painted.value<QColor>().isValid())
                bases << painted.value<QColor>();
            else if (!below.item->inherits("QQuickRectangle"))
                continue;
            else if (QObject *gradient = below.item->property("gradient").value<QJSValue>().toQObject()) {
                QQmlListReference stops(gradient, "stops");
                for (int i = 0; i < stops.count(); ++i)
                    bases << stops.at(i)->property("color").value<QColor>();
            } else if (below.item->property("color").value<QColor>().alphaF() * below.shown >= 1) {
                bases << below.item->property("color").value<QColor>();
            } else {
                layers.prepend(&below);
            }
        }
        const QQuickItem *text = m_seen[t].item;
        const QFont font = text->property("font").value<QFont>();
        const bool large = font.pixelSize() >= 24 || (font.bold() && font.pixelSize() >= 18.7);
        const QColor colour = text->property("color").value<QColor>();
        for (QColor base : bases) {
            for (const Seen *layer : layers)
                base = over(layer->item->property("color").value<QColor>(),
                            layer->item->property("color").value<QColor>().alphaF() * layer->shown, base);
            const qreal r = ratio(colour, base);
            if (r < (large ? 3 : 4.5))
                fail(describe(text) + QStringLiteral(" has too little contrast"),
                     QStringLiteral("%1 on %2: %3:1").arg(colour.name(), base.name()).arg(r, 0, 'f', 2));
        }
    }
}

// The part of the item that the clipping ancestors and the window leave in view.
QRectF TestLayout::visibleRect(const QQuickItem *item) const
{
    QRectF rect = sceneRect(item) & m_window;
    for (const QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        if (above->clip())
            rect &= sceneRect(above);
    }
    return rect;
}

// Checks the view as it is; the controls inside a Flickable also at every scroll position.
void TestLayout::checkState(QQuickView &view)
{
    m_seen.clear();
    m_window = QRectF(QPointF(0, 0), view.size());
    walk(view.contentItem(), m_window, nullptr, 1);
    checkPanels();
    checkOverlaps();
    checkContrast();
    for (const Seen &seen : m_seen) {
        QQuickItem *flick = seen.item;
        if (!flick->inherits("QQuickFlickable"))
            continue;
        const qreal start = flick->property("contentY").toReal(), step = flick->height() / 2;
        const qreal end = flick->property("contentHeight").toReal() - flick->height();
        for (qreal y = 0; y < end + step; y += step) {
            flick->setProperty("contentY", std::min(y, end));
            checkOverlaps();
        }
        flick->setProperty("contentY", start);
    }
}

void TestLayout::layout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("language");
    for (const QSize &size : {QSize(540, 960), QSize(1080, 1920), QSize(960, 540), QSize(1920, 1080)}) {
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("hu")})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(language)))
                << size << language;
    }
}

void TestLayout::layout()
{
    QFETCH(QSize, size);
    QFETCH(QString, language);
    m_faults.clear();
    m_places.clear();
    m_rects.clear();

    // The interface starts in the language stored before the settings object is made, as at a start.
    LanguageSettings(nullptr).setLanguage(language);
    LanguageSettings languageSettings;
    QTranslator translator;
    if (language == QLatin1String("hu")) {
        QVERIFY(translator.load(QStringLiteral(ZAVEL_DATA_DIR "/translations/harbour-zavel-hu.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    // Name, game and set-up: a property of the root to set, "paused", "welcome", "page <name>", or "language" for
    // the notice that a switch of the language brings up.
    QVector<QStringList> states{
        {"table, 2 players", "H 8B KB KH 9L TA H 8H 9H UB 7L LA D TH/1", ""},
        {"table, 4 players", four, ""},
        {"every seat's last turn", four, "long turns"},
        {"seventeen cards", "H 7B 8B 9B TB LB KB AB 7L 8L 9L TL LL KL AL 7A 8A 9A H 8H 9H D TA", ""},
        {"welcome", four, "welcome"},
        {"declaration hint", "H 8B 9B H 8H 9H UB 7L LA D TB/1", ""},
        {"suit chooser", four + "UA/0 choice=1", ""},
        {"rank chooser", four + "LH/0 choice=2", ""},
        {"draw penalty", four + "7A/3 draw=2", ""},
        {"skip", four + "AA/3 skip", ""},
        {"result", won, ""},
        {"pause", four, "paused"},
        {"menu", four, "menuOpen"},
        {"pace panel", four, "paceOpen"},
        {"pace panel over the result", won, "paceOpen"},
        {"language notice", four, "language"}};

    QQuickView view;
    view.rootContext()->setContextProperty(QStringLiteral("languageSettings"), &languageSettings);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(size);
    const QByteArray qml = qEnvironmentVariableIsSet("ZAVEL_LAYOUT_QML") ? qgetenv("ZAVEL_LAYOUT_QML") : ZAVEL_QML_DIR;
    const auto settle = [&view]() {
        // Parts made by an asynchronous Loader come up a few frames later on a busy machine.
        const auto loading = [&view]() {
            const QList<QQuickItem *> loaders = view.contentItem()->findChildren<QQuickItem *>();
            return std::any_of(loaders.begin(), loaders.end(), [](QQuickItem *item) {
                return item->inherits("QQuickLoader") && item->property("status").toInt() == 2;
            });
        };
        if (!QTest::qWaitFor([&]() { return !loading(); }, 5000))
            return false;
        QSignalSpy swapped(&view, &QQuickWindow::frameSwapped);
        for (int frame = 0; frame < 2; ++frame) {
            view.update();
            if (!swapped.wait(2000))
                return false;
        }
        return true;
    };
    for (int s = 0; s < states.size(); ++s) {
        m_state = states[s][0];
        const QString setUp = states[s][2];
        languageSettings.setLanguage(language);
        QVERIFY2(SaveFiles::writeGame(states[s][1]), qPrintable(m_state));
        if (setUp == QLatin1String("long turns"))
            writeLongTurns(states[s][1]);
        view.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(qml) + QStringLiteral("/harbour-zavel.qml")));
        QQuickItem *root = view.rootObject();
        QVERIFY2(root, qPrintable(view.errors().isEmpty() ? QString() : view.errors().first().toString()));
        if (s == 0) {
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            for (const QString &page : root->property("pageFiles").toMap().keys())
                states.append({QStringLiteral("page ") + page, four, QStringLiteral("page ") + page});
        }
        // In every state the player is on turn or the game is over: no computer player moves. The delay is the
        // longest the player can choose, which makes its text the longest. The welcome of the first start has
        // been answered, and the one-time hints are still to come.
        GameEngine *engine = root->property("engine").value<GameEngine *>();
        QObject *preferences = root->property("preferences").value<QObject *>();
        QVERIFY(engine && preferences);
        engine->setAnimationsEnabled(false);
        engine->setAiPlayDelay(2000);
        const QStringList names{"Alexandra Montgomery", "Maximilian Fitzgerald", "Konstantin Wolkenstein",
                                "Bartholomew Kingsley"};
        for (int seat = 0; seat < names.size(); ++seat)
            engine->setName(seat, names[seat]);
        preferences->setProperty("welcomed", setUp != QLatin1String("welcome"));
        preferences->setProperty("zavelHintShown", false);
        engine->setPaused(setUp == QLatin1String("paused"));
        if (setUp.startsWith(QLatin1String("page ")) || setUp == QLatin1String("language"))
            QMetaObject::invokeMethod(
                root, "showPage",
                Q_ARG(QVariant, setUp == QLatin1String("language") ? QStringLiteral("settings") : setUp.mid(5)));
        else if (setUp.endsWith(QLatin1String("Open")))
            root->setProperty(qPrintable(setUp), true);
        // The statistics with figures as wide as they come: a win rate of 100 %, and games against every level.
        if (setUp == QLatin1String("page statistics"))
            root->property("statistics").value<QObject *>()->setProperty("results", statisticsResults());
        for (m_textSize = 0; m_textSize < 3; ++m_textSize) {
            preferences->setProperty("textSize", m_textSize);
            m_shownBefore.clear();
            if (setUp == QLatin1String("language")) {
                // Switched where the player finds the choice: at the end of the page.
                languageSettings.setLanguage(language);
                QVERIFY(settle());
                checkState(view);
                for (const Seen &seen : m_seen) {
                    m_shownBefore << seen.item;
                    const qreal end = seen.item->property("contentHeight").toReal() - seen.item->height();
                    if (seen.item->inherits("QQuickFlickable"))
                        seen.item->setProperty("contentY", std::max(0.0, end));
                }
                languageSettings.setLanguage(language == QLatin1String("hu") ? "en" : "hu");
            }
            QVERIFY(settle());
            checkState(view);
            // Card faces seen at a new size are decoded off the interface thread: a picture waits for them.
            if (m_textSize == 0 && qEnvironmentVariableIsSet("ZAVEL_LAYOUT_SHOTS") && (QTest::qWait(600), settle()))
                QVERIFY(view.grabWindow().save(QStringLiteral("%1/%2 %3x%4 %5.png")
                                                   .arg(QString::fromLocal8Bit(qgetenv("ZAVEL_LAYOUT_SHOTS")), m_state)
                                                   .arg(size.width())
                                                   .arg(size.height())
                                                   .arg(language)));
        }
    }

    QStringList lines = std::exchange(qmlWarnings, QStringList());
    for (const QString &what : m_faults)
        lines << QStringLiteral("%1; %2 (%3)").arg(what, m_rects.value(what), m_places.value(what).join("; "));
    if (!lines.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 layout faults:\n").arg(lines.size()) + lines.join(QLatin1Char('\n'))));
}

int main(int argc, char *argv[])
{
    // A home of this run's own, set before the application object exists, so that everything Qt derives from
    // it (the autosave, the stored preferences and language) starts empty and stays apart from other tests.
    QTemporaryDir home;
    SaveFiles::useTestHome(home.path());
    QGuiApplication app(argc, argv);
    registerZavelTypes();
    TestLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
