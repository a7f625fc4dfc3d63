<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlbumPage</name>
    <message>
        <source>The page cannot be drawn at this zoom.</source>
        <translation>Die Seite kann in dieser Vergrößerung nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>AlbumViewerLayout</name>
    <message>
        <source>File Name: %1</source>
        <translation>Dateiname: %1</translation>
    </message>
    <message>
        <source>File Size: %1 Bytes</source>
        <translation>Dateigröße: %1 Bytes</translation>
    </message>
    <message>
        <source>Width: %1 Pixels</source>
        <translation>Breite: %1 Pixel</translation>
    </message>
    <message>
        <source>Height: %1 Pixels</source>
        <translation>Höhe: %1 Pixel</translation>
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
        <translation>Bildalbum</translation>
    </message>
    <message>
        <source>Browse folders of pictures and print them as album pages</source>
        <translation>Ordner mit Bildern durchsehen und als Albumseiten drucken</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Nothing more could be written.</source>
        <translation>Es konnte nichts mehr geschrieben werden.</translation>
    </message>
    <message>
        <source>The spool file in %1</source>
        <translation>Die Spool-Datei in %1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>Die Standardausgabe</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Die Datei %1</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is neither a file, a FIFO nor a character device.</source>
        <translation>Es ist weder eine Datei noch ein FIFO noch ein zeichenorientiertes Gerät.</translation>
    </message>
    <message>
        <source>The document is not open.</source>
        <translation>Das Dokument ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Only part of the data was written.</source>
        <translation>Nur ein Teil der Daten wurde geschrieben.</translation>
    </message>
    <message>
        <source>It was stopped before it was complete.</source>
        <translation>Sie wurde angehalten, bevor sie vollständig war.</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <source>The output file %1 is a folder; the album is a file, like -o album.pdf.</source>
        <translation>Die Ausgabedatei %1 ist ein Ordner; das Album ist eine Datei, etwa -o album.pdf.</translation>
    </message>
    <message>
        <source>The output file %1 ends as a folder&apos;s name does, but there is no such folder; the album is a file, like -o album.pdf.</source>
        <translation>Die Ausgabedatei %1 endet wie ein Ordnername, aber einen solchen Ordner gibt es nicht; das Album ist eine Datei, etwa -o album.pdf.</translation>
    </message>
    <message>
        <source>The folder of the output file %1 cannot be used: %2</source>
        <translation>Der Ordner der Ausgabedatei %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The output file has no name.</source>
        <translation>Die Ausgabedatei hat keinen Namen.</translation>
    </message>
    <message>
        <source>The output file %1 cannot be used: %2</source>
        <translation>Die Ausgabedatei %1 kann nicht verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Picture is larger than the printable range!<byte value="xd"/>
Abort Print!</source>
        <translation>Das Bild ist größer als der bedruckbare Bereich!<byte value="xd"/>
Drucken abgebrochen!</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>damaged bitmap</source>
        <translation>beschädigte Bitmap</translation>
    </message>
    <message>
        <source>damaged record</source>
        <translation>beschädigter Datensatz</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>vorzeitig zu Ende</translation>
    </message>
    <message>
        <source>no reference device</source>
        <translation>kein Referenzgerät</translation>
    </message>
    <message>
        <source>too much drawing</source>
        <translation>zu viele Zeichenbefehle</translation>
    </message>
    <message>
        <source>%1 × %2 mm</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>a file of %1 MB</source>
        <translation>eine Datei mit %1 MB</translation>
    </message>
    <message>
        <source>its frame is empty</source>
        <translation>sein Rahmen ist leer</translation>
    </message>
    <message>
        <source>a bitmap of %1 × %2 pixels</source>
        <translation>eine Bitmap mit %1 × %2 Pixeln</translation>
    </message>
    <message>
        <source>bitmaps of over %1 million pixels in all</source>
        <translation>Bitmaps mit insgesamt über %1 Millionen Pixeln</translation>
    </message>
    <message>
        <source>over %1 records</source>
        <translation>über %1 Datensätze</translation>
    </message>
    <message>
        <source>over %1 drawing objects</source>
        <translation>über %1 Zeichenobjekte</translation>
    </message>
    <message>
        <source>over %1 nested saved states</source>
        <translation>über %1 verschachtelte gespeicherte Zustände</translation>
    </message>
    <message>
        <source>over %1 points</source>
        <translation>über %1 Punkte</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>run-length bitmap</source>
        <translation>lauflängenkodierte Bitmap</translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation>Windows-Metadatei</translation>
    </message>
    <message>
        <source>enhanced metafile</source>
        <translation>erweiterte Metadatei</translation>
    </message>
    <message>
        <source>GIF picture</source>
        <translation>GIF-Bild</translation>
    </message>
    <message>
        <source>JPEG picture</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>Mauszeiger</translation>
    </message>
    <message>
        <source>not a readable %1</source>
        <translation>nicht lesbar als %1</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <source>loading was interrupted</source>
        <translation>das Laden wurde unterbrochen</translation>
    </message>
    <message>
        <source>%1 MB of comments and other notes</source>
        <translation>%1 MB an Kommentaren und anderen Anmerkungen</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the %1 does not say how big it is</source>
        <translation>die Datei (%1) gibt ihre Größe nicht an</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>not a picture type that can be opened</source>
        <translation>kein Bildtyp, der geöffnet werden kann</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>its drawing is stretched %1 times</source>
        <translation>seine Zeichnung ist %1-fach gestreckt</translation>
    </message>
    <message>
        <source>no units per inch</source>
        <translation>keine Einheiten pro Zoll</translation>
    </message>
    <message>
        <source>its window lies outside its coordinates</source>
        <translation>sein Fenster liegt außerhalb seiner Koordinaten</translation>
    </message>
    <message>
        <source>%1 × %2 pixels in %3 scans</source>
        <translation>%1 × %2 Pixel in %3 Durchgängen</translation>
    </message>
    <message>
        <source>over %1 s to draw</source>
        <translation>über %1 s zum Zeichnen</translation>
    </message>
    <message>
        <source>over %1 MB to draw</source>
        <translation>über %1 MB zum Zeichnen</translation>
    </message>
    <message>
        <source>%1 cannot be started</source>
        <translation>%1 lässt sich nicht starten</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <source>WebP picture</source>
        <translation>WebP-Bild</translation>
    </message>
    <message>
        <source>HEIC picture</source>
        <translation>HEIC-Bild</translation>
    </message>
    <message>
        <source>HEIF picture</source>
        <translation>HEIF-Bild</translation>
    </message>
    <message>
        <source>AVIF picture</source>
        <translation>AVIF-Bild</translation>
    </message>
</context>
<context>
    <name>PreviewSurface</name>
    <message>
        <source>There is not enough memory to show the page.</source>
        <translation>Es ist nicht genug Speicher frei, um die Seite anzuzeigen.</translation>
    </message>
    <message>
        <source>The page is too large to show.</source>
        <translation>Die Seite ist zu groß, um angezeigt zu werden.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>The printer %1 did not accept the job.</source>
        <translation>Der Drucker %1 hat den Auftrag nicht angenommen.</translation>
    </message>
    <message>
        <source>No printer is chosen.</source>
        <translation>Es ist kein Drucker ausgewählt.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>The printer %1 is not installed.</source>
        <translation>Der Drucker %1 ist nicht eingerichtet.</translation>
    </message>
    <message>
        <source>The printer %1 cannot be used.</source>
        <translation>Der Drucker %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>No file name was given for the PDF.</source>
        <translation>Für die PDF-Datei wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The printer %1 cannot be opened.</source>
        <translation>Der Drucker %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The printer %1 cannot end the document.</source>
        <translation>Der Drucker %1 kann das Dokument nicht abschließen.</translation>
    </message>
    <message>
        <source>The printer %1 cannot start a new page.</source>
        <translation>Der Drucker %1 kann keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The job was stopped before it was sent.</source>
        <translation>Der Auftrag wurde angehalten, bevor er gesendet wurde.</translation>
    </message>
</context>
<context>
    <name>Printers</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source>Can&apos;t find the printer!<byte value="xd"/>
Quenbrook Stops!</source>
        <translation>Kein Drucker gefunden!<byte value="xd"/>
Quenbrook wird beendet!</translation>
    </message>
    <message>
        <source>Can&apos;t find the printer!<byte value="xd"/>
You may only run the Album Viewer!</source>
        <translation>Kein Drucker gefunden!<byte value="xd"/>
Nur der Albumbetrachter kann verwendet werden!</translation>
    </message>
    <message>
        <source>Can&apos;t Open the File!</source>
        <translation>Die Datei kann nicht geöffnet werden!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened.</source>
        <translation>Der Ordner „%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>RunPrintJob</name>
    <message>
        <source>The PDF file %1 is the picture %2 of the print list.<byte value="xd"/>
Choose another file name.</source>
        <translation>Die PDF-Datei %1 ist das Bild %2 der Druckliste.<byte value="xd"/>
Wählen Sie einen anderen Dateinamen.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 is not a regular file, so it is left alone: settings are neither read from it nor saved.</source>
        <translation>Die Einstellungsdatei %1 ist keine reguläre Datei und bleibt daher unberührt: Einstellungen werden weder aus ihr gelesen noch in ihr gespeichert.</translation>
    </message>
</context>
<context>
    <name>quenbrook</name>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Usage: %1 [%2 %4 | %3 %4]</source>
        <translation>Aufruf: %1 [%2 %4 | %3 %4]</translation>
    </message>
    <message>
        <source>Browses folders of pictures and prints them as album pages. Started with no switch, it opens the main window that was closed last. One Quenbrook runs at a time: a later start hands its switch to the running one and ends.</source>
        <translation>Durchsucht Ordner mit Bildern und druckt sie als Albumseiten. Ohne Schalter gestartet, öffnet es das zuletzt geschlossene Hauptfenster. Es läuft immer nur ein Quenbrook: Ein späterer Start übergibt seinen Schalter dem laufenden und endet.</translation>
    </message>
    <message>
        <source>Add the file to the Album Printer&apos;s print list.</source>
        <translation>Die Datei zur Druckliste des Albumdruckers hinzufügen.</translation>
    </message>
    <message>
        <source>Open the file in a new Image Viewer.</source>
        <translation>Die Datei in einem neuen Bildbetrachter öffnen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>The switches are written as shown, letter case included; everything after a switch names its file. quenbrook-album prints albums from a terminal, with no window.</source>
        <translation>Die Schalter werden wie gezeigt geschrieben, samt Groß- und Kleinschreibung; alles nach einem Schalter benennt seine Datei. quenbrook-album druckt Alben aus einem Terminal, ohne Fenster.</translation>
    </message>
</context>
<context>
    <name>quenbrook-album</name>
    <message>
        <source>A cell %1 wide does not fit across the printable area, %2 wide: it is %3 too wide.</source>
        <translation>Eine Zelle mit %1 Breite passt nicht in die Breite des bedruckbaren Bereichs von %2: Sie ist %3 zu breit.</translation>
    </message>
    <message>
        <source>A cell %1 high</source>
        <translation>Eine Zelle mit %1 Höhe</translation>
    </message>
    <message>
        <source> and its label, %1 in all,</source>
        <translation> samt Beschriftung, insgesamt %1,</translation>
    </message>
    <message>
        <source>the printable area, %1 high</source>
        <translation>den bedruckbaren Bereich mit %1 Höhe</translation>
    </message>
    <message>
        <source> (%1 below the header and above the footer)</source>
        <translation> (%1 unter der Kopfzeile und über der Fußzeile)</translation>
    </message>
    <message>
        <source>%1 does not fit down %2: it is %3 too high.</source>
        <translation>%1 passt nicht in der Höhe in %2: Sie ist %3 zu hoch.</translation>
    </message>
    <message>
        <source>The cells (%1 wide, %2 high, %3 and %4 apart) make no grid on a printable area %5 wide and %6 high.</source>
        <translation>Die Zellen (%1 breit, %2 hoch, %3 und %4 Abstand) ergeben kein Raster auf einem bedruckbaren Bereich von %5 Breite und %6 Höhe.</translation>
    </message>
    <message>
        <source>a folder, not a picture file</source>
        <translation>ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <source>not a regular file (%1)</source>
        <translation>keine reguläre Datei (%1)</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a hidden file, which the program does not open</source>
        <translation>eine versteckte Datei, die das Programm nicht öffnet</translation>
    </message>
    <message>
        <source>The output file %1 leads to the picture %2.</source>
        <translation>Die Ausgabedatei %1 verweist auf das Bild %2.</translation>
    </message>
    <message>
        <source>The output file %1 is the picture %2.</source>
        <translation>Die Ausgabedatei %1 ist das Bild %2.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>[%1] page %2 of %3, picture %4 of %5  %6</source>
        <translation>[%1] Seite %2 von %3, Bild %4 von %5  %6</translation>
    </message>
    <message>
        <source>Done: %1, %2, %3</source>
        <translation>Fertig: %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>a length of 0 or more, like 0.2, 0.5cm, 5mm</source>
        <translation>eine Länge von 0 oder mehr, etwa 0.2, 0.5cm, 5mm</translation>
    </message>
    <message>
        <source>a length above 0, like 2, 2.5in, 6cm, 60mm</source>
        <translation>eine Länge über 0, etwa 2, 2.5in, 6cm, 60mm</translation>
    </message>
    <message>
        <source>pages FROM-TO counted from 1, like 2-5, 2- or 3</source>
        <translation>Seiten VON-BIS ab 1 gezählt, etwa 2-5, 2- oder 3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 und %2 können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: expected %3.</source>
        <translation>%1 „%2“: erwartet wird %3.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] -o album.pdf PICTURE...
       %1 [options] -P PRINTER PICTURE...
</source>
        <translation>Aufruf: %1 [Optionen] -o album.pdf BILD...
        %1 [Optionen] -P DRUCKER BILD...
</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more.
</source>
        <translation>„%1 --help“ zeigt mehr.
</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Write the album to this PDF file (&quot;-&quot;: standard output). Nothing is written until every page is done.</source>
        <translation>Das Album in diese PDF-Datei schreiben („-“: Standardausgabe). Geschrieben wird erst, wenn jede Seite fertig ist.</translation>
    </message>
    <message>
        <source>Print on this CUPS printer instead.</source>
        <translation>Stattdessen auf diesem CUPS-Drucker drucken.</translation>
    </message>
    <message>
        <source>Paths on standard input (&quot;-&quot;) are ended by NUL bytes, as find -print0 writes them.</source>
        <translation>Pfade auf der Standardeingabe („-“) enden mit NUL-Bytes, wie find -print0 sie schreibt.</translation>
    </message>
    <message>
        <source>Show no progress. Progress, ending in a summary, is shown only when standard error is a terminal; as plain text when TERM=dumb or NO_COLOR is set.</source>
        <translation>Keinen Fortschritt zeigen. Der Fortschritt, mit einer Zusammenfassung am Ende, erscheint nur, wenn die Standardfehlerausgabe ein Terminal ist; als reiner Text, wenn TERM=dumb oder NO_COLOR gesetzt ist.</translation>
    </message>
    <message>
        <source>The album&apos;s unit: inch or cm. The user&apos;s lengths are converted to it.</source>
        <translation>Die Maßeinheit des Albums: inch oder cm. Die Längen des Benutzers werden in sie umgerechnet.</translation>
    </message>
    <message>
        <source>Width of a picture&apos;s cell.</source>
        <translation>Breite der Zelle eines Bildes.</translation>
    </message>
    <message>
        <source>Height of a picture&apos;s cell.</source>
        <translation>Höhe der Zelle eines Bildes.</translation>
    </message>
    <message>
        <source>Space between the columns.</source>
        <translation>Abstand zwischen den Spalten.</translation>
    </message>
    <message>
        <source>Space between the rows.</source>
        <translation>Abstand zwischen den Zeilen.</translation>
    </message>
    <message>
        <source>Space between a cell and its label.</source>
        <translation>Abstand zwischen einer Zelle und ihrer Beschriftung.</translation>
    </message>
    <message>
        <source>Label of each picture: none, name (the file&apos;s name) or path (the path as given).</source>
        <translation>Beschriftung jedes Bildes: none (keine), name (der Dateiname) oder path (der Pfad wie angegeben).</translation>
    </message>
    <message>
        <source>Labels above or below their cells.</source>
        <translation>Beschriftungen über oder unter ihren Zellen.</translation>
    </message>
    <message>
        <source>A header line with this text.</source>
        <translation>Eine Kopfzeile mit diesem Text.</translation>
    </message>
    <message>
        <source>The page number as the header.</source>
        <translation>Die Seitenzahl als Kopfzeile.</translation>
    </message>
    <message>
        <source>No header.</source>
        <translation>Keine Kopfzeile.</translation>
    </message>
    <message>
        <source>Header at the left, center or right.</source>
        <translation>Kopfzeile links, in der Mitte oder rechts.</translation>
    </message>
    <message>
        <source>A footer line with this text.</source>
        <translation>Eine Fußzeile mit diesem Text.</translation>
    </message>
    <message>
        <source>The page number as the footer.</source>
        <translation>Die Seitenzahl als Fußzeile.</translation>
    </message>
    <message>
        <source>No footer.</source>
        <translation>Keine Fußzeile.</translation>
    </message>
    <message>
        <source>Footer at the left, center or right.</source>
        <translation>Fußzeile links, in der Mitte oder rechts.</translation>
    </message>
    <message>
        <source>Center the grid in the printable area.</source>
        <translation>Das Raster im bedruckbaren Bereich zentrieren.</translation>
    </message>
    <message>
        <source>Start the grid at the printable area&apos;s top-left corner.</source>
        <translation>Das Raster in der linken oberen Ecke des bedruckbaren Bereichs beginnen.</translation>
    </message>
    <message>
        <source>The document&apos;s title, in the PDF and as the print job&apos;s name (default: the output file&apos;s name without its extension).</source>
        <translation>Der Titel des Dokuments, im PDF und als Name des Druckauftrags (Vorgabe: der Name der Ausgabedatei ohne Endung).</translation>
    </message>
    <message>
        <source>portrait or landscape.</source>
        <translation>portrait (Hochformat) oder landscape (Querformat).</translation>
    </message>
    <message>
        <source>Most pixels per inch of a picture on paper: %1 (the printer&apos;s own).</source>
        <translation>Höchstens so viele Pixel pro Zoll eines Bildes auf Papier: %1 (printer: die des Druckers).</translation>
    </message>
    <message>
        <source>Print only pages FROM to TO of the album: 2-5, 2- (to the end) or 3; a TO past the end means the last page.</source>
        <translation>Nur die Seiten VON bis BIS des Albums drucken: 2-5, 2- (bis zum Ende) oder 3; ein BIS hinter dem Ende bedeutet die letzte Seite.</translation>
    </message>
    <message>
        <source>--output and --printer cannot be given together.</source>
        <translation>--output und --printer können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>Say where the album goes: -o FILE or -P PRINTER.</source>
        <translation>Geben Sie an, wohin das Album geht: -o DATEI oder -P DRUCKER.</translation>
    </message>
    <message>
        <source>The output file %1 is named like a picture; the album is a PDF file, like -o album.pdf.</source>
        <translation>Die Ausgabedatei %1 ist wie ein Bild benannt; das Album ist eine PDF-Datei, etwa -o album.pdf.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>Es wurden keine Bilder angegeben.</translation>
    </message>
    <message>
        <source>No pictures were found in %1.</source>
        <translation>In %1 wurden keine Bilder gefunden.</translation>
    </message>
    <message>
        <source>Interrupted; nothing was printed.</source>
        <translation>Unterbrochen; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>die Standardausgabe</translation>
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
        <translation>Druckt Bilder als Albumseiten, wie es der Albumdrucker von Quenbrook tut: ein Raster gleicher
Zellen im bedruckbaren Bereich, jedes Bild in seine Zelle eingepasst, mit seinen Proportionen.
Was hier nicht angegeben ist, kommt aus den Einstellungen des Albumdruckers.

Längen sind Zahlen in der Maßeinheit des Albums (--unit, sonst die des Albumdruckers) oder
mit „in“, „cm“ oder „mm“ dahinter, in beliebiger Schreibweise: 2, 2.5in, 6cm, 25MM. Das
Dezimaltrennzeichen ist in jeder Sprache der Punkt.

Meldungen nennen ein Bild mit seinem Pfad wie angegeben oder mit dem Ordner und seinem Namen.

Rückgabewert: 0 fertig, 1 ein Bild, das Layout, der Drucker oder die Ausgabe ist fehlgeschlagen
(eine ältere Ausgabedatei bleibt dann unverändert), 2 die Befehlszeile ist falsch.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>eines von %1</translation>
    </message>
    <message>
        <source>The album has %1 page, so it has no page %2.</source>
        <translation>Das Album hat %1 Seite, also keine Seite %2.</translation>
    </message>
    <message>
        <source>The album has %1 pages, so it has no page %2.</source>
        <translation>Das Album hat %1 Seiten, also keine Seite %2.</translation>
    </message>
    <message>
        <source>printer %1</source>
        <translation>Drucker %1</translation>
    </message>
    <message>
        <source>Standard input cannot be read: %1</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The list on standard input is longer than %1 MB; give the pictures in shorter lists, or as folders.</source>
        <translation>Die Liste auf der Standardeingabe ist länger als %1 MB; geben Sie die Bilder in kürzeren Listen oder als Ordner an.</translation>
    </message>
    <message>
        <source>A name on standard input is longer than %1 bytes, the longest path the system takes.</source>
        <translation>Ein Name auf der Standardeingabe ist länger als %1 Bytes, der längste Pfad, den das System annimmt.</translation>
    </message>
    <message>
        <source>Picture files (%1); folders, for their pictures in the order of the program&apos;s file lists; &quot;-&quot; for paths on standard input, one a line (with -0: each ended by a NUL byte).</source>
        <translation>Bilddateien (%1); Ordner, für ihre Bilder in der Reihenfolge der Dateilisten des Programms; „-“ für Pfade auf der Standardeingabe, einer je Zeile (mit -0: jeder mit einem NUL-Byte abgeschlossen).</translation>
    </message>
    <message>
        <source>Paper size: A4, A3, A5, Letter, Legal, B5, Tabloid...; photo paper 4x6 or 5x7 (inches), 10x15 or 13x18 (cm); or any WxH with a unit, like 9x13cm or 8x10in (default: the printer&apos;s).</source>
        <translation>Papierformat: A4, A3, A5, Letter, Legal, B5, Tabloid …; Fotopapier 4x6 oder 5x7 (Zoll), 10x15 oder 13x18 (cm); oder jedes BxH mit Einheit, wie 9x13cm oder 8x10in (Vorgabe: das des Druckers).</translation>
    </message>
    <message>
        <source>The paper, %1 × %2 %3, is smaller than one cell, %4 × %5 %3.</source>
        <translation>Das Papier, %1 × %2 %3, ist kleiner als eine Zelle, %4 × %5 %3.</translation>
    </message>
    <message>
        <source>a paper of at most 1 m (100 cm, 39.37 in) a side</source>
        <translation>ein Papier von höchstens 1 m (100 cm, 39,37 in) je Seite</translation>
    </message>
    <message>
        <source>a paper size like A4, Letter, 4x6, 10x15, 10x15cm or 5x7in</source>
        <translation>ein Papierformat wie A4, Letter, 4x6, 10x15, 10x15cm oder 5x7in</translation>
    </message>
</context>
<context>
    <name>quenbrook::BandDialog</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift …</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
</context>
<context>
    <name>quenbrook::FilePane</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
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
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Font style</source>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <source>Font styles</source>
        <translation>Schriftstile</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbÄäÖöÜü</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Schrifts&amp;til:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>There is no font with that name. Choose a font from the list of fonts.</source>
        <translation>Es gibt keine Schriftart mit diesem Namen. Wählen Sie eine Schriftart aus der Liste.</translation>
    </message>
    <message>
        <source>The size must be a number of points above 0 and up to %1, with at most four decimals.</source>
        <translation>Die Größe muss eine Punktzahl über 0 und bis %1 sein, mit höchstens vier Nachkommastellen.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
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
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papiergröße</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Browse the pictures of a folder and print them as album pages.</source>
        <translation>Die Bilder eines Ordners durchsehen und als Albumseiten drucken.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Warnung: Dieses Programm ist durch Urheberrecht und internationale Verträge geschützt. Wer es ganz oder teilweise ohne Erlaubnis vervielfältigt oder verbreitet, muss mit zivil- und strafrechtlichen Folgen rechnen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen …</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAlbumPrinter</name>
    <message>
        <source>Album Printer</source>
        <translation>Albumdrucker</translation>
    </message>
    <message>
        <source>Printer &amp;Setup....</source>
        <translation>Drucker&amp;einrichtung …</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Album &amp;Viewer</source>
        <translation>&amp;Albumbetrachter</translation>
    </message>
    <message>
        <source>Album Viewer</source>
        <translation>Albumbetrachter</translation>
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
        <translation>Symbol</translation>
    </message>
    <message>
        <source>View Image</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Label....</source>
        <translation>Beschriftung …</translation>
    </message>
    <message>
        <source>Print Size....</source>
        <translation>Druckgröße …</translation>
    </message>
    <message>
        <source>Header....</source>
        <translation>Kopfzeile …</translation>
    </message>
    <message>
        <source>Footer....</source>
        <translation>Fußzeile …</translation>
    </message>
    <message>
        <source>Printer Resolution</source>
        <translation>Druckerauflösung</translation>
    </message>
    <message>
        <source>%1 ppi</source>
        <translation>%1 ppi</translation>
    </message>
    <message>
        <source>Files on Disk :</source>
        <translation>Dateien im Ordner:</translation>
    </message>
    <message>
        <source>Selected Files :</source>
        <translation>Ausgewählte Dateien:</translation>
    </message>
    <message>
        <source>Add All</source>
        <translation>Alle
hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle
entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Druckliste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßeinheit</translation>
    </message>
    <message>
        <source>Picture Resolution</source>
        <translation>Bildauflösung</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Datei anzeigen</translation>
    </message>
    <message>
        <source>up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAlbumViewer</name>
    <message>
        <source>Album Viewer</source>
        <translation>Albumbetrachter</translation>
    </message>
    <message>
        <source>Album Printer</source>
        <translation>Albumdrucker</translation>
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
        <translation>Symbol</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>Erstes Bild</translation>
    </message>
    <message>
        <source>Previous 4th Picture</source>
        <translation>Vier Bilder zurück</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next PIcture</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Next 4th PIcture</source>
        <translation>Vier Bilder weiter</translation>
    </message>
    <message>
        <source>Last  PIcture</source>
        <translation>Letztes Bild</translation>
    </message>
    <message>
        <source>Add to Album Printer&apos;s Print List</source>
        <translation>Zur Druckliste des Albumdruckers hinzufügen</translation>
    </message>
    <message>
        <source>View Image</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Album &amp;Printer</source>
        <translation>Album&amp;drucker</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Add to Album Print List</source>
        <translation>Zur Album-Druckliste hinzufügen</translation>
    </message>
    <message>
        <source>Inoformation</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Datei anzeigen</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Select Drive</source>
        <translation>Laufwerk auswählen</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Select Start File</source>
        <translation>Startdatei auswählen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>popup</source>
        <translation>Kontextmenü</translation>
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
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmLabel</name>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Path and Name</source>
        <translation>Dateipfad und -name</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift …</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Label Above Picture</source>
        <translation>Beschriftung über dem Bild</translation>
    </message>
    <message>
        <source>Label Below Picture</source>
        <translation>Beschriftung unter dem Bild</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmOnPrinting</name>
    <message>
        <source>Print Page:%1<byte value="xd"/>
File Name: %2</source>
        <translation>Druckseite: %1<byte value="xd"/>
Dateiname: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmPreview</name>
    <message>
        <source>Print Error!<byte value="xd"/>
Can&apos;t Preview</source>
        <translation>Druckfehler!<byte value="xd"/>
Die Vorschau ist nicht möglich</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Preview %1%</source>
        <translation>Druckvorschau %1 %</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Page : </source>
        <translation>Seite: </translation>
    </message>
    <message>
        <source>Zoom :</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Show Printable Area</source>
        <translation>Druckbereich zeigen</translation>
    </message>
    <message>
        <source>Show Picture Area</source>
        <translation>Bildbereich zeigen</translation>
    </message>
</context>
<context>
    <name>quenbrook::frmPrintSize</name>
    <message>
        <source>Set Print Size</source>
        <translation>Druckgröße festlegen</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Picture Height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <source>Picture Width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Picture Spacing</source>
        <translation>Bildabstand</translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation>Waagerechter Abstand</translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation>Senkrechter Abstand</translation>
    </message>
    <message>
        <source>Picture/Label Spacing</source>
        <translation>Abstand Bild/Beschriftung</translation>
    </message>
    <message>
        <source>Unit :</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Picture size larger than paper size!!</source>
        <translation>Das Bild ist größer als das Papier!</translation>
    </message>
    <message>
        <source>The paper size is </source>
        <translation>Die Papiergröße ist </translation>
    </message>
</context>
</TS>
