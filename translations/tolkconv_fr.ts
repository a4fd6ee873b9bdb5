<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Batch</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Nothing converted.</source>
        <translation>Aucun fichier converti.</translation>
    </message>
    <message>
        <source>Values not given on the command line come from %1</source>
        <translation>Les valeurs absentes de la ligne de commande proviennent de %1</translation>
    </message>
    <message>
        <source>Unable to open interface to TOLK.</source>
        <translation>Impossible d&apos;ouvrir l&apos;interface vers TOLK.</translation>
    </message>
    <message>
        <source>NOT CONNECTED to TOLK</source>
        <translation>NON connecté à TOLK</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Try &apos;tolkconv-batch --help&apos;.</source>
        <translation>Essayez «tolkconv-batch --help».</translation>
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
        <translation>Convertit chaque fichier du type source du dossier source (avec --recursive, aussi ceux des
dossiers en dessous), comme le fait «Tout convertir» dans la fenêtre, avec le même moteur.
Toute valeur non donnée ici vient du fichier de réglages de la fenêtre (tolkconv.ini dans le
dossier de travail)&#xa0;; ce fichier n&apos;est écrit qu&apos;avec --save.

Sortie&#xa0;: une ligne «Converti&#xa0;:» ou «Conversion IMPOSSIBLE&#xa0;:» par fichier, dans l&apos;ordre de
la liste, puis le bilan&#xa0;; sur un terminal, une ligne de progression (nombre, fichier en cours,
temps restant) reste en dessous. Les messages vont sur la sortie d&apos;erreur, précédés du nom du
fichier pendant la conversion.

Code de sortie&#xa0;: 0 si chaque fichier de la liste a été converti&#xa0;; 1 sinon (ou si le traitement
a été arrêté par une panne du moteur, si un dossier sous le dossier source était illisible ou
si le dossier source surveillé a disparu)&#xa0;; 2 en cas d&apos;appel incorrect, de vérification ou de
préparation échouée&#xa0;; 130 ou 143 après SIGINT ou SIGTERM.</translation>
    </message>
    <message>
        <source>Source file type, as in the window&apos;s list (e.g. gpx).</source>
        <translation>Type de fichier source, comme dans la liste de la fenêtre (p. ex. gpx).</translation>
    </message>
    <message>
        <source>type</source>
        <translation>type</translation>
    </message>
    <message>
        <source>Type of the file of the same name merged into each source file; an empty value means no merging.</source>
        <translation>Type du fichier de même nom fusionné dans chaque fichier source&#xa0;; une valeur vide signifie aucune fusion.</translation>
    </message>
    <message>
        <source>Folder the converted files are written to. Given, it also turns off &quot;Same as Source folder&quot; for this run.</source>
        <translation>Dossier où les fichiers convertis sont écrits. S&apos;il est donné, «Comme la source» est aussi désactivé pour ce traitement.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Target file type (e.g. kml).</source>
        <translation>Type de fichier cible (p. ex. kml).</translation>
    </message>
    <message>
        <source>Datum to change to, one of those --list-datums prints; an empty value means no change.</source>
        <translation>Datum vers lequel convertir, l&apos;un de ceux qu&apos;affiche --list-datums&#xa0;; une valeur vide signifie aucun changement.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Grid to change to, one of those --list-grids prints; an empty value means no change.</source>
        <translation>Grille vers laquelle convertir, l&apos;une de celles qu&apos;affiche --list-grids&#xa0;; une valeur vide signifie aucun changement.</translation>
    </message>
    <message>
        <source>Read and write files of the type with this gpsbabel format (and its options), for this run, over the choices of hostformats.ini; may be given for several types.</source>
        <translation>Lire et écrire les fichiers du type avec ce format gpsbabel (et ses options) pour ce traitement, de préférence aux choix de hostformats.ini&#xa0;; peut être donné pour plusieurs types.</translation>
    </message>
    <message>
        <source>type=format[,options]</source>
        <translation>type=format[,options]</translation>
    </message>
    <message>
        <source>Convert n files at a time, 1 to 64 (default: the number of processors). Lines and results are the same as with one job.</source>
        <translation>Convertir n fichiers à la fois, de 1 à 64 (par défaut&#xa0;: le nombre de processeurs). Les lignes et les résultats sont les mêmes qu&apos;avec une seule tâche.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Convert only the k-th of n slices of the files (1 &lt;= k &lt;= n), chosen by a hash of each file&apos;s path below the source folder: n runs, on as many machines, convert each file once.</source>
        <translation>Ne convertir que la k-ième de n tranches des fichiers (1 &lt;= k &lt;= n), choisie par un hachage du chemin de chaque fichier sous le dossier source&#xa0;: n traitements, sur autant de machines, convertissent chaque fichier une fois.</translation>
    </message>
    <message>
        <source>k/n</source>
        <translation>k/n</translation>
    </message>
    <message>
        <source>With --watch: how long a file must stay unchanged before it is converted (default 2).</source>
        <translation>Avec --watch&#xa0;: durée pendant laquelle un fichier doit rester inchangé avant d&apos;être converti (par défaut 2).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Folder whose files are converted (default: from the settings).</source>
        <translation>Dossier dont les fichiers sont convertis (par défaut&#xa0;: celui des réglages).</translation>
    </message>
    <message>
        <source>Create a missing target folder (one level) without asking. Otherwise the terminal asks; without one the answer is no.</source>
        <translation>Créer sans demander un dossier cible manquant (un niveau). Sinon, le terminal pose la question&#xa0;; sans terminal, la réponse est non.</translation>
    </message>
    <message>
        <source>Also convert the files in the folders below the source folder, each into the same folder below the target folder (made as needed). Hidden folders and the target folder are left out.</source>
        <translation>Convertir aussi les fichiers des dossiers sous le dossier source, chacun dans le même dossier sous le dossier cible (créé au besoin). Les dossiers cachés et le dossier cible sont exclus.</translation>
    </message>
    <message>
        <source>Skip the files whose target is newer than the file (and than its merge file), and say how many were skipped.</source>
        <translation>Ignorer les fichiers dont la cible est plus récente que le fichier (et que son fichier à fusionner), et dire combien ont été ignorés.</translation>
    </message>
    <message>
        <source>After the run (as with --only-newer), keep watching the source folder and convert each new or changed file once it has settled; Ctrl-C or SIGTERM ends the watch.</source>
        <translation>Après le traitement (comme avec --only-newer), continuer à surveiller le dossier source et convertir chaque fichier nouveau ou modifié une fois stable&#xa0;; Ctrl-C ou SIGTERM arrête la surveillance.</translation>
    </message>
    <message>
        <source>Once the checks passed, write the values in effect to the settings file, as the window does when it closes.</source>
        <translation>Une fois les vérifications passées, écrire les valeurs en vigueur dans le fichier de réglages, comme le fait la fenêtre à sa fermeture.</translation>
    </message>
    <message>
        <source>Fail a file whose target type cannot hold all its data (its older target is kept) instead of converting what fits and saying what was not kept.</source>
        <translation>Refuser un fichier dont le type cible ne peut contenir toutes les données (son ancienne cible est conservée) au lieu de convertir ce qui tient et de dire ce qui n&apos;a pas été conservé.</translation>
    </message>
    <message>
        <source>Print only the summary, messages and errors.</source>
        <translation>N&apos;afficher que le bilan, les messages et les erreurs.</translation>
    </message>
    <message>
        <source>List every offered file type with the gpsbabel formats that read and write it (none where no format is found), then exit.</source>
        <translation>Lister chaque type de fichier proposé avec les formats gpsbabel qui le lisent et l&apos;écrivent (aucun là où aucun format n&apos;est trouvé), puis quitter.</translation>
    </message>
    <message>
        <source>List the datums --datum takes, one a line, then exit.</source>
        <translation>Lister les datums qu&apos;accepte --datum, un par ligne, puis quitter.</translation>
    </message>
    <message>
        <source>List the grids --grid takes, one a line, then exit.</source>
        <translation>Lister les grilles qu&apos;accepte --grid, une par ligne, puis quitter.</translation>
    </message>
    <message>
        <source>Only one source folder can be given.</source>
        <translation>Un seul dossier source peut être donné.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--jobs attend un nombre entier de 1 à %1, pas «%2».</translation>
    </message>
    <message>
        <source>--engine-format takes type=format[,options], not &apos;%1&apos;.</source>
        <translation>--engine-format attend type=format[,options], pas «%1».</translation>
    </message>
    <message>
        <source>--shard takes k/n, whole numbers with 1 &lt;= k &lt;= n &lt;= 100000, not &apos;%1&apos;.</source>
        <translation>--shard attend k/n, des nombres entiers avec 1 &lt;= k &lt;= n &lt;= 100000, pas «%1».</translation>
    </message>
    <message>
        <source>--settle goes with --watch.</source>
        <translation>--settle ne s&apos;emploie qu&apos;avec --watch.</translation>
    </message>
    <message>
        <source>--settle takes a number of seconds from 0 to 3600, not &apos;%1&apos;.</source>
        <translation>--settle attend un nombre de secondes de 0 à 3600, pas «%1».</translation>
    </message>
    <message>
        <source>Cannot read the source folder %1: %2</source>
        <translation>Impossible de lire le dossier source %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the folder %1 below the source folder (%2); its files are left out.</source>
        <translation>Impossible de lire le dossier %1 sous le dossier source (%2)&#xa0;; ses fichiers sont exclus.</translation>
    </message>
    <message>
        <source>Skipped %1 file already up to date</source>
        <translation>%1 fichier déjà à jour ignoré</translation>
    </message>
    <message>
        <source>Skipped %1 files already up to date</source>
        <translation>%1 fichiers déjà à jour ignorés</translation>
    </message>
    <message>
        <source>Ignored the window bounds (WBounds) in %1: %2</source>
        <translation>Position de la fenêtre (WBounds) ignorée dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unknown source type &apos;%1&apos;. The source types are: %2</source>
        <translation>Type source inconnu «%1». Les types source sont&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unknown merge type &apos;%1&apos;. The merge types are the source types: %2</source>
        <translation>Type à fusionner inconnu «%1». Les types à fusionner sont les types source&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unknown target type &apos;%1&apos;. The target types are: %2</source>
        <translation>Type cible inconnu «%1». Les types cible sont&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unknown datum &apos;%1&apos;. The datums are those of %2 beside the program; an empty value means no change.</source>
        <translation>Datum inconnu «%1». Les datums sont ceux de %2 à côté du programme&#xa0;; une valeur vide signifie aucun changement.</translation>
    </message>
    <message>
        <source>Unknown grid &apos;%1&apos;. The grids are: %2(an empty value means no change).</source>
        <translation>Grille inconnue «%1». Les grilles sont&#xa0;: %2(une valeur vide signifie aucun changement).</translation>
    </message>
    <message>
        <source>The source folder %1 is gone; the watch ends.</source>
        <translation>Le dossier source %1 a disparu&#xa0;; la surveillance s&apos;arrête.</translation>
    </message>
    <message>
        <source>Watching %1 for new and changed files (Ctrl-C ends the watch).</source>
        <translation>Surveillance de %1 pour les fichiers nouveaux ou modifiés (Ctrl-C arrête la surveillance).</translation>
    </message>
    <message>
        <source>No: standard input is not a terminal (--create-target answers Yes).</source>
        <translation>Non&#xa0;: l&apos;entrée standard n&apos;est pas un terminal (--create-target répond Oui).</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
    <message>
        <source>Unable to create target folder %1</source>
        <translation>Impossible de créer le dossier cible %1</translation>
    </message>
    <message>
        <source>read with</source>
        <translation>lu avec</translation>
    </message>
    <message>
        <source>write with</source>
        <translation>écrit avec</translation>
    </message>
    <message>
        <source>No work folder could be found or made; the settings are not saved.</source>
        <translation>Aucun dossier de travail n&apos;a pu être trouvé ni créé&#xa0;; les réglages ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Some folders cannot be watched (the system&apos;s limit fs.inotify.max_user_watches is reached); they are looked through every %1 seconds instead.</source>
        <translation>Certains dossiers ne peuvent pas être surveillés (la limite du système fs.inotify.max_user_watches est atteinte)&#xa0;; ils sont parcourus toutes les %1 secondes à la place.</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Could not open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Unable to create target folder %1: %2</source>
        <translation>Impossible de créer le dossier cible %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Converting: %1</source>
        <translation>Conversion&#xa0;: %1</translation>
    </message>
    <message>
        <source>gpsbabel could not read the file</source>
        <translation>gpsbabel n&apos;a pas pu lire le fichier</translation>
    </message>
    <message>
        <source>Failed to communicate with TOLK!</source>
        <translation>Échec de la communication avec TOLK&#xa0;!</translation>
    </message>
    <message>
        <source>gpsbabel could not write the file</source>
        <translation>gpsbabel n&apos;a pas pu écrire le fichier</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Converti&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could NOT convert: %1</source>
        <translation>Conversion IMPOSSIBLE&#xa0;: %1</translation>
    </message>
    <message>
        <source>gpsbabel could not merge %1</source>
        <translation>gpsbabel n&apos;a pas pu fusionner %1</translation>
    </message>
    <message>
        <source>gpsbabel cannot apply the grid</source>
        <translation>gpsbabel ne peut pas appliquer la grille</translation>
    </message>
    <message>
        <source>Unable to change grid</source>
        <translation>Impossible de changer de grille</translation>
    </message>
    <message>
        <source>Current version of TOLK does not support Grid Change<byte value="xd"/>
Try updating TOLK to newer version.</source>
        <translation>Cette version de TOLK ne permet pas de changer de grille<byte value="xd"/>
Essayez de mettre TOLK à jour vers une version plus récente.</translation>
    </message>
    <message>
        <source>gpsbabel cannot apply the datum</source>
        <translation>gpsbabel ne peut pas appliquer le datum</translation>
    </message>
    <message>
        <source>Unable to change datum</source>
        <translation>Impossible de changer de datum</translation>
    </message>
    <message>
        <source>Current version of TOLK does not support Datum Change<byte value="xd"/>
Try updating TOLK to newer version.</source>
        <translation>Cette version de TOLK ne permet pas de changer de datum<byte value="xd"/>
Essayez de mettre TOLK à jour vers une version plus récente.</translation>
    </message>
    <message>
        <source>its target %1 is written from %2 in this run</source>
        <translation>sa cible %1 est écrite à partir de %2 dans ce traitement</translation>
    </message>
    <message>
        <source>(no change)</source>
        <translation>(aucun changement)</translation>
    </message>
    <message>
        <source>its parent folder does not exist (only one folder is created)</source>
        <translation>son dossier parent n&apos;existe pas (un seul dossier est créé)</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un fichier de ce nom est dans le chemin</translation>
    </message>
    <message>
        <source>Cannot Convert:</source>
        <translation>Conversion impossible&#xa0;:</translation>
    </message>
    <message>
        <source>Target folder<byte value="xd"/>
%1<byte value="xd"/>
does not exist. Create it?</source>
        <translation>Le dossier cible<byte value="xd"/>
%1<byte value="xd"/>
n&apos;existe pas. Le créer&#xa0;?</translation>
    </message>
    <message>
        <source>Source and Merge types are the same</source>
        <translation>Les types source et à fusionner sont identiques</translation>
    </message>
    <message>
        <source>Source and Target types are the same</source>
        <translation>Les types source et cible sont identiques</translation>
    </message>
    <message>
        <source>Merge and Target types are the same</source>
        <translation>Les types à fusionner et cible sont identiques</translation>
    </message>
    <message>
        <source>%1 to merge was not found</source>
        <translation>%1 à fusionner est introuvable</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>NOT converted</source>
        <translation>NON converti</translation>
    </message>
    <message>
        <source>Unable to find files to merge:</source>
        <translation>Fichiers à fusionner introuvables&#xa0;:</translation>
    </message>
    <message>
        <source>Unable to find file to merge:</source>
        <translation>Fichier à fusionner introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>%1 file kept only part of its data</source>
        <translation>%1 fichier n&apos;a conservé qu&apos;une partie de ses données</translation>
    </message>
    <message>
        <source>%1 files kept only part of their data</source>
        <translation>%1 fichiers n&apos;ont conservé qu&apos;une partie de leurs données</translation>
    </message>
    <message>
        <source>Converted %1 files.</source>
        <translation>%1 fichiers convertis.</translation>
    </message>
    <message>
        <source> NOT CONVERTED = %1</source>
        <translation> NON CONVERTIS = %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>%1 files to convert</source>
        <translation>%1 fichiers à convertir</translation>
    </message>
    <message>
        <source>Number of files = %1</source>
        <translation>Nombre de fichiers = %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>not begun: an error ended the run</source>
        <translation>pas commencé&#xa0;: une erreur a mis fin au traitement</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>... and %1 more (see conversion.log)</source>
        <translation>... et %1 de plus (voir conversion.log)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Saisie numérique non valide</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;E/S %1</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>%1 cannot carry a datum change</source>
        <translation>%1 ne peut pas porter un changement de datum</translation>
    </message>
    <message>
        <source>%1 cannot carry a grid change</source>
        <translation>%1 ne peut pas porter un changement de grille</translation>
    </message>
    <message>
        <source>%1 (the merge type)</source>
        <translation>%1 (le type à fusionner)</translation>
    </message>
    <message>
        <source>gpsbabel offers no datum &quot;%1&quot;</source>
        <translation>gpsbabel ne propose pas de datum «%1»</translation>
    </message>
    <message>
        <source>gpsbabel has no grid &quot;%1&quot;</source>
        <translation>gpsbabel n&apos;a pas de grille «%1»</translation>
    </message>
    <message>
        <source>No working gpsbabel was found on PATH</source>
        <translation>Aucun gpsbabel en état de marche n&apos;a été trouvé dans le PATH</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly</source>
        <translation>%1 s&apos;est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 seconds and was stopped</source>
        <translation>%1 n&apos;a pas fini en %2 secondes et a été arrêté</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>read as %1: the file holds %2</source>
        <translation>lu comme %1&#xa0;: le fichier contient %2</translation>
    </message>
    <message>
        <source>no file is open to merge into</source>
        <translation>aucun fichier n&apos;est ouvert pour y fusionner</translation>
    </message>
    <message>
        <source>no file is open to save</source>
        <translation>aucun fichier n&apos;est ouvert à enregistrer</translation>
    </message>
    <message>
        <source>gpsbabel has no format named %1</source>
        <translation>gpsbabel n&apos;a pas de format nommé %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>the target is one of the files read</source>
        <translation>la cible est l&apos;un des fichiers lus</translation>
    </message>
    <message>
        <source>the target path cannot be used</source>
        <translation>le chemin cible est inutilisable</translation>
    </message>
    <message>
        <source>the target folder cannot be written</source>
        <translation>le dossier cible n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the files to read cannot be reached</source>
        <translation>les fichiers à lire sont inaccessibles</translation>
    </message>
    <message>
        <source>the host&apos;s temporary folder cannot be written</source>
        <translation>le dossier temporaire de l&apos;hôte n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Non implémenté</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Interface non prise en charge</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Pointeur non valide</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Opération abandonnée</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Erreur non spécifiée</translation>
    </message>
    <message>
        <source>Catastrophic failure</source>
        <translation>Défaillance grave</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Accès refusé.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Mémoire insuffisante pour terminer cette opération.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Le paramètre est incorrect.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Classe non enregistrée</translation>
    </message>
    <message>
        <source>CoInitialize has not been called.</source>
        <translation>CoInitialize n&apos;a pas été appelé.</translation>
    </message>
    <message>
        <source>The object invoked has disconnected from its clients.</source>
        <translation>L&apos;objet appelé s&apos;est déconnecté de ses clients.</translation>
    </message>
    <message>
        <source>no gpsbabel format reads .%1 files</source>
        <translation>aucun format gpsbabel ne lit les fichiers .%1</translation>
    </message>
    <message>
        <source>no gpsbabel format writes .%1 files</source>
        <translation>aucun format gpsbabel n&apos;écrit les fichiers .%1</translation>
    </message>
    <message>
        <source> and .</source>
        <translation> et .</translation>
    </message>
    <message>
        <source>gpsbabel read no data from the file as %1</source>
        <translation>gpsbabel n&apos;a lu aucune donnée du fichier en tant que %1</translation>
    </message>
    <message>
        <source>%1 waypoint</source>
        <translation>%1 point de cheminement</translation>
    </message>
    <message>
        <source>%1 waypoints</source>
        <translation>%1 points de cheminement</translation>
    </message>
    <message>
        <source>waypoints</source>
        <translation>points de cheminement</translation>
    </message>
    <message>
        <source>%1 track point</source>
        <translation>%1 point de trace</translation>
    </message>
    <message>
        <source>%1 track points</source>
        <translation>%1 points de trace</translation>
    </message>
    <message>
        <source>tracks</source>
        <translation>traces</translation>
    </message>
    <message>
        <source>%1 route point</source>
        <translation>%1 point d&apos;itinéraire</translation>
    </message>
    <message>
        <source>%1 route points</source>
        <translation>%1 points d&apos;itinéraire</translation>
    </message>
    <message>
        <source>routes</source>
        <translation>itinéraires</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 not kept: the target type holds %2 only</source>
        <translation>%1 non conservés&#xa0;: le type cible ne contient que des %2</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 not kept: the target type&apos;s writer kept %2 of %3</source>
        <translation>%1 non conservés&#xa0;: l&apos;écriture du type cible en a gardé %2 sur %3</translation>
    </message>
    <message>
        <source>gpsbabel could not write %1</source>
        <translation>gpsbabel n&apos;a pas pu écrire %1</translation>
    </message>
    <message>
        <source>%1 said: %2</source>
        <translation>%1 a dit&#xa0;: %2</translation>
    </message>
    <message>
        <source>gpsbabel failed</source>
        <translation>gpsbabel a échoué</translation>
    </message>
    <message>
        <source>the positions read are out of range or mostly zero: the file is not one gpsbabel reads as its type says</source>
        <translation>les positions lues sont hors limites ou presque toutes nulles&#xa0;: gpsbabel ne lit pas ce fichier comme le type qu&apos;il indique</translation>
    </message>
    <message>
        <source>some positions read lie exactly at 0,0, as a header line read as a point would: the file is not one gpsbabel reads as its type says</source>
        <translation>certaines positions lues sont exactement en 0,0, comme le serait une ligne d&apos;en-tête lue comme un point&#xa0;: gpsbabel ne lit pas ce fichier comme le type qu&apos;il indique</translation>
    </message>
    <message>
        <source>%1 keeps one waypoint of each name, and waypoints of the file share a name: some would be lost</source>
        <translation>%1 ne garde qu&apos;un point de cheminement par nom, et des points du fichier portent le même nom&#xa0;: certains seraient perdus</translation>
    </message>
    <message>
        <source>the output held no data</source>
        <translation>la sortie ne contenait aucune donnée</translation>
    </message>
    <message>
        <source>the source held no data that %1 can hold</source>
        <translation>la source ne contenait aucune donnée que %1 puisse contenir</translation>
    </message>
    <message>
        <source>the output could not be moved into place</source>
        <translation>la sortie n&apos;a pas pu être mise en place</translation>
    </message>
    <message>
        <source>its companion %1 is the target of %2</source>
        <translation>son fichier compagnon %1 est la cible de %2</translation>
    </message>
    <message>
        <source>%1 needed more than %2 MB of memory</source>
        <translation>%1 a eu besoin de plus de %2 Mo de mémoire</translation>
    </message>
    <message>
        <source>NMEA sentences</source>
        <translation>des phrases NMEA</translation>
    </message>
    <message>
        <source>sentences of one maker&apos;s device</source>
        <translation>des phrases propres à l&apos;appareil d&apos;un fabricant</translation>
    </message>
    <message>
        <source>flight recorder (IGC) records</source>
        <translation>des enregistrements d&apos;enregistreur de vol (IGC)</translation>
    </message>
    <message>
        <source>values under a header row</source>
        <translation>des valeurs sous une ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>read as %1, the one of gpsbabel&apos;s other readers that read it whole</source>
        <translation>lu comme %1, le seul des autres lecteurs de gpsbabel à l&apos;avoir lu en entier</translation>
    </message>
    <message>
        <source>the %1 readers of .%2</source>
        <translation>les %1 lecteurs de .%2</translation>
    </message>
    <message>
        <source>%1 nor %2 of gpsbabel&apos;s other readers</source>
        <translation>%1 ni %2 des autres lecteurs de gpsbabel</translation>
    </message>
    <message>
        <source>none of %1 read this file; the last said: %2</source>
        <translation>aucun parmi %1 n&apos;a lu ce fichier&#xa0;; le dernier a dit&#xa0;: %2</translation>
    </message>
    <message>
        <source>none of %1 read believable positions from this file (tried %2)</source>
        <translation>aucun parmi %1 n&apos;a lu de positions crédibles dans ce fichier (essayés&#xa0;: %2)</translation>
    </message>
    <message>
        <source>its output %1 is written from %2 in this run</source>
        <translation>sa sortie %1 est écrite à partir de %2 dans ce traitement</translation>
    </message>
    <message>
        <source>its output %1 is written from %2 by another running conversion</source>
        <translation>sa sortie %1 est écrite à partir de %2 par une autre conversion en cours</translation>
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
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>OutcomeMarks</name>
    <message>
        <source>Converted</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Converted, but only part of its data was kept</source>
        <translation>Converti, mais seule une partie de ses données a été conservée</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Non converti</translation>
    </message>
    <message>
        <source>Stopped before it was converted</source>
        <translation>Arrêté avant d&apos;être converti</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to find or create user folder: %1</source>
        <translation>Impossible de trouver ou de créer le dossier utilisateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire les données de «%1»</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>The settings file %1 cannot hold a line break; not saved: %2</source>
        <translation>Le fichier de réglages %1 ne peut pas contenir de saut de ligne&#xa0;; non enregistré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Tmainfrm</name>
    <message>
        <source>Could not find TOLK version 4.20.z or later<byte value="xd"/>
&quot;Run as Administrator&quot; the latest version of TOLK at least once and restart this program.<byte value="xd"/>
See the Help topic in TOLK on &quot;Installation&quot;.</source>
        <translation>TOLK version 4.20.z ou ultérieure introuvable<byte value="xd"/>
Lancez au moins une fois la dernière version de TOLK «En tant qu&apos;administrateur» et redémarrez ce programme.<byte value="xd"/>
Voir la rubrique d&apos;aide de TOLK sur «Installation».</translation>
    </message>
    <message>
        <source>No gpsbabel format was found that reads .%1 files.

Choose the format gpsbabel should use for them. The choice is kept in hostformats.ini in the work folder; cancel to leave the type without one.</source>
        <translation>Aucun format gpsbabel lisant les fichiers .%1 n&apos;a été trouvé.

Choisissez le format que gpsbabel doit utiliser pour eux. Le choix est conservé dans hostformats.ini, dans le dossier de travail&#xa0;; annulez pour laisser le type sans format.</translation>
    </message>
    <message>
        <source>No gpsbabel format was found that writes .%1 files.

Choose the format gpsbabel should use for them. The choice is kept in hostformats.ini in the work folder; cancel to leave the type without one.</source>
        <translation>Aucun format gpsbabel écrivant les fichiers .%1 n&apos;a été trouvé.

Choisissez le format que gpsbabel doit utiliser pour eux. Le choix est conservé dans hostformats.ini, dans le dossier de travail&#xa0;; annulez pour laisser le type sans format.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>TOLK Batch File Converter</source>
        <translation>Convertisseur de fichiers par lots TOLK</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>there is no display to open the window on; tolkconv-batch converts without one (see tolkconv-batch --help).</source>
        <translation>aucun écran où ouvrir la fenêtre&#xa0;; tolkconv-batch convertit sans écran (voir tolkconv-batch --help).</translation>
    </message>
    <message>
        <source>Qt&apos;s options for the window of any Qt program, such as -style Fusion or -platform wayland,
are taken as Qt documents them.
</source>
        <translation>Les options de Qt pour la fenêtre de tout programme Qt, comme -style Fusion ou
-platform wayland, sont acceptées comme Qt les documente.
</translation>
    </message>
    <message>
        <source>The window takes one folder, not also &apos;%1&apos;.</source>
        <translation>La fenêtre prend un seul dossier, pas aussi «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>«%1» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Usage: tolkconv [options] [FOLDER]
The window of TOLK Batch File Converter: converts every file of one type in a folder
to another type through gpsbabel. To convert without a window, use tolkconv-batch.
</source>
        <translation>Usage&#xa0;: tolkconv [options] [DOSSIER]
La fenêtre du Convertisseur de fichiers par lots TOLK&#xa0;: convertit chaque fichier d&apos;un type
d&apos;un dossier vers un autre type avec gpsbabel. Pour convertir sans fenêtre, utilisez
tolkconv-batch.
</translation>
    </message>
    <message>
        <source>Started on a FOLDER, the window takes it as the source folder.</source>
        <translation>Lancée sur un DOSSIER, la fenêtre le prend comme dossier source.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Usage: tolkconv [options] [FOLDER]; try &apos;tolkconv --help&apos;.</source>
        <translation>Usage&#xa0;: tolkconv [options] [DOSSIER]&#xa0;; essayez «tolkconv --help».</translation>
    </message>
</context>
<context>
    <name>tolk::HelpWindow</name>
    <message>
        <source>TOLK Batch File Converter Help</source>
        <translation>Aide du Convertisseur de fichiers par lots TOLK</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found. It belongs beside the program as tolkconv.qch; reinstall the program to bring it back.</source>
        <translation>Le fichier d&apos;aide «%1» est introuvable. Il accompagne le programme sous le nom tolkconv.qch&#xa0;; réinstallez le programme pour le retrouver.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be read: %2</source>
        <translation>Le fichier d&apos;aide «%1» n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topic for help context %2.</source>
        <translation>Le fichier d&apos;aide «%1» n&apos;a pas de rubrique pour le contexte d&apos;aide %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topics.</source>
        <translation>Le fichier d&apos;aide «%1» ne contient aucune rubrique.</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>L&apos;aide n&apos;est pas disponible</translation>
    </message>
</context>
<context>
    <name>tolk::OutcomeMenu</name>
    <message>
        <source>Show Reason</source>
        <translation>Afficher la raison</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>Ouvrir le dossier cible</translation>
    </message>
    <message>
        <source>Open Conversion Log</source>
        <translation>Ouvrir le journal de conversion</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>Copier la raison</translation>
    </message>
    <message>
        <source>The desktop has nothing that opens %1.</source>
        <translation>Le bureau n&apos;a rien pour ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>tolk::RunEndNotice</name>
    <message>
        <source>Show the window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
</context>
<context>
    <name>tolk::TOptionsFrm</name>
    <message>
        <source>TOLK Driver Options</source>
        <translation>Options du pilote TOLK</translation>
    </message>
    <message>
        <source>Set initial parameters</source>
        <translation>Régler les paramètres initiaux</translation>
    </message>
    <message>
        <source>Latitude (degs)</source>
        <translation>Latitude (degrés)</translation>
    </message>
    <message>
        <source>Longitude (degs)</source>
        <translation>Longitude (degrés)</translation>
    </message>
    <message>
        <source>Heading (degs)</source>
        <translation>Cap (degrés)</translation>
    </message>
    <message>
        <source>Step (metres)</source>
        <translation>Pas (mètres)</translation>
    </message>
    <message>
        <source>Change Heading</source>
        <translation>Changement de cap</translation>
    </message>
    <message>
        <source>Random (+/- deg)</source>
        <translation>Aléatoire (+/- degrés)</translation>
    </message>
    <message>
        <source>Period (secs)</source>
        <translation>Période (secondes)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>tolk::Tmainfrm</name>
    <message>
        <source>TOLK Batch File Converter V1.3</source>
        <translation>Convertisseur de fichiers par lots TOLK V1.3</translation>
    </message>
    <message>
        <source>Unable to open interface to TOLK.</source>
        <translation>Impossible d&apos;ouvrir l&apos;interface vers TOLK.</translation>
    </message>
    <message>
        <source>Connected to: </source>
        <translation>Connecté à&#xa0;: </translation>
    </message>
    <message>
        <source>NOT CONNECTED to TOLK</source>
        <translation>NON connecté à TOLK</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and close the window once the files in progress are done?</source>
        <translation>Une conversion est en cours. L&apos;arrêter et fermer la fenêtre une fois les fichiers en cours terminés&#xa0;?</translation>
    </message>
    <message>
        <source>Choose a Source file folder.</source>
        <translation>Choisissez un dossier de fichiers source.</translation>
    </message>
    <message>
        <source>Choose a Target file folder.</source>
        <translation>Choisissez un dossier pour les fichiers cible.</translation>
    </message>
    <message>
        <source>Open TOLK</source>
        <translation>Ouvrir TOLK</translation>
    </message>
    <message>
        <source>Refresh Data</source>
        <translation>Actualiser les données</translation>
    </message>
    <message>
        <source>Refresh Grid and Map</source>
        <translation>Actualiser la grille et la carte</translation>
    </message>
    <message>
        <source>Open  File</source>
        <translation>Ouvrir  un fichier</translation>
    </message>
    <message>
        <source>GPS opens file</source>
        <translation>Le GPS ouvre le fichier</translation>
    </message>
    <message>
        <source>Close TOLK Window</source>
        <translation>Fermer la fenêtre TOLK</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Refresh Map</source>
        <translation>Actualiser la carte</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>not yet  implemented</source>
        <translation>pas encore  disponible</translation>
    </message>
    <message>
        <source>not yet implemented</source>
        <translation>pas encore disponible</translation>
    </message>
    <message>
        <source>Convert Selected</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Same as Source folder</source>
        <translation>Comme la source</translation>
    </message>
    <message>
        <source>Skip Selected</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Tout convertir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>NOT Connected</source>
        <translation>NON connecté</translation>
    </message>
    <message>
        <source>Do not run obscuring centre of screen, so that any error messages from TOLK will be visible.</source>
        <translation>Ne pas masquer le centre de l&apos;écran, pour que les messages d&apos;erreur de TOLK restent visibles.</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Dossier source</translation>
    </message>
    <message>
        <source>Source File Type:</source>
        <translation>Type source&#xa0;:</translation>
    </message>
    <message>
        <source>Merge with</source>
        <translation>Fusionner avec</translation>
    </message>
    <message>
        <source>Change Grid to</source>
        <translation>Changer de grille</translation>
    </message>
    <message>
        <source>Change Datum to</source>
        <translation>Changer de datum</translation>
    </message>
    <message>
        <source>Target Folder</source>
        <translation>Dossier cible</translation>
    </message>
    <message>
        <source>Target Type</source>
        <translation>Type cible</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open....</source>
        <translation>Ouvrir....</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>NOT CONNECTED</source>
        <translation>NON CONNECTÉ</translation>
    </message>
    <message>
        <source>Error in function</source>
        <translation>Erreur dans la fonction</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>; see conversion.log</source>
        <translation>&#xa0;; voir conversion.log</translation>
    </message>
</context>
</TS>
