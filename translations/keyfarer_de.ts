<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über Keyfarer</translation>
    </message>
    <message>
        <source>Keyfarer -- Learn the Keyboard</source>
        <translation>Keyfarer -- Lerne die Tastatur</translation>
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
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>WpM</translation>
    </message>
    <message>
        <source>Select Chart to View</source>
        <translation>Diagramm zum Anzeigen auswählen</translation>
    </message>
    <message>
        <source>NO WORDS PER MINUTE CHART FOR BEGINNER&apos;S DRILLS</source>
        <translation>KEIN DIAGRAMM DER WÖRTER PRO MINUTE FÜR DIE ANFÄNGERÜBUNGEN</translation>
    </message>
    <message>
        <source>Key Speed in Seconds (today or latest) -- </source>
        <translation>Tastentempo in Sekunden (heute oder zuletzt) -- </translation>
    </message>
    <message>
        <source>Key Speed in Seconds (all days) -- </source>
        <translation>Tastentempo in Sekunden (alle Tage) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or latest) -- </source>
        <translation>Prozent richtig (heute oder zuletzt) -- </translation>
    </message>
    <message>
        <source>Percent Correct (all days) -- </source>
        <translation>Prozent richtig (alle Tage) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or last) -- </source>
        <translation>Prozent richtig (heute oder zuletzt) -- </translation>
    </message>
    <message>
        <source>Percent Correct (past 8 days) -- </source>
        <translation>Prozent richtig (letzte 8 Tage) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (today or last) -- </source>
        <translation>Bereinigte WpM (heute oder zuletzt) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (past 8 days) -- </source>
        <translation>Bereinigte WpM (letzte 8 Tage) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (all days) -- </source>
        <translation>Bereinigte WpM (alle Tage) -- </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Balken</translation>
    </message>
</context>
<context>
    <name>ClassColumns</name>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
    <message>
        <source>Intermediate Drills</source>
        <translation>Übungen Mittelstufe</translation>
    </message>
    <message>
        <source>Advanced Drills</source>
        <translation>Übungen für Fortgeschrittene</translation>
    </message>
    <message>
        <source>Keyfarer</source>
        <translation>Keyfarer</translation>
    </message>
    <message>
        <source>10 Line Tests</source>
        <translation>Zehn-Zeilen-Tests</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Tests auf Zeit</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler/in</translation>
    </message>
    <message>
        <source>Drill keys typed (all days)</source>
        <translation>Getippte Übungstasten (alle Tage)</translation>
    </message>
    <message>
        <source>Accuracy today or last (%)</source>
        <translation>Genauigkeit heute oder zuletzt (%)</translation>
    </message>
    <message>
        <source>Accuracy all days (%)</source>
        <translation>Genauigkeit alle Tage (%)</translation>
    </message>
    <message>
        <source>Best time (seconds)</source>
        <translation>Bestzeit (Sekunden)</translation>
    </message>
    <message>
        <source>Slowest letter</source>
        <translation>Langsamstes Zeichen</translation>
    </message>
    <message>
        <source>Sessions recorded</source>
        <translation>Erfasste Sitzungen</translation>
    </message>
    <message>
        <source>Accuracy of the last 8 sessions (%)</source>
        <translation>Genauigkeit der letzten 8 Sitzungen (%)</translation>
    </message>
    <message>
        <source>%1: adjusted WPM today or last</source>
        <translation>%1: bereinigte WpM heute oder zuletzt</translation>
    </message>
    <message>
        <source>%1: adjusted WPM all days</source>
        <translation>%1: bereinigte WpM alle Tage</translation>
    </message>
    <message>
        <source>unreadable file</source>
        <translation>unlesbare Datei</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Goal met</source>
        <translation>Ziel erreicht</translation>
    </message>
    <message>
        <source>Trouble keys</source>
        <translation>Problemtasten</translation>
    </message>
    <message>
        <source>name not in UTF-8: rename the file</source>
        <translation>Name nicht in UTF-8: Datei umbenennen</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>keyfarer: no folder &quot;%1&quot;.
</source>
        <translation>keyfarer: kein Ordner „%1“.
</translation>
    </message>
    <message>
        <source>keyfarer: the folder &quot;%1&quot; cannot be read. Ask whoever looks after this computer for read access to it, or name another folder.
</source>
        <translation>keyfarer: Der Ordner „%1“ kann nicht gelesen werden. Bitte die Person, die diesen Computer betreut, um Leserechte dafür, oder gib einen anderen Ordner an.
</translation>
    </message>
</context>
<context>
    <name>DrillAnnouncement</name>
    <message>
        <source>Type %1.</source>
        <translation>Tippe %1.</translation>
    </message>
    <message>
        <source>Set done. Correct this set: %1. Time this set: %2 seconds.</source>
        <translation>Runde fertig. Richtig in dieser Runde: %1. Zeit der Runde: %2 Sekunden.</translation>
    </message>
    <message>
        <source>Number missed: %1.</source>
        <translation>Anzahl Fehler: %1.</translation>
    </message>
    <message>
        <source>Best time: %1 seconds.</source>
        <translation>Bestzeit: %1 Sekunden.</translation>
    </message>
    <message>
        <source>Correct this session: %1.</source>
        <translation>Richtig in dieser Sitzung: %1.</translation>
    </message>
    <message>
        <source>Slowest this set: %1.</source>
        <translation>Langsamstes in dieser Runde: %1.</translation>
    </message>
    <message>
        <source>You missed: %1.</source>
        <translation>Verfehlt hast du: %1.</translation>
    </message>
    <message>
        <source>By typing: %1.</source>
        <translation>Getippt hast du: %1.</translation>
    </message>
    <message>
        <source>First press the acute accent key.</source>
        <translation>Drück zuerst die Akzenttaste für den Akut.</translation>
    </message>
    <message>
        <source>First press the grave accent key.</source>
        <translation>Drück zuerst die Akzenttaste für den Gravis.</translation>
    </message>
    <message>
        <source>Hold Alt Gr.</source>
        <translation>Halte Alt Gr gedrückt.</translation>
    </message>
    <message>
        <source>Hold the left Shift.</source>
        <translation>Halte die linke Umschalttaste gedrückt.</translation>
    </message>
    <message>
        <source>Hold the right Shift.</source>
        <translation>Halte die rechte Umschalttaste gedrückt.</translation>
    </message>
    <message>
        <source>Marked: the Enter key.</source>
        <translation>Markiert: die Enter-Taste.</translation>
    </message>
    <message>
        <source>Marked: %1.</source>
        <translation>Markiert: %1.</translation>
    </message>
    <message>
        <source>Press Enter to finish the set.</source>
        <translation>Drück Enter, um die Runde abzuschließen.</translation>
    </message>
    <message>
        <source>You missed %1.</source>
        <translation>Du hast %1 verfehlt.</translation>
    </message>
    <message>
        <source>You missed %1 by typing %2.</source>
        <translation>Du hast %1 verfehlt und %2 getippt.</translation>
    </message>
    <message>
        <source>Key %1 of %2.</source>
        <translation>Taste %1 von %2.</translation>
    </message>
</context>
<context>
    <name>DrillTitle</name>
    <message>
        <source>Home Row Only</source>
        <translation>Nur Grundreihe</translation>
    </message>
    <message>
        <source>Top Row Only</source>
        <translation>Nur obere Reihe</translation>
    </message>
    <message>
        <source>Bottom Row Only</source>
        <translation>Nur untere Reihe</translation>
    </message>
    <message>
        <source>Home and Top Rows</source>
        <translation>Grund- und obere Reihe</translation>
    </message>
    <message>
        <source>Home and Bottom Row</source>
        <translation>Grund- und untere Reihe</translation>
    </message>
    <message>
        <source>All Three Rows</source>
        <translation>Alle drei Reihen</translation>
    </message>
    <message>
        <source>All and Common Punctuation</source>
        <translation>Alle und häufige Satzzeichen</translation>
    </message>
    <message>
        <source>Numbers Only</source>
        <translation>Nur Ziffern</translation>
    </message>
    <message>
        <source>Symbols Only</source>
        <translation>Nur Sonderzeichen</translation>
    </message>
    <message>
        <source>All Keys</source>
        <translation>Alle Tasten</translation>
    </message>
    <message>
        <source>Choose Your Own Keys</source>
        <translation>Eigene Tasten wählen</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Click to see Last Correct</source>
        <translation>Klicken, um das zuletzt richtige Zeichen zu sehen</translation>
    </message>
    <message>
        <source>Click to see Missed Letters</source>
        <translation>Klicken, um die verfehlten Zeichen zu sehen</translation>
    </message>
    <message>
        <source>Click to see Errors here</source>
        <translation>Klicken, um hier die Fehler zu sehen</translation>
    </message>
    <message>
        <source>Click to see text description</source>
        <translation>Klicken, um die Beschreibung zu sehen</translation>
    </message>
    <message>
        <source>Hide this if Distracting</source>
        <translation>Ausblenden, wenn es ablenkt</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor (Beginners Drills)</source>
        <translation>Keyfarer Tipptrainer (Anfängerübungen)</translation>
    </message>
    <message>
        <source>You need at least two characters to type.</source>
        <translation>Du brauchst mindestens zwei Zeichen zum Tippen.</translation>
    </message>
    <message>
        <source>Adjust Hand Delay</source>
        <translation>Verzögerung der Hände einstellen</translation>
    </message>
    <message>
        <source>Do 10 Letters at a time</source>
        <translation>Je 10 Zeichen üben</translation>
    </message>
    <message>
        <source>Do 20 Letters at a time</source>
        <translation>Je 20 Zeichen üben</translation>
    </message>
    <message>
        <source>Do 30 Letters at a time</source>
        <translation>Je 30 Zeichen üben</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Show All Keys</source>
        <translation>Alle Tasten zeigen</translation>
    </message>
    <message>
        <source>Hide Keys on Keyboard</source>
        <translation>Tasten auf der Tastatur ausblenden</translation>
    </message>
    <message>
        <source>Include Upper Case Letters</source>
        <translation>Großbuchstaben dazunehmen</translation>
    </message>
    <message>
        <source>Lower Case Only</source>
        <translation>Nur Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Open options window</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Exit Lessons</source>
        <translation>Übungen beenden</translation>
    </message>
    <message>
        <source>Number missed:</source>
        <translation>Anzahl Fehler:</translation>
    </message>
    <message>
        <source>(Total missed keys)</source>
        <translation>(Fehler insgesamt)</translation>
    </message>
    <message>
        <source>Time this set:</source>
        <translation>Zeit der Runde:</translation>
    </message>
    <message>
        <source>(Time in seconds)</source>
        <translation>(Zeit in Sekunden)</translation>
    </message>
    <message>
        <source>Best Time:</source>
        <translation>Bestzeit:</translation>
    </message>
    <message>
        <source>(Quickest time)</source>
        <translation>(Schnellste Zeit)</translation>
    </message>
    <message>
        <source>Correct this set:</source>
        <translation>Richtig (Runde):</translation>
    </message>
    <message>
        <source>(Correct percent)</source>
        <translation>(Prozent richtig)</translation>
    </message>
    <message>
        <source>Correct this session:</source>
        <translation>Richtig (Sitzung):</translation>
    </message>
    <message>
        <source>(Correct percent of all)</source>
        <translation>(Prozent richtig gesamt)</translation>
    </message>
    <message>
        <source>Slowest this set:</source>
        <translation>Langsamstes (Runde):</translation>
    </message>
    <message>
        <source>(Took longest to type)</source>
        <translation>(Dauerte am längsten)</translation>
    </message>
    <message>
        <source>You Missed:</source>
        <translation>Verfehlt:</translation>
    </message>
    <message>
        <source>by typing:</source>
        <translation>getippt:</translation>
    </message>
    <message>
        <source>Beginners Drills:</source>
        <translation>Anfänger:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Type the</source>
        <translation>Tippe das</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Last correct:</source>
        <translation>Zuletzt richtig:</translation>
    </message>
    <message>
        <source>You missed:</source>
        <translation>Verfehlt:</translation>
    </message>
    <message>
        <source>Click to Hide</source>
        <translation>Zum Ausblenden klicken</translation>
    </message>
    <message>
        <source>Pause!</source>
        <translation>Pause!</translation>
    </message>
    <message>
        <source>Beginners Stats</source>
        <translation>Anfängerstatistik</translation>
    </message>
    <message>
        <source>Type between 2 and 10 characters to practice, then click the &quot;Verify these Keys&quot; button. After that, click the &quot;Begin Typing&quot; button. Unallowed characters will be deleted.</source>
        <translation>Tippe 2 bis 10 Zeichen zum Üben ein und klicke dann auf „Tasten prüfen“. Klicke danach auf „Tippen beginnen“. Nicht erlaubte Zeichen werden gelöscht.</translation>
    </message>
    <message>
        <source>Verify these Keys</source>
        <translation>Tasten prüfen</translation>
    </message>
    <message>
        <source>Begin Typing</source>
        <translation>Tippen beginnen</translation>
    </message>
    <message>
        <source>Exit to Main Menu</source>
        <translation>Zum Hauptmenü</translation>
    </message>
    <message>
        <source>You will be typing:</source>
        <translation>Du tippst:</translation>
    </message>
    <message>
        <source>Characters not allowed:</source>
        <translation>Nicht erlaubte Zeichen:</translation>
    </message>
    <message>
        <source>Tip: You can adjust how fast you are shown the key to type on the keyboard.</source>
        <translation>Tipp: Du kannst einstellen, wie schnell dir die nächste Taste auf der Tastatur gezeigt wird.</translation>
    </message>
    <message>
        <source>Tip: Point your mouse over the various Option buttons to see what they are for.</source>
        <translation>Tipp: Zeige mit der Maus auf die Knöpfe, um zu sehen, wofür sie da sind.</translation>
    </message>
    <message>
        <source>Tip: Use the Escape Key to quit in the middle of an exercise.</source>
        <translation>Tipp: Mit der Esc-Taste kannst du eine Übung mittendrin beenden.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Close Beginners Drills</source>
        <translation>Anfängerübungen &amp;schließen</translation>
    </message>
    <message>
        <source>Press the Spacebar to Begin.</source>
        <translation>Drücke die Leertaste, um zu beginnen.</translation>
    </message>
    <message>
        <source>Press the Spacebar to continue.</source>
        <translation>Drücke die Leertaste, um weiterzumachen.</translation>
    </message>
    <message>
        <source>You missed the &quot;%1&quot; key. Check your error to the left, locate the &quot; %1 &quot; key below, and type the correct key.</source>
        <translation>Du hast die Taste „%1“ verfehlt. Sieh dir links deinen Fehler an, suche unten die Taste „ %1 “ und tippe die richtige Taste.</translation>
    </message>
    <message>
        <source>Press Enter!</source>
        <translation>Enter drücken!</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verfehlt</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Keys to practise</source>
        <translation>Tasten zum Üben</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Hide Last Correct</source>
        <translation>Zuletzt richtig ausblenden</translation>
    </message>
    <message>
        <source>Hide Missed Letters</source>
        <translation>Verpasste Buchstaben ausblenden</translation>
    </message>
    <message>
        <source>Hide Errors</source>
        <translation>Fehler ausblenden</translation>
    </message>
    <message>
        <source>Hide text description</source>
        <translation>Textbeschreibung ausblenden</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ton aus</translation>
    </message>
</context>
<context>
    <name>FileNotice</name>
    <message>
        <source>The student file of %1 has gone from the working folder, or something outside Keyfarer emptied it, so this session&apos;s work could not be saved. Keyfarer still has it. Write the file of %1 anew now?</source>
        <translation>Die Schülerdatei von %1 ist aus dem Arbeitsordner verschwunden, oder etwas außerhalb von Keyfarer hat sie geleert. Deshalb konnte die Arbeit dieser Sitzung nicht gespeichert werden. Keyfarer hat sie noch. Die Datei von %1 jetzt neu schreiben?</translation>
    </message>
    <message>
        <source>The student file of %1 has changed on disk: something outside Keyfarer replaced it (another copy of the file, perhaps an older one), so this session&apos;s work was not saved over it. Keyfarer still has it. Write the file of %1 anew now, in place of the one on disk?</source>
        <translation>Die Schülerdatei von %1 wurde auf dem Datenträger geändert: Etwas außerhalb von Keyfarer hat sie ersetzt (durch eine andere Kopie der Datei, vielleicht eine ältere). Deshalb wurde die Arbeit dieser Sitzung nicht darüber gespeichert. Keyfarer hat sie noch. Die Datei von %1 jetzt neu schreiben, anstelle der Datei auf dem Datenträger?</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; has gone, or something outside Keyfarer emptied it: the keyboard pictures and student files are no longer there. Keyfarer still has this session&apos;s work and goes on with it. Put the folder back, or ask whoever looks after this computer; the next save offers to write the student file anew.</source>
        <translation>Der Arbeitsordner „%1“ ist verschwunden, oder etwas außerhalb von Keyfarer hat ihn geleert: Die Tastaturbilder und Schülerdateien sind nicht mehr da. Keyfarer hat die Arbeit dieser Sitzung noch und macht damit weiter. Stelle den Ordner wieder her oder frage die Person, die diesen Computer betreut; beim nächsten Speichern bietet Keyfarer an, die Schülerdatei neu zu schreiben.</translation>
    </message>
    <message>
        <source>

If you answer No, the student changes all the same and this session&apos;s work of %1 is not saved.</source>
        <translation>

Wenn du mit Nein antwortest, wird trotzdem zu der anderen Person gewechselt, und die Arbeit dieser Sitzung von %1 wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>FingerGuidance</name>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;a&quot; key.</source>
        <translation>Bleib in der Grundstellung und nimm deinen linken kleinen Finger für die Taste &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;a&quot; key.</source>
        <translation>Nimm deinen linken kleinen Finger und geh eine Taste nach oben zur Taste &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Press the &quot;s&quot; key with your left hand ring finger.</source>
        <translation>Drücke die Taste &quot;s&quot; mit deinem linken Ringfinger.</translation>
    </message>
    <message>
        <source>Press the &quot;d&quot; key with your left hand middle finger.</source>
        <translation>Drücke die Taste &quot;d&quot; mit deinem linken Mittelfinger.</translation>
    </message>
    <message>
        <source>The &quot;f&quot; key is directly under your left hand index finger.</source>
        <translation>Die Taste &quot;f&quot; liegt direkt unter deinem linken Zeigefinger.</translation>
    </message>
    <message>
        <source>To reach the &quot;g&quot; key, you will have to move your left hand index finger one key to the right.</source>
        <translation>Um die Taste &quot;g&quot; zu erreichen, bewegst du deinen linken Zeigefinger eine Taste nach rechts.</translation>
    </message>
    <message>
        <source>Move your right hand index finger one key to the left and press the &quot;h&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger eine Taste nach links und drücke die Taste &quot;h&quot;.</translation>
    </message>
    <message>
        <source>The &quot;j&quot; key is under your right hand index finger.</source>
        <translation>Die Taste &quot;j&quot; liegt unter deinem rechten Zeigefinger.</translation>
    </message>
    <message>
        <source>Press the &quot;k&quot; key using your right hand middle finger.</source>
        <translation>Drücke die Taste &quot;k&quot; mit deinem rechten Mittelfinger.</translation>
    </message>
    <message>
        <source>Remain at the home row position, %1, and press the &quot;l&quot; key with your right hand ring finger.</source>
        <translation>Bleib in der Grundstellung, %1, und drücke die Taste &quot;l&quot; mit deinem rechten Ringfinger.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is under your right hand little finger.</source>
        <translation>Das Semikolon, %1, liegt unter deinem rechten kleinen Finger.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is down one key then under your right middle finger.</source>
        <translation>Das Semikolon, %1, liegt eine Reihe tiefer unter deinem rechten Mittelfinger.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;q&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Taste nach oben und etwas nach links, um die Taste &quot;q&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>The &quot;q&quot; is under your left hand little finger.</source>
        <translation>Das &quot;q&quot; liegt unter deinem linken kleinen Finger.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;w&quot; key.</source>
        <translation>Bewege deinen linken Ringfinger eine Taste nach oben und etwas nach links, um die Taste &quot;w&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;w&quot; key</source>
        <translation>Bewege deinen linken kleinen Finger eine Reihe nach unten, um die Taste &quot;w&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up one key and slightly to the left to reach the &quot;e&quot; key.</source>
        <translation>Bewege deinen linken Mittelfinger eine Taste nach oben und etwas nach links, um die Taste &quot;e&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up one key and slightly to the left to reach the &quot;r&quot; key.</source>
        <translation>Bewege deinen linken Zeigefinger eine Taste nach oben und etwas nach links, um die Taste &quot;r&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>To reach the &quot;t&quot; key, move your left hand index finger up one key and to the right.</source>
        <translation>Um die Taste &quot;t&quot; zu erreichen, bewege deinen linken Zeigefinger eine Taste nach oben und nach rechts.</translation>
    </message>
    <message>
        <source>This key is a little tricky for beginners. Move your right hand index finger up and to the left.</source>
        <translation>Diese Taste ist für Anfänger etwas knifflig. Bewege deinen rechten Zeigefinger nach oben und nach links.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;y&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Reihe nach unten, um die Taste &quot;y&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up one key and slightly to the left to reach the &quot;u&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger eine Taste nach oben und etwas nach links, um die Taste &quot;u&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up one key and slightly to the left to reach the &quot;i&quot; key.</source>
        <translation>Bewege deinen rechten Mittelfinger eine Taste nach oben und etwas nach links, um die Taste &quot;i&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up one key and slightly to the left to reach the &quot;o&quot; key.</source>
        <translation>Bewege deinen rechten Ringfinger eine Taste nach oben und etwas nach links, um die Taste &quot;o&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one key and slightly to the left to reach the &quot;p&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Taste nach oben und etwas nach links, um die Taste &quot;p&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;z&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Taste nach unten und etwas nach rechts, um die Taste &quot;z&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;z&quot; key.</source>
        <translation>Bewege deine rechte Hand eine Reihe nach oben und eine Taste nach links, um die Taste &quot;z&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;z&quot; key.</source>
        <translation>Bewege deinen linken Ringfinger eine Reihe nach oben, um die Taste &quot;z&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger down one key and slightly to the right to reach the &quot;x&quot; key.</source>
        <translation>Bewege deinen linken Ringfinger eine Taste nach unten und etwas nach rechts, um die Taste &quot;x&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger down one key and slightly to the right to reach the &quot;c&quot; key.</source>
        <translation>Bewege deinen linken Mittelfinger eine Taste nach unten und etwas nach rechts, um die Taste &quot;c&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand index finger down one key and slightly to the right to reach the &quot;v&quot; key.</source>
        <translation>Bewege deinen linken Zeigefinger eine Taste nach unten und etwas nach rechts, um die Taste &quot;v&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;b&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Diese Taste ist für Anfänger knifflig. Das &quot;b&quot; erreichst du mit beiden Händen gleich gut, meistens lernt man aber die linke Hand.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the left.</source>
        <translation>Bewege deinen rechten Zeigefinger nach unten und etwas nach links.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;m&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger nach unten und etwas nach rechts, um die Taste &quot;m&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>The &quot;m&quot; key is on the home row under your right hand little finger.</source>
        <translation>Die Taste &quot;m&quot; liegt in der Grundreihe unter deinem rechten kleinen Finger.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger down and slightly to the right to reach the &quot;,&quot; key.</source>
        <translation>Bewege deinen rechten Mittelfinger nach unten und etwas nach rechts, um die Taste &quot;,&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;,&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger eine Reihe nach unten, um die Taste &quot;,&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down and slightly to the right to reach the &quot;.&quot; key.</source>
        <translation>Bewege deinen rechten Ringfinger nach unten und etwas nach rechts, um die Taste &quot;.&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move the right hand middle finger down one row to type the period.</source>
        <translation>Bewege deinen rechten Mittelfinger eine Reihe nach unten, um den Punkt zu tippen.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;1&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;1&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move the right hand little finger down one row to type the &quot;!&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach unten, um die Taste &quot;!&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;9&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;9&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your right middle finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Bewege deinen rechten Mittelfinger zwei Reihen nach oben, um die Taste &quot;(&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left index finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Bewege deinen linken Zeigefinger zwei Reihen nach oben, um die Taste &quot;(&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;0&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;0&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move the right ring finger up two rows to type the &quot;)&quot; key.</source>
        <translation>Bewege deinen rechten Ringfinger zwei Reihen nach oben, um die Taste &quot;)&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows, and one key to the right to type &quot;)&quot;</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben und eine Taste nach rechts, um &quot;)&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;-&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Die Taste &quot;-&quot; erreichst du mit deinem rechten kleinen Finger. Sie liegt nicht genau senkrecht darüber, du musst ein wenig schräg nach rechts greifen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;-&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach unten, um die Taste &quot;-&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and one key to the right to type &quot;-&quot;</source>
        <translation>Bewege deinen linken Zeigefinger zwei Reihen nach oben und eine Taste nach rechts, um &quot;-&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then press the &quot;:&quot; key with your right hand little finger.</source>
        <translation>Drücke zuerst die linke Umschalttaste und dann die Taste &quot;:&quot; mit deinem rechten kleinen Finger.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;:&quot; key.</source>
        <translation>Bewege deinen rechten Ringfinger eine Reihe nach unten, um die Taste &quot;:&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Taste nach rechts.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &apos;&apos; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben, um die Taste &quot;&apos;&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Mover your right hand little finger two keys to the right to type the &apos;&apos; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Tasten nach rechts, um die Taste &quot;&apos;&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand index finger two rows up to type the &apos;&apos; key.</source>
        <translation>Bewege deinen linken Zeigefinger zwei Reihen nach oben, um die Taste &quot;&apos;&quot; zu tippen.</translation>
    </message>
    <message>
        <source>To reach the question mark, move your right hand little finger down and to the right. Don&apos;t forget the shift key.</source>
        <translation>Um das Fragezeichen zu erreichen, bewege deinen rechten kleinen Finger nach unten und nach rechts. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;?&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben, um die Taste &quot;?&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;?&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger eine Reihe nach unten, um die Taste &quot;?&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key. Don&apos;t forget the left shift.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Taste nach rechts. Vergiss die linke Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up two rows.</source>
        <translation>Bewege deinen linken Ringfinger zwei Reihen nach oben.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up two rows.</source>
        <translation>Bewege deinen linken Mittelfinger zwei Reihen nach oben.</translation>
    </message>
    <message>
        <source>To reach the &quot;1&quot; key, move your left hand little finger two rows up and to the left.</source>
        <translation>Um die Taste &quot;1&quot; zu erreichen, bewege deinen linken kleinen Finger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>To reach the &quot;2&quot; key, move your left hand ring finger two rows up and to the left.</source>
        <translation>Um die Taste &quot;2&quot; zu erreichen, bewege deinen linken Ringfinger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>To reach the &quot;3&quot; key, move your left hand middle finger two rows up and to the left.</source>
        <translation>Um die Taste &quot;3&quot; zu erreichen, bewege deinen linken Mittelfinger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>To reach the &quot;4&quot; key, move your left hand index finger two rows up and to the left.</source>
        <translation>Um die Taste &quot;4&quot; zu erreichen, bewege deinen linken Zeigefinger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>To reach the &quot;5&quot; key, move your right hand index finger straight up two rows and very slightly to the right.</source>
        <translation>Um die Taste &quot;5&quot; zu erreichen, bewege deinen linken Zeigefinger zwei Reihen gerade nach oben und ganz leicht nach rechts.</translation>
    </message>
    <message>
        <source>To reach the &quot;6&quot; key, move your left hand index finger up two rows while moving to the right.</source>
        <translation>Um die Taste &quot;6&quot; zu erreichen, bewege deinen linken Zeigefinger zwei Reihen nach oben und dabei nach rechts.</translation>
    </message>
    <message>
        <source>To reach the &quot;7&quot; key, move your right hand index finger up two rows and to the left.</source>
        <translation>Um die Taste &quot;7&quot; zu erreichen, bewege deinen rechten Zeigefinger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>To reach the &quot;8&quot; key, move your right hand middle finger up two rows and to the left.</source>
        <translation>Um die Taste &quot;8&quot; zu erreichen, bewege deinen rechten Mittelfinger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>To reach the &quot;9&quot; key, move your right hand ring finger up two rows and to the left.</source>
        <translation>Um die Taste &quot;9&quot; zu erreichen, bewege deinen rechten Ringfinger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>To reach the &quot;0&quot; key, move your right hand little finger up two rows and to the left.</source>
        <translation>Um die Taste &quot;0&quot; zu erreichen, bewege deinen rechten kleinen Finger zwei Reihen nach oben und nach links.</translation>
    </message>
    <message>
        <source>The &quot;`&quot; key is at the top left of the keyboard.</source>
        <translation>Die Taste &quot;`&quot; liegt oben links auf der Tastatur.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand little finger to reach this key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und nimm dann deinen linken kleinen Finger für diese Taste.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Tasten nach rechts.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach oben und zwei Tasten nach rechts.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;2&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;2&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to to the right.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Taste nach rechts.</translation>
    </message>
    <message>
        <source>Move your ring finger up two rows to reach the  &quot;@&quot; key.</source>
        <translation>Bewege deinen linken Ringfinger zwei Reihen nach oben, um die Taste &quot;@&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one row to reach the &quot;@&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Reihe nach oben, um die Taste &quot;@&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>The &quot;@&quot; key is under your right hand little finger.</source>
        <translation>Die Taste &quot;@&quot; liegt unter deinem rechten kleinen Finger.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to reach the &quot;@&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben, um die Taste &quot;@&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Use your left hand ring finger to type this key.</source>
        <translation>Nimm deinen linken Ringfinger für diese Taste.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;#&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Tasten nach rechts, um die Taste &quot;#&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Use your left hand middle finger to type this key.</source>
        <translation>Nimm deinen linken Mittelfinger für diese Taste.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;#&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Taste nach rechts, um die Taste &quot;#&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;$&quot; key.</source>
        <translation>Bewege deinen linken Zeigefinger zwei Reihen nach oben, um die Taste &quot;$&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows and two keys to the right.</source>
        <translation>Bewege deinen linken kleinen Finger zwei Reihen nach oben und zwei Tasten nach rechts.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;5&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;5&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Taste nach rechts.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;6&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;6&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and and two keys to the right.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben und zwei Tasten nach rechts.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;^&quot; key.</source>
        <translation>Bewege deinen rechten Ringfinger zwei Reihen nach oben, um die Taste &quot;^&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;7&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;7&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and two keys to the right.</source>
        <translation>Bewege deinen linken Zeigefinger zwei Reihen nach oben und zwei Tasten nach rechts.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows to type the &quot;&amp;&amp;&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger zwei Reihen nach oben, um die Taste &quot;&amp;&amp;&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;8&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie die &quot;8&quot;. Vergiss die Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type &quot;*&quot;.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach oben und zwei Tasten nach rechts, um &quot;*&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type &quot;*&quot;.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Tasten nach rechts, um &quot;*&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;_&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Die Taste &quot;_&quot; erreichst du mit deinem rechten kleinen Finger. Sie liegt nicht genau senkrecht darüber, du musst ein wenig schräg nach rechts greifen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;_&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach unten, um die Taste &quot;_&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up to rows to type the &quot;_&quot; key.</source>
        <translation>Bewege deinen linken Mittelfinger zwei Reihen nach oben, um die Taste &quot;_&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This key takes a lot of practice to get right. Use your right hand little finger.</source>
        <translation>Diese Taste braucht viel Übung. Nimm deinen rechten kleinen Finger.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;=&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben, um die Taste &quot;=&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;+&quot; key.</source>
        <translation>Drücke die linke Umschalttaste und nimm dann deinen rechten kleinen Finger für die Taste &quot;+&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;+&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach oben und zwei Tasten nach rechts, um die Taste &quot;+&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This key is pressed with your right hand little finger.</source>
        <translation>Diese Taste drückst du mit deinem rechten kleinen Finger.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type &quot;[&quot;.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach oben und eine Taste nach rechts, um &quot;[&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your middle finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Bewege deinen rechten Mittelfinger zwei Reihen nach oben, um die Taste &quot;[&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Bewege deinen linken Zeigefinger zwei Reihen nach oben, um die Taste &quot;[&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;{&quot; key.</source>
        <translation>Drücke die linke Umschalttaste und nimm dann deinen rechten kleinen Finger für die Taste &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;{&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Taste nach rechts, um die Taste &quot;{&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger zwei Reihen nach oben, um die Taste &quot;{&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type the &quot;{&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach oben und eine Taste nach rechts, um die Taste &quot;{&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Bewege deinen linken Zeigefinger zwei Reihen nach oben, um die Taste &quot;{&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;]&quot; key.</source>
        <translation>Bewege deinen rechten Ringfinger zwei Reihen nach oben, um die Taste &quot;]&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;]&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben und eine Taste nach rechts, um die Taste &quot;]&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;}&quot; key.</source>
        <translation>Drücke die linke Umschalttaste und nimm dann deinen rechten kleinen Finger für die Taste &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Tasten nach rechts, um die Taste &quot;}&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;}&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben, um die Taste &quot;}&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger eine Reihe nach oben und zwei Tasten nach rechts, um die Taste &quot;}&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben und zwei Tasten nach rechts, um die Taste &quot;}&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This character is in the same place as the comma. Don&apos;t forget the left shift.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie das Komma. Vergiss die linke Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down on row and slightly to the left to type the &quot;&lt;&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Reihe nach unten und etwas nach links, um die Taste &quot;&lt;&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This character is in the same place as the period. Don&apos;t forget the left shift.</source>
        <translation>Dieses Zeichen liegt auf derselben Taste wie der Punkt. Vergiss die linke Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down and to the right to reach the slash.</source>
        <translation>Bewege deinen rechten kleinen Finger nach unten und nach rechts, um den Schrägstrich zu erreichen.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;/&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger zwei Reihen nach oben, um die Taste &quot;/&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;/&quot; key.</source>
        <translation>Bewege deinen rechten Ringfinger eine Reihe nach unten, um die Taste &quot;/&quot; zu tippen.</translation>
    </message>
    <message>
        <source>The key can be in different places on different keyboards. Check your keyboard.</source>
        <translation>Diese Taste liegt nicht auf jeder Tastatur an derselben Stelle. Sieh auf deiner Tastatur nach.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type this key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Reihe nach unten, um diese Taste zu tippen.</translation>
    </message>
    <message>
        <source>This key is all the way to the top left on your keyboard.</source>
        <translation>Diese Taste liegt ganz oben links auf deiner Tastatur.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;\&quot; key.</source>
        <translation>Bewege deinen rechten kleinen Finger zwei Reihen nach oben und eine Taste nach rechts, um die Taste &quot;\&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up two rows to type the &quot;\&quot; key.</source>
        <translation>Bewege deinen rechten Mittelfinger zwei Reihen nach oben, um die Taste &quot;\&quot; zu tippen.</translation>
    </message>
    <message>
        <source>This key is usually under the backspace.</source>
        <translation>Diese Taste liegt meistens unter der Rücktaste.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row.</source>
        <translation>Bewege deinen linken kleinen Finger eine Reihe nach unten.</translation>
    </message>
    <message>
        <source>This key is located with the number 1 key.</source>
        <translation>Dieses Zeichen liegt auf der Taste der Ziffer 1.</translation>
    </message>
    <message>
        <source>This key is at the top left part of your keyboard.</source>
        <translation>Diese Taste liegt oben links auf deiner Tastatur.</translation>
    </message>
    <message>
        <source>This is located with the number 6 key. Use your left hand index finger.</source>
        <translation>Dieses Zeichen liegt auf der Taste der Ziffer 6. Nimm deinen linken Zeigefinger.</translation>
    </message>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;A&quot; key. Don&apos;t forget the right Shift.</source>
        <translation>Bleib in der Grundstellung und nimm deinen linken kleinen Finger für die Taste &quot;A&quot;. Vergiss die rechte Umschalttaste nicht.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;A&quot; key.</source>
        <translation>Nimm deinen linken kleinen Finger und geh eine Taste nach oben zur Taste &quot;A&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand ring finger for the &quot;S&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und nimm dann deinen linken Ringfinger für die Taste &quot;S&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand middle finger for the &quot;D&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und nimm dann deinen linken Mittelfinger für die Taste &quot;D&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand index finger for the &quot;F&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und nimm dann deinen linken Zeigefinger für die Taste &quot;F&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger one key to the right for the &quot;G&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken Zeigefinger eine Taste nach rechts zur Taste &quot;G&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger one key to the left for the &quot;H&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und bewege dann deinen rechten Zeigefinger eine Taste nach links zur Taste &quot;H&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand index finger for the &quot;J&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und nimm dann deinen rechten Zeigefinger für die Taste &quot;J&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand middle finger for the &quot;K&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und nimm dann deinen rechten Mittelfinger für die Taste &quot;K&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand ring finger for the &quot;L&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und nimm dann deinen rechten Ringfinger für die Taste &quot;L&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;Q&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Taste nach oben und etwas nach links, um die Taste &quot;Q&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>The &quot;Q&quot; is under your left hand little finger.</source>
        <translation>Das &quot;Q&quot; liegt unter deinem linken kleinen Finger.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;W&quot; key.</source>
        <translation>Bewege deinen linken Ringfinger eine Taste nach oben und etwas nach links, um die Taste &quot;W&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;W&quot; key</source>
        <translation>Bewege deinen linken kleinen Finger eine Reihe nach unten, um die Taste &quot;W&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger up one key and slightly to the left to reach the &quot;E&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken Mittelfinger eine Taste nach oben und etwas nach links zur Taste &quot;E&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and slightly to the left to reach the &quot;R&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken Zeigefinger eine Taste nach oben und etwas nach links zur Taste &quot;R&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and to the right.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken Zeigefinger eine Taste nach oben und nach rechts.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your left hand little finger down one row to type the &quot;Y&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken kleinen Finger eine Reihe nach unten, um die Taste &quot;Y&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger up one key and slightly to the left to reach the &quot;U&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und bewege dann deinen rechten Zeigefinger eine Taste nach oben und etwas nach links, um die Taste &quot;U&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand middle finger up one key and slightly to the left to reach the &quot;I&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und bewege dann deinen rechten Mittelfinger eine Taste nach oben und etwas nach links, um die Taste &quot;I&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand ring finger up one key and slightly to the left to reach the &quot;O&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und bewege dann deinen rechten Ringfinger eine Taste nach oben und etwas nach links, um die Taste &quot;O&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand little finger up one key and slightly to the left to reach the &quot;P&quot; key.</source>
        <translation>Drücke zuerst die linke Umschalttaste und bewege dann deinen rechten kleinen Finger eine Taste nach oben und etwas nach links, um die Taste &quot;P&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;Z&quot; key.</source>
        <translation>Bewege deinen linken kleinen Finger eine Taste nach unten und etwas nach rechts, um die Taste &quot;Z&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;Z&quot; key.</source>
        <translation>Bewege deine rechte Hand eine Reihe nach oben und eine Taste nach links, um die Taste &quot;Z&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;Z&quot; key.</source>
        <translation>Bewege deinen linken Ringfinger eine Reihe nach oben, um die Taste &quot;Z&quot; zu tippen.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand ring finger down one key and slightly to the right to reach the &quot;X&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken Ringfinger eine Taste nach unten und etwas nach rechts zur Taste &quot;X&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger down one key and slightly to the right to reach the &quot;C&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken Mittelfinger eine Taste nach unten und etwas nach rechts zur Taste &quot;C&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger down one key and slightly to the right to reach the &quot;V&quot; key.</source>
        <translation>Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken Zeigefinger eine Taste nach unten und etwas nach rechts zur Taste &quot;V&quot;.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;B&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Diese Taste ist für Anfänger knifflig. Das &quot;B&quot; erreichst du mit beiden Händen gleich gut, meistens lernt man aber die linke Hand.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger down and slightly to the left.</source>
        <translation>Drücke zuerst die linke Umschalttaste und bewege dann deinen rechten Zeigefinger nach unten und etwas nach links.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;M&quot; key.</source>
        <translation>Bewege deinen rechten Zeigefinger nach unten und etwas nach rechts, um die Taste &quot;M&quot; zu erreichen.</translation>
    </message>
    <message>
        <source>The &quot;M&quot; key is on the home row under your right hand little finger.</source>
        <translation>Die Taste &quot;M&quot; liegt in der Grundreihe unter deinem rechten kleinen Finger.</translation>
    </message>
    <message>
        <source>Type the blue key before the green.</source>
        <translation>Tippe zuerst die blaue Taste und dann die grüne.</translation>
    </message>
</context>
<context>
    <name>FolderStudentStore</name>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a student file: %2. Keyfarer leaves it alone; ask whoever looks after this computer to remove or rename it.</source>
        <translation>„%1“ ist keine Schülerdatei: %2. Keyfarer lässt sie unberührt; bitte die Person, die diesen Computer betreut, sie zu entfernen oder umzubenennen.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is gone.</source>
        <translation>Der Arbeitsordner „%1“ ist nicht mehr da.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be written to.</source>
        <translation>In den Arbeitsordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>There is no space left on the disk that holds &quot;%1&quot;.</source>
        <translation>Auf dem Datenträger mit „%1“ ist kein Platz mehr frei.</translation>
    </message>
    <message>
        <source>

Your work is still kept by Keyfarer. Free some space on the disk or check that you may write in the working folder, then try again.</source>
        <translation>

Keyfarer hat deine Arbeit noch. Schaffe Platz auf dem Datenträger oder prüfe, ob du im Arbeitsordner schreiben darfst, und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>it is a link leading out of the working folder</source>
        <translation>es ist ein Verweis, der aus dem Arbeitsordner hinausführt</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es ist %1</translation>
    </message>
    <message>
        <source> (on %1)</source>
        <translation> (auf %1)</translation>
    </message>
    <message>
        <source>%1 is in use elsewhere: another copy of Keyfarer%2 has this student. Close it there first, then take the name again.</source>
        <translation>%1 wird gerade woanders benutzt: Keyfarer ist mit diesem Namen noch geöffnet%2. Schließe es dort zuerst und wähle den Namen dann noch einmal.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>es ist ein Verweis, der ins Leere führt</translation>
    </message>
    <message>
        <source>it is marked read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 cannot be taken: &quot;%2&quot; should be this student&apos;s lock, but %3. Ask whoever looks after this computer to remove it; until then choose or make another name.</source>
        <translation>%1 kann nicht gewählt werden: „%2“ sollte die Sperre dieses Schülers sein, aber %3. Bitte die Person, die diesen Computer betreut, sie zu entfernen; bis dahin wähle einen anderen Namen oder lege einen neuen an.</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any lock</source>
        <translation>sie enthält %1 Bytes, weit mehr als jede Sperre</translation>
    </message>
</context>
<context>
    <name>KeyboardPicture</name>
    <message>
        <source>If you are using one of the International Keyboards, it was not found. From the opening screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this does not work, you may have to reinstall Keyfarer.</source>
        <translation>Falls du eine der internationalen Tastaturen verwendest: Sie wurde nicht gefunden. Wähle im Menü des Startfensters Zusätzliches/Tastaturbelegung, um die Tastatur wiederherzustellen. Wenn das nicht hilft, musst du Keyfarer vielleicht neu installieren.</translation>
    </message>
    <message>
        <source>One or more of the keyboard files are missing. You may need to reinstall Keyfarer.</source>
        <translation>Eine oder mehrere Tastaturdateien fehlen. Vielleicht musst du Keyfarer neu installieren.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Lesson &amp;1 -- DFERJKUI</source>
        <translation>Lektion &amp;1 -- DFERJKUI</translation>
    </message>
    <message>
        <source>Lesson &amp;2 -- CVM</source>
        <translation>Lektion &amp;2 -- CVM</translation>
    </message>
    <message>
        <source>Lesson &amp;3 -- ASL;</source>
        <translation>Lektion &amp;3 -- ASL;</translation>
    </message>
    <message>
        <source>Lesson &amp;4 -- TYGH</source>
        <translation>Lektion &amp;4 -- TYGH</translation>
    </message>
    <message>
        <source>Lesson &amp;5 -- QWOP</source>
        <translation>Lektion &amp;5 -- QWOP</translation>
    </message>
    <message>
        <source>Lesson &amp;6 -- BN,.</source>
        <translation>Lektion &amp;6 -- BN,.</translation>
    </message>
    <message>
        <source>Lesson &amp;7 -- ZX</source>
        <translation>Lektion &amp;7 -- ZX</translation>
    </message>
    <message>
        <source>Lesson &amp;8 -- Shift Keys</source>
        <translation>Lektion &amp;8 -- Umschalttasten</translation>
    </message>
    <message>
        <source>Lesson &amp;9 -- Common Punctuation</source>
        <translation>Lektion &amp;9 -- Häufige Satzzeichen</translation>
    </message>
    <message>
        <source>Lesson 1&amp;0 -- Number Keys</source>
        <translation>Lektion 1&amp;0 -- Zifferntasten</translation>
    </message>
    <message>
        <source>Lesson 11 -- &amp;Symbols</source>
        <translation>Lektion 11 -- &amp;Sonderzeichen</translation>
    </message>
    <message>
        <source>&amp;Exit Keyfarer</source>
        <translation>Keyfarer &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Home Row Only</source>
        <translation>Nur &amp;Grundreihe</translation>
    </message>
    <message>
        <source>&amp;Top Row Only</source>
        <translation>Nur &amp;obere Reihe</translation>
    </message>
    <message>
        <source>&amp;Bottom Row Only</source>
        <translation>Nur &amp;untere Reihe</translation>
    </message>
    <message>
        <source>H&amp;ome &amp;&amp; Top Rows</source>
        <translation>Grund- &amp;&amp; o&amp;bere Reihe</translation>
    </message>
    <message>
        <source>Hom&amp;e &amp;&amp; Bottom Rows</source>
        <translation>Grund- &amp;&amp; un&amp;tere Reihe</translation>
    </message>
    <message>
        <source>&amp;All Three Rows</source>
        <translation>&amp;Alle drei Reihen</translation>
    </message>
    <message>
        <source>All &amp;&amp; &amp;Common Punctuation</source>
        <translation>Alle &amp;&amp; &amp;häufige Satzzeichen</translation>
    </message>
    <message>
        <source>&amp;Numbers Only</source>
        <translation>Nur &amp;Ziffern</translation>
    </message>
    <message>
        <source>&amp;Symbols Only</source>
        <translation>Nur &amp;Sonderzeichen</translation>
    </message>
    <message>
        <source>&amp;Do Everything</source>
        <translation>Alles &amp;üben</translation>
    </message>
    <message>
        <source>Choose &amp;Your Own Keys</source>
        <translation>&amp;Eigene Tasten wählen</translation>
    </message>
    <message>
        <source>&amp;Common Letter Combinations</source>
        <translation>&amp;Häufige Buchstabenfolgen</translation>
    </message>
    <message>
        <source>&amp;Easy Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Einfache Wortgruppen &amp;&amp; Satzteile</translation>
    </message>
    <message>
        <source>&amp;Short Sentences</source>
        <translation>&amp;Kurze Sätze</translation>
    </message>
    <message>
        <source>&amp;Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Wortgruppen &amp;&amp; Satzteile</translation>
    </message>
    <message>
        <source>&amp;Easy Sentences</source>
        <translation>&amp;Einfache Sätze</translation>
    </message>
    <message>
        <source>&amp;Normal Sentences</source>
        <translation>&amp;Normale Sätze</translation>
    </message>
    <message>
        <source>&amp;Harder Sentences</source>
        <translation>&amp;Schwierigere Sätze</translation>
    </message>
    <message>
        <source>&amp;Learn Number Keypad</source>
        <translation>&amp;Ziffernblock lernen</translation>
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
        <translation>Benutzerdateien si&amp;chern</translation>
    </message>
    <message>
        <source>&amp;English (US)</source>
        <translation>&amp;Englisch (US)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Englisch (UK)</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanisch</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienisch</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Französisch</translation>
    </message>
    <message>
        <source>&amp;Ten Line Tests</source>
        <translation>&amp;Zehn-Zeilen-Tests</translation>
    </message>
    <message>
        <source>Ti&amp;medTests</source>
        <translation>&amp;Tests auf Zeit</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Visit My Web Site</source>
        <translation>&amp;Webseite besuchen</translation>
    </message>
    <message>
        <source>&amp;About Keyfarer</source>
        <translation>Ü&amp;ber Keyfarer</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lektionen</translation>
    </message>
    <message>
        <source>&amp;Beginners Drills</source>
        <translation>&amp;Anfängerübungen</translation>
    </message>
    <message>
        <source>Inter&amp;mediate Drills</source>
        <translation>&amp;Mittelstufe</translation>
    </message>
    <message>
        <source>&amp;Advanced Drills</source>
        <translation>&amp;Fortgeschrittene</translation>
    </message>
    <message>
        <source>A&amp;dditional</source>
        <translation>&amp;Zusätzliches</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Spiele</translation>
    </message>
    <message>
        <source>&amp;Make Your Own Text Files</source>
        <translation>Eigene &amp;Textdateien erstellen</translation>
    </message>
    <message>
        <source>&amp;Keyboard Nationality</source>
        <translation>Tastatur&amp;belegung</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Spr&amp;ache</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Spanish Characters</source>
        <translation>&amp;Sonderzeichen &amp;&amp; spanische Zeichen</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; German Characters</source>
        <translation>&amp;Sonderzeichen &amp;&amp; deutsche Zeichen</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Italian Characters</source>
        <translation>&amp;Sonderzeichen &amp;&amp; italienische Zeichen</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; French Characters</source>
        <translation>&amp;Sonderzeichen &amp;&amp; französische Zeichen</translation>
    </message>
    <message>
        <source>&amp;Class Overview</source>
        <translation>Klassen&amp;übersicht</translation>
    </message>
    <message>
        <source>&amp;Trouble Keys</source>
        <translation>&amp;Problemtasten</translation>
    </message>
    <message>
        <source>Teacher&apos;s and Admin&apos;s &amp;Guide</source>
        <translation>&amp;Handbuch für Lehrkräfte und Admins</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>User = </source>
        <translation>Benutzer = </translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Neuer Benutzer</translation>
    </message>
    <message>
        <source>Select User</source>
        <translation>Benutzer wählen</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Nächste Lektion</translation>
    </message>
    <message>
        <source>Your Stats</source>
        <translation>Deine Statistik</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>One or more of the sound files cannot be found. You may need to reinstall Keyfarer to restore the wave files.</source>
        <translation>Eine oder mehrere Klangdateien wurden nicht gefunden. Vielleicht musst du Keyfarer neu installieren, um die WAV-Dateien wiederherzustellen.</translation>
    </message>
    <message>
        <source>Welcome To Keyfarer!. If you are a new user, close this box and click the &quot;New User&quot; link above to create a user file.</source>
        <translation>Willkommen bei Keyfarer! Wenn du neu bist, schließe dieses Fenster und klicke oben auf „Neuer Benutzer“, um eine Benutzerdatei anzulegen.</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor -- Learn the Keyboard</source>
        <translation>Keyfarer Tipptrainer -- Lerne die Tastatur</translation>
    </message>
    <message>
        <source>

Try again to save the work of %1, or quit without saving it?</source>
        <translation>

Noch einmal versuchen, die Arbeit von %1 zu speichern, oder ohne Speichern beenden?</translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
</context>
<context>
    <name>PictureBuilder</name>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be drawn.</source>
        <translation>Das Tastaturbild „%1“ konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be written: %2</source>
        <translation>Das Tastaturbild „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>There are no keyboard pictures for nationality code %1.</source>
        <translation>Für den Ländercode %1 gibt es keine Tastaturbilder.</translation>
    </message>
    <message>
        <source>The blank keyboard picture &quot;%1&quot; could not be read.</source>
        <translation>Das leere Tastaturbild „%1“ konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>No Delay</source>
        <translation>Keine Verzögerung</translation>
    </message>
    <message>
        <source>1 second delay</source>
        <translation>1 Sekunde Verzögerung</translation>
    </message>
    <message>
        <source>2 seconds delay</source>
        <translation>2 Sekunden Verzögerung</translation>
    </message>
    <message>
        <source>3 seconds delay</source>
        <translation>3 Sekunden Verzögerung</translation>
    </message>
    <message>
        <source>4 seconds delay</source>
        <translation>4 Sekunden Verzögerung</translation>
    </message>
    <message>
        <source>5 seconds delay</source>
        <translation>5 Sekunden Verzögerung</translation>
    </message>
    <message>
        <source>6 seconds delay</source>
        <translation>6 Sekunden Verzögerung</translation>
    </message>
    <message>
        <source>7 seconds delay</source>
        <translation>7 Sekunden Verzögerung</translation>
    </message>
    <message>
        <source>8 seconds delay</source>
        <translation>8 Sekunden Verzögerung</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Key Tap Sound</source>
        <translation>Tastenklick</translation>
    </message>
    <message>
        <source>Key Tap On</source>
        <translation>Klick an</translation>
    </message>
    <message>
        <source>Key Tap Off</source>
        <translation>Klick aus</translation>
    </message>
    <message>
        <source>Beep On Error</source>
        <translation>Piepton bei Fehler</translation>
    </message>
    <message>
        <source>Beep On</source>
        <translation>Piepton an</translation>
    </message>
    <message>
        <source>Beep Off</source>
        <translation>Piepton aus</translation>
    </message>
    <message>
        <source>Characters On Keyboard</source>
        <translation>Zeichen auf der Tastatur</translation>
    </message>
    <message>
        <source>See all Keys</source>
        <translation>Alle Tasten zeigen</translation>
    </message>
    <message>
        <source>Hide all Keys</source>
        <translation>Alle Tasten ausblenden</translation>
    </message>
    <message>
        <source>Hand Thickness</source>
        <translation>Linienstärke der Hände</translation>
    </message>
    <message>
        <source>One Line</source>
        <translation>Eine Linie</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Zwei Linien</translation>
    </message>
    <message>
        <source>Add Enter Key (Beginners)</source>
        <translation>Enter-Taste anhängen (Anfänger)</translation>
    </message>
    <message>
        <source>Add Enter Key</source>
        <translation>Enter-Taste anhängen</translation>
    </message>
    <message>
        <source>No Enter Key</source>
        <translation>Keine Enter-Taste</translation>
    </message>
    <message>
        <source>Add Enter Key (Intermediate)</source>
        <translation>Enter-Taste anhängen (Mittelstufe)</translation>
    </message>
    <message>
        <source>Line Font Style</source>
        <translation>Schriftstil der Zeilen</translation>
    </message>
    <message>
        <source>Bold Font</source>
        <translation>Fette Schrift</translation>
    </message>
    <message>
        <source>Regular Font</source>
        <translation>Normale Schrift</translation>
    </message>
    <message>
        <source>Add Enter Key (Advanced)</source>
        <translation>Enter-Taste anhängen (Fortgeschrittene)</translation>
    </message>
    <message>
        <source>Font Style (Advanced)</source>
        <translation>Schriftstil (Fortgeschrittene)</translation>
    </message>
    <message>
        <source>Bold Fonts</source>
        <translation>Fette Schrift</translation>
    </message>
    <message>
        <source>Regular Fonts</source>
        <translation>Normale Schrift</translation>
    </message>
    <message>
        <source>Lines (Keyfarer) </source>
        <translation>Zeilen (Keyfarer) </translation>
    </message>
    <message>
        <source>See lines ahead</source>
        <translation>Kommende Zeilen zeigen</translation>
    </message>
    <message>
        <source>Hide lines ahead</source>
        <translation>Kommende Zeilen ausblenden</translation>
    </message>
    <message>
        <source>Pointer (Keyfarer)</source>
        <translation>Zeiger (Keyfarer)</translation>
    </message>
    <message>
        <source>See pointer above lines</source>
        <translation>Zeiger über den Zeilen zeigen</translation>
    </message>
    <message>
        <source>Hide pointer above lines</source>
        <translation>Zeiger über den Zeilen ausblenden</translation>
    </message>
    <message>
        <source>Font Style (Keyfarer)</source>
        <translation>Schriftstil (Keyfarer)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Beginners &amp;&amp; Intermediate</source>
        <translation>Anfänger &amp;&amp; Mittelstufe</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
    <message>
        <source>Advanced &amp;&amp; Keyfarer</source>
        <translation>Fortgeschrittene &amp;&amp; Keyfarer</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Tests auf Zeit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hand Color</source>
        <translation>Farbe der Hände</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Standardfarbe</translation>
    </message>
    <message>
        <source>Beginners Hand Delay</source>
        <translation>Verzögerung der Hände (Anfänger)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear in the Beginners Section.</source>
        <translation>Oben wählst du, wie viele Sekunden es dauert, bis im Anfängerbereich die Hände erscheinen.</translation>
    </message>
    <message>
        <source>Intermediate Hand Delay</source>
        <translation>Verzögerung der Hände (Mittelstufe)</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>Turns: how many times each pair of lines is typed.</source>
        <translation>Durchgänge: wie oft jedes Zeilenpaar getippt wird.</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>WpM</translation>
    </message>
    <message>
        <source>WPM: the words per minute to aim for.</source>
        <translation>WpM: die Wörter pro Minute, die du erreichen willst.</translation>
    </message>
    <message>
        <source>Lessons Hand Delay</source>
        <translation>Verzögerung der Hände (Lektionen)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear.</source>
        <translation>Oben wählst du, wie viele Sekunden es dauert, bis die Hände erscheinen.</translation>
    </message>
    <message>
        <source>Line Font Used</source>
        <translation>Schriftart der Zeilen</translation>
    </message>
    <message>
        <source>Sans Serif</source>
        <translation>Serifenlos</translation>
    </message>
    <message>
        <source>Use the Up/Down arrow buttons below to choose how many minutes you want to type.</source>
        <translation>Wähle mit den Pfeilknöpfen unten, wie viele Minuten du tippen möchtest.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Backspace allowed</source>
        <translation>Rücktaste erlaubt</translation>
    </message>
    <message>
        <source>No Backspace</source>
        <translation>Ohne Rücktaste</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
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
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Font Type</source>
        <translation>Schriftschnitt</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Time Used Gauge</source>
        <translation>Anzeige der Zeit</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verborgen</translation>
    </message>
    <message>
        <source>Completed Gauge</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>Sound can be adjusted by clicking the Global Options tab above and to the left.</source>
        <translation>Den Ton stellst du oben links auf der Registerkarte „Allgemein“ ein.</translation>
    </message>
    <message>
        <source>Speak each key and finger</source>
        <translation>Jede Taste und jeden Finger ansagen</translation>
    </message>
    <message>
        <source>Choose a user name first.</source>
        <translation>Wähle zuerst einen Benutzernamen.</translation>
    </message>
    <message>
        <source>Each new key and its finger are read aloud during a drill.</source>
        <translation>Während einer Übung wird jede neue Taste mit ihrem Finger vorgelesen.</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>PressJournal</name>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>sie wurde von einer neueren Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>Your key presses could not be written to %1 (%2). They are kept and written at the end of the next set.</source>
        <translation>Deine Tastenanschläge konnten nicht in %1 geschrieben werden (%2). Sie bleiben erhalten und werden am Ende der nächsten Runde geschrieben.</translation>
    </message>
    <message>
        <source>The record of your key presses in %1 was damaged. It was renamed to %2 and a new one was begun. Your sets and your student file are safe.</source>
        <translation>Die Aufzeichnung deiner Tastenanschläge in %1 war beschädigt. Sie wurde in %2 umbenannt und eine neue wurde begonnen. Deine Runden und deine Schülerdatei sind sicher.</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer could not be started (%1).</source>
        <translation>Der Drucker konnte nicht gestartet werden (%1).</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Bericht zeigen</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Bericht ansehen</translation>
    </message>
    <message>
        <source>View User Name to the Left</source>
        <translation>Den Namen links ansehen</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Hide to View Charts</source>
        <translation>Ausblenden, um die Diagramme zu sehen</translation>
    </message>
    <message>
        <source>Click &quot;Hide&quot; to view charts:</source>
        <translation>Zu den Diagrammen:</translation>
    </message>
    <message>
        <source>Summary report</source>
        <translation>Zusammenfassender Bericht</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Benutzernamen</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>User name is not valid. </source>
        <translation>Der Benutzername ist ungültig. </translation>
    </message>
    <message>
        <source>User name is not valid. Use at least 2 characters and no more than 40.</source>
        <translation>Der Benutzername ist ungültig. Verwende mindestens 2 und höchstens 40 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;.&quot; and &quot;..&quot; name folders, not students. Choose a name with letters in it.</source>
        <translation>„.“ und „..“ bezeichnen Ordner, keine Schüler. Wähle einen Namen mit Buchstaben.</translation>
    </message>
    <message>
        <source>It holds a control character such as a tab. Use letters, digits and blanks.</source>
        <translation>Er enthält ein Steuerzeichen, zum Beispiel einen Tabulator. Verwende Buchstaben, Ziffern und Leerzeichen.</translation>
    </message>
    <message>
        <source>A user name cannot hold any of the characters / \ : * ? &quot; &lt; &gt; |, and &quot;%1&quot; is one of them.</source>
        <translation>Ein Benutzername darf keines der Zeichen / \ : * ? &quot; &lt; &gt; | enthalten, und „%1“ ist eines davon.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be used in a user name. Use letters, digits and blanks.</source>
        <translation>Das Zeichen „%1“ darf in einem Benutzernamen nicht vorkommen. Verwende Buchstaben, Ziffern und Leerzeichen.</translation>
    </message>
    <message>
        <source>You cannot delete the last username on the list.</source>
        <translation>Du kannst den letzten Benutzernamen der Liste nicht löschen.</translation>
    </message>
    <message>
        <source>You cannot delete the username you are currently using. </source>
        <translation>Du kannst den Benutzernamen, den du gerade verwendest, nicht löschen. </translation>
    </message>
    <message>
        <source>Invalid User Name</source>
        <translation>Ungültiger Benutzername</translation>
    </message>
    <message>
        <source>Some systems keep this name for a device. Choose another name.</source>
        <translation>Manche Systeme verwenden diesen Namen für ein Gerät. Wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be deleted: %2</source>
        <translation>Die Schülerdatei „%1“ konnte nicht gelöscht werden: %2</translation>
    </message>
</context>
<context>
    <name>SaveStudent</name>
    <message>
        <source>You are viewing the figures of %1, so nothing is saved now. To go on typing as %2, view or take the name %2 again.</source>
        <translation>Du siehst dir gerade die Zahlen von %1 an, deshalb wird jetzt nichts gespeichert. Um als %2 weiterzutippen, sieh dir den Namen %2 wieder an oder wähle ihn noch einmal.</translation>
    </message>
</context>
<context>
    <name>SpeechOutput</name>
    <message>
        <source>The speech module could not be loaded: %1</source>
        <translation>Das Sprachmodul konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Es ist keine Sprachausgabe installiert.</translation>
    </message>
    <message>
        <source>The speech engine failed: %1</source>
        <translation>Die Sprachausgabe ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>SpokenKey</name>
    <message>
        <source>capital %1</source>
        <translation>großes %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <source>double quote</source>
        <translation>Anführungszeichen</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>Rautezeichen</translation>
    </message>
    <message>
        <source>dollar sign</source>
        <translation>Dollarzeichen</translation>
    </message>
    <message>
        <source>percent sign</source>
        <translation>Prozentzeichen</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>Und-Zeichen</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <source>left parenthesis</source>
        <translation>runde Klammer auf</translation>
    </message>
    <message>
        <source>right parenthesis</source>
        <translation>runde Klammer zu</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>Sternchen</translation>
    </message>
    <message>
        <source>plus sign</source>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>Doppelpunkt</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>less-than sign</source>
        <translation>Kleiner-als-Zeichen</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>Gleichheitszeichen</translation>
    </message>
    <message>
        <source>greater-than sign</source>
        <translation>Größer-als-Zeichen</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>At-Zeichen</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>eckige Klammer auf</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>umgekehrter Schrägstrich</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>eckige Klammer zu</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>Zirkumflex</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>Unterstrich</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>Gravis</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>geschweifte Klammer auf</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>senkrechter Strich</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>geschweifte Klammer zu</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <source>euro sign</source>
        <translation>Eurozeichen</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>geschütztes Leerzeichen</translation>
    </message>
    <message>
        <source>inverted exclamation mark</source>
        <translation>umgekehrtes Ausrufezeichen</translation>
    </message>
    <message>
        <source>cent sign</source>
        <translation>Centzeichen</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>Pfundzeichen</translation>
    </message>
    <message>
        <source>currency sign</source>
        <translation>Währungszeichen</translation>
    </message>
    <message>
        <source>yen sign</source>
        <translation>Yenzeichen</translation>
    </message>
    <message>
        <source>broken bar</source>
        <translation>unterbrochener Strich</translation>
    </message>
    <message>
        <source>section sign</source>
        <translation>Paragrafenzeichen</translation>
    </message>
    <message>
        <source>umlaut accent</source>
        <translation>Trema</translation>
    </message>
    <message>
        <source>copyright sign</source>
        <translation>Copyright-Zeichen</translation>
    </message>
    <message>
        <source>feminine ordinal indicator</source>
        <translation>hochgestelltes a</translation>
    </message>
    <message>
        <source>left angle quotes</source>
        <translation>Anführungszeichen nach links</translation>
    </message>
    <message>
        <source>not sign</source>
        <translation>Negationszeichen</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>weicher Trennstrich</translation>
    </message>
    <message>
        <source>registered sign</source>
        <translation>Zeichen für eingetragene Marke</translation>
    </message>
    <message>
        <source>macron</source>
        <translation>Makron</translation>
    </message>
    <message>
        <source>degree sign</source>
        <translation>Gradzeichen</translation>
    </message>
    <message>
        <source>plus-minus sign</source>
        <translation>Plus-Minus-Zeichen</translation>
    </message>
    <message>
        <source>superscript two</source>
        <translation>hochgestellte Zwei</translation>
    </message>
    <message>
        <source>superscript three</source>
        <translation>hochgestellte Drei</translation>
    </message>
    <message>
        <source>acute accent</source>
        <translation>Akut</translation>
    </message>
    <message>
        <source>micro sign</source>
        <translation>Mikrozeichen</translation>
    </message>
    <message>
        <source>pilcrow sign</source>
        <translation>Absatzzeichen</translation>
    </message>
    <message>
        <source>middle dot</source>
        <translation>Mittelpunkt</translation>
    </message>
    <message>
        <source>cedilla</source>
        <translation>Cedille</translation>
    </message>
    <message>
        <source>superscript one</source>
        <translation>hochgestellte Eins</translation>
    </message>
    <message>
        <source>masculine ordinal indicator</source>
        <translation>hochgestelltes o</translation>
    </message>
    <message>
        <source>right angle quotes</source>
        <translation>Anführungszeichen nach rechts</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>ein Viertel</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>einhalb</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>drei Viertel</translation>
    </message>
    <message>
        <source>inverted question mark</source>
        <translation>umgekehrtes Fragezeichen</translation>
    </message>
    <message>
        <source>capital A grave</source>
        <translation>großes A mit Gravis</translation>
    </message>
    <message>
        <source>capital A acute</source>
        <translation>großes A mit Akut</translation>
    </message>
    <message>
        <source>capital A circumflex</source>
        <translation>großes A mit Zirkumflex</translation>
    </message>
    <message>
        <source>capital A tilde</source>
        <translation>großes A mit Tilde</translation>
    </message>
    <message>
        <source>capital A umlaut</source>
        <translation>großes A-Umlaut</translation>
    </message>
    <message>
        <source>capital A ring</source>
        <translation>großes A mit Ring</translation>
    </message>
    <message>
        <source>capital A E ligature</source>
        <translation>große A-E-Ligatur</translation>
    </message>
    <message>
        <source>capital C cedilla</source>
        <translation>großes C mit Cedille</translation>
    </message>
    <message>
        <source>capital E grave</source>
        <translation>großes E mit Gravis</translation>
    </message>
    <message>
        <source>capital E acute</source>
        <translation>großes E mit Akut</translation>
    </message>
    <message>
        <source>capital E circumflex</source>
        <translation>großes E mit Zirkumflex</translation>
    </message>
    <message>
        <source>capital E umlaut</source>
        <translation>großes E mit Trema</translation>
    </message>
    <message>
        <source>capital I grave</source>
        <translation>großes I mit Gravis</translation>
    </message>
    <message>
        <source>capital I acute</source>
        <translation>großes I mit Akut</translation>
    </message>
    <message>
        <source>capital I circumflex</source>
        <translation>großes I mit Zirkumflex</translation>
    </message>
    <message>
        <source>capital I umlaut</source>
        <translation>großes I mit Trema</translation>
    </message>
    <message>
        <source>capital eth</source>
        <translation>großes Eth</translation>
    </message>
    <message>
        <source>capital N tilde</source>
        <translation>großes N mit Tilde</translation>
    </message>
    <message>
        <source>capital O grave</source>
        <translation>großes O mit Gravis</translation>
    </message>
    <message>
        <source>capital O acute</source>
        <translation>großes O mit Akut</translation>
    </message>
    <message>
        <source>capital O circumflex</source>
        <translation>großes O mit Zirkumflex</translation>
    </message>
    <message>
        <source>capital O tilde</source>
        <translation>großes O mit Tilde</translation>
    </message>
    <message>
        <source>capital O umlaut</source>
        <translation>großes O-Umlaut</translation>
    </message>
    <message>
        <source>multiplication sign</source>
        <translation>Malzeichen</translation>
    </message>
    <message>
        <source>capital O stroke</source>
        <translation>großes O mit Schrägstrich</translation>
    </message>
    <message>
        <source>capital U grave</source>
        <translation>großes U mit Gravis</translation>
    </message>
    <message>
        <source>capital U acute</source>
        <translation>großes U mit Akut</translation>
    </message>
    <message>
        <source>capital U circumflex</source>
        <translation>großes U mit Zirkumflex</translation>
    </message>
    <message>
        <source>capital U umlaut</source>
        <translation>großes U-Umlaut</translation>
    </message>
    <message>
        <source>capital Y acute</source>
        <translation>großes Y mit Akut</translation>
    </message>
    <message>
        <source>capital thorn</source>
        <translation>großes Thorn</translation>
    </message>
    <message>
        <source>sharp s</source>
        <translation>Eszett</translation>
    </message>
    <message>
        <source>a grave</source>
        <translation>a mit Gravis</translation>
    </message>
    <message>
        <source>a acute</source>
        <translation>a mit Akut</translation>
    </message>
    <message>
        <source>a circumflex</source>
        <translation>a mit Zirkumflex</translation>
    </message>
    <message>
        <source>a tilde</source>
        <translation>a mit Tilde</translation>
    </message>
    <message>
        <source>a umlaut</source>
        <translation>a-Umlaut</translation>
    </message>
    <message>
        <source>a ring</source>
        <translation>a mit Ring</translation>
    </message>
    <message>
        <source>a e ligature</source>
        <translation>a-e-Ligatur</translation>
    </message>
    <message>
        <source>c cedilla</source>
        <translation>c mit Cedille</translation>
    </message>
    <message>
        <source>e grave</source>
        <translation>e mit Gravis</translation>
    </message>
    <message>
        <source>e acute</source>
        <translation>e mit Akut</translation>
    </message>
    <message>
        <source>e circumflex</source>
        <translation>e mit Zirkumflex</translation>
    </message>
    <message>
        <source>e umlaut</source>
        <translation>e mit Trema</translation>
    </message>
    <message>
        <source>i grave</source>
        <translation>i mit Gravis</translation>
    </message>
    <message>
        <source>i acute</source>
        <translation>i mit Akut</translation>
    </message>
    <message>
        <source>i circumflex</source>
        <translation>i mit Zirkumflex</translation>
    </message>
    <message>
        <source>i umlaut</source>
        <translation>i mit Trema</translation>
    </message>
    <message>
        <source>eth</source>
        <translation>Eth</translation>
    </message>
    <message>
        <source>n tilde</source>
        <translation>n mit Tilde</translation>
    </message>
    <message>
        <source>o grave</source>
        <translation>o mit Gravis</translation>
    </message>
    <message>
        <source>o acute</source>
        <translation>o mit Akut</translation>
    </message>
    <message>
        <source>o circumflex</source>
        <translation>o mit Zirkumflex</translation>
    </message>
    <message>
        <source>o tilde</source>
        <translation>o mit Tilde</translation>
    </message>
    <message>
        <source>o umlaut</source>
        <translation>o-Umlaut</translation>
    </message>
    <message>
        <source>division sign</source>
        <translation>Geteiltzeichen</translation>
    </message>
    <message>
        <source>o stroke</source>
        <translation>o mit Schrägstrich</translation>
    </message>
    <message>
        <source>u grave</source>
        <translation>u mit Gravis</translation>
    </message>
    <message>
        <source>u acute</source>
        <translation>u mit Akut</translation>
    </message>
    <message>
        <source>u circumflex</source>
        <translation>u mit Zirkumflex</translation>
    </message>
    <message>
        <source>u umlaut</source>
        <translation>u-Umlaut</translation>
    </message>
    <message>
        <source>y acute</source>
        <translation>y mit Akut</translation>
    </message>
    <message>
        <source>thorn</source>
        <translation>Thorn</translation>
    </message>
    <message>
        <source>y umlaut</source>
        <translation>y mit Trema</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Beginner&apos;s Drills</source>
        <translation>Anfängerübungen</translation>
    </message>
    <message>
        <source>After Switching names, it is recommended that you restart the program before continuing to type. This will protect the most recent chart data from being lost. If you haven&apos;t typed since starting Keyfarer, you don&apos;t have to restart.</source>
        <translation>Nach einem Namenswechsel solltest du das Programm neu starten, bevor du weitertippst. So gehen die neuesten Diagrammdaten nicht verloren. Wenn du seit dem Start von Keyfarer nicht getippt hast, musst du nicht neu starten.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Individual Key Charts</source>
        <translation>Diagramme einzelner Tasten</translation>
    </message>
    <message>
        <source>Overall Statistics</source>
        <translation>Gesamtstatistik</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Current User</source>
        <translation>Aktueller Benutzer</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Benutzer wechseln</translation>
    </message>
    <message>
        <source>Recommended for Teachers Viewing  Charts &amp; Stats Only</source>
        <translation>Empfohlen für Lehrkräfte, die nur Diagramme und Statistiken ansehen</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Bericht ansehen</translation>
    </message>
    <message>
        <source>Close Charts</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Today or Last</source>
        <translation>Heute oder zuletzt</translation>
    </message>
    <message>
        <source>Typing History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Program Section</source>
        <translation>Programmbereich</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Letters &amp;&amp; Punctuation</source>
        <translation>Buchstaben, Satzzeichen</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message>
        <source>International Keys</source>
        <translation>Internationale Tasten</translation>
    </message>
    <message>
        <source>Right Shift Letter Key Errors = </source>
        <translation>Fehler rechte Umschalttaste = </translation>
    </message>
    <message>
        <source>Left Shift Letter Key Errors = </source>
        <translation>Fehler linke Umschalttaste = </translation>
    </message>
    <message>
        <source>Key Speed</source>
        <translation>Tastentempo</translation>
    </message>
    <message>
        <source>Key Accuracy</source>
        <translation>Tastengenauigkeit</translation>
    </message>
    <message>
        <source>Past 8 Days</source>
        <translation>Letzte 8 Tage</translation>
    </message>
    <message>
        <source>Typing History (all)</source>
        <translation>Gesamter Verlauf</translation>
    </message>
    <message>
        <source>WPM:</source>
        <translation>WpM:</translation>
    </message>
    <message>
        <source>Correct %:</source>
        <translation>Richtig %:</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Adjusted WPM</source>
        <translation>Bereinigte WpM</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Problemtasten</translation>
    </message>
    <message>
        <source>Show as Table</source>
        <translation>Als Tabelle</translation>
    </message>
    <message>
        <source>Show as Chart</source>
        <translation>Als Diagramm</translation>
    </message>
</context>
<context>
    <name>StudentFile</name>
    <message>
        <source>The student file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Schülerdatei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Schülerdatei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be created: %2</source>
        <translation>Die Schülerdatei „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: it holds %2 bytes instead of %3, so it is not a whole student record.</source>
        <translation>Die Schülerdatei „%1“ konnte nicht gelesen werden: Sie enthält %2 statt %3 Bytes und ist daher kein vollständiger Schülerdatensatz.</translation>
    </message>
    <message>
        <source>it could not be synced</source>
        <translation>sie konnte nicht vollständig auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; holds %2 bytes, far more than a student record (%3 bytes), so Keyfarer leaves it alone. Ask whoever looks after this computer to check it, or choose another name.</source>
        <translation>Die Schülerdatei „%1“ enthält %2 Bytes, weit mehr als ein Schülerdatensatz (%3 Bytes), daher lässt Keyfarer sie unberührt. Bitte die Person, die diesen Computer betreut, sie zu prüfen, oder wähle einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>StudentSettings</name>
    <message>
        <source>it is far larger than any settings</source>
        <translation>sie ist weit größer als alle Einstellungen</translation>
    </message>
    <message>
        <source>Your setting could not be kept in &quot;%1&quot;: %2. It holds for now; to keep it, check that you may write in the working folder and that the disk has room, then choose it again.</source>
        <translation>Deine Einstellung konnte nicht in „%1“ gespeichert werden: %2. Sie gilt vorerst; um sie zu behalten, prüfe, ob du im Arbeitsordner schreiben darfst und auf dem Datenträger Platz ist, und wähle sie dann noch einmal.</translation>
    </message>
</context>
<context>
    <name>SummaryReport</name>
    <message>
        <source>Beginners Drills:</source>
        <translation>Anfängerübungen:</translation>
    </message>
    <message>
        <source>-----------------</source>
        <translation>----------------</translation>
    </message>
    <message>
        <source>Accuracy Today or Last:           </source>
        <translation>Genauigkeit heute oder zuletzt:         </translation>
    </message>
    <message>
        <source>Accuracy All Days:                </source>
        <translation>Genauigkeit alle Tage:                  </translation>
    </message>
    <message>
        <source>Slowest Letter Today or Last:     </source>
        <translation>Langsamstes Zeichen heute oder zuletzt: </translation>
    </message>
    <message>
        <source>Best Time Today or Last (Seconds): </source>
        <translation>Bestzeit heute oder zuletzt (Sekunden): </translation>
    </message>
    <message>
        <source>Average of All Sections:</source>
        <translation>Durchschnitt aller Bereiche:</translation>
    </message>
    <message>
        <source>-----------------------</source>
        <translation>---------------------------</translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for Today or Last: </source>
        <translation>Durchschnittliche WpM (alle Bereiche) heute oder zuletzt: </translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for all of history: </source>
        <translation>Durchschnittliche WpM (alle Bereiche) über die ganze Zeit: </translation>
    </message>
    <message>
        <source>Average accuracy (all Sections) for Today or Last: </source>
        <translation>Durchschnittliche Genauigkeit (alle Bereiche) heute oder zuletzt: </translation>
    </message>
    <message>
        <source>Average accuracy (all sections) for all history: </source>
        <translation>Durchschnittliche Genauigkeit (alle Bereiche) über die ganze Zeit: </translation>
    </message>
    <message>
        <source>Student: %1  Date: %2</source>
        <translation>Schüler/in: %1  Datum: %2</translation>
    </message>
</context>
<context>
    <name>SwitchUserPanel</name>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Wähle einen Namen aus der Liste unten.</translation>
    </message>
    <message>
        <source>If you want to continue typing after viewing other names, return to original name.</source>
        <translation>Wenn du nach dem Ansehen anderer Namen weitertippen möchtest, kehre zu deinem eigenen Namen zurück.</translation>
    </message>
    <message>
        <source>View Selected Name</source>
        <translation>Auswahl ansehen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Benutzernamen</translation>
    </message>
</context>
<context>
    <name>TroubleKeysWindow</name>
    <message>
        <source>At or above the goal</source>
        <translation>Am Ziel oder darüber</translation>
    </message>
    <message>
        <source>Less than a tenth below the goal</source>
        <translation>Weniger als ein Zehntel unter dem Ziel</translation>
    </message>
    <message>
        <source>Less than a quarter below the goal</source>
        <translation>Weniger als ein Viertel unter dem Ziel</translation>
    </message>
    <message>
        <source>A quarter or more below the goal</source>
        <translation>Ein Viertel oder mehr unter dem Ziel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Typed Instead</source>
        <translation>Stattdessen getippt</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Problemtasten</translation>
    </message>
    <message>
        <source>Show &amp;speed instead of accuracy</source>
        <translation>&amp;Tempo statt Genauigkeit zeigen</translation>
    </message>
    <message>
        <source>Keyboard coloured by your keys</source>
        <translation>Tastatur nach deinen Tasten gefärbt</translation>
    </message>
    <message>
        <source>Keys &amp;typed instead of others</source>
        <translation>&amp;Verwechselte Tasten</translation>
    </message>
    <message>
        <source>The keys holding you back, last 20 sets (blue: words a minute, red dashed: % accuracy)</source>
        <translation>Die Tasten, die dich bremsen, letzte 20 Runden (blau: Wörter pro Minute, rot gestrichelt: % Genauigkeit)</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Diese Tasten üben</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Export the Presses</source>
        <translation>Tastenanschläge exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The presses could not be exported to %1.</source>
        <translation>Die Tastenanschläge konnten nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>A key holds you back while its time, counting hits only and moving a tenth of the way with each set, is slower than the goal of %1 words a minute, or while fewer than %2 % of its presses hit; the weakest key comes first.</source>
        <translation>Eine Taste bremst dich, solange ihre Zeit (nur Treffer gezählt, mit jeder Runde um ein Zehntel nachgeführt) langsamer ist als das Ziel von %1 Wörtern pro Minute oder solange weniger als %2 % ihrer Anschläge treffen; die schwächste Taste steht vorn.</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Klassenziele: %1 Wörter pro Minute und %2 % Genauigkeit.</translation>
    </message>
    <message>
        <source>%1 has no presses in the journal yet.</source>
        <translation>%1 hat noch keine aufgezeichneten Anschläge.</translation>
    </message>
    <message>
        <source>%1 meets them.</source>
        <translation>%1 erreicht sie.</translation>
    </message>
    <message>
        <source>%1 does not meet them yet.</source>
        <translation>%1 erreicht sie noch nicht.</translation>
    </message>
    <message>
        <source>%1: %2 % of presses hit, %3 words a minute</source>
        <translation>%1: %2 % Treffer, %3 Wörter pro Minute</translation>
    </message>
    <message>
        <source>(another character)</source>
        <translation>(anderes Zeichen)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>%1: no sets yet</source>
        <translation>%1: noch keine Runden</translation>
    </message>
    <message>
        <source>%1 over the last %2 sets: from %3 to %4 words a minute, from %5 % to %6 % accuracy</source>
        <translation>%1 in den letzten %2 Runden: von %3 auf %4 Wörter pro Minute, von %5 % auf %6 % Genauigkeit</translation>
    </message>
</context>
<context>
    <name>UserPanels</name>
    <message>
        <source>Type in a new user name below and click the OK button.</source>
        <translation>Gib unten einen neuen Benutzernamen ein und klicke auf „OK“.</translation>
    </message>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Wähle einen Namen aus der Liste.</translation>
    </message>
    <message>
        <source>This username already exists and Cannot be created.</source>
        <translation>Diesen Benutzernamen gibt es schon. Er kann nicht noch einmal angelegt werden.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have created a user file.</source>
        <translation>Du kannst erst tippen, wenn du eine Benutzerdatei angelegt hast.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have selected a user name from the list.</source>
        <translation>Du kannst erst tippen, wenn du einen Benutzernamen aus der Liste gewählt hast.</translation>
    </message>
    <message>
        <source>You need to type the correct password to delete a username</source>
        <translation>Zum Löschen eines Benutzernamens musst du das richtige Passwort eingeben.</translation>
    </message>
    <message>
        <source>Do you want to delete this username?</source>
        <translation>Möchtest du diesen Benutzernamen löschen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Use this Name</source>
        <translation>Diesen Namen verwenden</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Name löschen</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Neuer Benutzername</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Benutzernamen</translation>
    </message>
    <message>
        <source>Password to delete a name</source>
        <translation>Passwort zum Löschen eines Namens</translation>
    </message>
    <message>
        <source>Choose a keyboard from the Additional/Keyboard Nationality Menu above.</source>
        <translation>Wähle oben im Menü Zusätzliches/Tastaturbelegung eine Tastatur.</translation>
    </message>
    <message>
        <source> A folder called &quot;%1&quot; is in the way.</source>
        <translation> Ein Ordner namens „%1“ ist im Weg.</translation>
    </message>
    <message>
        <source> The file &quot;%1&quot; is in the way.</source>
        <translation> Die Datei „%1“ ist im Weg.</translation>
    </message>
    <message>
        <source>%1 cannot be deleted while another copy of Keyfarer has this student. Close it there first, then delete the name.</source>
        <translation>%1 kann nicht gelöscht werden, solange Keyfarer anderswo mit diesem Namen geöffnet ist. Schließe es dort zuerst und lösche den Namen dann.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>No shipped pictures and sounds were found in &quot;%1&quot;.</source>
        <translation>In „%1“ wurden keine mitgelieferten Bilder und Klänge gefunden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied into &quot;%2&quot;.</source>
        <translation>Die Datei „%1“ konnte nicht nach „%2“ kopiert werden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds Keyfarer&apos;s installed pictures and sounds, which are never changed. Give Keyfarer another working folder (the option --working-folder or the variable KEYFARER_HOME).</source>
        <translation>Der Ordner „%1“ enthält die installierten Bilder und Klänge von Keyfarer, die nie verändert werden. Gib Keyfarer einen anderen Arbeitsordner (mit der Option --working-folder oder der Variablen KEYFARER_HOME).</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>ein Gerät oder ein Socket</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a folder. Give Keyfarer a folder as its working folder.</source>
        <translation>„%1“ ist %2, kein Ordner. Gib Keyfarer einen Ordner als Arbeitsordner.</translation>
    </message>
</context>
<context>
    <name>WorkingFolderChoice</name>
    <message>
        <source>The setting WorkingFolder in &quot;%1&quot; is not used: %2</source>
        <translation>Die Einstellung WorkingFolder in „%1“ wird nicht verwendet: %2</translation>
    </message>
    <message>
        <source>it names no folder.</source>
        <translation>sie nennt keinen Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path; it must begin with &quot;/&quot;.</source>
        <translation>„%1“ ist kein vollständiger Pfad; er muss mit „/“ beginnen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file is not in the settings format (lines such as WorkingFolder=/srv/class under [General]).</source>
        <translation>die Datei hat nicht das Format einer Einstellungsdatei (Zeilen wie WorkingFolder=/srv/class unter [General]).</translation>
    </message>
    <message>
        <source>Keyfarer works in &quot;%1&quot; instead.</source>
        <translation>Keyfarer arbeitet stattdessen in „%1“.</translation>
    </message>
</context>
<context>
    <name>kf::ClassOverviewWindow</name>
    <message>
        <source>Class Overview</source>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Reading the student files...</source>
        <translation>Die Schülerdateien werden gelesen …</translation>
    </message>
    <message numerus="yes">
        <source>%n student file(s)</source>
        <translation>
            <numerusform>%n Schülerdatei</numerusform>
            <numerusform>%n Schülerdateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Class Overview: %1  Date: %2</source>
        <translation>Klassenübersicht: %1  Datum: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Goals…</source>
        <translation>Ziele…</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Klassenziele: %1 Wörter pro Minute und %2 % Genauigkeit.</translation>
    </message>
    <message>
        <source>Class Goals</source>
        <translation>Klassenziele</translation>
    </message>
    <message>
        <source>&amp;Words a minute:</source>
        <translation>&amp;Wörter pro Minute:</translation>
    </message>
    <message>
        <source>&amp;Accuracy:</source>
        <translation>&amp;Genauigkeit:</translation>
    </message>
    <message>
        <source>The class goals could not be written to %1.</source>
        <translation>Die Klassenziele konnten nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The student file of %1 is no longer in the folder: someone deleted or renamed it. Close this window and open the class overview again to see the folder as it is now.</source>
        <translation>Die Schülerdatei von %1 ist nicht mehr im Ordner: Jemand hat sie gelöscht oder umbenannt. Schließe dieses Fenster und öffne die Klassenübersicht noch einmal, um den Ordner so zu sehen, wie er jetzt ist.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xport CSV</source>
        <translation>CSV e&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
</TS>
