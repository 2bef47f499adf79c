<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutWindows</name>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Unkown OS</source>
        <translation>Système d&apos;exploitation inconnu</translation>
    </message>
    <message>
        <source>(64bit)</source>
        <translation>(64 bits)</translation>
    </message>
    <message>
        <source>(32bit)</source>
        <translation>(32 bits)</translation>
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
        <translation>Système Microsoft</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>on the card</source>
        <translation>sur la carte</translation>
    </message>
    <message>
        <source>in the file</source>
        <translation>dans le fichier</translation>
    </message>
    <message>
        <source>%1 only %2</source>
        <translation>%1 seulement %2</translation>
    </message>
    <message>
        <source>%1 missing %2</source>
        <translation>%1 absent %2</translation>
    </message>
    <message>
        <source>%1 refused %2, %3 in the form</source>
        <translation>%1 refusé %2, %3 dans le formulaire</translation>
    </message>
    <message>
        <source>%1 %2 %3, %4 in the form</source>
        <translation>%1 à %2 %3, %4 dans le formulaire</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>écrite et vérifiée</translation>
    </message>
    <message>
        <source>written and verified, not ejected: %1</source>
        <translation>écrite et vérifiée, non éjectée&#xa0;: %1</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>non écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>removed before it was written</source>
        <translation>retirée avant d&apos;être écrite</translation>
    </message>
    <message>
        <source>in use by another run</source>
        <translation>utilisée par une autre exécution</translation>
    </message>
    <message>
        <source>same as the form</source>
        <translation>identique au formulaire</translation>
    </message>
    <message>
        <source>no config.txt to read: %1</source>
        <translation>aucun config.txt lisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file read back from the card differs</source>
        <translation>le fichier relu sur la carte diffère</translation>
    </message>
    <message>
        <source>the system&apos;s disk service</source>
        <translation>le service de disques du système</translation>
    </message>
    <message>
        <source>holds a config.txt</source>
        <translation>contient un config.txt</translation>
    </message>
    <message>
        <source>left as it was: %1; you answered No</source>
        <translation>laissée telle quelle&#xa0;: %1&#xa0;; vous avez répondu Non</translation>
    </message>
    <message>
        <source>left as it was: %1; not replaced without --force</source>
        <translation>laissée telle quelle&#xa0;: %1&#xa0;; non remplacé sans --force</translation>
    </message>
    <message>
        <source>left alone: %1</source>
        <translation>laissée de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>left alone: every unit is written</source>
        <translation>laissée de côté&#xa0;: toutes les unités sont écrites</translation>
    </message>
    <message>
        <source>left as it was: the run was stopped</source>
        <translation>laissée telle quelle&#xa0;: l&apos;exécution a été arrêtée</translation>
    </message>
    <message>
        <source>; still mounted: %1</source>
        <translation>&#xa0;; toujours montée&#xa0;: %1</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, et </translation>
    </message>
    <message>
        <source>no disk service</source>
        <translation>aucun service de disques</translation>
    </message>
    <message>
        <source>not a removable card</source>
        <translation>pas une carte amovible</translation>
    </message>
    <message>
        <source>not a card&apos;s file system (%1)</source>
        <translation>pas un système de fichiers de carte (%1)</translation>
    </message>
    <message>
        <source>not a card of its own</source>
        <translation>pas une carte à part entière</translation>
    </message>
    <message>
        <source>no folder is known where cards are mounted for you</source>
        <translation>aucun dossier connu où vos cartes sont montées</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the mount table cannot be read</source>
        <translation>la table des montages est illisible</translation>
    </message>
    <message>
        <source>holds the file of unit %1</source>
        <translation>contient le fichier de l&apos;unité %1</translation>
    </message>
    <message>
        <source>unit %1</source>
        <translation>unité %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>the removable drives</source>
        <translation>les lecteurs amovibles</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sans nom</translation>
    </message>
</context>
<context>
    <name>CardsDialog</name>
    <message>
        <source>&amp;Replace a config.txt already on the card</source>
        <translation>&amp;Remplacer un config.txt déjà présent sur la carte</translation>
    </message>
    <message>
        <source>&amp;Write to the Chosen Card</source>
        <translation>É&amp;crire sur la carte choisie</translation>
    </message>
    <message>
        <source>Write to Cards</source>
        <translation>Écrire sur les cartes</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Next ID:</source>
        <translation>&amp;ID suivant&#xa0;:</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Watched Folder</source>
        <translation>Dossier surveillé</translation>
    </message>
    <message>
        <source>Every ID up to %1 is used.</source>
        <translation>Tous les ID jusqu&apos;à %1 sont utilisés.</translation>
    </message>
    <message>
        <source>Insert the card for unit %1.</source>
        <translation>Insérez la carte de l&apos;unité %1.</translation>
    </message>
    <message>
        <source>C&amp;heck cards (write nothing)</source>
        <translation>&amp;Vérifier les cartes (sans rien écrire)</translation>
    </message>
    <message>
        <source>&amp;Eject each card when written</source>
        <translation>Éjecter chaque carte une &amp;fois écrite</translation>
    </message>
    <message>
        <source>Eject each card by hand before you pull it.</source>
        <translation>Éjectez chaque carte vous-même avant de la retirer.</translation>
    </message>
    <message>
        <source>&amp;Save Log...</source>
        <translation>Enregistrer le &amp;journal...</translation>
    </message>
    <message>
        <source>Cards &amp;from:</source>
        <translation>Cartes &amp;depuis&#xa0;:</translation>
    </message>
    <message>
        <source>The card %1 already holds a config.txt. Replace it with the file of unit %2?</source>
        <translation>La carte %1 contient déjà un config.txt. Le remplacer par le fichier de l&apos;unité %2&#xa0;?</translation>
    </message>
    <message>
        <source>The card %1 already holds the file of unit %2. Replace it with the file of unit %3?</source>
        <translation>La carte %1 contient déjà le fichier de l&apos;unité %2. Le remplacer par le fichier de l&apos;unité %3&#xa0;?</translation>
    </message>
    <message>
        <source>Unit %1 written and verified. You can remove the card.</source>
        <translation>Unité %1 écrite et vérifiée. Vous pouvez retirer la carte.</translation>
    </message>
    <message>
        <source>Unit %1 written and verified. Eject the card, then remove it.</source>
        <translation>Unité %1 écrite et vérifiée. Éjectez la carte, puis retirez-la.</translation>
    </message>
    <message>
        <source>Unit %1 written and verified, but the card was not ejected: %2.</source>
        <translation>Unité %1 écrite et vérifiée, mais la carte n&apos;a pas été éjectée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The card of unit %1 is the same as the form.</source>
        <translation>La carte de l&apos;unité %1 est identique au formulaire.</translation>
    </message>
    <message>
        <source>The card %1 differs from the form.</source>
        <translation>La carte %1 diffère du formulaire.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Looking for cards...</source>
        <translation>Recherche des cartes...</translation>
    </message>
    <message>
        <source>Checking a card...</source>
        <translation>Vérification d&apos;une carte...</translation>
    </message>
    <message>
        <source>Writing unit %1...</source>
        <translation>Écriture de l&apos;unité %1...</translation>
    </message>
    <message>
        <source>Insert a card to check.</source>
        <translation>Insérez une carte à vérifier.</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Waiting for your answer.</source>
        <translation>En attente de votre réponse.</translation>
    </message>
    <message>
        <source>The &amp;Form&apos;s ID: %1</source>
        <translation>L&apos;ID du &amp;formulaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Inserted before:</source>
        <translation>Insérées avant&#xa0;:</translation>
    </message>
    <message>
        <source>No cards can be found: %1. Choose a folder to watch.</source>
        <translation>Aucune carte ne peut être trouvée&#xa0;: %1. Choisissez un dossier à surveiller.</translation>
    </message>
    <message>
        <source>No cards can be found: %1.</source>
        <translation>Aucune carte ne peut être trouvée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>a folder where cards are mounted</source>
        <translation>un dossier où les cartes sont montées</translation>
    </message>
    <message>
        <source>Putting the card back...</source>
        <translation>Remise en place de la carte...</translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation>Fermeture...</translation>
    </message>
    <message>
        <source>cards-%1.txt</source>
        <translation>cartes-%1.txt</translation>
    </message>
    <message>
        <source>Write to Cards, %1</source>
        <translation>Écrire sur les cartes, %1</translation>
    </message>
    <message>
        <source>Form: %1</source>
        <translation>Formulaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>as set in the window</source>
        <translation>tel que réglé dans la fenêtre</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrites&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>The last run wrote every ID up to %1; this one starts at the form&apos;s.</source>
        <translation>La dernière exécution a écrit tous les ID jusqu&apos;à %1&#xa0;; celle-ci commence à celui du formulaire.</translation>
    </message>
    <message>
        <source>%1, not mounted</source>
        <translation>%1, non montée</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>Dans le fichier</translation>
    </message>
    <message>
        <source>In the form</source>
        <translation>Dans le formulaire</translation>
    </message>
    <message>
        <source>not written</source>
        <translation>non écrit</translation>
    </message>
    <message>
        <source>refused (line %1)</source>
        <translation>refusé (ligne %1)</translation>
    </message>
    <message>
        <source>The file and the form are the same.</source>
        <translation>Le fichier et le formulaire sont identiques.</translation>
    </message>
    <message>
        <source>%1 and the form differ in these rows:</source>
        <translation>%1 et le formulaire diffèrent sur ces réglages :</translation>
    </message>
    <message>
        <source>What the unit reads otherwise than the file says:</source>
        <translation>Ce que l&apos;unité lit autrement que le fichier ne le dit :</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>&amp;Import It</source>
        <translation>L&apos;&amp;importer</translation>
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
        <translation>Système de fichiers accessible en lecture seule</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aucun espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission non accordée</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The folder is a symbolic link</source>
        <translation>Le dossier est un lien symbolique</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>Le fichier dépasse %1&#xa0;Mio</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Dossier non vide</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Trop de liens</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Lien entre périphériques non valide</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Fichier texte occupé</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Aucun périphérique ou adresse de ce type</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Aucun périphérique de ce type</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Trop de fichiers ouverts dans le système</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Impossible d&apos;allouer de la mémoire</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Valeur trop grande pour le type de données défini</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Opération non prise en charge</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ressource temporairement indisponible</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Appel système interrompu</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Mauvais descripteur de fichier</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Descripteur de fichier obsolète</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Tube brisé</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>line %1: &quot;%2&quot;</source>
        <translation>ligne %1&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) not recognised</source>
        <translation>
            <numerusform>%n ligne non reconnue</numerusform>
            <numerusform>%n lignes non reconnues</numerusform>
        </translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4.</source>
        <translation>%1&#xa0;: %2, %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) read</source>
        <translation>
            <numerusform>%n réglage lu</numerusform>
            <numerusform>%n réglages lus</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of this file end in CR alone: it is read as one line.</source>
        <translation>Les lignes de ce fichier se terminent par un CR seul&#xa0;: il est lu comme une seule ligne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused (accepts %2)</source>
        <translation>«&#xa0;%1&#xa0;» refusée (accepte %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2</source>
        <translation>«&#xa0;%1&#xa0;» lue comme %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets %2 again; line %3&apos;s value is replaced</source>
        <translation>«&#xa0;%1&#xa0;» règle à nouveau %2&#xa0;; la valeur de la ligne %3 est remplacée</translation>
    </message>
    <message>
        <source>lines end in CR alone; read as one line</source>
        <translation>lignes terminées par un CR seul&#xa0;; lu comme une seule ligne</translation>
    </message>
    <message>
        <source>%1 %2 is beyond what the form shows</source>
        <translation>%1 à %2 dépasse ce que le formulaire affiche</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n ligne refusée</numerusform>
            <numerusform>%n lignes refusées</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; not recognised</source>
        <translation>«&#xa0;%1&#xa0;» non reconnue</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Subject: Orvel Support Request (From:</source>
        <translation>Objet : Demande d&apos;assistance Orvel (De :</translation>
    </message>
    <message>
        <source>Here: your question...</source>
        <translation>Ici : votre question...</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Generate Configuration File</source>
        <translation>Générer le fichier de configuration</translation>
    </message>
    <message>
        <source>Create configuration file done!</source>
        <translation>Fichier de configuration créé&#xa0;!</translation>
    </message>
    <message>
        <source>Impossible to create configuration file!</source>
        <translation>Impossible de créer le fichier de configuration&#xa0;!</translation>
    </message>
    <message>
        <source>Open Configuration File</source>
        <translation>Ouvrir un fichier de configuration</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Importer un fichier de configuration</translation>
    </message>
    <message>
        <source>The specified configuration file does not exist!</source>
        <translation>Le fichier de configuration indiqué n&apos;existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be opened!</source>
        <translation>Le fichier de configuration indiqué ne peut pas être ouvert&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Import configuration file done!</source>
        <translation>Importation du fichier de configuration terminée&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Contact Technical Support</source>
        <translation>&amp;Contacter le support technique</translation>
    </message>
    <message>
        <source>&amp;Orvel Home Page</source>
        <translation>Page d&apos;&amp;accueil d&apos;Orvel</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
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
        <translation>&amp;Générer le fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Import Configuration File</source>
        <translation>&amp;Importer un fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Apply Default Settings</source>
        <translation>&amp;Appliquer les réglages par défaut</translation>
    </message>
    <message>
        <source>Apply Default Settings</source>
        <translation>Appliquer les réglages par défaut</translation>
    </message>
    <message>
        <source>&amp;Select All Options</source>
        <translation>&amp;Sélectionner toutes les options</translation>
    </message>
    <message>
        <source>&amp;Unselect All options</source>
        <translation>&amp;Désélectionner toutes les options</translation>
    </message>
    <message>
        <source>Select All Options</source>
        <translation>Sélectionner toutes les options</translation>
    </message>
    <message>
        <source>Unselect All options</source>
        <translation>Désélectionner toutes les options</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Langues</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>No Monitoring Mode</source>
        <translation>Sans surveillance</translation>
    </message>
    <message>
        <source>Daisy Chain Mode</source>
        <translation>Mode en chaîne</translation>
    </message>
    <message>
        <source>Monitoring Mode</source>
        <translation>Surveillance</translation>
    </message>
    <message>
        <source>Advanced Monitoring Mode</source>
        <translation>Surveillance avancée</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next_Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
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
        <translation>Dossier </translation>
    </message>
    <message>
        <source>Serial Command </source>
        <translation>Commande série </translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID&#xa0;:</translation>
    </message>
    <message>
        <source>Player ID (#ID)</source>
        <translation>Identifiant du lecteur (#ID)</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Player digital volume (#VOLUME)</source>
        <translation>Volume numérique du lecteur (#VOLUME)</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Alimentation&#xa0;:</translation>
    </message>
    <message>
        <source>Energy Saving Mode (#POWER)</source>
        <translation>Mode économie d&apos;énergie (#POWER)</translation>
    </message>
    <message>
        <source>Monitoring:</source>
        <translation>Surveillance&#xa0;:</translation>
    </message>
    <message>
        <source>Serial monitoring mode (#RS_MONITORING)</source>
        <translation>Surveillance série (#RS_MONITORING)</translation>
    </message>
    <message>
        <source>Boot:</source>
        <translation>Démarrage&#xa0;:</translation>
    </message>
    <message>
        <source>Default boot folder (#BOOT)</source>
        <translation>Dossier de démarrage (#BOOT)</translation>
    </message>
    <message>
        <source>Input 01:</source>
        <translation>Entrée 01&#xa0;:</translation>
    </message>
    <message>
        <source>Input 1 function (#INPUT01)</source>
        <translation>Fonction de l&apos;entrée 1 (#INPUT01)</translation>
    </message>
    <message>
        <source>Input 02:</source>
        <translation>Entrée 02&#xa0;:</translation>
    </message>
    <message>
        <source>Input 2 function (#INPUT02)</source>
        <translation>Fonction de l&apos;entrée 2 (#INPUT02)</translation>
    </message>
    <message>
        <source>Input 03:</source>
        <translation>Entrée 03&#xa0;:</translation>
    </message>
    <message>
        <source>Input 3 function (#INPUT03)</source>
        <translation>Fonction de l&apos;entrée 3 (#INPUT03)</translation>
    </message>
    <message>
        <source>Input 04:</source>
        <translation>Entrée 04&#xa0;:</translation>
    </message>
    <message>
        <source>Input 4 function (#INPUT04)</source>
        <translation>Fonction de l&apos;entrée 4 (#INPUT04)</translation>
    </message>
    <message>
        <source>Input 05:</source>
        <translation>Entrée 05&#xa0;:</translation>
    </message>
    <message>
        <source>Input 5 function (#INPUT05)</source>
        <translation>Fonction de l&apos;entrée 5 (#INPUT05)</translation>
    </message>
    <message>
        <source>Input 06:</source>
        <translation>Entrée 06&#xa0;:</translation>
    </message>
    <message>
        <source>Input 6 function (#INPUT06)</source>
        <translation>Fonction de l&apos;entrée 6 (#INPUT06)</translation>
    </message>
    <message>
        <source>Input 07:</source>
        <translation>Entrée 07&#xa0;:</translation>
    </message>
    <message>
        <source>Input 7 function (#INPUT07)</source>
        <translation>Fonction de l&apos;entrée 7 (#INPUT07)</translation>
    </message>
    <message>
        <source>Input 08:</source>
        <translation>Entrée 08&#xa0;:</translation>
    </message>
    <message>
        <source>Input 8 function (#INPUT08)</source>
        <translation>Fonction de l&apos;entrée 8 (#INPUT08)</translation>
    </message>
    <message>
        <source>Input 09:</source>
        <translation>Entrée 09&#xa0;:</translation>
    </message>
    <message>
        <source>Input 9 function (#INPUT09)</source>
        <translation>Fonction de l&apos;entrée 9 (#INPUT09)</translation>
    </message>
    <message>
        <source>Input 10:</source>
        <translation>Entrée 10&#xa0;:</translation>
    </message>
    <message>
        <source>Input 10 function (#INPUT10)</source>
        <translation>Fonction de l&apos;entrée 10 (#INPUT10)</translation>
    </message>
    <message>
        <source>Input 11:</source>
        <translation>Entrée 11&#xa0;:</translation>
    </message>
    <message>
        <source>Input 11 function (#INPUT11)</source>
        <translation>Fonction de l&apos;entrée 11 (#INPUT11)</translation>
    </message>
    <message>
        <source>Input 12:</source>
        <translation>Entrée 12&#xa0;:</translation>
    </message>
    <message>
        <source>Input 12 function (#INPUT12)</source>
        <translation>Fonction de l&apos;entrée 12 (#INPUT12)</translation>
    </message>
    <message>
        <source>Input 13:</source>
        <translation>Entrée 13&#xa0;:</translation>
    </message>
    <message>
        <source>Input 13 function (#INPUT13)</source>
        <translation>Fonction de l&apos;entrée 13 (#INPUT13)</translation>
    </message>
    <message>
        <source>Input 14:</source>
        <translation>Entrée 14&#xa0;:</translation>
    </message>
    <message>
        <source>Input 14 function (#INPUT14)</source>
        <translation>Fonction de l&apos;entrée 14 (#INPUT14)</translation>
    </message>
    <message>
        <source>Input 15:</source>
        <translation>Entrée 15&#xa0;:</translation>
    </message>
    <message>
        <source>Input 15 function (#INPUT15)</source>
        <translation>Fonction de l&apos;entrée 15 (#INPUT15)</translation>
    </message>
    <message>
        <source>Button 1:</source>
        <translation>Bouton 1&#xa0;:</translation>
    </message>
    <message>
        <source>Button 1 function (#BUTTON1)</source>
        <translation>Fonction du bouton 1 (#BUTTON1)</translation>
    </message>
    <message>
        <source>Button 2:</source>
        <translation>Bouton 2&#xa0;:</translation>
    </message>
    <message>
        <source>Button 2 function (#BUTTON2)</source>
        <translation>Fonction du bouton 2 (#BUTTON2)</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Serial port Baudrate (#BAUDRATE)</source>
        <translation>Débit du port série (#BAUDRATE)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Generate for Several Units</source>
        <translation>Générer pour plusieurs unités</translation>
    </message>
    <message>
        <source>These files exist already. Replace them?</source>
        <translation>Ces fichiers existent déjà. Les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Unit %1 of %2</source>
        <translation>Unité %1 sur %2</translation>
    </message>
    <message>
        <source>Files written: %1.</source>
        <translation>Fichiers écrits&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Stopped by the user.</source>
        <translation>Arrêté par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Files not written, and why:</source>
        <translation>Fichiers non écrits, et pourquoi&#xa0;:</translation>
    </message>
    <message>
        <source>Generate for Several U&amp;nits...</source>
        <translation>Générer pour &amp;plusieurs unités...</translation>
    </message>
    <message>
        <source>File Preview</source>
        <translation>Aperçu du fichier</translation>
    </message>
    <message>
        <source>(empty file)</source>
        <translation>(fichier vide)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>File &amp;Preview</source>
        <translation>&amp;Aperçu du fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; was refused; the row keeps %3.</source>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» a été refusée&#xa0;; le réglage reste à %3.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; was read as %3.</source>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» a été lue comme %3.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: &quot;%2&quot; was read as %3; the unit reads %n digit(s).</source>
        <translation>
            <numerusform>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» a été lue comme %3&#xa0;; l&apos;unité lit %n chiffre.</numerusform>
            <numerusform>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» a été lue comme %3&#xa0;; l&apos;unité lit %n chiffres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to &amp;Cards...</source>
        <translation>Écrire sur les &amp;cartes...</translation>
    </message>
    <message>
        <source>%1 Change</source>
        <translation>la modification de la ligne %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>les modifications</translation>
    </message>
    <message>
        <source>Default Settings</source>
        <translation>les réglages par défaut</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>la sélection de toutes les options</translation>
    </message>
    <message>
        <source>Unselect All</source>
        <translation>la désélection de toutes les options</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>l&apos;importation</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1 sets %2 again; line %3&apos;s value is replaced.</source>
        <translation>La ligne %1 règle à nouveau %2&#xa0;; la valeur de la ligne %3 est remplacée.</translation>
    </message>
    <message>
        <source>Line %1: the file&apos;s %2 is %3; the form shows and writes %4.</source>
        <translation>Ligne %1&#xa0;: le fichier donne %3 pour %2&#xa0;; le formulaire affiche et écrit %4.</translation>
    </message>
    <message>
        <source>%1: warning</source>
        <translation>%1&#xa0;: avertissement</translation>
    </message>
    <message>
        <source>%1: note</source>
        <translation>%1&#xa0;: remarque</translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) like these.</source>
        <translation>
            <numerusform>%n autre ligne semblable.</numerusform>
            <numerusform>%n autres lignes semblables.</numerusform>
        </translation>
    </message>
    <message>
        <source>More Tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>Files written: %1 (%2).</source>
        <translation>Fichiers écrits&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source>Cards written: %1 (%2).</source>
        <translation>Cartes écrites&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source>Cards checked: %1, the same as the form: %2.</source>
        <translation>Cartes vérifiées&#xa0;: %1, identiques au formulaire&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>la saisie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Comparer avec un &amp;fichier...</translation>
    </message>
    <message>
        <source>Import &amp;Recent</source>
        <translation>Importer un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Values Reset</source>
        <translation>la réinitialisation des valeurs</translation>
    </message>
    <message>
        <source>No card was written.</source>
        <translation>Aucune carte n&apos;a été écrite.</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>IDs %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>the folder name must hold %1</source>
        <translation>le nom du dossier doit contenir %1</translation>
    </message>
    <message>
        <source>the folder name must name one folder</source>
        <translation>le nom du dossier doit nommer un seul dossier</translation>
    </message>
    <message>
        <source>Windows takes no &lt; &gt; : &quot; | ? or * in a folder name</source>
        <translation>Windows n&apos;accepte aucun &lt; &gt; : &quot; | ? ou * dans un nom de dossier</translation>
    </message>
    <message>
        <source>Windows takes no control character in a folder name</source>
        <translation>Windows n&apos;accepte aucun caractère de contrôle dans un nom de dossier</translation>
    </message>
    <message>
        <source>Windows takes no folder name that ends in a dot or a blank</source>
        <translation>Windows n&apos;accepte aucun nom de dossier qui finit par un point ou une espace</translation>
    </message>
    <message>
        <source>Windows keeps the name %1 for a device</source>
        <translation>Windows réserve le nom %1 à un périphérique</translation>
    </message>
</context>
<context>
    <name>UnitsDialog</name>
    <message>
        <source>Generate for Several Units</source>
        <translation>Générer pour plusieurs unités</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;First ID:</source>
        <translation>P&amp;remier ID&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Last ID:</source>
        <translation>&amp;Dernier ID&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>D&amp;ossier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Unit folder:</source>
        <translation>Dossier de l&apos;&amp;unité&#xa0;:</translation>
    </message>
    <message>
        <source>%1 stands for the unit&apos;s ID, in three digits.</source>
        <translation>%1 est l&apos;ID de l&apos;unité, en trois chiffres.</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Folder for the Units</source>
        <translation>Dossier des unités</translation>
    </message>
    <message>
        <source>The last ID is below the first</source>
        <translation>Le dernier ID est inférieur au premier</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choisissez un dossier</translation>
    </message>
</context>
</TS>
