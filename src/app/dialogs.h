#pragma once

#include <QString>

#include <optional>

class QWidget;

enum class NoticeKind { Warning, Error, Information };

// Every modal prompt of the program goes through here, so tests can script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A notice has OK and Cancel; either closes it and the answer is not used.
    virtual void notice(QWidget* parent, NoticeKind kind, const QString& text) = 0;
    // Yes / No; returns true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // One OK button, no icon.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> input(QWidget* parent, const QString& caption,
                                         const QString& prompt, const QString& initial) = 0;
    // Empty when cancelled.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& proposedName, const QString& defaultExtension) = 0;
    // Empty when cancelled (and where no folder can be chosen).
    virtual QString chooseFolder(QWidget*, const QString& /*title*/, const QString& /*start*/) { return {}; }
};

class WidgetDialogs : public Dialogs {
public:
    void notice(QWidget* parent, NoticeKind kind, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    void message(QWidget* parent, const QString& text) override;
    std::optional<QString> input(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& initial) override;
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& proposedName, const QString& defaultExtension) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override;
};
