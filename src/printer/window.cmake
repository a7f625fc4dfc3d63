# the Album Printer window
target_sources(quenbrook_ui PRIVATE
  AlbumPrinterKeys.h
  AlbumPrinterLayout.cpp AlbumPrinterLayout.h
  AlbumPrinterParts.cpp AlbumPrinterParts.h
  PrintListRules.cpp PrintListRules.h
  frmAlbumPrinter.cpp frmAlbumPrinter.h
  frmAlbumPrinterCommands.cpp
  frmAlbumPrinterPlacement.cpp)
# toolbar and arrow pictures, named by the button keys
qt_add_resources(quenbrook_ui "albumprinter_pictures"
  PREFIX "/albumprinter"
  BASE icons
  FILES
    icons/Preview.svg icons/Print.svg icons/AlbumViewer.svg
    icons/Bitmap.svg icons/Gif.svg icons/Jpeg.svg icons/Icon.svg
    icons/ImageViewer.svg icons/up.svg icons/down.svg)
