#pragma once

#include "ui/dialog_screen.h"

#include <QLabel>

class QPlainTextEdit;
class QPushButton;

// Link text: orange while a mouse button is held on it or on its icon, dark blue otherwise.
class LinkText : public QLabel {
    Q_OBJECT
public:
    LinkText(const QString& text, QWidget* parent);
    void setPressed(bool pressed);
    // The icon beside the link behaves as part of it.
    void attachIcon(QPushButton* icon);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// frmGuida: one help topic, and the link to the user guide.
class HelpScreen : public DialogScreen {
    Q_OBJECT
public:
    HelpScreen(AppContext& ctx, QWidget* opener);
    void setTopic(const QString& title, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void openGuide();

    QLabel* m_title = nullptr;
    QPlainTextEdit* m_text = nullptr;
    LinkText* m_link = nullptr;
};

// frmInfo: about the program, with the contact e-mail link.
class AboutScreen : public DialogScreen {
    Q_OBJECT
public:
    AboutScreen(AppContext& ctx, QWidget* opener);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LinkText* m_link = nullptr;
};

// frmSplash: the maker's credits, with the link to the web page.
class CreditsScreen : public DialogScreen {
    Q_OBJECT
public:
    CreditsScreen(AppContext& ctx, QWidget* opener);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LinkText* m_link = nullptr;
};
