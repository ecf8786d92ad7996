#include "program/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>

namespace command_line {

namespace {

const QString kProgram = QStringLiteral("vestrano");

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("mostra questo aiuto ed esce")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("mostra la versione ed esce")};
    QCommandLineOption dataDir{QStringLiteral("data-dir"),
                               QStringLiteral("tiene i dati nella cartella DIR"), QStringLiteral("DIR")};
    QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                  QStringLiteral("salva l'immagine della prima schermata in FILE ed esce"),
                                  QStringLiteral("FILE")};
    QCommandLineOption reportShown{QStringLiteral("report-shown")};
    QCommandLineOption checkLogin{QStringLiteral("check-login"), QString(), QStringLiteral("PASSWORD")};

    Options() {
        // Tools for benchmarks and the package check, not for users.
        reportShown.setFlags(QCommandLineOption::HiddenFromHelp);
        checkLogin.setFlags(QCommandLineOption::HiddenFromHelp);
    }
    QList<QCommandLineOption> listed() const { return {help, version, dataDir, screenshot}; }
};

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QCommandLineOption optionFor(const HeadlessVerb& verb) {
    return verb.valueName.isEmpty() ? QCommandLineOption(verb.name, verb.description)
                                    : QCommandLineOption(verb.name, verb.description, verb.valueName);
}

QString optionLabel(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names.append(dashed(name));
    QString label = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        label += u' ' + option.valueName();
    // Long-only options line up with the long names of those that also have a short one.
    return (option.names().constFirst().size() == 1 ? QString() : QStringLiteral("    ")) + label;
}

// Qt's own wording is English; the two mistakes people make get theirs in Italian.
QString usageError(const QCommandLineParser& parser, const QStringList& arguments,
                   const QList<QCommandLineOption>& options) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return QStringLiteral("opzione sconosciuta: %1").arg(dashed(unknown.constFirst()));
    for (const QCommandLineOption& option : options)
        for (const QString& name : option.names())
            if (!option.valueName().isEmpty() && arguments.constLast() == dashed(name))
                return QStringLiteral("manca il valore dopo %1").arg(dashed(name));
    return parser.errorText();
}

} // namespace

int failed(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stderr);
    return kFailed;
}

Request parse(const QStringList& arguments, const std::vector<HeadlessVerb>& verbs) {
    const Options o;
    QCommandLineParser parser;
    QList<QCommandLineOption> options{o.help, o.version, o.dataDir, o.screenshot, o.reportShown, o.checkLogin};
    for (const HeadlessVerb& verb : verbs)
        options.append(optionFor(verb));
    parser.addOptions(options);

    Request request;
    if (!parser.parse(arguments)) {
        request.action = Action::UsageError;
        request.error = usageError(parser, arguments, options);
        return request;
    }
    if (!parser.positionalArguments().isEmpty()) {
        request.action = Action::UsageError;
        request.error = QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().constFirst());
        return request;
    }
    if (parser.isSet(o.help)) {
        request.action = Action::Help;
        return request;
    }
    if (parser.isSet(o.version)) {
        request.action = Action::Version;
        return request;
    }
    request.dataDir = parser.value(o.dataDir);
    request.screenshot = parser.value(o.screenshot);
    request.reportShown = parser.isSet(o.reportShown);
    request.checkLogin = parser.value(o.checkLogin);
    for (const HeadlessVerb& verb : verbs) {
        if (!parser.isSet(verb.name))
            continue;
        if (request.verb) {
            request.action = Action::UsageError;
            request.error = QStringLiteral("--%1 e --%2 non si possono usare insieme").arg(request.verb->name, verb.name);
            return request;
        }
        request.action = Action::Verb;
        request.verb = &verb;
        request.verbValue = parser.value(verb.name);
    }
    return request;
}

QString helpText(const std::vector<HeadlessVerb>& verbs) {
    QList<QCommandLineOption> options = Options().listed();
    for (const HeadlessVerb& verb : verbs)
        options.append(optionFor(verb));
    qsizetype width = 0;
    for (const QCommandLineOption& option : options)
        width = std::max(width, optionLabel(option).size());

    QString text = QStringLiteral("Uso: %1 [OPZIONE]...\n"
                                  "Gestione del parco automezzi: schede dei veicoli, scadenze e costi.\n"
                                  "Senza opzioni avvia il programma.\n\n"
                                  "Opzioni:\n")
                       .arg(kProgram);
    for (const QCommandLineOption& option : options)
        text += QStringLiteral("  ") + optionLabel(option).leftJustified(width + 2) + option.description() + u'\n';
    text += QStringLiteral("\nLa cartella dei dati è DIR di --data-dir, altrimenti quella della variabile\n"
                           "VESTRANO_DATA_DIR, altrimenti quella scelta nel programma, altrimenti la\n"
                           "cartella del programma se vi si può scrivere, altrimenti la cartella dei dati\n"
                           "dell'utente.\n\n"
                           "Stato di uscita: 0 riuscito, 1 non riuscito, 2 uso errato.\n");
    return text;
}

QString versionText() {
    return QStringLiteral("Vestrano %1\n").arg(QStringLiteral(VESTRANO_VERSION));
}

} // namespace command_line
