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
    <name>Application</name>
    <message>
        <source>: the script was not found</source>
        <translation>: das Skript wurde nicht gefunden</translation>
    </message>
    <message>
        <source>: the job did not pass its check</source>
        <translation>: der Auftrag hat seine Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source> (see the%1 page)</source>
        <translation> (siehe die Seite%1)</translation>
    </message>
    <message>
        <source>stopped by %1; no run was going</source>
        <translation>angehalten durch %1; es lief kein Lauf</translation>
    </message>
</context>
<context>
    <name>ArchiveSetTester</name>
    <message>
        <source>1 file is packed in a way that cannot be tested</source>
        <translation>1 Datei ist auf eine Weise gepackt, die sich nicht testen lässt</translation>
    </message>
    <message>
        <source>%1 files are packed in a way that cannot be tested</source>
        <translation>%1 Dateien sind auf eine Weise gepackt, die sich nicht testen lässt</translation>
    </message>
    <message>
        <source> is not the first volume of a RAR or ACE set</source>
        <translation> ist nicht der erste Band eines RAR- oder ACE-Satzes</translation>
    </message>
</context>
<context>
    <name>ArchiverStep</name>
    <message>
        <source>Cannot write </source>
        <translation>Kann nicht schreiben: </translation>
    </message>
    <message>
        <source>Cannot change to the source folder </source>
        <translation>Kann nicht in den Quellordner wechseln: </translation>
    </message>
    <message>
        <source>No way to start the archiver</source>
        <translation>Der Archivierer lässt sich nicht starten</translation>
    </message>
</context>
<context>
    <name>ArchiverWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Archiver output</source>
        <translation>Ausgabe des Archivierers</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
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
    <name>CheckCommand</name>
    <message>
        <source>zavok32: %1 needs a path: a folder of ZIPs, a set&apos;s .sfv or .sha256, or a ZIP of a set
</source>
        <translation>zavok32: %1 braucht einen Pfad: einen Ordner mit ZIPs, die .sfv oder .sha256 eines Satzes oder ein ZIP eines Satzes
</translation>
    </message>
</context>
<context>
    <name>CheckSetWindow</name>
    <message>
        <source>Set:</source>
        <translation>Satz:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Datei...</translation>
    </message>
    <message>
        <source>F&amp;older...</source>
        <translation>&amp;Ordner...</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>What is wrong</source>
        <translation>Was nicht stimmt</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean up</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>What stopped runs left behind. A run that can go on is continued by the next run of its job (Zavok! asks first). Tick what is to go, then Delete.</source>
        <translation>Was angehaltene Läufe hinterlassen haben. Ein Lauf, der weitergehen kann, wird vom nächsten Lauf seines Auftrags fortgesetzt (Zavok! fragt vorher). Haken Sie an, was weg soll, dann Löschen.</translation>
    </message>
    <message>
        <source>Folder or file</source>
        <translation>Ordner oder Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Was es ist</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>CleanUpList</name>
    <message>
        <source>Nothing to clean up: no interrupted run left a work folder, and no unfinished ZIP lies in the ZIP folders your runs wrote into.</source>
        <translation>Nichts aufzuräumen: Kein unterbrochener Lauf hat einen Arbeitsordner hinterlassen, und in den ZIP-Ordnern, in die Ihre Läufe schrieben, liegt kein unfertiges ZIP.</translation>
    </message>
    <message>
        <source>Can go on: %1</source>
        <translation>Kann weitergehen: %1</translation>
    </message>
    <message>
        <source>Cannot go on: </source>
        <translation>Kann nicht weitergehen: </translation>
    </message>
    <message>
        <source>Unfinished ZIP: a run was killed while it wrote it</source>
        <translation>Unfertiges ZIP: Ein Lauf wurde abgewürgt, während er es schrieb</translation>
    </message>
    <message>
        <source>%1 of %2 ticked: %3</source>
        <translation>%1 von %2 angehakt: %3</translation>
    </message>
    <message>
        <source>the %1 ticked items</source>
        <translation>die %1 angehakten Einträge</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?<byte value="xd"/>This cannot be undone.</source>
        <translation>%1 (%2) löschen?<byte value="xd"/>Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>These could not be deleted (or not whole): %1.<byte value="xd"/>Check that you may write there.</source>
        <translation>Diese ließen sich nicht (oder nicht vollständig) löschen: %1.<byte value="xd"/>Prüfen Sie, ob Sie dort schreiben dürfen.</translation>
    </message>
    <message>
        <source>An interrupted run left its work folder (%1): %2. Zavok! continues a run of the same job; Options &gt; Clean up removes it.</source>
        <translation>Ein unterbrochener Lauf hat seinen Arbeitsordner hinterlassen (%1): %2. Zavok! setzt einen Lauf desselben Auftrags fort; Optionen &gt; Aufräumen entfernt ihn.</translation>
    </message>
    <message>
        <source>Interrupted runs left %1 work folders (%2): %3. Zavok! continues a run of the same job; Options &gt; Clean up removes them.</source>
        <translation>Unterbrochene Läufe haben %1 Arbeitsordner hinterlassen (%2): %3. Zavok! setzt einen Lauf desselben Auftrags fort; Optionen &gt; Aufräumen entfernt sie.</translation>
    </message>
</context>
<context>
    <name>CleanUpWiring</name>
    <message>
        <source>Zavok32</source>
        <translation>Zavok32</translation>
    </message>
    <message>
        <source>A run is going. Clean up once it has ended.</source>
        <translation>Ein Lauf ist im Gang. Räumen Sie auf, wenn er beendet ist.</translation>
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
        <source>Try &apos;zavok32 --help&apos; for more.</source>
        <translation>Mehr mit &apos;zavok32 --help&apos;.</translation>
    </message>
    <message>
        <source>end of the options: every word after it is part of the script argument</source>
        <translation>Ende der Optionen: jedes Wort danach gehört zum Skript-Argument</translation>
    </message>
    <message>
        <source>--recovery takes a number of ZIPs from 0 to 99, not &apos;%1&apos;</source>
        <translation>--recovery nimmt eine Anzahl ZIPs von 0 bis 99, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown options %1</source>
        <translation>unbekannte Optionen %1</translation>
    </message>
    <message>
        <source>delete an interrupted run of the job and start afresh</source>
        <translation>einen unterbrochenen Lauf des Auftrags löschen und neu beginnen</translation>
    </message>
    <message>
        <source>zavok32: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY name none that answers); a job runs without one when its path follows &quot;!&quot; or &quot;$&quot;, see zavok32 --help</source>
        <translation>zavok32: es gibt keinen Bildschirm, auf dem sich das Fenster öffnen ließe (DISPLAY und WAYLAND_DISPLAY nennen keinen, der antwortet); ein Auftrag läuft ohne Fenster, wenn sein Pfad auf „!“ oder „$“ folgt, siehe zavok32 --help</translation>
    </message>
</context>
<context>
    <name>DescriptionEditor</name>
    <message>
        <source>Zavok error</source>
        <translation>Zavok-Fehler</translation>
    </message>
    <message>
        <source>Save error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>File_id.diz</source>
        <translation>File_id.diz</translation>
    </message>
    <message>
        <source>file_id.diz (*.diz)|*.diz</source>
        <translation>file_id.diz (*.diz)|*.diz</translation>
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
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>DizFile</name>
    <message>
        <source>The file_id.diz can&apos;t be copied to your application directory:<byte value="xd"/></source>
        <translation>Die file_id.diz lässt sich nicht in Ihr Anwendungsverzeichnis kopieren:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The file_id.diz can&apos;t be read:<byte value="xd"/></source>
        <translation>Die file_id.diz lässt sich nicht lesen:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The numbering can&apos;t be tested:<byte value="xd"/></source>
        <translation>Die Nummerierung lässt sich nicht testen:<byte value="xd"/></translation>
    </message>
    <message>
        <source>the drive is not mapped</source>
        <translation>das Laufwerk ist nicht zugeordnet</translation>
    </message>
    <message>
        <source>Add file_id.diz</source>
        <translation>file_id.diz hinzufügen</translation>
    </message>
    <message>
        <source>File_id.diz (*.diz)|*.diz|Text file (*.txt)|*.txt|</source>
        <translation>File_id.diz (*.diz)|*.diz|Textdatei (*.txt)|*.txt|</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>The file_id.diz can&apos;t be from your application directory</source>
        <translation>Die file_id.diz darf nicht aus Ihrem Anwendungsverzeichnis stammen</translation>
    </message>
    <message>
        <source>Choose a file_id.diz with Browse or Create first, then test its numbering</source>
        <translation>Wählen Sie zuerst mit Durchsuchen oder Erstellen eine file_id.diz und testen Sie dann ihre Nummerierung</translation>
    </message>
</context>
<context>
    <name>DizNumbering</name>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>cannot read the description file </source>
        <translation>kann die Beschreibungsdatei nicht lesen: </translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation>kann nicht schreiben: </translation>
    </message>
    <message>
        <source>Column number too high</source>
        <translation>Spaltennummer zu hoch</translation>
    </message>
    <message>
        <source>the numbering column &quot;%1&quot; is not a position</source>
        <translation>die Nummerierungsspalte &quot;%1&quot; ist keine Position</translation>
    </message>
    <message>
        <source>Line number too high</source>
        <translation>Zeilennummer zu hoch</translation>
    </message>
    <message>
        <source>cannot read </source>
        <translation>kann nicht lesen: </translation>
    </message>
    <message>
        <source>line %1 of the description has no column %2 for the volume number</source>
        <translation>Zeile %1 der Beschreibung hat keine Spalte %2 für die Bandnummer</translation>
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
    <name>DriveSetup</name>
    <message>
        <source>%1: now points at %2.</source>
        <translation>%1: zeigt jetzt auf %2.</translation>
    </message>
    <message>
        <source>%1: was removed; its folder was left as it was.</source>
        <translation>%1: wurde entfernt; sein Ordner blieb, wie er war.</translation>
    </message>
    <message>
        <source>%1: has no medium: %2 is not there. Insert or mount it, or point the letter elsewhere.</source>
        <translation>%1: hat kein Medium: %2 ist nicht da. Legen Sie es ein oder hängen Sie es ein, oder lassen Sie den Buchstaben woanders hin zeigen.</translation>
    </message>
    <message>
        <source>no medium</source>
        <translation>kein Medium</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source> MB free</source>
        <translation> MB frei</translation>
    </message>
    <message>
        <source>c: holds the program&apos;s own files and cannot be removed; it can point at another folder.</source>
        <translation>c: enthält die eigenen Dateien des Programms und lässt sich nicht entfernen; es kann auf einen anderen Ordner zeigen.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1: could not be written in %2. Is the folder writable?</source>
        <translation>%1: konnte nicht in %2 geschrieben werden. Ist der Ordner beschreibbar?</translation>
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
    <name>ExtraNames</name>
    <message>
        <source>The extra file %1</source>
        <translation>Die Zusatzdatei %1</translation>
    </message>
    <message>
        <source>The extra folder %1 holds %2, which</source>
        <translation>Der Zusatzordner %1 enthält %2, das</translation>
    </message>
    <message>
        <source> has the name of %1 (%2) and would replace it in the ZIPs.</source>
        <translation> den Namen von %1 (%2) trägt und es in den ZIPs ersetzen würde.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Nothing was packaged. Rename or move that file, or choose another extra, then run the job again.</source>
        <translation><byte value="xd"/>Es wurde nichts gepackt. Benennen Sie die Datei um oder verschieben Sie sie, oder wählen Sie einen anderen Zusatz, und starten Sie den Auftrag dann erneut.</translation>
    </message>
</context>
<context>
    <name>FileDigest</name>
    <message>
        <source>no SHA-256 digest available</source>
        <translation>keine SHA-256-Prüfsumme verfügbar</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>the SHA-256 digest failed</source>
        <translation>die SHA-256-Prüfsumme schlug fehl</translation>
    </message>
</context>
<context>
    <name>FileInEditor</name>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>No text editor could be started for<byte value="xd"/>
</source>
        <translation>Es ließ sich kein Texteditor starten für<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Install a text editor (for example gedit, kate or mousepad) and make it the desktop&apos;s default for plain text files, in the desktop&apos;s settings or with<byte value="xd"/>
    xdg-mime default org.gnome.gedit.desktop text/plain<byte value="xd"/>
(its .desktop file&apos;s name), or open the file in an editor of your choice.</source>
        <translation><byte value="xd"/>
Installieren Sie einen Texteditor (zum Beispiel gedit, kate oder mousepad) und machen Sie ihn zum Standard des Desktops für reine Textdateien, in den Einstellungen des Desktops oder mit<byte value="xd"/>
    xdg-mime default org.gnome.gedit.desktop text/plain<byte value="xd"/>
(dem Namen seiner .desktop-Datei), oder öffnen Sie die Datei in einem Editor Ihrer Wahl.</translation>
    </message>
    <message>
        <source>The drive of<byte value="xd"/>
</source>
        <translation>Das Laufwerk von<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
is not available.</source>
        <translation><byte value="xd"/>
ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>a file cannot be copied onto itself</source>
        <translation>eine Datei lässt sich nicht auf sich selbst kopieren</translation>
    </message>
</context>
<context>
    <name>FloppyFit</name>
    <message>
        <source>The extra %1 (%2 bytes) goes into every ZIP. With it, a ZIP of a full volume can come to %3 bytes, more than a formatted 1.44 MB floppy holds (%4 bytes).</source>
        <translation>Der Zusatz %1 (%2 Bytes) kommt in jedes ZIP. Mit ihm kann ein ZIP eines vollen Bandes %3 Bytes groß werden, mehr als eine formatierte 1,44-MB-Diskette fasst (%4 Bytes).</translation>
    </message>
    <message>
        <source><byte value="xd"/>To keep every ZIP on a floppy, put the extra into the first ZIP only (Nfo page) or make it smaller. Go on anyway?</source>
        <translation><byte value="xd"/>Damit jedes ZIP auf eine Diskette passt, legen Sie den Zusatz nur in das erste ZIP (Seite Nfo) oder machen ihn kleiner. Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>the ZIP fits a 1.44 MB floppy (%1, %2 bytes)</source>
        <translation>das ZIP passt auf eine 1,44-MB-Diskette (%1, %2 Bytes)</translation>
    </message>
    <message>
        <source>every ZIP fits a 1.44 MB floppy (the largest, %1, has %2 bytes)</source>
        <translation>jedes ZIP passt auf eine 1,44-MB-Diskette (das größte, %1, hat %2 Bytes)</translation>
    </message>
    <message>
        <source>1 ZIP does not</source>
        <translation>1 ZIP passt nicht</translation>
    </message>
    <message>
        <source>%1 ZIPs do not</source>
        <translation>%1 ZIPs passen nicht</translation>
    </message>
    <message>
        <source>%1 fit a 1.44 MB floppy of %2 bytes (the largest, %3, has %4 bytes)</source>
        <translation>%1 auf eine 1,44-MB-Diskette von %2 Bytes (das größte, %3, hat %4 Bytes)</translation>
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
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>FolderSelection</name>
    <message>
        <source>Not a valid drive or path</source>
        <translation>Kein gültiges Laufwerk und kein gültiger Pfad</translation>
    </message>
    <message>
        <source>Invalid drive</source>
        <translation>Ungültiges Laufwerk</translation>
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
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
</context>
<context>
    <name>InterruptedRunChoice</name>
    <message>
        <source>The interrupted run in %1 cannot be continued: %2.</source>
        <translation>Der unterbrochene Lauf in %1 kann nicht fortgesetzt werden: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>This run starts afresh. That work folder (%1) stays until you remove it with Options &gt; Clean up.</source>
        <translation><byte value="xd"/>Dieser Lauf beginnt neu. Jener Arbeitsordner (%1) bleibt, bis Sie ihn mit Optionen &gt; Aufräumen entfernen.</translation>
    </message>
    <message>
        <source>the interrupted run in %1 cannot be continued: %2; starting afresh (Options &gt; Clean up removes its %3)</source>
        <translation>der unterbrochene Lauf in %1 kann nicht fortgesetzt werden: %2; beginne neu (Optionen &gt; Aufräumen entfernt seine %3)</translation>
    </message>
    <message>
        <source>continuing the interrupted run in %1: %2</source>
        <translation>setze den unterbrochenen Lauf in %1 fort: %2</translation>
    </message>
    <message>
        <source>--restart: the interrupted run in %1 is deleted, which frees %2; starting afresh</source>
        <translation>--restart: der unterbrochene Lauf in %1 wird gelöscht, was %2 frei macht; beginne neu</translation>
    </message>
    <message>
        <source>The interrupted run&apos;s work folder was not deleted whole: %1.</source>
        <translation>Der Arbeitsordner des unterbrochenen Laufs wurde nicht vollständig gelöscht: %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>This run starts afresh all the same.</source>
        <translation><byte value="xd"/>Dieser Lauf beginnt trotzdem neu.</translation>
    </message>
</context>
<context>
    <name>JobCheck</name>
    <message>
        <source> skip folder not found</source>
        <translation> auszulassender Ordner nicht gefunden</translation>
    </message>
    <message>
        <source> skip file not found</source>
        <translation> auszulassende Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Zavok error</source>
        <translation>Zavok-Fehler</translation>
    </message>
    <message>
        <source>The script numbers the description but gives no column to write the number at.</source>
        <translation>Das Skript nummeriert die Beschreibung, nennt aber keine Spalte, an der die Nummer stehen soll.</translation>
    </message>
    <message>
        <source>The script numbers the description but gives no line to write the number on.</source>
        <translation>Das Skript nummeriert die Beschreibung, nennt aber keine Zeile, in der die Nummer stehen soll.</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>Spaces aren&apos;t allowed in filename</source>
        <translation>Leerzeichen sind im Dateinamen nicht erlaubt</translation>
    </message>
    <message>
        <source>Characters \ / : * ? &quot; &lt; &gt; | aren&apos;t allowed in filename</source>
        <translation>Die Zeichen \ / : * ? &quot; &lt; &gt; | sind im Dateinamen nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>JobFolders</name>
    <message>
        <source><byte value="xd"/>Nothing was packaged. </source>
        <translation><byte value="xd"/>Es wurde nichts gepackt. </translation>
    </message>
    <message>
        <source>The ZIP folder %1 is the source folder: the set would be packed from the folder it is written into.</source>
        <translation>Der ZIP-Ordner %1 ist der Quellordner: der Satz würde aus dem Ordner gepackt, in den er geschrieben wird.</translation>
    </message>
    <message>
        <source>Choose another ZIP folder on the Zip page, then run the job again.</source>
        <translation>Wählen Sie auf der Seite Zip einen anderen ZIP-Ordner und starten Sie den Auftrag dann erneut.</translation>
    </message>
    <message>
        <source>The ZIP folder %1 is the extra folder: every ZIP would take in the ZIPs before it.</source>
        <translation>Der ZIP-Ordner %1 ist der Zusatzordner: jedes ZIP würde die ZIPs vor ihm aufnehmen.</translation>
    </message>
    <message>
        <source>Choose another ZIP folder or extra folder, then run the job again.</source>
        <translation>Wählen Sie einen anderen ZIP-Ordner oder Zusatzordner und starten Sie den Auftrag dann erneut.</translation>
    </message>
    <message>
        <source>The extra file %1 has %2 bytes</source>
        <translation>Die Zusatzdatei %1 hat %2 Bytes</translation>
    </message>
    <message>
        <source>The extra folder %1 holds more than %2 files</source>
        <translation>Der Zusatzordner %1 enthält mehr als %2 Dateien</translation>
    </message>
    <message>
        <source>The extra folder %1 holds at least %2 bytes (the count stopped there)</source>
        <translation>Der Zusatzordner %1 enthält mindestens %2 Bytes (dort endete die Zählung)</translation>
    </message>
    <message>
        <source>the first ZIP</source>
        <translation>das erste ZIP</translation>
    </message>
    <message>
        <source>every ZIP</source>
        <translation>jedes ZIP</translation>
    </message>
    <message>
        <source>, and it goes into %1 of the set: an extra may hold at most ten volumes, %2 bytes.</source>
        <translation>, und er kommt in %1 des Satzes: ein Zusatz darf höchstens zehn Bände umfassen, %2 Bytes.</translation>
    </message>
    <message>
        <source>Choose a smaller extra on the Nfo page, then run the job again.</source>
        <translation>Wählen Sie auf der Seite Nfo einen kleineren Zusatz und starten Sie den Auftrag dann erneut.</translation>
    </message>
    <message>
        <source>ZIP folder</source>
        <translation>ZIP-Ordner</translation>
    </message>
    <message>
        <source>work folder</source>
        <translation>Arbeitsordner</translation>
    </message>
    <message>
        <source>the %1 %2 lies inside the source %3: it is left out of the set</source>
        <translation>der %1 %2 liegt in der Quelle %3: er bleibt aus dem Satz heraus</translation>
    </message>
</context>
<context>
    <name>JobIdentity</name>
    <message>
        <source>source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>CD image setting</source>
        <translation>CD-Abbild-Einstellung</translation>
    </message>
    <message>
        <source>cue sheet</source>
        <translation>Cue-Datei</translation>
    </message>
    <message>
        <source>skip list</source>
        <translation>Auslassliste</translation>
    </message>
    <message>
        <source>archiver</source>
        <translation>Archivierer</translation>
    </message>
    <message>
        <source>volume size</source>
        <translation>Bandgröße</translation>
    </message>
    <message>
        <source>archive compression</source>
        <translation>Archivkompression</translation>
    </message>
    <message>
        <source>ZIP compression</source>
        <translation>ZIP-Kompression</translation>
    </message>
    <message>
        <source>ZIP folder</source>
        <translation>ZIP-Ordner</translation>
    </message>
    <message>
        <source>base name</source>
        <translation>Grundname</translation>
    </message>
    <message>
        <source>date in the ZIP names (the $ start)</source>
        <translation>Datum in den ZIP-Namen (der $-Anfang)</translation>
    </message>
    <message>
        <source>description file</source>
        <translation>Beschreibungsdatei</translation>
    </message>
    <message>
        <source>description file&apos;s text</source>
        <translation>Text der Beschreibungsdatei</translation>
    </message>
    <message>
        <source>numbering</source>
        <translation>Nummerierung</translation>
    </message>
    <message>
        <source>information file</source>
        <translation>Infodatei</translation>
    </message>
    <message>
        <source>information file&apos;s text</source>
        <translation>Text der Infodatei</translation>
    </message>
    <message>
        <source>&quot;1st zip only&quot; setting</source>
        <translation>Einstellung „Nur 1. Zip“</translation>
    </message>
    <message>
        <source>extra</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>extra&apos;s files</source>
        <translation>Dateien des Zusatzes</translation>
    </message>
    <message>
        <source>ZIP comment</source>
        <translation>ZIP-Kommentar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>it was made by another version of Zavok32</source>
        <translation>er wurde von einer anderen Version von Zavok32 begonnen</translation>
    </message>
    <message>
        <source>the %1 has changed since</source>
        <translation>%1: seitdem geändert</translation>
    </message>
    <message>
        <source>the %1 has changed since (%2 then, %3 now)</source>
        <translation>%1: seitdem geändert (damals %2, jetzt %3)</translation>
    </message>
    <message>
        <source>the source has changed since (a file was written, renamed or replaced)</source>
        <translation>die Quelle hat sich seitdem geändert (eine Datei wurde geschrieben, umbenannt oder ersetzt)</translation>
    </message>
    <message>
        <source>the source has changed since (%1 then, %2 now)</source>
        <translation>die Quelle hat sich seitdem geändert (damals %1, jetzt %2)</translation>
    </message>
</context>
<context>
    <name>JournalKeeper</name>
    <message>
        <source>cannot read back %1: %2</source>
        <translation>kann %1 nicht zurücklesen: %2</translation>
    </message>
    <message>
        <source>cannot write the run&apos;s journal in %1: %2</source>
        <translation>kann das Journal des Laufs in %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Zavok32 cannot write the run&apos;s journal in %1 (%2).</source>
        <translation>Zavok32 kann das Journal des Laufs in %1 nicht schreiben (%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>Make room on the work drive, then run the job again.</source>
        <translation><byte value="xd"/>Schaffen Sie Platz auf dem Arbeitslaufwerk und starten Sie den Auftrag dann erneut.</translation>
    </message>
</context>
<context>
    <name>Leftovers</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs are done</source>
        <translation>%1 von %2 ZIPs sind fertig</translation>
    </message>
    <message>
        <source>1 volume</source>
        <translation>1 Band</translation>
    </message>
    <message>
        <source>%1 volumes</source>
        <translation>%1 Bände</translation>
    </message>
    <message>
        <source>Nothing is left: Zavok! starts the run again.</source>
        <translation>Nichts ist übrig: Zavok! beginnt den Lauf von vorn.</translation>
    </message>
    <message>
        <source>The archiver did not finish the set, so no ZIP was made.</source>
        <translation>Der Archivierer hat den Satz nicht fertig geschrieben, daher wurde kein ZIP gemacht.</translation>
    </message>
    <message>
        <source>%1 stays in %2: not a whole set.</source>
        <translation>%1 bleibt in %2: kein ganzer Satz.</translation>
    </message>
    <message>
        <source>%1 stay in %2: not a whole set.</source>
        <translation>%1 bleiben in %2: kein ganzer Satz.</translation>
    </message>
    <message>
        <source>Zavok! starts the run afresh; Options &gt; Clean up removes them.</source>
        <translation>Zavok! beginnt den Lauf neu; Optionen &gt; Aufräumen entfernt sie.</translation>
    </message>
    <message>
        <source>No ZIP of the %1 is complete yet.</source>
        <translation>Noch keines der %1 ZIPs ist vollständig.</translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs is complete in %3: %4.</source>
        <translation>In %3 ist %1 von %2 ZIPs vollständig: %4.</translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs are complete in %3: %4.</source>
        <translation>In %3 sind %1 von %2 ZIPs vollständig: %4.</translation>
    </message>
    <message>
        <source>%1 stays in %2.</source>
        <translation>%1 bleibt in %2.</translation>
    </message>
    <message>
        <source>%1 stay in %2.</source>
        <translation>%1 bleiben in %2.</translation>
    </message>
    <message>
        <source>Zavok! continues the run.</source>
        <translation>Zavok! setzt den Lauf fort.</translation>
    </message>
    <message>
        <source>Options &gt; Clean up removes them.</source>
        <translation>Optionen &gt; Aufräumen entfernt sie.</translation>
    </message>
    <message>
        <source>the same command</source>
        <translation>derselbe Befehl</translation>
    </message>
    <message>
        <source>nothing is left; %1 starts the run again</source>
        <translation>nichts ist übrig; %1 beginnt den Lauf von vorn</translation>
    </message>
    <message>
        <source>the archiver did not finish the set, so no ZIP was made; %1 in %2 is not a whole set; %3 starts the run afresh</source>
        <translation>der Archivierer hat den Satz nicht fertig geschrieben, daher wurde kein ZIP gemacht; %1 in %2 ist kein ganzer Satz; %3 beginnt den Lauf neu</translation>
    </message>
    <message>
        <source>the archiver did not finish the set, so no ZIP was made; %1 in %2 are not a whole set; %3 starts the run afresh</source>
        <translation>der Archivierer hat den Satz nicht fertig geschrieben, daher wurde kein ZIP gemacht; %1 in %2 sind kein ganzer Satz; %3 beginnt den Lauf neu</translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs complete in %3</source>
        <translation>%1 von %2 ZIPs vollständig in %3</translation>
    </message>
    <message>
        <source>; %1 stays in %2</source>
        <translation>; %1 bleibt in %2</translation>
    </message>
    <message>
        <source>; %1 stay in %2</source>
        <translation>; %1 bleiben in %2</translation>
    </message>
    <message>
        <source>; %1 continues the run</source>
        <translation>; %1 setzt den Lauf fort</translation>
    </message>
    <message>
        <source>Continue the interrupted run? </source>
        <translation>Den unterbrochenen Lauf fortsetzen? </translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Yes makes the other %1 from the volumes in %2.</source>
        <translation><byte value="xd"/><byte value="xd"/>Ja macht die übrigen %1 aus den Bänden in %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>No deletes that work folder, which frees %1, and starts afresh.</source>
        <translation><byte value="xd"/>Nein löscht diesen Arbeitsordner, was %1 frei macht, und beginnt neu.</translation>
    </message>
</context>
<context>
    <name>LibZipComponent</name>
    <message>
        <source>the end record is missing</source>
        <translation>der Endsatz fehlt</translation>
    </message>
    <message>
        <source>the end record is not where it should be</source>
        <translation>der Endsatz steht nicht, wo er stehen sollte</translation>
    </message>
    <message>
        <source>Folder not found: </source>
        <translation>Ordner nicht gefunden: </translation>
    </message>
    <message>
        <source>File not found: </source>
        <translation>Datei nicht gefunden: </translation>
    </message>
    <message>
        <source>The ZIP writer is still busy with another file</source>
        <translation>Der ZIP-Schreiber ist noch mit einer anderen Datei beschäftigt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>The ZIP comment has %1 bytes, but a ZIP file holds at most 65,535. Shorten the comment or switch it off.</source>
        <translation>Der ZIP-Kommentar hat %1 Bytes, aber eine ZIP-Datei fasst höchstens 65.535. Kürzen Sie den Kommentar oder schalten Sie ihn ab.</translation>
    </message>
    <message>
        <source>No ZIP file name was given</source>
        <translation>Es wurde kein ZIP-Dateiname angegeben</translation>
    </message>
    <message>
        <source>The ZIP file %1 is on no usable drive</source>
        <translation>Die ZIP-Datei %1 liegt auf keinem nutzbaren Laufwerk</translation>
    </message>
    <message>
        <source>%1 is a folder, not a ZIP file</source>
        <translation>%1 ist ein Ordner, keine ZIP-Datei</translation>
    </message>
    <message>
        <source>The folder for %1 does not exist</source>
        <translation>Der Ordner für %1 existiert nicht</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Kann %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 was given while %2 is not written yet</source>
        <translation>%1 kam, während %2 noch nicht geschrieben ist</translation>
    </message>
    <message>
        <source>Stopped: %1 was left as it was</source>
        <translation>Angehalten: %1 blieb, wie es war</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Kann %1 nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Cannot add the folder </source>
        <translation>Kann den Ordner nicht hinzufügen: </translation>
    </message>
    <message>
        <source>Cannot read </source>
        <translation>Kann nicht lesen: </translation>
    </message>
    <message>
        <source>Cannot add </source>
        <translation>Kann nicht hinzufügen: </translation>
    </message>
    <message>
        <source>Cannot set the compression of </source>
        <translation>Kann die Kompression nicht setzen für </translation>
    </message>
    <message>
        <source>Cannot set the ZIP comment</source>
        <translation>Kann den ZIP-Kommentar nicht setzen</translation>
    </message>
    <message>
        <source>Adding to %1 failed inside an event handler</source>
        <translation>Das Hinzufügen zu %1 schlug in einer Ereignisbehandlung fehl</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Cannot write the ZIP comment into %1: %2</source>
        <translation>Kann den ZIP-Kommentar nicht in %1 schreiben: %2</translation>
    </message>
</context>
<context>
    <name>LibZipReader</name>
    <message>
        <source>CRC error</source>
        <translation>CRC-Fehler</translation>
    </message>
    <message>
        <source>its data cannot be unpacked</source>
        <translation>seine Daten lassen sich nicht entpacken</translation>
    </message>
    <message>
        <source>the file ends inside it</source>
        <translation>die Datei endet mittendrin</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>nicht lesbar: </translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>empty, not a ZIP file</source>
        <translation>leer, keine ZIP-Datei</translation>
    </message>
    <message>
        <source>not a ZIP file</source>
        <translation>keine ZIP-Datei</translation>
    </message>
    <message>
        <source>cut short: its end is missing</source>
        <translation>abgeschnitten: sein Ende fehlt</translation>
    </message>
    <message>
        <source>damaged: </source>
        <translation>beschädigt: </translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>holds %1 bytes where its directory says %2</source>
        <translation>enthält %1 Bytes, wo sein Verzeichnis %2 sagt</translation>
    </message>
    <message>
        <source>holds no %1</source>
        <translation>enthält kein %1</translation>
    </message>
</context>
<context>
    <name>ListBar</name>
    <message>
        <source>%1 pages</source>
        <translation>%1-Seiten</translation>
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
    <name>MountedVolumes</name>
    <message>
        <source>CD/DVD</source>
        <translation>CD/DVD</translation>
    </message>
    <message>
        <source>removable</source>
        <translation>Wechseldatenträger</translation>
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
    <name>NfoFiles</name>
    <message>
        <source>The information file could not be created:<byte value="xd"/>
</source>
        <translation>Die Infodatei konnte nicht erstellt werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add *.nfo</source>
        <translation>*.nfo hinzufügen</translation>
    </message>
    <message>
        <source>Nfo file(*.nfo)|*.nfo|Text file (*.txt)|*.txt|</source>
        <translation>Nfo-Datei (*.nfo)|*.nfo|Textdatei (*.txt)|*.txt|</translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation>Zavok32</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>Add extra file</source>
        <translation>Zusatzdatei hinzufügen</translation>
    </message>
    <message>
        <source>Extra file (*.*)|*.*|</source>
        <translation>Zusatzdatei (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Extra directory of files to add to Zip</source>
        <translation>Zusatzverzeichnis mit Dateien für das Zip</translation>
    </message>
    <message>
        <source>Choose &apos;Save&apos; when finished in notepad, NOT &apos;save as&apos;</source>
        <translation>Wählen Sie im Editor zum Schluss &apos;Speichern&apos;, NICHT &apos;Speichern unter&apos;</translation>
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
    <name>NfoStamp</name>
    <message>
        <source>the information file has no file name: </source>
        <translation>die Infodatei hat keinen Dateinamen: </translation>
    </message>
    <message>
        <source>cannot read the information file </source>
        <translation>kann die Infodatei nicht lesen: </translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation>kann nicht schreiben: </translation>
    </message>
</context>
<context>
    <name>PageNotices</name>
    <message>
        <source>The source </source>
        <translation>Die Quelle </translation>
    </message>
    <message>
        <source> is not there any more: choose it again</source>
        <translation> ist nicht mehr da: wählen Sie sie erneut</translation>
    </message>
    <message>
        <source>The description file </source>
        <translation>Die Beschreibungsdatei </translation>
    </message>
    <message>
        <source>The information file </source>
        <translation>Die Infodatei </translation>
    </message>
    <message>
        <source>The extra </source>
        <translation>Der Zusatz </translation>
    </message>
    <message>
        <source> is not there any more: choose it again, or leave it out</source>
        <translation> ist nicht mehr da: wählen Sie ihn erneut oder lassen Sie ihn weg</translation>
    </message>
    <message>
        <source>The ZIP folder </source>
        <translation>Der ZIP-Ordner </translation>
    </message>
    <message>
        <source>Choose a source first</source>
        <translation>Wählen Sie zuerst eine Quelle</translation>
    </message>
    <message>
        <source>Choose a description file (file_id.diz) first</source>
        <translation>Wählen Sie zuerst eine Beschreibungsdatei (file_id.diz)</translation>
    </message>
    <message>
        <source>Type the column the volume number goes in first</source>
        <translation>Geben Sie zuerst die Spalte für die Bandnummer ein</translation>
    </message>
    <message>
        <source>Type the line the volume number goes on first</source>
        <translation>Geben Sie zuerst die Zeile für die Bandnummer ein</translation>
    </message>
    <message>
        <source>Choose an information file (.nfo) first</source>
        <translation>Wählen Sie zuerst eine Infodatei (.nfo)</translation>
    </message>
    <message>
        <source>Choose a folder for the ZIPs first</source>
        <translation>Wählen Sie zuerst einen Ordner für die ZIPs</translation>
    </message>
    <message>
        <source>Type a base name for the ZIPs first</source>
        <translation>Geben Sie zuerst einen Grundnamen für die ZIPs ein</translation>
    </message>
    <message>
        <source>The volume number does not fit the description at this line and column</source>
        <translation>Die Bandnummer passt in dieser Zeile und Spalte nicht in die Beschreibung</translation>
    </message>
    <message>
        <source>The source itself cannot be skipped: choose a folder inside it</source>
        <translation>Die Quelle selbst lässt sich nicht auslassen: wählen Sie einen Ordner darin</translation>
    </message>
</context>
<context>
    <name>PosixProcessRunner</name>
    <message>
        <source>the command line names no program</source>
        <translation>die Befehlszeile nennt kein Programm</translation>
    </message>
    <message>
        <source>%1 is not beside zavok32, in %2, in %3 or on PATH</source>
        <translation>%1 liegt nicht neben zavok32, in %2, in %3 oder im PATH</translation>
    </message>
    <message>
        <source>no pipe for its output: </source>
        <translation>keine Pipe für seine Ausgabe: </translation>
    </message>
    <message>
        <source>%1 in %2: %3</source>
        <translation>%1 in %2: %3</translation>
    </message>
    <message>
        <source>its end could not be waited for: </source>
        <translation>auf sein Ende ließ sich nicht warten: </translation>
    </message>
    <message>
        <source>no pipe to start it: </source>
        <translation>keine Pipe, um ihn zu starten: </translation>
    </message>
</context>
<context>
    <name>ProcessEnd</name>
    <message>
        <source>was cancelled</source>
        <translation>wurde abgebrochen</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>ended with exit status %1</source>
        <translation>endete mit Exit-Status %1</translation>
    </message>
    <message>
        <source>was ended by signal %1</source>
        <translation>wurde durch Signal %1 beendet</translation>
    </message>
</context>
<context>
    <name>QtArchiverConsole</name>
    <message>
        <source>Ending the archiver...</source>
        <translation>Der Archivierer wird beendet...</translation>
    </message>
    <message>
        <source>zavok32: %1. What it printed last:</source>
        <translation>zavok32: %1. Was er zuletzt ausgab:</translation>
    </message>
</context>
<context>
    <name>RecoveryCreator</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1 konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 hat sich beim Lesen geändert.</translation>
    </message>
</context>
<context>
    <name>RecoveryFilesDialog</name>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Enough to rebuild any</source>
        <translation>&amp;Genug, um beliebige</translation>
    </message>
    <message>
        <source>lost or damaged ZIPs of a set</source>
        <translation>verlorene oder beschädigte ZIPs eines Satzes neu zu bauen</translation>
    </message>
</context>
<context>
    <name>RecoveryFilesPage</name>
    <message>
        <source>After the ZIPs are made, a run can write PAR2 recovery files beside them: with them, File &gt; Check a set (or zavok32 --repair) rebuilds ZIPs that went missing or were damaged. They fit the medium the ZIPs were cut for.</source>
        <translation>Sind die ZIPs gemacht, kann ein Lauf PAR2-Wiederherstellungsdateien neben sie schreiben: mit ihnen baut Datei &gt; Einen Satz prüfen (oder zavok32 --repair) ZIPs neu, die verloren gingen oder beschädigt wurden. Sie passen auf das Medium, für das die ZIPs geschnitten wurden.</translation>
    </message>
    <message>
        <source>No recovery files are written.</source>
        <translation>Es werden keine Wiederherstellungsdateien geschrieben.</translation>
    </message>
    <message>
        <source>About %1 times the size of the largest ZIP, in %2 files of half its size; a set of fewer ZIPs gets enough to rebuild all of them.</source>
        <translation>Etwa %1-mal die Größe des größten ZIPs, in %2 Dateien von halber Größe; ein Satz mit weniger ZIPs erhält genug, um sie alle neu zu bauen.</translation>
    </message>
    <message>
        <source>The setting could not be saved in %1.<byte value="xd"/>Check that the application directory is writable; the runs of this session use it all the same.</source>
        <translation>Die Einstellung konnte nicht in %1 gespeichert werden.<byte value="xd"/>Prüfen Sie, ob das Anwendungsverzeichnis beschreibbar ist; die Läufe dieser Sitzung verwenden sie trotzdem.</translation>
    </message>
    <message>
        <source>Recovery files</source>
        <translation>Wiederherstellungsdateien</translation>
    </message>
</context>
<context>
    <name>RecoveryPlan</name>
    <message>
        <source>There are no files to protect.</source>
        <translation>Es gibt keine Dateien zu schützen.</translation>
    </message>
    <message>
        <source>The files are empty: there is nothing to protect.</source>
        <translation>Die Dateien sind leer: es gibt nichts zu schützen.</translation>
    </message>
    <message>
        <source>The number of files to rebuild must be at least 1.</source>
        <translation>Die Zahl der neu zu bauenden Dateien muss mindestens 1 sein.</translation>
    </message>
    <message>
        <source>Too many files for one recovery set (at most %1 slices).</source>
        <translation>Zu viele Dateien für einen Wiederherstellungssatz (höchstens %1 Blöcke).</translation>
    </message>
    <message>
        <source>Too many recovery slices for one recovery set.</source>
        <translation>Zu viele Wiederherstellungsblöcke für einen Wiederherstellungssatz.</translation>
    </message>
</context>
<context>
    <name>RecoverySetLoader</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 holds no readable recovery set.</source>
        <translation>%1 enthält keinen lesbaren Wiederherstellungssatz.</translation>
    </message>
    <message>
        <source>%1 gives a slice size that is not valid.</source>
        <translation>%1 nennt eine ungültige Blockgröße.</translation>
    </message>
    <message>
        <source>The recovery set of %1 lacks the description of one of its files.</source>
        <translation>Dem Wiederherstellungssatz von %1 fehlt die Beschreibung einer seiner Dateien.</translation>
    </message>
    <message>
        <source>The recovery set of %1 names a file outside its folder.</source>
        <translation>Der Wiederherstellungssatz von %1 nennt eine Datei außerhalb seines Ordners.</translation>
    </message>
    <message>
        <source>The recovery set of %1 has more slices than the format allows.</source>
        <translation>Der Wiederherstellungssatz von %1 hat mehr Blöcke, als das Format erlaubt.</translation>
    </message>
</context>
<context>
    <name>RecoverySetRepairer</name>
    <message>
        <source>The recovery data is not enough: %1 slices are lost and %2 recovery slices are there. Still missing or damaged: %3.</source>
        <translation>Die Wiederherstellungsdaten reichen nicht: %1 Blöcke sind verloren und %2 Wiederherstellungsblöcke sind da. Noch fehlend oder beschädigt: %3.</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1 konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be rebuilt: %2</source>
        <translation>%1 konnte nicht neu gebaut werden: %2</translation>
    </message>
    <message>
        <source>%1 was rebuilt but does not match its checksum; nothing was changed.</source>
        <translation>%1 wurde neu gebaut, stimmt aber nicht mit seiner Prüfsumme überein; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1 could not be moved aside to %2.</source>
        <translation>%1 konnte nicht nach %2 beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>%1 could not be put in place: %2</source>
        <translation>%1 konnte nicht an seinen Platz gebracht werden: %2</translation>
    </message>
</context>
<context>
    <name>RecoverySetVerifier</name>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>RecoveryStep</name>
    <message>
        <source>any %1 %2 can be rebuilt (%3 files, %4 M)</source>
        <translation>beliebige %1 %2 lassen sich neu bauen (%3 Dateien, %4 M)</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>ZIPs</source>
        <translation>ZIPs</translation>
    </message>
    <message>
        <source>no drive for </source>
        <translation>kein Laufwerk für </translation>
    </message>
    <message>
        <source>recovery files</source>
        <translation>Wiederherstellungsdateien</translation>
    </message>
    <message>
        <source>stopped before the recovery files were written</source>
        <translation>angehalten, bevor die Wiederherstellungsdateien geschrieben wurden</translation>
    </message>
    <message>
        <source>stopped while the recovery files were written; none was kept</source>
        <translation>angehalten, während die Wiederherstellungsdateien geschrieben wurden; keine wurde behalten</translation>
    </message>
    <message>
        <source>the recovery files could not be written: </source>
        <translation>die Wiederherstellungsdateien konnten nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>The ZIPs are made, but the recovery files could not be written:<byte value="xd"/>%1<byte value="xd"/>Make room in the ZIP folder and run the job again, or choose fewer recovery files.</source>
        <translation>Die ZIPs sind gemacht, aber die Wiederherstellungsdateien konnten nicht geschrieben werden:<byte value="xd"/>%1<byte value="xd"/>Schaffen Sie Platz im ZIP-Ordner und starten Sie den Auftrag erneut, oder wählen Sie weniger Wiederherstellungsdateien.</translation>
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
    <name>RipIntoQuestion</name>
    <message>
        <source>Zavok32 - Iso/bin option</source>
        <translation>Zavok32 - Iso/Bin-Option</translation>
    </message>
    <message>
        <source>Rip into?</source>
        <translation>Packen in?</translation>
    </message>
    <message>
        <source>&amp;Rar/Ace(s) only</source>
        <translation>Nur &amp;Rar/Ace(s)</translation>
    </message>
    <message>
        <source>Rar/ace then into &amp;Zip(s)</source>
        <translation>Rar/Ace, dann in &amp;Zip(s)</translation>
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
    <name>RipRun</name>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>no drive for </source>
        <translation>kein Laufwerk für </translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Every ZIP of the set was made, but </source>
        <translation>Jedes ZIP des Satzes wurde gemacht, aber </translation>
    </message>
    <message>
        <source>no source is chosen</source>
        <translation>es ist keine Quelle gewählt</translation>
    </message>
    <message>
        <source>no description file (file_id.diz) is chosen</source>
        <translation>es ist keine Beschreibungsdatei (file_id.diz) gewählt</translation>
    </message>
    <message>
        <source>numbering is on but no column is given</source>
        <translation>die Nummerierung ist an, aber keine Spalte angegeben</translation>
    </message>
    <message>
        <source>numbering is on but no line is given</source>
        <translation>die Nummerierung ist an, aber keine Zeile angegeben</translation>
    </message>
    <message>
        <source>no information file (.nfo) is chosen</source>
        <translation>es ist keine Infodatei (.nfo) gewählt</translation>
    </message>
    <message>
        <source>no ZIP directory is chosen</source>
        <translation>es ist kein ZIP-Verzeichnis gewählt</translation>
    </message>
    <message>
        <source>the base name is empty</source>
        <translation>der Grundname ist leer</translation>
    </message>
    <message>
        <source>Spaces aren&apos;t allowed in filename</source>
        <translation>Leerzeichen sind im Dateinamen nicht erlaubt</translation>
    </message>
    <message>
        <source>the base name &quot;%1&quot; cannot name a file</source>
        <translation>der Grundname &quot;%1&quot; kann keine Datei benennen</translation>
    </message>
    <message>
        <source>Duplicate zip name in zip directory
add to it?</source>
        <translation>Doppelter Zip-Name im Zip-Verzeichnis
hinzufügen?</translation>
    </message>
    <message>
        <source>the ZIP name is taken</source>
        <translation>der ZIP-Name ist vergeben</translation>
    </message>
    <message>
        <source>the numbering line or column does not fit the description file</source>
        <translation>Zeile oder Spalte der Nummerierung passt nicht zur Beschreibungsdatei</translation>
    </message>
    <message>
        <source>Zavok error</source>
        <translation>Zavok-Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t have more than 999 files in the set<byte value="xd"/>Raise the achive size, or choose a source with a smaller size</source>
        <translation>Ein Satz kann nicht mehr als 999 Dateien haben<byte value="xd"/>Erhöhen Sie die Archivgröße oder wählen Sie eine kleinere Quelle</translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation>Zavok32</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Make room in the ZIP folder or switch Options &gt; Checksum files off, then run the job again.</source>
        <translation>.<byte value="xd"/>Schaffen Sie Platz im ZIP-Ordner oder schalten Sie Optionen &gt; Prüfsummendateien ab und starten Sie den Auftrag dann erneut.</translation>
    </message>
    <message>
        <source>%1 in %2 %3 not of this set of %4 (left from an older set of the name; %5)</source>
        <translation>%1 in %2 %3 nicht aus diesem Satz von %4 (übrig von einem älteren Satz des Namens; %5)</translation>
    </message>
    <message>
        <source>is</source>
        <translation>ist</translation>
    </message>
    <message>
        <source>are</source>
        <translation>sind</translation>
    </message>
    <message>
        <source>.sfv lists the ZIPs of this one</source>
        <translation>.sfv führt die ZIPs dieses Satzes auf</translation>
    </message>
    <message>
        <source>delete them or move them away</source>
        <translation>löschen oder verschieben Sie sie</translation>
    </message>
    <message>
        <source>cannot write in the ZIP folder %1: %2</source>
        <translation>kann nicht in den ZIP-Ordner %1 schreiben: %2</translation>
    </message>
    <message>
        <source>Zavok32 cannot write in the ZIP folder %1 (%2).</source>
        <translation>Zavok32 kann nicht in den ZIP-Ordner %1 schreiben (%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>Choose a folder you can write to on the Zip page, then run the job again.</source>
        <translation><byte value="xd"/>Wählen Sie auf der Seite Zip einen Ordner, in den Sie schreiben können, und starten Sie den Auftrag dann erneut.</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>die Beschreibung</translation>
    </message>
    <message>
        <source>the information file</source>
        <translation>die Infodatei</translation>
    </message>
    <message>
        <source>volume %1 of the set</source>
        <translation>Band %1 des Satzes</translation>
    </message>
    <message>
        <source>the archiver made no file in </source>
        <translation>der Archivierer hat keine Datei angelegt in </translation>
    </message>
    <message>
        <source>A ZIP could not be made: </source>
        <translation>Ein ZIP konnte nicht gemacht werden: </translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Ripping error, check your *.zvk file</source>
        <translation>Fehler beim Packen, prüfen Sie Ihre *.zvk-Datei</translation>
    </message>
    <message>
        <source>Every ZIP of the set was made, but %1.</source>
        <translation>Jedes ZIP des Satzes wurde gemacht, aber %1.</translation>
    </message>
    <message>
        <source>stopped by %1: %2</source>
        <translation>angehalten durch %1: %2</translation>
    </message>
</context>
<context>
    <name>RunEndNotice</name>
    <message>
        <source>The set is ready</source>
        <translation>Der Satz ist fertig</translation>
    </message>
    <message>
        <source>The run failed</source>
        <translation>Der Lauf ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>volumes</source>
        <translation>Bände</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>ZIPs</source>
        <translation>ZIPs</translation>
    </message>
    <message>
        <source>%1 %2 of %3 in %4</source>
        <translation>%1 %2 von %3 in %4</translation>
    </message>
</context>
<context>
    <name>RunJournal</name>
    <message>
        <source>the journal is too large</source>
        <translation>das Journal ist zu groß</translation>
    </message>
    <message>
        <source>the journal is cut short</source>
        <translation>das Journal bricht mittendrin ab</translation>
    </message>
    <message>
        <source>the journal is damaged</source>
        <translation>das Journal ist beschädigt</translation>
    </message>
    <message>
        <source>the journal is of another kind</source>
        <translation>das Journal ist von anderer Art</translation>
    </message>
    <message>
        <source>line %1 of the journal is not understood</source>
        <translation>Zeile %1 des Journals ist unverständlich</translation>
    </message>
    <message>
        <source>the journal is incomplete</source>
        <translation>das Journal ist unvollständig</translation>
    </message>
    <message>
        <source>the journal lists the volumes of an unfinished set</source>
        <translation>das Journal führt die Bände eines unfertigen Satzes auf</translation>
    </message>
    <message>
        <source>the journal cannot be read: </source>
        <translation>das Journal kann nicht gelesen werden: </translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>Another run (%1) is writing the set %2 in %3.</source>
        <translation>Ein anderer Lauf (%1) schreibt den Satz %2 in %3.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Nothing was done. Wait until that run has ended, or choose another base name or ZIP folder.</source>
        <translation><byte value="xd"/>Es wurde nichts getan. Warten Sie, bis jener Lauf beendet ist, oder wählen Sie einen anderen Grundnamen oder ZIP-Ordner.</translation>
    </message>
    <message>
        <source>The archiver %1 %2</source>
        <translation>Der Archivierer %1 %2</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Put it beside zavok32 or on the search path (PATH), then run the job again.</source>
        <translation>.<byte value="xd"/>Legen Sie ihn neben zavok32 oder in den Suchpfad (PATH) und starten Sie den Auftrag dann erneut.</translation>
    </message>
    <message>
        <source><byte value="xd"/>What it printed last is under Show Details and in its window; put that right, and run the job again.</source>
        <translation><byte value="xd"/>Was er zuletzt ausgab, steht unter „Details einblenden“ und in seinem Fenster; beheben Sie das und starten Sie den Auftrag erneut.</translation>
    </message>
    <message>
        <source><byte value="xd"/>What it printed is in the terminal or log zavok32 writes to; put that right, and run the job again.</source>
        <translation><byte value="xd"/>Was er ausgab, steht im Terminal oder Protokoll, in das zavok32 schreibt; beheben Sie das und starten Sie den Auftrag erneut.</translation>
    </message>
    <message>
        <source> and wrote no volume.<byte value="xd"/>Nothing was packaged.</source>
        <translation> und schrieb keinen Band.<byte value="xd"/>Es wurde nichts gepackt.</translation>
    </message>
    <message>
        <source>The one volume it wrote is in %1</source>
        <translation>Der eine Band, den er schrieb, liegt in %1</translation>
    </message>
    <message>
        <source>The %1 volumes it wrote are in %2</source>
        <translation>Die %1 Bände, die er schrieb, liegen in %2</translation>
    </message>
    <message>
        <source> before the set was complete.<byte value="xd"/></source>
        <translation>, bevor der Satz vollständig war.<byte value="xd"/></translation>
    </message>
    <message>
        <source>No ZIP was made. </source>
        <translation>Es wurde kein ZIP gemacht. </translation>
    </message>
    <message>
        <source>; they are not a whole set, so delete them.</source>
        <translation>; sie sind kein ganzer Satz, löschen Sie sie also.</translation>
    </message>
    <message>
        <source>; they are not a whole set: Options &gt; Clean up deletes them, and the next run starts afresh.</source>
        <translation>; sie sind kein ganzer Satz: Optionen &gt; Aufräumen löscht sie, und der nächste Lauf beginnt neu.</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>Signal %1</translation>
    </message>
    <message>
        <source>A run is going. Stop it?</source>
        <translation>Ein Lauf ist im Gang. Soll er angehalten werden?</translation>
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
    <name>RunReport</name>
    <message>
        <source> Rar&apos;s only</source>
        <translation> Nur Rars</translation>
    </message>
    <message>
        <source> Ace&apos;s only</source>
        <translation> Nur Aces</translation>
    </message>
    <message>
        <source> Rar&apos;s into zip&apos;s</source>
        <translation> Rars in Zips</translation>
    </message>
    <message>
        <source> Ace&apos;s into zip&apos;s</source>
        <translation> Aces in Zips</translation>
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
    <message>
        <source>Recovery:</source>
        <translation>Wiederherstellung:</translation>
    </message>
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
</context>
<context>
    <name>RunningChild</name>
    <message>
        <source>its end could not be waited for: </source>
        <translation>auf sein Ende ließ sich nicht warten: </translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <source>Script (*.zvk)|*.zvk|</source>
        <translation>Skript (*.zvk)|*.zvk|</translation>
    </message>
    <message>
        <source> already exists.</source>
        <translation> existiert bereits.</translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>Ersetzen?</translation>
    </message>
    <message>
        <source>Save script</source>
        <translation>Skript speichern</translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation>Zavok32</translation>
    </message>
    <message>
        <source>The drive of this path is not available.</source>
        <translation>Das Laufwerk dieses Pfades ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>The script could not be saved as </source>
        <translation>Das Skript konnte nicht gespeichert werden als </translation>
    </message>
    <message>
        <source>Choose another folder or free some space, then save again.</source>
        <translation>Wählen Sie einen anderen Ordner oder schaffen Sie Platz und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>Open script</source>
        <translation>Skript öffnen</translation>
    </message>
</context>
<context>
    <name>ScriptReader</name>
    <message>
        <source>the line holds the control character 0x%1, which no path or value of a script can hold</source>
        <translation>die Zeile enthält das Steuerzeichen 0x%1, das kein Pfad und kein Wert eines Skripts enthalten kann</translation>
    </message>
    <message>
        <source>the script ends before the %1 line</source>
        <translation>das Skript endet vor der Zeile %1</translation>
    </message>
    <message>
        <source> is not True, False or a number</source>
        <translation> ist weder True noch False noch eine Zahl</translation>
    </message>
    <message>
        <source> is not a number from -32768 to 32767</source>
        <translation> ist keine Zahl von -32768 bis 32767</translation>
    </message>
    <message>
        <source>, line %1</source>
        <translation>, Zeile %1</translation>
    </message>
    <message>
        <source>the script was not found</source>
        <translation>das Skript wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>; the job was not run. Correct the script and start it again.</source>
        <translation>; der Auftrag wurde nicht ausgeführt. Berichtigen Sie das Skript und starten Sie es erneut.</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than any script (at most %2); it was not read</source>
        <translation>die Datei hat %1 Bytes, mehr als jedes Skript (höchstens %2); sie wurde nicht gelesen</translation>
    </message>
    <message>
        <source>the script cannot be read</source>
        <translation>das Skript lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the skip list that starts here has no empty line to end it</source>
        <translation>die Auslassliste, die hier beginnt, hat keine leere Zeile als Ende</translation>
    </message>
    <message>
        <source>the skip list that starts here has more than %1 entries</source>
        <translation>die Auslassliste, die hier beginnt, hat mehr als %1 Einträge</translation>
    </message>
    <message>
        <source> is not 0 or 1</source>
        <translation> ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source> is not a size step from 0 to %1</source>
        <translation> ist keine Größenstufe von 0 bis %1</translation>
    </message>
    <message>
        <source> is not a compression level from 0 to 5, or -1</source>
        <translation> ist keine Kompressionsstufe von 0 bis 5 und nicht -1</translation>
    </message>
    <message>
        <source>the ZIP comment file %1 cannot be copied</source>
        <translation>die ZIP-Kommentardatei %1 lässt sich nicht kopieren</translation>
    </message>
    <message>
        <source>Zip comment file not found</source>
        <translation>Zip-Kommentardatei nicht gefunden</translation>
    </message>
    <message>
        <source>Error in Zavok script</source>
        <translation>Fehler im Zavok-Skript</translation>
    </message>
</context>
<context>
    <name>SetCheckPage</name>
    <message>
        <source>Rebuilding the lost ZIPs of </source>
        <translation>Baue die verlorenen ZIPs neu von </translation>
    </message>
    <message>
        <source>Choose a ZIP of the set, its .sfv or .sha256 file, or the folder that holds it.</source>
        <translation>Wählen Sie ein ZIP des Satzes, seine .sfv- oder .sha256-Datei oder den Ordner, der ihn enthält.</translation>
    </message>
    <message>
        <source>Check a set</source>
        <translation>Einen Satz prüfen</translation>
    </message>
    <message>
        <source>ZIPs and checksum files (*.zip;*.sfv;*.sha256)|*.zip;*.sfv;*.sha256|All files (*.*)|*.*|</source>
        <translation>ZIPs und Prüfsummendateien (*.zip;*.sfv;*.sha256)|*.zip;*.sfv;*.sha256|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The folder of the set</source>
        <translation>Der Ordner des Satzes</translation>
    </message>
    <message>
        <source>Repairing...</source>
        <translation>Repariere...</translation>
    </message>
    <message>
        <source> is on no drive</source>
        <translation> liegt auf keinem Laufwerk</translation>
    </message>
    <message>
        <source>Looking for the set...</source>
        <translation>Suche den Satz...</translation>
    </message>
    <message>
        <source>Checking </source>
        <translation>Prüfe </translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>Die Prüfung wurde angehalten.</translation>
    </message>
</context>
<context>
    <name>SetCheckResult</name>
    <message>
        <source>sound</source>
        <translation>intakt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>of another set</source>
        <translation>aus einem anderen Satz</translation>
    </message>
    <message>
        <source>the check was stopped</source>
        <translation>die Prüfung wurde angehalten</translation>
    </message>
    <message>
        <source>its one ZIP is sound</source>
        <translation>sein einziges ZIP ist intakt</translation>
    </message>
    <message>
        <source>all %1 ZIPs are sound</source>
        <translation>alle %1 ZIPs sind intakt</translation>
    </message>
    <message>
        <source>%1 sound</source>
        <translation>%1 intakt</translation>
    </message>
    <message>
        <source>%1 ZIP%2: </source>
        <translation>%1 ZIP%2: </translation>
    </message>
    <message>
        <source>, and the volume set inside is whole and sound</source>
        <translation>, und der Bandsatz darin ist vollständig und intakt</translation>
    </message>
    <message>
        <source>; the volume set inside is not sound: </source>
        <translation>; der Bandsatz darin ist nicht intakt: </translation>
    </message>
    <message>
        <source>; the volume set inside is not whole</source>
        <translation>; der Bandsatz darin ist nicht vollständig</translation>
    </message>
    <message>
        <source> (the volumes inside were not tested)</source>
        <translation> (die Bände darin wurden nicht getestet)</translation>
    </message>
    <message>
        <source>; %1 more ZIP%2 of its name %3 of another set</source>
        <translation>; %1 weitere(s) ZIP%2 seines Namens %3 aus einem anderen Satz</translation>
    </message>
    <message>
        <source>is</source>
        <translation>ist</translation>
    </message>
    <message>
        <source>are</source>
        <translation>sind</translation>
    </message>
</context>
<context>
    <name>SetCheckView</name>
    <message>
        <source>Check a set</source>
        <translation>Einen Satz prüfen</translation>
    </message>
</context>
<context>
    <name>SetChecker</name>
    <message>
        <source>its checksum file</source>
        <translation>seiner Prüfsummendatei</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>its CRC is %1 where %2 lists %3</source>
        <translation>seine CRC ist %1, wo in %2 %3 steht</translation>
    </message>
    <message>
        <source>its SHA-256 differs from what %1 lists</source>
        <translation>seine SHA-256 weicht von der in %1 ab</translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation>nicht lesbar: </translation>
    </message>
    <message>
        <source>its description counts %1 ZIPs, the set %2</source>
        <translation>seine Beschreibung zählt %1 ZIPs, der Satz %2</translation>
    </message>
    <message>
        <source>it holds no archive volume</source>
        <translation>es enthält keinen Archivband</translation>
    </message>
    <message>
        <source>its description says %1/%2</source>
        <translation>seine Beschreibung sagt %1/%2</translation>
    </message>
    <message>
        <source>%1 does not list it</source>
        <translation>%1 führt es nicht auf</translation>
    </message>
    <message>
        <source>numbered past the set&apos;s %1</source>
        <translation>nummeriert über die %1 des Satzes hinaus</translation>
    </message>
    <message>
        <source>the volumes inside</source>
        <translation>die Bände darin</translation>
    </message>
    <message>
        <source>it is listed with a path outside the set&apos;s folder</source>
        <translation>es ist mit einem Pfad außerhalb des Ordners des Satzes aufgeführt</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>SetFinder</name>
    <message>
        <source> does not exist</source>
        <translation> existiert nicht</translation>
    </message>
    <message>
        <source> holds no set of ZIPs</source>
        <translation> enthält keinen Satz von ZIPs</translation>
    </message>
    <message>
        <source> lists no file</source>
        <translation> führt keine Datei auf</translation>
    </message>
    <message>
        <source> is not a folder, a ZIP or a checksum file (.sfv, .sha256)</source>
        <translation> ist weder Ordner noch ZIP noch Prüfsummendatei (.sfv, .sha256)</translation>
    </message>
</context>
<context>
    <name>SetLock</name>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>ein anderer Prozess</translation>
    </message>
    <message>
        <source>the lock file cannot be written there</source>
        <translation>die Sperrdatei lässt sich dort nicht schreiben</translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation>keine Berechtigung, dort zu schreiben</translation>
    </message>
    <message>
        <source>the lock file cannot be made there</source>
        <translation>die Sperrdatei lässt sich dort nicht anlegen</translation>
    </message>
</context>
<context>
    <name>SetProof</name>
    <message>
        <source>the run is to verify its ZIPs but has nothing to read them with</source>
        <translation>der Lauf soll seine ZIPs prüfen, hat aber nichts, um sie zu lesen</translation>
    </message>
    <message>
        <source>stopped while the volumes were tested</source>
        <translation>angehalten, während die Bände getestet wurden</translation>
    </message>
    <message>
        <source>the volume set the archiver wrote is not sound: </source>
        <translation>der Bandsatz, den der Archivierer schrieb, ist nicht intakt: </translation>
    </message>
    <message>
        <source>no drive for </source>
        <translation>kein Laufwerk für </translation>
    </message>
    <message>
        <source>%1 cannot be read for its checksums: %2</source>
        <translation>%1 lässt sich für seine Prüfsummen nicht lesen: %2</translation>
    </message>
    <message>
        <source>checking </source>
        <translation>prüfe </translation>
    </message>
    <message>
        <source>stopped while %1 was checked</source>
        <translation>angehalten, während %1 geprüft wurde</translation>
    </message>
    <message>
        <source>%1 does not read back: %2</source>
        <translation>%1 lässt sich nicht zurücklesen: %2</translation>
    </message>
    <message>
        <source>the volume %1 of %2 cannot be read: %3</source>
        <translation>der Band %1 von %2 lässt sich nicht lesen: %3</translation>
    </message>
    <message>
        <source>%1 does not hold %2</source>
        <translation>%1 enthält %2 nicht</translation>
    </message>
    <message>
        <source>%1: %2 in it (CRC %3, %4 bytes) differs from what was packed (CRC %5, %6 bytes)</source>
        <translation>%1: %2 darin (CRC %3, %4 Bytes) weicht vom Gepackten ab (CRC %5, %6 Bytes)</translation>
    </message>
    <message>
        <source>%1: %2 in it has %3 bytes, the volume %4</source>
        <translation>%1: %2 darin hat %3 Bytes, der Band %4</translation>
    </message>
    <message>
        <source>the checksum file %1 cannot be written: %2</source>
        <translation>die Prüfsummendatei %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>1 ZIP</source>
        <translation>1 ZIP</translation>
    </message>
    <message>
        <source>%1 ZIPs</source>
        <translation>%1 ZIPs</translation>
    </message>
    <message>
        <source>Verified: %1 and the set are sound</source>
        <translation>Geprüft: %1 und der Satz sind intakt</translation>
    </message>
    <message>
        <source>Verified: %1 %2 sound</source>
        <translation>Geprüft: %1 %2 intakt</translation>
    </message>
    <message>
        <source>is</source>
        <translation>ist</translation>
    </message>
    <message>
        <source>are</source>
        <translation>sind</translation>
    </message>
    <message>
        <source>Verify failed: </source>
        <translation>Prüfung fehlgeschlagen: </translation>
    </message>
</context>
<context>
    <name>SetRepair</name>
    <message>
        <source>there are no recovery files (%1.par2) beside the set</source>
        <translation>neben dem Satz liegen keine Wiederherstellungsdateien (%1.par2)</translation>
    </message>
    <message>
        <source>  rebuilt</source>
        <translation>  neu gebaut</translation>
    </message>
    <message>
        <source>  kept aside as </source>
        <translation>  beiseitegelegt als </translation>
    </message>
    <message>
        <source>the repair was stopped; nothing was written</source>
        <translation>die Reparatur wurde angehalten; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the recovery data is not enough to rebuild </source>
        <translation>die Wiederherstellungsdaten reichen nicht, um neu zu bauen: </translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the repair failed</source>
        <translation>die Reparatur schlug fehl</translation>
    </message>
</context>
<context>
    <name>SfvFile</name>
    <message>
        <source>line %1 is not &quot;name CRC&quot;</source>
        <translation>Zeile %1 ist nicht &quot;Name CRC&quot;</translation>
    </message>
</context>
<context>
    <name>Sha256File</name>
    <message>
        <source>line %1 is not &quot;digest  name&quot;</source>
        <translation>Zeile %1 ist nicht &quot;Prüfsumme  Name&quot;</translation>
    </message>
</context>
<context>
    <name>SkipList</name>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>Directory to skip</source>
        <translation>Auszulassendes Verzeichnis</translation>
    </message>
    <message>
        <source>Add skip file</source>
        <translation>Auszulassende Datei hinzufügen</translation>
    </message>
    <message>
        <source>Skip file (*.*)|*.*|</source>
        <translation>Auszulassende Datei (*.*)|*.*|</translation>
    </message>
    <message>
        <source>You must pick a source drive or directory first</source>
        <translation>Sie müssen zuerst ein Quelllaufwerk oder -verzeichnis wählen</translation>
    </message>
    <message>
        <source>Path isn&apos;t within source path</source>
        <translation>Der Pfad liegt nicht im Quellpfad</translation>
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
    <name>SliceCombiner</name>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1: could not be read (%2)</source>
        <translation>%1: konnte nicht gelesen werden (%2)</translation>
    </message>
</context>
<context>
    <name>SourceBrowse</name>
    <message>
        <source>Source directory</source>
        <translation>Quellverzeichnis</translation>
    </message>
    <message>
        <source>CD image file</source>
        <translation>CD-Abbilddatei</translation>
    </message>
    <message>
        <source>Iso file (*.iso)|*.iso|Bin file (*.bin)|*.bin</source>
        <translation>Iso-Datei (*.iso)|*.iso|Bin-Datei (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Cue file (*.cue)|*.cue</source>
        <translation>Cue-Datei (*.cue)|*.cue</translation>
    </message>
</context>
<context>
    <name>SourceMeasurement</name>
    <message>
        <source> Total bytes</source>
        <translation> Bytes gesamt</translation>
    </message>
    <message>
        <source>Calculating files and size</source>
        <translation>Berechne Dateien und Größe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
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
    <name>Startup</name>
    <message>
        <source>Free space on<byte value="xd"/>less than 2 Meg.</source>
        <translation>Freier Platz<byte value="xd"/>unter 2 MB.</translation>
    </message>
    <message>
        <source>Free space on<byte value="xd"/></source>
        <translation>Freier Platz<byte value="xd"/></translation>
    </message>
    <message>
        <source> Meg.</source>
        <translation> MB.</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>Zavok32 can not be run from<byte value="xd"/>
a root directory, please reinstall.</source>
        <translation>Zavok32 kann nicht aus einem<byte value="xd"/>
Wurzelverzeichnis laufen, bitte neu installieren.</translation>
    </message>
</context>
<context>
    <name>TerminalProgress</name>
    <message>
        <source> of </source>
        <translation> von </translation>
    </message>
    <message>
        <source>ZIP %1</source>
        <translation>ZIP %1</translation>
    </message>
    <message>
        <source>archiving</source>
        <translation>archiviere</translation>
    </message>
    <message>
        <source>%1%  %2  %3 MB/s  %4 taken  %5 left</source>
        <translation>%1%  %2  %3 MB/s  %4 vergangen  %5 übrig</translation>
    </message>
    <message>
        <source>1 volume</source>
        <translation>1 Band</translation>
    </message>
    <message>
        <source>%1 volumes</source>
        <translation>%1 Bände</translation>
    </message>
    <message>
        <source>1 ZIP</source>
        <translation>1 ZIP</translation>
    </message>
    <message>
        <source>%1 ZIPs</source>
        <translation>%1 ZIPs</translation>
    </message>
    <message>
        <source>%1, %2 bytes, made in %3</source>
        <translation>%1, %2 Bytes, gemacht in %3</translation>
    </message>
</context>
<context>
    <name>TreeMeasure</name>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
</context>
<context>
    <name>UniqueNames</name>
    <message>
        <source>the names %1 and %2 in %3 are one name to the readers of the set: %2 is stored as %4</source>
        <translation>die Namen %1 und %2 in %3 sind für die Leser des Satzes ein Name: %2 wird als %4 gespeichert</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>Free space: </source>
        <translation>Freier Platz: </translation>
    </message>
    <message>
        <source>- Source size -</source>
        <translation>- Quellgröße -</translation>
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
    <name>VolumeEstimate</name>
    <message>
        <source> files</source>
        <translation> Dateien</translation>
    </message>
    <message>
        <source> 1.00 file</source>
        <translation> 1.00 Datei</translation>
    </message>
    <message>
        <source>1.00 file</source>
        <translation>1.00 Datei</translation>
    </message>
    <message>
        <source>1 Max file</source>
        <translation>1 Max-Datei</translation>
    </message>
</context>
<context>
    <name>VolumePackager</name>
    <message>
        <source>no drive for </source>
        <translation>kein Laufwerk für </translation>
    </message>
    <message>
        <source>the application directory is on no drive</source>
        <translation>das Anwendungsverzeichnis liegt auf keinem Laufwerk</translation>
    </message>
    <message>
        <source>the ZIP comment file zcomment.ini is missing or empty</source>
        <translation>die ZIP-Kommentardatei zcomment.ini fehlt oder ist leer</translation>
    </message>
    <message>
        <source>the ZIP comment has %1 bytes; a ZIP holds at most 65,535</source>
        <translation>der ZIP-Kommentar hat %1 Bytes; ein ZIP fasst höchstens 65.535</translation>
    </message>
    <message>
        <source>The ZIP comment is longer than 65,535 bytes</source>
        <translation>Der ZIP-Kommentar ist länger als 65.535 Bytes</translation>
    </message>
    <message>
        <source>Shorten the comment or switch it off, then run again</source>
        <translation>Kürzen Sie den Kommentar oder schalten Sie ihn ab und starten Sie dann erneut</translation>
    </message>
    <message>
        <source>cannot read zcomment.ini: </source>
        <translation>kann zcomment.ini nicht lesen: </translation>
    </message>
    <message>
        <source>the description file is missing: </source>
        <translation>die Beschreibungsdatei fehlt: </translation>
    </message>
    <message>
        <source>cannot copy the description file: </source>
        <translation>kann die Beschreibungsdatei nicht kopieren: </translation>
    </message>
    <message>
        <source>Volume %1 is still in %2.</source>
        <translation>Band %1 liegt noch in %2.</translation>
    </message>
    <message>
        <source>Volumes %1 to %2 are still in %3.</source>
        <translation>Die Bände %1 bis %2 liegen noch in %3.</translation>
    </message>
    <message>
        <source>The set did not prove sound: </source>
        <translation>Der Satz hat sich nicht als intakt erwiesen: </translation>
    </message>
    <message>
        <source> Check the disk and the ZIP folder, then run the job again.</source>
        <translation> Prüfen Sie die Festplatte und den ZIP-Ordner und starten Sie den Auftrag dann erneut.</translation>
    </message>
    <message>
        <source>cannot change to the work directory </source>
        <translation>kann nicht ins Arbeitsverzeichnis wechseln: </translation>
    </message>
    <message>
        <source>%1 failed for %2%3</source>
        <translation>%1 schlug fehl für %2%3</translation>
    </message>
    <message>
        <source>adding </source>
        <translation>Hinzufügen von </translation>
    </message>
    <message>
        <source>adding file_id.diz</source>
        <translation>Hinzufügen von file_id.diz</translation>
    </message>
    <message>
        <source>preparing the information file</source>
        <translation>Vorbereiten der Infodatei</translation>
    </message>
    <message>
        <source>the extra file is missing: </source>
        <translation>die Zusatzdatei fehlt: </translation>
    </message>
    <message>
        <source>the extra directory is missing: </source>
        <translation>das Zusatzverzeichnis fehlt: </translation>
    </message>
    <message>
        <source>writing the ZIP</source>
        <translation>Schreiben des ZIPs</translation>
    </message>
    <message>
        <source>cannot delete the packaged volume </source>
        <translation>kann den gepackten Band nicht löschen: </translation>
    </message>
    <message>
        <source>cannot delete %1, which does not read back</source>
        <translation>kann %1 nicht löschen, das sich nicht zurücklesen lässt</translation>
    </message>
</context>
<context>
    <name>WholeRunText</name>
    <message>
        <source> taken</source>
        <translation> vergangen</translation>
    </message>
    <message>
        <source>, about </source>
        <translation>, etwa </translation>
    </message>
    <message>
        <source> left</source>
        <translation> übrig</translation>
    </message>
    <message>
        <source>Done in </source>
        <translation>Fertig in </translation>
    </message>
    <message>
        <source>Ended after </source>
        <translation>Beendet nach </translation>
    </message>
</context>
<context>
    <name>WorkDirectory</name>
    <message>
        <source>no drive for </source>
        <translation>kein Laufwerk für </translation>
    </message>
    <message>
        <source>cannot make the work directory </source>
        <translation>kann das Arbeitsverzeichnis nicht anlegen: </translation>
    </message>
    <message>
        <source>no free work directory name on drive </source>
        <translation>kein freier Name für ein Arbeitsverzeichnis auf Laufwerk </translation>
    </message>
    <message>
        <source>the work directory holds %1 files; no set is that large</source>
        <translation>das Arbeitsverzeichnis enthält %1 Dateien; so groß ist kein Satz</translation>
    </message>
    <message>
        <source>the work directory %1 is not empty</source>
        <translation>das Arbeitsverzeichnis %1 ist nicht leer</translation>
    </message>
</context>
<context>
    <name>WorkDrive</name>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>Free space on<byte value="xd"/></source>
        <translation>Freier Platz<byte value="xd"/></translation>
    </message>
    <message>
        <source> Meg.</source>
        <translation> MB.</translation>
    </message>
    <message>
        <source>You might not have enough free space on<byte value="xd"/></source>
        <translation>Sie haben vielleicht nicht genug freien Platz auf<byte value="xd"/></translation>
    </message>
    <message>
        <source> drive for Rar&apos;s/Ace&apos;s, should pick another drive.</source>
        <translation> für Rars/Aces, wählen Sie besser ein anderes Laufwerk.</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>its journal cannot be used: </source>
        <translation>sein Journal ist nicht brauchbar: </translation>
    </message>
    <message>
        <source>the archiver had not finished its set</source>
        <translation>der Archivierer hatte seinen Satz nicht fertig geschrieben</translation>
    </message>
    <message>
        <source>its volumes failed the set&apos;s test</source>
        <translation>seine Bände haben die Prüfung des Satzes nicht bestanden</translation>
    </message>
    <message>
        <source>its volume %1 is missing</source>
        <translation>sein Band %1 fehlt</translation>
    </message>
    <message>
        <source>its volume %1 has changed since</source>
        <translation>sein Band %1 hat sich seitdem geändert</translation>
    </message>
    <message>
        <source>its complete ZIP %1 is missing</source>
        <translation>sein fertiges ZIP %1 fehlt</translation>
    </message>
    <message>
        <source>its complete ZIP %1 has changed since it was made</source>
        <translation>sein fertiges ZIP %1 hat sich geändert, seit es gemacht wurde</translation>
    </message>
    <message>
        <source>%1 could not be deleted whole</source>
        <translation>%1 konnte nicht vollständig gelöscht werden</translation>
    </message>
</context>
<context>
    <name>ZipComment</name>
    <message>
        <source>Zip comment file</source>
        <translation>Zip-Kommentardatei</translation>
    </message>
    <message>
        <source>Zip comment file (*.*)|*.*|</source>
        <translation>Zip-Kommentardatei (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>Zip comment file too large, must be under 32k</source>
        <translation>Zip-Kommentardatei zu groß, muss unter 32k liegen</translation>
    </message>
</context>
<context>
    <name>ZipFolderWalk</name>
    <message>
        <source>left out the folder %1: the set is written there (its ZIP folder or work folder)</source>
        <translation>den Ordner %1 ausgelassen: der Satz wird dorthin geschrieben (sein ZIP-Ordner oder Arbeitsordner)</translation>
    </message>
    <message>
        <source>skipped the folder %1: %2</source>
        <translation>den Ordner %1 übersprungen: %2</translation>
    </message>
    <message>
        <source>the name %1 is not UTF-8: stored as %2, its bytes read as Windows-1252</source>
        <translation>der Name %1 ist kein UTF-8: als %2 gespeichert, seine Bytes als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>skipped %1: a broken link</source>
        <translation>%1 übersprungen: ein kaputter Link</translation>
    </message>
    <message>
        <source>skipped %1: a link to %2, outside the folder</source>
        <translation>%1 übersprungen: ein Link auf %2, außerhalb des Ordners</translation>
    </message>
    <message>
        <source>skipped %1: a link to a folder, which is not followed</source>
        <translation>%1 übersprungen: ein Link auf einen Ordner, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <source>skipped %1: a link into a folder the set is written to</source>
        <translation>%1 übersprungen: ein Link in einen Ordner, in den der Satz geschrieben wird</translation>
    </message>
    <message>
        <source>skipped the folder %1: it is on another file system</source>
        <translation>den Ordner %1 übersprungen: er liegt auf einem anderen Dateisystem</translation>
    </message>
    <message>
        <source>skipped %1: not a file or folder</source>
        <translation>%1 übersprungen: weder Datei noch Ordner</translation>
    </message>
    <message>
        <source>left out %1: a working file of zavok32 (a set&apos;s lock or a ZIP being written)</source>
        <translation>%1 ausgelassen: eine Arbeitsdatei von zavok32 (die Sperre eines Satzes oder ein ZIP im Entstehen)</translation>
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
<context>
    <name>ZipStorage</name>
    <message>
        <source>Free space on </source>
        <translation>Freier Platz auf </translation>
    </message>
    <message>
        <source> is less than source size</source>
        <translation> ist kleiner als die Quellgröße</translation>
    </message>
    <message>
        <source>The folder </source>
        <translation>Der Ordner </translation>
    </message>
    <message>
        <source> lies inside the source </source>
        <translation> liegt in der Quelle </translation>
    </message>
    <message>
        <source>.<byte value="xd"/>The set will be packed without it and without the ZIPs written there.</source>
        <translation>.<byte value="xd"/>Der Satz wird ohne ihn und ohne die dort geschriebenen ZIPs gepackt.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Keep it as the folder for the ZIPs?</source>
        <translation><byte value="xd"/>Ihn als Ordner für die ZIPs behalten?</translation>
    </message>
    <message>
        <source> is the source folder: the set cannot be written into the folder it packs.</source>
        <translation> ist der Quellordner: der Satz kann nicht in den Ordner geschrieben werden, den er packt.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Choose another folder for the ZIPs.</source>
        <translation><byte value="xd"/>Wählen Sie einen anderen Ordner für die ZIPs.</translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation>Zavok32-Fehler</translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation>Zavok32</translation>
    </message>
    <message>
        <source>Directory for zip&apos;s</source>
        <translation>Verzeichnis für die Zips</translation>
    </message>
    <message>
        <source>Free space 0 M</source>
        <translation>Freier Platz 0 M</translation>
    </message>
</context>
</TS>
