<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni su Keyfarer</translation>
    </message>
    <message>
        <source>Keyfarer -- Learn the Keyboard</source>
        <translation>Keyfarer -- Impara la tastiera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>Percent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>PPM</translation>
    </message>
    <message>
        <source>Select Chart to View</source>
        <translation>Scegli un grafico da visualizzare</translation>
    </message>
    <message>
        <source>NO WORDS PER MINUTE CHART FOR BEGINNER&apos;S DRILLS</source>
        <translation>NESSUN GRAFICO DELLE PAROLE AL MINUTO PER GLI ESERCIZI PER PRINCIPIANTI</translation>
    </message>
    <message>
        <source>Key Speed in Seconds (today or latest) -- </source>
        <translation>Velocità per tasto in secondi (oggi o ultima volta) -- </translation>
    </message>
    <message>
        <source>Key Speed in Seconds (all days) -- </source>
        <translation>Velocità per tasto in secondi (tutti i giorni) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or latest) -- </source>
        <translation>Percentuale giusta (oggi o ultima volta) -- </translation>
    </message>
    <message>
        <source>Percent Correct (all days) -- </source>
        <translation>Percentuale giusta (tutti i giorni) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or last) -- </source>
        <translation>Percentuale giusta (oggi o ultima volta) -- </translation>
    </message>
    <message>
        <source>Percent Correct (past 8 days) -- </source>
        <translation>Percentuale giusta (ultimi 8 giorni) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (today or last) -- </source>
        <translation>PPM rettificate (oggi o ultima volta) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (past 8 days) -- </source>
        <translation>PPM rettificate (ultimi 8 giorni) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (all days) -- </source>
        <translation>PPM rettificate (tutti i giorni) -- </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danneggiato</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barra</translation>
    </message>
</context>
<context>
    <name>ClassColumns</name>
    <message>
        <source>Lessons</source>
        <translation>Lezioni</translation>
    </message>
    <message>
        <source>Intermediate Drills</source>
        <translation>Esercizi intermedi</translation>
    </message>
    <message>
        <source>Advanced Drills</source>
        <translation>Esercizi avanzati</translation>
    </message>
    <message>
        <source>Keyfarer</source>
        <translation>Keyfarer</translation>
    </message>
    <message>
        <source>10 Line Tests</source>
        <translation>Prove di dieci righe</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Prove a tempo</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alunno/a</translation>
    </message>
    <message>
        <source>Drill keys typed (all days)</source>
        <translation>Tasti battuti negli esercizi (tutti i giorni)</translation>
    </message>
    <message>
        <source>Accuracy today or last (%)</source>
        <translation>Precisione oggi o ultima volta (%)</translation>
    </message>
    <message>
        <source>Accuracy all days (%)</source>
        <translation>Precisione tutti i giorni (%)</translation>
    </message>
    <message>
        <source>Best time (seconds)</source>
        <translation>Miglior tempo (secondi)</translation>
    </message>
    <message>
        <source>Slowest letter</source>
        <translation>Lettera più lenta</translation>
    </message>
    <message>
        <source>Sessions recorded</source>
        <translation>Sessioni registrate</translation>
    </message>
    <message>
        <source>Accuracy of the last 8 sessions (%)</source>
        <translation>Precisione delle ultime 8 sessioni (%)</translation>
    </message>
    <message>
        <source>%1: adjusted WPM today or last</source>
        <translation>%1: PPM rettificate oggi o ultima volta</translation>
    </message>
    <message>
        <source>%1: adjusted WPM all days</source>
        <translation>%1: PPM rettificate tutti i giorni</translation>
    </message>
    <message>
        <source>unreadable file</source>
        <translation>file illeggibile</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Goal met</source>
        <translation>Obiettivo raggiunto</translation>
    </message>
    <message>
        <source>Trouble keys</source>
        <translation>Tasti difficili</translation>
    </message>
    <message>
        <source>name not in UTF-8: rename the file</source>
        <translation>nome non in UTF-8: rinomina il file</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>keyfarer: no folder &quot;%1&quot;.
</source>
        <translation>keyfarer: nessuna cartella «%1».
</translation>
    </message>
    <message>
        <source>keyfarer: the folder &quot;%1&quot; cannot be read. Ask whoever looks after this computer for read access to it, or name another folder.
</source>
        <translation>keyfarer: la cartella «%1» non si può leggere. Chiedi a chi si occupa di questo computer il permesso di leggerla, oppure indica un&apos;altra cartella.
</translation>
    </message>
</context>
<context>
    <name>DrillAnnouncement</name>
    <message>
        <source>Type %1.</source>
        <translation>Scrivi %1.</translation>
    </message>
    <message>
        <source>Set done. Correct this set: %1. Time this set: %2 seconds.</source>
        <translation>Serie finita. Giusti in questa serie: %1. Tempo della serie: %2 secondi.</translation>
    </message>
    <message>
        <source>Number missed: %1.</source>
        <translation>Numero di errori: %1.</translation>
    </message>
    <message>
        <source>Best time: %1 seconds.</source>
        <translation>Miglior tempo: %1 secondi.</translation>
    </message>
    <message>
        <source>Correct this session: %1.</source>
        <translation>Giusti in questa sessione: %1.</translation>
    </message>
    <message>
        <source>Slowest this set: %1.</source>
        <translation>Più lenta della serie: %1.</translation>
    </message>
    <message>
        <source>You missed: %1.</source>
        <translation>Hai sbagliato: %1.</translation>
    </message>
    <message>
        <source>By typing: %1.</source>
        <translation>Scrivendo: %1.</translation>
    </message>
    <message>
        <source>First press the acute accent key.</source>
        <translation>Premi prima il tasto dell&apos;accento acuto.</translation>
    </message>
    <message>
        <source>First press the grave accent key.</source>
        <translation>Premi prima il tasto dell&apos;accento grave.</translation>
    </message>
    <message>
        <source>Hold Alt Gr.</source>
        <translation>Tieni premuto il tasto Alt Gr.</translation>
    </message>
    <message>
        <source>Hold the left Shift.</source>
        <translation>Tieni premuto il tasto Maiusc sinistro.</translation>
    </message>
    <message>
        <source>Hold the right Shift.</source>
        <translation>Tieni premuto il tasto Maiusc destro.</translation>
    </message>
    <message>
        <source>Marked: the Enter key.</source>
        <translation>Segnato: il tasto Invio.</translation>
    </message>
    <message>
        <source>Marked: %1.</source>
        <translation>Segnato: %1.</translation>
    </message>
    <message>
        <source>Press Enter to finish the set.</source>
        <translation>Premi Invio per finire la serie.</translation>
    </message>
    <message>
        <source>You missed %1.</source>
        <translation>Hai sbagliato %1.</translation>
    </message>
    <message>
        <source>You missed %1 by typing %2.</source>
        <translation>Hai sbagliato %1 scrivendo %2.</translation>
    </message>
    <message>
        <source>Key %1 of %2.</source>
        <translation>Tasto %1 di %2.</translation>
    </message>
</context>
<context>
    <name>DrillTitle</name>
    <message>
        <source>Home Row Only</source>
        <translation>Solo fila centrale</translation>
    </message>
    <message>
        <source>Top Row Only</source>
        <translation>Solo fila superiore</translation>
    </message>
    <message>
        <source>Bottom Row Only</source>
        <translation>Solo fila inferiore</translation>
    </message>
    <message>
        <source>Home and Top Rows</source>
        <translation>Fila centrale e superiore</translation>
    </message>
    <message>
        <source>Home and Bottom Row</source>
        <translation>Fila centrale e inferiore</translation>
    </message>
    <message>
        <source>All Three Rows</source>
        <translation>Tutte e tre le file</translation>
    </message>
    <message>
        <source>All and Common Punctuation</source>
        <translation>Tutto e punteggiatura</translation>
    </message>
    <message>
        <source>Numbers Only</source>
        <translation>Solo numeri</translation>
    </message>
    <message>
        <source>Symbols Only</source>
        <translation>Solo simboli</translation>
    </message>
    <message>
        <source>All Keys</source>
        <translation>Tutti i tasti</translation>
    </message>
    <message>
        <source>Choose Your Own Keys</source>
        <translation>I tuoi tasti</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Click to see Last Correct</source>
        <translation>Fai clic per vedere l&apos;ultimo tasto giusto</translation>
    </message>
    <message>
        <source>Click to see Missed Letters</source>
        <translation>Fai clic per vedere le lettere sbagliate</translation>
    </message>
    <message>
        <source>Click to see Errors here</source>
        <translation>Fai clic per vedere qui gli errori</translation>
    </message>
    <message>
        <source>Click to see text description</source>
        <translation>Fai clic per vedere la descrizione</translation>
    </message>
    <message>
        <source>Hide this if Distracting</source>
        <translation>Nascondilo se ti distrae</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor (Beginners Drills)</source>
        <translation>Keyfarer, corso di dattilografia (Esercizi per principianti)</translation>
    </message>
    <message>
        <source>You need at least two characters to type.</source>
        <translation>Ti servono almeno due caratteri da scrivere.</translation>
    </message>
    <message>
        <source>Adjust Hand Delay</source>
        <translation>Regola il ritardo delle mani</translation>
    </message>
    <message>
        <source>Do 10 Letters at a time</source>
        <translation>Fai 10 lettere alla volta</translation>
    </message>
    <message>
        <source>Do 20 Letters at a time</source>
        <translation>Fai 20 lettere alla volta</translation>
    </message>
    <message>
        <source>Do 30 Letters at a time</source>
        <translation>Fai 30 lettere alla volta</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Audio attivo</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Grafici</translation>
    </message>
    <message>
        <source>Show All Keys</source>
        <translation>Mostra tutti i tasti</translation>
    </message>
    <message>
        <source>Hide Keys on Keyboard</source>
        <translation>Nascondi i tasti sulla tastiera</translation>
    </message>
    <message>
        <source>Include Upper Case Letters</source>
        <translation>Includi le maiuscole</translation>
    </message>
    <message>
        <source>Lower Case Only</source>
        <translation>Solo minuscole</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Open options window</source>
        <translation>Apri la finestra delle opzioni</translation>
    </message>
    <message>
        <source>Exit Lessons</source>
        <translation>Esci dagli esercizi</translation>
    </message>
    <message>
        <source>Number missed:</source>
        <translation>Errori:</translation>
    </message>
    <message>
        <source>(Total missed keys)</source>
        <translation>(Totale tasti sbagliati)</translation>
    </message>
    <message>
        <source>Time this set:</source>
        <translation>Tempo della serie:</translation>
    </message>
    <message>
        <source>(Time in seconds)</source>
        <translation>(Tempo in secondi)</translation>
    </message>
    <message>
        <source>Best Time:</source>
        <translation>Miglior tempo:</translation>
    </message>
    <message>
        <source>(Quickest time)</source>
        <translation>(Tempo più veloce)</translation>
    </message>
    <message>
        <source>Correct this set:</source>
        <translation>Giusti (serie):</translation>
    </message>
    <message>
        <source>(Correct percent)</source>
        <translation>(Percentuale giusta)</translation>
    </message>
    <message>
        <source>Correct this session:</source>
        <translation>Giusti (sessione):</translation>
    </message>
    <message>
        <source>(Correct percent of all)</source>
        <translation>(Percentuale totale)</translation>
    </message>
    <message>
        <source>Slowest this set:</source>
        <translation>Più lenta (serie):</translation>
    </message>
    <message>
        <source>(Took longest to type)</source>
        <translation>(Ci hai messo di più)</translation>
    </message>
    <message>
        <source>You Missed:</source>
        <translation>Sbagliato:</translation>
    </message>
    <message>
        <source>by typing:</source>
        <translation>Digitato:</translation>
    </message>
    <message>
        <source>Beginners Drills:</source>
        <translation>Principianti:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatti</translation>
    </message>
    <message>
        <source>Type the</source>
        <translation>Digita il</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>carattere</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Last correct:</source>
        <translation>Ultimo giusto:</translation>
    </message>
    <message>
        <source>You missed:</source>
        <translation>Sbagliato:</translation>
    </message>
    <message>
        <source>Click to Hide</source>
        <translation>Fai clic per nascondere</translation>
    </message>
    <message>
        <source>Pause!</source>
        <translation>Pausa!</translation>
    </message>
    <message>
        <source>Beginners Stats</source>
        <translation>Statistiche principianti</translation>
    </message>
    <message>
        <source>Type between 2 and 10 characters to practice, then click the &quot;Verify these Keys&quot; button. After that, click the &quot;Begin Typing&quot; button. Unallowed characters will be deleted.</source>
        <translation>Scrivi da 2 a 10 caratteri da esercitare, poi fai clic su «Verifica i tasti». Dopo, fai clic su «Inizia a scrivere». I caratteri non ammessi verranno cancellati.</translation>
    </message>
    <message>
        <source>Verify these Keys</source>
        <translation>Verifica i tasti</translation>
    </message>
    <message>
        <source>Begin Typing</source>
        <translation>Inizia a scrivere</translation>
    </message>
    <message>
        <source>Exit to Main Menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>You will be typing:</source>
        <translation>Scriverai:</translation>
    </message>
    <message>
        <source>Characters not allowed:</source>
        <translation>Caratteri non ammessi:</translation>
    </message>
    <message>
        <source>Tip: You can adjust how fast you are shown the key to type on the keyboard.</source>
        <translation>Suggerimento: puoi regolare la velocità con cui ti viene mostrato sulla tastiera il tasto da premere.</translation>
    </message>
    <message>
        <source>Tip: Point your mouse over the various Option buttons to see what they are for.</source>
        <translation>Suggerimento: passa il mouse sopra i pulsanti delle opzioni per vedere a cosa servono.</translation>
    </message>
    <message>
        <source>Tip: Use the Escape Key to quit in the middle of an exercise.</source>
        <translation>Suggerimento: usa il tasto Esc per uscire a metà di un esercizio.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Close Beginners Drills</source>
        <translation>&amp;Chiudi gli esercizi per principianti</translation>
    </message>
    <message>
        <source>Press the Spacebar to Begin.</source>
        <translation>Premi la barra spaziatrice per iniziare.</translation>
    </message>
    <message>
        <source>Press the Spacebar to continue.</source>
        <translation>Premi la barra spaziatrice per continuare.</translation>
    </message>
    <message>
        <source>You missed the &quot;%1&quot; key. Check your error to the left, locate the &quot; %1 &quot; key below, and type the correct key.</source>
        <translation>Hai sbagliato il tasto «%1». Guarda il tuo errore a sinistra, trova qui sotto il tasto « %1 » e premi il tasto giusto.</translation>
    </message>
    <message>
        <source>Press Enter!</source>
        <translation>Premi Invio!</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fatto!</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Sbagliato</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <source>Keys to practise</source>
        <translation>Tasti da esercitare</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Hide Last Correct</source>
        <translation>Nascondi l&apos;ultimo corretto</translation>
    </message>
    <message>
        <source>Hide Missed Letters</source>
        <translation>Nascondi le lettere mancate</translation>
    </message>
    <message>
        <source>Hide Errors</source>
        <translation>Nascondi gli errori</translation>
    </message>
    <message>
        <source>Hide text description</source>
        <translation>Nascondi la descrizione</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Audio disattivato</translation>
    </message>
</context>
<context>
    <name>FileNotice</name>
    <message>
        <source>The student file of %1 has gone from the working folder, or something outside Keyfarer emptied it, so this session&apos;s work could not be saved. Keyfarer still has it. Write the file of %1 anew now?</source>
        <translation>Il file dell&apos;alunno %1 è sparito dalla cartella di lavoro, oppure qualcosa fuori da Keyfarer lo ha svuotato, quindi il lavoro di questa sessione non è stato salvato. Keyfarer lo ha ancora. Scrivere di nuovo adesso il file di %1?</translation>
    </message>
    <message>
        <source>The student file of %1 has changed on disk: something outside Keyfarer replaced it (another copy of the file, perhaps an older one), so this session&apos;s work was not saved over it. Keyfarer still has it. Write the file of %1 anew now, in place of the one on disk?</source>
        <translation>Il file dell&apos;alunno %1 è cambiato sul disco: qualcosa fuori da Keyfarer lo ha sostituito (con un&apos;altra copia del file, forse più vecchia), quindi il lavoro di questa sessione non è stato salvato sopra. Keyfarer lo ha ancora. Scrivere di nuovo adesso il file di %1, al posto di quello sul disco?</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; has gone, or something outside Keyfarer emptied it: the keyboard pictures and student files are no longer there. Keyfarer still has this session&apos;s work and goes on with it. Put the folder back, or ask whoever looks after this computer; the next save offers to write the student file anew.</source>
        <translation>La cartella di lavoro «%1» è sparita, oppure qualcosa fuori da Keyfarer l&apos;ha svuotata: le immagini della tastiera e i file degli alunni non ci sono più. Keyfarer conserva il lavoro di questa sessione e va avanti. Rimetti a posto la cartella o chiedi a chi si occupa di questo computer; al prossimo salvataggio Keyfarer proporrà di scrivere di nuovo il file dell&apos;alunno.</translation>
    </message>
    <message>
        <source>

If you answer No, the student changes all the same and this session&apos;s work of %1 is not saved.</source>
        <translation>

Se rispondi No, si cambia alunno lo stesso e il lavoro di questa sessione di %1 non viene salvato.</translation>
    </message>
</context>
<context>
    <name>FingerGuidance</name>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;a&quot; key.</source>
        <translation>Resta nella posizione base e usa il mignolo sinistro per il tasto &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;a&quot; key.</source>
        <translation>Usa il mignolo sinistro e sali di un tasto per il tasto &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Press the &quot;s&quot; key with your left hand ring finger.</source>
        <translation>Premi il tasto &quot;s&quot; con l&apos;anulare sinistro.</translation>
    </message>
    <message>
        <source>Press the &quot;d&quot; key with your left hand middle finger.</source>
        <translation>Premi il tasto &quot;d&quot; con il medio sinistro.</translation>
    </message>
    <message>
        <source>The &quot;f&quot; key is directly under your left hand index finger.</source>
        <translation>Il tasto &quot;f&quot; è proprio sotto l&apos;indice sinistro.</translation>
    </message>
    <message>
        <source>To reach the &quot;g&quot; key, you will have to move your left hand index finger one key to the right.</source>
        <translation>Per raggiungere il tasto &quot;g&quot;, devi spostare l&apos;indice sinistro di un tasto verso destra.</translation>
    </message>
    <message>
        <source>Move your right hand index finger one key to the left and press the &quot;h&quot; key.</source>
        <translation>Sposta l&apos;indice destro di un tasto verso sinistra e premi il tasto &quot;h&quot;.</translation>
    </message>
    <message>
        <source>The &quot;j&quot; key is under your right hand index finger.</source>
        <translation>Il tasto &quot;j&quot; è sotto l&apos;indice destro.</translation>
    </message>
    <message>
        <source>Press the &quot;k&quot; key using your right hand middle finger.</source>
        <translation>Premi il tasto &quot;k&quot; con il medio destro.</translation>
    </message>
    <message>
        <source>Remain at the home row position, %1, and press the &quot;l&quot; key with your right hand ring finger.</source>
        <translation>Resta nella posizione della fila centrale, %1, e premi il tasto &quot;l&quot; con l&apos;anulare destro.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is under your right hand little finger.</source>
        <translation>Il punto e virgola, %1, è sotto il mignolo destro.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is down one key then under your right middle finger.</source>
        <translation>Il punto e virgola, %1, è una fila più in basso, sotto il medio destro.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;q&quot; key.</source>
        <translation>Sposta il mignolo sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;q&quot;.</translation>
    </message>
    <message>
        <source>The &quot;q&quot; is under your left hand little finger.</source>
        <translation>La &quot;q&quot; è sotto il mignolo sinistro.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;w&quot; key.</source>
        <translation>Sposta l&apos;anulare sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;w&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;w&quot; key</source>
        <translation>Sposta il mignolo sinistro di una fila verso il basso per premere il tasto &quot;w&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up one key and slightly to the left to reach the &quot;e&quot; key.</source>
        <translation>Sposta il medio sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;e&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up one key and slightly to the left to reach the &quot;r&quot; key.</source>
        <translation>Sposta l&apos;indice sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;r&quot;.</translation>
    </message>
    <message>
        <source>To reach the &quot;t&quot; key, move your left hand index finger up one key and to the right.</source>
        <translation>Per raggiungere il tasto &quot;t&quot;, sposta l&apos;indice sinistro di un tasto verso l&apos;alto e a destra.</translation>
    </message>
    <message>
        <source>This key is a little tricky for beginners. Move your right hand index finger up and to the left.</source>
        <translation>Questo tasto è un po&apos; difficile per i principianti. Sposta l&apos;indice destro verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;y&quot; key.</source>
        <translation>Sposta il mignolo sinistro di una fila verso il basso per premere il tasto &quot;y&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up one key and slightly to the left to reach the &quot;u&quot; key.</source>
        <translation>Sposta l&apos;indice destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;u&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up one key and slightly to the left to reach the &quot;i&quot; key.</source>
        <translation>Sposta il medio destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;i&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up one key and slightly to the left to reach the &quot;o&quot; key.</source>
        <translation>Sposta l&apos;anulare destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;o&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one key and slightly to the left to reach the &quot;p&quot; key.</source>
        <translation>Sposta il mignolo destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;p&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;z&quot; key.</source>
        <translation>Sposta il mignolo sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;z&quot; key.</source>
        <translation>Sposta la mano destra di una fila verso l&apos;alto e di un tasto a sinistra per premere il tasto &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;z&quot; key.</source>
        <translation>Sposta l&apos;anulare sinistro di una fila verso l&apos;alto per premere il tasto &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger down one key and slightly to the right to reach the &quot;x&quot; key.</source>
        <translation>Sposta l&apos;anulare sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;x&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger down one key and slightly to the right to reach the &quot;c&quot; key.</source>
        <translation>Sposta il medio sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;c&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger down one key and slightly to the right to reach the &quot;v&quot; key.</source>
        <translation>Sposta l&apos;indice sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;v&quot;.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;b&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Questo è difficile per i principianti. La &quot;b&quot; si raggiunge bene con tutte e due le mani, ma di solito si insegna a usare la mano sinistra.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the left.</source>
        <translation>Sposta l&apos;indice destro verso il basso e leggermente a sinistra.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;m&quot; key.</source>
        <translation>Sposta l&apos;indice destro verso il basso e leggermente a destra per raggiungere il tasto &quot;m&quot;.</translation>
    </message>
    <message>
        <source>The &quot;m&quot; key is on the home row under your right hand little finger.</source>
        <translation>Il tasto &quot;m&quot; è nella fila centrale, sotto il mignolo destro.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger down and slightly to the right to reach the &quot;,&quot; key.</source>
        <translation>Sposta il medio destro verso il basso e leggermente a destra per raggiungere il tasto &quot;,&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;,&quot; key.</source>
        <translation>Sposta l&apos;indice destro di una fila verso il basso per premere il tasto &quot;,&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down and slightly to the right to reach the &quot;.&quot; key.</source>
        <translation>Sposta l&apos;anulare destro verso il basso e leggermente a destra per raggiungere il tasto &quot;.&quot;.</translation>
    </message>
    <message>
        <source>Move the right hand middle finger down one row to type the period.</source>
        <translation>Sposta il medio destro di una fila verso il basso per scrivere il punto.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;1&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto del &quot;1&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move the right hand little finger down one row to type the &quot;!&quot; key.</source>
        <translation>Sposta il mignolo destro di una fila verso il basso per premere il tasto &quot;!&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;9&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto del &quot;9&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move your right middle finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Sposta il medio destro di due file verso l&apos;alto per premere il tasto &quot;(&quot;.</translation>
    </message>
    <message>
        <source>Move your left index finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Sposta l&apos;indice sinistro di due file verso l&apos;alto per premere il tasto &quot;(&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;0&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto dello &quot;0&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move the right ring finger up two rows to type the &quot;)&quot; key.</source>
        <translation>Sposta l&apos;anulare destro di due file verso l&apos;alto per premere il tasto &quot;)&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows, and one key to the right to type &quot;)&quot;</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto e di un tasto a destra per scrivere &quot;)&quot;.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;-&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Con il mignolo destro raggiungi il tasto &quot;-&quot;. Non è proprio dritto sopra: devi spostarti un po&apos; in diagonale verso destra.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;-&quot; key.</source>
        <translation>Sposta il mignolo destro di una fila verso il basso per premere il tasto &quot;-&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and one key to the right to type &quot;-&quot;</source>
        <translation>Sposta l&apos;indice sinistro di due file verso l&apos;alto e di un tasto a destra per scrivere &quot;-&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then press the &quot;:&quot; key with your right hand little finger.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi premi il tasto &quot;:&quot; con il mignolo destro.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;:&quot; key.</source>
        <translation>Sposta l&apos;anulare destro di una fila verso il basso per premere il tasto &quot;:&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key.</source>
        <translation>Sposta il mignolo destro di un tasto verso destra.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &apos;&apos; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto per premere il tasto &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Mover your right hand little finger two keys to the right to type the &apos;&apos; key.</source>
        <translation>Sposta il mignolo destro di due tasti verso destra per premere il tasto &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger two rows up to type the &apos;&apos; key.</source>
        <translation>Sposta l&apos;indice sinistro di due file verso l&apos;alto per premere il tasto &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>To reach the question mark, move your right hand little finger down and to the right. Don&apos;t forget the shift key.</source>
        <translation>Per raggiungere il punto interrogativo, sposta il mignolo destro verso il basso e a destra. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;?&quot; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto per premere il tasto &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;?&quot; key.</source>
        <translation>Sposta l&apos;indice destro di una fila verso il basso per premere il tasto &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key. Don&apos;t forget the left shift.</source>
        <translation>Sposta il mignolo destro di un tasto verso destra. Non dimenticare il tasto Maiusc sinistro.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up two rows.</source>
        <translation>Sposta l&apos;anulare sinistro di due file verso l&apos;alto.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up two rows.</source>
        <translation>Sposta il medio sinistro di due file verso l&apos;alto.</translation>
    </message>
    <message>
        <source>To reach the &quot;1&quot; key, move your left hand little finger two rows up and to the left.</source>
        <translation>Per raggiungere il tasto &quot;1&quot;, sposta il mignolo sinistro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>To reach the &quot;2&quot; key, move your left hand ring finger two rows up and to the left.</source>
        <translation>Per raggiungere il tasto &quot;2&quot;, sposta l&apos;anulare sinistro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>To reach the &quot;3&quot; key, move your left hand middle finger two rows up and to the left.</source>
        <translation>Per raggiungere il tasto &quot;3&quot;, sposta il medio sinistro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>To reach the &quot;4&quot; key, move your left hand index finger two rows up and to the left.</source>
        <translation>Per raggiungere il tasto &quot;4&quot;, sposta l&apos;indice sinistro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>To reach the &quot;5&quot; key, move your right hand index finger straight up two rows and very slightly to the right.</source>
        <translation>Per raggiungere il tasto &quot;5&quot;, sposta l&apos;indice sinistro di due file dritto verso l&apos;alto e appena un po&apos; a destra.</translation>
    </message>
    <message>
        <source>To reach the &quot;6&quot; key, move your left hand index finger up two rows while moving to the right.</source>
        <translation>Per raggiungere il tasto &quot;6&quot;, sposta l&apos;indice sinistro di due file verso l&apos;alto spostandoti a destra.</translation>
    </message>
    <message>
        <source>To reach the &quot;7&quot; key, move your right hand index finger up two rows and to the left.</source>
        <translation>Per raggiungere il tasto &quot;7&quot;, sposta l&apos;indice destro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>To reach the &quot;8&quot; key, move your right hand middle finger up two rows and to the left.</source>
        <translation>Per raggiungere il tasto &quot;8&quot;, sposta il medio destro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>To reach the &quot;9&quot; key, move your right hand ring finger up two rows and to the left.</source>
        <translation>Per raggiungere il tasto &quot;9&quot;, sposta l&apos;anulare destro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>To reach the &quot;0&quot; key, move your right hand little finger up two rows and to the left.</source>
        <translation>Per raggiungere il tasto &quot;0&quot;, sposta il mignolo destro di due file verso l&apos;alto e a sinistra.</translation>
    </message>
    <message>
        <source>The &quot;`&quot; key is at the top left of the keyboard.</source>
        <translation>Il tasto &quot;`&quot; è in alto a sinistra sulla tastiera.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand little finger to reach this key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi usa il mignolo sinistro per raggiungere questo tasto.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right.</source>
        <translation>Sposta il mignolo destro di due tasti verso destra.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right.</source>
        <translation>Sposta il mignolo destro di una fila verso l&apos;alto e di due tasti a destra.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;2&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto del &quot;2&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to to the right.</source>
        <translation>Sposta il mignolo destro di un tasto verso destra.</translation>
    </message>
    <message>
        <source>Move your ring finger up two rows to reach the  &quot;@&quot; key.</source>
        <translation>Sposta l&apos;anulare sinistro di due file verso l&apos;alto per raggiungere il tasto &quot;@&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one row to reach the &quot;@&quot; key.</source>
        <translation>Sposta il mignolo sinistro di una fila verso l&apos;alto per raggiungere il tasto &quot;@&quot;.</translation>
    </message>
    <message>
        <source>The &quot;@&quot; key is under your right hand little finger.</source>
        <translation>Il tasto &quot;@&quot; è sotto il mignolo destro.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to reach the &quot;@&quot; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto per raggiungere il tasto &quot;@&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand ring finger to type this key.</source>
        <translation>Usa l&apos;anulare sinistro per premere questo tasto.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;#&quot; key.</source>
        <translation>Sposta il mignolo destro di due tasti verso destra per premere il tasto &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand middle finger to type this key.</source>
        <translation>Usa il medio sinistro per premere questo tasto.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;#&quot; key.</source>
        <translation>Sposta il mignolo destro di un tasto verso destra per premere il tasto &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;$&quot; key.</source>
        <translation>Sposta l&apos;indice sinistro di due file verso l&apos;alto per premere il tasto &quot;$&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows and two keys to the right.</source>
        <translation>Sposta il mignolo sinistro di due file verso l&apos;alto e di due tasti a destra.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;5&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto del &quot;5&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right.</source>
        <translation>Sposta il mignolo destro di un tasto verso destra.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;6&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto del &quot;6&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and and two keys to the right.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto e di due tasti a destra.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;^&quot; key.</source>
        <translation>Sposta l&apos;anulare destro di due file verso l&apos;alto per premere il tasto &quot;^&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;7&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto del &quot;7&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and two keys to the right.</source>
        <translation>Sposta l&apos;indice sinistro di due file verso l&apos;alto e di due tasti a destra.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows to type the &quot;&amp;&amp;&quot; key.</source>
        <translation>Sposta il mignolo sinistro di due file verso l&apos;alto per premere il tasto &quot;&amp;&amp;&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;8&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Questo carattere è sullo stesso tasto dell&apos;&quot;8&quot;. Non dimenticare il tasto Maiusc.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type &quot;*&quot;.</source>
        <translation>Sposta il mignolo destro di una fila verso l&apos;alto e di due tasti a destra per scrivere &quot;*&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type &quot;*&quot;.</source>
        <translation>Sposta il mignolo destro di due tasti verso destra per scrivere &quot;*&quot;.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;_&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Con il mignolo destro raggiungi il tasto &quot;_&quot;. Non è proprio dritto sopra: devi spostarti un po&apos; in diagonale verso destra.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;_&quot; key.</source>
        <translation>Sposta il mignolo destro di una fila verso il basso per premere il tasto &quot;_&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up to rows to type the &quot;_&quot; key.</source>
        <translation>Sposta il medio sinistro di due file verso l&apos;alto per premere il tasto &quot;_&quot;.</translation>
    </message>
    <message>
        <source>This key takes a lot of practice to get right. Use your right hand little finger.</source>
        <translation>Questo tasto richiede molto esercizio. Usa il mignolo destro.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;=&quot; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto per premere il tasto &quot;=&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;+&quot; key.</source>
        <translation>Premi il tasto Maiusc sinistro, poi usa il mignolo destro per il tasto &quot;+&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;+&quot; key.</source>
        <translation>Sposta il mignolo destro di una fila verso l&apos;alto e di due tasti a destra per premere il tasto &quot;+&quot;.</translation>
    </message>
    <message>
        <source>This key is pressed with your right hand little finger.</source>
        <translation>Questo tasto si preme con il mignolo destro.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type &quot;[&quot;.</source>
        <translation>Sposta il mignolo destro di una fila verso l&apos;alto e di un tasto a destra per scrivere &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Move your middle finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Sposta il medio destro di due file verso l&apos;alto per premere il tasto &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Sposta l&apos;indice sinistro di due file verso l&apos;alto per premere il tasto &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;{&quot; key.</source>
        <translation>Premi il tasto Maiusc sinistro, poi usa il mignolo destro per il tasto &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;{&quot; key.</source>
        <translation>Sposta il mignolo destro di un tasto verso destra per premere il tasto &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Sposta l&apos;indice destro di due file verso l&apos;alto per premere il tasto &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type the &quot;{&quot; key.</source>
        <translation>Sposta il mignolo destro di una fila verso l&apos;alto e di un tasto a destra per premere il tasto &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Sposta l&apos;indice sinistro di due file verso l&apos;alto per premere il tasto &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;]&quot; key.</source>
        <translation>Sposta l&apos;anulare destro di due file verso l&apos;alto per premere il tasto &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;]&quot; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto e di un tasto a destra per premere il tasto &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;}&quot; key.</source>
        <translation>Premi il tasto Maiusc sinistro, poi usa il mignolo destro per il tasto &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Sposta il mignolo destro di due tasti verso destra per premere il tasto &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;}&quot; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto per premere il tasto &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Sposta il mignolo destro di una fila verso l&apos;alto e di due tasti a destra per premere il tasto &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto e di due tasti a destra per premere il tasto &quot;}&quot;.</translation>
    </message>
    <message>
        <source>This character is in the same place as the comma. Don&apos;t forget the left shift.</source>
        <translation>Questo carattere è sullo stesso tasto della virgola. Non dimenticare il tasto Maiusc sinistro.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down on row and slightly to the left to type the &quot;&lt;&quot; key.</source>
        <translation>Sposta il mignolo sinistro di una fila verso il basso e leggermente a sinistra per premere il tasto &quot;&lt;&quot;.</translation>
    </message>
    <message>
        <source>This character is in the same place as the period. Don&apos;t forget the left shift.</source>
        <translation>Questo carattere è sullo stesso tasto del punto. Non dimenticare il tasto Maiusc sinistro.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down and to the right to reach the slash.</source>
        <translation>Sposta il mignolo destro verso il basso e a destra per raggiungere la barra.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;/&quot; key.</source>
        <translation>Sposta l&apos;indice destro di due file verso l&apos;alto per premere il tasto &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;/&quot; key.</source>
        <translation>Sposta l&apos;anulare destro di una fila verso il basso per premere il tasto &quot;/&quot;.</translation>
    </message>
    <message>
        <source>The key can be in different places on different keyboards. Check your keyboard.</source>
        <translation>Questo tasto può stare in posti diversi su tastiere diverse. Controlla la tua tastiera.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type this key.</source>
        <translation>Sposta il mignolo sinistro di una fila verso il basso per premere questo tasto.</translation>
    </message>
    <message>
        <source>This key is all the way to the top left on your keyboard.</source>
        <translation>Questo tasto è all&apos;estremo in alto a sinistra della tua tastiera.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;\&quot; key.</source>
        <translation>Sposta il mignolo destro di due file verso l&apos;alto e di un tasto a destra per premere il tasto &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up two rows to type the &quot;\&quot; key.</source>
        <translation>Sposta il medio destro di due file verso l&apos;alto per premere il tasto &quot;\&quot;.</translation>
    </message>
    <message>
        <source>This key is usually under the backspace.</source>
        <translation>Di solito questo tasto è sotto il tasto Backspace.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row.</source>
        <translation>Sposta il mignolo sinistro di una fila verso il basso.</translation>
    </message>
    <message>
        <source>This key is located with the number 1 key.</source>
        <translation>Questo carattere è sul tasto del numero 1.</translation>
    </message>
    <message>
        <source>This key is at the top left part of your keyboard.</source>
        <translation>Questo tasto è nella parte in alto a sinistra della tua tastiera.</translation>
    </message>
    <message>
        <source>This is located with the number 6 key. Use your left hand index finger.</source>
        <translation>Questo carattere è sul tasto del numero 6. Usa l&apos;indice sinistro.</translation>
    </message>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;A&quot; key. Don&apos;t forget the right Shift.</source>
        <translation>Resta nella posizione base e usa il mignolo sinistro per il tasto &quot;A&quot;. Non dimenticare il tasto Maiusc destro.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;A&quot; key.</source>
        <translation>Usa il mignolo sinistro e sali di un tasto per il tasto &quot;A&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand ring finger for the &quot;S&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi usa l&apos;anulare sinistro per il tasto &quot;S&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand middle finger for the &quot;D&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi usa il medio sinistro per il tasto &quot;D&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand index finger for the &quot;F&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi usa l&apos;indice sinistro per il tasto &quot;F&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger one key to the right for the &quot;G&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta l&apos;indice sinistro di un tasto verso destra per il tasto &quot;G&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger one key to the left for the &quot;H&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi sposta l&apos;indice destro di un tasto verso sinistra per il tasto &quot;H&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand index finger for the &quot;J&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi usa l&apos;indice destro per il tasto &quot;J&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand middle finger for the &quot;K&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi usa il medio destro per il tasto &quot;K&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand ring finger for the &quot;L&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi usa l&apos;anulare destro per il tasto &quot;L&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;Q&quot; key.</source>
        <translation>Sposta il mignolo sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;Q&quot;.</translation>
    </message>
    <message>
        <source>The &quot;Q&quot; is under your left hand little finger.</source>
        <translation>La &quot;Q&quot; è sotto il mignolo sinistro.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;W&quot; key.</source>
        <translation>Sposta l&apos;anulare sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;W&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;W&quot; key</source>
        <translation>Sposta il mignolo sinistro di una fila verso il basso per premere il tasto &quot;W&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger up one key and slightly to the left to reach the &quot;E&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta il medio sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;E&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and slightly to the left to reach the &quot;R&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta l&apos;indice sinistro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;R&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and to the right.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta l&apos;indice sinistro di un tasto verso l&apos;alto e a destra.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your left hand little finger down one row to type the &quot;Y&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta il mignolo sinistro di una fila verso il basso per premere il tasto &quot;Y&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger up one key and slightly to the left to reach the &quot;U&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi sposta l&apos;indice destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;U&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand middle finger up one key and slightly to the left to reach the &quot;I&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi sposta il medio destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;I&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand ring finger up one key and slightly to the left to reach the &quot;O&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi sposta l&apos;anulare destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;O&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand little finger up one key and slightly to the left to reach the &quot;P&quot; key.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi sposta il mignolo destro di un tasto verso l&apos;alto e leggermente a sinistra per raggiungere il tasto &quot;P&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;Z&quot; key.</source>
        <translation>Sposta il mignolo sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;Z&quot; key.</source>
        <translation>Sposta la mano destra di una fila verso l&apos;alto e di un tasto a sinistra per premere il tasto &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;Z&quot; key.</source>
        <translation>Sposta l&apos;anulare sinistro di una fila verso l&apos;alto per premere il tasto &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand ring finger down one key and slightly to the right to reach the &quot;X&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta l&apos;anulare sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;X&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger down one key and slightly to the right to reach the &quot;C&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta il medio sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;C&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger down one key and slightly to the right to reach the &quot;V&quot; key.</source>
        <translation>Premi prima il tasto Maiusc destro, poi sposta l&apos;indice sinistro di un tasto verso il basso e leggermente a destra per raggiungere il tasto &quot;V&quot;.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;B&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Questo è difficile per i principianti. La &quot;B&quot; si raggiunge bene con tutte e due le mani, ma di solito si insegna a usare la mano sinistra.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger down and slightly to the left.</source>
        <translation>Premi prima il tasto Maiusc sinistro, poi sposta l&apos;indice destro verso il basso e leggermente a sinistra.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;M&quot; key.</source>
        <translation>Sposta l&apos;indice destro verso il basso e leggermente a destra per raggiungere il tasto &quot;M&quot;.</translation>
    </message>
    <message>
        <source>The &quot;M&quot; key is on the home row under your right hand little finger.</source>
        <translation>Il tasto &quot;M&quot; è nella fila centrale, sotto il mignolo destro.</translation>
    </message>
    <message>
        <source>Type the blue key before the green.</source>
        <translation>Premi prima il tasto blu e poi quello verde.</translation>
    </message>
</context>
<context>
    <name>FolderStudentStore</name>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a student file: %2. Keyfarer leaves it alone; ask whoever looks after this computer to remove or rename it.</source>
        <translation>«%1» non è un file dell&apos;alunno: %2. Keyfarer non lo tocca; chiedi a chi si occupa di questo computer di toglierlo o di rinominarlo.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is gone.</source>
        <translation>La cartella di lavoro «%1» non c&apos;è più.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be written to.</source>
        <translation>Non si può scrivere nella cartella di lavoro «%1».</translation>
    </message>
    <message>
        <source>There is no space left on the disk that holds &quot;%1&quot;.</source>
        <translation>Non c&apos;è più spazio sul disco che contiene «%1».</translation>
    </message>
    <message>
        <source>

Your work is still kept by Keyfarer. Free some space on the disk or check that you may write in the working folder, then try again.</source>
        <translation>

Keyfarer conserva ancora il tuo lavoro. Libera spazio sul disco o controlla di poter scrivere nella cartella di lavoro, poi riprova.</translation>
    </message>
    <message>
        <source>it is a link leading out of the working folder</source>
        <translation>è un collegamento che porta fuori dalla cartella di lavoro</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>è %1</translation>
    </message>
    <message>
        <source> (on %1)</source>
        <translation> (su %1)</translation>
    </message>
    <message>
        <source>%1 is in use elsewhere: another copy of Keyfarer%2 has this student. Close it there first, then take the name again.</source>
        <translation>%1 è in uso altrove: Keyfarer è ancora aperto con questo nome%2. Chiudilo prima lì, poi riprendi il nome.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>è un collegamento che non porta da nessuna parte</translation>
    </message>
    <message>
        <source>it is marked read-only</source>
        <translation>è protetto da scrittura</translation>
    </message>
    <message>
        <source>%1 cannot be taken: &quot;%2&quot; should be this student&apos;s lock, but %3. Ask whoever looks after this computer to remove it; until then choose or make another name.</source>
        <translation>%1 non si può prendere: «%2» dovrebbe essere il blocco di questo alunno, ma %3. Chiedi a chi si occupa di questo computer di toglierlo; nel frattempo scegli o crea un altro nome.</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any lock</source>
        <translation>contiene %1 byte, molto più di qualsiasi blocco</translation>
    </message>
</context>
<context>
    <name>KeyboardPicture</name>
    <message>
        <source>If you are using one of the International Keyboards, it was not found. From the opening screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this does not work, you may have to reinstall Keyfarer.</source>
        <translation>Se usi una delle tastiere internazionali, non è stata trovata. Nel menu della schermata iniziale scegli Altro/Layout della tastiera per ripristinarla. Se non funziona, potresti dover reinstallare Keyfarer.</translation>
    </message>
    <message>
        <source>One or more of the keyboard files are missing. You may need to reinstall Keyfarer.</source>
        <translation>Mancano uno o più file della tastiera. Potresti dover reinstallare Keyfarer.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Istruzioni</translation>
    </message>
    <message>
        <source>Lesson &amp;1 -- DFERJKUI</source>
        <translation>Lezione &amp;1 -- DFERJKUI</translation>
    </message>
    <message>
        <source>Lesson &amp;2 -- CVM</source>
        <translation>Lezione &amp;2 -- CVM</translation>
    </message>
    <message>
        <source>Lesson &amp;3 -- ASL;</source>
        <translation>Lezione &amp;3 -- ASL;</translation>
    </message>
    <message>
        <source>Lesson &amp;4 -- TYGH</source>
        <translation>Lezione &amp;4 -- TYGH</translation>
    </message>
    <message>
        <source>Lesson &amp;5 -- QWOP</source>
        <translation>Lezione &amp;5 -- QWOP</translation>
    </message>
    <message>
        <source>Lesson &amp;6 -- BN,.</source>
        <translation>Lezione &amp;6 -- BN,.</translation>
    </message>
    <message>
        <source>Lesson &amp;7 -- ZX</source>
        <translation>Lezione &amp;7 -- ZX</translation>
    </message>
    <message>
        <source>Lesson &amp;8 -- Shift Keys</source>
        <translation>Lezione &amp;8 -- Tasti Maiusc</translation>
    </message>
    <message>
        <source>Lesson &amp;9 -- Common Punctuation</source>
        <translation>Lezione &amp;9 -- Punteggiatura comune</translation>
    </message>
    <message>
        <source>Lesson 1&amp;0 -- Number Keys</source>
        <translation>Lezione 1&amp;0 -- Tasti dei numeri</translation>
    </message>
    <message>
        <source>Lesson 11 -- &amp;Symbols</source>
        <translation>Lezione 11 -- &amp;Simboli</translation>
    </message>
    <message>
        <source>&amp;Exit Keyfarer</source>
        <translation>&amp;Esci da Keyfarer</translation>
    </message>
    <message>
        <source>&amp;Home Row Only</source>
        <translation>Solo fila &amp;centrale</translation>
    </message>
    <message>
        <source>&amp;Top Row Only</source>
        <translation>Solo fila &amp;superiore</translation>
    </message>
    <message>
        <source>&amp;Bottom Row Only</source>
        <translation>Solo fila &amp;inferiore</translation>
    </message>
    <message>
        <source>H&amp;ome &amp;&amp; Top Rows</source>
        <translation>Fila centrale &amp;&amp; su&amp;periore</translation>
    </message>
    <message>
        <source>Hom&amp;e &amp;&amp; Bottom Rows</source>
        <translation>Fila centrale &amp;&amp; in&amp;feriore</translation>
    </message>
    <message>
        <source>&amp;All Three Rows</source>
        <translation>&amp;Tutte e tre le file</translation>
    </message>
    <message>
        <source>All &amp;&amp; &amp;Common Punctuation</source>
        <translation>Tutto &amp;&amp; punteggiatura c&amp;omune</translation>
    </message>
    <message>
        <source>&amp;Numbers Only</source>
        <translation>Solo &amp;numeri</translation>
    </message>
    <message>
        <source>&amp;Symbols Only</source>
        <translation>Solo si&amp;mboli</translation>
    </message>
    <message>
        <source>&amp;Do Everything</source>
        <translation>Fai t&amp;utto</translation>
    </message>
    <message>
        <source>Choose &amp;Your Own Keys</source>
        <translation>Scegli i tuoi t&amp;asti</translation>
    </message>
    <message>
        <source>&amp;Common Letter Combinations</source>
        <translation>&amp;Combinazioni di lettere comuni</translation>
    </message>
    <message>
        <source>&amp;Easy Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Espressioni &amp;&amp; frasi facili</translation>
    </message>
    <message>
        <source>&amp;Short Sentences</source>
        <translation>F&amp;rasi brevi</translation>
    </message>
    <message>
        <source>&amp;Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Espressioni &amp;&amp; frasi</translation>
    </message>
    <message>
        <source>&amp;Easy Sentences</source>
        <translation>Frasi &amp;facili</translation>
    </message>
    <message>
        <source>&amp;Normal Sentences</source>
        <translation>Frasi &amp;normali</translation>
    </message>
    <message>
        <source>&amp;Harder Sentences</source>
        <translation>Frasi &amp;difficili</translation>
    </message>
    <message>
        <source>&amp;Learn Number Keypad</source>
        <translation>&amp;Impara il tastierino numerico</translation>
    </message>
    <message>
        <source>&amp;Keyfarer</source>
        <translation>&amp;Keyfarer</translation>
    </message>
    <message>
        <source>Word Sweep</source>
        <translation>Word Sweep</translation>
    </message>
    <message>
        <source>&amp;Save Dasher</source>
        <translation>&amp;Save Dasher</translation>
    </message>
    <message>
        <source>&amp;Saucer</source>
        <translation>&amp;Saucer</translation>
    </message>
    <message>
        <source>&amp;Backup User Files</source>
        <translation>&amp;Backup dei file degli utenti</translation>
    </message>
    <message>
        <source>&amp;English (US)</source>
        <translation>&amp;Inglese (USA)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglese (Regno Unito)</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spagnolo</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tedesco</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>It&amp;aliano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francese</translation>
    </message>
    <message>
        <source>&amp;Ten Line Tests</source>
        <translation>Prove di &amp;dieci righe</translation>
    </message>
    <message>
        <source>Ti&amp;medTests</source>
        <translation>Prove a &amp;tempo</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Visit My Web Site</source>
        <translation>&amp;Visita il mio sito web</translation>
    </message>
    <message>
        <source>&amp;About Keyfarer</source>
        <translation>&amp;Informazioni su Keyfarer</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lezioni</translation>
    </message>
    <message>
        <source>&amp;Beginners Drills</source>
        <translation>&amp;Principianti</translation>
    </message>
    <message>
        <source>Inter&amp;mediate Drills</source>
        <translation>&amp;Intermedi</translation>
    </message>
    <message>
        <source>&amp;Advanced Drills</source>
        <translation>&amp;Avanzati</translation>
    </message>
    <message>
        <source>A&amp;dditional</source>
        <translation>Al&amp;tro</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Giochi</translation>
    </message>
    <message>
        <source>&amp;Make Your Own Text Files</source>
        <translation>Crea i tuoi &amp;file di testo</translation>
    </message>
    <message>
        <source>&amp;Keyboard Nationality</source>
        <translation>&amp;Layout della tastiera</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Li&amp;ngua</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>P&amp;rove</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Spanish Characters</source>
        <translation>Si&amp;mboli &amp;&amp; caratteri spagnoli</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; German Characters</source>
        <translation>Si&amp;mboli &amp;&amp; caratteri tedeschi</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Italian Characters</source>
        <translation>Si&amp;mboli &amp;&amp; caratteri italiani</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; French Characters</source>
        <translation>Si&amp;mboli &amp;&amp; caratteri francesi</translation>
    </message>
    <message>
        <source>&amp;Class Overview</source>
        <translation>&amp;Panoramica della classe</translation>
    </message>
    <message>
        <source>&amp;Trouble Keys</source>
        <translation>&amp;Tasti difficili</translation>
    </message>
    <message>
        <source>Teacher&apos;s and Admin&apos;s &amp;Guide</source>
        <translation>&amp;Guida per insegnanti e amministratori</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>User = </source>
        <translation>Utente = </translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nuovo utente</translation>
    </message>
    <message>
        <source>Select User</source>
        <translation>Scegli utente</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Prossima lezione</translation>
    </message>
    <message>
        <source>Your Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>One or more of the sound files cannot be found. You may need to reinstall Keyfarer to restore the wave files.</source>
        <translation>Non si trovano uno o più file audio. Potresti dover reinstallare Keyfarer per ripristinare i file WAV.</translation>
    </message>
    <message>
        <source>Welcome To Keyfarer!. If you are a new user, close this box and click the &quot;New User&quot; link above to create a user file.</source>
        <translation>Ti diamo il benvenuto in Keyfarer! Se sei un nuovo utente, chiudi questa finestra e fai clic sul link «Nuovo utente» qui sopra per creare il tuo file utente.</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor -- Learn the Keyboard</source>
        <translation>Keyfarer, corso di dattilografia -- Impara la tastiera</translation>
    </message>
    <message>
        <source>

Try again to save the work of %1, or quit without saving it?</source>
        <translation>

Riprovare a salvare il lavoro di %1, o uscire senza salvarlo?</translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Esci senza salvare</translation>
    </message>
</context>
<context>
    <name>PictureBuilder</name>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be drawn.</source>
        <translation>Impossibile disegnare l&apos;immagine della tastiera «%1».</translation>
    </message>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be written: %2</source>
        <translation>Impossibile salvare l&apos;immagine della tastiera «%1»: %2</translation>
    </message>
    <message>
        <source>There are no keyboard pictures for nationality code %1.</source>
        <translation>Non ci sono immagini della tastiera per il codice paese %1.</translation>
    </message>
    <message>
        <source>The blank keyboard picture &quot;%1&quot; could not be read.</source>
        <translation>Impossibile leggere l&apos;immagine vuota della tastiera «%1».</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>No Delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>1 second delay</source>
        <translation>1 secondo di ritardo</translation>
    </message>
    <message>
        <source>2 seconds delay</source>
        <translation>2 secondi di ritardo</translation>
    </message>
    <message>
        <source>3 seconds delay</source>
        <translation>3 secondi di ritardo</translation>
    </message>
    <message>
        <source>4 seconds delay</source>
        <translation>4 secondi di ritardo</translation>
    </message>
    <message>
        <source>5 seconds delay</source>
        <translation>5 secondi di ritardo</translation>
    </message>
    <message>
        <source>6 seconds delay</source>
        <translation>6 secondi di ritardo</translation>
    </message>
    <message>
        <source>7 seconds delay</source>
        <translation>7 secondi di ritardo</translation>
    </message>
    <message>
        <source>8 seconds delay</source>
        <translation>8 secondi di ritardo</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Colore del bordo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Audio attivo</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Audio disattivato</translation>
    </message>
    <message>
        <source>Key Tap Sound</source>
        <translation>Suono dei tasti</translation>
    </message>
    <message>
        <source>Key Tap On</source>
        <translation>Clic attivo</translation>
    </message>
    <message>
        <source>Key Tap Off</source>
        <translation>Clic disattivato</translation>
    </message>
    <message>
        <source>Beep On Error</source>
        <translation>Bip in caso di errore</translation>
    </message>
    <message>
        <source>Beep On</source>
        <translation>Bip attivo</translation>
    </message>
    <message>
        <source>Beep Off</source>
        <translation>Bip disattivato</translation>
    </message>
    <message>
        <source>Characters On Keyboard</source>
        <translation>Caratteri sulla tastiera</translation>
    </message>
    <message>
        <source>See all Keys</source>
        <translation>Vedi tutti i tasti</translation>
    </message>
    <message>
        <source>Hide all Keys</source>
        <translation>Nascondi tutti i tasti</translation>
    </message>
    <message>
        <source>Hand Thickness</source>
        <translation>Spessore delle mani</translation>
    </message>
    <message>
        <source>One Line</source>
        <translation>Una linea</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Due linee</translation>
    </message>
    <message>
        <source>Add Enter Key (Beginners)</source>
        <translation>Aggiungi tasto Invio (principianti)</translation>
    </message>
    <message>
        <source>Add Enter Key</source>
        <translation>Aggiungi tasto Invio</translation>
    </message>
    <message>
        <source>No Enter Key</source>
        <translation>Senza tasto Invio</translation>
    </message>
    <message>
        <source>Add Enter Key (Intermediate)</source>
        <translation>Aggiungi tasto Invio (intermedi)</translation>
    </message>
    <message>
        <source>Line Font Style</source>
        <translation>Stile del carattere delle righe</translation>
    </message>
    <message>
        <source>Bold Font</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Regular Font</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Add Enter Key (Advanced)</source>
        <translation>Aggiungi tasto Invio (avanzati)</translation>
    </message>
    <message>
        <source>Font Style (Advanced)</source>
        <translation>Stile del carattere (avanzati)</translation>
    </message>
    <message>
        <source>Bold Fonts</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Regular Fonts</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Lines (Keyfarer) </source>
        <translation>Righe (Keyfarer) </translation>
    </message>
    <message>
        <source>See lines ahead</source>
        <translation>Vedi le righe successive</translation>
    </message>
    <message>
        <source>Hide lines ahead</source>
        <translation>Nascondi le righe successive</translation>
    </message>
    <message>
        <source>Pointer (Keyfarer)</source>
        <translation>Puntatore (Keyfarer)</translation>
    </message>
    <message>
        <source>See pointer above lines</source>
        <translation>Vedi il puntatore sopra le righe</translation>
    </message>
    <message>
        <source>Hide pointer above lines</source>
        <translation>Nascondi il puntatore sopra le righe</translation>
    </message>
    <message>
        <source>Font Style (Keyfarer)</source>
        <translation>Stile del carattere (Keyfarer)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>Opzioni generali</translation>
    </message>
    <message>
        <source>Beginners &amp;&amp; Intermediate</source>
        <translation>Principianti &amp;&amp; intermedi</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lezioni</translation>
    </message>
    <message>
        <source>Advanced &amp;&amp; Keyfarer</source>
        <translation>Avanzati &amp;&amp; Keyfarer</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Prove a tempo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hand Color</source>
        <translation>Colore delle mani</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambia colore</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Colore predefinito</translation>
    </message>
    <message>
        <source>Beginners Hand Delay</source>
        <translation>Ritardo delle mani (principianti)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear in the Beginners Section.</source>
        <translation>Qui sopra puoi scegliere dopo quanti secondi compaiono le mani nella sezione per principianti.</translation>
    </message>
    <message>
        <source>Intermediate Hand Delay</source>
        <translation>Ritardo delle mani (intermedi)</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>Turns: how many times each pair of lines is typed.</source>
        <translation>Ripetizioni: quante volte si scrive ogni coppia di righe.</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>PPM</translation>
    </message>
    <message>
        <source>WPM: the words per minute to aim for.</source>
        <translation>PPM: le parole al minuto da raggiungere.</translation>
    </message>
    <message>
        <source>Lessons Hand Delay</source>
        <translation>Ritardo delle mani (lezioni)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear.</source>
        <translation>Qui sopra puoi scegliere dopo quanti secondi compaiono le mani.</translation>
    </message>
    <message>
        <source>Line Font Used</source>
        <translation>Carattere delle righe</translation>
    </message>
    <message>
        <source>Sans Serif</source>
        <translation>Senza grazie</translation>
    </message>
    <message>
        <source>Use the Up/Down arrow buttons below to choose how many minutes you want to type.</source>
        <translation>Usa i pulsanti freccia qui sotto per scegliere quanti minuti vuoi scrivere.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Backspace allowed</source>
        <translation>Backspace consentito</translation>
    </message>
    <message>
        <source>No Backspace</source>
        <translation>Senza Backspace</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Roman</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Font Type</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Time Used Gauge</source>
        <translation>Indicatore del tempo usato</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Nascosto</translation>
    </message>
    <message>
        <source>Completed Gauge</source>
        <translation>Indicatore di avanzamento</translation>
    </message>
    <message>
        <source>Sound can be adjusted by clicking the Global Options tab above and to the left.</source>
        <translation>L&apos;audio si regola nella scheda «Opzioni generali», in alto a sinistra.</translation>
    </message>
    <message>
        <source>Speak each key and finger</source>
        <translation>Leggere ad alta voce ogni tasto e ogni dito</translation>
    </message>
    <message>
        <source>Choose a user name first.</source>
        <translation>Scegli prima un nome utente.</translation>
    </message>
    <message>
        <source>Each new key and its finger are read aloud during a drill.</source>
        <translation>Durante un esercizio ogni nuovo tasto e il suo dito vengono letti ad alta voce.</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
</context>
<context>
    <name>PressJournal</name>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>è stato scritto da una versione più recente del programma</translation>
    </message>
    <message>
        <source>Your key presses could not be written to %1 (%2). They are kept and written at the end of the next set.</source>
        <translation>Le tue battute non sono state scritte in %1 (%2). Vengono conservate e scritte alla fine della prossima serie.</translation>
    </message>
    <message>
        <source>The record of your key presses in %1 was damaged. It was renamed to %2 and a new one was begun. Your sets and your student file are safe.</source>
        <translation>La registrazione delle tue battute in %1 era danneggiata. È stata rinominata in %2 e ne è stata iniziata una nuova. Le tue serie e il tuo file studente sono al sicuro.</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer could not be started (%1).</source>
        <translation>Impossibile avviare la stampante (%1).</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La stampante ha segnalato un errore.</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Mostra il riepilogo</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Vedi riepilogo</translation>
    </message>
    <message>
        <source>View User Name to the Left</source>
        <translation>Vedi il nome a sinistra</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Corpo</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Hide to View Charts</source>
        <translation>Nascondi per vedere i grafici</translation>
    </message>
    <message>
        <source>Click &quot;Hide&quot; to view charts:</source>
        <translation>«Nascondi» mostra i grafici:</translation>
    </message>
    <message>
        <source>Summary report</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Nomi utente</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>User name is not valid. </source>
        <translation>Il nome utente non è valido. </translation>
    </message>
    <message>
        <source>User name is not valid. Use at least 2 characters and no more than 40.</source>
        <translation>Il nome utente non è valido. Usa almeno 2 caratteri e non più di 40.</translation>
    </message>
    <message>
        <source>&quot;.&quot; and &quot;..&quot; name folders, not students. Choose a name with letters in it.</source>
        <translation>«.» e «..» sono nomi di cartelle, non di alunni. Scegli un nome che contenga lettere.</translation>
    </message>
    <message>
        <source>It holds a control character such as a tab. Use letters, digits and blanks.</source>
        <translation>Contiene un carattere di controllo, per esempio una tabulazione. Usa lettere, cifre e spazi.</translation>
    </message>
    <message>
        <source>A user name cannot hold any of the characters / \ : * ? &quot; &lt; &gt; |, and &quot;%1&quot; is one of them.</source>
        <translation>Un nome utente non può contenere nessuno dei caratteri / \ : * ? &quot; &lt; &gt; |, e «%1» è uno di questi.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be used in a user name. Use letters, digits and blanks.</source>
        <translation>Il carattere «%1» non può essere usato in un nome utente. Usa lettere, cifre e spazi.</translation>
    </message>
    <message>
        <source>You cannot delete the last username on the list.</source>
        <translation>Non puoi eliminare l&apos;ultimo nome dell&apos;elenco.</translation>
    </message>
    <message>
        <source>You cannot delete the username you are currently using. </source>
        <translation>Non puoi eliminare il nome che stai usando adesso. </translation>
    </message>
    <message>
        <source>Invalid User Name</source>
        <translation>Nome utente non valido</translation>
    </message>
    <message>
        <source>Some systems keep this name for a device. Choose another name.</source>
        <translation>Alcuni sistemi riservano questo nome a un dispositivo. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be deleted: %2</source>
        <translation>Impossibile cancellare il file dell&apos;alunno «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SaveStudent</name>
    <message>
        <source>You are viewing the figures of %1, so nothing is saved now. To go on typing as %2, view or take the name %2 again.</source>
        <translation>Stai guardando i risultati di %1, quindi ora non si salva niente. Per continuare a scrivere come %2, guarda o riprendi di nuovo il nome %2.</translation>
    </message>
</context>
<context>
    <name>SpeechOutput</name>
    <message>
        <source>The speech module could not be loaded: %1</source>
        <translation>Impossibile caricare il modulo vocale: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Non è installato nessun motore vocale.</translation>
    </message>
    <message>
        <source>The speech engine failed: %1</source>
        <translation>Il motore vocale non ha funzionato: %1</translation>
    </message>
</context>
<context>
    <name>SpokenKey</name>
    <message>
        <source>capital %1</source>
        <translation>%1 maiuscola</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>space</source>
        <translation>spazio</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>punto esclamativo</translation>
    </message>
    <message>
        <source>double quote</source>
        <translation>virgolette</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>cancelletto</translation>
    </message>
    <message>
        <source>dollar sign</source>
        <translation>simbolo del dollaro</translation>
    </message>
    <message>
        <source>percent sign</source>
        <translation>simbolo di percentuale</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>e commerciale</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrofo</translation>
    </message>
    <message>
        <source>left parenthesis</source>
        <translation>parentesi aperta</translation>
    </message>
    <message>
        <source>right parenthesis</source>
        <translation>parentesi chiusa</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <source>plus sign</source>
        <translation>segno più</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgola</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>trattino</translation>
    </message>
    <message>
        <source>period</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>due punti</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>punto e virgola</translation>
    </message>
    <message>
        <source>less-than sign</source>
        <translation>segno di minore</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>segno uguale</translation>
    </message>
    <message>
        <source>greater-than sign</source>
        <translation>segno di maggiore</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>punto interrogativo</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>chiocciola</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>parentesi quadra aperta</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>barra rovesciata</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>parentesi quadra chiusa</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>accento circonflesso</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>trattino basso</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>accento grave</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>parentesi graffa aperta</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barra verticale</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>parentesi graffa chiusa</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <source>euro sign</source>
        <translation>simbolo dell&apos;euro</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>spazio unificatore</translation>
    </message>
    <message>
        <source>inverted exclamation mark</source>
        <translation>punto esclamativo capovolto</translation>
    </message>
    <message>
        <source>cent sign</source>
        <translation>simbolo del centesimo</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>simbolo della sterlina</translation>
    </message>
    <message>
        <source>currency sign</source>
        <translation>simbolo di valuta</translation>
    </message>
    <message>
        <source>yen sign</source>
        <translation>simbolo dello yen</translation>
    </message>
    <message>
        <source>broken bar</source>
        <translation>barra verticale spezzata</translation>
    </message>
    <message>
        <source>section sign</source>
        <translation>simbolo di paragrafo</translation>
    </message>
    <message>
        <source>umlaut accent</source>
        <translation>dieresi</translation>
    </message>
    <message>
        <source>copyright sign</source>
        <translation>simbolo di copyright</translation>
    </message>
    <message>
        <source>feminine ordinal indicator</source>
        <translation>indicatore ordinale femminile</translation>
    </message>
    <message>
        <source>left angle quotes</source>
        <translation>virgolette basse aperte</translation>
    </message>
    <message>
        <source>not sign</source>
        <translation>segno di negazione</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>trattino facoltativo</translation>
    </message>
    <message>
        <source>registered sign</source>
        <translation>simbolo di marchio registrato</translation>
    </message>
    <message>
        <source>macron</source>
        <translation>macron</translation>
    </message>
    <message>
        <source>degree sign</source>
        <translation>simbolo di grado</translation>
    </message>
    <message>
        <source>plus-minus sign</source>
        <translation>segno più o meno</translation>
    </message>
    <message>
        <source>superscript two</source>
        <translation>due in apice</translation>
    </message>
    <message>
        <source>superscript three</source>
        <translation>tre in apice</translation>
    </message>
    <message>
        <source>acute accent</source>
        <translation>accento acuto</translation>
    </message>
    <message>
        <source>micro sign</source>
        <translation>simbolo micro</translation>
    </message>
    <message>
        <source>pilcrow sign</source>
        <translation>simbolo di capoverso</translation>
    </message>
    <message>
        <source>middle dot</source>
        <translation>punto mediano</translation>
    </message>
    <message>
        <source>cedilla</source>
        <translation>cediglia</translation>
    </message>
    <message>
        <source>superscript one</source>
        <translation>uno in apice</translation>
    </message>
    <message>
        <source>masculine ordinal indicator</source>
        <translation>indicatore ordinale maschile</translation>
    </message>
    <message>
        <source>right angle quotes</source>
        <translation>virgolette basse chiuse</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un quarto</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un mezzo</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>tre quarti</translation>
    </message>
    <message>
        <source>inverted question mark</source>
        <translation>punto interrogativo capovolto</translation>
    </message>
    <message>
        <source>capital A grave</source>
        <translation>A maiuscola con accento grave</translation>
    </message>
    <message>
        <source>capital A acute</source>
        <translation>A maiuscola con accento acuto</translation>
    </message>
    <message>
        <source>capital A circumflex</source>
        <translation>A maiuscola con accento circonflesso</translation>
    </message>
    <message>
        <source>capital A tilde</source>
        <translation>A maiuscola con tilde</translation>
    </message>
    <message>
        <source>capital A umlaut</source>
        <translation>A maiuscola con dieresi</translation>
    </message>
    <message>
        <source>capital A ring</source>
        <translation>A maiuscola con anello</translation>
    </message>
    <message>
        <source>capital A E ligature</source>
        <translation>A E legate maiuscole</translation>
    </message>
    <message>
        <source>capital C cedilla</source>
        <translation>C maiuscola con cediglia</translation>
    </message>
    <message>
        <source>capital E grave</source>
        <translation>E maiuscola con accento grave</translation>
    </message>
    <message>
        <source>capital E acute</source>
        <translation>E maiuscola con accento acuto</translation>
    </message>
    <message>
        <source>capital E circumflex</source>
        <translation>E maiuscola con accento circonflesso</translation>
    </message>
    <message>
        <source>capital E umlaut</source>
        <translation>E maiuscola con dieresi</translation>
    </message>
    <message>
        <source>capital I grave</source>
        <translation>I maiuscola con accento grave</translation>
    </message>
    <message>
        <source>capital I acute</source>
        <translation>I maiuscola con accento acuto</translation>
    </message>
    <message>
        <source>capital I circumflex</source>
        <translation>I maiuscola con accento circonflesso</translation>
    </message>
    <message>
        <source>capital I umlaut</source>
        <translation>I maiuscola con dieresi</translation>
    </message>
    <message>
        <source>capital eth</source>
        <translation>eth maiuscola</translation>
    </message>
    <message>
        <source>capital N tilde</source>
        <translation>N maiuscola con tilde</translation>
    </message>
    <message>
        <source>capital O grave</source>
        <translation>O maiuscola con accento grave</translation>
    </message>
    <message>
        <source>capital O acute</source>
        <translation>O maiuscola con accento acuto</translation>
    </message>
    <message>
        <source>capital O circumflex</source>
        <translation>O maiuscola con accento circonflesso</translation>
    </message>
    <message>
        <source>capital O tilde</source>
        <translation>O maiuscola con tilde</translation>
    </message>
    <message>
        <source>capital O umlaut</source>
        <translation>O maiuscola con dieresi</translation>
    </message>
    <message>
        <source>multiplication sign</source>
        <translation>segno di moltiplicazione</translation>
    </message>
    <message>
        <source>capital O stroke</source>
        <translation>O maiuscola barrata</translation>
    </message>
    <message>
        <source>capital U grave</source>
        <translation>U maiuscola con accento grave</translation>
    </message>
    <message>
        <source>capital U acute</source>
        <translation>U maiuscola con accento acuto</translation>
    </message>
    <message>
        <source>capital U circumflex</source>
        <translation>U maiuscola con accento circonflesso</translation>
    </message>
    <message>
        <source>capital U umlaut</source>
        <translation>U maiuscola con dieresi</translation>
    </message>
    <message>
        <source>capital Y acute</source>
        <translation>Y maiuscola con accento acuto</translation>
    </message>
    <message>
        <source>capital thorn</source>
        <translation>thorn maiuscola</translation>
    </message>
    <message>
        <source>sharp s</source>
        <translation>esse tedesca</translation>
    </message>
    <message>
        <source>a grave</source>
        <translation>a con accento grave</translation>
    </message>
    <message>
        <source>a acute</source>
        <translation>a con accento acuto</translation>
    </message>
    <message>
        <source>a circumflex</source>
        <translation>a con accento circonflesso</translation>
    </message>
    <message>
        <source>a tilde</source>
        <translation>a con tilde</translation>
    </message>
    <message>
        <source>a umlaut</source>
        <translation>a con dieresi</translation>
    </message>
    <message>
        <source>a ring</source>
        <translation>a con anello</translation>
    </message>
    <message>
        <source>a e ligature</source>
        <translation>a e legate</translation>
    </message>
    <message>
        <source>c cedilla</source>
        <translation>c con cediglia</translation>
    </message>
    <message>
        <source>e grave</source>
        <translation>e con accento grave</translation>
    </message>
    <message>
        <source>e acute</source>
        <translation>e con accento acuto</translation>
    </message>
    <message>
        <source>e circumflex</source>
        <translation>e con accento circonflesso</translation>
    </message>
    <message>
        <source>e umlaut</source>
        <translation>e con dieresi</translation>
    </message>
    <message>
        <source>i grave</source>
        <translation>i con accento grave</translation>
    </message>
    <message>
        <source>i acute</source>
        <translation>i con accento acuto</translation>
    </message>
    <message>
        <source>i circumflex</source>
        <translation>i con accento circonflesso</translation>
    </message>
    <message>
        <source>i umlaut</source>
        <translation>i con dieresi</translation>
    </message>
    <message>
        <source>eth</source>
        <translation>eth</translation>
    </message>
    <message>
        <source>n tilde</source>
        <translation>n con tilde</translation>
    </message>
    <message>
        <source>o grave</source>
        <translation>o con accento grave</translation>
    </message>
    <message>
        <source>o acute</source>
        <translation>o con accento acuto</translation>
    </message>
    <message>
        <source>o circumflex</source>
        <translation>o con accento circonflesso</translation>
    </message>
    <message>
        <source>o tilde</source>
        <translation>o con tilde</translation>
    </message>
    <message>
        <source>o umlaut</source>
        <translation>o con dieresi</translation>
    </message>
    <message>
        <source>division sign</source>
        <translation>segno di divisione</translation>
    </message>
    <message>
        <source>o stroke</source>
        <translation>o barrata</translation>
    </message>
    <message>
        <source>u grave</source>
        <translation>u con accento grave</translation>
    </message>
    <message>
        <source>u acute</source>
        <translation>u con accento acuto</translation>
    </message>
    <message>
        <source>u circumflex</source>
        <translation>u con accento circonflesso</translation>
    </message>
    <message>
        <source>u umlaut</source>
        <translation>u con dieresi</translation>
    </message>
    <message>
        <source>y acute</source>
        <translation>y con accento acuto</translation>
    </message>
    <message>
        <source>thorn</source>
        <translation>thorn</translation>
    </message>
    <message>
        <source>y umlaut</source>
        <translation>y con dieresi</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Beginner&apos;s Drills</source>
        <translation>Principianti</translation>
    </message>
    <message>
        <source>After Switching names, it is recommended that you restart the program before continuing to type. This will protect the most recent chart data from being lost. If you haven&apos;t typed since starting Keyfarer, you don&apos;t have to restart.</source>
        <translation>Dopo aver cambiato nome, è consigliabile riavviare il programma prima di continuare a scrivere. Così i dati più recenti dei grafici non vanno persi. Se non hai scritto niente da quando hai avviato Keyfarer, non serve riavviare.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Individual Key Charts</source>
        <translation>Grafici per tasto</translation>
    </message>
    <message>
        <source>Overall Statistics</source>
        <translation>Statistiche generali</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Current User</source>
        <translation>Utente attuale</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Cambia utente</translation>
    </message>
    <message>
        <source>Recommended for Teachers Viewing  Charts &amp; Stats Only</source>
        <translation>Consigliato agli insegnanti che consultano solo grafici e statistiche</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Vedi riepilogo</translation>
    </message>
    <message>
        <source>Close Charts</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Today or Last</source>
        <translation>Oggi o ultima volta</translation>
    </message>
    <message>
        <source>Typing History</source>
        <translation>Storico</translation>
    </message>
    <message>
        <source>Program Section</source>
        <translation>Sezione del programma</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Letters &amp;&amp; Punctuation</source>
        <translation>Lettere, punteggiatura</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>International Keys</source>
        <translation>Tasti internazionali</translation>
    </message>
    <message>
        <source>Right Shift Letter Key Errors = </source>
        <translation>Errori con Maiusc destro = </translation>
    </message>
    <message>
        <source>Left Shift Letter Key Errors = </source>
        <translation>Errori con Maiusc sinistro = </translation>
    </message>
    <message>
        <source>Key Speed</source>
        <translation>Velocità per tasto</translation>
    </message>
    <message>
        <source>Key Accuracy</source>
        <translation>Precisione per tasto</translation>
    </message>
    <message>
        <source>Past 8 Days</source>
        <translation>Ultimi 8 giorni</translation>
    </message>
    <message>
        <source>Typing History (all)</source>
        <translation>Tutto lo storico</translation>
    </message>
    <message>
        <source>WPM:</source>
        <translation>PPM:</translation>
    </message>
    <message>
        <source>Correct %:</source>
        <translation>Giusti %:</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisione</translation>
    </message>
    <message>
        <source>Adjusted WPM</source>
        <translation>PPM rettificate</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Tasti difficili</translation>
    </message>
    <message>
        <source>Show as Table</source>
        <translation>Vedi tabella</translation>
    </message>
    <message>
        <source>Show as Chart</source>
        <translation>Vedi grafico</translation>
    </message>
</context>
<context>
    <name>StudentFile</name>
    <message>
        <source>The student file &quot;%1&quot; could not be written: %2</source>
        <translation>Impossibile salvare il file dell&apos;alunno «%1»: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: %2</source>
        <translation>Impossibile leggere il file dell&apos;alunno «%1»: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be created: %2</source>
        <translation>Impossibile creare il file dell&apos;alunno «%1»: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: it holds %2 bytes instead of %3, so it is not a whole student record.</source>
        <translation>Impossibile leggere il file dell&apos;alunno «%1»: contiene %2 byte invece di %3, quindi non è una scheda completa dell&apos;alunno.</translation>
    </message>
    <message>
        <source>it could not be synced</source>
        <translation>non è stato possibile scriverlo completamente sul disco</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; holds %2 bytes, far more than a student record (%3 bytes), so Keyfarer leaves it alone. Ask whoever looks after this computer to check it, or choose another name.</source>
        <translation>Il file dell&apos;alunno «%1» contiene %2 byte, molto più di una scheda dell&apos;alunno (%3 byte), quindi Keyfarer non lo tocca. Chiedi a chi si occupa di questo computer di controllarlo, oppure scegli un altro nome.</translation>
    </message>
</context>
<context>
    <name>StudentSettings</name>
    <message>
        <source>it is far larger than any settings</source>
        <translation>è molto più grande di qualsiasi impostazione</translation>
    </message>
    <message>
        <source>Your setting could not be kept in &quot;%1&quot;: %2. It holds for now; to keep it, check that you may write in the working folder and that the disk has room, then choose it again.</source>
        <translation>La tua impostazione non si è potuta salvare in «%1»: %2. Vale per ora; per conservarla, controlla di poter scrivere nella cartella di lavoro e che il disco abbia spazio, poi sceglila di nuovo.</translation>
    </message>
</context>
<context>
    <name>SummaryReport</name>
    <message>
        <source>Beginners Drills:</source>
        <translation>Esercizi per principianti:</translation>
    </message>
    <message>
        <source>-----------------</source>
        <translation>--------------------------</translation>
    </message>
    <message>
        <source>Accuracy Today or Last:           </source>
        <translation>Precisione oggi o ultima volta:              </translation>
    </message>
    <message>
        <source>Accuracy All Days:                </source>
        <translation>Precisione tutti i giorni:                   </translation>
    </message>
    <message>
        <source>Slowest Letter Today or Last:     </source>
        <translation>Lettera più lenta oggi o ultima volta:       </translation>
    </message>
    <message>
        <source>Best Time Today or Last (Seconds): </source>
        <translation>Miglior tempo oggi o ultima volta (secondi): </translation>
    </message>
    <message>
        <source>Average of All Sections:</source>
        <translation>Media di tutte le sezioni:</translation>
    </message>
    <message>
        <source>-----------------------</source>
        <translation>-------------------------</translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for Today or Last: </source>
        <translation>PPM medie (tutte le sezioni) oggi o ultima volta: </translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for all of history: </source>
        <translation>PPM medie (tutte le sezioni) in tutto lo storico: </translation>
    </message>
    <message>
        <source>Average accuracy (all Sections) for Today or Last: </source>
        <translation>Precisione media (tutte le sezioni) oggi o ultima volta: </translation>
    </message>
    <message>
        <source>Average accuracy (all sections) for all history: </source>
        <translation>Precisione media (tutte le sezioni) in tutto lo storico: </translation>
    </message>
    <message>
        <source>Student: %1  Date: %2</source>
        <translation>Alunno/a: %1  Data: %2</translation>
    </message>
</context>
<context>
    <name>SwitchUserPanel</name>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Scegli un nome dall&apos;elenco qui sotto.</translation>
    </message>
    <message>
        <source>If you want to continue typing after viewing other names, return to original name.</source>
        <translation>Se vuoi continuare a scrivere dopo aver visto altri nomi, torna al tuo nome.</translation>
    </message>
    <message>
        <source>View Selected Name</source>
        <translation>Vedi il nome scelto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Nomi utente</translation>
    </message>
</context>
<context>
    <name>TroubleKeysWindow</name>
    <message>
        <source>At or above the goal</source>
        <translation>All&apos;obiettivo o sopra</translation>
    </message>
    <message>
        <source>Less than a tenth below the goal</source>
        <translation>Meno di un decimo sotto l&apos;obiettivo</translation>
    </message>
    <message>
        <source>Less than a quarter below the goal</source>
        <translation>Meno di un quarto sotto l&apos;obiettivo</translation>
    </message>
    <message>
        <source>A quarter or more below the goal</source>
        <translation>Un quarto o più sotto l&apos;obiettivo</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Typed Instead</source>
        <translation>Battuto invece</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Volte</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Ultima volta</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Tasti difficili</translation>
    </message>
    <message>
        <source>Show &amp;speed instead of accuracy</source>
        <translation>Mostra la &amp;velocità invece della precisione</translation>
    </message>
    <message>
        <source>Keyboard coloured by your keys</source>
        <translation>Tastiera colorata secondo i tuoi tasti</translation>
    </message>
    <message>
        <source>Keys &amp;typed instead of others</source>
        <translation>Tasti &amp;battuti al posto di altri</translation>
    </message>
    <message>
        <source>The keys holding you back, last 20 sets (blue: words a minute, red dashed: % accuracy)</source>
        <translation>I tasti che ti frenano, ultime 20 serie (blu: parole al minuto, rosso tratteggiato: % di precisione)</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Esercita questi tasti</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Export the Presses</source>
        <translation>Esporta le battute</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The presses could not be exported to %1.</source>
        <translation>Non è stato possibile esportare le battute in %1.</translation>
    </message>
    <message>
        <source>A key holds you back while its time, counting hits only and moving a tenth of the way with each set, is slower than the goal of %1 words a minute, or while fewer than %2 % of its presses hit; the weakest key comes first.</source>
        <translation>Un tasto ti frena finché il suo tempo (solo colpi giusti, aggiornato di un decimo a ogni serie) è più lento dell&apos;obiettivo di %1 parole al minuto, o finché meno del %2 % delle sue battute è giusto; il più debole viene per primo.</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Obiettivi della classe: %1 parole al minuto e %2 % di precisione.</translation>
    </message>
    <message>
        <source>%1 has no presses in the journal yet.</source>
        <translation>%1 non ha ancora battute registrate.</translation>
    </message>
    <message>
        <source>%1 meets them.</source>
        <translation>%1 li raggiunge.</translation>
    </message>
    <message>
        <source>%1 does not meet them yet.</source>
        <translation>%1 non li raggiunge ancora.</translation>
    </message>
    <message>
        <source>%1: %2 % of presses hit, %3 words a minute</source>
        <translation>%1: %2 % di battute giuste, %3 parole al minuto</translation>
    </message>
    <message>
        <source>(another character)</source>
        <translation>(altro carattere)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>%1: no sets yet</source>
        <translation>%1: ancora nessuna serie</translation>
    </message>
    <message>
        <source>%1 over the last %2 sets: from %3 to %4 words a minute, from %5 % to %6 % accuracy</source>
        <translation>%1 nelle ultime %2 serie: da %3 a %4 parole al minuto, dal %5 % al %6 % di precisione</translation>
    </message>
</context>
<context>
    <name>UserPanels</name>
    <message>
        <source>Type in a new user name below and click the OK button.</source>
        <translation>Scrivi qui sotto un nuovo nome utente e fai clic su OK.</translation>
    </message>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Scegli un nome dall&apos;elenco qui sotto.</translation>
    </message>
    <message>
        <source>This username already exists and Cannot be created.</source>
        <translation>Questo nome utente esiste già e non può essere creato.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have created a user file.</source>
        <translation>Non puoi iniziare a scrivere finché non hai creato un file utente.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have selected a user name from the list.</source>
        <translation>Non puoi iniziare a scrivere finché non hai scelto un nome dall&apos;elenco.</translation>
    </message>
    <message>
        <source>You need to type the correct password to delete a username</source>
        <translation>Per eliminare un nome utente devi scrivere la password giusta.</translation>
    </message>
    <message>
        <source>Do you want to delete this username?</source>
        <translation>Vuoi eliminare questo nome utente?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Use this Name</source>
        <translation>Usa questo nome</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Elimina nome</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Nuovo nome utente</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Nomi utente</translation>
    </message>
    <message>
        <source>Password to delete a name</source>
        <translation>Password per cancellare un nome</translation>
    </message>
    <message>
        <source>Choose a keyboard from the Additional/Keyboard Nationality Menu above.</source>
        <translation>Scegli una tastiera dal menu Altro/Layout della tastiera qui sopra.</translation>
    </message>
    <message>
        <source> A folder called &quot;%1&quot; is in the way.</source>
        <translation> Una cartella chiamata «%1» lo impedisce.</translation>
    </message>
    <message>
        <source> The file &quot;%1&quot; is in the way.</source>
        <translation> Il file «%1» lo impedisce.</translation>
    </message>
    <message>
        <source>%1 cannot be deleted while another copy of Keyfarer has this student. Close it there first, then delete the name.</source>
        <translation>%1 non si può eliminare mentre Keyfarer è aperto altrove con questo nome. Chiudilo prima lì, poi elimina il nome.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Impossibile creare la cartella «%1».</translation>
    </message>
    <message>
        <source>No shipped pictures and sounds were found in &quot;%1&quot;.</source>
        <translation>In «%1» non sono state trovate le immagini e i suoni forniti con il programma.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied into &quot;%2&quot;.</source>
        <translation>Impossibile copiare il file «%1» in «%2».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds Keyfarer&apos;s installed pictures and sounds, which are never changed. Give Keyfarer another working folder (the option --working-folder or the variable KEYFARER_HOME).</source>
        <translation>La cartella «%1» contiene le immagini e i suoni installati di Keyfarer, che non vengono mai modificati. Indica a Keyfarer un&apos;altra cartella di lavoro (con l&apos;opzione --working-folder o la variabile KEYFARER_HOME).</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un file</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>un dispositivo o un socket</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a folder. Give Keyfarer a folder as its working folder.</source>
        <translation>«%1» è %2, non una cartella. Indica a Keyfarer una cartella come cartella di lavoro.</translation>
    </message>
</context>
<context>
    <name>WorkingFolderChoice</name>
    <message>
        <source>The setting WorkingFolder in &quot;%1&quot; is not used: %2</source>
        <translation>L&apos;impostazione WorkingFolder in «%1» non viene usata: %2</translation>
    </message>
    <message>
        <source>it names no folder.</source>
        <translation>non indica nessuna cartella.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path; it must begin with &quot;/&quot;.</source>
        <translation>«%1» non è un percorso completo; deve iniziare con «/».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» non è una cartella.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>il file non può essere letto.</translation>
    </message>
    <message>
        <source>the file is not in the settings format (lines such as WorkingFolder=/srv/class under [General]).</source>
        <translation>il file non ha il formato delle impostazioni (righe come WorkingFolder=/srv/class sotto [General]).</translation>
    </message>
    <message>
        <source>Keyfarer works in &quot;%1&quot; instead.</source>
        <translation>Keyfarer lavora invece in «%1».</translation>
    </message>
</context>
<context>
    <name>kf::ClassOverviewWindow</name>
    <message>
        <source>Class Overview</source>
        <translation>Panoramica della classe</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Reading the student files...</source>
        <translation>Lettura dei file degli alunni...</translation>
    </message>
    <message numerus="yes">
        <source>%n student file(s)</source>
        <translation>
            <numerusform>%n file di alunno</numerusform>
            <numerusform>%n file di alunni</numerusform>
        </translation>
    </message>
    <message>
        <source>Class Overview: %1  Date: %2</source>
        <translation>Panoramica della classe: %1  Data: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Impossibile salvare il file «%1»: %2</translation>
    </message>
    <message>
        <source>Goals…</source>
        <translation>Obiettivi…</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Obiettivi della classe: %1 parole al minuto e %2 % di precisione.</translation>
    </message>
    <message>
        <source>Class Goals</source>
        <translation>Obiettivi della classe</translation>
    </message>
    <message>
        <source>&amp;Words a minute:</source>
        <translation>&amp;Parole al minuto:</translation>
    </message>
    <message>
        <source>&amp;Accuracy:</source>
        <translation>P&amp;recisione:</translation>
    </message>
    <message>
        <source>The class goals could not be written to %1.</source>
        <translation>Non è stato possibile scrivere gli obiettivi della classe in %1.</translation>
    </message>
    <message>
        <source>The student file of %1 is no longer in the folder: someone deleted or renamed it. Close this window and open the class overview again to see the folder as it is now.</source>
        <translation>Il file dell&apos;alunno di %1 non è più nella cartella: qualcuno l&apos;ha eliminato o rinominato. Chiudi questa finestra e riapri la panoramica della classe per vedere la cartella com&apos;è ora.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>E&amp;xport CSV</source>
        <translation>E&amp;sporta CSV</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
</TS>
