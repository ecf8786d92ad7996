#include "reports/preview_window.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

PreviewWindow::PreviewWindow(QPrinter& printer, const QString& title,
                             std::function<void(QPrinter&)> render, QWidget* parent)
    : QDialog(parent), m_printer(printer), m_render(std::move(render)) {
    setObjectName(QStringLiteral("previewWindow"));
    setWindowTitle(title);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(900, 700);

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_pages = new QPrintPreviewWidget(&m_printer, this);
    m_pages->setObjectName(QStringLiteral("pages"));
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { m_render(*p); });

    const auto add = [&](const QString& name, const QString& text, QStyle::StandardPixmap icon,
                         auto slot) {
        // The action is named after its theme icon.
        QAction* action =
            tools->addAction(QIcon::fromTheme(name, style()->standardIcon(icon)), text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QStringLiteral("document-print"), QStringLiteral("Stampa"), QStyle::SP_DialogSaveButton,
        [this] { print(); });
    tools->addSeparator();
    add(QStringLiteral("zoom-in"), QStringLiteral("Ingrandisci"), QStyle::SP_ArrowUp,
        [this] { m_pages->zoomIn(); });
    add(QStringLiteral("zoom-out"), QStringLiteral("Riduci"), QStyle::SP_ArrowDown,
        [this] { m_pages->zoomOut(); });
    add(QStringLiteral("zoom-fit-best"), QStringLiteral("Pagina intera"),
        QStyle::SP_FileDialogContentsView, [this] { m_pages->fitInView(); });
    add(QStringLiteral("zoom-fit-width"), QStringLiteral("Larghezza pagina"),
        QStyle::SP_FileDialogDetailedView, [this] { m_pages->fitToWidth(); });
    tools->addSeparator();
    QAction* full = add(QStringLiteral("view-fullscreen"), QStringLiteral("Schermo intero"),
                        QStyle::SP_TitleBarMaxButton, [this] { toggleFullScreen(); });
    full->setCheckable(true);
    full->setShortcut(Qt::Key_F11);
    QAction* closing = add(QStringLiteral("window-close"), QStringLiteral("Chiudi"),
                           QStyle::SP_DialogCloseButton, [this] { close(); });
    closing->setShortcut(Qt::Key_Escape);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_pages, 1);
}

void PreviewWindow::print() {
    // The pages are drawn again on the printer chosen, at its own resolution.
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_pages->print();
}

void PreviewWindow::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}
