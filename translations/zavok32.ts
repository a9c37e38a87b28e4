<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutPage</name>
    <message>
        <source>About Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit my web page for other programs I&apos;ve written and updates.  Please send me your comments or suggestions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive volumes into ZIPs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>: the script was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the job did not pass its check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (see the%1 page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped by %1; no run was going</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveSetTester</name>
    <message>
        <source>1 file is packed in a way that cannot be tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files are packed in a way that cannot be tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not the first volume of a RAR or ACE set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiverStep</name>
    <message>
        <source>Cannot write </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot change to the source folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No way to start the archiver</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiverWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiver output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Free space %1 M</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>zavok32: %1 needs a path: a folder of ZIPs, a set&apos;s .sfv or .sha256, or a ZIP of a set
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckSetWindow</name>
    <message>
        <source>Set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;older...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What stopped runs left behind. A run that can go on is continued by the next run of its job (Zavok! asks first). Tick what is to go, then Delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder or file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CleanUpList</name>
    <message>
        <source>Nothing to clean up: no interrupted run left a work folder, and no unfinished ZIP lies in the ZIP folders your runs wrote into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can go on: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot go on: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished ZIP: a run was killed while it wrote it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 ticked: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 ticked items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 (%2)?<byte value="xd"/>This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These could not be deleted (or not whole): %1.<byte value="xd"/>Check that you may write there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An interrupted run left its work folder (%1): %2. Zavok! continues a run of the same job; Options &gt; Clean up removes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted runs left %1 work folders (%2): %3. Zavok! continues a run of the same job; Options &gt; Clean up removes them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CleanUpWiring</name>
    <message>
        <source>Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run is going. Clean up once it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print how to start the program and its exit statuses, and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print nothing but errors while a job runs unattended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavok32: the window would open on no display (QT_QPA_PLATFORM=%1) and wait there for ever; a job runs without one when its path follows &quot;!&quot; or &quot;$&quot;, see zavok32 --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavok32: another copy is running for this application directory; it was brought to the front and %1 was not loaded
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavok32: another copy is running for this application directory and is busy (a run or a dialog); %1 was not opened. Open it there once it is free, or start this again then.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check the set PATH names (its folder, one of its ZIPs, its .sfv or .sha256) and write nothing: a line per ZIP and a summary; status 0 when the set is whole and sound, 1 when it is not, 2 when PATH names no set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rebuild the missing and damaged ZIPs of the set PATH names from its recovery files, then check it: status 0 when the set is whole and sound, 1 when it is not (the recovery data was not enough; nothing was written), 2 when PATH names no set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write recovery files that can rebuild any N ZIPs of the set (0 for none, at most 99), whatever Options &gt; Recovery files says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;zavok32 --help&apos; for more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end of the options: every word after it is part of the script argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--recovery takes a number of ZIPs from 0 to 99, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown options %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete an interrupted run of the job and start afresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavok32: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY name none that answers); a job runs without one when its path follows &quot;!&quot; or &quot;$&quot;, see zavok32 --help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescriptionEditor</name>
    <message>
        <source>Zavok error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File_id.diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file_id.diz (*.diz)|*.diz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescriptionEditorWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DizFile</name>
    <message>
        <source>The file_id.diz can&apos;t be copied to your application directory:<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file_id.diz can&apos;t be read:<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbering can&apos;t be tested:<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drive is not mapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add file_id.diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File_id.diz (*.diz)|*.diz|Text file (*.txt)|*.txt|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file_id.diz can&apos;t be from your application directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file_id.diz with Browse or Create first, then test its numbering</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DizNumbering</name>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the description file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column number too high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the numbering column &quot;%1&quot; is not a position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line number too high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 of the description has no column %2 for the volume number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DizPage</name>
    <message>
        <source>File_id.diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto numbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ubsitute at column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveSetup</name>
    <message>
        <source>%1: now points at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: was removed; its folder was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: has no medium: %2 is not there. Insert or mount it, or point the letter elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MB free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c: holds the program&apos;s own files and cannot be removed; it can point at another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: could not be written in %2. Is the folder writable?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrivesDialog</name>
    <message>
        <source>Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Letter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Points at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fo&amp;lder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mounted &amp;volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder for the drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(choose one to point the letter at it)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExtraNames</name>
    <message>
        <source>The extra file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra folder %1 holds %2, which</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has the name of %1 (%2) and would replace it in the ZIPs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Nothing was packaged. Rename or move that file, or choose another extra, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDigest</name>
    <message>
        <source>no SHA-256 digest available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SHA-256 digest failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileInEditor</name>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text editor could be started for<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Install a text editor (for example gedit, kate or mousepad) and make it the desktop&apos;s default for plain text files, in the desktop&apos;s settings or with<byte value="xd"/>
    xdg-mime default org.gnome.gedit.desktop text/plain<byte value="xd"/>
(its .desktop file&apos;s name), or open the file in an editor of your choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive of<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
is not available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>a file cannot be copied onto itself</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FloppyFit</name>
    <message>
        <source>The extra %1 (%2 bytes) goes into every ZIP. With it, a ZIP of a full volume can come to %3 bytes, more than a formatted 1.44 MB floppy holds (%4 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>To keep every ZIP on a floppy, put the extra into the first ZIP only (Nfo page) or make it smaller. Go on anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP fits a 1.44 MB floppy (%1, %2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every ZIP fits a 1.44 MB floppy (the largest, %1, has %2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 ZIP does not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ZIPs do not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fit a 1.44 MB floppy of %2 bytes (the largest, %3, has %4 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderPickerDialog</name>
    <message>
        <source>Browse for Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d:\games or /home/me/games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderSelection</name>
    <message>
        <source>Not a valid drive or path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid drive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Zavok32 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a word to find a topic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages were not found beside the program.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InterruptedRunChoice</name>
    <message>
        <source>The interrupted run in %1 cannot be continued: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>This run starts afresh. That work folder (%1) stays until you remove it with Options &gt; Clean up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the interrupted run in %1 cannot be continued: %2; starting afresh (Options &gt; Clean up removes its %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>continuing the interrupted run in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--restart: the interrupted run in %1 is deleted, which frees %2; starting afresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interrupted run&apos;s work folder was not deleted whole: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>This run starts afresh all the same.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobCheck</name>
    <message>
        <source> skip folder not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> skip file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script numbers the description but gives no column to write the number at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script numbers the description but gives no line to write the number on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaces aren&apos;t allowed in filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters \ / : * ? &quot; &lt; &gt; | aren&apos;t allowed in filename</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobFolders</name>
    <message>
        <source><byte value="xd"/>Nothing was packaged. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP folder %1 is the source folder: the set would be packed from the folder it is written into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another ZIP folder on the Zip page, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP folder %1 is the extra folder: every ZIP would take in the ZIPs before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another ZIP folder or extra folder, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra file %1 has %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra folder %1 holds more than %2 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra folder %1 holds at least %2 bytes (the count stopped there)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, and it goes into %1 of the set: an extra may hold at most ten volumes, %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a smaller extra on the Nfo page, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 %2 lies inside the source %3: it is left out of the set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobIdentity</name>
    <message>
        <source>source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD image setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cue sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skip list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volume size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archive compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>base name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date in the ZIP names (the $ start)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>description file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>description file&apos;s text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>information file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>information file&apos;s text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;1st zip only&quot; setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extra&apos;s files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was made by another version of Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 has changed since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 has changed since (%2 then, %3 now)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source has changed since (a file was written, renamed or replaced)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source has changed since (%1 then, %2 now)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalKeeper</name>
    <message>
        <source>cannot read back %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the run&apos;s journal in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 cannot write the run&apos;s journal in %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Make room on the work drive, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Leftovers</name>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs are done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is left: Zavok! starts the run again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archiver did not finish the set, so no ZIP was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stays in %2: not a whole set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stay in %2: not a whole set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok! starts the run afresh; Options &gt; Clean up removes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ZIP of the %1 is complete yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs is complete in %3: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs are complete in %3: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stays in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stay in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok! continues the run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &gt; Clean up removes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing is left; %1 starts the run again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archiver did not finish the set, so no ZIP was made; %1 in %2 is not a whole set; %3 starts the run afresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archiver did not finish the set, so no ZIP was made; %1 in %2 are not a whole set; %3 starts the run afresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 ZIPs complete in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 stays in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 stay in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 continues the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue the interrupted run? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Yes makes the other %1 from the volumes in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>No deletes that work folder, which frees %1, and starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibZipComponent</name>
    <message>
        <source>the end record is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end record is not where it should be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP writer is still busy with another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP comment has %1 bytes, but a ZIP file holds at most 65,535. Shorten the comment or switch it off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ZIP file name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP file %1 is on no usable drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a ZIP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder for %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was given while %2 is not written yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1 was left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add the folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot set the compression of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot set the ZIP comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding to %1 failed inside an event handler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the ZIP comment into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibZipReader</name>
    <message>
        <source>CRC error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its data cannot be unpacked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty, not a ZIP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a ZIP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut short: its end is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1 bytes where its directory says %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListBar</name>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuTable</name>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open zvk script...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave zvk script...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soun&amp;ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drives...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;zip comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open zip comment...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View zip comment...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Email...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chec&amp;k a set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify after packing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Checksum files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recovery files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean &amp;up...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MountedVolumes</name>
    <message>
        <source>CD/DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source> Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zavok!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NfoFiles</name>
    <message>
        <source>The information file could not be created:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add *.nfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nfo file(*.nfo)|*.nfo|Text file (*.txt)|*.txt|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add extra file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra file (*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra directory of files to add to Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose &apos;Save&apos; when finished in notepad, NOT &apos;save as&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NfoPage</name>
    <message>
        <source>Add *.nfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra to add  (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1st zip only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .nfo and the extra go into the first zip only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NfoStamp</name>
    <message>
        <source>the information file has no file name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the information file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageNotices</name>
    <message>
        <source>The source </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not there any more: choose it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The information file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not there any more: choose it again, or leave it out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a source first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a description file (file_id.diz) first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the column the volume number goes in first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the line the volume number goes on first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an information file (.nfo) first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder for the ZIPs first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a base name for the ZIPs first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume number does not fit the description at this line and column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source itself cannot be skipped: choose a folder inside it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PosixProcessRunner</name>
    <message>
        <source>the command line names no program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not beside zavok32, in %2, in %3 or on PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pipe for its output: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its end could not be waited for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pipe to start it: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProcessEnd</name>
    <message>
        <source>was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ended with exit status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was ended by signal %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtArchiverConsole</name>
    <message>
        <source>Ending the archiver...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zavok32: %1. What it printed last:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryCreator</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryFilesDialog</name>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enough to rebuild any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lost or damaged ZIPs of a set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryFilesPage</name>
    <message>
        <source>After the ZIPs are made, a run can write PAR2 recovery files beside them: with them, File &gt; Check a set (or zavok32 --repair) rebuilds ZIPs that went missing or were damaged. They fit the medium the ZIPs were cut for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recovery files are written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 times the size of the largest ZIP, in %2 files of half its size; a set of fewer ZIPs gets enough to rebuild all of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting could not be saved in %1.<byte value="xd"/>Check that the application directory is writable; the runs of this session use it all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryPlan</name>
    <message>
        <source>There are no files to protect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files are empty: there is nothing to protect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of files to rebuild must be at least 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many files for one recovery set (at most %1 slices).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many recovery slices for one recovery set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverySetLoader</name>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no readable recovery set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives a slice size that is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery set of %1 lacks the description of one of its files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery set of %1 names a file outside its folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery set of %1 has more slices than the format allows.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverySetRepairer</name>
    <message>
        <source>The recovery data is not enough: %1 slices are lost and %2 recovery slices are there. Still missing or damaged: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be rebuilt: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was rebuilt but does not match its checksum; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be moved aside to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be put in place: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverySetVerifier</name>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryStep</name>
    <message>
        <source>any %1 %2 can be rebuilt (%3 files, %4 M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no drive for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recovery files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped before the recovery files were written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped while the recovery files were written; none was kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the recovery files could not be written: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIPs are made, but the recovery files could not be written:<byte value="xd"/>%1<byte value="xd"/>Make room in the ZIP folder and run the job again, or choose fewer recovery files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Ripping complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rar/Ace compression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip compression:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RipIntoQuestion</name>
    <message>
        <source>Zavok32 - Iso/bin option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rip into?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rar/Ace(s) only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rar/ace then into &amp;Zip(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RipJob</name>
    <message>
        <source>Whole drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD image ISO file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD image Bin/Cue files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RipRun</name>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no drive for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every ZIP of the set was made, but </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no source is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description file (file_id.diz) is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbering is on but no column is given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbering is on but no line is given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no information file (.nfo) is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ZIP directory is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the base name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaces aren&apos;t allowed in filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the base name &quot;%1&quot; cannot name a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate zip name in zip directory
add to it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP name is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the numbering line or column does not fit the description file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t have more than 999 files in the set<byte value="xd"/>Raise the achive size, or choose a source with a smaller size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Make room in the ZIP folder or switch Options &gt; Checksum files off, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 %3 not of this set of %4 (left from an older set of the name; %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.sfv lists the ZIPs of this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete them or move them away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in the ZIP folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 cannot write in the ZIP folder %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Choose a folder you can write to on the Zip page, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the information file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volume %1 of the set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archiver made no file in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ZIP could not be made: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripping error, check your *.zvk file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every ZIP of the set was made, but %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped by %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunEndNotice</name>
    <message>
        <source>The set is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 of %3 in %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunJournal</name>
    <message>
        <source>the journal is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal is of another kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 of the journal is not understood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal is incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal lists the volumes of an unfinished set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal cannot be read: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>Another run (%1) is writing the set %2 in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Nothing was done. Wait until that run has ended, or choose another base name or ZIP folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archiver %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Put it beside zavok32 or on the search path (PATH), then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>What it printed last is under Show Details and in its window; put that right, and run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>What it printed is in the terminal or log zavok32 writes to; put that right, and run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and wrote no volume.<byte value="xd"/>Nothing was packaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one volume it wrote is in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 volumes it wrote are in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> before the set was complete.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ZIP was made. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; they are not a whole set, so delete them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; they are not a whole set: Options &gt; Clean up deletes them, and the next run starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run is going. Stop it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Packaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole run:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source> Rar&apos;s only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ace&apos;s only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Rar&apos;s into zip&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ace&apos;s into zip&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rar/Ace compression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip compression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripping complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final archive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunningChild</name>
    <message>
        <source>its end could not be waited for: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <source>Script (*.zvk)|*.zvk|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive of this path is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script could not be saved as </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another folder or free some space, then save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptReader</name>
    <message>
        <source>the line holds the control character 0x%1, which no path or value of a script can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script ends before the %1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not True, False or a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a number from -32768 to 32767</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the job was not run. Correct the script and start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than any script (at most %2); it was not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the skip list that starts here has no empty line to end it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the skip list that starts here has more than %1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a size step from 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a compression level from 0 to 5, or -1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP comment file %1 cannot be copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip comment file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Zavok script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetCheckPage</name>
    <message>
        <source>Rebuilding the lost ZIPs of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a ZIP of the set, its .sfv or .sha256 file, or the folder that holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check a set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIPs and checksum files (*.zip;*.sfv;*.sha256)|*.zip;*.sfv;*.sha256|All files (*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is on no drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetCheckResult</name>
    <message>
        <source>sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of another set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the check was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its one ZIP is sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %1 ZIPs are sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ZIP%2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, and the volume set inside is whole and sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the volume set inside is not sound: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the volume set inside is not whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the volumes inside were not tested)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 more ZIP%2 of its name %3 of another set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>are</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetCheckView</name>
    <message>
        <source>Check a set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetChecker</name>
    <message>
        <source>its checksum file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its CRC is %1 where %2 lists %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its SHA-256 differs from what %1 lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its description counts %1 ZIPs, the set %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no archive volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its description says %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not list it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbered past the set&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the volumes inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is listed with a path outside the set&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetFinder</name>
    <message>
        <source> does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> holds no set of ZIPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> lists no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a folder, a ZIP or a checksum file (.sfv, .sha256)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetLock</name>
    <message>
        <source>process %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock file cannot be written there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock file cannot be made there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetProof</name>
    <message>
        <source>the run is to verify its ZIPs but has nothing to read them with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped while the volumes were tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the volume set the archiver wrote is not sound: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no drive for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read for its checksums: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checking </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped while %1 was checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not read back: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the volume %1 of %2 cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 in it (CRC %3, %4 bytes) differs from what was packed (CRC %5, %6 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 in it has %3 bytes, the volume %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the checksum file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ZIPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: %1 and the set are sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: %1 %2 sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify failed: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetRepair</name>
    <message>
        <source>there are no recovery files (%1.par2) beside the set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  rebuilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  kept aside as </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the repair was stopped; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the recovery data is not enough to rebuild </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the repair failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SfvFile</name>
    <message>
        <source>line %1 is not &quot;name CRC&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sha256File</name>
    <message>
        <source>line %1 is not &quot;digest  name&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkipList</name>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory to skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add skip file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip file (*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must pick a source drive or directory first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path isn&apos;t within source path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkipPage</name>
    <message>
        <source>Sub-directories or files to skip   (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sub-dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse adds a sub-directory of the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse adds a file of the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SliceCombiner</name>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: could not be read (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceBrowse</name>
    <message>
        <source>Source directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iso file (*.iso)|*.iso|Bin file (*.bin)|*.bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cue file (*.cue)|*.cue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceMeasurement</name>
    <message>
        <source> Total bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating files and size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourcePage</name>
    <message>
        <source>Source drive or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Iso/Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Iso/Bin file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total source size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive for Rars/Aces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive free space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Free space on<byte value="xd"/>less than 2 Meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space on<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 can not be run from<byte value="xd"/>
a root directory, please reinstall.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminalProgress</name>
    <message>
        <source> of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archiving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%  %2  %3 MB/s  %4 taken  %5 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ZIPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 bytes, made in %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TreeMeasure</name>
    <message>
        <source>1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UniqueNames</name>
    <message>
        <source>the names %1 and %2 in %3 are one name to the readers of the set: %2 is stored as %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>Free space: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Source size -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the run; the ZIPs made and the volumes left stay, and Zavok! continues it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the run at once and close Zavok32; the ZIPs made and the volumes left stay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VolumeEstimate</name>
    <message>
        <source> files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1.00 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.00 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Max file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VolumePackager</name>
    <message>
        <source>no drive for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the application directory is on no drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP comment file zcomment.ini is missing or empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP comment has %1 bytes; a ZIP holds at most 65,535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP comment is longer than 65,535 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorten the comment or switch it off, then run again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read zcomment.ini: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the description file is missing: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot copy the description file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume %1 is still in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumes %1 to %2 are still in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set did not prove sound: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check the disk and the ZIP folder, then run the job again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot change to the work directory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed for %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adding </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adding file_id.diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preparing the information file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the extra file is missing: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the extra directory is missing: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing the ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot delete the packaged volume </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot delete %1, which does not read back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeRunText</name>
    <message>
        <source> taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, about </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ended after </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkDirectory</name>
    <message>
        <source>no drive for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the work directory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free work directory name on drive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the work directory holds %1 files; no set is that large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the work directory %1 is not empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkDrive</name>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space on<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You might not have enough free space on<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> drive for Rar&apos;s/Ace&apos;s, should pick another drive.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>its journal cannot be used: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archiver had not finished its set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its volumes failed the set&apos;s test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its volume %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its volume %1 has changed since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its complete ZIP %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its complete ZIP %1 has changed since it was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be deleted whole</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipComment</name>
    <message>
        <source>Zip comment file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip comment file (*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip comment file too large, must be under 32k</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipFolderWalk</name>
    <message>
        <source>left out the folder %1: the set is written there (its ZIP folder or work folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name %1 is not UTF-8: stored as %2, its bytes read as Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1: a broken link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1: a link to %2, outside the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1: a link to a folder, which is not followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1: a link into a folder the set is written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped the folder %1: it is on another file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1: not a file or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out %1: a working file of zavok32 (a set&apos;s lock or a ZIP being written)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipPage</name>
    <message>
        <source>Archive size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive size: up for larger volumes, down for smaller ones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rar/Ace file counts if no compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rar/Ace compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rar/Ace comp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip comp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipSizeStep</name>
    <message>
        <source>1.44 M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; &quot;%1&quot; was cut to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1 characters at this size: three digits of the volume number follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1 characters at this size: two digits of the volume number follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1 characters: one archive, no volume number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipStorage</name>
    <message>
        <source>Free space on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is less than source size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> lies inside the source </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.<byte value="xd"/>The set will be packed without it and without the ZIPs written there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Keep it as the folder for the ZIPs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is the source folder: the set cannot be written into the folder it packs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Choose another folder for the ZIPs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavok32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory for zip&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space 0 M</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
