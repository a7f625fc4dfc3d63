<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlbumPage</name>
    <message>
        <source>The page cannot be drawn at this zoom.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlbumViewerLayout</name>
    <message>
        <source>File Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size: %1 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width: %1 Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height: %1 Pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Nothing more could be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spool file in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is neither a file, a FIFO nor a character device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only part of the data was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Picture is larger than the printable range!<byte value="xd"/>
Abort Print!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>damaged bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reference device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too much drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its frame is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a bitmap of %1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitmaps of over %1 million pixels in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over %1 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over %1 drawing objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over %1 nested saved states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over %1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run-length bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enhanced metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a readable %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loading was interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB of comments and other notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 does not say how big it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture type that can be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its drawing is stretched %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no units per inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its window lies outside its coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>took too long to draw</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewSurface</name>
    <message>
        <source>There is not enough memory to show the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page is too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>The printer %1 did not accept the job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name was given for the PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 cannot end the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 cannot start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source>Can&apos;t find the printer!<byte value="xd"/>
Quenbrook Stops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find the printer!<byte value="xd"/>
You may only run the Album Viewer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Open the File!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook-album</name>
    <message>
        <source>A cell %1 wide does not fit across the printable area, %2 wide: it is %3 too wide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell %1 high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and its label, %1 in all,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printable area, %1 high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 below the header and above the footer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not fit down %2: it is %3 too high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cells (%1 wide, %2 high, %3 and %4 apart) make no grid on a printable area %5 wide and %6 high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder, not a picture file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hidden file, which the program does not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file %1 leads to the picture %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file %1 is the picture %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] page %2 of %3, picture %4 of %5  %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::BandDialog</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::FilePane</name>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::FontDialog</name>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no font with that name. Choose a font from the list of fonts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size must be a number of points above 0 and up to %1, with at most four decimals.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::OptionDialogBase</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::PrinterSetupDialog</name>
    <message>
        <source>&amp;Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse the pictures of a folder and print them as album pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAlbumPrinter</name>
    <message>
        <source>Album Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer &amp;Setup....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album &amp;Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Size....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ppi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files on Disk :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Files :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmAlbumViewer</name>
    <message>
        <source>Album Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous 4th Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next PIcture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next 4th PIcture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last  PIcture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Album Printer&apos;s Print List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album &amp;Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Album Print List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inoformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Start File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>popup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmImageViewer</name>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmLabel</name>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path and Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Above Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Below Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmOnPrinting</name>
    <message>
        <source>Print Page:%1<byte value="xd"/>
File Name: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmPreview</name>
    <message>
        <source>Print Error!<byte value="xd"/>
Can&apos;t Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Printable Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Picture Area</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenbrook::frmPrintSize</name>
    <message>
        <source>Set Print Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture/Label Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture size larger than paper size!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper size is </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
