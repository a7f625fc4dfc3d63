<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlbumPage</name>
    <message>
        <source>The page cannot be drawn at this zoom.</source>
        <translation>La page ne peut pas être dessinée à ce zoom.</translation>
    </message>
</context>
<context>
    <name>AlbumViewerLayout</name>
    <message>
        <source>File Name: %1</source>
        <translation>Nom du fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>File Size: %1 Bytes</source>
        <translation>Taille du fichier&#xa0;: %1 octets</translation>
    </message>
    <message>
        <source>Width: %1 Pixels</source>
        <translation>Largeur&#xa0;: %1 pixels</translation>
    </message>
    <message>
        <source>Height: %1 Pixels</source>
        <translation>Hauteur&#xa0;: %1 pixels</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Quenbrook</source>
        <translation>Quenbrook</translation>
    </message>
    <message>
        <source>Picture Album</source>
        <translation>Album photo</translation>
    </message>
    <message>
        <source>Browse folders of pictures and print them as album pages</source>
        <translation>Parcourir des dossiers d&apos;images et les imprimer en pages d&apos;album</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Nothing more could be written.</source>
        <translation>Plus rien n&apos;a pu être écrit.</translation>
    </message>
    <message>
        <source>The spool file in %1</source>
        <translation>Le fichier d&apos;impression dans %1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>La sortie standard</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Le fichier %1</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>C&apos;est un dossier.</translation>
    </message>
    <message>
        <source>It is neither a file, a FIFO nor a character device.</source>
        <translation>Ce n&apos;est ni un fichier, ni une FIFO, ni un périphérique en mode caractère.</translation>
    </message>
    <message>
        <source>The document is not open.</source>
        <translation>Le document n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Only part of the data was written.</source>
        <translation>Seule une partie des données a été écrite.</translation>
    </message>
    <message>
        <source>It was stopped before it was complete.</source>
        <translation>Il a été arrêté avant d&apos;être complet.</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <source>The output file %1 is a folder; the album is a file, like -o album.pdf.</source>
        <translation>Le fichier de sortie %1 est un dossier&#xa0;; l&apos;album est un fichier, par exemple -o album.pdf.</translation>
    </message>
    <message>
        <source>The output file %1 ends as a folder&apos;s name does, but there is no such folder; the album is a file, like -o album.pdf.</source>
        <translation>Le fichier de sortie %1 se termine comme un nom de dossier, mais ce dossier n&apos;existe pas&#xa0;; l&apos;album est un fichier, par exemple -o album.pdf.</translation>
    </message>
    <message>
        <source>The folder of the output file %1 cannot be used: %2</source>
        <translation>Le dossier du fichier de sortie %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The output file has no name.</source>
        <translation>Le fichier de sortie n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>The output file %1 cannot be used: %2</source>
        <translation>Le fichier de sortie %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Picture is larger than the printable range!<byte value="xd"/>
Abort Print!</source>
        <translation>L&apos;image est plus grande que la zone imprimable&#xa0;!<byte value="xd"/>
Impression abandonnée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>damaged bitmap</source>
        <translation>bitmap endommagé</translation>
    </message>
    <message>
        <source>damaged record</source>
        <translation>enregistrement endommagé</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>tronqué</translation>
    </message>
    <message>
        <source>no reference device</source>
        <translation>aucun périphérique de référence</translation>
    </message>
    <message>
        <source>too much drawing</source>
        <translation>trop de dessin</translation>
    </message>
    <message>
        <source>%1 × %2 mm</source>
        <translation>%1&#xa0;×&#xa0;%2&#xa0;mm</translation>
    </message>
    <message>
        <source>a file of %1 MB</source>
        <translation>un fichier de %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>its frame is empty</source>
        <translation>son cadre est vide</translation>
    </message>
    <message>
        <source>a bitmap of %1 × %2 pixels</source>
        <translation>un bitmap de %1&#xa0;×&#xa0;%2 pixels</translation>
    </message>
    <message>
        <source>bitmaps of over %1 million pixels in all</source>
        <translation>des bitmaps de plus de %1 millions de pixels au total</translation>
    </message>
    <message>
        <source>over %1 records</source>
        <translation>plus de %1 enregistrements</translation>
    </message>
    <message>
        <source>over %1 drawing objects</source>
        <translation>plus de %1 objets de dessin</translation>
    </message>
    <message>
        <source>over %1 nested saved states</source>
        <translation>plus de %1 états sauvegardés imbriqués</translation>
    </message>
    <message>
        <source>over %1 points</source>
        <translation>plus de %1 points</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>run-length bitmap</source>
        <translation>bitmap compressé RLE</translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation>métafichier Windows</translation>
    </message>
    <message>
        <source>enhanced metafile</source>
        <translation>métafichier amélioré</translation>
    </message>
    <message>
        <source>GIF picture</source>
        <translation>image GIF</translation>
    </message>
    <message>
        <source>JPEG picture</source>
        <translation>image JPEG</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>icône</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>curseur</translation>
    </message>
    <message>
        <source>not a readable %1</source>
        <translation>%1 illisible</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>image trop grande</translation>
    </message>
    <message>
        <source>loading was interrupted</source>
        <translation>le chargement a été interrompu</translation>
    </message>
    <message>
        <source>%1 MB of comments and other notes</source>
        <translation>%1&#xa0;Mo de commentaires et autres notes</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1&#xa0;×&#xa0;%2 pixels</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>the %1 does not say how big it is</source>
        <translation>le fichier (%1) n&apos;indique pas sa taille</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a picture type that can be opened</source>
        <translation>pas un type d&apos;image qui peut être ouvert</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>its drawing is stretched %1 times</source>
        <translation>son dessin est étiré %1 fois</translation>
    </message>
    <message>
        <source>no units per inch</source>
        <translation>aucune unité par pouce</translation>
    </message>
    <message>
        <source>its window lies outside its coordinates</source>
        <translation>sa fenêtre est hors de ses coordonnées</translation>
    </message>
    <message>
        <source>%1 × %2 pixels in %3 scans</source>
        <translation>%1 × %2 pixels en %3 passes</translation>
    </message>
    <message>
        <source>over %1 s to draw</source>
        <translation>plus de %1 s pour le dessiner</translation>
    </message>
    <message>
        <source>over %1 MB to draw</source>
        <translation>plus de %1 Mo pour le dessiner</translation>
    </message>
    <message>
        <source>%1 cannot be started</source>
        <translation>%1 ne peut pas être lancé</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>image PNG</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>image TIFF</translation>
    </message>
    <message>
        <source>WebP picture</source>
        <translation>image WebP</translation>
    </message>
    <message>
        <source>HEIC picture</source>
        <translation>image HEIC</translation>
    </message>
    <message>
        <source>HEIF picture</source>
        <translation>image HEIF</translation>
    </message>
    <message>
        <source>AVIF picture</source>
        <translation>image AVIF</translation>
    </message>
</context>
<context>
    <name>PreviewSurface</name>
    <message>
        <source>There is not enough memory to show the page.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour afficher la page.</translation>
    </message>
    <message>
        <source>The page is too large to show.</source>
        <translation>La page est trop grande pour être affichée.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>The printer %1 did not accept the job.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté la tâche.</translation>
    </message>
    <message>
        <source>No printer is chosen.</source>
        <translation>Aucune imprimante n&apos;est choisie.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>The printer %1 is not installed.</source>
        <translation>L&apos;imprimante %1 n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>The printer %1 cannot be used.</source>
        <translation>L&apos;imprimante %1 ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>No file name was given for the PDF.</source>
        <translation>Aucun nom de fichier n&apos;a été donné pour le PDF.</translation>
    </message>
    <message>
        <source>The printer %1 cannot be opened.</source>
        <translation>L&apos;imprimante %1 ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The printer %1 cannot end the document.</source>
        <translation>L&apos;imprimante %1 ne peut pas terminer le document.</translation>
    </message>
    <message>
        <source>The printer %1 cannot start a new page.</source>
        <translation>L&apos;imprimante %1 ne peut pas commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>The job was stopped before it was sent.</source>
        <translation>La tâche a été arrêtée avant d&apos;être envoyée.</translation>
    </message>
</context>
<context>
    <name>Printers</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer au format PDF</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source>Can&apos;t find the printer!<byte value="xd"/>
Quenbrook Stops!</source>
        <translation>Imprimante introuvable&#xa0;!<byte value="xd"/>
Quenbrook s&apos;arrête&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t find the printer!<byte value="xd"/>
You may only run the Album Viewer!</source>
        <translation>Imprimante introuvable&#xa0;!<byte value="xd"/>
Seule la visionneuse d&apos;album peut être utilisée&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t Open the File!</source>
        <translation>Impossible d&apos;ouvrir le fichier&#xa0;!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être ouvert.</translation>
    </message>
</context>
<context>
    <name>RunPrintJob</name>
    <message>
        <source>The PDF file %1 is the picture %2 of the print list.<byte value="xd"/>
Choose another file name.</source>
        <translation>Le fichier PDF %1 est l&apos;image %2 de la liste d&apos;impression.<byte value="xd"/>
Choisissez un autre nom de fichier.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 is not a regular file, so it is left alone: settings are neither read from it nor saved.</source>
        <translation>Le fichier de réglages %1 n&apos;est pas un fichier ordinaire&#xa0;; il est donc laissé tel quel&#xa0;: les réglages n&apos;y sont ni lus ni enregistrés.</translation>
    </message>
</context>
<context>
    <name>quenbrook</name>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Usage: %1 [%2 %4 | %3 %4]</source>
        <translation>Utilisation&#xa0;: %1 [%2 %4 | %3 %4]</translation>
    </message>
    <message>
        <source>Browses folders of pictures and prints them as album pages. Started with no switch, it opens the main window that was closed last. One Quenbrook runs at a time: a later start hands its switch to the running one and ends.</source>
        <translation>Parcourt des dossiers d&apos;images et les imprime en pages d&apos;album. Lancé sans option, il ouvre la fenêtre principale fermée en dernier. Un seul Quenbrook s&apos;exécute à la fois&#xa0;: un lancement ultérieur transmet son option à celui en cours et se termine.</translation>
    </message>
    <message>
        <source>Add the file to the Album Printer&apos;s print list.</source>
        <translation>Ajouter le fichier à la liste d&apos;impression de l&apos;Imprimante d&apos;album.</translation>
    </message>
    <message>
        <source>Open the file in a new Image Viewer.</source>
        <translation>Ouvrir le fichier dans une nouvelle visionneuse d&apos;images.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>The switches are written as shown, letter case included; everything after a switch names its file. quenbrook-album prints albums from a terminal, with no window.</source>
        <translation>Les options s&apos;écrivent comme indiqué, casse comprise&#xa0;; tout ce qui suit une option désigne son fichier. quenbrook-album imprime des albums depuis un terminal, sans fenêtre.</translation>
    </message>
</context>
<context>
    <name>quenbrook-album</name>
    <message>
        <source>A cell %1 wide does not fit across the printable area, %2 wide: it is %3 too wide.</source>
        <translation>Une cellule de %1 de large ne tient pas dans la largeur de la zone imprimable, %2&#xa0;: elle est trop large de %3.</translation>
    </message>
    <message>
        <source>A cell %1 high</source>
        <translation>Une cellule de %1 de haut</translation>
    </message>
    <message>
        <source> and its label, %1 in all,</source>
        <translation> avec son étiquette, %1 en tout,</translation>
    </message>
    <message>
        <source>the printable area, %1 high</source>
        <translation>la zone imprimable, haute de %1</translation>
    </message>
    <message>
        <source> (%1 below the header and above the footer)</source>
        <translation> (%1 sous l&apos;en-tête et au-dessus du pied de page)</translation>
    </message>
    <message>
        <source>%1 does not fit down %2: it is %3 too high.</source>
        <translation>%1 ne tient pas dans la hauteur de %2&#xa0;: elle est trop haute de %3.</translation>
    </message>
    <message>
        <source>The cells (%1 wide, %2 high, %3 and %4 apart) make no grid on a printable area %5 wide and %6 high.</source>
        <translation>Les cellules (%1 de large, %2 de haut, espacées de %3 et %4) ne forment aucune grille sur une zone imprimable de %5 de large et %6 de haut.</translation>
    </message>
    <message>
        <source>a folder, not a picture file</source>
        <translation>un dossier, pas un fichier d&apos;image</translation>
    </message>
    <message>
        <source>not a regular file (%1)</source>
        <translation>pas un fichier ordinaire (%1)</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>une FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a hidden file, which the program does not open</source>
        <translation>un fichier caché, que le programme n&apos;ouvre pas</translation>
    </message>
    <message>
        <source>The output file %1 leads to the picture %2.</source>
        <translation>Le fichier de sortie %1 mène à l&apos;image %2.</translation>
    </message>
    <message>
        <source>The output file %1 is the picture %2.</source>
        <translation>Le fichier de sortie %1 est l&apos;image %2.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>[%1] page %2 of %3, picture %4 of %5  %6</source>
        <translation>[%1] page %2 sur %3, image %4 sur %5  %6</translation>
    </message>
    <message>
        <source>Done: %1, %2, %3</source>
        <translation>Terminé&#xa0;: %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1 image</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>a length of 0 or more, like 0.2, 0.5cm, 5mm</source>
        <translation>une longueur de 0 ou plus, comme 0.2, 0.5cm, 5mm</translation>
    </message>
    <message>
        <source>a length above 0, like 2, 2.5in, 6cm, 60mm</source>
        <translation>une longueur supérieure à 0, comme 2, 2.5in, 6cm, 60mm</translation>
    </message>
    <message>
        <source>pages FROM-TO counted from 1, like 2-5, 2- or 3</source>
        <translation>des pages DE-À comptées à partir de 1, comme 2-5, 2- ou 3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 et %2 ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: expected %3.</source>
        <translation>%1 «&#xa0;%2&#xa0;»&#xa0;: attendu %3.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] -o album.pdf PICTURE...
       %1 [options] -P PRINTER PICTURE...
</source>
        <translation>Utilisation&#xa0;: %1 [options] -o album.pdf IMAGE...
              %1 [options] -P IMPRIMANTE IMAGE...
</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more.
</source>
        <translation>Voir «&#xa0;%1 --help&#xa0;» pour en savoir plus.
</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Write the album to this PDF file (&quot;-&quot;: standard output). Nothing is written until every page is done.</source>
        <translation>Écrire l&apos;album dans ce fichier PDF («&#xa0;-&#xa0;»&#xa0;: sortie standard). Rien n&apos;est écrit avant que chaque page soit prête.</translation>
    </message>
    <message>
        <source>Print on this CUPS printer instead.</source>
        <translation>Imprimer plutôt sur cette imprimante CUPS.</translation>
    </message>
    <message>
        <source>Paths on standard input (&quot;-&quot;) are ended by NUL bytes, as find -print0 writes them.</source>
        <translation>Les chemins sur l&apos;entrée standard («&#xa0;-&#xa0;») se terminent par des octets NUL, comme les écrit find -print0.</translation>
    </message>
    <message>
        <source>Show no progress. Progress, ending in a summary, is shown only when standard error is a terminal; as plain text when TERM=dumb or NO_COLOR is set.</source>
        <translation>N&apos;afficher aucune progression. La progression, suivie d&apos;un résumé, n&apos;est affichée que si la sortie d&apos;erreur est un terminal&#xa0;; en texte brut si TERM=dumb ou NO_COLOR est défini.</translation>
    </message>
    <message>
        <source>The album&apos;s unit: inch or cm. The user&apos;s lengths are converted to it.</source>
        <translation>L&apos;unité de l&apos;album&#xa0;: inch ou cm. Les longueurs de l&apos;utilisateur y sont converties.</translation>
    </message>
    <message>
        <source>Width of a picture&apos;s cell.</source>
        <translation>Largeur de la cellule d&apos;une image.</translation>
    </message>
    <message>
        <source>Height of a picture&apos;s cell.</source>
        <translation>Hauteur de la cellule d&apos;une image.</translation>
    </message>
    <message>
        <source>Space between the columns.</source>
        <translation>Espace entre les colonnes.</translation>
    </message>
    <message>
        <source>Space between the rows.</source>
        <translation>Espace entre les rangées.</translation>
    </message>
    <message>
        <source>Space between a cell and its label.</source>
        <translation>Espace entre une cellule et son étiquette.</translation>
    </message>
    <message>
        <source>Label of each picture: none, name (the file&apos;s name) or path (the path as given).</source>
        <translation>Étiquette de chaque image&#xa0;: none (aucune), name (le nom du fichier) ou path (le chemin tel que donné).</translation>
    </message>
    <message>
        <source>Labels above or below their cells.</source>
        <translation>Étiquettes au-dessus ou au-dessous de leurs cellules.</translation>
    </message>
    <message>
        <source>A header line with this text.</source>
        <translation>Une ligne d&apos;en-tête avec ce texte.</translation>
    </message>
    <message>
        <source>The page number as the header.</source>
        <translation>Le numéro de page comme en-tête.</translation>
    </message>
    <message>
        <source>No header.</source>
        <translation>Pas d&apos;en-tête.</translation>
    </message>
    <message>
        <source>Header at the left, center or right.</source>
        <translation>En-tête à gauche, au centre ou à droite.</translation>
    </message>
    <message>
        <source>A footer line with this text.</source>
        <translation>Une ligne de pied de page avec ce texte.</translation>
    </message>
    <message>
        <source>The page number as the footer.</source>
        <translation>Le numéro de page comme pied de page.</translation>
    </message>
    <message>
        <source>No footer.</source>
        <translation>Pas de pied de page.</translation>
    </message>
    <message>
        <source>Footer at the left, center or right.</source>
        <translation>Pied de page à gauche, au centre ou à droite.</translation>
    </message>
    <message>
        <source>Center the grid in the printable area.</source>
        <translation>Centrer la grille dans la zone imprimable.</translation>
    </message>
    <message>
        <source>Start the grid at the printable area&apos;s top-left corner.</source>
        <translation>Commencer la grille au coin supérieur gauche de la zone imprimable.</translation>
    </message>
    <message>
        <source>The document&apos;s title, in the PDF and as the print job&apos;s name (default: the output file&apos;s name without its extension).</source>
        <translation>Le titre du document, dans le PDF et comme nom de la tâche d&apos;impression (par défaut&#xa0;: le nom du fichier de sortie sans son extension).</translation>
    </message>
    <message>
        <source>portrait or landscape.</source>
        <translation>portrait ou landscape (paysage).</translation>
    </message>
    <message>
        <source>Most pixels per inch of a picture on paper: %1 (the printer&apos;s own).</source>
        <translation>Nombre maximal de pixels par pouce d&apos;une image sur le papier&#xa0;: %1 (printer&#xa0;: celui de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>Print only pages FROM to TO of the album: 2-5, 2- (to the end) or 3; a TO past the end means the last page.</source>
        <translation>N&apos;imprimer que les pages DE à À de l&apos;album&#xa0;: 2-5, 2- (jusqu&apos;à la fin) ou 3&#xa0;; un À au-delà de la fin désigne la dernière page.</translation>
    </message>
    <message>
        <source>--output and --printer cannot be given together.</source>
        <translation>--output et --printer ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>Say where the album goes: -o FILE or -P PRINTER.</source>
        <translation>Indiquez où va l&apos;album&#xa0;: -o FICHIER ou -P IMPRIMANTE.</translation>
    </message>
    <message>
        <source>The output file %1 is named like a picture; the album is a PDF file, like -o album.pdf.</source>
        <translation>Le fichier de sortie %1 porte un nom d&apos;image&#xa0;; l&apos;album est un fichier PDF, comme -o album.pdf.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>Aucune image n&apos;a été donnée.</translation>
    </message>
    <message>
        <source>No pictures were found in %1.</source>
        <translation>Aucune image n&apos;a été trouvée dans %1.</translation>
    </message>
    <message>
        <source>Interrupted; nothing was printed.</source>
        <translation>Interrompu&#xa0;; rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>Prints pictures as album pages, as Quenbrook&apos;s Album Printer does: a grid of equal cells
inside the printable area, each picture scaled into its cell keeping its proportions.
Settings not given here are the user&apos;s Album Printer settings.

Lengths are numbers in the album&apos;s unit (--unit, else the Album Printer&apos;s), or with &quot;in&quot;,
&quot;cm&quot; or &quot;mm&quot; after them, in any letter case: 2, 2.5in, 6cm, 25MM. The decimal point
is &quot;.&quot; in every language.

Messages name a picture by its path as given, or by the folder given and its name.

Exit status: 0 done, 1 a picture, the layout, the printer or the output failed (an older
output file is then left as it was), 2 the command line is wrong.</source>
        <translation>Imprime des images en pages d&apos;album, comme l&apos;imprimante d&apos;album de Quenbrook&#xa0;: une grille de
cellules égales dans la zone imprimable, chaque image ajustée à sa cellule en gardant ses
proportions. Les réglages non donnés ici sont ceux de l&apos;imprimante d&apos;album de l&apos;utilisateur.

Les longueurs sont des nombres dans l&apos;unité de l&apos;album (--unit, sinon celle de l&apos;imprimante
d&apos;album), ou suivis de «&#xa0;in&#xa0;», «&#xa0;cm&#xa0;» ou «&#xa0;mm&#xa0;», en majuscules ou minuscules&#xa0;: 2, 2.5in,
6cm, 25MM. Le séparateur décimal est «&#xa0;.&#xa0;» dans toutes les langues.

Les messages désignent une image par son chemin tel que donné, ou par le dossier donné et son nom.

Code de sortie&#xa0;: 0 terminé, 1 une image, la mise en page, l&apos;imprimante ou la sortie a échoué
(un ancien fichier de sortie reste alors tel quel), 2 la ligne de commande est incorrecte.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l&apos;un de %1</translation>
    </message>
    <message>
        <source>The album has %1 page, so it has no page %2.</source>
        <translation>L&apos;album a %1 page, il n&apos;a donc pas de page %2.</translation>
    </message>
    <message>
        <source>The album has %1 pages, so it has no page %2.</source>
        <translation>L&apos;album a %1 pages, il n&apos;a donc pas de page %2.</translation>
    </message>
    <message>
        <source>printer %1</source>
        <translation>imprimante %1</translation>
    </message>
    <message>
        <source>Standard input cannot be read: %1</source>
        <translation>L&apos;entrée standard ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>The list on standard input is longer than %1 MB; give the pictures in shorter lists, or as folders.</source>
        <translation>La liste sur l&apos;entrée standard dépasse %1 Mo&#xa0;; donnez les images en listes plus courtes, ou sous forme de dossiers.</translation>
    </message>
    <message>
        <source>A name on standard input is longer than %1 bytes, the longest path the system takes.</source>
        <translation>Un nom sur l&apos;entrée standard dépasse %1 octets, le plus long chemin que le système accepte.</translation>
    </message>
    <message>
        <source>Picture files (%1); folders, for their pictures in the order of the program&apos;s file lists; &quot;-&quot; for paths on standard input, one a line (with -0: each ended by a NUL byte).</source>
        <translation>Fichiers d&apos;image (%1)&#xa0;; dossiers, pour leurs images dans l&apos;ordre des listes de fichiers du programme&#xa0;; « - » pour des chemins sur l&apos;entrée standard, un par ligne (avec -0&#xa0;: chacun terminé par un octet NUL).</translation>
    </message>
    <message>
        <source>Paper size: A4, A3, A5, Letter, Legal, B5, Tabloid...; photo paper 4x6 or 5x7 (inches), 10x15 or 13x18 (cm); or any WxH with a unit, like 9x13cm or 8x10in (default: the printer&apos;s).</source>
        <translation>Format du papier&#xa0;: A4, A3, A5, Letter, Legal, B5, Tabloid…&#xa0;; papier photo 4x6 ou 5x7 (pouces), 10x15 ou 13x18 (cm)&#xa0;; ou tout LxH avec une unité, comme 9x13cm ou 8x10in (par défaut&#xa0;: celui de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>The paper, %1 × %2 %3, is smaller than one cell, %4 × %5 %3.</source>
        <translation>Le papier, %1 × %2 %3, est plus petit qu&apos;une cellule, %4 × %5 %3.</translation>
    </message>
    <message>
        <source>a paper of at most 1 m (100 cm, 39.37 in) a side</source>
        <translation>un papier d&apos;au plus 1 m (100 cm, 39,37 in) de côté</translation>
    </message>
    <message>
        <source>a paper size like A4, Letter, 4x6, 10x15, 10x15cm or 5x7in</source>
        <translation>un format de papier comme A4, Letter, 4x6, 10x15, 10x15cm ou 5x7in</translation>
    </message>
</context>
<context>
    <name>quenbrook::BandDialog</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police…</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pied de page</translation>
    </message>
</context>
<context>
    <name>quenbrook::FilePane</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>quenbrook::FontDialog</name>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Gras italique</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Font style</source>
        <translation>Style de police</translation>
    </message>
    <message>
        <source>Font styles</source>
        <translation>Styles de police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tailles</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbÉéÇçÀà</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>St&amp;yle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>There is no font with that name. Choose a font from the list of fonts.</source>
        <translation>Aucune police ne porte ce nom. Choisissez une police dans la liste.</translation>
    </message>
    <message>
        <source>The size must be a number of points above 0 and up to %1, with at most four decimals.</source>
        <translation>La taille doit être un nombre de points supérieur à 0 et jusqu&apos;à %1, avec au plus quatre décimales.</translation>
    </message>
</context>
<context>
    <name>quenbrook::OptionDialogBase</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>cm</translation>
    </message>
</context>
<context>
    <name>quenbrook::PrinterSetupDialog</name>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Portrait</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Pa&amp;ysage</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Browse the pictures of a folder and print them as album pages.</source>
        <translation>Parcourir les images d&apos;un dossier et les imprimer en pages d&apos;album.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Avertissement&#xa0;: ce programme est protégé par la loi sur le droit d&apos;auteur et par des traités internationaux. Toute copie ou diffusion non autorisée de tout ou partie de ce programme peut entraîner des sanctions civiles et pénales.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système…</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAlbumPrinter</name>
    <message>
        <source>Album Printer</source>
        <translation>Imprimante d&apos;album</translation>
    </message>
    <message>
        <source>Printer &amp;Setup....</source>
        <translation>&amp;Configuration de l&apos;imprimante…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>A&amp;perçu avant impression</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Album &amp;Viewer</source>
        <translation>&amp;Visionneuse d&apos;album</translation>
    </message>
    <message>
        <source>Album Viewer</source>
        <translation>Visionneuse d&apos;album</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Gif</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Jpeg</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>View Image</source>
        <translation>Afficher l&apos;image</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Label....</source>
        <translation>Étiquette…</translation>
    </message>
    <message>
        <source>Print Size....</source>
        <translation>Taille d&apos;impression…</translation>
    </message>
    <message>
        <source>Header....</source>
        <translation>En-tête…</translation>
    </message>
    <message>
        <source>Footer....</source>
        <translation>Pied de page…</translation>
    </message>
    <message>
        <source>Printer Resolution</source>
        <translation>Résolution de l&apos;imprimante</translation>
    </message>
    <message>
        <source>%1 ppi</source>
        <translation>%1&#xa0;ppp</translation>
    </message>
    <message>
        <source>Files on Disk :</source>
        <translation>Fichiers sur le disque&#xa0;:</translation>
    </message>
    <message>
        <source>Selected Files :</source>
        <translation>Fichiers choisis&#xa0;:</translation>
    </message>
    <message>
        <source>Add All</source>
        <translation>Tout
ajouter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout
retirer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Liste d&apos;impression</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Picture Resolution</source>
        <translation>Résolution des images</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Afficher le fichier</translation>
    </message>
    <message>
        <source>up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAlbumViewer</name>
    <message>
        <source>Album Viewer</source>
        <translation>Visionneuse d&apos;album</translation>
    </message>
    <message>
        <source>Album Printer</source>
        <translation>Imprimante d&apos;album</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Gif</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Jpeg</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>Première image</translation>
    </message>
    <message>
        <source>Previous 4th Picture</source>
        <translation>Quatre images en arrière</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Next PIcture</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Next 4th PIcture</source>
        <translation>Quatre images en avant</translation>
    </message>
    <message>
        <source>Last  PIcture</source>
        <translation>Dernière image</translation>
    </message>
    <message>
        <source>Add to Album Printer&apos;s Print List</source>
        <translation>Ajouter à la liste d&apos;impression de l&apos;imprimante d&apos;album</translation>
    </message>
    <message>
        <source>View Image</source>
        <translation>Afficher l&apos;image</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Album &amp;Printer</source>
        <translation>&amp;Imprimante d&apos;album</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Add to Album Print List</source>
        <translation>Ajouter à la liste d&apos;impression de l&apos;album</translation>
    </message>
    <message>
        <source>Inoformation</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Afficher le fichier</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>Select Drive</source>
        <translation>Choisir le lecteur</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Select Start File</source>
        <translation>Choisir le fichier de départ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>popup</source>
        <translation>menu contextuel</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmImageViewer</name>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmLabel</name>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File Path and Name</source>
        <translation>Chemin et nom du fichier</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police…</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Label Above Picture</source>
        <translation>Étiquette au-dessus de l&apos;image</translation>
    </message>
    <message>
        <source>Label Below Picture</source>
        <translation>Étiquette sous l&apos;image</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmOnPrinting</name>
    <message>
        <source>Print Page:%1<byte value="xd"/>
File Name: %2</source>
        <translation>Impression de la page&#xa0;: %1<byte value="xd"/>
Nom du fichier&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmPreview</name>
    <message>
        <source>Print Error!<byte value="xd"/>
Can&apos;t Preview</source>
        <translation>Erreur d&apos;impression&#xa0;!<byte value="xd"/>
Aperçu impossible</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Preview %1%</source>
        <translation>Aperçu avant impression %1&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Page : </source>
        <translation>Page&#xa0;: </translation>
    </message>
    <message>
        <source>Zoom :</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Show Printable Area</source>
        <translation>Zone imprimable</translation>
    </message>
    <message>
        <source>Show Picture Area</source>
        <translation>Zone des images</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmPrintSize</name>
    <message>
        <source>Set Print Size</source>
        <translation>Définir la taille d&apos;impression</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Taille de l&apos;image</translation>
    </message>
    <message>
        <source>Picture Height</source>
        <translation>Hauteur de l&apos;image</translation>
    </message>
    <message>
        <source>Picture Width</source>
        <translation>Largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Picture Spacing</source>
        <translation>Espacement des images</translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation>Espacement horizontal</translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation>Espacement vertical</translation>
    </message>
    <message>
        <source>Picture/Label Spacing</source>
        <translation>Espacement image/étiquette</translation>
    </message>
    <message>
        <source>Unit :</source>
        <translation>Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Picture size larger than paper size!!</source>
        <translation>La taille de l&apos;image dépasse celle du papier&#xa0;!</translation>
    </message>
    <message>
        <source>The paper size is </source>
        <translation>Le format du papier est </translation>
    </message>
</context>
</TS>
