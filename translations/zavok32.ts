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
    <name>ArchiverWindow</name>
    <message>
        <source>&amp;Cancel</source>
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
        <source>delete an interrupted run of the job and start afresh</source>
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
    <name>QtArchiverConsole</name>
    <message>
        <source>Ending the archiver...</source>
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
    <name>ViewState</name>
    <message>
        <source>Free space: </source>
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
</TS>
