#include "ui/record_tool_bar.h"
#include "ui/fonts.h"

#include "ui/screen_parts.h"
#include "ui/status_hints.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <vector>

namespace {

// Text fields claim some keys for themselves (Ctrl+Home, Ctrl+End); on a record screen the tool
// bar's keys come first, wherever the keyboard is.
class ToolBarKeysFirst : public QObject {
public:
    explicit ToolBarKeysFirst(QWidget* screen) : QObject(screen), m_screen(screen) {
        QApplication::instance()->installEventFilter(this);
    }
    void add(QKeyCombination key) { m_keys.append(key); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        // Stopped here unaccepted, the key goes on to the screen's shortcuts.
        return widget && widget->window() == m_screen &&
               m_keys.contains(static_cast<QKeyEvent*>(event)->keyCombination());
    }

private:
    QWidget* m_screen;
    QList<QKeyCombination> m_keys;
};

// A key does what a click does, and only while no dialog holds the program.
void bindKey(QWidget* screen, QPushButton* button, QKeyCombination key) {
    auto* shortcut = new QShortcut(QKeySequence(key), screen);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (!QApplication::activeModalWidget() && button->isVisible() && button->isEnabled())
            button->click();
    });
}

const RecordTool kBrowseTools[] = {
    {"cmdPrimo", art::Glyph::First, nullptr, "Prima scheda", "Visualizza la prima scheda in archivio.",
     Qt::CTRL | Qt::Key_Home},
    {"cmdIndietro", art::Glyph::Previous, nullptr, "Scheda precedente", "Visualizza la scheda precedente in archivio.",
     Qt::Key_PageUp},
    {nullptr, art::Glyph::Info, nullptr, nullptr, nullptr}, // the record number
    {"cmdAvanti", art::Glyph::Next, nullptr, "Scheda successiva", "Visualizza la scheda successiva in archivio.",
     Qt::Key_PageDown},
    {"cmdUltimo", art::Glyph::Last, nullptr, "Ultima scheda", "Visualizza l'ultima scheda in archivio.",
     Qt::CTRL | Qt::Key_End},
};

} // namespace

QString keyName(QKeyCombination key) {
    QString name;
    if (key.keyboardModifiers() & Qt::ControlModifier)
        name += QStringLiteral("Ctrl+");
    switch (key.key()) {
    case Qt::Key_Home: return name + QStringLiteral("Inizio");
    case Qt::Key_End: return name + QStringLiteral("Fine");
    case Qt::Key_PageUp: return name + QStringLiteral("Pag Su");
    case Qt::Key_PageDown: return name + QStringLiteral("Pag Giù");
    case Qt::Key_Escape: return name + QStringLiteral("Esc");
    default: return name + QKeySequence(key.key()).toString(QKeySequence::PortableText);
    }
}

QLabel* buildRecordToolBar(QWidget* screen, QWidget* panel, StatusHints* hints, const RecordToolBarPlace& place,
                           const RecordTools& tools) {
    hints->addBackground(screen_parts::box(panel, QStringLiteral("shpToolbar"), place.strip, Qt::white));
    QLabel* position = nullptr;
    auto* keysFirst = new ToolBarKeysFirst(screen);
    std::vector<RecordTool> all(tools.before.begin(), tools.before.end());
    all.insert(all.end(), std::begin(kBrowseTools), std::end(kBrowseTools));
    all[tools.before.size()].gapBefore = tools.browseGap;
    all.insert(all.end(), tools.after.begin(), tools.after.end());
    int x = place.firstX;
    for (const RecordTool& t : all) {
        x += t.gapBefore;
        if (!t.name) {
            position = new QLabel(panel);
            position->setObjectName(QStringLiteral("lblPosizione"));
            position->setAlignment(Qt::AlignCenter);
            position->setFont(fonts::verdana(12, QFont::Bold));
            position->setGeometry(x, 14, place.positionWidth, 36);
            x += place.positionAdvance;
            continue;
        }
        const bool wide = t.words != nullptr;
        const QSize size = wide ? place.wideSize : QSize(40, 40);
        const QPixmap picture = wide ? art::buttonPicture(size, QString::fromLatin1(t.words)) : art::glyph(size, t.glyph);
        const QString caption = QString::fromUtf8(t.caption);
        auto* button =
            screen_parts::pictureButton(panel, QString::fromLatin1(t.name),
                                        QRect(QPoint(x, wide ? 14 : 12), size), picture, caption);
        hints->add(button, QString::fromUtf8(t.hint));
        if (t.key.key() != Qt::Key_unknown) {
            bindKey(screen, button, t.key);
            keysFirst->add(t.key);
            button->setToolTip(caption + QStringLiteral(" (") + keyName(t.key) + u')');
        }
        x += size.width() + (wide ? place.wideGap : 8);
    }
    return position;
}
