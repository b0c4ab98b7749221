<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos de Keyfarer</translation>
    </message>
    <message>
        <source>Keyfarer -- Learn the Keyboard</source>
        <translation>Keyfarer -- Apprends le clavier</translation>
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
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>MPM</translation>
    </message>
    <message>
        <source>Select Chart to View</source>
        <translation>Choisis un graphique à afficher</translation>
    </message>
    <message>
        <source>NO WORDS PER MINUTE CHART FOR BEGINNER&apos;S DRILLS</source>
        <translation>PAS DE GRAPHIQUE DES MOTS PAR MINUTE POUR LES EXERCICES DÉBUTANTS</translation>
    </message>
    <message>
        <source>Key Speed in Seconds (today or latest) -- </source>
        <translation>Vitesse par touche en secondes (dernière séance) -- </translation>
    </message>
    <message>
        <source>Key Speed in Seconds (all days) -- </source>
        <translation>Vitesse par touche en secondes (tous les jours) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or latest) -- </source>
        <translation>Pourcentage de réussite (dernière séance) -- </translation>
    </message>
    <message>
        <source>Percent Correct (all days) -- </source>
        <translation>Pourcentage de réussite (tous les jours) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or last) -- </source>
        <translation>Pourcentage de réussite (dernière séance) -- </translation>
    </message>
    <message>
        <source>Percent Correct (past 8 days) -- </source>
        <translation>Pourcentage de réussite (8 derniers jours) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (today or last) -- </source>
        <translation>MPM corrigés (dernière séance) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (past 8 days) -- </source>
        <translation>MPM corrigés (8 derniers jours) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (all days) -- </source>
        <translation>MPM corrigés (tous les jours) -- </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barre</translation>
    </message>
</context>
<context>
    <name>ClassColumns</name>
    <message>
        <source>Lessons</source>
        <translation>Leçons</translation>
    </message>
    <message>
        <source>Intermediate Drills</source>
        <translation>Exercices intermédiaires</translation>
    </message>
    <message>
        <source>Advanced Drills</source>
        <translation>Exercices avancés</translation>
    </message>
    <message>
        <source>Keyfarer</source>
        <translation>Keyfarer</translation>
    </message>
    <message>
        <source>10 Line Tests</source>
        <translation>Tests de dix lignes</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Tests chronométrés</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Drill keys typed (all days)</source>
        <translation>Touches tapées en exercice (tous les jours)</translation>
    </message>
    <message>
        <source>Accuracy today or last (%)</source>
        <translation>Précision, dernière séance (%)</translation>
    </message>
    <message>
        <source>Accuracy all days (%)</source>
        <translation>Précision, tous les jours (%)</translation>
    </message>
    <message>
        <source>Best time (seconds)</source>
        <translation>Meilleur temps (secondes)</translation>
    </message>
    <message>
        <source>Slowest letter</source>
        <translation>Lettre la plus lente</translation>
    </message>
    <message>
        <source>Sessions recorded</source>
        <translation>Séances enregistrées</translation>
    </message>
    <message>
        <source>Accuracy of the last 8 sessions (%)</source>
        <translation>Précision des 8 dernières séances (%)</translation>
    </message>
    <message>
        <source>%1: adjusted WPM today or last</source>
        <translation>%1&#xa0;: MPM corrigés, dernière séance</translation>
    </message>
    <message>
        <source>%1: adjusted WPM all days</source>
        <translation>%1&#xa0;: MPM corrigés, tous les jours</translation>
    </message>
    <message>
        <source>unreadable file</source>
        <translation>fichier illisible</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Goal met</source>
        <translation>Objectif atteint</translation>
    </message>
    <message>
        <source>Trouble keys</source>
        <translation>Touches difficiles</translation>
    </message>
    <message>
        <source>name not in UTF-8: rename the file</source>
        <translation>nom hors UTF-8&#xa0;: renomme le fichier</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>keyfarer: no folder &quot;%1&quot;.
</source>
        <translation>keyfarer&#xa0;: aucun dossier «&#xa0;%1&#xa0;».
</translation>
    </message>
    <message>
        <source>keyfarer: the folder &quot;%1&quot; cannot be read. Ask whoever looks after this computer for read access to it, or name another folder.
</source>
        <translation>keyfarer&#xa0;: le dossier «&#xa0;%1&#xa0;» ne peut pas être lu. Demande à la personne qui s&apos;occupe de cet ordinateur le droit de le lire, ou indique un autre dossier.
</translation>
    </message>
</context>
<context>
    <name>DrillAnnouncement</name>
    <message>
        <source>Type %1.</source>
        <translation>Tape %1.</translation>
    </message>
    <message>
        <source>Set done. Correct this set: %1. Time this set: %2 seconds.</source>
        <translation>Série terminée. Justes dans cette série&#xa0;: %1. Temps de la série&#xa0;: %2 secondes.</translation>
    </message>
    <message>
        <source>Number missed: %1.</source>
        <translation>Nombre d&apos;erreurs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Best time: %1 seconds.</source>
        <translation>Meilleur temps&#xa0;: %1 secondes.</translation>
    </message>
    <message>
        <source>Correct this session: %1.</source>
        <translation>Justes dans cette séance&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Slowest this set: %1.</source>
        <translation>Plus lente de la série&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You missed: %1.</source>
        <translation>Tu as manqué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>By typing: %1.</source>
        <translation>En tapant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>First press the acute accent key.</source>
        <translation>Appuie d&apos;abord sur la touche de l&apos;accent aigu.</translation>
    </message>
    <message>
        <source>First press the grave accent key.</source>
        <translation>Appuie d&apos;abord sur la touche de l&apos;accent grave.</translation>
    </message>
    <message>
        <source>Hold Alt Gr.</source>
        <translation>Maintiens la touche Alt Gr enfoncée.</translation>
    </message>
    <message>
        <source>Hold the left Shift.</source>
        <translation>Maintiens la touche Maj gauche enfoncée.</translation>
    </message>
    <message>
        <source>Hold the right Shift.</source>
        <translation>Maintiens la touche Maj droite enfoncée.</translation>
    </message>
    <message>
        <source>Marked: the Enter key.</source>
        <translation>Marquée&#xa0;: la touche Entrée.</translation>
    </message>
    <message>
        <source>Marked: %1.</source>
        <translation>Marquée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Press Enter to finish the set.</source>
        <translation>Appuie sur Entrée pour finir la série.</translation>
    </message>
    <message>
        <source>You missed %1.</source>
        <translation>Tu as manqué %1.</translation>
    </message>
    <message>
        <source>You missed %1 by typing %2.</source>
        <translation>Tu as manqué %1 en tapant %2.</translation>
    </message>
    <message>
        <source>Key %1 of %2.</source>
        <translation>Touche %1 sur %2.</translation>
    </message>
</context>
<context>
    <name>DrillTitle</name>
    <message>
        <source>Home Row Only</source>
        <translation>Rangée de base seule</translation>
    </message>
    <message>
        <source>Top Row Only</source>
        <translation>Rangée du haut seule</translation>
    </message>
    <message>
        <source>Bottom Row Only</source>
        <translation>Rangée du bas seule</translation>
    </message>
    <message>
        <source>Home and Top Rows</source>
        <translation>Rangées de base et du haut</translation>
    </message>
    <message>
        <source>Home and Bottom Row</source>
        <translation>Rangées de base et du bas</translation>
    </message>
    <message>
        <source>All Three Rows</source>
        <translation>Les trois rangées</translation>
    </message>
    <message>
        <source>All and Common Punctuation</source>
        <translation>Tout et ponctuation usuelle</translation>
    </message>
    <message>
        <source>Numbers Only</source>
        <translation>Chiffres seuls</translation>
    </message>
    <message>
        <source>Symbols Only</source>
        <translation>Symboles seuls</translation>
    </message>
    <message>
        <source>All Keys</source>
        <translation>Toutes les touches</translation>
    </message>
    <message>
        <source>Choose Your Own Keys</source>
        <translation>Tes propres touches</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Click to see Last Correct</source>
        <translation>Clique pour voir la dernière touche juste</translation>
    </message>
    <message>
        <source>Click to see Missed Letters</source>
        <translation>Clique pour voir les lettres manquées</translation>
    </message>
    <message>
        <source>Click to see Errors here</source>
        <translation>Clique pour voir les erreurs ici</translation>
    </message>
    <message>
        <source>Click to see text description</source>
        <translation>Clique pour voir la description</translation>
    </message>
    <message>
        <source>Hide this if Distracting</source>
        <translation>Masque ceci si cela te distrait</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor (Beginners Drills)</source>
        <translation>Keyfarer, apprendre à taper (Exercices débutants)</translation>
    </message>
    <message>
        <source>You need at least two characters to type.</source>
        <translation>Il te faut au moins deux caractères à taper.</translation>
    </message>
    <message>
        <source>Adjust Hand Delay</source>
        <translation>Régler le délai des mains</translation>
    </message>
    <message>
        <source>Do 10 Letters at a time</source>
        <translation>Faire 10 lettres à la fois</translation>
    </message>
    <message>
        <source>Do 20 Letters at a time</source>
        <translation>Faire 20 lettres à la fois</translation>
    </message>
    <message>
        <source>Do 30 Letters at a time</source>
        <translation>Faire 30 lettres à la fois</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Show All Keys</source>
        <translation>Afficher toutes les touches</translation>
    </message>
    <message>
        <source>Hide Keys on Keyboard</source>
        <translation>Masquer les touches du clavier</translation>
    </message>
    <message>
        <source>Include Upper Case Letters</source>
        <translation>Inclure les majuscules</translation>
    </message>
    <message>
        <source>Lower Case Only</source>
        <translation>Minuscules seulement</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Open options window</source>
        <translation>Ouvrir la fenêtre des options</translation>
    </message>
    <message>
        <source>Exit Lessons</source>
        <translation>Quitter les exercices</translation>
    </message>
    <message>
        <source>Number missed:</source>
        <translation>Erreurs&#xa0;:</translation>
    </message>
    <message>
        <source>(Total missed keys)</source>
        <translation>(Touches manquées)</translation>
    </message>
    <message>
        <source>Time this set:</source>
        <translation>Temps de la série&#xa0;:</translation>
    </message>
    <message>
        <source>(Time in seconds)</source>
        <translation>(Temps en secondes)</translation>
    </message>
    <message>
        <source>Best Time:</source>
        <translation>Meilleur temps&#xa0;:</translation>
    </message>
    <message>
        <source>(Quickest time)</source>
        <translation>(Temps le plus court)</translation>
    </message>
    <message>
        <source>Correct this set:</source>
        <translation>Réussite (série)&#xa0;:</translation>
    </message>
    <message>
        <source>(Correct percent)</source>
        <translation>(Pourcentage juste)</translation>
    </message>
    <message>
        <source>Correct this session:</source>
        <translation>Réussite (séance)&#xa0;:</translation>
    </message>
    <message>
        <source>(Correct percent of all)</source>
        <translation>(Pourcentage total)</translation>
    </message>
    <message>
        <source>Slowest this set:</source>
        <translation>Plus lente (série)&#xa0;:</translation>
    </message>
    <message>
        <source>(Took longest to type)</source>
        <translation>(La plus longue à taper)</translation>
    </message>
    <message>
        <source>You Missed:</source>
        <translation>Manqué&#xa0;:</translation>
    </message>
    <message>
        <source>by typing:</source>
        <translation>Tapé&#xa0;:</translation>
    </message>
    <message>
        <source>Beginners Drills:</source>
        <translation>Débutants&#xa0;:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fait</translation>
    </message>
    <message>
        <source>Type the</source>
        <translation>Tape le</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>caractère</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Last correct:</source>
        <translation>Dernière juste&#xa0;:</translation>
    </message>
    <message>
        <source>You missed:</source>
        <translation>Manqué&#xa0;:</translation>
    </message>
    <message>
        <source>Click to Hide</source>
        <translation>Clique pour masquer</translation>
    </message>
    <message>
        <source>Pause!</source>
        <translation>Pause&#xa0;!</translation>
    </message>
    <message>
        <source>Beginners Stats</source>
        <translation>Statistiques débutants</translation>
    </message>
    <message>
        <source>Type between 2 and 10 characters to practice, then click the &quot;Verify these Keys&quot; button. After that, click the &quot;Begin Typing&quot; button. Unallowed characters will be deleted.</source>
        <translation>Tape entre 2 et 10 caractères pour t&apos;entraîner, puis clique sur «&#xa0;Vérifier ces touches&#xa0;». Ensuite, clique sur «&#xa0;Commencer à taper&#xa0;». Les caractères non autorisés seront supprimés.</translation>
    </message>
    <message>
        <source>Verify these Keys</source>
        <translation>Vérifier ces touches</translation>
    </message>
    <message>
        <source>Begin Typing</source>
        <translation>Commencer à taper</translation>
    </message>
    <message>
        <source>Exit to Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>You will be typing:</source>
        <translation>Tu vas taper&#xa0;:</translation>
    </message>
    <message>
        <source>Characters not allowed:</source>
        <translation>Caractères non autorisés&#xa0;:</translation>
    </message>
    <message>
        <source>Tip: You can adjust how fast you are shown the key to type on the keyboard.</source>
        <translation>Astuce&#xa0;: tu peux régler la vitesse à laquelle la touche à taper s&apos;affiche sur le clavier.</translation>
    </message>
    <message>
        <source>Tip: Point your mouse over the various Option buttons to see what they are for.</source>
        <translation>Astuce&#xa0;: pointe la souris sur les boutons d&apos;options pour voir à quoi ils servent.</translation>
    </message>
    <message>
        <source>Tip: Use the Escape Key to quit in the middle of an exercise.</source>
        <translation>Astuce&#xa0;: la touche Échap permet d&apos;arrêter au milieu d&apos;un exercice.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Close Beginners Drills</source>
        <translation>&amp;Fermer les exercices débutants</translation>
    </message>
    <message>
        <source>Press the Spacebar to Begin.</source>
        <translation>Appuie sur la barre d&apos;espace pour commencer.</translation>
    </message>
    <message>
        <source>Press the Spacebar to continue.</source>
        <translation>Appuie sur la barre d&apos;espace pour continuer.</translation>
    </message>
    <message>
        <source>You missed the &quot;%1&quot; key. Check your error to the left, locate the &quot; %1 &quot; key below, and type the correct key.</source>
        <translation>Tu as manqué la touche «&#xa0;%1&#xa0;». Regarde ton erreur à gauche, repère la touche «&#xa0;%1&#xa0;» en bas et tape la bonne touche.</translation>
    </message>
    <message>
        <source>Press Enter!</source>
        <translation>Entrée&#xa0;!</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fini&#xa0;!</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manquée</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Keys to practise</source>
        <translation>Touches à travailler</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Hide Last Correct</source>
        <translation>Masquer le dernier correct</translation>
    </message>
    <message>
        <source>Hide Missed Letters</source>
        <translation>Masquer les lettres manquées</translation>
    </message>
    <message>
        <source>Hide Errors</source>
        <translation>Masquer les erreurs</translation>
    </message>
    <message>
        <source>Hide text description</source>
        <translation>Masquer la description</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
    </message>
</context>
<context>
    <name>FileNotice</name>
    <message>
        <source>The student file of %1 has gone from the working folder, or something outside Keyfarer emptied it, so this session&apos;s work could not be saved. Keyfarer still has it. Write the file of %1 anew now?</source>
        <translation>Le fichier élève de %1 a disparu du dossier de travail, ou quelque chose en dehors de Keyfarer l&apos;a vidé&#xa0;: le travail de cette séance n&apos;a donc pas pu être enregistré. Keyfarer l&apos;a encore. Réécrire maintenant le fichier de %1&#xa0;?</translation>
    </message>
    <message>
        <source>The student file of %1 has changed on disk: something outside Keyfarer replaced it (another copy of the file, perhaps an older one), so this session&apos;s work was not saved over it. Keyfarer still has it. Write the file of %1 anew now, in place of the one on disk?</source>
        <translation>Le fichier élève de %1 a changé sur le disque&#xa0;: quelque chose en dehors de Keyfarer l&apos;a remplacé (par une autre copie du fichier, peut-être plus ancienne), donc le travail de cette séance n&apos;a pas été enregistré par-dessus. Keyfarer l&apos;a encore. Réécrire maintenant le fichier de %1 à la place de celui du disque&#xa0;?</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; has gone, or something outside Keyfarer emptied it: the keyboard pictures and student files are no longer there. Keyfarer still has this session&apos;s work and goes on with it. Put the folder back, or ask whoever looks after this computer; the next save offers to write the student file anew.</source>
        <translation>Le dossier de travail «&#xa0;%1&#xa0;» a disparu, ou quelque chose en dehors de Keyfarer l&apos;a vidé&#xa0;: les images du clavier et les fichiers élèves n&apos;y sont plus. Keyfarer garde le travail de cette séance et continue avec. Remets le dossier en place ou demande à la personne qui s&apos;occupe de cet ordinateur&#xa0;; au prochain enregistrement, Keyfarer proposera de réécrire le fichier élève.</translation>
    </message>
    <message>
        <source>

If you answer No, the student changes all the same and this session&apos;s work of %1 is not saved.</source>
        <translation>

Si tu réponds Non, l&apos;élève change quand même et le travail de cette séance de %1 n&apos;est pas enregistré.</translation>
    </message>
</context>
<context>
    <name>FingerGuidance</name>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;a&quot; key.</source>
        <translation>Reste en position de base et utilise ton auriculaire gauche pour la touche &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;a&quot; key.</source>
        <translation>Utilise ton auriculaire gauche et monte d&apos;une touche pour la touche &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Press the &quot;s&quot; key with your left hand ring finger.</source>
        <translation>Appuie sur la touche &quot;s&quot; avec ton annulaire gauche.</translation>
    </message>
    <message>
        <source>Press the &quot;d&quot; key with your left hand middle finger.</source>
        <translation>Appuie sur la touche &quot;d&quot; avec ton majeur gauche.</translation>
    </message>
    <message>
        <source>The &quot;f&quot; key is directly under your left hand index finger.</source>
        <translation>La touche &quot;f&quot; se trouve juste sous ton index gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;g&quot; key, you will have to move your left hand index finger one key to the right.</source>
        <translation>Pour atteindre la touche &quot;g&quot;, déplace ton index gauche d&apos;une touche vers la droite.</translation>
    </message>
    <message>
        <source>Move your right hand index finger one key to the left and press the &quot;h&quot; key.</source>
        <translation>Déplace ton index droit d&apos;une touche vers la gauche et appuie sur la touche &quot;h&quot;.</translation>
    </message>
    <message>
        <source>The &quot;j&quot; key is under your right hand index finger.</source>
        <translation>La touche &quot;j&quot; se trouve sous ton index droit.</translation>
    </message>
    <message>
        <source>Press the &quot;k&quot; key using your right hand middle finger.</source>
        <translation>Appuie sur la touche &quot;k&quot; avec ton majeur droit.</translation>
    </message>
    <message>
        <source>Remain at the home row position, %1, and press the &quot;l&quot; key with your right hand ring finger.</source>
        <translation>Reste en position de base, %1, et appuie sur la touche &quot;l&quot; avec ton annulaire droit.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is under your right hand little finger.</source>
        <translation>Le point-virgule, %1, se trouve sous ton auriculaire droit.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is down one key then under your right middle finger.</source>
        <translation>Le point-virgule, %1, se trouve une rangée plus bas, sous ton majeur droit.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;q&quot; key.</source>
        <translation>Monte ton auriculaire gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;q&quot;.</translation>
    </message>
    <message>
        <source>The &quot;q&quot; is under your left hand little finger.</source>
        <translation>Le &quot;q&quot; se trouve sous ton auriculaire gauche.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;w&quot; key.</source>
        <translation>Monte ton annulaire gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;w&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;w&quot; key</source>
        <translation>Descends ton auriculaire gauche d&apos;une rangée pour taper la touche &quot;w&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up one key and slightly to the left to reach the &quot;e&quot; key.</source>
        <translation>Monte ton majeur gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;e&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up one key and slightly to the left to reach the &quot;r&quot; key.</source>
        <translation>Monte ton index gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;r&quot;.</translation>
    </message>
    <message>
        <source>To reach the &quot;t&quot; key, move your left hand index finger up one key and to the right.</source>
        <translation>Pour atteindre la touche &quot;t&quot;, monte ton index gauche d&apos;une touche et vers la droite.</translation>
    </message>
    <message>
        <source>This key is a little tricky for beginners. Move your right hand index finger up and to the left.</source>
        <translation>Cette touche est un peu difficile pour les débutants. Monte ton index droit vers la gauche.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;y&quot; key.</source>
        <translation>Descends ton auriculaire gauche d&apos;une rangée pour taper la touche &quot;y&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up one key and slightly to the left to reach the &quot;u&quot; key.</source>
        <translation>Monte ton index droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;u&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up one key and slightly to the left to reach the &quot;i&quot; key.</source>
        <translation>Monte ton majeur droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;i&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up one key and slightly to the left to reach the &quot;o&quot; key.</source>
        <translation>Monte ton annulaire droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;o&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one key and slightly to the left to reach the &quot;p&quot; key.</source>
        <translation>Monte ton auriculaire droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;p&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;z&quot; key.</source>
        <translation>Descends ton auriculaire gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;z&quot; key.</source>
        <translation>Monte ta main droite d&apos;une rangée et déplace-la d&apos;une touche vers la gauche pour taper la touche &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;z&quot; key.</source>
        <translation>Monte ton annulaire gauche d&apos;une rangée pour taper la touche &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger down one key and slightly to the right to reach the &quot;x&quot; key.</source>
        <translation>Descends ton annulaire gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;x&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger down one key and slightly to the right to reach the &quot;c&quot; key.</source>
        <translation>Descends ton majeur gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;c&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger down one key and slightly to the right to reach the &quot;v&quot; key.</source>
        <translation>Descends ton index gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;v&quot;.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;b&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Celle-ci est difficile pour les débutants. Le &quot;b&quot; s&apos;atteint aussi bien avec l&apos;une ou l&apos;autre main, mais on apprend le plus souvent la main gauche.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the left.</source>
        <translation>Descends ton index droit, légèrement vers la gauche.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;m&quot; key.</source>
        <translation>Descends ton index droit, légèrement vers la droite, pour atteindre la touche &quot;m&quot;.</translation>
    </message>
    <message>
        <source>The &quot;m&quot; key is on the home row under your right hand little finger.</source>
        <translation>La touche &quot;m&quot; se trouve sur la rangée de base, sous ton auriculaire droit.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger down and slightly to the right to reach the &quot;,&quot; key.</source>
        <translation>Descends ton majeur droit, légèrement vers la droite, pour atteindre la touche &quot;,&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;,&quot; key.</source>
        <translation>Descends ton index droit d&apos;une rangée pour taper la touche &quot;,&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down and slightly to the right to reach the &quot;.&quot; key.</source>
        <translation>Descends ton annulaire droit, légèrement vers la droite, pour atteindre la touche &quot;.&quot;.</translation>
    </message>
    <message>
        <source>Move the right hand middle finger down one row to type the period.</source>
        <translation>Descends ton majeur droit d&apos;une rangée pour taper le point.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;1&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;1&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move the right hand little finger down one row to type the &quot;!&quot; key.</source>
        <translation>Descends ton auriculaire droit d&apos;une rangée pour taper la touche &quot;!&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;9&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;9&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move your right middle finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Monte ton majeur droit de deux rangées pour taper la touche &quot;(&quot;.</translation>
    </message>
    <message>
        <source>Move your left index finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Monte ton index gauche de deux rangées pour taper la touche &quot;(&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;0&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;0&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move the right ring finger up two rows to type the &quot;)&quot; key.</source>
        <translation>Monte ton annulaire droit de deux rangées pour taper la touche &quot;)&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows, and one key to the right to type &quot;)&quot;</source>
        <translation>Monte ton auriculaire droit de deux rangées et d&apos;une touche vers la droite pour taper &quot;)&quot;.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;-&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Ton auriculaire droit sert à atteindre la touche &quot;-&quot;. Elle n&apos;est pas tout à fait droit au-dessus&#xa0;: tu dois aller un peu en biais vers la droite.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;-&quot; key.</source>
        <translation>Descends ton auriculaire droit d&apos;une rangée pour taper la touche &quot;-&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and one key to the right to type &quot;-&quot;</source>
        <translation>Monte ton index gauche de deux rangées et d&apos;une touche vers la droite pour taper &quot;-&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then press the &quot;:&quot; key with your right hand little finger.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis sur la touche &quot;:&quot; avec ton auriculaire droit.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;:&quot; key.</source>
        <translation>Descends ton annulaire droit d&apos;une rangée pour taper la touche &quot;:&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key.</source>
        <translation>Déplace ton auriculaire droit d&apos;une touche vers la droite.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &apos;&apos; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées pour taper la touche &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Mover your right hand little finger two keys to the right to type the &apos;&apos; key.</source>
        <translation>Déplace ton auriculaire droit de deux touches vers la droite pour taper la touche &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger two rows up to type the &apos;&apos; key.</source>
        <translation>Monte ton index gauche de deux rangées pour taper la touche &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>To reach the question mark, move your right hand little finger down and to the right. Don&apos;t forget the shift key.</source>
        <translation>Pour atteindre le point d&apos;interrogation, descends ton auriculaire droit vers la droite. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;?&quot; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées pour taper la touche &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;?&quot; key.</source>
        <translation>Descends ton index droit d&apos;une rangée pour taper la touche &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key. Don&apos;t forget the left shift.</source>
        <translation>Déplace ton auriculaire droit d&apos;une touche vers la droite. N&apos;oublie pas la touche Maj gauche.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up two rows.</source>
        <translation>Monte ton annulaire gauche de deux rangées.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up two rows.</source>
        <translation>Monte ton majeur gauche de deux rangées.</translation>
    </message>
    <message>
        <source>To reach the &quot;1&quot; key, move your left hand little finger two rows up and to the left.</source>
        <translation>Pour atteindre la touche &quot;1&quot;, monte ton auriculaire gauche de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;2&quot; key, move your left hand ring finger two rows up and to the left.</source>
        <translation>Pour atteindre la touche &quot;2&quot;, monte ton annulaire gauche de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;3&quot; key, move your left hand middle finger two rows up and to the left.</source>
        <translation>Pour atteindre la touche &quot;3&quot;, monte ton majeur gauche de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;4&quot; key, move your left hand index finger two rows up and to the left.</source>
        <translation>Pour atteindre la touche &quot;4&quot;, monte ton index gauche de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;5&quot; key, move your right hand index finger straight up two rows and very slightly to the right.</source>
        <translation>Pour atteindre la touche &quot;5&quot;, monte ton index gauche de deux rangées tout droit, très légèrement vers la droite.</translation>
    </message>
    <message>
        <source>To reach the &quot;6&quot; key, move your left hand index finger up two rows while moving to the right.</source>
        <translation>Pour atteindre la touche &quot;6&quot;, monte ton index gauche de deux rangées en allant vers la droite.</translation>
    </message>
    <message>
        <source>To reach the &quot;7&quot; key, move your right hand index finger up two rows and to the left.</source>
        <translation>Pour atteindre la touche &quot;7&quot;, monte ton index droit de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;8&quot; key, move your right hand middle finger up two rows and to the left.</source>
        <translation>Pour atteindre la touche &quot;8&quot;, monte ton majeur droit de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;9&quot; key, move your right hand ring finger up two rows and to the left.</source>
        <translation>Pour atteindre la touche &quot;9&quot;, monte ton annulaire droit de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>To reach the &quot;0&quot; key, move your right hand little finger up two rows and to the left.</source>
        <translation>Pour atteindre la touche &quot;0&quot;, monte ton auriculaire droit de deux rangées vers la gauche.</translation>
    </message>
    <message>
        <source>The &quot;`&quot; key is at the top left of the keyboard.</source>
        <translation>La touche &quot;`&quot; se trouve en haut à gauche du clavier.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand little finger to reach this key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis utilise ton auriculaire gauche pour atteindre cette touche.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right.</source>
        <translation>Déplace ton auriculaire droit de deux touches vers la droite.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right.</source>
        <translation>Monte ton auriculaire droit d&apos;une rangée et de deux touches vers la droite.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;2&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;2&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to to the right.</source>
        <translation>Déplace ton auriculaire droit d&apos;une touche vers la droite.</translation>
    </message>
    <message>
        <source>Move your ring finger up two rows to reach the  &quot;@&quot; key.</source>
        <translation>Monte ton annulaire gauche de deux rangées pour atteindre la touche &quot;@&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one row to reach the &quot;@&quot; key.</source>
        <translation>Monte ton auriculaire gauche d&apos;une rangée pour atteindre la touche &quot;@&quot;.</translation>
    </message>
    <message>
        <source>The &quot;@&quot; key is under your right hand little finger.</source>
        <translation>La touche &quot;@&quot; se trouve sous ton auriculaire droit.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to reach the &quot;@&quot; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées pour atteindre la touche &quot;@&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand ring finger to type this key.</source>
        <translation>Utilise ton annulaire gauche pour taper cette touche.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;#&quot; key.</source>
        <translation>Déplace ton auriculaire droit de deux touches vers la droite pour taper la touche &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand middle finger to type this key.</source>
        <translation>Utilise ton majeur gauche pour taper cette touche.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;#&quot; key.</source>
        <translation>Déplace ton auriculaire droit d&apos;une touche vers la droite pour taper la touche &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;$&quot; key.</source>
        <translation>Monte ton index gauche de deux rangées pour taper la touche &quot;$&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows and two keys to the right.</source>
        <translation>Monte ton auriculaire gauche de deux rangées et de deux touches vers la droite.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;5&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;5&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right.</source>
        <translation>Déplace ton auriculaire droit d&apos;une touche vers la droite.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;6&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;6&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and and two keys to the right.</source>
        <translation>Monte ton auriculaire droit de deux rangées et de deux touches vers la droite.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;^&quot; key.</source>
        <translation>Monte ton annulaire droit de deux rangées pour taper la touche &quot;^&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;7&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;7&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and two keys to the right.</source>
        <translation>Monte ton index gauche de deux rangées et de deux touches vers la droite.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows to type the &quot;&amp;&amp;&quot; key.</source>
        <translation>Monte ton auriculaire gauche de deux rangées pour taper la touche &quot;&amp;&amp;&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;8&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Ce caractère se trouve sur la même touche que le &quot;8&quot;. N&apos;oublie pas la touche Maj.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type &quot;*&quot;.</source>
        <translation>Monte ton auriculaire droit d&apos;une rangée et de deux touches vers la droite pour taper &quot;*&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type &quot;*&quot;.</source>
        <translation>Déplace ton auriculaire droit de deux touches vers la droite pour taper &quot;*&quot;.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;_&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Ton auriculaire droit sert à atteindre la touche &quot;_&quot;. Elle n&apos;est pas tout à fait droit au-dessus&#xa0;: tu dois aller un peu en biais vers la droite.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;_&quot; key.</source>
        <translation>Descends ton auriculaire droit d&apos;une rangée pour taper la touche &quot;_&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up to rows to type the &quot;_&quot; key.</source>
        <translation>Monte ton majeur gauche de deux rangées pour taper la touche &quot;_&quot;.</translation>
    </message>
    <message>
        <source>This key takes a lot of practice to get right. Use your right hand little finger.</source>
        <translation>Cette touche demande beaucoup d&apos;entraînement. Utilise ton auriculaire droit.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;=&quot; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées pour taper la touche &quot;=&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;+&quot; key.</source>
        <translation>Appuie sur la touche Maj gauche, puis utilise ton auriculaire droit pour la touche &quot;+&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;+&quot; key.</source>
        <translation>Monte ton auriculaire droit d&apos;une rangée et de deux touches vers la droite pour taper la touche &quot;+&quot;.</translation>
    </message>
    <message>
        <source>This key is pressed with your right hand little finger.</source>
        <translation>Cette touche se tape avec ton auriculaire droit.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type &quot;[&quot;.</source>
        <translation>Monte ton auriculaire droit d&apos;une rangée et d&apos;une touche vers la droite pour taper &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Move your middle finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Monte ton majeur droit de deux rangées pour taper la touche &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Monte ton index gauche de deux rangées pour taper la touche &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;{&quot; key.</source>
        <translation>Appuie sur la touche Maj gauche, puis utilise ton auriculaire droit pour la touche &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;{&quot; key.</source>
        <translation>Déplace ton auriculaire droit d&apos;une touche vers la droite pour taper la touche &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Monte ton index droit de deux rangées pour taper la touche &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type the &quot;{&quot; key.</source>
        <translation>Monte ton auriculaire droit d&apos;une rangée et d&apos;une touche vers la droite pour taper la touche &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Monte ton index gauche de deux rangées pour taper la touche &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;]&quot; key.</source>
        <translation>Monte ton annulaire droit de deux rangées pour taper la touche &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;]&quot; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées et d&apos;une touche vers la droite pour taper la touche &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;}&quot; key.</source>
        <translation>Appuie sur la touche Maj gauche, puis utilise ton auriculaire droit pour la touche &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Déplace ton auriculaire droit de deux touches vers la droite pour taper la touche &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;}&quot; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées pour taper la touche &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Monte ton auriculaire droit d&apos;une rangée et de deux touches vers la droite pour taper la touche &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées et de deux touches vers la droite pour taper la touche &quot;}&quot;.</translation>
    </message>
    <message>
        <source>This character is in the same place as the comma. Don&apos;t forget the left shift.</source>
        <translation>Ce caractère se trouve sur la même touche que la virgule. N&apos;oublie pas la touche Maj gauche.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down on row and slightly to the left to type the &quot;&lt;&quot; key.</source>
        <translation>Descends ton auriculaire gauche d&apos;une rangée, légèrement vers la gauche, pour taper la touche &quot;&lt;&quot;.</translation>
    </message>
    <message>
        <source>This character is in the same place as the period. Don&apos;t forget the left shift.</source>
        <translation>Ce caractère se trouve sur la même touche que le point. N&apos;oublie pas la touche Maj gauche.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down and to the right to reach the slash.</source>
        <translation>Descends ton auriculaire droit vers la droite pour atteindre la barre oblique.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;/&quot; key.</source>
        <translation>Monte ton index droit de deux rangées pour taper la touche &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;/&quot; key.</source>
        <translation>Descends ton annulaire droit d&apos;une rangée pour taper la touche &quot;/&quot;.</translation>
    </message>
    <message>
        <source>The key can be in different places on different keyboards. Check your keyboard.</source>
        <translation>Cette touche peut se trouver à des endroits différents selon les claviers. Regarde bien ton clavier.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type this key.</source>
        <translation>Descends ton auriculaire gauche d&apos;une rangée pour taper cette touche.</translation>
    </message>
    <message>
        <source>This key is all the way to the top left on your keyboard.</source>
        <translation>Cette touche se trouve tout en haut à gauche de ton clavier.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;\&quot; key.</source>
        <translation>Monte ton auriculaire droit de deux rangées et d&apos;une touche vers la droite pour taper la touche &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up two rows to type the &quot;\&quot; key.</source>
        <translation>Monte ton majeur droit de deux rangées pour taper la touche &quot;\&quot;.</translation>
    </message>
    <message>
        <source>This key is usually under the backspace.</source>
        <translation>Cette touche se trouve en général sous la touche Retour arrière.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row.</source>
        <translation>Descends ton auriculaire gauche d&apos;une rangée.</translation>
    </message>
    <message>
        <source>This key is located with the number 1 key.</source>
        <translation>Ce caractère se trouve sur la touche du chiffre 1.</translation>
    </message>
    <message>
        <source>This key is at the top left part of your keyboard.</source>
        <translation>Cette touche se trouve en haut à gauche de ton clavier.</translation>
    </message>
    <message>
        <source>This is located with the number 6 key. Use your left hand index finger.</source>
        <translation>Ce caractère se trouve sur la touche du chiffre 6. Utilise ton index gauche.</translation>
    </message>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;A&quot; key. Don&apos;t forget the right Shift.</source>
        <translation>Reste en position de base et utilise ton auriculaire gauche pour la touche &quot;A&quot;. N&apos;oublie pas la touche Maj droite.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;A&quot; key.</source>
        <translation>Utilise ton auriculaire gauche et monte d&apos;une touche pour la touche &quot;A&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand ring finger for the &quot;S&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis utilise ton annulaire gauche pour la touche &quot;S&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand middle finger for the &quot;D&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis utilise ton majeur gauche pour la touche &quot;D&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand index finger for the &quot;F&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis utilise ton index gauche pour la touche &quot;F&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger one key to the right for the &quot;G&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis déplace ton index gauche d&apos;une touche vers la droite pour la touche &quot;G&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger one key to the left for the &quot;H&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis déplace ton index droit d&apos;une touche vers la gauche pour la touche &quot;H&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand index finger for the &quot;J&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis utilise ton index droit pour la touche &quot;J&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand middle finger for the &quot;K&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis utilise ton majeur droit pour la touche &quot;K&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand ring finger for the &quot;L&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis utilise ton annulaire droit pour la touche &quot;L&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;Q&quot; key.</source>
        <translation>Monte ton auriculaire gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;Q&quot;.</translation>
    </message>
    <message>
        <source>The &quot;Q&quot; is under your left hand little finger.</source>
        <translation>Le &quot;Q&quot; se trouve sous ton auriculaire gauche.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;W&quot; key.</source>
        <translation>Monte ton annulaire gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;W&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;W&quot; key</source>
        <translation>Descends ton auriculaire gauche d&apos;une rangée pour taper la touche &quot;W&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger up one key and slightly to the left to reach the &quot;E&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis monte ton majeur gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;E&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and slightly to the left to reach the &quot;R&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis monte ton index gauche d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;R&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and to the right.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis monte ton index gauche d&apos;une touche et vers la droite.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your left hand little finger down one row to type the &quot;Y&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis descends ton auriculaire gauche d&apos;une rangée pour taper la touche &quot;Y&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger up one key and slightly to the left to reach the &quot;U&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis monte ton index droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;U&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand middle finger up one key and slightly to the left to reach the &quot;I&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis monte ton majeur droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;I&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand ring finger up one key and slightly to the left to reach the &quot;O&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis monte ton annulaire droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;O&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand little finger up one key and slightly to the left to reach the &quot;P&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis monte ton auriculaire droit d&apos;une touche, légèrement vers la gauche, pour atteindre la touche &quot;P&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;Z&quot; key.</source>
        <translation>Descends ton auriculaire gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;Z&quot; key.</source>
        <translation>Monte ta main droite d&apos;une rangée et déplace-la d&apos;une touche vers la gauche pour taper la touche &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;Z&quot; key.</source>
        <translation>Monte ton annulaire gauche d&apos;une rangée pour taper la touche &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand ring finger down one key and slightly to the right to reach the &quot;X&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis descends ton annulaire gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;X&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger down one key and slightly to the right to reach the &quot;C&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis descends ton majeur gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;C&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger down one key and slightly to the right to reach the &quot;V&quot; key.</source>
        <translation>Appuie d&apos;abord sur la touche Maj droite, puis descends ton index gauche d&apos;une touche, légèrement vers la droite, pour atteindre la touche &quot;V&quot;.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;B&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Celle-ci est difficile pour les débutants. Le &quot;B&quot; s&apos;atteint aussi bien avec l&apos;une ou l&apos;autre main, mais on apprend le plus souvent la main gauche.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger down and slightly to the left.</source>
        <translation>Appuie d&apos;abord sur la touche Maj gauche, puis descends ton index droit, légèrement vers la gauche.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;M&quot; key.</source>
        <translation>Descends ton index droit, légèrement vers la droite, pour atteindre la touche &quot;M&quot;.</translation>
    </message>
    <message>
        <source>The &quot;M&quot; key is on the home row under your right hand little finger.</source>
        <translation>La touche &quot;M&quot; se trouve sur la rangée de base, sous ton auriculaire droit.</translation>
    </message>
    <message>
        <source>Type the blue key before the green.</source>
        <translation>Tape d&apos;abord la touche bleue, puis la verte.</translation>
    </message>
</context>
<context>
    <name>FolderStudentStore</name>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a student file: %2. Keyfarer leaves it alone; ask whoever looks after this computer to remove or rename it.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier élève&#xa0;: %2. Keyfarer n&apos;y touche pas&#xa0;; demande à la personne qui s&apos;occupe de cet ordinateur de le supprimer ou de le renommer.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is gone.</source>
        <translation>Le dossier de travail «&#xa0;%1&#xa0;» a disparu.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be written to.</source>
        <translation>Impossible d&apos;écrire dans le dossier de travail «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is no space left on the disk that holds &quot;%1&quot;.</source>
        <translation>Il n&apos;y a plus de place sur le disque qui contient «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>

Your work is still kept by Keyfarer. Free some space on the disk or check that you may write in the working folder, then try again.</source>
        <translation>

Keyfarer garde encore ton travail. Libère de la place sur le disque ou vérifie que tu as le droit d&apos;écrire dans le dossier de travail, puis réessaie.</translation>
    </message>
    <message>
        <source>it is a link leading out of the working folder</source>
        <translation>c&apos;est un lien qui mène hors du dossier de travail</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>c&apos;est %1</translation>
    </message>
    <message>
        <source> (on %1)</source>
        <translation> (sur %1)</translation>
    </message>
    <message>
        <source>%1 is in use elsewhere: another copy of Keyfarer%2 has this student. Close it there first, then take the name again.</source>
        <translation>%1 est utilisé ailleurs&#xa0;: Keyfarer est encore ouvert avec ce nom%2. Ferme-le d&apos;abord là-bas, puis reprends le nom.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>c&apos;est un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>it is marked read-only</source>
        <translation>il est protégé en écriture</translation>
    </message>
    <message>
        <source>%1 cannot be taken: &quot;%2&quot; should be this student&apos;s lock, but %3. Ask whoever looks after this computer to remove it; until then choose or make another name.</source>
        <translation>%1 ne peut pas être pris&#xa0;: «&#xa0;%2&#xa0;» devrait être le verrou de cet élève, mais %3. Demande à la personne qui s&apos;occupe de cet ordinateur de le supprimer&#xa0;; d&apos;ici là, choisis ou crée un autre nom.</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any lock</source>
        <translation>il contient %1 octets, bien plus qu&apos;aucun verrou</translation>
    </message>
</context>
<context>
    <name>KeyboardPicture</name>
    <message>
        <source>If you are using one of the International Keyboards, it was not found. From the opening screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this does not work, you may have to reinstall Keyfarer.</source>
        <translation>Si tu utilises l&apos;un des claviers internationaux, il est introuvable. Dans le menu de l&apos;écran d&apos;accueil, choisis Suppléments/Disposition du clavier pour le rétablir. Si cela ne marche pas, tu devras peut-être réinstaller Keyfarer.</translation>
    </message>
    <message>
        <source>One or more of the keyboard files are missing. You may need to reinstall Keyfarer.</source>
        <translation>Un ou plusieurs fichiers de clavier manquent. Tu devras peut-être réinstaller Keyfarer.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Lesson &amp;1 -- DFERJKUI</source>
        <translation>Leçon &amp;1 -- DFERJKUI</translation>
    </message>
    <message>
        <source>Lesson &amp;2 -- CVM</source>
        <translation>Leçon &amp;2 -- CVM</translation>
    </message>
    <message>
        <source>Lesson &amp;3 -- ASL;</source>
        <translation>Leçon &amp;3 -- ASL;</translation>
    </message>
    <message>
        <source>Lesson &amp;4 -- TYGH</source>
        <translation>Leçon &amp;4 -- TYGH</translation>
    </message>
    <message>
        <source>Lesson &amp;5 -- QWOP</source>
        <translation>Leçon &amp;5 -- QWOP</translation>
    </message>
    <message>
        <source>Lesson &amp;6 -- BN,.</source>
        <translation>Leçon &amp;6 -- BN,.</translation>
    </message>
    <message>
        <source>Lesson &amp;7 -- ZX</source>
        <translation>Leçon &amp;7 -- ZX</translation>
    </message>
    <message>
        <source>Lesson &amp;8 -- Shift Keys</source>
        <translation>Leçon &amp;8 -- Touches Maj</translation>
    </message>
    <message>
        <source>Lesson &amp;9 -- Common Punctuation</source>
        <translation>Leçon &amp;9 -- Ponctuation courante</translation>
    </message>
    <message>
        <source>Lesson 1&amp;0 -- Number Keys</source>
        <translation>Leçon 1&amp;0 -- Touches des chiffres</translation>
    </message>
    <message>
        <source>Lesson 11 -- &amp;Symbols</source>
        <translation>Leçon 11 -- &amp;Symboles</translation>
    </message>
    <message>
        <source>&amp;Exit Keyfarer</source>
        <translation>&amp;Quitter Keyfarer</translation>
    </message>
    <message>
        <source>&amp;Home Row Only</source>
        <translation>Rangée de &amp;base seule</translation>
    </message>
    <message>
        <source>&amp;Top Row Only</source>
        <translation>Rangée du &amp;haut seule</translation>
    </message>
    <message>
        <source>&amp;Bottom Row Only</source>
        <translation>Rangée du ba&amp;s seule</translation>
    </message>
    <message>
        <source>H&amp;ome &amp;&amp; Top Rows</source>
        <translation>Rangées de base &amp;&amp; du hau&amp;t</translation>
    </message>
    <message>
        <source>Hom&amp;e &amp;&amp; Bottom Rows</source>
        <translation>Rangées d&amp;e base &amp;&amp; du bas</translation>
    </message>
    <message>
        <source>&amp;All Three Rows</source>
        <translation>&amp;Les trois rangées</translation>
    </message>
    <message>
        <source>All &amp;&amp; &amp;Common Punctuation</source>
        <translation>Tout &amp;&amp; &amp;ponctuation courante</translation>
    </message>
    <message>
        <source>&amp;Numbers Only</source>
        <translation>&amp;Chiffres seuls</translation>
    </message>
    <message>
        <source>&amp;Symbols Only</source>
        <translation>S&amp;ymboles seuls</translation>
    </message>
    <message>
        <source>&amp;Do Everything</source>
        <translation>Tout &amp;faire</translation>
    </message>
    <message>
        <source>Choose &amp;Your Own Keys</source>
        <translation>Choisir tes p&amp;ropres touches</translation>
    </message>
    <message>
        <source>&amp;Common Letter Combinations</source>
        <translation>&amp;Combinaisons de lettres courantes</translation>
    </message>
    <message>
        <source>&amp;Easy Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Groupes de mots &amp;&amp; propositions simples</translation>
    </message>
    <message>
        <source>&amp;Short Sentences</source>
        <translation>&amp;Phrases courtes</translation>
    </message>
    <message>
        <source>&amp;Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Groupes de mots &amp;&amp; propositions</translation>
    </message>
    <message>
        <source>&amp;Easy Sentences</source>
        <translation>Phrases &amp;faciles</translation>
    </message>
    <message>
        <source>&amp;Normal Sentences</source>
        <translation>Phrases &amp;normales</translation>
    </message>
    <message>
        <source>&amp;Harder Sentences</source>
        <translation>Phrases &amp;difficiles</translation>
    </message>
    <message>
        <source>&amp;Learn Number Keypad</source>
        <translation>&amp;Apprendre le pavé numérique</translation>
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
        <translation>Sau&amp;vegarder les fichiers des élèves</translation>
    </message>
    <message>
        <source>&amp;English (US)</source>
        <translation>&amp;Anglais (US)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Anglais (UK)</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Espagnol</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>A&amp;llemand</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italien</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;Ten Line Tests</source>
        <translation>Tests de &amp;dix lignes</translation>
    </message>
    <message>
        <source>Ti&amp;medTests</source>
        <translation>Tests &amp;chronométrés</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Visit My Web Site</source>
        <translation>&amp;Visiter mon site web</translation>
    </message>
    <message>
        <source>&amp;About Keyfarer</source>
        <translation>À &amp;propos de Keyfarer</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Leçons</translation>
    </message>
    <message>
        <source>&amp;Beginners Drills</source>
        <translation>&amp;Exercices débutants</translation>
    </message>
    <message>
        <source>Inter&amp;mediate Drills</source>
        <translation>Exercices &amp;intermédiaires</translation>
    </message>
    <message>
        <source>&amp;Advanced Drills</source>
        <translation>Exercices a&amp;vancés</translation>
    </message>
    <message>
        <source>A&amp;dditional</source>
        <translation>&amp;Suppléments</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Jeux</translation>
    </message>
    <message>
        <source>&amp;Make Your Own Text Files</source>
        <translation>Créer tes propres &amp;fichiers texte</translation>
    </message>
    <message>
        <source>&amp;Keyboard Nationality</source>
        <translation>Disposition du &amp;clavier</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Spanish Characters</source>
        <translation>S&amp;ymboles &amp;&amp; caractères espagnols</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; German Characters</source>
        <translation>S&amp;ymboles &amp;&amp; caractères allemands</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Italian Characters</source>
        <translation>S&amp;ymboles &amp;&amp; caractères italiens</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; French Characters</source>
        <translation>S&amp;ymboles &amp;&amp; caractères français</translation>
    </message>
    <message>
        <source>&amp;Class Overview</source>
        <translation>V&amp;ue de la classe</translation>
    </message>
    <message>
        <source>&amp;Trouble Keys</source>
        <translation>Touches &amp;difficiles</translation>
    </message>
    <message>
        <source>Teacher&apos;s and Admin&apos;s &amp;Guide</source>
        <translation>&amp;Guide de l&apos;enseignant et de l&apos;administrateur</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>User = </source>
        <translation>Utilisateur = </translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>Select User</source>
        <translation>Choisir son nom</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Leçon suivante</translation>
    </message>
    <message>
        <source>Your Stats</source>
        <translation>Tes statistiques</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>One or more of the sound files cannot be found. You may need to reinstall Keyfarer to restore the wave files.</source>
        <translation>Un ou plusieurs fichiers sonores sont introuvables. Tu devras peut-être réinstaller Keyfarer pour récupérer les fichiers WAV.</translation>
    </message>
    <message>
        <source>Welcome To Keyfarer!. If you are a new user, close this box and click the &quot;New User&quot; link above to create a user file.</source>
        <translation>Bienvenue dans Keyfarer&#xa0;! Si tu es nouveau, ferme cette fenêtre et clique sur le lien «&#xa0;Nouvel utilisateur&#xa0;» ci-dessus pour créer ton fichier.</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor -- Learn the Keyboard</source>
        <translation>Keyfarer, apprendre à taper -- Apprends le clavier</translation>
    </message>
    <message>
        <source>

Try again to save the work of %1, or quit without saving it?</source>
        <translation>

Réessayer d&apos;enregistrer le travail de %1, ou quitter sans l&apos;enregistrer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
</context>
<context>
    <name>PictureBuilder</name>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be drawn.</source>
        <translation>L&apos;image du clavier «&#xa0;%1&#xa0;» n&apos;a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be written: %2</source>
        <translation>L&apos;image du clavier «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>There are no keyboard pictures for nationality code %1.</source>
        <translation>Il n&apos;y a pas d&apos;images de clavier pour le code de pays %1.</translation>
    </message>
    <message>
        <source>The blank keyboard picture &quot;%1&quot; could not be read.</source>
        <translation>L&apos;image du clavier vierge «&#xa0;%1&#xa0;» n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>No Delay</source>
        <translation>Sans délai</translation>
    </message>
    <message>
        <source>1 second delay</source>
        <translation>1 seconde de délai</translation>
    </message>
    <message>
        <source>2 seconds delay</source>
        <translation>2 secondes de délai</translation>
    </message>
    <message>
        <source>3 seconds delay</source>
        <translation>3 secondes de délai</translation>
    </message>
    <message>
        <source>4 seconds delay</source>
        <translation>4 secondes de délai</translation>
    </message>
    <message>
        <source>5 seconds delay</source>
        <translation>5 secondes de délai</translation>
    </message>
    <message>
        <source>6 seconds delay</source>
        <translation>6 secondes de délai</translation>
    </message>
    <message>
        <source>7 seconds delay</source>
        <translation>7 secondes de délai</translation>
    </message>
    <message>
        <source>8 seconds delay</source>
        <translation>8 secondes de délai</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur du cadre</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Key Tap Sound</source>
        <translation>Son des touches</translation>
    </message>
    <message>
        <source>Key Tap On</source>
        <translation>Clic activé</translation>
    </message>
    <message>
        <source>Key Tap Off</source>
        <translation>Clic coupé</translation>
    </message>
    <message>
        <source>Beep On Error</source>
        <translation>Bip en cas d&apos;erreur</translation>
    </message>
    <message>
        <source>Beep On</source>
        <translation>Bip activé</translation>
    </message>
    <message>
        <source>Beep Off</source>
        <translation>Bip coupé</translation>
    </message>
    <message>
        <source>Characters On Keyboard</source>
        <translation>Caractères sur le clavier</translation>
    </message>
    <message>
        <source>See all Keys</source>
        <translation>Voir toutes les touches</translation>
    </message>
    <message>
        <source>Hide all Keys</source>
        <translation>Masquer toutes les touches</translation>
    </message>
    <message>
        <source>Hand Thickness</source>
        <translation>Épaisseur des mains</translation>
    </message>
    <message>
        <source>One Line</source>
        <translation>Un trait</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Deux traits</translation>
    </message>
    <message>
        <source>Add Enter Key (Beginners)</source>
        <translation>Touche Entrée à la fin (débutants)</translation>
    </message>
    <message>
        <source>Add Enter Key</source>
        <translation>Touche Entrée à la fin</translation>
    </message>
    <message>
        <source>No Enter Key</source>
        <translation>Sans touche Entrée</translation>
    </message>
    <message>
        <source>Add Enter Key (Intermediate)</source>
        <translation>Touche Entrée à la fin (intermédiaires)</translation>
    </message>
    <message>
        <source>Line Font Style</source>
        <translation>Style de police des lignes</translation>
    </message>
    <message>
        <source>Bold Font</source>
        <translation>Police grasse</translation>
    </message>
    <message>
        <source>Regular Font</source>
        <translation>Police normale</translation>
    </message>
    <message>
        <source>Add Enter Key (Advanced)</source>
        <translation>Touche Entrée à la fin (avancés)</translation>
    </message>
    <message>
        <source>Font Style (Advanced)</source>
        <translation>Style de police (avancés)</translation>
    </message>
    <message>
        <source>Bold Fonts</source>
        <translation>Police grasse</translation>
    </message>
    <message>
        <source>Regular Fonts</source>
        <translation>Police normale</translation>
    </message>
    <message>
        <source>Lines (Keyfarer) </source>
        <translation>Lignes (Keyfarer) </translation>
    </message>
    <message>
        <source>See lines ahead</source>
        <translation>Voir les lignes suivantes</translation>
    </message>
    <message>
        <source>Hide lines ahead</source>
        <translation>Masquer les lignes suivantes</translation>
    </message>
    <message>
        <source>Pointer (Keyfarer)</source>
        <translation>Pointeur (Keyfarer)</translation>
    </message>
    <message>
        <source>See pointer above lines</source>
        <translation>Voir le pointeur au-dessus des lignes</translation>
    </message>
    <message>
        <source>Hide pointer above lines</source>
        <translation>Masquer le pointeur au-dessus des lignes</translation>
    </message>
    <message>
        <source>Font Style (Keyfarer)</source>
        <translation>Style de police (Keyfarer)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Beginners &amp;&amp; Intermediate</source>
        <translation>Débutants &amp;&amp; intermédiaires</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Leçons</translation>
    </message>
    <message>
        <source>Advanced &amp;&amp; Keyfarer</source>
        <translation>Avancés &amp;&amp; Keyfarer</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Tests chronométrés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hand Color</source>
        <translation>Couleur des mains</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Couleur par défaut</translation>
    </message>
    <message>
        <source>Beginners Hand Delay</source>
        <translation>Délai des mains (débutants)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear in the Beginners Section.</source>
        <translation>Ci-dessus, tu choisis le nombre de secondes avant que les mains apparaissent dans la partie Débutants.</translation>
    </message>
    <message>
        <source>Intermediate Hand Delay</source>
        <translation>Délai des mains (intermédiaires)</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Turns: how many times each pair of lines is typed.</source>
        <translation>Tours&#xa0;: combien de fois chaque paire de lignes est tapée.</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>MPM</translation>
    </message>
    <message>
        <source>WPM: the words per minute to aim for.</source>
        <translation>MPM&#xa0;: le nombre de mots par minute à atteindre.</translation>
    </message>
    <message>
        <source>Lessons Hand Delay</source>
        <translation>Délai des mains (leçons)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear.</source>
        <translation>Ci-dessus, tu choisis le nombre de secondes avant que les mains apparaissent.</translation>
    </message>
    <message>
        <source>Line Font Used</source>
        <translation>Police des lignes</translation>
    </message>
    <message>
        <source>Sans Serif</source>
        <translation>Sans empattement</translation>
    </message>
    <message>
        <source>Use the Up/Down arrow buttons below to choose how many minutes you want to type.</source>
        <translation>Utilise les flèches ci-dessous pour choisir combien de minutes tu veux taper.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Backspace allowed</source>
        <translation>Retour arrière autorisé</translation>
    </message>
    <message>
        <source>No Backspace</source>
        <translation>Sans retour arrière</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
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
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Font Type</source>
        <translation>Style de police</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Time Used Gauge</source>
        <translation>Jauge du temps écoulé</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Masquée</translation>
    </message>
    <message>
        <source>Completed Gauge</source>
        <translation>Jauge de progression</translation>
    </message>
    <message>
        <source>Sound can be adjusted by clicking the Global Options tab above and to the left.</source>
        <translation>Le son se règle dans l&apos;onglet «&#xa0;Général&#xa0;», en haut à gauche.</translation>
    </message>
    <message>
        <source>Speak each key and finger</source>
        <translation>Annoncer chaque touche et chaque doigt</translation>
    </message>
    <message>
        <source>Choose a user name first.</source>
        <translation>Choisis d&apos;abord un nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Each new key and its finger are read aloud during a drill.</source>
        <translation>Pendant un exercice, chaque nouvelle touche et son doigt sont lus à voix haute.</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
</context>
<context>
    <name>PressJournal</name>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>il a été écrit par une version plus récente du programme</translation>
    </message>
    <message>
        <source>Your key presses could not be written to %1 (%2). They are kept and written at the end of the next set.</source>
        <translation>Tes frappes n&apos;ont pas pu être écrites dans %1 (%2). Elles sont gardées et seront écrites à la fin de la prochaine série.</translation>
    </message>
    <message>
        <source>The record of your key presses in %1 was damaged. It was renamed to %2 and a new one was begun. Your sets and your student file are safe.</source>
        <translation>L&apos;enregistrement de tes frappes dans %1 était endommagé. Il a été renommé en %2 et un nouveau a été commencé. Tes séries et ton fichier d&apos;élève sont intacts.</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer could not be started (%1).</source>
        <translation>L&apos;imprimante n&apos;a pas pu démarrer (%1).</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>L&apos;imprimante a signalé une erreur.</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Afficher le bilan</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Voir le bilan</translation>
    </message>
    <message>
        <source>View User Name to the Left</source>
        <translation>Voir le nom choisi à gauche</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Hide to View Charts</source>
        <translation>Masquer pour voir les graphiques</translation>
    </message>
    <message>
        <source>Click &quot;Hide&quot; to view charts:</source>
        <translation>Pour voir les graphiques&#xa0;:</translation>
    </message>
    <message>
        <source>Summary report</source>
        <translation>Rapport de synthèse</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Noms d&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>User name is not valid. </source>
        <translation>Le nom d&apos;utilisateur n&apos;est pas valide. </translation>
    </message>
    <message>
        <source>User name is not valid. Use at least 2 characters and no more than 40.</source>
        <translation>Le nom d&apos;utilisateur n&apos;est pas valide. Utilise au moins 2 caractères et au plus 40.</translation>
    </message>
    <message>
        <source>&quot;.&quot; and &quot;..&quot; name folders, not students. Choose a name with letters in it.</source>
        <translation>«&#xa0;.&#xa0;» et «&#xa0;..&#xa0;» désignent des dossiers, pas des élèves. Choisis un nom qui contient des lettres.</translation>
    </message>
    <message>
        <source>It holds a control character such as a tab. Use letters, digits and blanks.</source>
        <translation>Il contient un caractère de contrôle, par exemple une tabulation. Utilise des lettres, des chiffres et des espaces.</translation>
    </message>
    <message>
        <source>A user name cannot hold any of the characters / \ : * ? &quot; &lt; &gt; |, and &quot;%1&quot; is one of them.</source>
        <translation>Un nom d&apos;utilisateur ne peut contenir aucun des caractères / \ : * ? &quot; &lt; &gt; |, et «&#xa0;%1&#xa0;» en fait partie.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be used in a user name. Use letters, digits and blanks.</source>
        <translation>Le caractère «&#xa0;%1&#xa0;» ne peut pas être utilisé dans un nom d&apos;utilisateur. Utilise des lettres, des chiffres et des espaces.</translation>
    </message>
    <message>
        <source>You cannot delete the last username on the list.</source>
        <translation>Tu ne peux pas supprimer le dernier nom de la liste.</translation>
    </message>
    <message>
        <source>You cannot delete the username you are currently using. </source>
        <translation>Tu ne peux pas supprimer le nom que tu utilises en ce moment. </translation>
    </message>
    <message>
        <source>Invalid User Name</source>
        <translation>Nom d&apos;utilisateur non valide</translation>
    </message>
    <message>
        <source>Some systems keep this name for a device. Choose another name.</source>
        <translation>Certains systèmes réservent ce nom à un périphérique. Choisis un autre nom.</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be deleted: %2</source>
        <translation>Le fichier élève «&#xa0;%1&#xa0;» n&apos;a pas pu être supprimé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SaveStudent</name>
    <message>
        <source>You are viewing the figures of %1, so nothing is saved now. To go on typing as %2, view or take the name %2 again.</source>
        <translation>Tu regardes les résultats de %1, donc rien n&apos;est enregistré maintenant. Pour continuer à taper en tant que %2, affiche ou reprends le nom %2.</translation>
    </message>
</context>
<context>
    <name>SpeechOutput</name>
    <message>
        <source>The speech module could not be loaded: %1</source>
        <translation>Le module vocal n&apos;a pas pu être chargé&#xa0;: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Aucun moteur de synthèse vocale n&apos;est installé.</translation>
    </message>
    <message>
        <source>The speech engine failed: %1</source>
        <translation>Le moteur de synthèse vocale a échoué&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SpokenKey</name>
    <message>
        <source>capital %1</source>
        <translation>%1 majuscule</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>point d&apos;exclamation</translation>
    </message>
    <message>
        <source>double quote</source>
        <translation>guillemet droit</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>croisillon</translation>
    </message>
    <message>
        <source>dollar sign</source>
        <translation>signe dollar</translation>
    </message>
    <message>
        <source>percent sign</source>
        <translation>signe pour cent</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>esperluette</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrophe</translation>
    </message>
    <message>
        <source>left parenthesis</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>right parenthesis</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>astérisque</translation>
    </message>
    <message>
        <source>plus sign</source>
        <translation>signe plus</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>trait d&apos;union</translation>
    </message>
    <message>
        <source>period</source>
        <translation>point</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barre oblique</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>deux-points</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <source>less-than sign</source>
        <translation>signe inférieur à</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>signe égal</translation>
    </message>
    <message>
        <source>greater-than sign</source>
        <translation>signe supérieur à</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>arobase</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>barre oblique inversée</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>accent circonflexe</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>tiret bas</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>accent grave</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>accolade ouvrante</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barre verticale</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>accolade fermante</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <source>euro sign</source>
        <translation>signe euro</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espace insécable</translation>
    </message>
    <message>
        <source>inverted exclamation mark</source>
        <translation>point d&apos;exclamation inversé</translation>
    </message>
    <message>
        <source>cent sign</source>
        <translation>signe cent</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>signe livre</translation>
    </message>
    <message>
        <source>currency sign</source>
        <translation>signe monétaire</translation>
    </message>
    <message>
        <source>yen sign</source>
        <translation>signe yen</translation>
    </message>
    <message>
        <source>broken bar</source>
        <translation>barre verticale brisée</translation>
    </message>
    <message>
        <source>section sign</source>
        <translation>signe paragraphe</translation>
    </message>
    <message>
        <source>umlaut accent</source>
        <translation>tréma</translation>
    </message>
    <message>
        <source>copyright sign</source>
        <translation>signe copyright</translation>
    </message>
    <message>
        <source>feminine ordinal indicator</source>
        <translation>indicateur ordinal féminin</translation>
    </message>
    <message>
        <source>left angle quotes</source>
        <translation>guillemet ouvrant</translation>
    </message>
    <message>
        <source>not sign</source>
        <translation>signe négation</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>trait d&apos;union conditionnel</translation>
    </message>
    <message>
        <source>registered sign</source>
        <translation>signe marque déposée</translation>
    </message>
    <message>
        <source>macron</source>
        <translation>macron</translation>
    </message>
    <message>
        <source>degree sign</source>
        <translation>signe degré</translation>
    </message>
    <message>
        <source>plus-minus sign</source>
        <translation>signe plus ou moins</translation>
    </message>
    <message>
        <source>superscript two</source>
        <translation>exposant deux</translation>
    </message>
    <message>
        <source>superscript three</source>
        <translation>exposant trois</translation>
    </message>
    <message>
        <source>acute accent</source>
        <translation>accent aigu</translation>
    </message>
    <message>
        <source>micro sign</source>
        <translation>signe micro</translation>
    </message>
    <message>
        <source>pilcrow sign</source>
        <translation>pied-de-mouche</translation>
    </message>
    <message>
        <source>middle dot</source>
        <translation>point médian</translation>
    </message>
    <message>
        <source>cedilla</source>
        <translation>cédille</translation>
    </message>
    <message>
        <source>superscript one</source>
        <translation>exposant un</translation>
    </message>
    <message>
        <source>masculine ordinal indicator</source>
        <translation>indicateur ordinal masculin</translation>
    </message>
    <message>
        <source>right angle quotes</source>
        <translation>guillemet fermant</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un quart</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un demi</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>trois quarts</translation>
    </message>
    <message>
        <source>inverted question mark</source>
        <translation>point d&apos;interrogation inversé</translation>
    </message>
    <message>
        <source>capital A grave</source>
        <translation>A accent grave majuscule</translation>
    </message>
    <message>
        <source>capital A acute</source>
        <translation>A accent aigu majuscule</translation>
    </message>
    <message>
        <source>capital A circumflex</source>
        <translation>A accent circonflexe majuscule</translation>
    </message>
    <message>
        <source>capital A tilde</source>
        <translation>A tilde majuscule</translation>
    </message>
    <message>
        <source>capital A umlaut</source>
        <translation>A tréma majuscule</translation>
    </message>
    <message>
        <source>capital A ring</source>
        <translation>A rond en chef majuscule</translation>
    </message>
    <message>
        <source>capital A E ligature</source>
        <translation>E dans l&apos;A majuscule</translation>
    </message>
    <message>
        <source>capital C cedilla</source>
        <translation>C cédille majuscule</translation>
    </message>
    <message>
        <source>capital E grave</source>
        <translation>E accent grave majuscule</translation>
    </message>
    <message>
        <source>capital E acute</source>
        <translation>E accent aigu majuscule</translation>
    </message>
    <message>
        <source>capital E circumflex</source>
        <translation>E accent circonflexe majuscule</translation>
    </message>
    <message>
        <source>capital E umlaut</source>
        <translation>E tréma majuscule</translation>
    </message>
    <message>
        <source>capital I grave</source>
        <translation>I accent grave majuscule</translation>
    </message>
    <message>
        <source>capital I acute</source>
        <translation>I accent aigu majuscule</translation>
    </message>
    <message>
        <source>capital I circumflex</source>
        <translation>I accent circonflexe majuscule</translation>
    </message>
    <message>
        <source>capital I umlaut</source>
        <translation>I tréma majuscule</translation>
    </message>
    <message>
        <source>capital eth</source>
        <translation>eth majuscule</translation>
    </message>
    <message>
        <source>capital N tilde</source>
        <translation>N tilde majuscule</translation>
    </message>
    <message>
        <source>capital O grave</source>
        <translation>O accent grave majuscule</translation>
    </message>
    <message>
        <source>capital O acute</source>
        <translation>O accent aigu majuscule</translation>
    </message>
    <message>
        <source>capital O circumflex</source>
        <translation>O accent circonflexe majuscule</translation>
    </message>
    <message>
        <source>capital O tilde</source>
        <translation>O tilde majuscule</translation>
    </message>
    <message>
        <source>capital O umlaut</source>
        <translation>O tréma majuscule</translation>
    </message>
    <message>
        <source>multiplication sign</source>
        <translation>signe multiplication</translation>
    </message>
    <message>
        <source>capital O stroke</source>
        <translation>O barré majuscule</translation>
    </message>
    <message>
        <source>capital U grave</source>
        <translation>U accent grave majuscule</translation>
    </message>
    <message>
        <source>capital U acute</source>
        <translation>U accent aigu majuscule</translation>
    </message>
    <message>
        <source>capital U circumflex</source>
        <translation>U accent circonflexe majuscule</translation>
    </message>
    <message>
        <source>capital U umlaut</source>
        <translation>U tréma majuscule</translation>
    </message>
    <message>
        <source>capital Y acute</source>
        <translation>Y accent aigu majuscule</translation>
    </message>
    <message>
        <source>capital thorn</source>
        <translation>thorn majuscule</translation>
    </message>
    <message>
        <source>sharp s</source>
        <translation>eszett</translation>
    </message>
    <message>
        <source>a grave</source>
        <translation>a accent grave</translation>
    </message>
    <message>
        <source>a acute</source>
        <translation>a accent aigu</translation>
    </message>
    <message>
        <source>a circumflex</source>
        <translation>a accent circonflexe</translation>
    </message>
    <message>
        <source>a tilde</source>
        <translation>a tilde</translation>
    </message>
    <message>
        <source>a umlaut</source>
        <translation>a tréma</translation>
    </message>
    <message>
        <source>a ring</source>
        <translation>a rond en chef</translation>
    </message>
    <message>
        <source>a e ligature</source>
        <translation>e dans l&apos;a</translation>
    </message>
    <message>
        <source>c cedilla</source>
        <translation>c cédille</translation>
    </message>
    <message>
        <source>e grave</source>
        <translation>e accent grave</translation>
    </message>
    <message>
        <source>e acute</source>
        <translation>e accent aigu</translation>
    </message>
    <message>
        <source>e circumflex</source>
        <translation>e accent circonflexe</translation>
    </message>
    <message>
        <source>e umlaut</source>
        <translation>e tréma</translation>
    </message>
    <message>
        <source>i grave</source>
        <translation>i accent grave</translation>
    </message>
    <message>
        <source>i acute</source>
        <translation>i accent aigu</translation>
    </message>
    <message>
        <source>i circumflex</source>
        <translation>i accent circonflexe</translation>
    </message>
    <message>
        <source>i umlaut</source>
        <translation>i tréma</translation>
    </message>
    <message>
        <source>eth</source>
        <translation>eth</translation>
    </message>
    <message>
        <source>n tilde</source>
        <translation>n tilde</translation>
    </message>
    <message>
        <source>o grave</source>
        <translation>o accent grave</translation>
    </message>
    <message>
        <source>o acute</source>
        <translation>o accent aigu</translation>
    </message>
    <message>
        <source>o circumflex</source>
        <translation>o accent circonflexe</translation>
    </message>
    <message>
        <source>o tilde</source>
        <translation>o tilde</translation>
    </message>
    <message>
        <source>o umlaut</source>
        <translation>o tréma</translation>
    </message>
    <message>
        <source>division sign</source>
        <translation>signe division</translation>
    </message>
    <message>
        <source>o stroke</source>
        <translation>o barré</translation>
    </message>
    <message>
        <source>u grave</source>
        <translation>u accent grave</translation>
    </message>
    <message>
        <source>u acute</source>
        <translation>u accent aigu</translation>
    </message>
    <message>
        <source>u circumflex</source>
        <translation>u accent circonflexe</translation>
    </message>
    <message>
        <source>u umlaut</source>
        <translation>u tréma</translation>
    </message>
    <message>
        <source>y acute</source>
        <translation>y accent aigu</translation>
    </message>
    <message>
        <source>thorn</source>
        <translation>thorn</translation>
    </message>
    <message>
        <source>y umlaut</source>
        <translation>y tréma</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Beginner&apos;s Drills</source>
        <translation>Exercices débutants</translation>
    </message>
    <message>
        <source>After Switching names, it is recommended that you restart the program before continuing to type. This will protect the most recent chart data from being lost. If you haven&apos;t typed since starting Keyfarer, you don&apos;t have to restart.</source>
        <translation>Après un changement de nom, il est conseillé de redémarrer le programme avant de continuer à taper. Ainsi, les données les plus récentes des graphiques ne seront pas perdues. Si tu n&apos;as pas tapé depuis le démarrage de Keyfarer, inutile de redémarrer.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Individual Key Charts</source>
        <translation>Graphiques par touche</translation>
    </message>
    <message>
        <source>Overall Statistics</source>
        <translation>Statistiques générales</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Current User</source>
        <translation>Utilisateur actuel</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Changer d&apos;élève</translation>
    </message>
    <message>
        <source>Recommended for Teachers Viewing  Charts &amp; Stats Only</source>
        <translation>Conseillé aux enseignants qui consultent seulement les graphiques et les statistiques</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Voir le bilan</translation>
    </message>
    <message>
        <source>Close Charts</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Today or Last</source>
        <translation>Dernière séance</translation>
    </message>
    <message>
        <source>Typing History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Program Section</source>
        <translation>Partie du programme</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>Letters &amp;&amp; Punctuation</source>
        <translation>Lettres &amp;&amp; ponctuation</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>International Keys</source>
        <translation>Touches internationales</translation>
    </message>
    <message>
        <source>Right Shift Letter Key Errors = </source>
        <translation>Erreurs avec Maj droite = </translation>
    </message>
    <message>
        <source>Left Shift Letter Key Errors = </source>
        <translation>Erreurs avec Maj gauche = </translation>
    </message>
    <message>
        <source>Key Speed</source>
        <translation>Vitesse par touche</translation>
    </message>
    <message>
        <source>Key Accuracy</source>
        <translation>Précision par touche</translation>
    </message>
    <message>
        <source>Past 8 Days</source>
        <translation>8 derniers jours</translation>
    </message>
    <message>
        <source>Typing History (all)</source>
        <translation>Tout l&apos;historique</translation>
    </message>
    <message>
        <source>WPM:</source>
        <translation>MPM&#xa0;:</translation>
    </message>
    <message>
        <source>Correct %:</source>
        <translation>Justes %&#xa0;:</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Adjusted WPM</source>
        <translation>MPM corrigés</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Touches difficiles</translation>
    </message>
    <message>
        <source>Show as Table</source>
        <translation>En tableau</translation>
    </message>
    <message>
        <source>Show as Chart</source>
        <translation>En graphique</translation>
    </message>
</context>
<context>
    <name>StudentFile</name>
    <message>
        <source>The student file &quot;%1&quot; could not be written: %2</source>
        <translation>Le fichier élève «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: %2</source>
        <translation>Le fichier élève «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be created: %2</source>
        <translation>Le fichier élève «&#xa0;%1&#xa0;» n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: it holds %2 bytes instead of %3, so it is not a whole student record.</source>
        <translation>Le fichier élève «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: il contient %2 octets au lieu de %3, ce n&apos;est donc pas une fiche élève complète.</translation>
    </message>
    <message>
        <source>it could not be synced</source>
        <translation>il n&apos;a pas pu être écrit entièrement sur le disque</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; holds %2 bytes, far more than a student record (%3 bytes), so Keyfarer leaves it alone. Ask whoever looks after this computer to check it, or choose another name.</source>
        <translation>Le fichier élève «&#xa0;%1&#xa0;» contient %2 octets, bien plus qu&apos;une fiche d&apos;élève (%3 octets), donc Keyfarer n&apos;y touche pas. Demande à la personne qui s&apos;occupe de cet ordinateur de le vérifier, ou choisis un autre nom.</translation>
    </message>
</context>
<context>
    <name>StudentSettings</name>
    <message>
        <source>it is far larger than any settings</source>
        <translation>il est bien plus grand que des réglages</translation>
    </message>
    <message>
        <source>Your setting could not be kept in &quot;%1&quot;: %2. It holds for now; to keep it, check that you may write in the working folder and that the disk has room, then choose it again.</source>
        <translation>Ton réglage n&apos;a pas pu être gardé dans «&#xa0;%1&#xa0;»&#xa0;: %2. Il vaut pour l&apos;instant&#xa0;; pour le garder, vérifie que tu peux écrire dans le dossier de travail et que le disque a de la place, puis choisis-le de nouveau.</translation>
    </message>
</context>
<context>
    <name>SummaryReport</name>
    <message>
        <source>Beginners Drills:</source>
        <translation>Exercices débutants&#xa0;:</translation>
    </message>
    <message>
        <source>-----------------</source>
        <translation>---------------------</translation>
    </message>
    <message>
        <source>Accuracy Today or Last:           </source>
        <translation>Précision, dernière séance&#xa0;:                 </translation>
    </message>
    <message>
        <source>Accuracy All Days:                </source>
        <translation>Précision, tous les jours&#xa0;:                  </translation>
    </message>
    <message>
        <source>Slowest Letter Today or Last:     </source>
        <translation>Lettre la plus lente, dernière séance&#xa0;:      </translation>
    </message>
    <message>
        <source>Best Time Today or Last (Seconds): </source>
        <translation>Meilleur temps, dernière séance (secondes)&#xa0;: </translation>
    </message>
    <message>
        <source>Average of All Sections:</source>
        <translation>Moyenne de toutes les parties&#xa0;:</translation>
    </message>
    <message>
        <source>-----------------------</source>
        <translation>------------------------------</translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for Today or Last: </source>
        <translation>MPM moyens (toutes les parties), dernière séance&#xa0;: </translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for all of history: </source>
        <translation>MPM moyens (toutes les parties), tout l&apos;historique&#xa0;: </translation>
    </message>
    <message>
        <source>Average accuracy (all Sections) for Today or Last: </source>
        <translation>Précision moyenne (toutes les parties), dernière séance&#xa0;: </translation>
    </message>
    <message>
        <source>Average accuracy (all sections) for all history: </source>
        <translation>Précision moyenne (toutes les parties), tout l&apos;historique&#xa0;: </translation>
    </message>
    <message>
        <source>Student: %1  Date: %2</source>
        <translation>Élève&#xa0;: %1  Date&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SwitchUserPanel</name>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Choisis un nom dans la liste ci-dessous.</translation>
    </message>
    <message>
        <source>If you want to continue typing after viewing other names, return to original name.</source>
        <translation>Si tu veux continuer à taper après avoir consulté d&apos;autres noms, reviens à ton propre nom.</translation>
    </message>
    <message>
        <source>View Selected Name</source>
        <translation>Voir le nom choisi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Noms d&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>TroubleKeysWindow</name>
    <message>
        <source>At or above the goal</source>
        <translation>À l&apos;objectif ou au-dessus</translation>
    </message>
    <message>
        <source>Less than a tenth below the goal</source>
        <translation>Moins d&apos;un dixième sous l&apos;objectif</translation>
    </message>
    <message>
        <source>Less than a quarter below the goal</source>
        <translation>Moins d&apos;un quart sous l&apos;objectif</translation>
    </message>
    <message>
        <source>A quarter or more below the goal</source>
        <translation>Un quart ou plus sous l&apos;objectif</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Typed Instead</source>
        <translation>Tapé à la place</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Touches difficiles</translation>
    </message>
    <message>
        <source>Show &amp;speed instead of accuracy</source>
        <translation>Afficher la &amp;vitesse au lieu de la précision</translation>
    </message>
    <message>
        <source>Keyboard coloured by your keys</source>
        <translation>Clavier coloré selon tes touches</translation>
    </message>
    <message>
        <source>Keys &amp;typed instead of others</source>
        <translation>Touches &amp;tapées à la place d&apos;autres</translation>
    </message>
    <message>
        <source>The keys holding you back, last 20 sets (blue: words a minute, red dashed: % accuracy)</source>
        <translation>Les touches qui te freinent, 20 dernières séries (bleu : mots par minute, rouge pointillé : % de précision)</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Exercer ces touches</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Export the Presses</source>
        <translation>Exporter les frappes</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The presses could not be exported to %1.</source>
        <translation>Les frappes n&apos;ont pas pu être exportées vers %1.</translation>
    </message>
    <message>
        <source>A key holds you back while its time, counting hits only and moving a tenth of the way with each set, is slower than the goal of %1 words a minute, or while fewer than %2 % of its presses hit; the weakest key comes first.</source>
        <translation>Une touche te freine tant que son temps (coups justes seulement, ajusté d&apos;un dixième à chaque série) est plus lent que l&apos;objectif de %1 mots par minute, ou tant que moins de %2 % de ses frappes sont justes ; la plus faible vient en premier.</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Objectifs de la classe : %1 mots par minute et %2 % de précision.</translation>
    </message>
    <message>
        <source>%1 has no presses in the journal yet.</source>
        <translation>%1 n&apos;a pas encore de frappes enregistrées.</translation>
    </message>
    <message>
        <source>%1 meets them.</source>
        <translation>%1 les atteint.</translation>
    </message>
    <message>
        <source>%1 does not meet them yet.</source>
        <translation>%1 ne les atteint pas encore.</translation>
    </message>
    <message>
        <source>%1: %2 % of presses hit, %3 words a minute</source>
        <translation>%1 : %2 % de frappes justes, %3 mots par minute</translation>
    </message>
    <message>
        <source>(another character)</source>
        <translation>(autre caractère)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>%1: no sets yet</source>
        <translation>%1 : pas encore de séries</translation>
    </message>
    <message>
        <source>%1 over the last %2 sets: from %3 to %4 words a minute, from %5 % to %6 % accuracy</source>
        <translation>%1 sur les %2 dernières séries : de %3 à %4 mots par minute, de %5 % à %6 % de précision</translation>
    </message>
</context>
<context>
    <name>UserPanels</name>
    <message>
        <source>Type in a new user name below and click the OK button.</source>
        <translation>Tape un nouveau nom d&apos;utilisateur ci-dessous et clique sur OK.</translation>
    </message>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Choisis un nom dans la liste.</translation>
    </message>
    <message>
        <source>This username already exists and Cannot be created.</source>
        <translation>Ce nom d&apos;utilisateur existe déjà et ne peut pas être créé.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have created a user file.</source>
        <translation>Tu ne peux pas commencer à taper avant d&apos;avoir créé un fichier utilisateur.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have selected a user name from the list.</source>
        <translation>Tu ne peux pas commencer à taper avant d&apos;avoir choisi un nom dans la liste.</translation>
    </message>
    <message>
        <source>You need to type the correct password to delete a username</source>
        <translation>Tu dois taper le bon mot de passe pour supprimer un nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Do you want to delete this username?</source>
        <translation>Veux-tu supprimer ce nom d&apos;utilisateur&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Use this Name</source>
        <translation>Utiliser ce nom</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Nouveau nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Noms d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password to delete a name</source>
        <translation>Mot de passe pour supprimer un nom</translation>
    </message>
    <message>
        <source>Choose a keyboard from the Additional/Keyboard Nationality Menu above.</source>
        <translation>Choisis un clavier dans le menu Suppléments/Disposition du clavier ci-dessus.</translation>
    </message>
    <message>
        <source> A folder called &quot;%1&quot; is in the way.</source>
        <translation> Un dossier nommé «&#xa0;%1&#xa0;» gêne.</translation>
    </message>
    <message>
        <source> The file &quot;%1&quot; is in the way.</source>
        <translation> Le fichier «&#xa0;%1&#xa0;» gêne.</translation>
    </message>
    <message>
        <source>%1 cannot be deleted while another copy of Keyfarer has this student. Close it there first, then delete the name.</source>
        <translation>%1 ne peut pas être supprimé tant que Keyfarer est ouvert ailleurs avec ce nom. Ferme-le d&apos;abord là-bas, puis supprime le nom.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>No shipped pictures and sounds were found in &quot;%1&quot;.</source>
        <translation>Aucune image ni aucun son fournis avec le programme n&apos;ont été trouvés dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied into &quot;%2&quot;.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être copié dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds Keyfarer&apos;s installed pictures and sounds, which are never changed. Give Keyfarer another working folder (the option --working-folder or the variable KEYFARER_HOME).</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» contient les images et les sons installés de Keyfarer, qui ne sont jamais modifiés. Donne à Keyfarer un autre dossier de travail (option --working-folder ou variable KEYFARER_HOME).</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>un périphérique ou un socket</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a folder. Give Keyfarer a folder as its working folder.</source>
        <translation>«&#xa0;%1&#xa0;» est %2, pas un dossier. Donne à Keyfarer un dossier comme dossier de travail.</translation>
    </message>
</context>
<context>
    <name>WorkingFolderChoice</name>
    <message>
        <source>The setting WorkingFolder in &quot;%1&quot; is not used: %2</source>
        <translation>Le réglage WorkingFolder de «&#xa0;%1&#xa0;» n&apos;est pas utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>it names no folder.</source>
        <translation>il ne nomme aucun dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path; it must begin with &quot;/&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un chemin complet&#xa0;; il doit commencer par «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>the file is not in the settings format (lines such as WorkingFolder=/srv/class under [General]).</source>
        <translation>le fichier n&apos;a pas le format des réglages (des lignes comme WorkingFolder=/srv/class sous [General]).</translation>
    </message>
    <message>
        <source>Keyfarer works in &quot;%1&quot; instead.</source>
        <translation>Keyfarer travaille à la place dans «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>kf::ClassOverviewWindow</name>
    <message>
        <source>Class Overview</source>
        <translation>Vue de la classe</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Reading the student files...</source>
        <translation>Lecture des fichiers élèves…</translation>
    </message>
    <message numerus="yes">
        <source>%n student file(s)</source>
        <translation>
            <numerusform>%n fichier élève</numerusform>
            <numerusform>%n fichiers élèves</numerusform>
        </translation>
    </message>
    <message>
        <source>Class Overview: %1  Date: %2</source>
        <translation>Vue de la classe&#xa0;: %1  Date&#xa0;: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Goals…</source>
        <translation>Objectifs…</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Objectifs de la classe : %1 mots par minute et %2 % de précision.</translation>
    </message>
    <message>
        <source>Class Goals</source>
        <translation>Objectifs de la classe</translation>
    </message>
    <message>
        <source>&amp;Words a minute:</source>
        <translation>&amp;Mots par minute :</translation>
    </message>
    <message>
        <source>&amp;Accuracy:</source>
        <translation>&amp;Précision :</translation>
    </message>
    <message>
        <source>The class goals could not be written to %1.</source>
        <translation>Les objectifs de la classe n&apos;ont pas pu être écrits dans %1.</translation>
    </message>
    <message>
        <source>The student file of %1 is no longer in the folder: someone deleted or renamed it. Close this window and open the class overview again to see the folder as it is now.</source>
        <translation>Le fichier élève de %1 n&apos;est plus dans le dossier&#xa0;: quelqu&apos;un l&apos;a supprimé ou renommé. Ferme cette fenêtre et ouvre de nouveau la vue de la classe pour voir le dossier tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xport CSV</source>
        <translation>E&amp;xporter en CSV</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
</TS>
