#include "program/main_menu_screen.h"

#include "app/app_context.h"
#include "backup/backup_runner.h"
#include "backup/backup_screen.h"
#include "costs/cost_menu_screen.h"
#include "help/help_topics.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/screens.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The menu is pictures, yet every one of them is reached with Tab or the arrows (the buttons
// move the focus themselves) and pressed with Return or Space; the yellow frame of the fields
// shows where the keyboard is.
void reachByKeyboard(const QList<QPushButton*>& order) {
    for (QPushButton* button : order) {
        button->setFocusPolicy(Qt::StrongFocus);
        addFocusFrame(button)->setObjectName(QStringLiteral("eff") + button->objectName().mid(3));
    }
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

} // namespace

MainMenuScreen::MainMenuScreen(AppContext& ctx, BackupRunner& backups)
    : AreaScreen(ctx, QStringLiteral("frmAvvio"), QStringLiteral(" Vestrano 3.0"), Window::Maximised),
      m_backups(backups) {
    QWidget* panel = centredPanel(screen_sizes::kAreaPanel);

    screen_parts::box(panel, QStringLiteral("shpNomeApp"), QRect(8, 6, 978, 114), Qt::white);
    auto* info =
        screen_parts::glyphButton(panel, QStringLiteral("imgInfo"), QRect(20, 16, 30, 30),
                                  art::Glyph::Info, QStringLiteral("Informazioni sul programma"));
    screen_parts::picture(
        panel, QStringLiteral("icoTitoloApp"), QRect(287, 12, 420, 64),
        art::words(QSize(420, 64), QStringLiteral("Vestrano 3.0"), QColor(0xD0, 0x10, 0x10), 52));
    screen_parts::picture(panel, QStringLiteral("icoApp"), QRect(712, 16, 56, 56),
                          art::programIcon(QSize(56, 56)));
    auto* help =
        screen_parts::glyphButton(panel, QStringLiteral("imgGuida"), QRect(946, 16, 29, 28),
                                  art::Glyph::Help, QStringLiteral("Guida"));
    screen_parts::picture(
        panel, QStringLiteral("imgSottotitolo"), QRect(16, 90, 961, 22),
        art::words(
            QSize(961, 22),
            QStringLiteral("Software per archiviare i mezzi del proprio parco auto e registrare le "
                           "scadenze, le manutenzioni e i costi relativi a ciascun veicolo"),
            QColor(0x20, 0x30, 0x60), 13, false));

    struct Column {
        const char* background;
        const char* tile;
        const char* button;
        art::Tile kind;
        const char* words;
    };
    const Column columns[] = {
        {"bkgApp06", "imgApp01", "btnApp01", art::Tile::Fleet, "PARCO AUTOMEZZI"},
        {"bkgApp08", "imgApp02", "btnApp02", art::Tile::Deadlines, "SCADENZE IMMINENTI"},
        {"bkgApp10", "imgApp03", "btnApp03", art::Tile::Costs, "COSTI SOSTENUTI"},
    };
    QList<QPushButton*> areaButtons;
    const std::function<void()> actions[] = {
        [this] { goTo(QStringLiteral("frmAutoparco")); },
        [this] { goTo(QStringLiteral("frmMenuScadenze")); },
        [this] { openCosts(); },
    };
    for (int i = 0; i < 3; ++i) {
        const int x = 8 + i * 329;
        screen_parts::box(panel, QString::fromLatin1(columns[i].background),
                          QRect(x, 128, 320, 480), Qt::white);
        const QString caption = QString::fromLatin1(columns[i].words);
        auto* tile = screen_parts::pictureButton(
            panel, QString::fromLatin1(columns[i].tile), QRect(x + 11, 139, 298, 388),
            art::tile(QSize(298, 388), columns[i].kind), caption);
        auto* button = screen_parts::pictureButton(
            panel, QString::fromLatin1(columns[i].button), QRect(x + 31, 545, 258, 45),
            art::buttonPicture(QSize(258, 45), QString::fromLatin1(columns[i].words)), caption);
        connect(tile, &QPushButton::clicked, this, actions[i]);
        connect(button, &QPushButton::clicked, this, actions[i]);
        areaButtons.append(button);
    }

    screen_parts::box(panel, QStringLiteral("shpCalce"), QRect(8, 616, 978, 70), Qt::white);
    auto* credits =
        screen_parts::glyphButton(panel, QStringLiteral("imgCrediti"), QRect(20, 652, 23, 22),
                                  art::Glyph::Credits, QStringLiteral("Riconoscimenti"));
    auto* site = screen_parts::pictureButton(
        panel, QStringLiteral("imgSito"), QRect(16, 624, 961, 22),
        art::words(QSize(961, 22), QStringLiteral("Vestrano Software  -  www.vestrano.it"),
                   QColor(0x20, 0x40, 0x90), 13, true),
        QStringLiteral("Sito web di Vestrano Software"));
    auto* exit =
        screen_parts::glyphButton(panel, QStringLiteral("imgEsci"), QRect(958, 654, 17, 18),
                                  art::Glyph::Exit, QStringLiteral("Esci"));

    connect(info, &QPushButton::clicked, this, [this] { help::openAbout(m_ctx, this); });
    connect(credits, &QPushButton::clicked, this, [this] { help::openCredits(m_ctx, this); });
    connect(help, &QPushButton::clicked, this, [this] { help::openTopic(m_ctx, this, help::Topic::MainMenu); });
    connect(site, &QPushButton::clicked, this,
            [this] { m_ctx.shell->open(QString::fromLatin1(kMakerWebAddress)); });
    connect(exit, &QPushButton::clicked, this, [this] { m_ctx.quit(); });
    auto* backup = addBackupControls(panel);
    m_firstArea = areaButtons.constFirst();
    reachByKeyboard(QList<QPushButton*>{info, help} + areaButtons + QList<QPushButton*>{credits, backup, site, exit});
}

void MainMenuScreen::onShow() {
    m_firstArea->setFocus(Qt::OtherFocusReason);
}

QPushButton* MainMenuScreen::addBackupControls(QWidget* panel) {
    auto* open = screen_parts::pictureButton(
        panel, QStringLiteral("btnBackup"), QRect(60, 650, 200, 26),
        art::buttonPicture(QSize(200, 26), QStringLiteral("BACKUP E RIPRISTINO")),
        QStringLiteral("Backup e ripristino"));
    connect(open, &QPushButton::clicked, this, [this] { BackupScreen::open(m_ctx, this, m_backups); });

    QLabel* status = screen_parts::label(
        panel, QStringLiteral("lblBackup"), QRect(560, 650, 200, 26), {},
        {QFont(QStringLiteral("Tahoma"), 9), {}, Qt::AlignRight | Qt::AlignVCenter});
    auto* bar = new QProgressBar(panel);
    bar->setObjectName(QStringLiteral("barBackup"));
    bar->setGeometry(770, 654, 170, 18);
    bar->setRange(0, 100);
    status->hide();
    bar->hide();
    connect(&m_backups, &BackupRunner::started, this, [status, bar](BackupRunner::Job job) {
        status->setText(job == BackupRunner::Job::Restore ? QStringLiteral("Ripristino in corso...")
                                                          : QStringLiteral("Backup in corso..."));
        bar->setValue(0);
        status->show();
        bar->show();
    });
    connect(&m_backups, &BackupRunner::progressed, bar, &QProgressBar::setValue);
    connect(&m_backups, &BackupRunner::finished, this, [status, bar] {
        status->hide();
        bar->hide();
    });
    return open;
}

void MainMenuScreen::onClose() {
    m_ctx.quit();
}

void MainMenuScreen::openCosts() {
    if (auto* menu = qobject_cast<CostMenuScreen*>(m_ctx.screens->area(QStringLiteral("frmMenuCosti"))))
        menu->returnToMainMenuOnClose();
    goTo(QStringLiteral("frmMenuCosti"));
}
