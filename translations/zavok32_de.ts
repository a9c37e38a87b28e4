<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutPage</name>
    <message>
        <source>About Zavok32</source>
        <translation>Über Zavok32</translation>
    </message>
    <message>
        <source>Visit my web page for other programs I&apos;ve written and updates.  Please send me your comments or suggestions.</source>
        <translation>Auf meiner Webseite finden Sie weitere Programme von mir und neue Versionen.  Schreiben Sie mir Ihre Meinung oder Ihre Vorschläge.</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Zavok32</source>
        <translation>Über Zavok32</translation>
    </message>
    <message>
        <source>Archive volumes into ZIPs</source>
        <translation>Archivbände in ZIPs</translation>
    </message>
</context>
<context>
    <name>ArchiverWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Free space %1 M</source>
        <translation>Freier Platz %1 M</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print how to start the program and its exit statuses, and exit</source>
        <translation>zeigt, wie das Programm gestartet wird und mit welchem Status es endet, und beendet es</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>zeigt die Version und beendet das Programm</translation>
    </message>
    <message>
        <source>print nothing but errors while a job runs unattended</source>
        <translation>zeigt nur Fehler, während ein Auftrag unbeaufsichtigt läuft</translation>
    </message>
    <message>
        <source>zavok32: the window would open on no display (QT_QPA_PLATFORM=%1) and wait there for ever; a job runs without one when its path follows &quot;!&quot; or &quot;$&quot;, see zavok32 --help</source>
        <translation>zavok32: das Fenster würde auf keinem Bildschirm geöffnet (QT_QPA_PLATFORM=%1) und dort ewig warten; ein Auftrag läuft ohne Fenster, wenn sein Pfad auf „!“ oder „$“ folgt, siehe zavok32 --help</translation>
    </message>
    <message>
        <source>zavok32: another copy is running for this application directory; it was brought to the front and %1 was not loaded
</source>
        <translation>zavok32: für dieses Programmverzeichnis läuft schon eine Kopie; sie wurde nach vorn geholt und %1 wurde nicht geladen
</translation>
    </message>
    <message>
        <source>zavok32: another copy is running for this application directory and is busy (a run or a dialog); %1 was not opened. Open it there once it is free, or start this again then.
</source>
        <translation>zavok32: für dieses Programmverzeichnis läuft schon eine Kopie und ist beschäftigt (ein Lauf oder ein Dialog); %1 wurde nicht geöffnet. Öffnen Sie es dort, sobald sie frei ist, oder starten Sie dies dann erneut.
</translation>
    </message>
    <message>
        <source>check the set PATH names (its folder, one of its ZIPs, its .sfv or .sha256) and write nothing: a line per ZIP and a summary; status 0 when the set is whole and sound, 1 when it is not, 2 when PATH names no set</source>
        <translation>prüft den Satz, den PATH nennt (seinen Ordner, eines seiner ZIPs, seine .sfv oder .sha256), und schreibt nichts: eine Zeile je ZIP und eine Zusammenfassung; Status 0, wenn der Satz vollständig und heil ist, 1, wenn nicht, 2, wenn PATH keinen Satz nennt</translation>
    </message>
    <message>
        <source>rebuild the missing and damaged ZIPs of the set PATH names from its recovery files, then check it: status 0 when the set is whole and sound, 1 when it is not (the recovery data was not enough; nothing was written), 2 when PATH names no set</source>
        <translation>baut die fehlenden und beschädigten ZIPs des Satzes, den PATH nennt, aus seinen Wiederherstellungsdateien neu und prüft ihn dann: Status 0, wenn der Satz vollständig und intakt ist, 1, wenn nicht (die Wiederherstellungsdaten reichten nicht; nichts wurde geschrieben), 2, wenn PATH keinen Satz nennt</translation>
    </message>
    <message>
        <source>write recovery files that can rebuild any N ZIPs of the set (0 for none, at most 99), whatever Options &gt; Recovery files says</source>
        <translation>schreibt Wiederherstellungsdateien, die beliebige N ZIPs des Satzes neu bauen können (0 für keine, höchstens 99), gleich was Optionen &gt; Wiederherstellungsdateien sagt</translation>
    </message>
    <message>
        <source>delete an interrupted run of the job and start afresh</source>
        <translation>einen unterbrochenen Lauf des Auftrags löschen und neu beginnen</translation>
    </message>
</context>
<context>
    <name>DescriptionEditorWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
</context>
<context>
    <name>DizPage</name>
    <message>
        <source>File_id.diz</source>
        <translation>File_id.diz</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Auto numbering</source>
        <translation>Automatische Nummerierung</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>S&amp;ubsitute at column</source>
        <translation>Er&amp;setzen ab Spalte</translation>
    </message>
    <message>
        <source>Line -</source>
        <translation>Zeile -</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
</context>
<context>
    <name>DrivesDialog</name>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source>&amp;Letter:</source>
        <translation>&amp;Buchstabe:</translation>
    </message>
    <message>
        <source>&amp;Points at:</source>
        <translation>&amp;Zeigt auf:</translation>
    </message>
    <message>
        <source>Fo&amp;lder...</source>
        <translation>&amp;Ordner...</translation>
    </message>
    <message>
        <source>Mounted &amp;volume:</source>
        <translation>Eingehängter &amp;Datenträger:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Folder for the drive</source>
        <translation>Ordner für das Laufwerk</translation>
    </message>
    <message>
        <source>(choose one to point the letter at it)</source>
        <translation>(einen wählen, um den Buchstaben darauf zeigen zu lassen)</translation>
    </message>
</context>
<context>
    <name>FolderPickerDialog</name>
    <message>
        <source>Browse for Folder</source>
        <translation>Ordner suchen</translation>
    </message>
    <message>
        <source>d:\games or /home/me/games</source>
        <translation>d:\spiele oder /home/ich/spiele</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Zavok32 Help</source>
        <translation>Zavok32-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Type a word to find a topic:</source>
        <translation>Geben Sie ein Wort ein, um ein Thema zu finden:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages were not found beside the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseiten wurden neben dem Programm nicht gefunden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>MenuTable</name>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>Diz</source>
        <translation>Diz</translation>
    </message>
    <message>
        <source>Nfo</source>
        <translation>Nfo</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>Zavok</source>
        <translation>Zavok</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open zvk script...</source>
        <translation>Zvk-Skript ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>S&amp;ave zvk script...</source>
        <translation>Zvk-Skript &amp;speichern...</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Soun&amp;ds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>&amp;Drives...</source>
        <translation>&amp;Laufwerke...</translation>
    </message>
    <message>
        <source>Use &amp;zip comment</source>
        <translation>&amp;Zip-Kommentar verwenden</translation>
    </message>
    <message>
        <source>&amp;Open zip comment...</source>
        <translation>Zip-Kommentar ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;View zip comment...</source>
        <translation>Zip-Kommentar &amp;ansehen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>In&amp;dex...</translation>
    </message>
    <message>
        <source>&amp;Web page...</source>
        <translation>&amp;Webseite...</translation>
    </message>
    <message>
        <source>&amp;Email...</source>
        <translation>&amp;E-Mail...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Chec&amp;k a set...</source>
        <translation>Einen Satz &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Verify after packing</source>
        <translation>Nach dem Packen &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Checksum files</source>
        <translation>Prüf&amp;summendateien</translation>
    </message>
    <message>
        <source>&amp;Recovery files...</source>
        <translation>&amp;Wiederherstellungsdateien...</translation>
    </message>
    <message>
        <source>Clean &amp;up...</source>
        <translation>&amp;Aufräumen...</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source> Source</source>
        <translation> Quelle</translation>
    </message>
    <message>
        <source> Skip</source>
        <translation> Auslassen</translation>
    </message>
    <message>
        <source> Diz</source>
        <translation> Diz</translation>
    </message>
    <message>
        <source> Nfo</source>
        <translation> Nfo</translation>
    </message>
    <message>
        <source> Zip</source>
        <translation> Zip</translation>
    </message>
    <message>
        <source> Zavok!</source>
        <translation> Zavok!</translation>
    </message>
    <message>
        <source> About</source>
        <translation> Über</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>Diz</source>
        <translation>Diz</translation>
    </message>
    <message>
        <source>Nfo</source>
        <translation>Nfo</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>Zavok!</source>
        <translation>Zavok!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Haupt</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extras</translation>
    </message>
</context>
<context>
    <name>NfoPage</name>
    <message>
        <source>Add *.nfo</source>
        <translation>*.nfo hinzufügen</translation>
    </message>
    <message>
        <source>Nfo</source>
        <translation>Nfo</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Extra to add  (optional)</source>
        <translation>Zusätzlich hinzufügen  (optional)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Da&amp;tei</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Verzeichnis</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>D&amp;urchsuchen</translation>
    </message>
    <message>
        <source>&amp;1st zip only</source>
        <translation>Nur &amp;1. Zip</translation>
    </message>
    <message>
        <source>The .nfo and the extra go into the first zip only</source>
        <translation>Die .nfo und das Zusätzliche kommen nur in das erste Zip</translation>
    </message>
</context>
<context>
    <name>QtArchiverConsole</name>
    <message>
        <source>Ending the archiver...</source>
        <translation>Der Archivierer wird beendet...</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Ripping complete</source>
        <translation>Packen abgeschlossen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Final archive</source>
        <translation>Fertiges Archiv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Rar/Ace compression:</source>
        <translation>Rar/Ace-Kompression:</translation>
    </message>
    <message>
        <source>Zip compression:</source>
        <translation>Zip-Kompression:</translation>
    </message>
</context>
<context>
    <name>RipJob</name>
    <message>
        <source>Whole drive</source>
        <translation>Ganzes Laufwerk</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>CD image ISO file</source>
        <translation>CD-Abbild als ISO-Datei</translation>
    </message>
    <message>
        <source>CD image Bin/Cue files</source>
        <translation>CD-Abbild als Bin/Cue-Dateien</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Am schnellsten</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximal</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Packaging</source>
        <translation>Verpacken</translation>
    </message>
    <message>
        <source>Adding:</source>
        <translation>Hinzufügen:</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>Zip:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Band:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Whole run:</source>
        <translation>Ganzer Lauf:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
</context>
<context>
    <name>SkipPage</name>
    <message>
        <source>Sub-directories or files to skip   (optional)</source>
        <translation>Auszulassende Unterverzeichnisse oder Dateien   (optional)</translation>
    </message>
    <message>
        <source>&amp;Sub-dir</source>
        <translation>&amp;Unterverz.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Da&amp;tei</translation>
    </message>
    <message>
        <source>Browse adds a sub-directory of the source</source>
        <translation>Durchsuchen fügt ein Unterverzeichnis der Quelle hinzu</translation>
    </message>
    <message>
        <source>Browse adds a file of the source</source>
        <translation>Durchsuchen fügt eine Datei der Quelle hinzu</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
</context>
<context>
    <name>SourcePage</name>
    <message>
        <source>Source drive or directory</source>
        <translation>Quelllaufwerk oder -verzeichnis</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>D&amp;urchsuchen</translation>
    </message>
    <message>
        <source>&amp;Iso/Bin</source>
        <translation>&amp;Iso/Bin</translation>
    </message>
    <message>
        <source>Choose a Iso/Bin file</source>
        <translation>Eine Iso/Bin-Datei wählen</translation>
    </message>
    <message>
        <source>Total source size</source>
        <translation>Gesamtgröße der Quelle</translation>
    </message>
    <message>
        <source>Drive for Rars/Aces</source>
        <translation>Laufwerk für Rars/Aces</translation>
    </message>
    <message>
        <source>Drive free space</source>
        <translation>Freier Platz des Laufwerks</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>Free space: </source>
        <translation>Freier Platz: </translation>
    </message>
    <message>
        <source>Stop the run; the ZIPs made and the volumes left stay, and Zavok! continues it</source>
        <translation>Den Lauf anhalten; die fertigen ZIPs und die übrigen Bände bleiben, und Zavok! setzt ihn fort</translation>
    </message>
    <message>
        <source>Stop the run at once and close Zavok32; the ZIPs made and the volumes left stay</source>
        <translation>Den Lauf sofort anhalten und Zavok32 schließen; die fertigen ZIPs und die übrigen Bände bleiben</translation>
    </message>
</context>
<context>
    <name>ZipPage</name>
    <message>
        <source>Archive size</source>
        <translation>Archivgröße</translation>
    </message>
    <message>
        <source>Archive size: up for larger volumes, down for smaller ones</source>
        <translation>Archivgröße: höher für größere Bände, niedriger für kleinere</translation>
    </message>
    <message>
        <source>Rar/Ace file counts if no compression</source>
        <translation>Anzahl der Rar/Ace-Dateien ohne Kompression</translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation>Archivierer</translation>
    </message>
    <message>
        <source>&amp;Rar</source>
        <translation>&amp;Rar</translation>
    </message>
    <message>
        <source>&amp;Ace</source>
        <translation>&amp;Ace</translation>
    </message>
    <message>
        <source>Rar/Ace compression</source>
        <translation>Rar/Ace-Kompression</translation>
    </message>
    <message>
        <source>Zip compression</source>
        <translation>Zip-Kompression</translation>
    </message>
    <message>
        <source>Rar/Ace comp.</source>
        <translation>Rar/Ace-Komp.</translation>
    </message>
    <message>
        <source>Zip comp.</source>
        <translation>Zip-Komp.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Zip storage</source>
        <translation>Zip-Ablage</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
</context>
<context>
    <name>ZipSizeStep</name>
    <message>
        <source>1.44 M</source>
        <translation>1.44 M</translation>
    </message>
    <message>
        <source>%1 M</source>
        <translation>%1 M</translation>
    </message>
    <message>
        <source>; &quot;%1&quot; was cut to &quot;%2&quot;</source>
        <translation>; &quot;%1&quot; wurde auf &quot;%2&quot; gekürzt</translation>
    </message>
    <message>
        <source>Up to %1 characters at this size: three digits of the volume number follow</source>
        <translation>Bis zu %1 Zeichen bei dieser Größe: drei Ziffern der Bandnummer folgen</translation>
    </message>
    <message>
        <source>Up to %1 characters at this size: two digits of the volume number follow</source>
        <translation>Bis zu %1 Zeichen bei dieser Größe: zwei Ziffern der Bandnummer folgen</translation>
    </message>
    <message>
        <source>Up to %1 characters: one archive, no volume number</source>
        <translation>Bis zu %1 Zeichen: ein Archiv, keine Bandnummer</translation>
    </message>
</context>
</TS>
