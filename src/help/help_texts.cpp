#include "help/help_topics.h"

#include <QStringList>

// The words of the help screen and of the user guide.
namespace help {

namespace {

QString paragraphs(std::initializer_list<const char*> parts) {
    QStringList out;
    for (const char* p : parts)
        out.append(QString::fromUtf8(p));
    return out.join(QStringLiteral("\r\n\r\n"));
}

// The same tool bar keys on the vehicle card and the cost screen.
const char* const kRecordKeys =
    "I pulsanti della barra in alto si possono usare anche dalla tastiera: Ctrl+N per una nuova scheda, Ctrl+S "
    "per salvare, Ctrl+F per cercare, Ctrl+P per stampare, Pag Su e Pag Giù per la scheda precedente e la "
    "successiva, Ctrl+Inizio e Ctrl+Fine per la prima e l'ultima, F1 per questa guida ed Esc per uscire dalla "
    "schermata. Il tasto di ogni pulsante è indicato nel suggerimento che compare fermandovi sopra il mouse.";

const char* const kCostsFirst =
    "L'app Costi sostenuti è un registro delle spese giornaliere relative a ciascun automezzo che consente di "
    "ottenere un estratto conto degli esborsi in base alla causale e all'intervallo di tempo specificato.";

} // namespace

QList<Topic> allTopics() {
    return {Topic::MainMenu,   Topic::VehicleCard, Topic::VehicleExport, Topic::Deadlines,
            Topic::Costs,      Topic::CostExport,  Topic::CostSummary,   Topic::Statistics,
            Topic::Backup};
}

QString title(Topic topic) {
    switch (topic) {
    case Topic::MainMenu:
        return QStringLiteral("Uno sguardo a Vestrano 3.0");
    case Topic::VehicleCard:
        return QStringLiteral("App Parco Automezzi");
    case Topic::Deadlines:
        return QStringLiteral("App Scadenze Imminenti");
    case Topic::Costs:
        return QStringLiteral("App Costi sostenuti");
    case Topic::CostSummary:
        return QStringLiteral("App Riepilogo costi sostenuti");
    case Topic::Statistics:
        return QStringLiteral("App Statistiche costi mensili");
    case Topic::VehicleExport:
        return QStringLiteral("Esportazione archivio veicoli in Excel");
    case Topic::CostExport:
        return QStringLiteral("Esportazione archivio costi sostenuti in Excel");
    case Topic::Backup:
        return QStringLiteral("Backup e ripristino");
    }
    return {};
}

QString text(Topic topic) {
    switch (topic) {
    case Topic::MainMenu:
        return paragraphs({
            "Vestrano 3.0 è un software studiato per archiviare i dati relativi ad ogni mezzo del proprio parco auto "
            "e tenere sotto controllo tutti i costi riguardanti gli interventi di manutenzione o riparazione degli "
            "automezzi nonché il pagamento delle tasse automobilistiche.",
            "La schermata principale presenta tre ambienti di lavoro, ciascuno con il proprio pulsante: Parco "
            "Automezzi, Scadenze Imminenti e Costi sostenuti. In ogni ambiente il pulsante Guida apre le istruzioni "
            "relative alla schermata in cui ci si trova.",
            "Il programma si usa anche dalla sola tastiera. Nella schermata principale i tasti Tab e Maiusc+Tab, "
            "oppure le frecce, passano da un'immagine all'altra (i tre ambienti, la guida, le informazioni, i "
            "crediti, il backup, il sito e l'uscita); una cornice gialla indica quella scelta, che si apre con "
            "Invio o con la barra spaziatrice. In ogni schermata e finestra Invio preme il pulsante su cui si "
            "trova lo stato attivo, come la barra spaziatrice; in un campo di testo Invio porta al campo "
            "successivo. Nei campi dell'anno funzionano anche Home, Fine, la selezione con Maiusc e le frecce e "
            "Ctrl+A per selezionare tutto, ma si possono inserire solo cifre.",
            "L'app Parco Automezzi permette di creare una dettagliata scheda descrittiva di ogni mezzo della propria "
            "flotta, corredata di foto e di un massimo di tre documenti allegati, ad esempio la copia digitalizzata "
            "del libretto di circolazione o della polizza assicurativa. Le schede si possono sfogliare, cercare, "
            "duplicare, stampare ed esportare in un foglio di lavoro di Microsoft Excel; lo slide show presenta a "
            "tutto schermo le foto di tutti i veicoli.",
            "L'app Scadenze Imminenti consente di monitorare, per ciascun veicolo, le scadenze relative alla "
            "revisione, al tagliando, al rinnovo dell'assicurazione e al pagamento del bollo sulla base dei dati "
            "inseriti nell'archivio del parco automezzi. Per ogni tipo di scadenza un elenco riporta i veicoli la cui "
            "scadenza è già trascorsa o cade entro i prossimi 7 giorni.",
            "All'ingresso nel programma, subito dopo la password, una finestra di promemoria elenca le scadenze già "
            "trascorse o in arrivo nei prossimi 7 giorni, dalla più vicina: targa, marca e modello, tipo di scadenza, "
            "data e quanti giorni mancano (per esempio \"tra 3 giorni\") o sono passati (\"scaduta da 2 giorni\"). "
            "Il pulsante Apri scadenze porta al menu delle scadenze imminenti, Chiudi resta nel menu principale. "
            "Quando non c'è nulla in scadenza la finestra non compare.",
            "L'app Costi sostenuti è un registro delle spese giornaliere relative a ciascun automezzo. Le spese di "
            "ogni anno solare sono conservate in un archivio distinto; per ciascun anno è possibile consultare "
            "l'elenco dei pagamenti ancora da saldare, il riepilogo delle spese per periodo, targa e causale e i "
            "grafici statistici dei costi mensili.",
            "Tutti i dati sono conservati nella cartella del programma: l'archivio dei veicoli, un archivio dei costi "
            "per ogni anno, la cartella delle foto (Autoparco) e quella dei documenti allegati (Documenti_Allegati). "
            "Per utilizzare Vestrano 3.0 su più computer di una rete locale è sufficiente collocare il programma in "
            "una cartella condivisa e avviarlo da ciascuna postazione: ogni copia vede le schede registrate dalle "
            "altre alla successiva operazione. Chi utilizza il programma deve disporre dei permessi di scrittura "
            "nella cartella condivisa. Se un'altra postazione ha modificato una scheda dopo che è stata aperta, al "
            "salvataggio il programma chiede se sovrascrivere le sue modifiche: rispondendo No la scheda in archivio "
            "resta com'è e quanto scritto rimane sullo schermo.",
            "Per lo stesso motivo il programma può essere copiato, insieme ai suoi archivi, su una chiavetta USB e "
            "utilizzato su qualsiasi computer senza alcuna installazione: basta avviarlo dalla chiavetta. Per "
            "conservare una copia di sicurezza dei dati è sufficiente copiare l'intera cartella del programma.",
            "Quando il programma è installato, e quindi la sua cartella non è scrivibile, i dati sono conservati "
            "nella cartella dati personale dell'utente. Per lavorare con i colleghi su una cartella condivisa in "
            "rete, premere nella schermata di accesso Cartella dati... e scegliere la cartella: il programma "
            "controlla che esista e che vi si possa scrivere, vi copia la password iniziale se la cartella non ne ha "
            "una e la ricorda per gli avvii successivi. Accanto al pulsante è indicata la cartella in uso.",
            "L'accesso al programma è protetto da una password, richiesta a ogni avvio; le lettere maiuscole e "
            "minuscole non vengono distinte. Per cambiarla, premere nella schermata di accesso il pulsante per il "
            "cambio della password, digitare la password attuale e poi due volte la nuova password. La password può "
            "contenere lettere, anche accentate, cifre e i simboli più comuni, come €; un carattere che il programma "
            "non può memorizzare, ad esempio una lettera greca, viene segnalato al momento del cambio. Si consiglia di "
            "scegliere una password facile da ricordare ma difficile da indovinare e di non comunicarla a persone non "
            "autorizzate.",
        });
    case Topic::VehicleCard:
        return paragraphs({
            "L'app Parco Automezzi permette di creare una dettagliata scheda descrittiva di ogni mezzo della propria "
            "flotta corredata di foto in cui registrare il tipo di veicolo, la destinazione e l'uso, la marca e il "
            "modello, il numero di targa e di telaio, l'anno di immatricolazione, il colore, il tipo di pneumatici "
            "montati, lo stato del veicolo, il tipo di alimentazione (benzina, diesel, elettricità, GPL, ibrida, "
            "metano), i cavalli fiscali o kW, la cilindrata, i chilometri percorsi e la data in cui è stata "
            "effettuata la lettura, il numero di posti, la portata massima e la classe di compatibilità ambientale.",
            "Nella scheda si possono inoltre annotare la compagnia assicurativa con il suo recapito telefonico e "
            "l'importo della polizza, gli incidenti subiti, il proprietario, l'autista e il meccanico con i rispettivi "
            "numeri di telefono, le date di scadenza della revisione, del tagliando, dell'assicurazione e del bollo e, "
            "infine, delle note libere.",
            "Per creare una nuova scheda premere il pulsante Nuovo, compilare i campi e premere Salva. Il tipo di "
            "veicolo, la marca, il modello e la targa sono obbligatori: se uno di questi campi è vuoto il programma "
            "lo segnala e la scheda non viene salvata. Il tasto Invio sposta il cursore sul campo successivo; la targa "
            "viene scritta automaticamente in lettere maiuscole. Per aggiornare una scheda già archiviata, "
            "richiamarla con i pulsanti di scorrimento (prima, precedente, successiva, ultima) o con la ricerca, "
            "modificarne i dati e premere Salva. Il numero visualizzato tra le frecce indica la posizione della "
            "scheda in archivio.",
            kRecordKeys,
            "Nella scheda dei veicoli Ctrl+D equivale al pulsante Duplica.",
            "Per associare una foto al veicolo premere Carica foto e scegliere un'immagine in formato JPEG o Bitmap: "
            "la foto viene archiviata insieme alla scheda quando si preme Salva. Gli altri pulsanti posti sotto la "
            "foto consentono di salvarne una copia in una cartella a scelta, di toglierla dalla scheda e di "
            "visualizzarla ingrandita a tutto schermo (un clic sulla foto chiude la finestra). Una scheda senza foto "
            "mostra l'immagine predefinita di un'automobile, come una foto il cui file supera i 256 MB o i 100 milioni "
            "di pixel.",
            "Il pulsante Slide show mostra a tutto schermo, una dopo l'altra, le foto di tutti i veicoli in archivio, "
            "cambiandole ogni 6 secondi e ricominciando dalla prima dopo l'ultima. Per terminare la presentazione è "
            "sufficiente fare clic sulla foto.",
            "Se la flotta comprende più veicoli simili, richiamare una scheda già archiviata e premere Duplica: i dati "
            "restano sullo schermo e, dopo le opportune modifiche (ad esempio la targa e il numero di telaio), "
            "premendo Salva vengono registrati in una nuova scheda. La nuova scheda non riprende la foto né i file "
            "allegati dell'originale, che resta invariata.",
            "Il pulsante Allega file apre una finestra in cui è possibile associare alla scheda fino a tre documenti "
            "di qualsiasi tipo, ciascuno con la propria descrizione. Il pulsante Sfoglia... copia il file scelto nella "
            "cartella Documenti_Allegati del programma; il pulsante Apri lo apre con il programma a cui è associato. "
            "Premere Applica e chiudi e poi Salva per registrare le modifiche nella scheda. Il nome di un file allegato "
            "può contenere al massimo 250 caratteri, esclusi quelli che la scheda non è in grado di registrare (ad "
            "esempio lettere cirilliche o ideogrammi): un file con un nome simile non viene copiato e il programma lo "
            "segnala; è sufficiente rinominarlo e sceglierlo di nuovo.",
            "Il pulsante Trova consente di cercare le schede in archivio indicando uno o più dati del veicolo, come la "
            "targa, la marca o l'autista; facendo doppio clic su un veicolo dell'elenco dei risultati la sua scheda "
            "viene visualizzata sullo schermo.",
            "Le date di scadenza della revisione, del tagliando, dell'assicurazione e del bollo, così come la data di "
            "lettura dei chilometri, si inseriscono con il calendario: premendo un tasto qualsiasi in uno di questi "
            "campi si apre il calendario, si sceglie il giorno e si preme Importa; i tasti Canc e Backspace cancellano "
            "la data. Queste date alimentano gli elenchi dell'app Scadenze Imminenti: dopo aver effettuato una "
            "revisione o un tagliando, rinnovato l'assicurazione o pagato il bollo, è importante aggiornare la scheda "
            "con la data della scadenza successiva.",
            "I pulsanti Anteprima e Stampa consentono di visualizzare sullo schermo l'anteprima di stampa della "
            "scheda, foto compresa, e di stamparla. Il pulsante Esporta archivio in Excel crea un foglio di lavoro "
            "con tutti i veicoli registrati, che potrà essere aperto con qualsiasi software in grado di gestire i "
            "file in formato XLS.",
            "Il pulsante Importa da file (la cartella aperta accanto a Esporta) aggiunge all'archivio le schede di "
            "un foglio di calcolo salvato in formato CSV da Excel o LibreOffice (separatore punto e virgola o "
            "virgola, testo UTF-8 o Windows). Un'anteprima associa ogni colonna del file al campo della scheda con "
            "lo stesso nome; l'associazione si può cambiare con le caselle a sinistra. Le righe con problemi (una "
            "data che non esiste, un campo obbligatorio vuoto, un testo più lungo del campo, un carattere che "
            "l'archivio non può contenere) sono in rosso, con la descrizione del problema. Il pulsante Importa si "
            "attiva solo quando nessuna riga ha problemi e aggiunge tutte le righe in una volta; le date si "
            "scrivono gg/mm/aaaa e la targa diventa maiuscola, come quando la si digita.",
        });
    case Topic::Deadlines:
        return paragraphs({
            "L'app Scadenze Imminenti consente di monitorare, per ciascun veicolo, le scadenze relative alla "
            "revisione, al tagliando, al rinnovo dell'assicurazione e al pagamento del bollo sulla base dei dati "
            "inseriti nell'archivio del parco automezzi.",
            "Premendo uno dei quattro pulsanti arancioni (Revisione, Tagliando, Assicurazione, Bollo) si apre "
            "l'elenco dei veicoli la cui scadenza del tipo scelto è già trascorsa oppure cade entro i prossimi 7 "
            "giorni. Per ogni veicolo l'elenco riporta il tipo, la marca e il modello, la targa, la data di scadenza e "
            "i chilometri percorsi.",
            "Il pulsante Stampa stampa l'elenco visualizzato, con la data di stampa a piè di pagina; il pulsante "
            "Chiudi riporta al menu delle scadenze.",
            "Il pulsante Esporta calendario salva nella cartella del programma il file Scadenze.ics con tutte le "
            "scadenze dei veicoli da oggi in poi, ciascuna come evento di un giorno intero con un avviso 7 giorni "
            "prima; il titolo dell'evento riporta il tipo di scadenza, la targa, la marca e il modello (per esempio "
            "\"Revisione AB123CD (Fiat Ducato)\"), la descrizione l'autista e il suo telefono. Dopo il salvataggio "
            "il programma chiede se aprire subito il file con il calendario del computer. Il file si può importare "
            "in qualsiasi programma di calendario (Outlook, Google Calendar, Thunderbird, il calendario del telefono); "
            "esportandolo di nuovo, gli eventi già importati vengono aggiornati invece che duplicati.",
            "Per tenere il calendario sempre aggiornato senza aprire il programma, un'operazione pianificata può "
            "eseguire il comando: vestrano --data-dir CARTELLA --export-calendar FILE, che scrive lo stesso file "
            "senza aprire alcuna finestra, per esempio in una cartella condivisa a cui è abbonato il calendario.",
            "Gli elenchi vengono ricavati ogni volta dall'archivio del parco automezzi e non conservano alcuna "
            "informazione propria. Dopo aver provveduto a una scadenza, ad esempio dopo aver pagato il bollo, "
            "richiamare la scheda del veicolo nell'app Parco Automezzi, inserire con il calendario la data della "
            "scadenza successiva e premere Salva: il veicolo tornerà nell'elenco soltanto 7 giorni prima della nuova "
            "scadenza.",
        });
    case Topic::Costs:
        return paragraphs({
            kCostsFirst,
            "Per iniziare, digitare l'anno solare con quattro cifre nel campo Anno e premere Apri: si apre la "
            "schermata delle schede costi di quell'anno. Ogni anno ha un proprio archivio, che viene creato "
            "automaticamente alla prima registrazione.",
            "Per registrare una spesa premere Nuovo, compilare i campi e premere Salva. Sono obbligatori la marca, il "
            "modello e la targa del veicolo e la causale della spesa; il giorno e il mese si scelgono dagli elenchi e "
            "l'importo si indica in euro, con la virgola come separatore dei decimali: entrando nel campo il suo "
            "contenuto viene selezionato, così che la cifra digitata lo sostituisca, e un importo che non è un numero "
            "valido viene segnalato al salvataggio. Il tasto Invio sposta il cursore sul campo successivo.",
            "La casella Saldato indica se la spesa è già stata pagata. Il pulsante dei pagamenti da saldare apre "
            "l'elenco delle spese dell'anno non ancora saldate: facendo doppio clic su una riga si richiama la scheda, "
            "che potrà essere aggiornata una volta effettuato il pagamento.",
            "I pulsanti di scorrimento permettono di sfogliare le schede dell'anno una alla volta. Il pulsante per "
            "importare i dati del veicolo apre la ricerca nell'archivio del parco automezzi e copia nella scheda "
            "costi il tipo, la marca, il modello, il colore, l'alimentazione e la targa del veicolo scelto, così da "
            "non doverli digitare ogni volta.",
            kRecordKeys,
            "Il pulsante Trova consente di cercare le schede costi dell'anno in base ai dati inseriti; il pulsante "
            "Stampa stampa la scheda visualizzata e il pulsante Esporta crea un foglio di lavoro di Microsoft Excel "
            "con tutte le schede dell'anno.",
            "Il pulsante Importa da file aggiunge all'anno aperto i costi di un foglio di calcolo salvato in formato "
            "CSV, con un'anteprima delle righe e dei loro problemi come per le schede dei veicoli. La colonna Data "
            "saldo (gg/mm/aaaa) deve contenere date dell'anno aperto: giorno e mese della scheda si ricavano da "
            "essa. Gli importi possono avere la virgola o il punto decimale, il punto delle migliaia e il simbolo "
            "€; la colonna Saldato accetta Sì o No. Nulla viene registrato finché una riga ha un problema.",
            "Dal menu dei costi si accede inoltre al riepilogo dei costi sostenuti, che elenca e somma le spese di un "
            "periodo, eventualmente limitate a una targa e a una causale, e ai grafici statistici, che mostrano il "
            "totale di ciascun mese dell'anno in un grafico a torta o a barre tridimensionali. Sia il riepilogo sia i "
            "grafici possono essere stampati.",
        });
    case Topic::CostSummary:
        return paragraphs({
            "L'app Riepilogo costi sostenuti consente di ottenere il resoconto delle spese sostenute in un certo "
            "intervallo di tempo.",
            "Nella schermata di selezione indicare l'anno, la causale delle spese da considerare, la targa del "
            "veicolo (che si può anche scegliere dall'archivio del parco automezzi con il pulsante posto accanto al "
            "campo) e l'intervallo di tempo, cioè il giorno e il mese iniziali e quelli finali. Lasciando vuoto il "
            "campo della causale vengono considerate tutte le causali; lasciando vuoto il campo della targa vengono "
            "considerati tutti i veicoli.",
            "Il riepilogo elenca, una per riga, le spese dell'intervallo che corrispondono ai criteri scelti e "
            "riporta il totale complessivo degli importi. Per trovare una voce nell'elenco digitare una o più parole "
            "e premere Trova.",
            "Il pulsante Stampa stampa il riepilogo visualizzato, con l'intervallo di tempo e il totale.",
        });
    case Topic::Statistics:
        return paragraphs({
            "L'app Statistiche costi mensili consente di visualizzare e stampare grafici statistici dei costi "
            "sostenuti in ciascun mese dell'anno per i veicoli della flotta automezzi.",
            "Per iniziare, digitare l'anno solare con quattro cifre e premere Apri: il programma somma le spese "
            "registrate in ciascun mese di quell'anno e mostra i dodici totali, arrotondati all'euro, in un grafico "
            "a barre tridimensionali.",
            "Il grafico può essere visualizzato anche a torta, che evidenzia il peso di ciascun mese sul totale "
            "dell'anno; l'apposito pulsante passa da un tipo di grafico all'altro. Per esaminare un altro anno "
            "tornare alla scelta dell'anno e indicarne uno diverso.",
            "Il pulsante Stampa stampa il grafico visualizzato insieme agli importi di ciascun mese, nel numero di "
            "copie indicato.",
        });
    case Topic::VehicleExport:
        return paragraphs({
            "Il pulsante Esporta archivio consente di esportare tutti i veicoli registrati nel parco automezzi in un "
            "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire "
            "i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).",
            "Il file Parco_Automezzi.xls viene creato nella cartella del programma, sostituendo quello di una "
            "precedente esportazione. Al termine il programma chiede se si desidera aprirlo subito: rispondendo Sì il "
            "file viene aperto con il foglio di calcolo predefinito, dal quale potrà essere salvato con un nome "
            "qualsiasi e nella cartella desiderata. Il file di una precedente esportazione deve essere chiuso prima "
            "di esportare di nuovo.",
            "Il pulsante Esporta in .xlsx crea invece Parco_Automezzi.xlsx, una cartella di lavoro nel formato "
            "attuale di Excel: targhe, telai e numeri di telefono restano testo, le date di scadenza sono date, la "
            "riga d'intestazione è in grassetto, bloccata e con i filtri. Lo stesso file si può creare senza aprire "
            "il programma, ad esempio da un'operazione pianificata, con il comando vestrano --data-dir CARTELLA "
            "--export-xlsx veicoli FILE.",
        });
    case Topic::CostExport:
        return paragraphs({
            "Il pulsante Esporta archivio consente di esportare tutte le schede dei costi registrate in un anno "
            "solare in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in "
            "grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).",
            "Vengono esportate le schede dell'anno aperto nella schermata dei costi. Il file Costi_Sostenuti.xls "
            "viene creato nella cartella del programma, sostituendo quello di una precedente esportazione. Al "
            "termine il programma chiede se si desidera aprirlo subito: rispondendo Sì il file viene aperto con il "
            "foglio di calcolo predefinito, dal quale potrà essere salvato con un nome qualsiasi e nella cartella "
            "desiderata. Il file di una precedente esportazione deve essere chiuso prima di esportare di nuovo.",
            "Il pulsante Esporta in .xlsx crea invece Costi_Sostenuti.xlsx, una cartella di lavoro nel formato "
            "attuale di Excel: gli importi sono numeri in euro che si possono sommare, le date sono date, targhe e "
            "numeri di telefono restano testo, la riga d'intestazione è in grassetto, bloccata e con i filtri. Per "
            "un'operazione pianificata: vestrano --data-dir CARTELLA --export-xlsx ANNO FILE.",
        });
    case Topic::Backup:
        return paragraphs({
            "Vestrano 3.0 conserva da sé una copia di tutti i dati: l'archivio dei veicoli, i registri dei costi di "
            "ogni anno, la password, le foto e i documenti allegati. Dopo l'inserimento della password, se l'ultimo "
            "backup ha più di 24 ore, ne viene eseguito uno nuovo mentre si continua a lavorare; l'avanzamento è "
            "indicato nella schermata principale. Ogni backup è un file Vestrano_AAAA-MM-GG_HHMMSS.zip nella "
            "cartella Backup della cartella dei dati; vengono conservati gli ultimi 30.",
            "Ogni backup viene riletto e verificato prima di prendere il suo nome definitivo. Se un backup non "
            "riesce (ad esempio perché il disco è pieno) il programma ne spiega il motivo e i backup precedenti "
            "restano intatti. Se l'ultimo backup riuscito ha più di 7 giorni, all'ingresso compare un avviso.",
            "Il pulsante Backup e ripristino della schermata principale elenca i backup con la data, la dimensione, "
            "il numero di schede dei veicoli e il numero di registrazioni dei costi di ciascun anno. Esegui backup "
            "ora salva subito una copia dei dati.",
            "Ripristina rimette i dati com'erano al momento del backup scelto nell'elenco. Prima di tutto il "
            "programma verifica l'intero backup, poi salva i dati attuali in un nuovo backup e solo allora sostituisce "
            "i file; se qualcosa non riesce, i dati attuali restano come erano. Durante il ripristino le altre copie "
            "del programma che usano la stessa cartella dei dati devono essere chiuse. I file creati dopo il backup "
            "(ad esempio il registro di un anno più recente) restano nella cartella.",
            "Per un backup pianificato, ad esempio ogni notte, si può avviare il programma con: vestrano --data-dir "
            "CARTELLA --backup. Il programma esegue un backup ed esce con il codice 0, oppure con il codice 1 e il "
            "motivo dell'errore.",
        });
    }
    return {};
}

} // namespace help
