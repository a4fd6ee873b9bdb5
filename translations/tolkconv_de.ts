<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Batch</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Nothing converted.</source>
        <translation>Nichts konvertiert.</translation>
    </message>
    <message>
        <source>Values not given on the command line come from %1</source>
        <translation>Werte, die nicht auf der Befehlszeile stehen, stammen aus %1</translation>
    </message>
    <message>
        <source>Unable to open interface to TOLK.</source>
        <translation>Die Schnittstelle zu TOLK kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>NOT CONNECTED to TOLK</source>
        <translation>NICHT mit TOLK verbunden</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Try &apos;tolkconv-batch --help&apos;.</source>
        <translation>Siehe &apos;tolkconv-batch --help&apos;.</translation>
    </message>
    <message>
        <source>Converts every file of the source type in the source folder (with --recursive, also those
below it), as &quot;Convert All&quot; in the window does, through the same engine. Every value not
given here comes from the window&apos;s settings file (tolkconv.ini in the work folder); the file
is written only with --save.

Output: one &quot;Converted: &quot; or &quot;Could NOT convert: &quot; line per file in list order, then the
summary; on a terminal a progress line (count, current file, time left) stays below them.
Messages go to standard error, prefixed by the file&apos;s name while files are converted.

Exit status: 0 when every listed file converted; 1 when some did not (or the run was
stopped by an engine failure, a folder below the source folder could not be read, or the
watched source folder went); 2 for bad usage, a failed check or a failed set-up; 130 or
143 when stopped by SIGINT or SIGTERM.</source>
        <translation>Konvertiert jede Datei des Quelltyps im Quellordner (mit --recursive auch die in den
Ordnern darunter), wie es „Alle konvertieren“ im Fenster tut, mit demselben Programm. Jeder
hier nicht angegebene Wert stammt aus der Einstellungsdatei des Fensters (tolkconv.ini im
Arbeitsordner); die Datei wird nur mit --save geschrieben.

Ausgabe: je Datei eine Zeile „Konvertiert: “ oder „NICHT konvertiert: “ in der Reihenfolge
der Liste, dann die Zusammenfassung; auf einem Terminal bleibt darunter eine Fortschrittszeile
(Anzahl, aktuelle Datei, verbleibende Zeit) stehen. Meldungen gehen an die Standardfehlerausgabe,
während der Konvertierung mit dem Namen der Datei davor.

Exit-Status: 0, wenn jede Datei der Liste konvertiert wurde; 1, wenn nicht alle konvertiert
wurden (oder der Lauf durch einen Fehler von gpsbabel endete, ein Ordner unter dem Quellordner
nicht lesbar war oder der überwachte Quellordner verschwand); 2 bei falschem Aufruf, einer
fehlgeschlagenen Prüfung oder Vorbereitung; 130 oder 143 nach SIGINT oder SIGTERM.</translation>
    </message>
    <message>
        <source>Source file type, as in the window&apos;s list (e.g. gpx).</source>
        <translation>Quelldateityp, wie in der Liste des Fensters (z. B. gpx).</translation>
    </message>
    <message>
        <source>type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Type of the file of the same name merged into each source file; an empty value means no merging.</source>
        <translation>Typ der gleichnamigen Datei, die mit jeder Quelldatei zusammengeführt wird; ein leerer Wert heißt: nichts zusammenführen.</translation>
    </message>
    <message>
        <source>Folder the converted files are written to. Given, it also turns off &quot;Same as Source folder&quot; for this run.</source>
        <translation>Ordner, in den die konvertierten Dateien geschrieben werden. Angegeben, schaltet er für diesen Lauf auch „Wie Quellordner“ ab.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Target file type (e.g. kml).</source>
        <translation>Zieldateityp (z. B. kml).</translation>
    </message>
    <message>
        <source>Datum to change to, one of those --list-datums prints; an empty value means no change.</source>
        <translation>Kartendatum, auf das umgestellt wird, eines der von --list-datums ausgegebenen; ein leerer Wert heißt: keine Änderung.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Grid to change to, one of those --list-grids prints; an empty value means no change.</source>
        <translation>Gitter, auf das umgestellt wird, eines der von --list-grids ausgegebenen; ein leerer Wert heißt: keine Änderung.</translation>
    </message>
    <message>
        <source>Read and write files of the type with this gpsbabel format (and its options), for this run, over the choices of hostformats.ini; may be given for several types.</source>
        <translation>Dateien des Typs in diesem Lauf mit diesem gpsbabel-Format (und seinen Optionen) lesen und schreiben, vor der Wahl in hostformats.ini; für mehrere Typen angebbar.</translation>
    </message>
    <message>
        <source>type=format[,options]</source>
        <translation>Typ=Format[,Optionen]</translation>
    </message>
    <message>
        <source>Convert n files at a time, 1 to 64 (default: the number of processors). Lines and results are the same as with one job.</source>
        <translation>n Dateien gleichzeitig konvertieren, 1 bis 64 (Vorgabe: die Anzahl der Prozessoren). Zeilen und Ergebnisse sind dieselben wie mit einem Auftrag.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Convert only the k-th of n slices of the files (1 &lt;= k &lt;= n), chosen by a hash of each file&apos;s path below the source folder: n runs, on as many machines, convert each file once.</source>
        <translation>Nur den k-ten von n Teilen der Dateien konvertieren (1 &lt;= k &lt;= n), gewählt nach einem Hash des Pfads jeder Datei unter dem Quellordner: n Läufe auf ebenso vielen Rechnern konvertieren jede Datei genau einmal.</translation>
    </message>
    <message>
        <source>k/n</source>
        <translation>k/n</translation>
    </message>
    <message>
        <source>With --watch: how long a file must stay unchanged before it is converted (default 2).</source>
        <translation>Mit --watch: wie lange eine Datei unverändert bleiben muss, bevor sie konvertiert wird (Vorgabe 2).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Folder whose files are converted (default: from the settings).</source>
        <translation>Ordner, dessen Dateien konvertiert werden (Vorgabe: aus den Einstellungen).</translation>
    </message>
    <message>
        <source>Create a missing target folder (one level) without asking. Otherwise the terminal asks; without one the answer is no.</source>
        <translation>Einen fehlenden Zielordner (eine Ebene) ohne Rückfrage anlegen. Sonst fragt das Terminal; ohne Terminal lautet die Antwort Nein.</translation>
    </message>
    <message>
        <source>Also convert the files in the folders below the source folder, each into the same folder below the target folder (made as needed). Hidden folders and the target folder are left out.</source>
        <translation>Auch die Dateien in den Ordnern unter dem Quellordner konvertieren, jede in denselben Ordner unter dem Zielordner (bei Bedarf angelegt). Versteckte Ordner und der Zielordner werden ausgelassen.</translation>
    </message>
    <message>
        <source>Skip the files whose target is newer than the file (and than its merge file), and say how many were skipped.</source>
        <translation>Dateien überspringen, deren Ziel neuer ist als die Datei (und als ihre Zusammenführungsdatei), und sagen, wie viele übersprungen wurden.</translation>
    </message>
    <message>
        <source>After the run (as with --only-newer), keep watching the source folder and convert each new or changed file once it has settled; Ctrl-C or SIGTERM ends the watch.</source>
        <translation>Nach dem Lauf (wie mit --only-newer) den Quellordner weiter überwachen und jede neue oder geänderte Datei konvertieren, sobald sie zur Ruhe gekommen ist; Strg-C oder SIGTERM beendet die Überwachung.</translation>
    </message>
    <message>
        <source>Once the checks passed, write the values in effect to the settings file, as the window does when it closes.</source>
        <translation>Nach bestandenen Prüfungen die geltenden Werte in die Einstellungsdatei schreiben, wie es das Fenster beim Schließen tut.</translation>
    </message>
    <message>
        <source>Fail a file whose target type cannot hold all its data (its older target is kept) instead of converting what fits and saying what was not kept.</source>
        <translation>Eine Datei, deren Zieltyp nicht alle ihre Daten aufnehmen kann, als nicht konvertiert werten (ihr älteres Ziel bleibt erhalten), statt das Passende zu konvertieren und zu sagen, was nicht erhalten blieb.</translation>
    </message>
    <message>
        <source>Print only the summary, messages and errors.</source>
        <translation>Nur die Zusammenfassung, Meldungen und Fehler ausgeben.</translation>
    </message>
    <message>
        <source>List every offered file type with the gpsbabel formats that read and write it (none where no format is found), then exit.</source>
        <translation>Jeden angebotenen Dateityp mit den gpsbabel-Formaten auflisten, die ihn lesen und schreiben (keines, wo keines gefunden wird), dann beenden.</translation>
    </message>
    <message>
        <source>List the datums --datum takes, one a line, then exit.</source>
        <translation>Die Kartendaten auflisten, die --datum annimmt, eines je Zeile, dann beenden.</translation>
    </message>
    <message>
        <source>List the grids --grid takes, one a line, then exit.</source>
        <translation>Die Gitter auflisten, die --grid annimmt, eines je Zeile, dann beenden.</translation>
    </message>
    <message>
        <source>Only one source folder can be given.</source>
        <translation>Es kann nur ein Quellordner angegeben werden.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--jobs erwartet eine ganze Zahl von 1 bis %1, nicht &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--engine-format takes type=format[,options], not &apos;%1&apos;.</source>
        <translation>--engine-format erwartet Typ=Format[,Optionen], nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--shard takes k/n, whole numbers with 1 &lt;= k &lt;= n &lt;= 100000, not &apos;%1&apos;.</source>
        <translation>--shard erwartet k/n, ganze Zahlen mit 1 &lt;= k &lt;= n &lt;= 100000, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--settle goes with --watch.</source>
        <translation>--settle gibt es nur zusammen mit --watch.</translation>
    </message>
    <message>
        <source>--settle takes a number of seconds from 0 to 3600, not &apos;%1&apos;.</source>
        <translation>--settle erwartet eine Anzahl Sekunden von 0 bis 3600, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read the source folder %1: %2</source>
        <translation>Der Quellordner %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the folder %1 below the source folder (%2); its files are left out.</source>
        <translation>Der Ordner %1 unter dem Quellordner kann nicht gelesen werden (%2); seine Dateien werden ausgelassen.</translation>
    </message>
    <message>
        <source>Skipped %1 file already up to date</source>
        <translation>%1 bereits aktuelle Datei übersprungen</translation>
    </message>
    <message>
        <source>Skipped %1 files already up to date</source>
        <translation>%1 bereits aktuelle Dateien übersprungen</translation>
    </message>
    <message>
        <source>Ignored the window bounds (WBounds) in %1: %2</source>
        <translation>Die Fensterposition (WBounds) in %1 wurde übergangen: %2</translation>
    </message>
    <message>
        <source>Unknown source type &apos;%1&apos;. The source types are: %2</source>
        <translation>Unbekannter Quelltyp &apos;%1&apos;. Die Quelltypen sind: %2</translation>
    </message>
    <message>
        <source>Unknown merge type &apos;%1&apos;. The merge types are the source types: %2</source>
        <translation>Unbekannter Zusammenführungstyp &apos;%1&apos;. Die Zusammenführungstypen sind die Quelltypen: %2</translation>
    </message>
    <message>
        <source>Unknown target type &apos;%1&apos;. The target types are: %2</source>
        <translation>Unbekannter Zieltyp &apos;%1&apos;. Die Zieltypen sind: %2</translation>
    </message>
    <message>
        <source>Unknown datum &apos;%1&apos;. The datums are those of %2 beside the program; an empty value means no change.</source>
        <translation>Unbekanntes Kartendatum &apos;%1&apos;. Die Kartendaten sind die aus %2 beim Programm; ein leerer Wert heißt: keine Änderung.</translation>
    </message>
    <message>
        <source>Unknown grid &apos;%1&apos;. The grids are: %2(an empty value means no change).</source>
        <translation>Unbekanntes Gitter &apos;%1&apos;. Die Gitter sind: %2(ein leerer Wert heißt: keine Änderung).</translation>
    </message>
    <message>
        <source>The source folder %1 is gone; the watch ends.</source>
        <translation>Der Quellordner %1 ist verschwunden; die Überwachung endet.</translation>
    </message>
    <message>
        <source>Watching %1 for new and changed files (Ctrl-C ends the watch).</source>
        <translation>%1 wird auf neue und geänderte Dateien überwacht (Strg-C beendet die Überwachung).</translation>
    </message>
    <message>
        <source>No: standard input is not a terminal (--create-target answers Yes).</source>
        <translation>Nein: die Standardeingabe ist kein Terminal (--create-target antwortet mit Ja).</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>Unable to create target folder %1</source>
        <translation>Der Zielordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>read with</source>
        <translation>gelesen mit</translation>
    </message>
    <message>
        <source>write with</source>
        <translation>geschrieben mit</translation>
    </message>
    <message>
        <source>No work folder could be found or made; the settings are not saved.</source>
        <translation>Es konnte kein Arbeitsordner gefunden oder angelegt werden; die Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Some folders cannot be watched (the system&apos;s limit fs.inotify.max_user_watches is reached); they are looked through every %1 seconds instead.</source>
        <translation>Einige Ordner können nicht überwacht werden (die Systemgrenze fs.inotify.max_user_watches ist erreicht); sie werden stattdessen alle %1 Sekunden durchgesehen.</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Could not open file %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to create target folder %1: %2</source>
        <translation>Der Zielordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Converting: %1</source>
        <translation>Wird konvertiert: %1</translation>
    </message>
    <message>
        <source>gpsbabel could not read the file</source>
        <translation>gpsbabel konnte die Datei nicht lesen</translation>
    </message>
    <message>
        <source>Failed to communicate with TOLK!</source>
        <translation>Die Verbindung mit TOLK ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>gpsbabel could not write the file</source>
        <translation>gpsbabel konnte die Datei nicht schreiben</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Konvertiert: %1</translation>
    </message>
    <message>
        <source>Could NOT convert: %1</source>
        <translation>NICHT konvertiert: %1</translation>
    </message>
    <message>
        <source>gpsbabel could not merge %1</source>
        <translation>gpsbabel konnte %1 nicht zusammenführen</translation>
    </message>
    <message>
        <source>gpsbabel cannot apply the grid</source>
        <translation>gpsbabel kann das Gitter nicht anwenden</translation>
    </message>
    <message>
        <source>Unable to change grid</source>
        <translation>Das Gitter kann nicht geändert werden</translation>
    </message>
    <message>
        <source>Current version of TOLK does not support Grid Change<byte value="xd"/>
Try updating TOLK to newer version.</source>
        <translation>Diese Version von TOLK unterstützt keine Gitteränderung<byte value="xd"/>
Aktualisieren Sie TOLK auf eine neuere Version.</translation>
    </message>
    <message>
        <source>gpsbabel cannot apply the datum</source>
        <translation>gpsbabel kann das Kartendatum nicht anwenden</translation>
    </message>
    <message>
        <source>Unable to change datum</source>
        <translation>Das Kartendatum kann nicht geändert werden</translation>
    </message>
    <message>
        <source>Current version of TOLK does not support Datum Change<byte value="xd"/>
Try updating TOLK to newer version.</source>
        <translation>Diese Version von TOLK unterstützt keine Änderung des Kartendatums<byte value="xd"/>
Aktualisieren Sie TOLK auf eine neuere Version.</translation>
    </message>
    <message>
        <source>its target %1 is written from %2 in this run</source>
        <translation>sein Ziel %1 wird in diesem Lauf aus %2 geschrieben</translation>
    </message>
    <message>
        <source>(no change)</source>
        <translation>(keine Änderung)</translation>
    </message>
    <message>
        <source>its parent folder does not exist (only one folder is created)</source>
        <translation>sein übergeordneter Ordner existiert nicht (es wird nur ein Ordner angelegt)</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine Datei dieses Namens steht im Weg</translation>
    </message>
    <message>
        <source>Cannot Convert:</source>
        <translation>Konvertieren nicht möglich:</translation>
    </message>
    <message>
        <source>Target folder<byte value="xd"/>
%1<byte value="xd"/>
does not exist. Create it?</source>
        <translation>Der Zielordner<byte value="xd"/>
%1<byte value="xd"/>
existiert nicht. Anlegen?</translation>
    </message>
    <message>
        <source>Source and Merge types are the same</source>
        <translation>Quell- und Zusammenführungstyp sind gleich</translation>
    </message>
    <message>
        <source>Source and Target types are the same</source>
        <translation>Quell- und Zieltyp sind gleich</translation>
    </message>
    <message>
        <source>Merge and Target types are the same</source>
        <translation>Zusammenführungs- und Zieltyp sind gleich</translation>
    </message>
    <message>
        <source>%1 to merge was not found</source>
        <translation>%1 zum Zusammenführen wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Konvertiert</translation>
    </message>
    <message>
        <source>NOT converted</source>
        <translation>NICHT konvertiert</translation>
    </message>
    <message>
        <source>Unable to find files to merge:</source>
        <translation>Dateien zum Zusammenführen nicht gefunden:</translation>
    </message>
    <message>
        <source>Unable to find file to merge:</source>
        <translation>Datei zum Zusammenführen nicht gefunden:</translation>
    </message>
    <message>
        <source>%1 file kept only part of its data</source>
        <translation>%1 Datei hat nur einen Teil ihrer Daten behalten</translation>
    </message>
    <message>
        <source>%1 files kept only part of their data</source>
        <translation>%1 Dateien haben nur einen Teil ihrer Daten behalten</translation>
    </message>
    <message>
        <source>Converted %1 files.</source>
        <translation>%1 Dateien konvertiert.</translation>
    </message>
    <message>
        <source> NOT CONVERTED = %1</source>
        <translation> NICHT KONVERTIERT = %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des Bereichs (%1)</translation>
    </message>
    <message>
        <source>%1 files to convert</source>
        <translation>%1 Dateien zu konvertieren</translation>
    </message>
    <message>
        <source>Number of files = %1</source>
        <translation>Anzahl der Dateien = %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>not begun: an error ended the run</source>
        <translation>nicht begonnen: ein Fehler hat den Lauf beendet</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>... and %1 more (see conversion.log)</source>
        <translation>... und %1 weitere (siehe conversion.log)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige numerische Eingabe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>%1 cannot carry a datum change</source>
        <translation>%1 kann keine Änderung des Kartendatums aufnehmen</translation>
    </message>
    <message>
        <source>%1 cannot carry a grid change</source>
        <translation>%1 kann keine Gitteränderung aufnehmen</translation>
    </message>
    <message>
        <source>%1 (the merge type)</source>
        <translation>%1 (der Zusammenführungstyp)</translation>
    </message>
    <message>
        <source>gpsbabel offers no datum &quot;%1&quot;</source>
        <translation>gpsbabel bietet kein Kartendatum „%1“</translation>
    </message>
    <message>
        <source>gpsbabel has no grid &quot;%1&quot;</source>
        <translation>gpsbabel kennt kein Gitter „%1“</translation>
    </message>
    <message>
        <source>No working gpsbabel was found on PATH</source>
        <translation>Im PATH wurde kein funktionierendes gpsbabel gefunden</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly</source>
        <translation>%1 wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 seconds and was stopped</source>
        <translation>%1 war nach %2 Sekunden nicht fertig und wurde beendet</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>die Datei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>read as %1: the file holds %2</source>
        <translation>als %1 gelesen: die Datei enthält %2</translation>
    </message>
    <message>
        <source>no file is open to merge into</source>
        <translation>keine Datei ist zum Zusammenführen geöffnet</translation>
    </message>
    <message>
        <source>no file is open to save</source>
        <translation>keine Datei ist zum Speichern geöffnet</translation>
    </message>
    <message>
        <source>gpsbabel has no format named %1</source>
        <translation>gpsbabel kennt kein Format namens %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the target is one of the files read</source>
        <translation>das Ziel ist eine der gelesenen Dateien</translation>
    </message>
    <message>
        <source>the target path cannot be used</source>
        <translation>der Zielpfad ist nicht verwendbar</translation>
    </message>
    <message>
        <source>the target folder cannot be written</source>
        <translation>in den Zielordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the files to read cannot be reached</source>
        <translation>die zu lesenden Dateien sind nicht erreichbar</translation>
    </message>
    <message>
        <source>the host&apos;s temporary folder cannot be written</source>
        <translation>in den temporären Ordner des Hosts kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Nicht implementiert</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Diese Schnittstelle wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Ungültiger Zeiger</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Catastrophic failure</source>
        <translation>Schwerwiegender Fehler</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Für diesen Vorgang ist nicht genügend Speicher verfügbar.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Der Parameter ist falsch.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Klasse nicht registriert</translation>
    </message>
    <message>
        <source>CoInitialize has not been called.</source>
        <translation>CoInitialize wurde nicht aufgerufen.</translation>
    </message>
    <message>
        <source>The object invoked has disconnected from its clients.</source>
        <translation>Das aufgerufene Objekt hat die Verbindung zu seinen Clients getrennt.</translation>
    </message>
    <message>
        <source>no gpsbabel format reads .%1 files</source>
        <translation>kein gpsbabel-Format liest .%1-Dateien</translation>
    </message>
    <message>
        <source>no gpsbabel format writes .%1 files</source>
        <translation>kein gpsbabel-Format schreibt .%1-Dateien</translation>
    </message>
    <message>
        <source> and .</source>
        <translation> und .</translation>
    </message>
    <message>
        <source>gpsbabel read no data from the file as %1</source>
        <translation>gpsbabel hat aus der Datei als %1 keine Daten gelesen</translation>
    </message>
    <message>
        <source>%1 waypoint</source>
        <translation>%1 Wegpunkt</translation>
    </message>
    <message>
        <source>%1 waypoints</source>
        <translation>%1 Wegpunkte</translation>
    </message>
    <message>
        <source>waypoints</source>
        <translation>Wegpunkte</translation>
    </message>
    <message>
        <source>%1 track point</source>
        <translation>%1 Trackpunkt</translation>
    </message>
    <message>
        <source>%1 track points</source>
        <translation>%1 Trackpunkte</translation>
    </message>
    <message>
        <source>tracks</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>%1 route point</source>
        <translation>%1 Routenpunkt</translation>
    </message>
    <message>
        <source>%1 route points</source>
        <translation>%1 Routenpunkte</translation>
    </message>
    <message>
        <source>routes</source>
        <translation>Routen</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 not kept: the target type holds %2 only</source>
        <translation>%1 nicht erhalten: der Zieltyp nimmt nur %2 auf</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>%1 not kept: the target type&apos;s writer kept %2 of %3</source>
        <translation>%1 nicht erhalten: der Schreiber des Zieltyps hat %2 von %3 behalten</translation>
    </message>
    <message>
        <source>gpsbabel could not write %1</source>
        <translation>gpsbabel konnte %1 nicht schreiben</translation>
    </message>
    <message>
        <source>%1 said: %2</source>
        <translation>%1 meldete: %2</translation>
    </message>
    <message>
        <source>gpsbabel failed</source>
        <translation>gpsbabel ist gescheitert</translation>
    </message>
    <message>
        <source>the positions read are out of range or mostly zero: the file is not one gpsbabel reads as its type says</source>
        <translation>die gelesenen Positionen liegen außerhalb des gültigen Bereichs oder sind meist null: gpsbabel liest die Datei nicht als den Typ, den sie angibt</translation>
    </message>
    <message>
        <source>some positions read lie exactly at 0,0, as a header line read as a point would: the file is not one gpsbabel reads as its type says</source>
        <translation>einige gelesene Positionen liegen genau bei 0,0, wie es eine als Punkt gelesene Kopfzeile täte: gpsbabel liest die Datei nicht als den Typ, den sie angibt</translation>
    </message>
    <message>
        <source>%1 keeps one waypoint of each name, and waypoints of the file share a name: some would be lost</source>
        <translation>%1 behält nur einen Wegpunkt je Namen, und Wegpunkte der Datei teilen sich einen Namen: einige gingen verloren</translation>
    </message>
    <message>
        <source>the output held no data</source>
        <translation>die Ausgabe enthielt keine Daten</translation>
    </message>
    <message>
        <source>the source held no data that %1 can hold</source>
        <translation>die Quelle enthielt keine Daten, die %1 aufnehmen kann</translation>
    </message>
    <message>
        <source>the output could not be moved into place</source>
        <translation>die Ausgabe konnte nicht an ihren Platz verschoben werden</translation>
    </message>
    <message>
        <source>its companion %1 is the target of %2</source>
        <translation>seine Begleitdatei %1 ist das Ziel von %2</translation>
    </message>
    <message>
        <source>%1 needed more than %2 MB of memory</source>
        <translation>%1 brauchte mehr als %2 MB Speicher</translation>
    </message>
    <message>
        <source>NMEA sentences</source>
        <translation>NMEA-Sätze</translation>
    </message>
    <message>
        <source>sentences of one maker&apos;s device</source>
        <translation>Sätze des Geräts eines Herstellers</translation>
    </message>
    <message>
        <source>flight recorder (IGC) records</source>
        <translation>Flugschreiber-Datensätze (IGC)</translation>
    </message>
    <message>
        <source>values under a header row</source>
        <translation>Werte unter einer Kopfzeile</translation>
    </message>
    <message>
        <source>read as %1, the one of gpsbabel&apos;s other readers that read it whole</source>
        <translation>als %1 gelesen, der einzige der übrigen Leser von gpsbabel, der sie ganz gelesen hat</translation>
    </message>
    <message>
        <source>the %1 readers of .%2</source>
        <translation>den %1 Lesern von .%2</translation>
    </message>
    <message>
        <source>%1 nor %2 of gpsbabel&apos;s other readers</source>
        <translation>%1 noch %2 der übrigen Leser von gpsbabel</translation>
    </message>
    <message>
        <source>none of %1 read this file; the last said: %2</source>
        <translation>keiner von %1 hat diese Datei gelesen; der letzte meldete: %2</translation>
    </message>
    <message>
        <source>none of %1 read believable positions from this file (tried %2)</source>
        <translation>keiner von %1 hat glaubhafte Positionen aus dieser Datei gelesen (versucht: %2)</translation>
    </message>
    <message>
        <source>its output %1 is written from %2 in this run</source>
        <translation>seine Ausgabe %1 wird in diesem Lauf aus %2 geschrieben</translation>
    </message>
    <message>
        <source>its output %1 is written from %2 by another running conversion</source>
        <translation>seine Ausgabe %1 wird von einer anderen laufenden Konvertierung aus %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>Messenger</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>OutcomeMarks</name>
    <message>
        <source>Converted</source>
        <translation>Konvertiert</translation>
    </message>
    <message>
        <source>Converted, but only part of its data was kept</source>
        <translation>Konvertiert, aber nur ein Teil der Daten wurde erhalten</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Nicht konvertiert</translation>
    </message>
    <message>
        <source>Stopped before it was converted</source>
        <translation>Angehalten, bevor sie konvertiert wurde</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to find or create user folder: %1</source>
        <translation>Der Benutzerordner kann weder gefunden noch angelegt werden: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Die Daten für &apos;%1&apos; konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The settings file %1 cannot hold a line break; not saved: %2</source>
        <translation>Die Einstellungsdatei %1 kann keinen Zeilenumbruch aufnehmen; nicht gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>Tmainfrm</name>
    <message>
        <source>Could not find TOLK version 4.20.z or later<byte value="xd"/>
&quot;Run as Administrator&quot; the latest version of TOLK at least once and restart this program.<byte value="xd"/>
See the Help topic in TOLK on &quot;Installation&quot;.</source>
        <translation>TOLK ab Version 4.20.z wurde nicht gefunden<byte value="xd"/>
Starten Sie die neueste Version von TOLK mindestens einmal „Als Administrator“ und starten Sie dieses Programm neu.<byte value="xd"/>
Siehe das Hilfethema „Installation“ in TOLK.</translation>
    </message>
    <message>
        <source>No gpsbabel format was found that reads .%1 files.

Choose the format gpsbabel should use for them. The choice is kept in hostformats.ini in the work folder; cancel to leave the type without one.</source>
        <translation>Es wurde kein gpsbabel-Format gefunden, das .%1-Dateien liest.

Wählen Sie das Format, das gpsbabel für sie verwenden soll. Die Wahl wird in hostformats.ini im Arbeitsordner gespeichert; brechen Sie ab, um den Typ ohne Format zu lassen.</translation>
    </message>
    <message>
        <source>No gpsbabel format was found that writes .%1 files.

Choose the format gpsbabel should use for them. The choice is kept in hostformats.ini in the work folder; cancel to leave the type without one.</source>
        <translation>Es wurde kein gpsbabel-Format gefunden, das .%1-Dateien schreibt.

Wählen Sie das Format, das gpsbabel für sie verwenden soll. Die Wahl wird in hostformats.ini im Arbeitsordner gespeichert; brechen Sie ab, um den Typ ohne Format zu lassen.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>TOLK Batch File Converter</source>
        <translation>TOLK Stapel-Dateikonverter</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>there is no display to open the window on; tolkconv-batch converts without one (see tolkconv-batch --help).</source>
        <translation>es gibt keine Anzeige, auf der sich das Fenster öffnen ließe; tolkconv-batch konvertiert ohne (siehe tolkconv-batch --help).</translation>
    </message>
    <message>
        <source>Qt&apos;s options for the window of any Qt program, such as -style Fusion or -platform wayland,
are taken as Qt documents them.
</source>
        <translation>Die Optionen von Qt für das Fenster jedes Qt-Programms, etwa -style Fusion oder
-platform wayland, werden angenommen, wie Qt sie beschreibt.
</translation>
    </message>
    <message>
        <source>The window takes one folder, not also &apos;%1&apos;.</source>
        <translation>Das Fenster nimmt einen Ordner, nicht auch noch &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>&apos;%1&apos; ist kein Ordner.</translation>
    </message>
    <message>
        <source>Usage: tolkconv [options] [FOLDER]
The window of TOLK Batch File Converter: converts every file of one type in a folder
to another type through gpsbabel. To convert without a window, use tolkconv-batch.
</source>
        <translation>Aufruf: tolkconv [Optionen] [ORDNER]
Das Fenster des TOLK Stapel-Dateikonverters: konvertiert jede Datei eines Typs in einem
Ordner mit gpsbabel in einen anderen Typ. Ohne Fenster konvertiert tolkconv-batch.
</translation>
    </message>
    <message>
        <source>Started on a FOLDER, the window takes it as the source folder.</source>
        <translation>Mit einem ORDNER gestartet, nimmt das Fenster ihn als Quellordner.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Usage: tolkconv [options] [FOLDER]; try &apos;tolkconv --help&apos;.</source>
        <translation>Aufruf: tolkconv [Optionen] [ORDNER]; siehe &apos;tolkconv --help&apos;.</translation>
    </message>
</context>
<context>
    <name>tolk::HelpWindow</name>
    <message>
        <source>TOLK Batch File Converter Help</source>
        <translation>Hilfe zum TOLK Stapel-Dateikonverter</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found. It belongs beside the program as tolkconv.qch; reinstall the program to bring it back.</source>
        <translation>Die Hilfedatei „%1“ wurde nicht gefunden. Sie gehört als tolkconv.qch zum Programm; installieren Sie das Programm neu, um sie zurückzuholen.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Hilfedatei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topic for help context %2.</source>
        <translation>Die Hilfedatei „%1“ hat kein Thema für den Hilfekontext %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topics.</source>
        <translation>Die Hilfedatei „%1“ hat keine Themen.</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>Die Hilfe ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>tolk::OutcomeMenu</name>
    <message>
        <source>Show Reason</source>
        <translation>Grund anzeigen</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>Open Conversion Log</source>
        <translation>Konvertierungsprotokoll öffnen</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>Grund kopieren</translation>
    </message>
    <message>
        <source>The desktop has nothing that opens %1.</source>
        <translation>Der Desktop hat nichts, das %1 öffnet.</translation>
    </message>
</context>
<context>
    <name>tolk::RunEndNotice</name>
    <message>
        <source>Show the window</source>
        <translation>Fenster zeigen</translation>
    </message>
</context>
<context>
    <name>tolk::TOptionsFrm</name>
    <message>
        <source>TOLK Driver Options</source>
        <translation>TOLK-Treiberoptionen</translation>
    </message>
    <message>
        <source>Set initial parameters</source>
        <translation>Anfangswerte festlegen</translation>
    </message>
    <message>
        <source>Latitude (degs)</source>
        <translation>Breite (Grad)</translation>
    </message>
    <message>
        <source>Longitude (degs)</source>
        <translation>Länge (Grad)</translation>
    </message>
    <message>
        <source>Heading (degs)</source>
        <translation>Kurs (Grad)</translation>
    </message>
    <message>
        <source>Step (metres)</source>
        <translation>Schritt (Meter)</translation>
    </message>
    <message>
        <source>Change Heading</source>
        <translation>Kursänderung</translation>
    </message>
    <message>
        <source>Random (+/- deg)</source>
        <translation>Zufall (+/- Grad)</translation>
    </message>
    <message>
        <source>Period (secs)</source>
        <translation>Takt (Sekunden)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>tolk::Tmainfrm</name>
    <message>
        <source>TOLK Batch File Converter V1.3</source>
        <translation>TOLK Stapel-Dateikonverter V1.3</translation>
    </message>
    <message>
        <source>Unable to open interface to TOLK.</source>
        <translation>Die Schnittstelle zu TOLK kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Connected to: </source>
        <translation>Verbunden mit: </translation>
    </message>
    <message>
        <source>NOT CONNECTED to TOLK</source>
        <translation>NICHT mit TOLK verbunden</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and close the window once the files in progress are done?</source>
        <translation>Eine Konvertierung läuft. Anhalten und das Fenster schließen, sobald die begonnenen Dateien fertig sind?</translation>
    </message>
    <message>
        <source>Choose a Source file folder.</source>
        <translation>Wählen Sie einen Ordner mit Quelldateien.</translation>
    </message>
    <message>
        <source>Choose a Target file folder.</source>
        <translation>Wählen Sie einen Ordner für die Zieldateien.</translation>
    </message>
    <message>
        <source>Open TOLK</source>
        <translation>TOLK öffnen</translation>
    </message>
    <message>
        <source>Refresh Data</source>
        <translation>Daten aktualisieren</translation>
    </message>
    <message>
        <source>Refresh Grid and Map</source>
        <translation>Gitter und Karte aktualisieren</translation>
    </message>
    <message>
        <source>Open  File</source>
        <translation>Datei  öffnen</translation>
    </message>
    <message>
        <source>GPS opens file</source>
        <translation>GPS öffnet die Datei</translation>
    </message>
    <message>
        <source>Close TOLK Window</source>
        <translation>TOLK-Fenster schließen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Refresh Map</source>
        <translation>Karte aktualisieren</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>not yet  implemented</source>
        <translation>noch nicht  umgesetzt</translation>
    </message>
    <message>
        <source>not yet implemented</source>
        <translation>noch nicht umgesetzt</translation>
    </message>
    <message>
        <source>Convert Selected</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Same as Source folder</source>
        <translation>Wie Quellordner</translation>
    </message>
    <message>
        <source>Skip Selected</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>NOT Connected</source>
        <translation>NICHT verbunden</translation>
    </message>
    <message>
        <source>Do not run obscuring centre of screen, so that any error messages from TOLK will be visible.</source>
        <translation>Das Fenster nicht über die Bildschirmmitte legen, damit Fehlermeldungen von TOLK sichtbar bleiben.</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>Source File Type:</source>
        <translation>Quelldateityp:</translation>
    </message>
    <message>
        <source>Merge with</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Change Grid to</source>
        <translation>Gitter ändern in</translation>
    </message>
    <message>
        <source>Change Datum to</source>
        <translation>Datum ändern in</translation>
    </message>
    <message>
        <source>Target Folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Target Type</source>
        <translation>Zieltyp</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open....</source>
        <translation>Öffnen....</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>NOT CONNECTED</source>
        <translation>NICHT VERBUNDEN</translation>
    </message>
    <message>
        <source>Error in function</source>
        <translation>Fehler in der Funktion</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>; see conversion.log</source>
        <translation>; siehe conversion.log</translation>
    </message>
</context>
</TS>
