// Developer tool: walks the program's screens and dialogs as a user reaches them and, for each,
// writes every control (class, name, place, text, font, colours, look) to NAME.txt and the
// window's picture to NAME.png. Run it before and after a change that must not alter any screen,
// then compare the two.
// Usage: QT_QPA_PLATFORM=offscreen screen_dump OUT_DIR; then diff -r BEFORE AFTER, and
//        screen_dump --compare BEFORE AFTER  to count the pixels that changed in each picture.
#include "bench_application.h"
#include "alerts/due_alert_screen.h"
#include "ui/area_screen.h"
#include "support/app_harness.h"
#include "support/cost_fixtures.h"
#include "support/record_fixtures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTextStream>

#include <algorithm>

namespace {

QString g_out;
QSet<QString> g_done;

QString imageHash(const QImage& image) {
    if (image.isNull())
        return QStringLiteral("-");
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    return QString::fromLatin1(QCryptographicHash::hash(QByteArrayView(rgb.constBits(), rgb.sizeInBytes()),
                                                        QCryptographicHash::Md5)
                                   .toHex()
                                   .left(10)) +
           QStringLiteral("@%1x%2").arg(image.width()).arg(image.height());
}

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    return {};
}

void dumpWidget(QTextStream& out, QWidget* w, QWidget* window, int depth) {
    const QPalette pal = w->palette();
    out << QString(depth * 2, u' ') << w->metaObject()->className() << " '" << w->objectName() << "' "
        << w->geometry().x() << ',' << w->geometry().y() << ' ' << w->width() << 'x' << w->height()
        << (w->isVisibleTo(window) ? " shown" : " hidden") << (w->isEnabled() ? "" : " disabled")
        << " focus=" << int(w->focusPolicy()) << " cursor=" << int(w->cursor().shape())
        << " font=" << w->font().toString() << " ink=" << pal.color(QPalette::WindowText).name()
        << " ground=" << pal.color(QPalette::Window).name() << (w->autoFillBackground() ? " filled" : "")
        << " style=[" << w->styleSheet() << "] tip=[" << w->toolTip() << "] acc=[" << w->accessibleName()
        << "] text=[" << textOf(w).replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"))
        << ']';
    if (auto* l = qobject_cast<QLabel*>(w))
        out << " align=" << int(l->alignment()) << " wrap=" << l->wordWrap() << " indent=" << l->indent()
            << " margins=" << l->contentsMargins().left() << ',' << l->contentsMargins().top()
            << " pixmap=" << imageHash(l->pixmap().toImage());
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        out << " icon=" << imageHash(b->icon().pixmap(b->iconSize()).toImage());
    if (auto* b = qobject_cast<QPushButton*>(w))
        out << " flat=" << b->isFlat() << " autoDefault=" << b->autoDefault();
    out << '\n';
    for (QObject* child : w->children())
        if (auto* cw = qobject_cast<QWidget*>(child); cw && !cw->isWindow())
            dumpWidget(out, cw, window, depth + 1);
}

void dump(QWidget* window, const QString& tag) {
    if (window->windowState() & Qt::WindowMaximized)
        window->resize(1366, 768);
    QCoreApplication::processEvents();
    QFile file(g_out + tag + QStringLiteral(".txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QTextStream out(&file);
    out << "focus: " << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()) << '\n';
    const QPixmap picture = window->grab();
    out << "picture: " << imageHash(picture.toImage()) << '\n';
    dumpWidget(out, window, window, 0);
    picture.save(g_out + tag + QStringLiteral(".png"));
}

// A window again, in a later state.
void dumpAgain(AppHarness& app, const char* name, const QString& step) {
    if (QWidget* w = app.screen(QString::fromLatin1(name)))
        dump(w, QString::fromLatin1(name) + u'-' + step);
}

// Every window shown now that was not dumped yet, under its own name and the step's.
void dumpNewWindows(const QString& step) {
    QCoreApplication::processEvents();
    for (QWidget* w : QApplication::allWidgets()) {
        if (!w->isWindow() || !w->isVisible() || w->objectName().isEmpty())
            continue;
        if (g_done.contains(w->objectName()))
            continue;
        g_done.insert(w->objectName());
        dump(w, w->objectName() + u'-' + step);
    }
}

void click(AppHarness& app, const char* screen, const char* control) {
    QWidget* w = app.control(QString::fromLatin1(screen), QString::fromLatin1(control));
    if (!w) {
        std::fprintf(stderr, "no %s.%s\n", screen, control);
        return;
    }
    AppHarness::click(w);
}

void closeScreen(AppHarness& app, const char* name) {
    if (QWidget* w = app.screen(QString::fromLatin1(name)))
        w->close();
    QCoreApplication::processEvents();
}

// Closes every window but the area screens, as the user leaves the dialogs an action opened.
void closeDialogs(AppHarness& app) {
    const auto& areas = app.program().screens().all();
    for (QWidget* w : QApplication::allWidgets())
        if (w->isWindow() && w->isVisible() && std::find(areas.begin(), areas.end(), w) == areas.end())
            w->close();
    QCoreApplication::processEvents();
}

// Each command of `screen` in turn, dumping what it opens and closing it again; the one that
// opens `search`, whose results after a search with no criteria are dumped too.
void openEach(AppHarness& app, const char* screen, std::initializer_list<const char*> controls,
              const char* search) {
    for (const char* control : controls) {
        click(app, screen, control);
        dumpNewWindows(QString::fromLatin1(control));
        if (app.screen(QString::fromLatin1(search))) {
            click(app, search, "btnCerca");
            dumpAgain(app, search, QStringLiteral("btnCerca"));
        }
        closeDialogs(app);
    }
}

void writeFixtures(AppHarness& app) {
    using F = TSchedaVeicolo;
    QList<TSchedaVeicolo> cards;
    for (int i = 0; i < 6; ++i)
        cards.append(fixtures::vehicle({{F::Tipo, QStringLiteral("Autocarro")},
                                        {F::Marca, QStringLiteral("Iveco")},
                                        {F::Modello, QStringLiteral("Daily %1").arg(i)},
                                        {F::Targa, QStringLiteral("AB%1CD").arg(100 + i)},
                                        {F::ScadRevisione, QStringLiteral("%1/12/2026").arg(8 + i, 2, 10, QChar(u'0'))}}));
    fixtures::writeVehicles(app.dir(), cards);
    QList<TSchedaCosto> entries;
    for (int i = 0; i < 6; ++i) {
        TSchedaCosto e = fixtures::costEntry(QString::number(i));
        e[TSchedaCosto::Data] = QStringLiteral("05/%1/2014").arg(i + 1, 2, 10, QChar(u'0'));
        entries.append(e);
    }
    fixtures::writeCosts(app.path(QStringLiteral("2014.eur")), entries);
}

// How many pixels differ between the pictures of the same name in two runs.
int comparePictures(const QString& before, const QString& after) {
    int changed = 0;
    for (const QString& name : QDir(before).entryList({QStringLiteral("*.png")}, QDir::Files)) {
        if (name.endsWith(QLatin1String(".diff.png")))
            continue;
        const QImage a = QImage(before + u'/' + name).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(after + u'/' + name).convertToFormat(QImage::Format_ARGB32);
        if (a.size() != b.size()) {
            std::printf("%s: size %dx%d -> %dx%d\n", qPrintable(name), a.width(), a.height(), b.width(), b.height());
            ++changed;
            continue;
        }
        qint64 pixels = 0;
        QRect where;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    ++pixels;
                    where |= QRect(x, y, 1, 1);
                }
        if (pixels) {
            // Before above after, around what changed and three times as large, to look at.
            const QRect around = where.adjusted(-10, -10, 10, 10) & a.rect();
            QImage side(around.width(), around.height() * 2 + 4, QImage::Format_ARGB32);
            side.fill(Qt::red);
            QPainter p(&side);
            p.drawImage(0, 0, a.copy(around));
            p.drawImage(0, around.height() + 4, b.copy(around));
            p.end();
            side.scaled(side.size() * 3).save(after + u'/' + QFileInfo(name).completeBaseName() +
                                              QStringLiteral(".diff.png"));
            std::printf("%s: %lld pixels differ within %d,%d %dx%d\n", qPrintable(name), pixels, where.x(), where.y(),
                        where.width(), where.height());
            ++changed;
        }
    }
    std::printf("%d pictures differ\n", changed);
    return changed ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application qapp(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--compare")
        return comparePictures(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen_dump OUT_DIR | screen_dump --compare BEFORE_DIR AFTER_DIR\n");
        return 2;
    }
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    QDir().mkpath(g_out);

    // One fixed program folder, so the texts and pictures that show it are the same in every run.
    const QString programDir = QDir::tempPath() + QStringLiteral("/vestrano-screen-dump/");
    QDir(programDir).removeRecursively();
    QDir().mkpath(programDir);
    AppHarness app(programDir);
    app.clock().setToday(QDate(2026, 12, 10));
    writeFixtures(app);
    app.start();
    dumpNewWindows(QStringLiteral("start"));
    app.startAtMainMenu();
    dumpNewWindows(QStringLiteral("menu"));

    for (const char* control : {"imgGuida", "imgInfo", "imgCrediti", "btnBackup"}) {
        click(app, "frmAvvio", control);
        dumpNewWindows(QString::fromLatin1(control));
        closeDialogs(app);
    }
    alerts::remindOnEntering(app.context(), app.screen(QStringLiteral("frmAvvio")));
    dumpNewWindows(QStringLiteral("alert"));
    closeDialogs(app);

    app.openArea(QStringLiteral("frmAutoparco"));
    dumpNewWindows(QStringLiteral("open"));
    QFile csv(app.path(QStringLiteral("veicoli.csv")));
    if (csv.open(QIODevice::WriteOnly))
        csv.write("Targa;Marca;Modello\nZZ123ZZ;Fiat;Panda\n,Fiat;Punto\n");
    csv.close();
    app.dialogs().queue(app.path(QStringLiteral("veicoli.csv")));
    openEach(app, "frmAutoparco",
             {"cmdFile", "cmdEsporta", "cmdAnteprima", "cmdImportaFile", "cmdTrova"},
             "frmTrovaAutomezzi");
    for (QLineEdit* field : app.screen(QStringLiteral("frmAutoparco"))->findChildren<QLineEdit*>())
        if (field->isReadOnly() && field->isVisible()) {
            AppHarness::press(field, Qt::Key_A); // a date field: any letter brings up the calendar
            dumpNewWindows(QStringLiteral("date"));
            closeDialogs(app);
            break;
        }
    closeScreen(app, "frmAutoparco");

    app.openArea(QStringLiteral("frmMenuScadenze"));
    dumpNewWindows(QStringLiteral("open"));
    click(app, "frmMenuScadenze", "btnRevisione");
    dumpNewWindows(QStringLiteral("btnRevisione"));
    closeDialogs(app);
    closeScreen(app, "frmMenuScadenze");

    app.openArea(QStringLiteral("frmMenuCosti"));
    dumpNewWindows(QStringLiteral("open"));
    closeScreen(app, "frmMenuCosti");
    app.openCostYear(QStringLiteral("2014"));
    dumpNewWindows(QStringLiteral("open2014"));
    openEach(app, "frmCosti", {"cmdSospese", "cmdEsporta", "imgCalendario", "cmdTrova"},
             "frmTrovaCosti");
    closeScreen(app, "frmCosti");

    app.openArea(QStringLiteral("frmMenuRiepSpese"));
    dumpNewWindows(QStringLiteral("open"));
    for (const auto& [combo, text] : {std::pair{"txtGiornoInizio", "01"}, std::pair{"txtMeseInizio", "Gennaio"},
                                      std::pair{"txtGiornoFine", "31"}, std::pair{"txtMeseFine", "Dicembre"}})
        app.control<QComboBox>(QStringLiteral("frmMenuRiepSpese"), QString::fromLatin1(combo))
            ->setEditText(QString::fromLatin1(text));
    auto* summaryYear = app.control<QLineEdit>(QStringLiteral("frmMenuRiepSpese"), QStringLiteral("txtAnno"));
    summaryYear->setText(QStringLiteral("2014"));
    click(app, "frmMenuRiepSpese", "btnVisualizza");
    dumpNewWindows(QStringLiteral("btnVisualizza"));
    closeDialogs(app);
    closeScreen(app, "frmMenuRiepSpese");

    app.openArea(QStringLiteral("frmStatCosti"));
    dumpNewWindows(QStringLiteral("open"));
    auto* year = app.control<QLineEdit>(QStringLiteral("frmStatCosti"), QStringLiteral("txtAnno"));
    year->setText(QStringLiteral("2014"));
    click(app, "frmStatCosti", "btnApri");
    dumpAgain(app, "frmStatCosti", QStringLiteral("btnApri"));
    closeScreen(app, "frmStatCosti");

    // Last: leaving it goes back to the login screen.
    app.openArea(QStringLiteral("frmCambiaPassword"));
    dumpNewWindows(QStringLiteral("open"));
    std::printf("%d screens written to %s\n", int(g_done.size()), qPrintable(g_out));
    return 0;
}
