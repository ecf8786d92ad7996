#include "app/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

const QString kBoxTitle = QStringLiteral("Vestrano 3.0");

} // namespace

void WidgetDialogs::notice(QWidget* parent, NoticeKind kind, const QString& text) {
    const QMessageBox::Icon icon = kind == NoticeKind::Warning ? QMessageBox::Warning
                                   : kind == NoticeKind::Error ? QMessageBox::Critical
                                                               : QMessageBox::Information;
    QMessageBox box(icon, kBoxTitle, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.exec();
}

bool WidgetDialogs::question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kBoxTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void WidgetDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> WidgetDialogs::input(QWidget* parent, const QString& caption,
                                            const QString& prompt, const QString& initial) {
    QInputDialog box(parent);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    // Narrow as its one field would make it, the window cut its own title ("Numero copie da
    // st..."): the field widens the box to the title and the frame's icon and buttons beside it.
    if (auto* field = box.findChild<QLineEdit*>())
        field->setMinimumWidth(box.fontMetrics().horizontalAdvance(caption) + 120);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

QString WidgetDialogs::openFile(QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString WidgetDialogs::saveFile(QWidget* parent, const QString& title, const QString& filter,
                                const QString& proposedName, const QString& defaultExtension) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension);
    dialog.selectFile(proposedName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetDialogs::chooseFolder(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}
