#include "vehicles/slideshow_dialog.h"

#include "app/app_context.h"
#include "ui/shared_messages.h"
#include "help/info_artwork.h"
#include "ui/picture_box.h"
#include "records/text_rules.h"
#include "vehicles/vehicle_file.h"
#include "vehicles/vehicle_photo.h"

#include <QLabel>
#include <QShowEvent>
#include <QPushButton>
#include <QTimer>

SlideshowDialog::SlideshowDialog(AppContext& ctx, QWidget* opener)
    : PhotoStage(ctx, opener, QStringLiteral("frmSlideshow_Automezzi"), QStringLiteral(" Slide Show Parco Automezzi")) {
    m_start = new PictureBox(this);
    m_start->setObjectName(QStringLiteral("imgBianco"));
    m_start->setPicture(art::slideshowStart(QSize(1280, 720)).toImage());
    m_start->hide();

    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("lblPosizione"));
    m_position->hide();

    m_step = new QPushButton(this);
    m_step->setObjectName(QStringLiteral("cmdAvanti"));
    m_step->hide();
    connect(m_step, &QPushButton::clicked, this, &SlideshowDialog::step);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, m_step, &QPushButton::click);
}

void SlideshowDialog::showEvent(QShowEvent* event) {
    PhotoStage::showEvent(event);
    if (event->spontaneous())
        return;
    photo()->setPicture(m_start->picture());
    m_timer->start();
}

void SlideshowDialog::step() {
    try {
        VehicleFile file(m_ctx.programDir);
        if (text::isBlank(m_position->text())) {
            m_next = 0;
            m_position->setText(QStringLiteral("0"));
        } else {
            m_next = text::trimmed(m_position->text()).toLongLong();
        }
        const qint64 count = file.count();
        if (count == 0) {
            m_position->clear();
            file.close();
            m_timer->stop();
            m_ctx.dialogs->notice(this, NoticeKind::Information, shared_messages::emptyFile());
            close();
            return;
        }
        if (m_next < count) {
            file.readAt(m_next + 1);
            ++m_next;
            m_position->setText(QString::number(m_next));
            file.close();
            showCardPhoto();
        } else {
            // The last card stays on screen for one more tick, then the first comes round.
            m_position->setText(QStringLiteral("0"));
            file.close();
        }
    } catch (const RecordFileError&) {
        // One message, not one every few seconds behind it: the show ends here.
        m_timer->stop();
        m_ctx.dialogs->notice(this, NoticeKind::Error, shared_messages::accessFailure());
        close();
    }
}

void SlideshowDialog::showCardPhoto() {
    // Read afresh at every tick: a photo added meanwhile shows the next time round.
    const QImage photo = vehicle_photo::loadCard(m_ctx.programDir, m_position->text());
    this->photo()->setPicture(photo.isNull() ? m_start->picture() : photo);
}

