#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QVariant>

// What a prompt looked like: its kind ("warning", "error", "information", "question",
// "message", "input", "open", "save", "folder") and its exact text (for file dialogs, the title).
struct Prompt {
    QString kind;
    QString text;
    QString caption;   // input box caption
    QString filter;    // file dialogs
    QString proposed;  // save dialog's proposed name, input box's initial value, folder chooser's start
    QString extension; // save dialog's default extension
    bool operator==(const Prompt& o) const { return kind == o.kind && text == o.text; }
};

// Answers prompts from a queue. A prompt that needs an answer and finds none is recorded in
// unexpected() and answered No / cancelled.
class ScriptedDialogs : public Dialogs {
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

    // Queued answers, taken in order by whichever prompt needs one: bool for a question,
    // QString for an input box or file dialog, an invalid QVariant to cancel.
    void queue(const QVariant& answer) { m_answers.enqueue(answer); }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }

    const QList<Prompt>& prompts() const { return m_prompts; }
    QStringList texts() const;
    void clear() { m_prompts.clear(); }
    const QStringList& unexpected() const { return m_unexpected; }

    // Called while a prompt is up, as a modal box would let timers and events run.
    std::function<void(const Prompt&)> onPrompt;

private:
    QVariant take(const Prompt& p);
    void record(const Prompt& p);

    QList<Prompt> m_prompts;
    QQueue<QVariant> m_answers;
    QStringList m_unexpected;
};
