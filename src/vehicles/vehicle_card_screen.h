#pragma once

#include "ui/record_screen.h"
#include "vehicles/vehicle_record.h"

#include <QList>
#include <QPointer>

class QImage;
class QLabel;
class PictureBox;
class QLineEdit;
class QPushButton;

// frmAutoparco: one vehicle card at a time, browsed, saved and duplicated in
// Parco_Automezzi.pro. Other screens reach its controls by name.
class VehicleCardScreen : public RecordScreen {
    Q_OBJECT
public:
    explicit VehicleCardScreen(AppContext& ctx);

    // Empties fields, attachments and position, shows the placeholder, focus on txtTipo.
    void clearCard();
    // Fills the 32 fields and the six attachment labels, sets the position; the caller has
    // closed the file before the photo is loaded.
    void fillFields(const TSchedaVeicolo& card, qint64 position);
    // The record as the screen holds it now (fields and attachment labels, trimmed).
    TSchedaVeicolo cardOnScreen() const;

    // The photo of the card at lblPosizione, or the placeholder when it cannot be read.
    void loadPhoto();
    // Stores the picture on screen as the photo of the card at lblPosizione (JPEG). Returns
    // why it could not, or an empty text.
    QString savePhoto();
    // Warns, after the card's own message, that its photo was not stored.
    void reportPhotoNotSaved(const QString& error);
    void showPlaceholder();

    QLineEdit* field(int index) const { return m_fields[index]; }
    QLabel* attachmentLabel(int index) const { return m_attachments[index - TSchedaVeicolo::kDataFieldCount]; }

protected:
    void onShow() override;
    std::unique_ptr<RecordFile> openRecordFile() const override;
    void showStoredRecord(const QByteArray& record, qint64 position) override;

private:
    void buildToolbar(QWidget* panel);
    void buildFields(QWidget* panel);
    void buildPhotoArea(QWidget* panel);

    void openCalendar(QLineEdit* field);
    void openAttachments();
    void showPicture(const QImage& picture);
    void loadPhotoFromDisk();
    void savePhotoCopy();
    void zoomPhoto();

    void save();
    void duplicate();

    QList<QLineEdit*> m_fields;
    QList<QLabel*> m_attachments;
    PictureBox* m_photo = nullptr;
    PictureBox* m_placeholder = nullptr;
    QPushButton* m_focusSink = nullptr;
    QPointer<QWidget> m_calendar;
};
