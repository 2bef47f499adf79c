<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>AboutWindows</name>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Unkown OS</source>
        <translation>Unkown OS</translation>
    </message>
    <message>
        <source>(64bit)</source>
        <translation>(64bit)</translation>
    </message>
    <message>
        <source>(32bit)</source>
        <translation>(32bit)</translation>
    </message>
    <message>
        <source>Microsoft Windows NT</source>
        <translation>Microsoft Windows NT</translation>
    </message>
    <message>
        <source>Microsoft Windows 2000</source>
        <translation>Microsoft Windows 2000</translation>
    </message>
    <message>
        <source>Microsoft Windows XP</source>
        <translation>Microsoft Windows XP</translation>
    </message>
    <message>
        <source>Microsoft Windows 2003</source>
        <translation>Microsoft Windows 2003</translation>
    </message>
    <message>
        <source>Microsoft Windows Vista</source>
        <translation>Microsoft Windows Vista</translation>
    </message>
    <message>
        <source>Microsoft Windows 7</source>
        <translation>Microsoft Windows 7</translation>
    </message>
    <message>
        <source>Microsoft OS</source>
        <translation>Microsoft OS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>on the card</source>
        <translation>on the card</translation>
    </message>
    <message>
        <source>in the file</source>
        <translation>in the file</translation>
    </message>
    <message>
        <source>%1 only %2</source>
        <translation>%1 only %2</translation>
    </message>
    <message>
        <source>%1 missing %2</source>
        <translation>%1 missing %2</translation>
    </message>
    <message>
        <source>%1 refused %2, %3 in the form</source>
        <translation>%1 refused %2, %3 in the form</translation>
    </message>
    <message>
        <source>%1 %2 %3, %4 in the form</source>
        <translation>%1 %2 %3, %4 in the form</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>written and verified</translation>
    </message>
    <message>
        <source>written and verified, not ejected: %1</source>
        <translation>written and verified, not ejected: %1</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>not written: %1</translation>
    </message>
    <message>
        <source>removed before it was written</source>
        <translation>removed before it was written</translation>
    </message>
    <message>
        <source>in use by another run</source>
        <translation>in use by another run</translation>
    </message>
    <message>
        <source>same as the form</source>
        <translation>same as the form</translation>
    </message>
    <message>
        <source>no config.txt to read: %1</source>
        <translation>no config.txt to read: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>the file read back from the card differs</source>
        <translation>the file read back from the card differs</translation>
    </message>
    <message>
        <source>the system&apos;s disk service</source>
        <translation>the system&apos;s disk service</translation>
    </message>
    <message>
        <source>holds a config.txt</source>
        <translation>holds a config.txt</translation>
    </message>
    <message>
        <source>left as it was: %1; you answered No</source>
        <translation>left as it was: %1; you answered No</translation>
    </message>
    <message>
        <source>left as it was: %1; not replaced without --force</source>
        <translation>left as it was: %1; not replaced without --force</translation>
    </message>
    <message>
        <source>left alone: %1</source>
        <translation>left alone: %1</translation>
    </message>
    <message>
        <source>left alone: every unit is written</source>
        <translation>left alone: every unit is written</translation>
    </message>
    <message>
        <source>left as it was: the run was stopped</source>
        <translation>left as it was: the run was stopped</translation>
    </message>
    <message>
        <source>; still mounted: %1</source>
        <translation>; still mounted: %1</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, and </translation>
    </message>
    <message>
        <source>no disk service</source>
        <translation>no disk service</translation>
    </message>
    <message>
        <source>not a removable card</source>
        <translation>not a removable card</translation>
    </message>
    <message>
        <source>not a card&apos;s file system (%1)</source>
        <translation>not a card&apos;s file system (%1)</translation>
    </message>
    <message>
        <source>not a card of its own</source>
        <translation>not a card of its own</translation>
    </message>
    <message>
        <source>no folder is known where cards are mounted for you</source>
        <translation>no folder is known where cards are mounted for you</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>the mount table cannot be read</source>
        <translation>the mount table cannot be read</translation>
    </message>
    <message>
        <source>holds the file of unit %1</source>
        <translation>holds the file of unit %1</translation>
    </message>
    <message>
        <source>unit %1</source>
        <translation>unit %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>in use</translation>
    </message>
    <message>
        <source>the removable drives</source>
        <translation>the removable drives</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>no name</translation>
    </message>
</context>
<context>
    <name>CardsDialog</name>
    <message>
        <source>&amp;Replace a config.txt already on the card</source>
        <translation>&amp;Replace a config.txt already on the card</translation>
    </message>
    <message>
        <source>&amp;Write to the Chosen Card</source>
        <translation>&amp;Write to the Chosen Card</translation>
    </message>
    <message>
        <source>Write to Cards</source>
        <translation>Write to Cards</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;Next ID:</source>
        <translation>&amp;Next ID:</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cards:</translation>
    </message>
    <message>
        <source>Watched Folder</source>
        <translation>Watched Folder</translation>
    </message>
    <message>
        <source>Every ID up to %1 is used.</source>
        <translation>Every ID up to %1 is used.</translation>
    </message>
    <message>
        <source>Insert the card for unit %1.</source>
        <translation>Insert the card for unit %1.</translation>
    </message>
    <message>
        <source>C&amp;heck cards (write nothing)</source>
        <translation>C&amp;heck cards (write nothing)</translation>
    </message>
    <message>
        <source>&amp;Eject each card when written</source>
        <translation>&amp;Eject each card when written</translation>
    </message>
    <message>
        <source>Eject each card by hand before you pull it.</source>
        <translation>Eject each card by hand before you pull it.</translation>
    </message>
    <message>
        <source>&amp;Save Log...</source>
        <translation>&amp;Save Log...</translation>
    </message>
    <message>
        <source>Cards &amp;from:</source>
        <translation>Cards &amp;from:</translation>
    </message>
    <message>
        <source>The card %1 already holds a config.txt. Replace it with the file of unit %2?</source>
        <translation>The card %1 already holds a config.txt. Replace it with the file of unit %2?</translation>
    </message>
    <message>
        <source>The card %1 already holds the file of unit %2. Replace it with the file of unit %3?</source>
        <translation>The card %1 already holds the file of unit %2. Replace it with the file of unit %3?</translation>
    </message>
    <message>
        <source>Unit %1 written and verified. You can remove the card.</source>
        <translation>Unit %1 written and verified. You can remove the card.</translation>
    </message>
    <message>
        <source>Unit %1 written and verified. Eject the card, then remove it.</source>
        <translation>Unit %1 written and verified. Eject the card, then remove it.</translation>
    </message>
    <message>
        <source>Unit %1 written and verified, but the card was not ejected: %2.</source>
        <translation>Unit %1 written and verified, but the card was not ejected: %2.</translation>
    </message>
    <message>
        <source>The card of unit %1 is the same as the form.</source>
        <translation>The card of unit %1 is the same as the form.</translation>
    </message>
    <message>
        <source>The card %1 differs from the form.</source>
        <translation>The card %1 differs from the form.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Looking for cards...</source>
        <translation>Looking for cards...</translation>
    </message>
    <message>
        <source>Checking a card...</source>
        <translation>Checking a card...</translation>
    </message>
    <message>
        <source>Writing unit %1...</source>
        <translation>Writing unit %1...</translation>
    </message>
    <message>
        <source>Insert a card to check.</source>
        <translation>Insert a card to check.</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Save Log</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Waiting for your answer.</source>
        <translation>Waiting for your answer.</translation>
    </message>
    <message>
        <source>The &amp;Form&apos;s ID: %1</source>
        <translation>The &amp;Form&apos;s ID: %1</translation>
    </message>
    <message>
        <source>Inserted before:</source>
        <translation>Inserted before:</translation>
    </message>
    <message>
        <source>No cards can be found: %1. Choose a folder to watch.</source>
        <translation>No cards can be found: %1. Choose a folder to watch.</translation>
    </message>
    <message>
        <source>No cards can be found: %1.</source>
        <translation>No cards can be found: %1.</translation>
    </message>
    <message>
        <source>a folder where cards are mounted</source>
        <translation>a folder where cards are mounted</translation>
    </message>
    <message>
        <source>Putting the card back...</source>
        <translation>Putting the card back...</translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation>Closing...</translation>
    </message>
    <message>
        <source>cards-%1.txt</source>
        <translation>cards-%1.txt</translation>
    </message>
    <message>
        <source>Write to Cards, %1</source>
        <translation>Write to Cards, %1</translation>
    </message>
    <message>
        <source>Form: %1</source>
        <translation>Form: %1</translation>
    </message>
    <message>
        <source>as set in the window</source>
        <translation>as set in the window</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>The last run wrote every ID up to %1; this one starts at the form&apos;s.</source>
        <translation>The last run wrote every ID up to %1; this one starts at the form&apos;s.</translation>
    </message>
    <message>
        <source>%1, not mounted</source>
        <translation>%1, not mounted</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with File</source>
        <translation>Compare with File</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>In the form</source>
        <translation>In the form</translation>
    </message>
    <message>
        <source>not written</source>
        <translation>not written</translation>
    </message>
    <message>
        <source>refused (line %1)</source>
        <translation>refused (line %1)</translation>
    </message>
    <message>
        <source>The file and the form are the same.</source>
        <translation>The file and the form are the same.</translation>
    </message>
    <message>
        <source>%1 and the form differ in these rows:</source>
        <translation>%1 and the form differ in these rows:</translation>
    </message>
    <message>
        <source>What the unit reads otherwise than the file says:</source>
        <translation>What the unit reads otherwise than the file says:</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>&amp;Import It</source>
        <translation>&amp;Import It</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>It is not a regular file</translation>
    </message>
    <message>
        <source>The folder is a symbolic link</source>
        <translation>The folder is a symbolic link</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>The file is larger than %1 MiB</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Directory not empty</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Too many links</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Invalid cross-device link</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Text file busy</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>No such device or address</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Too many open files in system</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Value too large for defined data type</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Operation not supported</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Resource temporarily unavailable</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Interrupted system call</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Bad file descriptor</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Stale file handle</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Broken pipe</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>line %1: &quot;%2&quot;</source>
        <translation>line %1: &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) not recognised</source>
        <translation>
            <numerusform>%n line not recognised</numerusform>
            <numerusform>%n lines not recognised</numerusform>
        </translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4.</source>
        <translation>%1: %2, %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) read</source>
        <translation>
            <numerusform>%n setting read</numerusform>
            <numerusform>%n settings read</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of this file end in CR alone: it is read as one line.</source>
        <translation>The lines of this file end in CR alone: it is read as one line.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused (accepts %2)</source>
        <translation>&quot;%1&quot; refused (accepts %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2</source>
        <translation>&quot;%1&quot; read as %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets %2 again; line %3&apos;s value is replaced</source>
        <translation>&quot;%1&quot; sets %2 again; line %3&apos;s value is replaced</translation>
    </message>
    <message>
        <source>lines end in CR alone; read as one line</source>
        <translation>lines end in CR alone; read as one line</translation>
    </message>
    <message>
        <source>%1 %2 is beyond what the form shows</source>
        <translation>%1 %2 is beyond what the form shows</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n line refused</numerusform>
            <numerusform>%n lines refused</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; not recognised</source>
        <translation>&quot;%1&quot; not recognised</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Subject: Orvel Support Request (From:</source>
        <translation>Subject: Orvel Support Request (From:</translation>
    </message>
    <message>
        <source>Here: your question...</source>
        <translation>Here: your question...</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Save Configuration File</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Generate Configuration File</source>
        <translation>Generate Configuration File</translation>
    </message>
    <message>
        <source>Create configuration file done!</source>
        <translation>Create configuration file done!</translation>
    </message>
    <message>
        <source>Impossible to create configuration file!</source>
        <translation>Impossible to create configuration file!</translation>
    </message>
    <message>
        <source>Open Configuration File</source>
        <translation>Open Configuration File</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Import Configuration File</translation>
    </message>
    <message>
        <source>The specified configuration file does not exist!</source>
        <translation>The specified configuration file does not exist!</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be opened!</source>
        <translation>The specified configuration file cannot be opened!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Import configuration file done!</source>
        <translation>Import configuration file done!</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Contact Technical Support</source>
        <translation>&amp;Contact Technical Support</translation>
    </message>
    <message>
        <source>&amp;Orvel Home Page</source>
        <translation>&amp;Orvel Home Page</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;Generate Configuration File</source>
        <translation>&amp;Generate Configuration File</translation>
    </message>
    <message>
        <source>&amp;Import Configuration File</source>
        <translation>&amp;Import Configuration File</translation>
    </message>
    <message>
        <source>&amp;Apply Default Settings</source>
        <translation>&amp;Apply Default Settings</translation>
    </message>
    <message>
        <source>Apply Default Settings</source>
        <translation>Apply Default Settings</translation>
    </message>
    <message>
        <source>&amp;Select All Options</source>
        <translation>&amp;Select All Options</translation>
    </message>
    <message>
        <source>&amp;Unselect All options</source>
        <translation>&amp;Unselect All options</translation>
    </message>
    <message>
        <source>Select All Options</source>
        <translation>Select All Options</translation>
    </message>
    <message>
        <source>Unselect All options</source>
        <translation>Unselect All options</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Languages</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>No Monitoring Mode</source>
        <translation>No Monitoring Mode</translation>
    </message>
    <message>
        <source>Daisy Chain Mode</source>
        <translation>Daisy Chain Mode</translation>
    </message>
    <message>
        <source>Monitoring Mode</source>
        <translation>Monitoring Mode</translation>
    </message>
    <message>
        <source>Advanced Monitoring Mode</source>
        <translation>Advanced Monitoring Mode</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next_Track</source>
        <translation>Next_Track</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Folder </source>
        <translation>Folder </translation>
    </message>
    <message>
        <source>Serial Command </source>
        <translation>Serial Command </translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Player ID (#ID)</source>
        <translation>Player ID (#ID)</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Player digital volume (#VOLUME)</source>
        <translation>Player digital volume (#VOLUME)</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Power:</translation>
    </message>
    <message>
        <source>Energy Saving Mode (#POWER)</source>
        <translation>Energy Saving Mode (#POWER)</translation>
    </message>
    <message>
        <source>Monitoring:</source>
        <translation>Monitoring:</translation>
    </message>
    <message>
        <source>Serial monitoring mode (#RS_MONITORING)</source>
        <translation>Serial monitoring mode (#RS_MONITORING)</translation>
    </message>
    <message>
        <source>Boot:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>Default boot folder (#BOOT)</source>
        <translation>Default boot folder (#BOOT)</translation>
    </message>
    <message>
        <source>Input 01:</source>
        <translation>Input 01:</translation>
    </message>
    <message>
        <source>Input 1 function (#INPUT01)</source>
        <translation>Input 1 function (#INPUT01)</translation>
    </message>
    <message>
        <source>Input 02:</source>
        <translation>Input 02:</translation>
    </message>
    <message>
        <source>Input 2 function (#INPUT02)</source>
        <translation>Input 2 function (#INPUT02)</translation>
    </message>
    <message>
        <source>Input 03:</source>
        <translation>Input 03:</translation>
    </message>
    <message>
        <source>Input 3 function (#INPUT03)</source>
        <translation>Input 3 function (#INPUT03)</translation>
    </message>
    <message>
        <source>Input 04:</source>
        <translation>Input 04:</translation>
    </message>
    <message>
        <source>Input 4 function (#INPUT04)</source>
        <translation>Input 4 function (#INPUT04)</translation>
    </message>
    <message>
        <source>Input 05:</source>
        <translation>Input 05:</translation>
    </message>
    <message>
        <source>Input 5 function (#INPUT05)</source>
        <translation>Input 5 function (#INPUT05)</translation>
    </message>
    <message>
        <source>Input 06:</source>
        <translation>Input 06:</translation>
    </message>
    <message>
        <source>Input 6 function (#INPUT06)</source>
        <translation>Input 6 function (#INPUT06)</translation>
    </message>
    <message>
        <source>Input 07:</source>
        <translation>Input 07:</translation>
    </message>
    <message>
        <source>Input 7 function (#INPUT07)</source>
        <translation>Input 7 function (#INPUT07)</translation>
    </message>
    <message>
        <source>Input 08:</source>
        <translation>Input 08:</translation>
    </message>
    <message>
        <source>Input 8 function (#INPUT08)</source>
        <translation>Input 8 function (#INPUT08)</translation>
    </message>
    <message>
        <source>Input 09:</source>
        <translation>Input 09:</translation>
    </message>
    <message>
        <source>Input 9 function (#INPUT09)</source>
        <translation>Input 9 function (#INPUT09)</translation>
    </message>
    <message>
        <source>Input 10:</source>
        <translation>Input 10:</translation>
    </message>
    <message>
        <source>Input 10 function (#INPUT10)</source>
        <translation>Input 10 function (#INPUT10)</translation>
    </message>
    <message>
        <source>Input 11:</source>
        <translation>Input 11:</translation>
    </message>
    <message>
        <source>Input 11 function (#INPUT11)</source>
        <translation>Input 11 function (#INPUT11)</translation>
    </message>
    <message>
        <source>Input 12:</source>
        <translation>Input 12:</translation>
    </message>
    <message>
        <source>Input 12 function (#INPUT12)</source>
        <translation>Input 12 function (#INPUT12)</translation>
    </message>
    <message>
        <source>Input 13:</source>
        <translation>Input 13:</translation>
    </message>
    <message>
        <source>Input 13 function (#INPUT13)</source>
        <translation>Input 13 function (#INPUT13)</translation>
    </message>
    <message>
        <source>Input 14:</source>
        <translation>Input 14:</translation>
    </message>
    <message>
        <source>Input 14 function (#INPUT14)</source>
        <translation>Input 14 function (#INPUT14)</translation>
    </message>
    <message>
        <source>Input 15:</source>
        <translation>Input 15:</translation>
    </message>
    <message>
        <source>Input 15 function (#INPUT15)</source>
        <translation>Input 15 function (#INPUT15)</translation>
    </message>
    <message>
        <source>Button 1:</source>
        <translation>Button 1:</translation>
    </message>
    <message>
        <source>Button 1 function (#BUTTON1)</source>
        <translation>Button 1 function (#BUTTON1)</translation>
    </message>
    <message>
        <source>Button 2:</source>
        <translation>Button 2:</translation>
    </message>
    <message>
        <source>Button 2 function (#BUTTON2)</source>
        <translation>Button 2 function (#BUTTON2)</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Serial port Baudrate (#BAUDRATE)</source>
        <translation>Serial port Baudrate (#BAUDRATE)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Generate for Several Units</source>
        <translation>Generate for Several Units</translation>
    </message>
    <message>
        <source>These files exist already. Replace them?</source>
        <translation>These files exist already. Replace them?</translation>
    </message>
    <message>
        <source>Unit %1 of %2</source>
        <translation>Unit %1 of %2</translation>
    </message>
    <message>
        <source>Files written: %1.</source>
        <translation>Files written: %1.</translation>
    </message>
    <message>
        <source>Stopped by the user.</source>
        <translation>Stopped by the user.</translation>
    </message>
    <message>
        <source>Files not written, and why:</source>
        <translation>Files not written, and why:</translation>
    </message>
    <message>
        <source>Generate for Several U&amp;nits...</source>
        <translation>Generate for Several U&amp;nits...</translation>
    </message>
    <message>
        <source>File Preview</source>
        <translation>File Preview</translation>
    </message>
    <message>
        <source>(empty file)</source>
        <translation>(empty file)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>File &amp;Preview</source>
        <translation>File &amp;Preview</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; was refused; the row keeps %3.</source>
        <translation>Line %1: &quot;%2&quot; was refused; the row keeps %3.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; was read as %3.</source>
        <translation>Line %1: &quot;%2&quot; was read as %3.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: &quot;%2&quot; was read as %3; the unit reads %n digit(s).</source>
        <translation>
            <numerusform>Line %1: &quot;%2&quot; was read as %3; the unit reads %n digit.</numerusform>
            <numerusform>Line %1: &quot;%2&quot; was read as %3; the unit reads %n digits.</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to &amp;Cards...</source>
        <translation>Write to &amp;Cards...</translation>
    </message>
    <message>
        <source>%1 Change</source>
        <translation>%1 Change</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Default Settings</source>
        <translation>Default Settings</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Unselect All</source>
        <translation>Unselect All</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Line %1 sets %2 again; line %3&apos;s value is replaced.</source>
        <translation>Line %1 sets %2 again; line %3&apos;s value is replaced.</translation>
    </message>
    <message>
        <source>Line %1: the file&apos;s %2 is %3; the form shows and writes %4.</source>
        <translation>Line %1: the file&apos;s %2 is %3; the form shows and writes %4.</translation>
    </message>
    <message>
        <source>%1: warning</source>
        <translation>%1: warning</translation>
    </message>
    <message>
        <source>%1: note</source>
        <translation>%1: note</translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) like these.</source>
        <translation>
            <numerusform>%n more line like these.</numerusform>
            <numerusform>%n more lines like these.</numerusform>
        </translation>
    </message>
    <message>
        <source>More Tools</source>
        <translation>More Tools</translation>
    </message>
    <message>
        <source>Files written: %1 (%2).</source>
        <translation>Files written: %1 (%2).</translation>
    </message>
    <message>
        <source>Cards written: %1 (%2).</source>
        <translation>Cards written: %1 (%2).</translation>
    </message>
    <message>
        <source>Cards checked: %1, the same as the form: %2.</source>
        <translation>Cards checked: %1, the same as the form: %2.</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Clear List</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Compare with &amp;File...</translation>
    </message>
    <message>
        <source>Import &amp;Recent</source>
        <translation>Import &amp;Recent</translation>
    </message>
    <message>
        <source>Values Reset</source>
        <translation>Values Reset</translation>
    </message>
    <message>
        <source>No card was written.</source>
        <translation>No card was written.</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>IDs %1</source>
        <translation>IDs %1</translation>
    </message>
    <message>
        <source>the folder name must hold %1</source>
        <translation>the folder name must hold %1</translation>
    </message>
    <message>
        <source>the folder name must name one folder</source>
        <translation>the folder name must name one folder</translation>
    </message>
    <message>
        <source>Windows takes no &lt; &gt; : &quot; | ? or * in a folder name</source>
        <translation>Windows takes no &lt; &gt; : &quot; | ? or * in a folder name</translation>
    </message>
    <message>
        <source>Windows takes no control character in a folder name</source>
        <translation>Windows takes no control character in a folder name</translation>
    </message>
    <message>
        <source>Windows takes no folder name that ends in a dot or a blank</source>
        <translation>Windows takes no folder name that ends in a dot or a blank</translation>
    </message>
    <message>
        <source>Windows keeps the name %1 for a device</source>
        <translation>Windows keeps the name %1 for a device</translation>
    </message>
</context>
<context>
    <name>UnitsDialog</name>
    <message>
        <source>Generate for Several Units</source>
        <translation>Generate for Several Units</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;First ID:</source>
        <translation>&amp;First ID:</translation>
    </message>
    <message>
        <source>&amp;Last ID:</source>
        <translation>&amp;Last ID:</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>F&amp;older:</translation>
    </message>
    <message>
        <source>&amp;Unit folder:</source>
        <translation>&amp;Unit folder:</translation>
    </message>
    <message>
        <source>%1 stands for the unit&apos;s ID, in three digits.</source>
        <translation>%1 stands for the unit&apos;s ID, in three digits.</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Folder for the Units</source>
        <translation>Folder for the Units</translation>
    </message>
    <message>
        <source>The last ID is below the first</source>
        <translation>The last ID is below the first</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choose a folder</translation>
    </message>
</context>
</TS>
