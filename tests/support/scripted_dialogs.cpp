#include "support/scripted_dialogs.h"

void ScriptedDialogs::record(const Prompt& p) {
    m_prompts.append(p);
    if (onPrompt)
        onPrompt(p);
}

QVariant ScriptedDialogs::take(const Prompt& p) {
    if (m_answers.isEmpty()) {
        m_unexpected.append(p.kind + QStringLiteral(": ") + p.text);
        return {};
    }
    return m_answers.dequeue();
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const Prompt& p : m_prompts)
        out.append(p.text);
    return out;
}

void ScriptedDialogs::notice(QWidget*, NoticeKind kind, const QString& text) {
    const QString name = kind == NoticeKind::Warning ? QStringLiteral("warning")
                         : kind == NoticeKind::Error ? QStringLiteral("error")
                                                     : QStringLiteral("information");
    record({name, text, {}, {}, {}, {}});
}

bool ScriptedDialogs::question(QWidget*, const QString& text) {
    const Prompt p{QStringLiteral("question"), text, {}, {}, {}, {}};
    record(p);
    return take(p).toBool();
}

void ScriptedDialogs::message(QWidget*, const QString& text) {
    record({QStringLiteral("message"), text, {}, {}, {}, {}});
}

std::optional<QString> ScriptedDialogs::input(QWidget*, const QString& caption, const QString& prompt,
                                              const QString& initial) {
    const Prompt p{QStringLiteral("input"), prompt, caption, {}, initial, {}};
    record(p);
    const QVariant answer = take(p);
    if (!answer.isValid())
        return std::nullopt;
    return answer.toString();
}

QString ScriptedDialogs::openFile(QWidget*, const QString& title, const QString& filter) {
    const Prompt p{QStringLiteral("open"), title, {}, filter, {}, {}};
    record(p);
    return take(p).toString();
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& title, const QString& filter,
                                  const QString& proposedName, const QString& defaultExtension) {
    const Prompt p{QStringLiteral("save"), title, {}, filter, proposedName, defaultExtension};
    record(p);
    return take(p).toString();
}

QString ScriptedDialogs::chooseFolder(QWidget*, const QString& title, const QString& start) {
    const Prompt p{QStringLiteral("folder"), title, {}, {}, start, {}};
    record(p);
    return take(p).toString();
}
